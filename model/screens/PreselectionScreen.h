#pragma once

// "Vorauswahl" (dialog 123): the suggested accounts, contracts and
// monitoring rule of a new book with a check box each. "Auswahl\nOK" and the
// close box confirm the ticks, "Abbrechen" cancels. UI thread only.

#include <vector>

#include "model/Preselection.h"
#include "ui/DialogBase.h"

class QTreeWidget;
class QTreeWidgetItem;

inline constexpr int kPreselectionScreenId = 123;

class CPreselectionScreen : public CDialogBase {
  Q_OBJECT

 public:
  static constexpr int kTextId = 1000;
  static constexpr int kListId = 1148;
  static constexpr int kOkId = 1;
  static constexpr int kCancelId = 2;

  // items: the suggestions to show; their ticks follow the check boxes. It
  // must outlive the screen.
  explicit CPreselectionScreen(std::vector<CPreselectionItem>& items, QWidget* parent = nullptr);

  QTreeWidget* List() const { return list_; }
  // The texts of a row: "Bezeichnung", "Datenart", "Betrag", "Häufigkeit".
  static QStringList RowTexts(const CPreselectionItem& item);

 protected:
  void InitDialog() override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FillList();
  void ItemChanged(QTreeWidgetItem* row);

  std::vector<CPreselectionItem>& items_;
  QTreeWidget* list_;  // owned by the screen
  bool filling_ = false;
};

// The preselection asked through the screen: the core's first-book flow
// and the book screen use it.
class CPreselectionScreenChoice final : public IPreselectionChoice {
 public:
  explicit CPreselectionScreenChoice(QWidget* parent) : parent_(parent) {}
  bool Choose(std::vector<CPreselectionItem>& items) override;

 private:
  QWidget* parent_;
};
