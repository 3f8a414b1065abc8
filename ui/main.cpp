// The program: pellwick [--dir FOLDER] [--quit-when-shown]

#include <QDir>
#include <iostream>
#include <memory>

#include "model/Messages.h"
#include "model/Preselection.h"
#include "ui/AppOptions.h"
#include "ui/MainWindow.h"
#include "ui/PellwickApp.h"
#include "ui/PellwickApplication.h"

namespace {

// For a measured start nobody answers the preselection of a first book: the
// suggestions are taken as preset.
class CPresetPreselection final : public IPreselectionChoice {
 public:
  bool Choose(std::vector<CPreselectionItem>&) override { return true; }
};

// Nobody answers messages either: each goes to standard error and gets the
// answer every question treats as "do not go on", so an unattended start
// never waits and never deletes anything.
class CUnattendedMessages final : public IMessageSink {
 public:
  int Show(MessageKind, const std::string& text, MessageButtons) override {
    std::cerr << text << '\n';
    return kAnswerOther;
  }
};

std::vector<std::string> Arguments(const QStringList& all) {
  std::vector<std::string> arguments;
  for (qsizetype i = 1; i < all.size(); ++i) arguments.push_back(all[i].toStdString());
  return arguments;
}

}  // namespace

int main(int argc, char** argv) {
  CPellwickApplication application(argc, argv);
  const CAppOptionsRead read =
      ReadAppOptions(Arguments(QCoreApplication::arguments()), QDir::currentPath().toStdString());
  if (!read.ok) {
    std::cerr << read.message << '\n';
    return 2;
  }
  const bool unattended = read.options.quitWhenShown;
  CPresetPreselection preset;
  CUnattendedMessages messages;
  IPreselectionChoice* preselection = unattended ? &preset : nullptr;
  CPellwickApp app(read.options, unattended ? &messages : nullptr);
  return app.Run([preselection] { return std::make_unique<CMainWindow>(preselection); });
}
