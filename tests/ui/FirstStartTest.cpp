// The program's first start on an empty folder, run as the program runs.

#include <gtest/gtest.h>

#include <QListView>
#include <QPushButton>

#include "model/BookData.h"
#include "monitoring/screens/MonitoringListModel.h"
#include "ui/MainWindow.h"
#include "ui/PellwickApp.h"
#include "ui/ScreenTestSupport.h"

namespace {

std::vector<std::string> Names(const auto& list) {
  std::vector<std::string> names;
  for (const auto& record : list) names.push_back(record.Bezeichnung);
  return names;
}

bool Contains(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

TEST(FirstStartTest, EmptyFolderGetsTheFirstBookAndTheMainWindowAndEndsStored) {
  CTemporaryDirectory folder;
  CFixedClock clock(March15());
  CScopedClock installedClock(clock);
  CScriptedMessages messages;
  CFixedPreselection preselection;
  int shownRows = -1;
  int exitCode = -1;
  {
    CPellwickApp app(CAppOptions{folder.Path().string(), false}, &messages);
    CMainWindow* window = nullptr;
    QTimer::singleShot(0, [&] {
      shownRows = window->Monitoring().rowCount();
      window->ControlAs<QPushButton>(CMainWindow::kQuitId)->click();
    });
    exitCode = app.Run([&] {
      auto made = std::make_unique<CMainWindow>(&preselection);
      window = made.get();
      return made;
    });
  }
  EXPECT_EQ(exitCode, 0);
  EXPECT_EQ(preselection.Asked(), 1);
  // Grouped by month over March to June 2009: at least the four headings.
  EXPECT_GE(shownRows, 4);

  const std::string log = folder.Read("debug.log");
  EXPECT_EQ(log.rfind("Debugdatei geöffnet.\n", 0), 0u);
  EXPECT_NE(log.find("Init Pellwick erfolgreich\nopen Dialog 122.\n"), std::string::npos);
  EXPECT_NE(log.find("close Dialog 122.\n"), std::string::npos);
  EXPECT_TRUE(log.ends_with("Debugdatei geschlossen.\n")) << log;

  CBookData reopened(folder.Path().string());
  ASSERT_EQ(reopened.StartUp(), 1);
  EXPECT_EQ(reopened.Database()->TableNames().size(), 17u);
  EXPECT_EQ(reopened.Book().Bezeichnung, "Buch1");
  EXPECT_EQ(reopened.Book().FirstExistMonatId, MonthId(2008, 9));
  EXPECT_EQ(reopened.Book().LastExistMonatId, MonthId(2009, 6));
  const std::vector<std::string> accounts = Names(*reopened.Accounts());
  EXPECT_TRUE(Contains(accounts, "Girokonto"));
  EXPECT_FALSE(Contains(accounts, "Sparbuch"));
  const std::vector<std::string> contracts = Names(*reopened.Contracts());
  EXPECT_TRUE(Contains(contracts, "Lohn/Gehalt"));
  EXPECT_TRUE(Contains(contracts, "Miete"));
  EXPECT_FALSE(Contains(contracts, "Kfz-Steuer"));
  int dueRules = 0;
  for (const CReport& rule : *reopened.Reports()) dueRules += rule.ReportTyp == kReportContract && rule.AnzTage == 7;
  EXPECT_EQ(dueRules, 1);
  // The main window's settings were stored on the way out.
  reopened.MaskData()->Load(*reopened.Database(), reopened.CurrentBookId());
  const CMaskData* settings = reopened.MaskData()->FindMask(kMainWindowId);
  ASSERT_NE(settings, nullptr);
  EXPECT_EQ(ReadMainWindowSettings(*settings).grouping, 1);
  EXPECT_EQ(ReadMainWindowSettings(*settings).alwaysRefresh, 1);
}

}  // namespace
