#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "monitoring/Report.h"
#include "storage/Result.h"
#include "storage/Schema.h"
#include "support/TemporaryDirectory.h"

namespace {

class ReportListTest : public ::testing::Test {
 protected:
  int StoredRules(int bookId) {
    return database_->Query("select count(*) as n from Report where BuchId = " + std::to_string(bookId) + ";")
        .Int("n");
  }

  CTemporaryDirectory dir_;
  std::unique_ptr<CDatabase> database_ = CreateDatabase(dir_.File("Pellwick.db"));
};

TEST_F(ReportListTest, PreparingABookStoresBothBuiltInRulesWithTheirOwnIds) {
  CReportList rules;
  rules.PrepareBook(*database_, 1);
  ASSERT_EQ(rules.Count(), 2);
  for (int id : {1, 2}) {
    const CReport* rule = rules.FindId(id);
    ASSERT_NE(rule, nullptr);
    EXPECT_EQ(rule->ReportTyp, kReportInputError);
    EXPECT_EQ(rule->Aktiv, 1);
    EXPECT_EQ(rule->FarbIndex, id);
  }
  EXPECT_EQ(rules.FindId(1)->Text(), "kein Konto erfasst");
  EXPECT_EQ(rules.FindId(2)->Text(), "kein Vertrag angegeben");
  EXPECT_EQ(StoredRules(1), 2);
  EXPECT_EQ(rules.EnsureBuiltInRules(), 0);
}

TEST_F(ReportListTest, AnInactiveOrDeletedBuiltInRuleIsMadeAgainWithoutASecondRecordOfItsId) {
  CReportList rules;
  rules.EnsureBuiltInRules();
  rules.FindId(1)->Aktiv = 0;
  rules.FindId(1)->AuagabeText = "alt";
  rules.FindId(2)->MarkDeleted();
  EXPECT_EQ(rules.EnsureBuiltInRules(), 2);
  EXPECT_EQ(rules.Count(), 3);  // the deleted record stays until the store
  EXPECT_EQ(rules.FindId(1)->Aktiv, 1);
  EXPECT_TRUE(rules.FindId(1)->AuagabeText.empty());
  rules.Store(*database_, 1);
  EXPECT_EQ(rules.Count(), 2);
  EXPECT_EQ(StoredRules(1), 2);
}

TEST_F(ReportListTest, NewRulesNeverTakeABuiltInIdNorOneStoredForTheBook) {
  CReportList fresh;
  EXPECT_EQ(fresh.New(kReportContract).ReportId, 3);

  CReportList stored;
  stored.EnsureBuiltInRules();
  stored.New(kReportContract);                  // 3
  stored.New(kReportAccount).ReportId = 9;      // as an older program stored it
  stored.Store(*database_, 1);
  CReportList otherBook;
  otherBook.New(kReportCategory).ReportId = 20;
  otherBook.Store(*database_, 2);

  CReportList loaded;
  EXPECT_EQ(loaded.LoadBook(*database_, 1), 4);
  EXPECT_EQ(loaded.New(kReportCategory).ReportId, 10);

  // Rows loaded into another list than the one that makes the next rule.
  CReportList madeEmpty;
  madeEmpty.SeedFromDatabase(*database_, 1);
  EXPECT_EQ(madeEmpty.New(kReportCategory).ReportId, 10);
}

TEST_F(ReportListTest, AUserRuleHoldingABuiltInIdMovesToAFreeIdAndKeepsItsRow) {
  CReportList old;
  CReport& rule = old.New(kReportAccount);
  rule.ReportId = 1;  // stored by a program that gave out ids from 1
  rule.AuagabeText = "Konto prüfen";
  old.Store(*database_, 1);

  CReportList rules;
  rules.LoadBook(*database_, 1);
  rules.PrepareBook(*database_, 1);
  CReportList reloaded;
  reloaded.LoadBook(*database_, 1);
  EXPECT_EQ(reloaded.Count(), 3);
  EXPECT_EQ(reloaded.FindId(1)->ReportTyp, kReportInputError);
  EXPECT_EQ(reloaded.FindId(3)->AuagabeText, "Konto prüfen");
}

}  // namespace
