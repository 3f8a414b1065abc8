#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "monitoring/HitGrouping.h"
#include "monitoring/MonitoringBook.h"
#include "monitoring/MonitoringView.h"
#include "monitoring/ReportTexts.h"

namespace {

// One hit of each kind in April: account (rule 3), category (rule 4),
// contract (rule 5), evaluated in that rule order; one account hit in May.
class HitGrouping : public MonitoringBook {
 protected:
  void SetUp() override {
    rules_.EnsureBuiltInRules();
    AddAccount(1, kApril, "Girokonto", 100.0, 0);
    AddAccount(1, kMay, "Girokonto", 100.0, 0);
    CReport& account = AddRule(kReportAccount);
    account.AuagabeText = "Konto wurde nicht bestätigt";
    account.FarbIndex = 1;
    CReport& food = AddRule(kReportCategory);
    food.KategorieId = 5;
    food.AuagabeText = "Lebensmittel";
    food.FarbIndex = 5;
    AddEntry(kApril, kEntryExpense, 10.0, 5);
    AddDueEntry(AddContract(7, DaysFromToday(1), "Miete"));
    AddDueRule(kReportDueWithin, 3, kReportDays).FarbIndex = 2;
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const CHit& hit : hits_.Hits()) texts.push_back(hit.text);
    return texts;
  }
  std::vector<std::string> Shown(const CMonitoringView& view) const {
    std::vector<std::string> texts;
    for (const CHit* row : view.Rows()) texts.push_back(row->text);
    return texts;
  }
  CMonthCollections Book() { return CMonthCollections{accounts_, entries_, contracts_}; }
};

TEST_F(HitGrouping, ByMonthWithOneMonthGivesOneHeadingFollowedByItsHitsInKindOrder) {
  Evaluate(kApril, kApril);
  GroupHits(hits_, kGroupByMonth);
  EXPECT_EQ(Texts(), std::vector<std::string>({"April 2007", "Fälligkeitstermin von Miete ist morgen", "Lebensmittel",
                                               "Girokonto: Konto wurde nicht bestätigt"}));
  const std::vector<CHit>& hits = hits_.Hits();
  EXPECT_EQ(hits[0].reportId, kHeadingReportId);
  EXPECT_EQ(hits[0].colorSlot, kNoColorSlot);
  EXPECT_EQ(hits[1].colorSlot, 9);  // "Orange"
  EXPECT_EQ(hits[2].colorSlot, 4);  // "Blau"
  EXPECT_EQ(hits[3].colorSlot, 2);  // "Rot"
}

TEST_F(HitGrouping, ByKindHeadsEveryKindAndOrdersByMonthWithinIt) {
  Evaluate();
  GroupHits(hits_, kGroupByKind);
  EXPECT_EQ(Texts(), std::vector<std::string>({"Eingabefehler", "Überwachte Verträge",
                                               "April 2007 Fälligkeitstermin von Miete ist morgen",
                                               "Überwachte Kategorien", "April 2007: Lebensmittel",
                                               "Überwachte Konten", "April 2007 Girokonto: Konto wurde nicht bestätigt",
                                               "Mai 2007 Girokonto: Konto wurde nicht bestätigt"}));
  EXPECT_EQ(hits_.Hits()[3].image, kImageCategory);

  // Grouping again replaces the headings.
  GroupHits(hits_, kGroupNone);
  EXPECT_EQ(hits_.Count(), 4);
  EXPECT_EQ(hits_.Hits()[0].reportTyp, kReportContract);
}

TEST_F(HitGrouping, TheViewShowsHeadingsAlwaysAndHidesTheHitsOfACollapsedGroup) {
  CMonitoringView view;
  view.Rebuild(rules_, Book(), MonitoringPeriod(false, kApril, kApril, kMay), MonitoringGrouping(false, true));
  ASSERT_EQ(view.Rows().size(), 6u);
  EXPECT_FALSE(view.ClickRow(1));  // a hit
  EXPECT_TRUE(view.ClickRow(0));
  EXPECT_EQ(Shown(view), std::vector<std::string>({"April 2007", "Mai 2007", "Girokonto: Konto wurde nicht bestätigt"}));

  // A rebuild keeps the group collapsed until its heading is clicked again.
  view.Rebuild(rules_, Book(), MonitoringPeriod(false, kApril, kApril, kMay), kGroupByMonth);
  ASSERT_EQ(view.Rows().size(), 3u);
  EXPECT_TRUE(view.ClickRow(0));
  EXPECT_EQ(view.Rows().size(), 6u);
}

TEST_F(HitGrouping, WithoutHitsOnlyTheHeadingsOfThePeriodAreShownAndInvisibleHitsNever) {
  CMonitoringView view;
  view.Rebuild(rules_, Book(), MonitoringPeriod(false, kApril, kJune, kJune + 2), kGroupByMonth);
  EXPECT_EQ(Shown(view), std::vector<std::string>({"Juni 2007", "Juli 2007", "August 2007"}));

  rules_.FindId(4)->Betrag = 100.0;  // April's 10 EUR no longer break the limit
  view.Rebuild(rules_, Book(), MonitoringPeriod(true, kApril, kMarch, kJune), MonitoringGrouping(false, false));
  EXPECT_EQ(Shown(view), std::vector<std::string>({"April 2007 Fälligkeitstermin von Miete ist morgen",
                                                   "April 2007 Girokonto: Konto wurde nicht bestätigt"}));
}

}  // namespace
