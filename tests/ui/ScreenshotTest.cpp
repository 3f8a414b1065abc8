// The screens of this folder rendered for a look without a display, and
// what they show.
#include <QTextBrowser>
#include <gtest/gtest.h>

#include <regex>

#include "Screenshot.h"
#include "model/BookData.h"
#include "support/ScriptedMessages.h"
#include "support/TemporaryDirectory.h"
#include "ui/AboutDialog.h"
#include "ui/HelpTexts.h"
#include "ui/HelpViewer.h"

namespace {

TEST(ScreenshotTest, AboutBoxShowsVersionDatabaseFolderAndDate) {
  CTemporaryDirectory directory;
  CScriptedMessages messages;
  CBookData bookData(directory.Path().string());
  bookData.StartUp();
  CAboutDialog about;
  about.show();
  EXPECT_EQ(about.ControlText(CAboutDialog::kVersionId), "Version 1.200");
  EXPECT_EQ(about.ControlText(CAboutDialog::kDirectoryId).toStdString(), directory.Path().string() + "/");
  const std::string created = about.ControlText(CAboutDialog::kCreatedId).toStdString();
  EXPECT_TRUE(created.empty() || std::regex_match(created, std::regex(R"(\d\d\.\d\d\.\d{4})"))) << created;
  EXPECT_FALSE(SaveScreenshot(about, "dialog130_about").empty());
}

TEST(ScreenshotTest, HelpViewerShowsTheScreensPageOrTheStartPage) {
  CHelpViewer about(ProcessHelp().Folder(), ProcessHelp().PageOfScreen(kAboutDialogId));
  EXPECT_EQ(about.Browser()->documentTitle(), "Info über Pellwick");
  CHelpViewer start(ProcessHelp().Folder(), ProcessHelp().PageOfScreen(9999));
  EXPECT_EQ(start.Browser()->documentTitle(), "Pellwick – Hilfe");
  EXPECT_FALSE(ProcessHelp().Texts().Text(13001).empty());
  EXPECT_FALSE(SaveScreenshot(start, "help_viewer").empty());
}

}  // namespace
