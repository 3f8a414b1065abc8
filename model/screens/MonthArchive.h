#pragma once

// The month archive (dialog 110, "Monatsarchiew"): the months of the current
// book with their state and counts, and a check box per month that moves
// the loading window. Months from the current month on always stay in the
// window; unticking an earlier month takes it and every earlier month out,
// ticking one brings the window back to it. "OK" loads and drops months to
// fit the window; "Abbruch" and the close box leave the months as they are
// (the moved window takes effect at the next load). UI thread only.

#include "model/MonthChoice.h"
#include "ui/DialogBase.h"

class QTreeWidget;
class QTreeWidgetItem;
class CMonat;

inline constexpr int kMonthArchiveId = 110;

class CMonthArchive : public CDialogBase {
  Q_OBJECT

 public:
  static constexpr int kFromId = 1013;
  static constexpr int kToId = 1014;
  static constexpr int kListId = 1148;
  static constexpr int kOkId = 1;
  static constexpr int kCancelId = 2;

  explicit CMonthArchive(QWidget* parent = nullptr);

  QTreeWidget* List() const { return list_; }
  // The month shown in a row.
  int RowMonth(int row) const;
  // A click on the check box of a row (checked: the box as clicked).
  void ClickCheckBox(int row, bool checked);
  // "OK".
  void ApplyWindow();

 protected:
  void InitDialog() override;

 private:
  void FillRows();
  QStringList RowTexts(const CMonat& month) const;
  void UpdateCheckBoxes();
  void ItemChanged(QTreeWidgetItem* row, int column);
  void FromChanged();
  void ToChanged();
  int Chosen(int controlId, const CMonthChoice& choice) const;

  QTreeWidget* list_;  // owned by the screen
  CMonthChoice fromChoice_;
  CMonthChoice toChoice_;
  int lowerLimit_ = 0;
  int upperLimit_ = 0;
  bool filling_ = false;
};
