#pragma once

// Private to the dialog base: the field rules' view of a screen's widgets.

#include <QComboBox>
#include <QLineEdit>

#include "ui/DialogBase.h"
#include "ui/EditExt.h"

// Takes the screen off the stack of open screens (DialogBase.cpp).
void ForgetScreen(CDialogBase* screen);

class CDialogBase::CRuleControls final : public IRuleControls {
 public:
  explicit CRuleControls(CDialogBase& screen) : screen_(screen) {}

  CRuleControlValue Value(int controlId) const override {
    return {screen_.ControlText(controlId).toStdString(), screen_.IsChecked(controlId)};
  }

  void SetEnabled(int controlId, bool enabled) override {
    screen_.EnableControl(controlId, enabled);
    if (!enabled) return;
    auto* edit = screen_.ControlAs<CEditExt>(controlId);
    if (edit && IsNumberType(edit->Type()) && edit->Value() == 0.0) edit->clear();
    auto* combo = screen_.ControlAs<QComboBox>(controlId);
    if (combo && combo->currentIndex() < 0 && combo->count() > 0) combo->setCurrentIndex(0);
  }

  void Clear(int controlId) override { screen_.ClearControl(controlId); }
  void SetVisible(int controlId, bool visible) override { screen_.ShowControl(controlId, visible); }
  void SetChecked(int controlId, bool checked) override { screen_.SetChecked(controlId, checked); }

  void SetReadOnly(int controlId, bool readOnly) override {
    if (auto* edit = screen_.ControlAs<QLineEdit>(controlId)) edit->setReadOnly(readOnly);
  }

 private:
  CDialogBase& screen_;
};
