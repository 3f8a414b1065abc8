#pragma once

// CDialogBase: the base of every screen. A screen is a modal dialog with a
// dialog id (the number of its log lines, its help page and its saved
// settings). The base
// - logs "open Dialog %d." when the screen opens and "close Dialog %d."
//   when it closes, and keeps the stack of open screens;
// - turns Enter into Tab, so Enter moves to the next control and never
//   closes a screen; Escape closes it unless the screen switches that off;
// - keeps the controls in proportion when the screen is resized (for
//   screens that place their controls themselves; a screen with a Qt layout
//   leaves resizing to the layout);
// - binds the screen's control descriptor table: edit fields get their type
//   and limit, controls their tool tips and help texts, and the field rules
//   run when the user types into, leaves or clicks a trigger;
// - offers the short operations on controls by control id;
// - opens the screen's help page ("Hilfe") and the controls' pop-up help (F1).
// UI thread only.

#include <QDialog>
#include <QPointer>
#include <map>
#include <memory>
#include <set>

#include "ui/ControlDescriptor.h"
#include "ui/FieldRules.h"
#include "ui/ProportionalLayout.h"

class CEditExt;
class QPushButton;
struct CMonthChoice;

inline constexpr int kHelpButtonId = 1020;

class CDialogBase : public QDialog {
  Q_OBJECT

 public:
  explicit CDialogBase(int dialogId, QWidget* parent = nullptr);
  ~CDialogBase() override;

  int DialogId() const { return dialogId_; }
  // Set when the screen has closed; cleared when it opens again.
  bool IsClosed() const { return closed_; }
  // The newest open screen, or nullptr.
  static CDialogBase* ActiveScreen();

  // Controls by id. The widget stays owned by its Qt parent; the base only
  // forgets it when it is destroyed.
  void RegisterControl(int controlId, QWidget* widget);
  QWidget* Control(int controlId) const;
  template <class Widget>
  Widget* ControlAs(int controlId) const {
    return qobject_cast<Widget*>(Control(controlId));
  }
  // The id of a registered widget, 0 for others.
  int ControlId(const QWidget* widget) const;

  // Binds the descriptor table (see above). An edit entry whose control is
  // not a CEditExt shows the stop message "Widget kein EditExt-Widget" and
  // binding goes on. REQUIRES: table outlives the screen (a static table).
  void BindControls(CControlTable table);
  CControlTable Controls() const { return table_; }
  // The rules of the bound table; adding them is the screen's business.
  CFieldRules& Rules();
  void EvaluateRules(int triggerId);

  // Short operations; an unknown id does nothing (or reads as empty).
  void EnableControl(int controlId, bool enabled = true);
  void DisableAndClear(int controlId);
  void ShowControl(int controlId, bool visible = true);
  // Hides the control and every child lying inside its rectangle.
  void HideWithFrame(int controlId);
  void SetControlText(int controlId, const QString& text);
  QString ControlText(int controlId) const;
  void ClearControl(int controlId);
  // The number of the control's text (German form).
  double Number(int controlId) const;
  // decimals -2: those of the control's descriptor, 2 when it has none.
  void SetNumber(int controlId, double value, int decimals = -2);
  bool IsChecked(int controlId) const;
  void SetChecked(int controlId, bool checked);
  // Drop-down lists.
  void SelectIndex(int controlId, int index);
  int SelectedIndex(int controlId) const;
  int ItemCount(int controlId) const;
  bool SelectText(int controlId, const QString& text);
  void FillMonthChoice(int controlId, const CMonthChoice& choice);
  void SetButtonIcon(int controlId, const QIcon& icon);
  void SetWaitCursor(bool waiting);
  // List column widths through the program-wide table.
  void RememberColumnWidths(int listId) const;
  void RestoreColumnWidths(int listId) const;

  // The help button (id kHelpButtonId) as a child of the screen, for the
  // screen to place; it opens the screen's help page.
  QPushButton* CreateHelpButton();
  void ShowHelpPage();
  // "Nachladen": asks STRING 103 and reloads what this screen shows
  // (CBookData::ReloadPart). Returns 0 when the user cancelled.
  int ReloadScreen();
  // The pop-up help of a control with a help topic; nothing for others.
  void ShowControlHelp(int controlId);

  const CProportionalLayout& Layout() const { return layout_; }

 protected:
  // The screen's own initialisation when it opens, after logging and
  // recording the layout: descriptor table, icons, lists.
  virtual void InitDialog() {}
  // Escape closes the screen (as a cancel) unless switched off.
  void SetEscapeCloses(bool closes) { escapeCloses_ = closes; }

  void showEvent(QShowEvent* event) override;
  void done(int result) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  class CRuleControls;

  void Open();
  void RecordLayout();
  void BindEdit(const CControlDescriptor& entry, QWidget* widget);
  void BindHelp(const CControlDescriptor& entry, QWidget* widget);
  void WireRuleTrigger(int controlId, QWidget* widget);
  bool TurnEnterIntoTab(QObject* watched, QEvent* event);
  void WriteLog(const char* format) const;

  int dialogId_;
  bool opened_ = false;
  bool closed_ = false;
  bool escapeCloses_ = true;
  bool waitCursor_ = false;
  std::map<int, QPointer<QWidget>> controls_;
  // Controls whose signals already run the rules (binding again on reopening
  // must not run them twice).
  std::set<int> ruleTriggers_;
  CControlTable table_;
  std::unique_ptr<CRuleControls> ruleControls_;
  std::unique_ptr<CFieldRules> rules_;
  CProportionalLayout layout_;
  std::vector<QPointer<QWidget>> layoutWidgets_;
};
