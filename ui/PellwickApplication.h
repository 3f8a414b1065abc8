#pragma once

// The Qt application of the program with its top-level handler: a database
// error thrown by any screen action (a click, a key, a timer of a screen)
// ends that action only. Its message is shown as a stop message and the
// program goes on with the next event.

#include <QApplication>
#include <functional>

// Runs action; a CDatabaseError it throws is shown with ErrorText and
// swallowed. Returns false when one was.
bool RunGuarded(const std::function<void()>& action);

class CPellwickApplication : public QApplication {
  Q_OBJECT

 public:
  // REQUIRES: argc and argv outlive the application (Qt keeps them).
  CPellwickApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;
};
