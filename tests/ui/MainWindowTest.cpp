// The main window on a book of 15 March 2009: grouping, collapsing, Escape
// and "Programm beenden".

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

#include "monitoring/screens/MonitoringListModel.h"
#include "ui/MainWindow.h"
#include "ui/ScreenTestSupport.h"

namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() { window_.show(); }
  ~MainWindowTest() override { window_.hide(); }

  std::vector<std::string> RowTexts() {
    std::vector<std::string> texts;
    for (int row = 0; row < window_.Monitoring().rowCount(); ++row)
      texts.push_back(window_.Monitoring().index(row).data().toString().toStdString());
    return texts;
  }

  CScreenBook book_;
  CFixedPreselection preselection_;
  CMainWindow window_{&preselection_};
};

TEST_F(MainWindowTest, GroupsByMonthWithOneHeadingPerMonthAndByKind) {
  // The book's current month is September 2008; the period runs to December.
  const std::vector<std::string> byMonth = RowTexts();
  ASSERT_GE(byMonth.size(), 4u);
  EXPECT_EQ(byMonth.front(), "September 2008");
  EXPECT_NE(std::find(byMonth.begin(), byMonth.end(), "Dezember 2008"), byMonth.end());

  window_.ControlAs<QRadioButton>(CMainWindow::kByKindId)->setChecked(true);
  const std::vector<std::string> byKind = RowTexts();
  EXPECT_EQ(std::find(byKind.begin(), byKind.end(), "September 2008"), byKind.end());
  EXPECT_NE(std::find(byKind.begin(), byKind.end(), "Überwachte Konten"), byKind.end());
}

TEST_F(MainWindowTest, ClickingAHeadingCollapsesAndReopensItsGroup) {
  CMonitoringListModel& list = window_.Monitoring();
  const int before = list.rowCount();
  ASSERT_TRUE(list.Line(0)->IsHeading());
  ASSERT_FALSE(list.Line(1)->IsHeading()) << "September 2008 has findings (unconfirmed accounts)";
  list.ClickRow(0);
  EXPECT_LT(list.rowCount(), before);
  EXPECT_TRUE(list.Line(1)->IsHeading());
  list.ClickRow(0);
  EXPECT_EQ(list.rowCount(), before);
}

TEST_F(MainWindowTest, CurrentMonthOnlyDisablesThePeriodLists) {
  window_.ControlAs<QCheckBox>(CMainWindow::kCurrentMonthId)->setChecked(true);
  EXPECT_FALSE(window_.Control(CMainWindow::kFromId)->isEnabled());
  EXPECT_FALSE(window_.Control(CMainWindow::kToId)->isEnabled());
  int headings = 0;
  for (int row = 0; row < window_.Monitoring().rowCount(); ++row) headings += window_.Monitoring().Line(row)->IsHeading();
  EXPECT_EQ(headings, 1);
}

TEST_F(MainWindowTest, EscapeLeavesItOpen) {
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(&window_, &escape);
  window_.reject();
  EXPECT_TRUE(window_.isVisible());
  EXPECT_FALSE(window_.IsClosed());
}

TEST_F(MainWindowTest, ProgrammBeendenStoresTheSettingsAndTheBook) {
  window_.ControlAs<QRadioButton>(CMainWindow::kNoGroupingId)->setChecked(true);
  book_.Book().Book().Bezeichnung = "Haushalt";
  window_.ControlAs<QPushButton>(CMainWindow::kQuitId)->click();
  EXPECT_TRUE(window_.IsClosed());
  const std::string folder = book_.Folder().Path().string();
  book_.End();
  EXPECT_TRUE(book_.Folder().Read("debug.log").ends_with("close Dialog 122.\nDebugdatei geschlossen.\n"));

  CBookData reopened(folder);
  ASSERT_EQ(reopened.StartUp(), 1);
  EXPECT_EQ(reopened.Book().Bezeichnung, "Haushalt");
  reopened.MaskData()->Load(*reopened.Database(), reopened.CurrentBookId());
  ASSERT_NE(reopened.MaskData()->FindMask(kMainWindowId), nullptr);
  const CMainWindowSettings stored = ReadMainWindowSettings(*reopened.MaskData()->FindMask(kMainWindowId));
  EXPECT_EQ(stored.grouping, 0);
  EXPECT_EQ(stored.firstMonthId, MonthId(2008, 9));
  EXPECT_EQ(stored.lastMonthId, MonthId(2008, 12));
}

TEST_F(MainWindowTest, AFailingStoreIsShownAndTheWindowStaysOpen) {
  book_.Book().Database()->Execute("drop table [Haushaltsbuch];");
  window_.ControlAs<QPushButton>(CMainWindow::kQuitId)->click();
  ASSERT_EQ(book_.Messages().Texts().size(), 1u);
  EXPECT_NE(book_.Messages().Texts().front().find("Haushaltsbuch"), std::string::npos) << book_.Messages().Texts().front();
  EXPECT_FALSE(window_.IsClosed()) << "closing now would lose what the store could not write";
  EXPECT_TRUE(window_.isVisible());
}

}  // namespace
