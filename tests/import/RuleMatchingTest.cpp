// Rule matching on the mandatory criteria: one table of cases, each a rule
// change, a record and whether the rule matches.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "import/ImportRecord.h"
#include "import/ImportRegel.h"
#include "import/RuleMatching.h"
#include "storage/Date.h"

namespace {

const CDate kRuleDate = CDate::FromYmd(2006, 5, 1);

struct CMatchCase {
  const char* name;
  std::function<void(CImportRegelData&)> setRule;
  std::string description;
  double amount;
  int daysAfterRuleDate;  // the record's date
  int formatId;
  bool matches;
};

void TextContained(CImportRegelData& rule, const char* text) {
  rule.UseKennstring = 1;
  rule.KennstringPflicht = 1;
  rule.KennstringEnthalten = 1;
  rule.Kennstring = text;
}

void TextEqual(CImportRegelData& rule, const char* text) {
  TextContained(rule, text);
  rule.KennstringEnthalten = 0;
}

void DateMandatory(CImportRegelData& rule, int toleranceDays, bool deviationAllowed) {
  rule.UseDatum = 1;
  rule.DatumPflicht = 1;
  rule.Datum = kRuleDate;
  rule.DatumAnzahlTageAbweichung = toleranceDays;
  rule.DatumAbweichung = deviationAllowed ? 1 : 0;
}

void AmountMandatory(CImportRegelData& rule, int op, double betrag, double tolerance = 0.0) {
  rule.UseBetrag = 1;
  rule.BetragPflicht = 1;
  rule.OpBetrag = op;
  rule.Betrag = betrag;
  rule.BetragAbweichungEUR = tolerance;
  rule.BetragAbweichung = tolerance > 0.0 ? 1 : 0;
}

void FormatMandatory(CImportRegelData& rule, int formatId) {
  rule.UseImportFormat = 1;
  rule.ImportFormatPflicht = 1;
  rule.ImportFormatId = formatId;
}

const CMatchCase kCases[] = {
    {"contained text ignores case", [](auto& r) { TextContained(r, "miete"); }, "MIETE MAI 2006", 0, 0, 1, true},
    {"contained text in the middle", [](auto& r) { TextContained(r, "Mai"); }, "Miete Mai 2006", 0, 0, 1, true},
    {"contained text missing", [](auto& r) { TextContained(r, "Strom"); }, "Miete Mai 2006", 0, 0, 1, false},
    {"umlauts compare without case", [](auto& r) { TextContained(r, "gebühr"); }, "KONTOGEBÜHR", 0, 0, 1, true},
    {"equal text ignores case", [](auto& r) { TextEqual(r, "miete mai"); }, "MIETE MAI", 0, 0, 1, true},
    {"equal text is not contained", [](auto& r) { TextEqual(r, "miete"); }, "MIETE MAI", 0, 0, 1, false},
    {"text only as check criterion",
     [](auto& r) {
       TextContained(r, "Strom");
       r.KennstringPflicht = 0;
       r.KennstringPruef = 1;
     },
     "Miete", 0, 0, 1, true},
    {"text not used", [](auto& r) { TextContained(r, "Strom"); r.UseKennstring = 0; }, "Miete", 0, 0, 1, true},
    {"date on the day without deviation", [](auto& r) { DateMandatory(r, 3, false); }, "", 0, 0, 1, true},
    {"date a day off without deviation", [](auto& r) { DateMandatory(r, 3, false); }, "", 0, 1, 1, false},
    {"date 3 days after with 3 allowed", [](auto& r) { DateMandatory(r, 3, true); }, "", 0, 3, 1, true},
    {"date 3 days before with 3 allowed", [](auto& r) { DateMandatory(r, 3, true); }, "", 0, -3, 1, true},
    {"date 4 days after with 3 allowed", [](auto& r) { DateMandatory(r, 3, true); }, "", 0, 4, 1, false},
    {"gleich within tolerance below", [](auto& r) { AmountMandatory(r, kOpGleich, 50, 5); }, "", 46, 0, 1, true},
    {"gleich on the tolerance", [](auto& r) { AmountMandatory(r, kOpGleich, 50, 5); }, "", 55, 0, 1, true},
    {"gleich outside tolerance", [](auto& r) { AmountMandatory(r, kOpGleich, 50, 5); }, "", 44, 0, 1, false},
    {"gleich keeps the sign", [](auto& r) { AmountMandatory(r, kOpGleich, 50, 5); }, "", -50, 0, 1, false},
    {"gleich in cents", [](auto& r) { AmountMandatory(r, kOpGleich, 0.3); }, "", 0.1 + 0.2, 0, 1, true},
    {"grösser signed", [](auto& r) { AmountMandatory(r, kOpGroesser, 50); }, "", -60, 0, 1, false},
    {"grösser", [](auto& r) { AmountMandatory(r, kOpGroesser, 50); }, "", 50.01, 0, 1, true},
    {"grösser not on equal", [](auto& r) { AmountMandatory(r, kOpGroesser, 50); }, "", 50, 0, 1, false},
    {"kleiner", [](auto& r) { AmountMandatory(r, kOpKleiner, 50); }, "", -60, 0, 1, true},
    {"kleiner not on equal", [](auto& r) { AmountMandatory(r, kOpKleiner, 50); }, "", 50, 0, 1, false},
    {"grösser gleich on equal", [](auto& r) { AmountMandatory(r, kOpGroesserGleich, 50); }, "", 50, 0, 1, true},
    {"grösser gleich below", [](auto& r) { AmountMandatory(r, kOpGroesserGleich, 50); }, "", 49.99, 0, 1, false},
    {"kleiner gleich on equal", [](auto& r) { AmountMandatory(r, kOpKleinerGleich, 50); }, "", 50, 0, 1, true},
    {"kleiner gleich above", [](auto& r) { AmountMandatory(r, kOpKleinerGleich, 50); }, "", 50.01, 0, 1, false},
    {"unknown comparison never matches", [](auto& r) { AmountMandatory(r, 6, 50); }, "", 50, 0, 1, false},
    {"amount only as check criterion",
     [](auto& r) {
       AmountMandatory(r, kOpGleich, 50);
       r.BetragPflicht = 0;
     },
     "", 10, 0, 1, true},
    {"format for all formats", [](auto& r) { FormatMandatory(r, kRegelAlleFormate); }, "", 0, 0, 7, true},
    {"format of the record", [](auto& r) { FormatMandatory(r, 7); }, "", 0, 0, 7, true},
    {"format of another record", [](auto& r) { FormatMandatory(r, 7); }, "", 0, 0, 8, false},
    {"no format chosen serves none", [](auto& r) { FormatMandatory(r, kRegelKeinFormat); }, "", 0, 0, 7, false},
    {"format not used", [](auto& r) { FormatMandatory(r, 7); r.UseImportFormat = 0; }, "", 0, 0, 8, true},
    {"all criteria together",
     [](auto& r) {
       TextContained(r, "miete");
       DateMandatory(r, 2, true);
       AmountMandatory(r, kOpGleich, -500, 1);
       FormatMandatory(r, 7);
     },
     "Dauerauftrag Miete", -500.5, -2, 7, true},
    {"one failing criterion of all",
     [](auto& r) {
       TextContained(r, "miete");
       DateMandatory(r, 2, true);
       AmountMandatory(r, kOpGleich, -500, 1);
       FormatMandatory(r, 7);
     },
     "Dauerauftrag Miete", -502, -2, 7, false},
};

TEST(RuleMatching, TableOfCases) {
  for (const CMatchCase& testCase : kCases) {
    CImportRegelData rule;
    testCase.setRule(rule);
    CImportRecord record;
    record.description = testCase.description;
    record.amount = testCase.amount;
    record.date = kRuleDate.AddDays(testCase.daysAfterRuleDate);
    record.formatId = testCase.formatId;
    EXPECT_EQ(RuleMatches(rule, record), testCase.matches) << testCase.name;
  }
}

TEST(RuleMatching, RecordWithoutDateFailsADateCriterion) {
  CImportRegelData rule;
  DateMandatory(rule, 400, true);
  CImportRecord record;
  EXPECT_FALSE(RuleMatches(rule, record));
}

TEST(RuleMatching, UpperCaseLeavesSharpSAndOtherBytes) {
  EXPECT_EQ(RuleUpperText("straße äöü éà 12,50 €"), "STRAßE ÄÖÜ ÉÀ 12,50 €");
  EXPECT_EQ(RuleUpperText("a÷b"), "A÷B");
}

}  // namespace
