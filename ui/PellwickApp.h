#pragma once

// CPellwickApp: the program's start and end. It owns the book data from its
// construction on; Run
//  1. installs the German texts of Qt, the icon theme and the help folder;
//  2. creates the main window through the given factory;
//  3. starts the book data (a database error is shown, and the program goes
//     on with whatever was loaded: the main window deals with a start
//     without a book);
//  4. writes "Init Pellwick erfolgreich" to the debug log;
//  5. runs the main window modally: its modal loop is the program's life;
//  6. deletes the main window, then the book data (which closes the log and
//     the database).
// Nothing is stored at the end: every screen stores its own changes.
// UI thread only.

#include <QTranslator>
#include <functional>
#include <memory>
#include <optional>

#include "model/Messages.h"
#include "ui/AppOptions.h"
#include "ui/QtMessageSink.h"

class CBookData;
class CDialogBase;

// Makes the main window. Called once, before the book data starts, so the
// window must not reach the book's collections before it is shown.
using CMainWindowFactory = std::function<std::unique_ptr<CDialogBase>()>;

class CPellwickApp {
 public:
  // REQUIRES: a CPellwickApplication exists for the whole life of this
  // object. messages: the sink for every message of the program; nullptr
  // for the Qt message boxes. It must outlive this object.
  explicit CPellwickApp(CAppOptions options, IMessageSink* messages = nullptr);
  ~CPellwickApp();
  CPellwickApp(const CPellwickApp&) = delete;
  CPellwickApp& operator=(const CPellwickApp&) = delete;

  const CAppOptions& Options() const { return options_; }
  // REQUIRES: Run has not finished.
  CBookData& Book() { return *bookData_; }

  // The steps above. Returns the process's exit code.
  int Run(const CMainWindowFactory& createMainWindow);

 private:
  void PreparePlatform();
  void StartBookData();
  int RunMainWindow(CDialogBase& window) const;

  CAppOptions options_;
  CQtMessageSink qtMessages_;
  CScopedMessageSink installedMessages_;
  std::unique_ptr<QTranslator> translator_;
  std::unique_ptr<CBookData> bookData_;
};
