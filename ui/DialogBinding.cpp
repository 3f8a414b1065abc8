// Binding a screen's descriptor table, and the field rules working on the
// screen's widgets.

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

#include "model/Messages.h"
#include "ui/DialogBase.h"
#include "ui/DialogRuleControls.h"
#include "ui/EditExt.h"
#include "ui/HelpTexts.h"

// Here, where the rule controls are complete.
CDialogBase::~CDialogBase() {
  qApp->removeEventFilter(this);
  if (waitCursor_) QApplication::restoreOverrideCursor();
  ForgetScreen(this);
}

void CDialogBase::BindControls(CControlTable table) {
  table_ = table;
  rules_.reset();
  for (const CControlDescriptor& entry : table) {
    if (entry.controlId == 0) break;
    QWidget* widget = Control(entry.controlId);
    if (IsEditKind(entry.kind)) BindEdit(entry, widget);
    if (!widget) continue;
    BindHelp(entry, widget);
    WireRuleTrigger(entry.controlId, widget);
  }
}

void CDialogBase::BindEdit(const CControlDescriptor& entry, QWidget* widget) {
  auto* edit = qobject_cast<CEditExt*>(widget);
  if (!edit) {
    ErrorText("Widget kein EditExt-Widget");
    return;
  }
  edit->Configure(entry.type, entry.limit);
  edit->setReadOnly(entry.kind == ControlKind::ReadOnlyEdit);
}

void CDialogBase::BindHelp(const CControlDescriptor& entry, QWidget* widget) {
  if (entry.toolTip) widget->setToolTip(QString::fromUtf8(entry.toolTip));
  if (entry.helpTopic == 0) return;
  const std::string& text = ProcessHelp().Texts().Text(entry.helpTopic);
  if (!text.empty()) widget->setWhatsThis(QString::fromStdString(text));
}

void CDialogBase::WireRuleTrigger(int controlId, QWidget* widget) {
  if (!ruleTriggers_.insert(controlId).second) return;
  const auto evaluate = [this, controlId] { EvaluateRules(controlId); };
  if (auto* edit = qobject_cast<CEditExt*>(widget)) {
    connect(edit, &CEditExt::Typed, this, evaluate);
    connect(edit, &CEditExt::Left, this, evaluate);
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    connect(combo, &QComboBox::activated, this, evaluate);
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget); button && button->isCheckable()) {
    connect(button, &QAbstractButton::clicked, this, evaluate);
  }
}

CFieldRules& CDialogBase::Rules() {
  if (!ruleControls_) ruleControls_ = std::make_unique<CRuleControls>(*this);
  if (!rules_) rules_ = std::make_unique<CFieldRules>(table_, *ruleControls_);
  return *rules_;
}

void CDialogBase::EvaluateRules(int triggerId) {
  if (rules_) rules_->Evaluate(triggerId);
}
