#include "monitoring/screens/MonitoringListModel.h"

#include <QBrush>
#include <QFont>

#include "model/ColorTable.h"
#include "monitoring/screens/ProgramImages.h"

namespace {

QColor SlotColor(int slot) {
  const CColor color = ProcessColorTable().Color(slot);
  return QColor(color.red, color.green, color.blue);
}

}  // namespace

CMonitoringListModel::CMonitoringListModel(QObject* parent) : QAbstractListModel(parent) {}

void CMonitoringListModel::Rebuild(const CReportList& rules, const CMonthCollections& book,
                                   const CMonitoringPeriod& period, int grouping) {
  beginResetModel();
  view_.Rebuild(rules, book, period, grouping);
  TakeRows();
  endResetModel();
}

void CMonitoringListModel::Clear() {
  beginResetModel();
  view_ = CMonitoringView();
  rows_.clear();
  endResetModel();
}

void CMonitoringListModel::ClickRow(int row) {
  if (row < 0 || row >= static_cast<int>(rows_.size())) return;
  beginResetModel();
  view_.ClickRow(row);
  TakeRows();
  endResetModel();
}

void CMonitoringListModel::TakeRows() { rows_ = view_.Rows(); }

const CHit* CMonitoringListModel::Line(int row) const {
  return row >= 0 && row < static_cast<int>(rows_.size()) ? rows_[static_cast<std::size_t>(row)] : nullptr;
}

int CMonitoringListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant CMonitoringListModel::data(const QModelIndex& index, int role) const {
  // Only the texts of a line are read here, never its rule: the rules may
  // be replaced while the list is shown behind another screen.
  const CHit* line = index.isValid() ? Line(index.row()) : nullptr;
  if (!line) return {};
  switch (role) {
    case Qt::DisplayRole: return QString::fromStdString(line->text);
    case Qt::DecorationRole:
      return line->IsHeading() ? HeadingImage(view_.IsExpanded(*line)) : ProgramImage(line->image);
    case Qt::ForegroundRole:
      if (line->colorSlot > 0) return QBrush(SlotColor(line->colorSlot));
      return {};
    case Qt::FontRole:
      if (line->IsHeading()) {
        QFont bold;
        bold.setBold(true);
        return bold;
      }
      return {};
    default: return {};
  }
}

QVariant CMonitoringListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (section == 0 && orientation == Qt::Horizontal && role == Qt::DisplayRole) return QString("Überwachung");
  return {};
}

QSize CMonitoringRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QSize size = QStyledItemDelegate::sizeHint(option, index);
  size.setHeight(std::max(size.height(), kRowHeight));
  size.setWidth(size.width() + 2 * kTextInset);
  return size;
}
