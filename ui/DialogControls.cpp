// The short operations of CDialogBase on the controls of a screen.

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTreeView>

#include "model/MonthChoice.h"
#include "storage/Format.h"
#include "ui/DialogBase.h"
#include "ui/EditExt.h"

namespace {

// The column header of a list control, or nullptr for other widgets.
QHeaderView* ColumnHeader(QWidget* widget) {
  if (auto* tree = qobject_cast<QTreeView*>(widget)) return tree->header();
  if (auto* table = qobject_cast<QTableView*>(widget)) return table->horizontalHeader();
  return nullptr;
}

}  // namespace

void CDialogBase::RegisterControl(int controlId, QWidget* widget) { controls_[controlId] = widget; }

QWidget* CDialogBase::Control(int controlId) const {
  const auto found = controls_.find(controlId);
  return found == controls_.end() ? nullptr : found->second.data();
}

int CDialogBase::ControlId(const QWidget* widget) const {
  for (const auto& [id, control] : controls_)
    if (widget && control == widget) return id;
  return 0;
}

void CDialogBase::EnableControl(int controlId, bool enabled) {
  if (QWidget* widget = Control(controlId)) widget->setEnabled(enabled);
}

void CDialogBase::DisableAndClear(int controlId) {
  EnableControl(controlId, false);
  ClearControl(controlId);
}

void CDialogBase::ShowControl(int controlId, bool visible) {
  if (QWidget* widget = Control(controlId)) widget->setVisible(visible);
}

void CDialogBase::HideWithFrame(int controlId) {
  QWidget* frame = Control(controlId);
  if (!frame) return;
  const QRect area = frame->geometry();
  for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (!child->isWindow() && area.contains(child->geometry())) child->hide();
  frame->hide();
}

void CDialogBase::SetControlText(int controlId, const QString& text) {
  QWidget* widget = Control(controlId);
  if (auto* edit = qobject_cast<QLineEdit*>(widget))
    edit->setText(text);
  else if (auto* combo = qobject_cast<QComboBox*>(widget))
    combo->setCurrentText(text);
  else if (auto* button = qobject_cast<QAbstractButton*>(widget))
    button->setText(text);
  else if (auto* label = qobject_cast<QLabel*>(widget))
    label->setText(text);
}

QString CDialogBase::ControlText(int controlId) const {
  QWidget* widget = Control(controlId);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
  if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->currentText();
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
  return {};
}

void CDialogBase::ClearControl(int controlId) {
  QWidget* widget = Control(controlId);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    edit->clear();
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    combo->setCurrentIndex(-1);
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget); button && button->isCheckable()) {
    // A radio button of an exclusive group cannot be unchecked otherwise.
    const bool exclusive = button->autoExclusive();
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(exclusive);
  }
}

double CDialogBase::Number(int controlId) const { return ParseGermanNumber(ControlText(controlId).toStdString()); }

void CDialogBase::SetNumber(int controlId, double value, int decimals) {
  if (decimals == -2) {
    const CControlDescriptor* entry = FindControl(table_, controlId);
    decimals = entry && IsNumberType(entry->type) ? entry->limit : 2;
  }
  SetControlText(controlId, QString::fromStdString(FormatGermanNumber(value, std::clamp(decimals, 0, 3))));
}

bool CDialogBase::IsChecked(int controlId) const {
  auto* button = ControlAs<QAbstractButton>(controlId);
  return button && button->isChecked();
}

void CDialogBase::SetChecked(int controlId, bool checked) {
  if (!checked) {
    ClearControl(controlId);
  } else if (auto* button = ControlAs<QAbstractButton>(controlId)) {
    button->setChecked(true);
  }
}

void CDialogBase::SelectIndex(int controlId, int index) {
  if (auto* combo = ControlAs<QComboBox>(controlId)) combo->setCurrentIndex(index < combo->count() ? index : -1);
}

int CDialogBase::SelectedIndex(int controlId) const {
  auto* combo = ControlAs<QComboBox>(controlId);
  return combo ? combo->currentIndex() : -1;
}

int CDialogBase::ItemCount(int controlId) const {
  auto* combo = ControlAs<QComboBox>(controlId);
  return combo ? combo->count() : 0;
}

bool CDialogBase::SelectText(int controlId, const QString& text) {
  auto* combo = ControlAs<QComboBox>(controlId);
  const int index = combo ? combo->findText(text) : -1;
  if (index >= 0) combo->setCurrentIndex(index);
  return index >= 0;
}

void CDialogBase::FillMonthChoice(int controlId, const CMonthChoice& choice) {
  auto* combo = ControlAs<QComboBox>(controlId);
  if (!combo) return;
  combo->clear();
  for (const std::string& label : choice.labels) combo->addItem(QString::fromStdString(label));
  combo->setCurrentIndex(choice.selected);
}

void CDialogBase::SetButtonIcon(int controlId, const QIcon& icon) {
  if (auto* button = ControlAs<QAbstractButton>(controlId)) button->setIcon(icon);
}

void CDialogBase::SetWaitCursor(bool waiting) {
  if (waiting == waitCursor_) return;
  waitCursor_ = waiting;
  if (waiting)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

void CDialogBase::RememberColumnWidths(int listId) const {
  QHeaderView* header = ColumnHeader(Control(listId));
  if (!header) return;
  std::vector<int> widths;
  for (int column = 0; column < header->count(); ++column) widths.push_back(header->sectionSize(column));
  ProcessColumnWidths().Remember(widths);
}

void CDialogBase::RestoreColumnWidths(int listId) const {
  QHeaderView* header = ColumnHeader(Control(listId));
  if (!header) return;
  for (int column = 0; column < header->count() && column < CColumnWidthTable::kColumns; ++column)
    if (const int width = ProcessColumnWidths().Width(column, layout_.HorizontalFactor()); width > 0)
      header->resizeSection(column, width);
}
