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
#include "ui/Screenshot.h"

namespace {

TEST(ScreenshotsScreenTest, EveryScreenIsDrawnWithSampleData) {
  CScreenBook book;
  CFixedPreselection preselection;
  {
    CMainWindow window(&preselection);
    EXPECT_FALSE(SaveScreenshot(window, "dialog122-hauptfenster").empty());
    window.hide();
  }
  {
    CBookScreen screen(nullptr, &preselection);
    screen.show();
    screen.SelectRow(0);
    screen.Edit();
    EXPECT_FALSE(SaveScreenshot(screen, "dialog118-haushaltsbuch").empty());
    screen.reject();
  }
  {
    CDatabaseScreen screen(CProgramDirectory(book.Folder().Path().string()));
    EXPECT_FALSE(SaveScreenshot(screen, "dialog119-datenbank").empty());
  }
  {
    std::vector<CPreselectionItem> items = PreselectionItems();
    CPreselectionScreen screen(items);
    EXPECT_FALSE(SaveScreenshot(screen, "dialog123-vorauswahl").empty());
  }
  {
    CCurrentMonthScreen screen;
    EXPECT_FALSE(SaveScreenshot(screen, "dialog135-aktueller-monat").empty());
  }
  {
    CMonthArchive screen;
    EXPECT_FALSE(SaveScreenshot(screen, "dialog110-monatsarchiv").empty());
  }
  {
    CMonitoringScreen screen;
    screen.show();
    screen.NewRule();
    EXPECT_FALSE(SaveScreenshot(screen, "dialog121-ueberwachung").empty());
    book.Messages().Answer(kAnswerNo);
    screen.SaveAndClose();
  }
}

}  // namespace
