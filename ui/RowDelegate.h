#pragma once

// The rows of the screens' lists that are drawn by the program: the list's
// background (or the selection colours when selected), the window text
// colour or, when the row carries a colour-table slot other than 0, that
// slot's colour; each cell's text inset by 6 units on both sides, a focus
// frame on the focused row, rows 30 units high.

#include <QStyledItemDelegate>

// The item data role that carries the colour-table slot of a row.
inline constexpr int kColourSlotRole = Qt::UserRole + 100;

class CRowDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  static constexpr int kRowHeight = 30;
  static constexpr int kTextInset = 6;

  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  // The text colour of a row: the slot's colour for a slot other than 0,
  // else windowText.
  static QColor TextColour(const QModelIndex& index, const QColor& windowText);
};
