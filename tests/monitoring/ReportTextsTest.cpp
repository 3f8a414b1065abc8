#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "accounting/Bestandsdaten.h"
#include "accounting/Kategorie.h"
#include "accounting/Vertrag.h"
#include "monitoring/ReportTexts.h"

namespace {

TEST(ReportTexts, RelativeTimeCountsDaysUpToTwoWeeksThenWeeksUpToNineThenMonths) {
  const std::vector<std::pair<double, std::string>> cases{
      {0.0, "ist heute"},          {0.9, "ist heute"},         {1.0, "ist morgen"},
      {-1.0, "war gestern"},       {2.0, "ist in 2 Tagen"},    {14.0, "ist in 14 Tagen"},
      {15.0, "ist in 2 Wochen"},   {63.0, "ist in 9 Wochen"},  {64.0, "ist in 2 Monaten"},
      {-14.0, "war vor 14 Tagen"}, {-21.0, "war vor 3 Wochen"}, {-95.0, "war vor 3 Monaten"}};
  for (const auto& [days, text] : cases) EXPECT_EQ(RelativeTimeText(days), text) << days;
}

TEST(ReportTexts, TheFarbIndexMapsOntoTheColourTableSlots) {
  EXPECT_EQ(ReportColorNames().size(), 6u);
  const std::vector<int> slots{0, 2, 9, 5, 1, 4};
  for (int index = 0; index < 6; ++index) EXPECT_EQ(ReportColorSlot(index), slots[index]);
  EXPECT_EQ(ReportColorSlot(6), 0);
  EXPECT_EQ(ReportColorSlot(-1), 0);
}

TEST(ReportTexts, TheDefaultOutputTextFollowsTheChoicesOfEachKind) {
  CRuleChoices contract;
  contract.contractName = "Miete";
  contract.anzTage = 7;
  EXPECT_EQ(DefaultOutputText(contract), "Fälligkeit von Miete ist in 7 Tagen");
  contract.flagVorNach = kReportDueAgo;
  contract.flagTageWochen = kReportWeeks;
  EXPECT_EQ(DefaultOutputText(contract), "Fälligkeit von Miete war vor 7 Wochen");

  CRuleChoices category;
  category.reportTyp = kReportCategory;
  category.categoryName = "Lebensmittel";
  category.betrag = 300.75;
  EXPECT_EQ(DefaultOutputText(category), "Die Summe von Lebensmittel übersteigt 300 EUR");
  category.flagObenUnten = kReportNotBelow;
  EXPECT_EQ(DefaultOutputText(category), "Die Summe von Lebensmittel unterschreitet  300 EUR");

  CRuleChoices account;
  account.reportTyp = kReportAccount;
  account.betrag = 50.0;
  account.accountName = "Girokonto";
  account.flagCheckBetrag = 1;
  EXPECT_EQ(DefaultOutputText(account), "Der bestätigte Kontostand von Girokonto  übersteigt 50 EUR");
  account.notChecked = 1;  // unconfirmed balances are tested as well
  EXPECT_EQ(DefaultOutputText(account), "Der Kontostand von Girokonto  übersteigt 50 EUR");
  account.flagCheckBetrag = 0;
  EXPECT_EQ(DefaultOutputText(account), "Konto Girokonto wurde nicht bestätigt");
  account.accountName.clear();
  EXPECT_EQ(DefaultOutputText(account), "Konto wurde nicht bestätigt");
}

TEST(ReportTexts, TheRuleListLineNamesWhatTheRuleWatches) {
  CVertragList contracts;
  CVertrag& rent = contracts.AppendNew();
  rent.PostenId = 7;
  rent.Bezeichnung = "Miete";
  CKategorieList categories;
  categories.New("Lebensmittel");
  CBestandsdatenList accounts;
  CBestandsdaten& giro = accounts.AppendNew();
  giro.PostenId = 1;
  giro.Bezeichnung = "Girokonto";

  CReportList rules;
  rules.EnsureBuiltInRules();
  const auto line = [&](int typ, int objectId) {
    CReport& rule = rules.New(typ);
    rule.VertragId = rule.KategorieId = rule.KontoId = objectId;
    rule.AuagabeText = "Text";
    rule.FarbIndex = 3;
    const CRuleLine made = RuleLine(rule, contracts, categories, accounts);
    EXPECT_EQ(made.text, "Text");
    EXPECT_EQ(made.colorSlot, 5);
    return made.watched;
  };
  const CRuleLine builtIn = RuleLine(*rules.FindId(1), contracts, categories, accounts);
  EXPECT_EQ(builtIn.watched, "Eingabefehler");
  EXPECT_EQ(builtIn.text, "kein Konto erfasst");
  EXPECT_EQ(builtIn.colorSlot, 2);
  EXPECT_EQ(line(kReportContract, 7), "Vertrag: Miete");
  EXPECT_EQ(line(kReportContract, 0), "Alle Verträge");
  EXPECT_EQ(line(kReportCategory, 1), "Summe Kategorie: Lebensmittel");
  EXPECT_EQ(line(kReportCategory, 0), "Nicht erfasste Einahmen/Ausgaben");
  EXPECT_EQ(line(kReportAccount, 1), "Konto: Girokonto");
  EXPECT_EQ(line(kReportAccount, 0), "Alle Konten");
}

}  // namespace
