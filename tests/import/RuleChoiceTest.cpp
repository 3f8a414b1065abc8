// The choice of the one rule for a record: conflicts, the concrete choice,
// inactive rules, the records left alone, and the indexed choice giving the
// same result as the walk over all rules on a generated set.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "import/ImportRecord.h"
#include "import/ImportRegel.h"
#include "import/RuleChoice.h"
#include "storage/Date.h"

namespace {

CImportRegelData& TextRule(CImportRegel& rules, int type, const char* text, const char* uebernahme = "") {
  CImportRegelData& rule = rules.New();
  rule.RegelTypId = type;
  rule.UseKennstring = 1;
  rule.KennstringPflicht = 1;
  rule.KennstringEnthalten = 1;
  rule.Kennstring = text;
  rule.UebernahmeText = uebernahme;
  return rule;
}

CImportRecord Record(const char* description, double amount = -10.0) {
  CImportRecord record;
  record.description = description;
  record.amount = amount;
  record.formatId = 1;
  record.date = CDate::FromYmd(2006, 5, 3);
  return record;
}

class RuleChoiceTest : public ::testing::Test {
 protected:
  // Both ways of choosing must agree on every case of these tests.
  CImportRegelData* Choose(CImportRecord& record, int wanted, bool concrete) {
    CImportRecord walked = record;
    CImportRegelData* byWalk = ChooseRuleByWalk(rules, walked, wanted, concrete);
    CImportRegelData* chosen = CRuleChoice(rules).Choose(record, wanted, concrete);
    EXPECT_EQ(chosen, byWalk);
    EXPECT_EQ(record.checkState, walked.checkState);
    return chosen;
  }
  CImportRegel rules;
};

TEST_F(RuleChoiceTest, OneMatchingRuleIsChosen) {
  TextRule(rules, kRegelVorgang, "strom", "Strom");
  CImportRegelData& miete = TextRule(rules, kRegelVorgang, "miete", "Miete");
  CImportRecord record = Record("MIETE MAI 2006");
  EXPECT_EQ(Choose(record, kWantEntry, true), &miete);
  EXPECT_EQ(record.checkState, kCheckOk);
}

TEST_F(RuleChoiceTest, TwoMatchingRulesAreAConflict) {
  TextRule(rules, kRegelVorgang, "miete", "Miete");
  TextRule(rules, kRegelKeineUebernahme, "mai", "kein Import");
  CImportRecord record = Record("Miete Mai");
  EXPECT_EQ(Choose(record, kWantEntry, false), nullptr);
  EXPECT_EQ(record.checkState, kCheckRuleConflict);
  // Switching one off ends the conflict.
  rules.Find(1)->Selected = 0;
  record.checkState = kCheckUndetermined;
  EXPECT_EQ(Choose(record, kWantEntry, false), rules.Find(0));
  EXPECT_EQ(record.checkState, kCheckOk);
}

TEST_F(RuleChoiceTest, TypesAreAskedForInGroups) {
  CImportRegelData& zinsen = TextRule(rules, kRegelZinsen, "zins", "Zinsen");
  TextRule(rules, kRegelKontostand, "zins", "");
  CImportRecord record = Record("Zinsabschluss");
  EXPECT_EQ(Choose(record, kWantContract, false), &zinsen);
  record.checkState = kCheckUndetermined;
  EXPECT_EQ(Choose(record, kWantEntry, false), nullptr);
  EXPECT_EQ(record.checkState, kCheckUndetermined);
  EXPECT_EQ(Choose(record, kWantBalance, true), rules.Find(1));
}

TEST_F(RuleChoiceTest, ConcreteChoiceNeedsATransferText) {
  CImportRegelData& withoutText = TextRule(rules, kRegelVorgang, "miete");
  CImportRecord record = Record("Miete");
  EXPECT_EQ(Choose(record, kWantEntry, true), nullptr);
  EXPECT_EQ(Choose(record, kWantEntry, false), &withoutText);
  // Account and balance rules have no transfer text and need none.
  CImportRegelData& konto = TextRule(rules, kRegelKontoInfo, "konto");
  CImportRecord line = Record("Konto 1234");
  EXPECT_EQ(Choose(line, kWantAccountInfo, true), &konto);
}

TEST_F(RuleChoiceTest, InactiveAndDeletedRulesTakeNoPart) {
  TextRule(rules, kRegelVorgang, "miete", "Miete").Selected = 0;
  TextRule(rules, kRegelVorgang, "miete", "Miete").MarkDeleted();
  CImportRecord record = Record("Miete");
  EXPECT_EQ(Choose(record, kWantEntry, false), nullptr);
  EXPECT_EQ(record.checkState, kCheckUndetermined);
}

TEST_F(RuleChoiceTest, ImportedRecordsAndEarlierChoicesStayAsTheyAre) {
  TextRule(rules, kRegelVorgang, "miete", "Miete");
  CImportRecord imported = Record("Miete");
  imported.checkState = kCheckImported;
  EXPECT_EQ(Choose(imported, kWantEntry, false), nullptr);
  EXPECT_EQ(imported.checkState, kCheckImported);
  // A record that found its contract rule keeps it in the entry phases.
  CImportRecord assigned = Record("Miete");
  assigned.checkState = kCheckOk;
  EXPECT_EQ(Choose(assigned, kWantEntry, false), nullptr);
  EXPECT_EQ(assigned.checkState, kCheckOk);
  // Other phases start it again: no contract rule found means state 0.
  EXPECT_EQ(Choose(assigned, kWantContract, false), nullptr);
  EXPECT_EQ(assigned.checkState, kCheckUndetermined);
}

TEST_F(RuleChoiceTest, MatchingListsEveryMatchInListOrder) {
  CImportRegelData& first = TextRule(rules, kRegelVorgang, "", "Alles");
  TextRule(rules, kRegelVorgang, "strom", "Strom");
  CImportRegelData& third = TextRule(rules, kRegelKeineUebernahme, "mai", "kein Import");
  CImportRegelData& fourth = TextRule(rules, kRegelVorgang, "Miete Mai", "Miete");
  fourth.KennstringEnthalten = 0;
  const CImportRecord record = Record("MIETE MAI");
  EXPECT_EQ(CRuleChoice(rules).Matching(record, kWantEntry, true),
            (std::vector<CImportRegelData*>{&first, &third, &fourth}));
}

// A generated set: rules with overlapping texts, equal texts, no texts,
// amount, date and format criteria, inactive ones; records built from the
// same words. The index must choose exactly as the walk does.
class CGeneratedSet {
 public:
  explicit CGeneratedSet(unsigned seed) : random_(seed) {}

  void MakeRules(CImportRegel& rules, int count) {
    for (int made = 0; made < count; ++made) {
      CImportRegelData& rule = rules.New();
      rule.RegelTypId = Pick(1, 6);
      rule.UseKennstring = Pick(0, 60) > 0 ? 1 : 0;
      rule.KennstringPflicht = Pick(0, 60) > 0 ? 1 : 0;
      rule.KennstringEnthalten = Pick(0, 3) > 0 ? 1 : 0;
      rule.Kennstring = rule.KennstringEnthalten ? Word() : Phrase();
      if (Pick(0, 60) == 0) rule.Kennstring.clear();
      if (Pick(0, 4) == 0) Lower(rule.Kennstring);
      rule.UebernahmeText = Pick(0, 3) > 0 ? "Text" : "";
      rule.Selected = Pick(0, 9) > 0 ? 1 : 0;
      rule.UseBetrag = Pick(0, 4) == 0 ? 1 : 0;
      rule.BetragPflicht = 1;
      rule.OpBetrag = Pick(0, 6);
      rule.Betrag = Pick(-20, 20) * 5.0;
      rule.BetragAbweichung = Pick(0, 1);
      rule.BetragAbweichungEUR = Pick(0, 10);
      rule.UseDatum = Pick(0, 6) == 0 ? 1 : 0;
      rule.DatumPflicht = 1;
      rule.Datum = CDate::FromYmd(2006, 5, Pick(1, 28));
      rule.DatumAbweichung = Pick(0, 1);
      rule.DatumAnzahlTageAbweichung = Pick(0, 5);
      rule.UseImportFormat = Pick(0, 4) == 0 ? 1 : 0;
      rule.ImportFormatPflicht = 1;
      rule.ImportFormatId = Pick(-1, 3);
      if (Pick(0, 30) == 0) rule.MarkDeleted();
    }
  }

  CImportRecord MakeRecord() {
    CImportRecord record;
    record.description = Phrase() + " " + Word();
    if (Pick(0, 3) == 0) Lower(record.description);
    record.amount = Pick(-20, 20) * 5.0 + Pick(0, 2);
    record.date = CDate::FromYmd(2006, 5, Pick(1, 28));
    record.formatId = Pick(1, 3);
    record.checkState = Pick(0, 8) == 0 ? kCheckOk : kCheckUndetermined;
    return record;
  }

 private:
  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  // Words that hide in each other ("K1" in "K12" and "K120", "Ä" in
  // "ÄK7"), so contained texts overlap.
  std::string Word() { return (Pick(0, 5) == 0 ? "Ä" : "") + std::string("K") + std::to_string(Pick(1, 120)); }
  std::string Phrase() { return Pick(0, 1) ? Word() : Word() + " " + Word(); }
  static void Lower(std::string& text) {
    for (char& c : text)
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  std::mt19937 random_;
};

TEST(RuleChoiceEquivalence, IndexChoosesAsTheWalkOnAGeneratedSet) {
  for (unsigned seed = 1; seed <= 3; ++seed) {
    CGeneratedSet generated(seed);
    CImportRegel rules;
    generated.MakeRules(rules, 200);
    const CRuleChoice choice(rules);
    int chosen = 0;
    int conflicts = 0;
    for (int n = 0; n < 2000; ++n) {
      const CImportRecord made = generated.MakeRecord();
      for (const int wanted : {kWantContract, kWantEntry, kWantAccountInfo, kWantBalance}) {
        for (const bool concrete : {true, false}) {
          CImportRecord walked = made;
          CImportRecord indexed = made;
          CImportRegelData* expected = ChooseRuleByWalk(rules, walked, wanted, concrete);
          ASSERT_EQ(choice.Choose(indexed, wanted, concrete), expected) << seed << " " << made.description;
          ASSERT_EQ(indexed.checkState, walked.checkState);
          chosen += expected != nullptr;
          conflicts += walked.checkState == kCheckRuleConflict;
        }
      }
    }
    // The set must exercise both outcomes, or it proves nothing.
    EXPECT_GT(chosen, 100);
    EXPECT_GT(conflicts, 100);
  }
}

}  // namespace
