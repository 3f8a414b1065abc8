#include "ui/DialogBase.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QWhatsThis>
#include <algorithm>
#include <vector>

#include "model/BookData.h"
#include "ui/HelpTexts.h"
#include "ui/HelpViewer.h"
#include "ui/DialogRuleControls.h"
#include "ui/Icons.h"

namespace {

// The open screens, oldest first. Help and keys address the newest.
std::vector<CDialogBase*>& ScreenStack() {
  static std::vector<CDialogBase*> stack;
  return stack;
}

}  // namespace

void ForgetScreen(CDialogBase* screen) {
  auto& stack = ScreenStack();
  stack.erase(std::remove(stack.begin(), stack.end(), screen), stack.end());
}

namespace {

bool IsEnter(const QKeyEvent& key) { return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter; }

}  // namespace

CDialogBase::CDialogBase(int dialogId, QWidget* parent) : QDialog(parent), dialogId_(dialogId) {
  setModal(true);
  setWindowIcon(ProgramIcon());
  // Enter must reach no default button before it becomes Tab, whichever
  // child has the focus: the filter sits on the application.
  qApp->installEventFilter(this);
}

CDialogBase* CDialogBase::ActiveScreen() { return ScreenStack().empty() ? nullptr : ScreenStack().back(); }

void CDialogBase::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!opened_) Open();
}

void CDialogBase::Open() {
  opened_ = true;
  closed_ = false;
  ScreenStack().push_back(this);
  WriteLog("open Dialog %d.");
  RecordLayout();
  InitDialog();
}

void CDialogBase::done(int result) {
  if (opened_) {
    SetWaitCursor(false);
    rules_.reset();
    opened_ = false;
    closed_ = true;
    ForgetScreen(this);
    WriteLog("close Dialog %d.");
  }
  QDialog::done(result);
}

void CDialogBase::WriteLog(const char* format) const {
  if (HasBookData()) BookData().DebugLog().WriteFormatted(format, dialogId_);
}

void CDialogBase::RecordLayout() {
  layoutWidgets_.clear();
  std::vector<CControlRect> rects;
  for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (child->isWindow()) continue;
    const QRect geometry = child->geometry();
    rects.push_back({geometry.x(), geometry.y(), geometry.width(), geometry.height()});
    layoutWidgets_.emplace_back(child);
  }
  layout_.Record(width(), height(), std::move(rects));
}

void CDialogBase::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  if (layout() != nullptr) return;
  const std::vector<CControlRect> placed = layout_.Resize(width(), height());
  for (std::size_t i = 0; i < placed.size() && i < layoutWidgets_.size(); ++i)
    if (QWidget* widget = layoutWidgets_[i])
      widget->setGeometry(placed[i].left, placed[i].top, placed[i].width, placed[i].height);
}

void CDialogBase::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && !escapeCloses_) {
    event->accept();
    return;
  }
  if (event->key() == Qt::Key_F1) {
    ShowControlHelp(ControlId(focusWidget()));
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

bool CDialogBase::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && TurnEnterIntoTab(watched, event)) return true;
  return QDialog::eventFilter(watched, event);
}

bool CDialogBase::TurnEnterIntoTab(QObject* watched, QEvent* event) {
  auto* widget = qobject_cast<QWidget*>(watched);
  const auto* key = static_cast<const QKeyEvent*>(event);
  if (!widget || widget->window() != this || !IsEnter(*key)) return false;
  QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, key->modifiers() & Qt::ShiftModifier);
  QCoreApplication::sendEvent(widget, &tab);
  return true;
}

QPushButton* CDialogBase::CreateHelpButton() {
  auto* button = new QPushButton(HelpIcon(), "Hilfe", this);
  button->setAutoDefault(false);
  RegisterControl(kHelpButtonId, button);
  connect(button, &QPushButton::clicked, this, &CDialogBase::ShowHelpPage);
  return button;
}

void CDialogBase::ShowHelpPage() { CHelpViewer::Show(ProcessHelp().PageOfScreen(dialogId_), this); }

int CDialogBase::ReloadScreen() { return BookData().ReloadPart(dialogId_); }

void CDialogBase::ShowControlHelp(int controlId) {
  const CControlDescriptor* entry = FindControl(table_, controlId);
  QWidget* widget = Control(controlId);
  if (!entry || entry->helpTopic == 0 || !widget) return;
  const std::string& text = ProcessHelp().Texts().Text(entry->helpTopic);
  if (text.empty()) return;
  QWhatsThis::showText(widget->mapToGlobal(QPoint(0, widget->height())), QString::fromStdString(text), widget);
}
