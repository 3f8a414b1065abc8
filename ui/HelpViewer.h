#pragma once

// The help viewer: the German HTML help pages of the program folder's help
// in a browser window with "Startseite" and "Zurück".

#include <QDialog>
#include <filesystem>
#include <string>

class QTextBrowser;

class CHelpViewer : public QDialog {
  Q_OBJECT

 public:
  // Shows page of folder; a page the folder lacks shows the start page, a
  // folder without pages a short German note.
  CHelpViewer(const std::filesystem::path& folder, const std::string& page, QWidget* parent = nullptr);

  QTextBrowser* Browser() const { return browser_; }

  // Opens the viewer modally on page of the program's help folder.
  static void Show(const std::string& page, QWidget* parent);

 private:
  QTextBrowser* browser_;  // owned by the dialog
};
