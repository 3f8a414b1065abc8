// The program: pellwick [--dir FOLDER] [--quit-when-shown]

#include <QDir>
#include <iostream>
#include <memory>

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
  CPresetPreselection preset;
  IPreselectionChoice* preselection = read.options.quitWhenShown ? &preset : nullptr;
  CPellwickApp app(read.options);
  return app.Run([preselection] { return std::make_unique<CMainWindow>(preselection); });
}
