// The monitoring screen on the first book of 15 March 2009: its rules are
// the two built-in ones and the due-date rule of the preselection.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QTreeWidget>

#include "monitoring/screens/MonitoringScreen.h"
#include "ui/EditExt.h"
#include "ui/ScreenTestSupport.h"

namespace {

class MonitoringScreenTest : public ::testing::Test {
 protected:
  MonitoringScreenTest() { screen_.show(); }

  int StoredRules() {
    CResult rows = book_.Book().Database()->Query("select count(*) as n from [Report] where BuchId = 1;");
    return rows.Int("n");
  }

  CScreenBook book_;
  CMonitoringScreen screen_;
};

TEST_F(MonitoringScreenTest, BuiltInRulesCannotBeChosen) {
  ASSERT_EQ(screen_.List()->topLevelItemCount(), 3);
  int builtIn = -1;
  for (int row = 0; row < 3; ++row)
    if (screen_.List()->topLevelItem(row)->text(0) == "Eingabefehler") builtIn = row;
  ASSERT_GE(builtIn, 0);
  screen_.SelectRow(builtIn);
  EXPECT_EQ(screen_.ChosenRule(), nullptr);
  EXPECT_FALSE(screen_.Control(CMonitoringScreen::kEditId)->isEnabled());
}

TEST_F(MonitoringScreenTest, NewAccountRuleGetsItsTextAndIsStoredOnClosing) {
  const int before = StoredRules();
  ASSERT_EQ(screen_.NewRule(), 1);
  screen_.SetChecked(CMonitoringScreen::kAccountKindId, true);
  EXPECT_TRUE(screen_.IsChecked(CMonitoringScreen::kNotConfirmedId));
  EXPECT_EQ(screen_.ControlText(CMonitoringScreen::kTextId), "Konto wurde nicht bestätigt");
  screen_.TakeDetails();
  EXPECT_EQ(screen_.List()->topLevelItemCount(), 4);
  EXPECT_EQ(screen_.List()->topLevelItem(3)->text(0), "Alle Konten");
  ASSERT_TRUE(screen_.SaveAndClose());
  EXPECT_EQ(StoredRules(), before + 1);
}

TEST_F(MonitoringScreenTest, NewContractRuleNamesTheContractAsChosen) {
  ASSERT_EQ(screen_.NewRule(), 1);
  EXPECT_EQ(screen_.ControlText(CMonitoringScreen::kTextId), "Fälligkeit von Alle Verträge ist in 0 Tagen");
  auto* contract = screen_.ControlAs<QComboBox>(CMonitoringScreen::kContractId);
  contract->setCurrentIndex(contract->findText("Miete"));
  EXPECT_EQ(screen_.ControlText(CMonitoringScreen::kTextId), "Fälligkeit von Miete ist in 0 Tagen");
  book_.Messages().Answer(kAnswerNo);
  EXPECT_TRUE(screen_.SaveAndClose());
}

TEST_F(MonitoringScreenTest, CancelToString119KeepsTheScreenAndStoresNothing) {
  const int before = StoredRules();
  ASSERT_EQ(screen_.NewRule(), 1);
  book_.Messages().Answer(kAnswerOther);
  EXPECT_FALSE(screen_.SaveAndClose());
  EXPECT_EQ(screen_.CurrentMode(), CMonitoringScreen::Mode::Creating);
  EXPECT_EQ(StoredRules(), before);
  EXPECT_EQ(book_.Messages().Shown().back().text.rfind("Wollen Sie die Änderungen von", 0), 0u);
  book_.Messages().Answer(kAnswerNo);
  EXPECT_TRUE(screen_.SaveAndClose());
  EXPECT_EQ(StoredRules(), before);
}

TEST_F(MonitoringScreenTest, CheckBoxSwitchesActive) {
  CReport* rule = BookData().Reports()->FindByListRow(0);
  ASSERT_NE(rule, nullptr);
  const int active = rule->Aktiv;
  screen_.ToggleActive(0);
  EXPECT_NE(rule->Aktiv, active);
  EXPECT_EQ(screen_.List()->topLevelItem(0)->checkState(0), rule->Aktiv ? Qt::Checked : Qt::Unchecked);
}

}  // namespace
