#pragma once

// "Datenbank" (dialog 119): where the program looks for its database at the
// next start. Shows the two values of the ini file as written there (the
// defaults where a value is missing or empty); "In Ini-Datei speichern"
// writes both as they stand, "Zurück" and the close box write nothing. An
// empty file name is refused (STRING 125): it would make the next start
// look for the default file instead. UI thread only.

#include "model/DatabaseLocation.h"
#include "ui/DialogBase.h"

inline constexpr int kDatabaseScreenId = 119;

class CDatabaseScreen : public CDialogBase {
  Q_OBJECT

 public:
  static constexpr int kNameId = 1253;
  static constexpr int kDirectoryId = 1038;
  static constexpr int kChooseFileId = 1001;
  static constexpr int kBackId = 2;
  static constexpr int kSaveId = 1;

  // programDirectory: the folder of the ini file.
  explicit CDatabaseScreen(CProgramDirectory programDirectory, QWidget* parent = nullptr);

  // "Dateiauswahl" with a chosen file: its name and its folder (ending in
  // "/") go into the two fields.
  void TakeChosenFile(const QString& path);
  // "In Ini-Datei speichern": returns true when written (the screen closes).
  bool Save();

 protected:
  void InitDialog() override;

 private:
  void ChooseFile();

  CProgramDirectory programDirectory_;
};
