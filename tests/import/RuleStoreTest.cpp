// Rules through a real database file: every column comes back as written,
// a deleted rule is deleted, and new rules continue after the largest id.
#include <gtest/gtest.h>

#include <memory>

#include "import/ImportRegel.h"
#include "storage/Database.h"
#include "storage/Date.h"
#include "storage/Schema.h"
#include "support/TemporaryDirectory.h"

namespace {

TEST(RuleStore, RulesComeBackAsWrittenAndDeletedOnesGo) {
  CTemporaryDirectory dir;
  std::unique_ptr<CDatabase> database = CreateDatabase(dir.File("Pellwick.db"));
  {
    CImportRegel rules;
    CImportRegelData& rule = rules.New();
    rule.RegelTypId = kRegelVertrag;
    rule.Kennstring = "Müller's Miete";
    rule.UseKennstring = 1;
    rule.KennstringPflicht = 1;
    rule.KennstringEnthalten = 1;
    rule.UseDatum = 1;
    rule.Datum = CDate::FromYmd(2006, 5, 31);
    rule.DatumAnzahlTageAbweichung = 4;
    rule.UseBetrag = 1;
    rule.OpBetrag = kOpGleich;
    rule.Betrag = -1234.56;
    rule.BetragAbweichungEUR = 0.5;
    rule.ImportFormatId = kRegelKeinFormat;
    rule.ImportFormatPruef = 1;
    rule.m_iKontoStandAltNeu = 1;
    rule.UebernahmePruefung = kPruefungFehler;
    rule.UebernahmeText = "Miete";
    rule.VertragId = 33;
    rule.KategorieId = 7;
    rules.New().RegelTypId = kRegelKontostand;
    rules.WriteAll(*database);
    rules.Settle();
  }
  CImportRegel loaded;
  ASSERT_EQ(loaded.LoadAll(*database), 2);
  const CImportRegelData& rule = *loaded.FindId(1);
  EXPECT_EQ(rule.Kennstring, "Müller's Miete");
  EXPECT_EQ(rule.Selected, 1);
  EXPECT_EQ(rule.Datum, CDate::FromYmd(2006, 5, 31));
  EXPECT_EQ(rule.DatumAnzahlTageAbweichung, 4);
  EXPECT_DOUBLE_EQ(rule.Betrag, -1234.56);
  EXPECT_DOUBLE_EQ(rule.BetragAbweichungEUR, 0.5);
  EXPECT_EQ(rule.ImportFormatId, kRegelKeinFormat);
  EXPECT_EQ(rule.ImportFormatPruef, 1);
  EXPECT_EQ(rule.m_iKontoStandAltNeu, 1);
  EXPECT_EQ(rule.UebernahmePruefung, kPruefungFehler);
  EXPECT_EQ(rule.UebernahmeText, "Miete");
  EXPECT_EQ(rule.VertragId, 33);
  EXPECT_EQ(rule.KategorieId, 7);

  loaded.FindId(1)->MarkDeleted();
  EXPECT_EQ(loaded.New().ImportRegelId, 3);
  loaded.WriteAll(*database);
  loaded.Settle();
  CImportRegel again;
  ASSERT_EQ(again.LoadAll(*database), 2);
  EXPECT_EQ(again.FindId(1), nullptr);
  EXPECT_EQ(again.FindId(2)->RegelTypId, kRegelKontostand);
  EXPECT_EQ(again.LargestId(), 3);
}

}  // namespace
