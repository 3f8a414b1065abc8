#pragma once

// The main window's monitoring list: a list model over the rows of the
// core's CMonitoringView (group headings and the visible hits of the open
// groups), with each line's text, image and colour, and the delegate that
// draws the rows with the inset and height of the program's lists.
// UI thread only.

#include <QAbstractListModel>
#include <QStyledItemDelegate>
#include <vector>

#include "monitoring/MonitoringView.h"

class CMonitoringListModel : public QAbstractListModel {
  Q_OBJECT

 public:
  explicit CMonitoringListModel(QObject* parent = nullptr);

  // Evaluates the rules over the period, groups and shows the result. The
  // lines keep only texts, so the list can be painted while the book's
  // collections are being replaced.
  void Rebuild(const CReportList& rules, const CMonthCollections& book, const CMonitoringPeriod& period,
               int grouping);
  // Forgets the hits (an empty list).
  void Clear();
  // A click on a row: a heading opens or closes its group.
  void ClickRow(int row);

  const CMonitoringView& View() const { return view_; }
  // The line of a row; null outside the rows.
  const CHit* Line(int row) const;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

 private:
  void TakeRows();

  CMonitoringView view_;
  std::vector<const CHit*> rows_;
};

// Rows at least 22 units high, with room for the inset of 6 units on both
// sides of the text.
class CMonitoringRowDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  static constexpr int kRowHeight = 22;
  static constexpr int kTextInset = 6;

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
