// The month archive, the current month screen and the preselection screen
// on the first book of 15 March 2009 (months September 2008 to June 2009,
// current month September 2008).

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCloseEvent>
#include <QTreeWidget>

#include "model/screens/CurrentMonthScreen.h"
#include "model/screens/MonthArchive.h"
#include "model/screens/PreselectionScreen.h"
#include "ui/ScreenTestSupport.h"

namespace {

class MonthArchiveScreenTest : public ::testing::Test {
 protected:
  // The window of the book starts at the first month; the current month is
  // moved to December 2008 so there are earlier months to unload.
  MonthArchiveScreenTest() {
    book_.Book().Book().AktMonatId = MonthId(2008, 12);
    archive_.show();
  }

  int RowOf(int monthId) const {
    for (int row = 0; row < archive_.List()->topLevelItemCount(); ++row)
      if (archive_.RowMonth(row) == monthId) return row;
    return -1;
  }
  bool Checked(int monthId) const {
    return archive_.List()->topLevelItem(RowOf(monthId))->checkState(0) == Qt::Checked;
  }

  CScreenBook book_;
  CMonthArchive archive_;
};

TEST_F(MonthArchiveScreenTest, ShowsEveryMonthWithStateAndCounts) {
  ASSERT_EQ(archive_.List()->topLevelItemCount(), 10);
  const QTreeWidgetItem* december = archive_.List()->topLevelItem(RowOf(MonthId(2008, 12)));
  EXPECT_EQ(december->text(1), "* Dezember 2008");
  // The preselected contracts count as confirmed too: the month is edited.
  EXPECT_EQ(december->text(2), "bearbeitet");
  EXPECT_EQ(december->text(3), "0 von 1");
  EXPECT_TRUE(Checked(MonthId(2008, 9)));
}

TEST_F(MonthArchiveScreenTest, CheckBoxesMoveTheLoadingWindow) {
  const int october = MonthId(2008, 10);
  archive_.ClickCheckBox(RowOf(october), false);
  EXPECT_FALSE(Checked(MonthId(2008, 9)));
  EXPECT_FALSE(Checked(october));
  EXPECT_TRUE(Checked(MonthId(2008, 11)));
  EXPECT_EQ(book_.Book().Book().FirstLoadMonatId, MonthId(2008, 11));

  archive_.ClickCheckBox(RowOf(MonthId(2009, 1)), false);
  EXPECT_TRUE(Checked(MonthId(2009, 1))) << "from the current month on months stay loaded";

  archive_.ApplyWindow();
  EXPECT_FALSE(book_.Book().Months()->FindMonth(october)->loaded);
  for (const CBestandsdaten& account : *book_.Book().Accounts()) EXPECT_GE(account.MonatId, MonthId(2008, 11));

  archive_.ClickCheckBox(RowOf(MonthId(2008, 9)), true);
  EXPECT_TRUE(Checked(october));
  EXPECT_EQ(book_.Book().Book().FirstLoadMonatId, MonthId(2008, 9));
}

TEST(CurrentMonthScreenTest, OkStoresTheChosenMonthAndCancelChangesNothing) {
  CScreenBook book;
  {
    CCurrentMonthScreen screen;
    screen.show();
    EXPECT_TRUE(screen.IsChecked(CCurrentMonthScreen::kUserDefinedId));
    screen.SetChecked(CCurrentMonthScreen::kUserDefinedId, false);
    EXPECT_FALSE(screen.Control(CCurrentMonthScreen::kMonthId)->isEnabled());
    screen.reject();
  }
  EXPECT_EQ(book.Book().Book().AktMonatUser, 2);
  CCurrentMonthScreen screen;
  screen.show();
  screen.SetChecked(CCurrentMonthScreen::kUserDefinedId, false);
  screen.TakeChoice();
  EXPECT_EQ(book.Book().Book().AktMonatUser, 1);
  EXPECT_EQ(book.Book().Book().AktMonatId, MonthId(2009, 3));
  CResult stored = book.Book().Database()->Query("select AktMonatUser, AktMonatId from [Haushaltsbuch];");
  EXPECT_EQ(stored.Int("AktMonatUser"), 1);
  EXPECT_EQ(stored.Int("AktMonatId"), MonthId(2009, 3));
}

TEST(PreselectionScreenTest, TicksFollowTheCheckBoxesAndTheCloseBoxConfirms) {
  std::vector<CPreselectionItem> items = PreselectionItems();
  CPreselectionScreen screen(items);
  screen.show();
  ASSERT_EQ(screen.List()->topLevelItemCount(), static_cast<int>(items.size()));
  EXPECT_EQ(screen.List()->topLevelItem(2)->text(2), "1200.00");
  screen.List()->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
  screen.List()->topLevelItem(1)->setCheckState(0, Qt::Checked);
  EXPECT_FALSE(items[0].checked);
  EXPECT_TRUE(items[1].checked);
  QCloseEvent close;
  QApplication::sendEvent(&screen, &close);
  EXPECT_EQ(screen.result(), QDialog::Accepted);
}

}  // namespace
