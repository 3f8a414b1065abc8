// Every screen of the books, months and monitoring drawn with sample data
// into <build>/screenshots, for looking at them.

#include <gtest/gtest.h>

#include <QTreeWidget>

#include "model/screens/BookScreen.h"
#include "model/screens/CurrentMonthScreen.h"
#include "model/screens/DatabaseScreen.h"
#include "model/screens/MonthArchive.h"
#include "model/screens/PreselectionScreen.h"
#include "monitoring/screens/MonitoringScreen.h"
#include "ui/MainWindow.h"
#include "ui/ScreenTestSupport.h"

namespace {

TEST(ScreenshotsScreenTest, EveryScreenIsDrawnWithSampleData) {
  CScreenBook book;
  CFixedPreselection preselection;
  {
    CMainWindow window(&preselection);
    EXPECT_TRUE(SaveScreenshot(window, "dialog122-hauptfenster"));
    window.hide();
  }
  {
    CBookScreen screen(nullptr, &preselection);
    screen.show();
    screen.SelectRow(0);
    screen.Edit();
    EXPECT_TRUE(SaveScreenshot(screen, "dialog118-haushaltsbuch"));
    screen.reject();
  }
  {
    CDatabaseScreen screen(CProgramDirectory(book.Folder().Path().string()));
    EXPECT_TRUE(SaveScreenshot(screen, "dialog119-datenbank"));
  }
  {
    std::vector<CPreselectionItem> items = PreselectionItems();
    CPreselectionScreen screen(items);
    EXPECT_TRUE(SaveScreenshot(screen, "dialog123-vorauswahl"));
  }
  {
    CCurrentMonthScreen screen;
    EXPECT_TRUE(SaveScreenshot(screen, "dialog135-aktueller-monat"));
  }
  {
    CMonthArchive screen;
    EXPECT_TRUE(SaveScreenshot(screen, "dialog110-monatsarchiv"));
  }
  {
    CMonitoringScreen screen;
    screen.show();
    screen.NewRule();
    EXPECT_TRUE(SaveScreenshot(screen, "dialog121-ueberwachung"));
    book.Messages().Answer(kAnswerNo);
    screen.SaveAndClose();
  }
}

}  // namespace
