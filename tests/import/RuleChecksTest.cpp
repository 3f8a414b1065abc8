// The check criteria after an assignment: which problems a record raises,
// their exact German texts and the severity they give.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "import/ImportFormat.h"
#include "import/ImportRecord.h"
#include "import/ImportRegel.h"
#include "import/RuleChecks.h"
#include "storage/Date.h"

namespace {

const CDate kDue = CDate::FromYmd(2006, 5, 1);

CImportRecord Record(double amount, int daysAfterDue = 0, const char* description = "MIETE MAI", int formatId = 1) {
  CImportRecord record;
  record.amount = amount;
  record.date = kDue.AddDays(daysAfterDue);
  record.description = description;
  record.formatId = formatId;
  return record;
}

CImportRegelData AmountCheck(int op, double betrag, double tolerance = 0.0) {
  CImportRegelData rule;
  rule.UseBetrag = 1;
  rule.BetragPruef = 1;
  rule.OpBetrag = op;
  rule.Betrag = betrag;
  rule.BetragAbweichung = tolerance > 0.0 ? 1 : 0;
  rule.BetragAbweichungEUR = tolerance;
  rule.UebernahmePruefung = kPruefungWarnung;
  return rule;
}

std::vector<std::string> Texts(const CRuleCheckResult& result) {
  std::vector<std::string> texts;
  for (const CRuleProblem& problem : result.problems) texts.push_back(problem.text);
  return texts;
}

struct CAmountCase {
  int op;
  double betrag;
  double tolerance;
  double amount;
  const char* message;  // empty: no problem
};

TEST(RuleChecks, AmountComparisonsWithTheirMessages) {
  const CAmountCase cases[] = {
      {kOpGleich, 50, 10, 61, "Der Betrag übersteigt die maximale Abweichung von 10,00 EUR!"},
      {kOpGleich, 50, 10, 60, ""},
      {kOpGleich, 50, 10, -50, "Der Betrag übersteigt die maximale Abweichung von 10,00 EUR!"},
      {kOpGroesser, 50, 0, -60, ""},
      {kOpGroesser, 1234.5, 0, -1234.5, "Der Betrag ist kleiner gleich 1.234,50 EUR."},
      {kOpKleiner, 50, 0, -60, "Der Betrag ist grösser gleich 50,00 EUR."},
      {kOpKleiner, 50, 0, -40, ""},
      {kOpGroesserGleich, 50, 0, -49.99, "Der Betrag ist kleiner als 50,00 EUR!"},
      {kOpGroesserGleich, 50, 0, -50, ""},
      {kOpKleinerGleich, 50, 0, 50.01, "Der Betrag ist gößer als 50,00 EUR!"},
      {kOpKleinerGleich, 50, 0, -50, ""},
      {7, 50, 0, 10, ""},
  };
  for (const CAmountCase& c : cases) {
    const CRuleCheckResult result = CheckRecordAgainstRule(AmountCheck(c.op, c.betrag, c.tolerance), Record(c.amount), nullptr);
    const std::string expected = c.message;
    SCOPED_TRACE(std::to_string(c.op) + " " + std::to_string(c.amount));
    if (expected.empty()) {
      EXPECT_TRUE(result.problems.empty());
      EXPECT_EQ(result.severity, 0);
    } else {
      ASSERT_EQ(result.problems.size(), 1u);
      EXPECT_EQ(result.problems[0].text, expected);
      EXPECT_EQ(result.problems[0].stringId, 144 + c.op);
      EXPECT_EQ(result.severity, kPruefungWarnung);
    }
  }
}

TEST(RuleChecks, TextMessagesKeepTheirBackslashes) {
  CImportRegelData rule;
  rule.UseKennstring = 1;
  rule.KennstringPruef = 1;
  rule.Kennstring = "Strom";
  rule.KennstringEnthalten = 1;
  EXPECT_EQ(Texts(CheckRecordAgainstRule(rule, Record(1), nullptr)),
            std::vector<std::string>{"Der Kennstring \\\"Strom\\\" ist nicht im Verwendungszeck enthalten!"});
  rule.KennstringEnthalten = 0;
  rule.Kennstring = "miete";
  EXPECT_EQ(Texts(CheckRecordAgainstRule(rule, Record(1, 0, "MIETE JUNI"), nullptr)),
            std::vector<std::string>{"Kennstring \\\"miete\\\" paßt nicht zum Verwendungszweck!"});
  EXPECT_TRUE(CheckRecordAgainstRule(rule, Record(1, 0, "Miete"), nullptr).problems.empty());
}

TEST(RuleChecks, DateMessageNamesTheToleranceApplied) {
  CImportRegelData rule;
  rule.UseDatum = 1;
  rule.DatumPruef = 1;
  rule.Datum = kDue;
  rule.DatumAnzahlTageAbweichung = 5;
  rule.DatumAbweichung = 1;
  EXPECT_TRUE(CheckRecordAgainstRule(rule, Record(1, -5), nullptr).problems.empty());
  EXPECT_EQ(Texts(CheckRecordAgainstRule(rule, Record(1, 6), nullptr)),
            std::vector<std::string>{"Die Abweichung von der Fälligkeit übersteigt 5 Tage!"});
  // Without the deviation allowed only the due day passes, and the message
  // says so instead of naming days that were not granted.
  rule.DatumAbweichung = 0;
  EXPECT_EQ(Texts(CheckRecordAgainstRule(rule, Record(1, 1), nullptr)),
            std::vector<std::string>{"Die Abweichung von der Fälligkeit übersteigt 0 Tage!"});
}

TEST(RuleChecks, FormatMessageNamesBothFormats) {
  CImportFormat formats;
  formats.New().Bezeichnung = "Sparkasse";
  formats.New().Bezeichnung = "Volksbank";
  CImportRegelData rule;
  rule.UseImportFormat = 1;
  rule.ImportFormatPruef = 1;
  rule.ImportFormatId = 1;
  rule.UebernahmePruefung = kPruefungFehler;
  const CRuleCheckResult result = CheckRecordAgainstRule(rule, Record(1, 0, "x", 2), &formats);
  EXPECT_EQ(Texts(result), std::vector<std::string>{"Die Regel wurde speziell für das Importformat Sparkasse erstellt. "
                                                    "Dieser Datensatz wurde aber mit dem Format Volksbank gelesen!"});
  EXPECT_EQ(result.severity, kPruefungFehler);
  // A deleted format leaves its name empty; a rule for all formats fits any.
  formats.FindId(1)->MarkDeleted();
  EXPECT_EQ(Texts(CheckRecordAgainstRule(rule, Record(1, 0, "x", 2), &formats)),
            std::vector<std::string>{"Die Regel wurde speziell für das Importformat  erstellt. "
                                     "Dieser Datensatz wurde aber mit dem Format Volksbank gelesen!"});
  rule.ImportFormatId = kRegelAlleFormate;
  EXPECT_TRUE(CheckRecordAgainstRule(rule, Record(1, 0, "x", 2), &formats).problems.empty());
}

TEST(RuleChecks, ProblemsInCriterionOrderAndNoSeverityWithoutOne) {
  CImportRegelData rule = AmountCheck(kOpGleich, 100, 1);
  rule.UseKennstring = 1;
  rule.KennstringPruef = 1;
  rule.KennstringEnthalten = 1;
  rule.Kennstring = "Gas";
  rule.UseDatum = 1;
  rule.DatumPruef = 1;
  rule.Datum = kDue;
  rule.UebernahmePruefung = kPruefungFehler;
  const CRuleCheckResult result = CheckRecordAgainstRule(rule, Record(90, 2), nullptr);
  std::vector<int> ids;
  for (const CRuleProblem& problem : result.problems) ids.push_back(problem.stringId);
  EXPECT_EQ(ids, (std::vector<int>{142, 144, 145}));
  EXPECT_EQ(result.severity, kPruefungFehler);

  // Mandatory criteria alone raise no check problem.
  CImportRegelData mandatoryOnly;
  mandatoryOnly.UseBetrag = 1;
  mandatoryOnly.BetragPflicht = 1;
  mandatoryOnly.OpBetrag = kOpGleich;
  mandatoryOnly.Betrag = 100;
  mandatoryOnly.UebernahmePruefung = kPruefungFehler;
  EXPECT_EQ(CheckRecordAgainstRule(mandatoryOnly, Record(90), nullptr).severity, 0);
}

TEST(RuleChecks, DueDateSearchDaysDefaultToThree) {
  CImportRegelData rule;
  rule.DatumAnzahlTageAbweichung = 10;
  EXPECT_EQ(DueDateSearchDays(rule), 3);
  rule.DatumAbweichung = 1;
  EXPECT_EQ(DueDateSearchDays(rule), 10);
}

}  // namespace
