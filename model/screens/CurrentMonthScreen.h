#pragma once

// "Aktueller Monat" (dialog 135): whether the current month follows the
// calendar or is chosen by the user ("benutzerdefiniert"), and which one.
// "OK" stores the book row only; "Abbruch" and the close box change
// nothing. UI thread only.

#include "model/MonthChoice.h"
#include "ui/DialogBase.h"

inline constexpr int kCurrentMonthScreenId = 135;

class CCurrentMonthScreen : public CDialogBase {
  Q_OBJECT

 public:
  static constexpr int kMonthId = 1013;
  static constexpr int kUserDefinedId = 1150;
  static constexpr int kFirstMonthId = 1151;
  static constexpr int kOkId = 1;
  static constexpr int kCancelId = 2;

  explicit CCurrentMonthScreen(QWidget* parent = nullptr);

  // "auf ersten Monat setzen": the first loaded month, chosen by the user.
  void SelectFirstMonth();
  // "OK": the choice into the current book, stored.
  void TakeChoice();
  int SelectedMonth() const;

 protected:
  void InitDialog() override;

 private:
  void UserDefinedToggled(bool checked);

  CMonthChoice choice_;
};
