#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "monitoring/MonitoringBook.h"
#include "monitoring/ReportTexts.h"

namespace {

struct CDueCase {
  int flagVorNach;
  int anzTage;
  int flagTageWochen;
  int dueInDays;
  const char* expected;  // null: no hit
};

class DueDateRules : public MonitoringBook, public ::testing::WithParamInterface<CDueCase> {};

TEST_P(DueDateRules, AnUnconfirmedPaymentIsReportedOnlyWhenTheThresholdLiesAfterItsDueDate) {
  const CDueCase& due = GetParam();
  AddRule(kReportInputError);  // the book has contracts and accounts: no input error either way
  AddAccount(1, kApril, "Girokonto", 100.0, 1);
  AddDueEntry(AddContract(7, DaysFromToday(due.dueInDays), "Miete"));
  AddDueRule(due.flagVorNach, due.anzTage, due.flagTageWochen);

  const std::vector<CHit>& hits = Evaluate().Hits();
  if (!due.expected) {
    EXPECT_TRUE(hits.empty());
    return;
  }
  ASSERT_EQ(hits.size(), 1u);
  EXPECT_EQ(hits[0].objectId, 7);
  EXPECT_EQ(hits[0].value, due.dueInDays);
  EXPECT_EQ(RelativeTimeText(hits[0].value), due.expected);
  EXPECT_EQ(HitText(hits[0], kGroupByMonth), std::string("Fälligkeitstermin von Miete ") + due.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DueDateRules,
    ::testing::Values(CDueCase{kReportDueWithin, 3, kReportDays, 0, "ist heute"},
                      CDueCase{kReportDueAgo, 1, kReportWeeks, -5, nullptr},
                      CDueCase{kReportDueAgo, 1, kReportWeeks, -10, "war vor 10 Tagen"},
                      CDueCase{kReportDueAgo, 1, kReportWeeks, -20, "war vor 2 Wochen"},
                      CDueCase{kReportDueWithin, 12, kReportWeeks, 70, "ist in 2 Monaten"},
                      CDueCase{kReportDueWithin, 10, kReportDays, 7, "ist in 7 Tagen"},
                      CDueCase{kReportDueWithin, 1, kReportWeeks, 7, nullptr},   // due on the threshold
                      CDueCase{kReportDueWithin, 7, kReportDays, 8, nullptr}));

class ReportEvaluation : public MonitoringBook {};

TEST_F(ReportEvaluation, ContractRulesWatchTheirContractOrAllAndSkipConfirmedAndOtherMonthsRecords) {
  const CVertrag& rent = AddContract(7, DaysFromToday(2), "Miete");
  const CVertrag& salary = AddContract(8, DaysFromToday(3), "Gehalt", kContractIncome);
  AddDueEntry(rent);
  AddDueEntry(salary);
  AddDueEntry(rent).Bestaetigt = 1;
  // Paid in May: its April record repeats the payment and gives no hit.
  AddDueEntry(rent).TerminMonatId = kMay;
  AddDueRule(kReportDueWithin, 5, kReportDays).VertragId = 8;
  AddDueRule(kReportDueWithin, 5, kReportDays);

  const std::vector<CHit>& hits = Evaluate().Hits();
  ASSERT_EQ(hits.size(), 3u);
  EXPECT_EQ(hits[0].objectId, 7);
  EXPECT_EQ(hits[1].objectId, 8);
  EXPECT_EQ(hits[1].reportId, 3);
  EXPECT_EQ(hits[2].objectId, 8);
  EXPECT_EQ(HitImage(hits[0]), kImageExpenseContract);
  EXPECT_EQ(HitImage(hits[1]), kImageIncomeContract);
  EXPECT_EQ(HitText(hits[1], kGroupNone), "April 2007 Fälligkeitstermin von Gehalt ist in 3 Tagen");
}

TEST_F(ReportEvaluation, AContractWithoutADueDateInTheMonthGivesNoHit) {
  // Quarterly from January: due in January and April, not in March.
  CVertrag& quarterly = AddContract(7, CDate::FromYmd(2007, 1, 10), "Versicherung");
  quarterly.AnzZahlungen = 4;
  quarterly.MonatId = kMarch;
  AddDueEntry(quarterly);
  AddDueRule(kReportDueAgo, 1, kReportDays);

  EXPECT_EQ(Evaluate().Count(), 0);
}

TEST_F(ReportEvaluation, ACategoryRuleSumsItsOwnCategoryPerMonthAndShowsOnlyABrokenLimit) {
  constexpr int kFood = 5;
  CReport& food = AddRule(kReportCategory);
  food.KategorieId = kFood;
  food.Betrag = 300.0;
  food.AuagabeText = "Die Summe von Lebensmittel übersteigt 300 EUR";
  AddEntry(kApril, kEntryExpense, 200.0, kFood);
  AddEntry(kApril, kEntryExpense, 150.0, kFood);
  AddEntry(kApril, kEntryIncome, 20.0, kFood);
  AddEntry(kApril, kEntryExpense, 900.0, 6);  // another category
  AddEntry(kMay, kEntryExpense, 250.0, kFood);

  const std::vector<CHit>& hits = Evaluate().Hits();
  ASSERT_EQ(hits.size(), 2u);
  EXPECT_EQ(hits[0].monthId, kApril);
  EXPECT_EQ(hits[0].objectId, kFood);
  EXPECT_DOUBLE_EQ(hits[0].value, 330.0);
  EXPECT_EQ(hits[0].visible, 1);
  EXPECT_EQ(hits[1].monthId, kMay);
  EXPECT_DOUBLE_EQ(hits[1].value, 250.0);
  EXPECT_EQ(hits[1].visible, 0);
  EXPECT_EQ(HitText(hits[0], kGroupNone), "April 2007: Die Summe von Lebensmittel übersteigt 300 EUR");
  EXPECT_EQ(HitImage(hits[0]), kImageCategory);
}

TEST_F(ReportEvaluation, TheUncapturedRuleWatchesOnlyTheUncapturedAmountsNotEveryCategory) {
  CReport& uncaptured = AddRule(kReportCategory);
  uncaptured.Betrag = 50.0;
  AddEntry(kApril, kEntryExpense, 80.0).RefVertragPostenId = kCorrectionEntryRef;
  AddEntry(kApril, kEntryIncome, 30.0).RefVertragPostenId = kCorrectionEntryRef;
  AddEntry(kApril, kEntryExpense, 500.0, 5);

  const std::vector<CHit>& hits = Evaluate().Hits();
  ASSERT_EQ(hits.size(), 1u);
  EXPECT_EQ(hits[0].objectId, 0);
  EXPECT_DOUBLE_EQ(hits[0].value, 80.0);
  EXPECT_EQ(hits[0].visible, 1);
}

TEST_F(ReportEvaluation, APaymentMadeInAnotherMonthCountsOnceInTheCategorySum) {
  constexpr int kInsurance = 4;
  CReport& rule = AddRule(kReportCategory);
  rule.KategorieId = kInsurance;
  rule.Betrag = 100.0;
  AddEntry(kMarch, kEntryExpense, 120.0, kInsurance).TerminMonatId = kApril;    // due in March
  AddEntry(kApril, kEntryExpense, 120.0, kInsurance).TerminMonatId = -kMarch;   // paid in April

  const std::vector<CHit>& hits = Evaluate().Hits();
  ASSERT_EQ(hits.size(), 1u);
  EXPECT_EQ(hits[0].monthId, kApril);
  EXPECT_DOUBLE_EQ(hits[0].value, 120.0);
}

TEST_F(ReportEvaluation, AnAccountRuleWithoutBalanceTestReportsEachUnconfirmedAccountMonth) {
  AddAccount(1, kApril, "Girokonto", 100.0, 0);
  AddAccount(2, kApril, "Sparbuch", 100.0, 1);
  AddAccount(1, kMay, "Girokonto", 100.0, 0);
  AddAccount(2, kMay, "Sparbuch", 100.0, 0);
  AddAccount(2, kJune, "Sparbuch", 100.0, 0).LastMonatId = kMay;  // no longer valid
  AddAccount(1, kJune, "Girokonto", 100.0, 0).MarkDeleted();
  AddRule(kReportAccount).AuagabeText = "Konto wurde nicht bestätigt";

  const std::vector<CHit>& hits = Evaluate().Hits();
  ASSERT_EQ(hits.size(), 3u);
  EXPECT_EQ(std::vector<int>({hits[0].objectId, hits[1].objectId, hits[2].objectId}), std::vector<int>({1, 1, 2}));
  EXPECT_EQ(HitText(hits[0], kGroupNone), "April 2007 Girokonto: Konto wurde nicht bestätigt");
  EXPECT_EQ(HitText(hits[0], kGroupByMonth), "Girokonto: Konto wurde nicht bestätigt");
  EXPECT_EQ(HitImage(hits[0]), kImageAccount);
}

TEST_F(ReportEvaluation, AnAccountBelowItsLimitIsReportedWhenConfirmedOrWhenUnconfirmedOnesCount) {
  AddAccount(1, kApril, "Girokonto", 80.0, 1);
  AddAccount(1, kMay, "Girokonto", 60.0, 0);
  AddAccount(1, kJune, "Girokonto", 100.0, 1);
  AddAccount(2, kApril, "Sparbuch", 10.0, 1);
  CReport& confirmedOnly = AddRule(kReportAccount);
  confirmedOnly.KontoId = 1;
  confirmedOnly.FlagCheckBetrag = 1;
  confirmedOnly.FlagObenUnten = kReportNotBelow;
  confirmedOnly.Betrag = 100.0;
  CReport& alsoUnconfirmed = AddRule(kReportAccount);
  alsoUnconfirmed.KontoId = 1;
  alsoUnconfirmed.FlagCheckBetrag = 1;
  alsoUnconfirmed.FlagObenUnten = kReportNotBelow;
  alsoUnconfirmed.Betrag = 100.0;
  alsoUnconfirmed.NotChecked = 1;

  const std::vector<CHit>& hits = Evaluate().Hits();
  ASSERT_EQ(hits.size(), 3u);
  EXPECT_EQ(hits[0].reportId, confirmedOnly.ReportId);
  EXPECT_EQ(hits[0].monthId, kApril);
  EXPECT_EQ(hits[1].reportId, alsoUnconfirmed.ReportId);
  EXPECT_EQ(hits[2].monthId, kMay);
  EXPECT_EQ(hits[2].reportId, alsoUnconfirmed.ReportId);
}

TEST_F(ReportEvaluation, InputErrorsReportABookWithoutAccountsOrContractsAndInactiveRulesNothing) {
  rules_.EnsureBuiltInRules();
  CReport& inactive = AddRule(kReportAccount);
  inactive.Aktiv = 0;
  ASSERT_EQ(Evaluate().Count(), 2);
  EXPECT_EQ(HitText(hits_.Hits()[0], kGroupNone), "Es wurden keine Konten gefunden");
  EXPECT_EQ(HitText(hits_.Hits()[1], kGroupNone), "Es wurden keine Verträge gefunden");
  EXPECT_EQ(HitImage(hits_.Hits()[1]), kImageInputError);

  AddAccount(1, kApril, "Girokonto", 100.0, 0);
  ASSERT_EQ(Evaluate().Count(), 1);
  EXPECT_EQ(hits_.Hits()[0].reportId, kReportNoContract);
  EXPECT_EQ(hits_.Hits()[0].id, 1);  // the running ids start anew
}

TEST_F(ReportEvaluation, MonthsOutsideTheRangeAreNotEvaluated) {
  AddAccount(1, kMarch, "Girokonto", 100.0, 0);
  AddAccount(1, kJune, "Girokonto", 100.0, 0);
  AddRule(kReportAccount);
  ASSERT_EQ(Evaluate(kApril, kMay).Count(), 0);
  ASSERT_EQ(Evaluate(kJune, kJune).Count(), 1);
}

}  // namespace
