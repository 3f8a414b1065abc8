// The database screen and its ini file.

#include <gtest/gtest.h>

#include "model/screens/DatabaseScreen.h"
#include "ui/EditExt.h"
#include "ui/ScreenTestSupport.h"

namespace {

class DatabaseScreenTest : public ::testing::Test {
 protected:
  void Open() {
    screen_ = std::make_unique<CDatabaseScreen>(CProgramDirectory(folder_.Path().string()));
    screen_->show();
  }

  CTemporaryDirectory folder_;
  CScriptedMessages messages_;
  std::unique_ptr<CDatabaseScreen> screen_;
};

TEST_F(DatabaseScreenTest, ShowsTheDefaultsForAMissingFileAndEmptyValues) {
  for (const std::string& ini : {std::string(), std::string("[database]\ndatabase_name=\ndatabase_path=\n")}) {
    if (!ini.empty()) folder_.Write("Pellwick.ini", ini);
    Open();
    EXPECT_EQ(screen_->ControlText(CDatabaseScreen::kNameId), "Pellwick.db");
    EXPECT_EQ(screen_->ControlText(CDatabaseScreen::kDirectoryId), ".");
  }
}

TEST_F(DatabaseScreenTest, SavingWritesExactlyTheTwoKeysAndKeepsTheRest) {
  folder_.Write("Pellwick.ini", "; eigene Notiz\n[anderes]\nwert=1\n");
  Open();
  screen_->TakeChosenFile("/daten/buch.db");
  EXPECT_EQ(screen_->ControlText(CDatabaseScreen::kNameId), "buch.db");
  EXPECT_EQ(screen_->ControlText(CDatabaseScreen::kDirectoryId), "/daten/");
  ASSERT_TRUE(screen_->Save());
  EXPECT_EQ(folder_.Read("Pellwick.ini"),
            "; eigene Notiz\n[anderes]\nwert=1\n\n[database]\ndatabase_name=buch.db\ndatabase_path=/daten/\n");
}

TEST_F(DatabaseScreenTest, ZurueckWritesNothing) {
  Open();
  screen_->ControlAs<CEditExt>(CDatabaseScreen::kNameId)->setText("anders.db");
  screen_->reject();
  EXPECT_FALSE(std::filesystem::exists(folder_.Path() / "Pellwick.ini"));
}

TEST_F(DatabaseScreenTest, EmptyNameIsRefusedWithString125) {
  folder_.Write("Pellwick.ini", "[database]\ndatabase_name=alt.db\n");
  Open();
  screen_->ControlAs<CEditExt>(CDatabaseScreen::kNameId)->setText("  ");
  EXPECT_FALSE(screen_->Save());
  EXPECT_EQ(messages_.Texts(), std::vector<std::string>{"Sie haben keine Bezeichnung angegeben !"});
  EXPECT_EQ(folder_.Read("Pellwick.ini"), "[database]\ndatabase_name=alt.db\n");
}

}  // namespace
