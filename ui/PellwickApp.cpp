#include "ui/PellwickApp.h"

#include <QCoreApplication>
#include <QTimer>

#include "model/BookData.h"
#include "ui/DialogBase.h"
#include "ui/HelpTexts.h"
#include "ui/Icons.h"
#include "ui/PellwickApplication.h"
#include "ui/Translations.h"

namespace {

// The installed pages next to the program, the installed ones of the build's
// prefix, and the pages of the source tree for a program run from its build.
std::filesystem::path FindHelpFolder() {
  const std::filesystem::path programFolder = QCoreApplication::applicationDirPath().toStdString();
  return CHelpLocation::FirstWithStartPage({
      programFolder / ".." / "share" / "pellwick" / "help",
      PELLWICK_INSTALLED_HELP_DIR,
      PELLWICK_SOURCE_HELP_DIR,
  });
}

}  // namespace

CPellwickApp::CPellwickApp(CAppOptions options, IMessageSink* messages)
    : options_(std::move(options)),
      installedMessages_(messages ? *messages : static_cast<IMessageSink&>(qtMessages_)),
      bookData_(std::make_unique<CBookData>(options_.directory)) {}

CPellwickApp::~CPellwickApp() = default;

int CPellwickApp::Run(const CMainWindowFactory& createMainWindow) {
  PreparePlatform();
  std::unique_ptr<CDialogBase> mainWindow = createMainWindow();
  StartBookData();
  bookData_->DebugLog().Write("Init Pellwick erfolgreich");
  const int exitCode = mainWindow ? RunMainWindow(*mainWindow) : 1;
  mainWindow.reset();
  bookData_.reset();
  return exitCode;
}

void CPellwickApp::PreparePlatform() {
  translator_ = InstallGermanTranslations();
  UseIconTheme();
  QApplication::setWindowIcon(ProgramIcon());
  ProcessHelp().SetFolder(FindHelpFolder());
}

void CPellwickApp::StartBookData() {
  // A damaged or locked database is reported; the main window then opens on
  // what was loaded (nothing) and offers what can be done without a book.
  RunGuarded([this] { bookData_->StartUp(); });
}

int CPellwickApp::RunMainWindow(CDialogBase& window) const {
  if (options_.quitWhenShown)
    QTimer::singleShot(0, &window, [&window] { window.accept(); });
  window.exec();
  return 0;
}
