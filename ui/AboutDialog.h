#pragma once

// "Info über Pellwick" (dialog 130): program name, version, the database
// folder and the creation date of the database file.

#include <string>

#include "ui/DialogBase.h"

inline constexpr int kAboutDialogId = 130;

// What the box shows, read from the book data's program folder.
struct CAboutInfo {
  std::string version;            // "Version 1.200"
  std::string databaseDirectory;  // the database file's folder, resolved
  std::string createdOn;          // "%02d.%02d.%04d", empty when unknown
};

// Without the book data, or when the database cannot be located, folder and
// date stay empty.
CAboutInfo ReadAboutInfo();

class CAboutDialog : public CDialogBase {
  Q_OBJECT

 public:
  static constexpr int kVersionId = 1000;
  static constexpr int kDirectoryId = 1001;
  static constexpr int kCreatedId = 1002;
  static constexpr int kOkId = 1;

  explicit CAboutDialog(QWidget* parent = nullptr);

 protected:
  void InitDialog() override;
};
