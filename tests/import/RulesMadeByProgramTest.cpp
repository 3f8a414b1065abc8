// The rules made for a recognised format, the screen's new rule, the
// collection's searches and the rule list line.
#include <gtest/gtest.h>

#include "import/ImportFormat.h"
#include "import/ImportRecord.h"
#include "import/ImportRegel.h"
#include "import/RuleChoice.h"
#include "import/RuleListLine.h"
#include "import/RulesMadeByProgram.h"

namespace {

constexpr int kFormat = 4;
constexpr int kOtherFormat = 5;
constexpr int kMainAccount = 17;

TEST(PrepareRulesForFormat, MakesTheFormatsOwnRules) {
  CImportRegel rules;
  const CPreparedRules prepared = PrepareRulesForFormat(rules, kFormat, "Alter Kontostand", kBalanceOld, kMainAccount);
  ASSERT_EQ(rules.Count(), 2);
  EXPECT_EQ(prepared.created, 2);
  const CImportRegelData& balance = *rules.Find(0);
  EXPECT_EQ(prepared.kontostand, &balance);
  EXPECT_EQ(balance.RegelTypId, kRegelKontostand);
  EXPECT_EQ(balance.Kennstring, "Alter Kontostand");
  EXPECT_EQ(balance.UseKennstring + balance.KennstringPflicht + balance.KennstringEnthalten, 3);
  EXPECT_EQ(balance.KontoStandRechnung, 1);
  EXPECT_EQ(balance.m_iKontoStandAltNeu, 1);
  EXPECT_EQ(balance.Selected, 1);
  const CImportRegelData& account = *rules.Find(1);
  EXPECT_EQ(prepared.kontoInfo, &account);
  EXPECT_EQ(account.RegelTypId, kRegelKontoInfo);
  EXPECT_EQ(account.Kennstring, " ");
  EXPECT_EQ(account.KennstringEnthalten, 1);
  EXPECT_EQ(account.KontoInfoDatei, 1);
  EXPECT_EQ(account.KontoInfoKontoId, kMainAccount);
  for (const CImportRegelData& rule : rules) {
    EXPECT_EQ(rule.ImportFormatId, kFormat);
    EXPECT_EQ(rule.UseImportFormat, 1);
    EXPECT_EQ(rule.ImportFormatPflicht, 1);
  }
}

TEST(PrepareRulesForFormat, ANewRecognitionUpdatesTheFormatsRulesOnly) {
  CImportRegel rules;
  PrepareRulesForFormat(rules, kFormat, "Alter Kontostand", kBalanceOld, kMainAccount);
  PrepareRulesForFormat(rules, kOtherFormat, "Saldo", kBalanceNew, kMainAccount);
  ASSERT_EQ(rules.Count(), 4);
  rules.Find(1)->KontoInfoKontoId = 3;  // the user chose another account
  const CPreparedRules again = PrepareRulesForFormat(rules, kFormat, "Neuer Kontostand", kBalanceNew, kMainAccount);
  EXPECT_EQ(again.created, 0);
  EXPECT_EQ(rules.Count(), 4);
  EXPECT_EQ(rules.Find(0)->Kennstring, "Neuer Kontostand");
  EXPECT_EQ(rules.Find(0)->m_iKontoStandAltNeu, 0);
  EXPECT_EQ(rules.Find(1)->KontoInfoKontoId, 3);
  EXPECT_EQ(rules.Find(2)->Kennstring, "Saldo");
  EXPECT_EQ(rules.Find(2)->ImportFormatId, kOtherFormat);
}

TEST(PrepareRulesForFormat, LeavesTheUsersRulesForAllFormatsAlone) {
  CImportRegel rules;
  CImportRegelData& general = rules.New();
  general.RegelTypId = kRegelKontostand;
  general.UseKennstring = 1;
  general.KennstringPflicht = 1;
  general.Kennstring = "Kontostand am";
  general.KontoStandKontoId = 9;
  const CPreparedRules prepared = PrepareRulesForFormat(rules, kFormat, "Saldo", kBalanceNew, kMainAccount);
  EXPECT_EQ(general.Kennstring, "Kontostand am");
  EXPECT_EQ(general.KontoStandRechnung, 0);
  EXPECT_EQ(prepared.kontostand, nullptr);
  // Only the missing account-information rule is made.
  EXPECT_EQ(prepared.created, 1);
  EXPECT_EQ(rules.Count(), 2);
  EXPECT_EQ(rules.Find(1)->RegelTypId, kRegelKontoInfo);

  // A rule saved on the screen without "nur aus Importformat" has -1 and
  // serves every format as well.
  CImportRegel screenRules;
  CImportRegelData& unrestricted = screenRules.New();
  unrestricted.RegelTypId = kRegelKontoInfo;
  unrestricted.ImportFormatId = kRegelKeinFormat;
  unrestricted.KontoInfoKontoId = 9;
  PrepareRulesForFormat(screenRules, kFormat, "Saldo", kBalanceNew, kMainAccount);
  EXPECT_EQ(screenRules.Count(), 2);
  EXPECT_EQ(unrestricted.UseKennstring, 0);
  EXPECT_EQ(screenRules.Find(1)->RegelTypId, kRegelKontostand);
}

TEST(PrepareRulesForFormat, InactiveRulesDoNotCountAndNoBalanceKeepsTheText) {
  CImportRegel rules;
  PrepareRulesForFormat(rules, kFormat, "Kontostand", kBalanceNew, kMainAccount);
  rules.Find(0)->Selected = 0;
  PrepareRulesForFormat(rules, kFormat, "", kBalanceNew, kMainAccount);
  ASSERT_EQ(rules.Count(), 3);
  EXPECT_EQ(rules.Find(0)->Kennstring, "Kontostand");
  EXPECT_EQ(rules.Find(2)->RegelTypId, kRegelKontostand);
  EXPECT_EQ(rules.Find(2)->UseKennstring, 0);
  EXPECT_EQ(PrepareRulesForFormat(rules, 0, "Saldo", kBalanceNew, kMainAccount).created, 0);
  EXPECT_EQ(rules.Count(), 3);
}

TEST(PrepareRulesForFormat, TheFormatsRulesServeOnlyItsRecords) {
  CImportRegel rules;
  PrepareRulesForFormat(rules, kFormat, "Kontostand", kBalanceNew, kMainAccount);
  CImportRecord balance;
  balance.description = "Kontostand vom 01.05.2006";
  balance.formatId = kFormat;
  EXPECT_EQ(CRuleChoice(rules).Choose(balance, kWantBalance, true), rules.Find(0));
  balance.formatId = kOtherFormat;
  EXPECT_EQ(CRuleChoice(rules).Choose(balance, kWantBalance, true), nullptr);
  EXPECT_EQ(rules.FindKontoInfoRule("Konto 1234 Giro", kFormat), rules.Find(1));
  EXPECT_EQ(rules.FindKontoInfoRule("Konto 1234 Giro", kOtherFormat), nullptr);
}

TEST(ImportRegelSearches, FirstActiveUsableRuleAndKontoInfoByText) {
  CImportRegel rules;
  CImportRegelData& inactive = rules.New();
  inactive.RegelTypId = kRegelKontoInfo;
  inactive.Selected = 0;
  CImportRegelData& noFormat = rules.New();
  noFormat.RegelTypId = kRegelKontoInfo;
  noFormat.ImportFormatId = kRegelKeinFormat;
  noFormat.UseImportFormat = 1;
  noFormat.ImportFormatPflicht = 1;
  CImportRegelData& giro = rules.New();
  giro.RegelTypId = kRegelKontoInfo;
  giro.UseKennstring = 1;
  giro.KennstringPflicht = 1;
  giro.Kennstring = "giro";
  giro.KennstringEnthalten = 1;
  CImportRegelData& exact = rules.New();
  exact.RegelTypId = kRegelKontoInfo;
  exact.UseKennstring = 1;
  exact.KennstringPflicht = 1;
  exact.Kennstring = "Sparbuch";
  EXPECT_EQ(rules.FindFirstActive(kRegelKontoInfo, kFormat), &giro);
  EXPECT_EQ(rules.FindKontoInfoRule("SPARBUCH", kFormat), &exact);
  EXPECT_EQ(rules.FindKontoInfoRule("Girokonto 1", kFormat), &giro);
  EXPECT_EQ(rules.FindKontoInfoRule("Sparbuch 2", kFormat), nullptr);
  exact.KennstringPflicht = 0;  // without mandatory text it takes any
  EXPECT_EQ(rules.FindKontoInfoRule("Sparbuch 2", kFormat), &exact);
  giro.listRow = 4;
  EXPECT_EQ(rules.FindListRow(4), &giro);
  EXPECT_EQ(rules.FindListRow(-1), nullptr);
}

TEST(NewScreenRule, StartsAsAContractRuleWithMandatoryText) {
  const auto rule = NewScreenRule();
  EXPECT_EQ(rule->RegelTypId, kRegelVertrag);
  EXPECT_EQ(rule->UseKennstring, 1);
  EXPECT_EQ(rule->KennstringPflicht, 1);
  EXPECT_EQ(rule->Selected, 1);
  EXPECT_EQ(rule->ImportRegelId, 0);
}

TEST(RuleListLine, ColumnsAndImages) {
  CImportFormat formats;
  formats.New().Bezeichnung = "Sparkasse";
  CImportRegelData rule;
  rule.ImportRegelId = 12;
  rule.RegelTypId = kRegelVertrag;
  rule.VorgangsTyp = 1;
  rule.Kennstring = "GEHALT";
  rule.UebernahmeText = "Gehalt";
  rule.Betrag = 2345.5;
  rule.ImportFormatId = 1;
  const CRuleListLine line = MakeRuleListLine(rule, formats);
  EXPECT_EQ(line.number, "12");
  EXPECT_EQ(line.formatName, "Sparkasse");
  EXPECT_EQ(line.typeText, "Vertrag");
  EXPECT_EQ(line.kennstring, "GEHALT");
  EXPECT_EQ(line.uebernahmeText, "Gehalt");
  EXPECT_EQ(line.betrag, "2345.50");
  EXPECT_EQ(line.image, 18);

  rule.ImportFormatId = kRegelAlleFormate;
  EXPECT_EQ(MakeRuleListLine(rule, formats).formatName, "alle Formate");
  rule.ImportFormatId = kRegelKeinFormat;
  EXPECT_EQ(MakeRuleListLine(rule, formats).formatName, "");

  struct CImageCase { int type; int vorgangsTyp; double betrag; int image; };
  const CImageCase images[] = {{1, 0, 0, 3},  {2, 2, 0, 17}, {2, 5, 0, 19}, {3, 1, 0, 14}, {3, 2, 0, 15},
                               {3, 5, 0, 16}, {4, 2, 0, 31}, {5, 0, 0, 9},  {6, 0, 0, 12}, {6, 0, -1, 13},
                               {7, 0, 0, -1}};
  for (const CImageCase& c : images) {
    rule.RegelTypId = c.type;
    rule.VorgangsTyp = c.vorgangsTyp;
    rule.Betrag = c.betrag;
    EXPECT_EQ(RuleImage(rule), c.image) << c.type << " " << c.vorgangsTyp;
  }
  EXPECT_EQ(RuleTypeListText(kRegelKontoInfo), "Kontoinformation");
  EXPECT_EQ(RuleTypeScreenText(kRegelVertrag), "Verträge / regelmäßige Einahmen/Ausgaben");
  EXPECT_EQ(AmountComparisonText(kOpGroesserGleich), "grösser gleich");
}

}  // namespace
