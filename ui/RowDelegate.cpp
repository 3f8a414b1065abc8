#include "ui/RowDelegate.h"

#include <QPainter>

#include "model/ColorTable.h"

QColor CRowDelegate::TextColour(const QModelIndex& index, const QColor& windowText) {
  const int slot = index.data(kColourSlotRole).toInt();
  if (slot == 0) return windowText;
  const CColor colour = ProcessColorTable().Color(slot);
  return QColor(colour.red, colour.green, colour.blue);
}

void CRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const bool selected = option.state & QStyle::State_Selected;
  painter->save();
  painter->fillRect(option.rect, option.palette.color(selected ? QPalette::Highlight : QPalette::Base));
  painter->setPen(selected ? option.palette.color(QPalette::HighlightedText)
                           : TextColour(index, option.palette.color(QPalette::WindowText)));
  painter->setFont(option.font);
  const QRect text = option.rect.adjusted(kTextInset, 0, -kTextInset, 0);
  const QString shown = option.fontMetrics.elidedText(index.data(Qt::DisplayRole).toString(), Qt::ElideRight,
                                                      text.width());
  const int alignment = index.data(Qt::TextAlignmentRole).isValid() ? index.data(Qt::TextAlignmentRole).toInt()
                                                                    : int(Qt::AlignLeft);
  painter->drawText(text, alignment | Qt::AlignVCenter, shown);
  if (option.state & QStyle::State_HasFocus) {
    painter->setPen(QPen(option.palette.color(QPalette::WindowText), 1, Qt::DotLine));
    painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
  }
  painter->restore();
}

QSize CRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QSize size = QStyledItemDelegate::sizeHint(option, index);
  size.setHeight(kRowHeight);
  return size;
}
