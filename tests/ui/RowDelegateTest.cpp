#include "ui/RowDelegate.h"

#include <QStandardItemModel>
#include <QTreeView>
#include <gtest/gtest.h>

#include "model/ColorTable.h"

namespace {

TEST(RowDelegateTest, RowsAreThirtyHighAndTakeTheirSlotsColour) {
  ProcessColorTable().FillStandard(CColor{0, 0, 0});
  QStandardItemModel model;
  auto* plain = new QStandardItem("Miete");
  auto* coloured = new QStandardItem("Konto überzogen");
  coloured->setData(1, kColourSlotRole);
  model.appendRow(plain);
  model.appendRow(coloured);
  QTreeView view;
  CRowDelegate delegate;
  view.setModel(&model);
  view.setItemDelegate(&delegate);

  EXPECT_EQ(delegate.sizeHint(QStyleOptionViewItem(), model.index(0, 0)).height(), 30);
  EXPECT_EQ(CRowDelegate::TextColour(model.index(0, 0), Qt::black), QColor(Qt::black));
  const CColor slot = ProcessColorTable().Color(1);
  EXPECT_EQ(CRowDelegate::TextColour(model.index(1, 0), Qt::black), QColor(slot.red, slot.green, slot.blue));
  view.grab();  // draws every row through the delegate
}

}  // namespace
