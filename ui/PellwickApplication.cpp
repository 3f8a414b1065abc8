#include "ui/PellwickApplication.h"

#include "model/Messages.h"
#include "storage/DatabaseError.h"

bool RunGuarded(const std::function<void()>& action) {
  try {
    action();
    return true;
  } catch (const CDatabaseError& error) {
    ErrorText(error.what());
    return false;
  }
}

CPellwickApplication::CPellwickApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName("Pellwick");
}

bool CPellwickApplication::notify(QObject* receiver, QEvent* event) {
  bool handled = false;
  RunGuarded([&] { handled = QApplication::notify(receiver, event); });
  return handled;
}
