// A recognition run: what it writes to the debug log, what it does when no
// layout is found, how ties between header lines go, and the format it
// stores for an unknown file.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "import/FormatAnalysis.h"
#include "import/FormatAnalysisAutoFormat.h"
#include "import/ImportFormat.h"
#include "import/ImportRegel.h"
#include "model/DebugLog.h"
#include "support/ScriptedMessages.h"
#include "support/TemporaryDirectory.h"
#include "tests/import/RecognitionTestSupport.h"

namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

CCsvTable TableOf(const std::string& text) {
  CCsvTable table;
  table.ReadText(text, ';');
  return table;
}

class RecognitionRunTest : public ::testing::Test {
 protected:
  CScriptedMessages messages_;
};

TEST_F(RecognitionRunTest, TraceOfTheEngineGoesToTheDebugLog) {
  CTemporaryDirectory folder;
  std::vector<std::string> lines;
  {
    CDebugLog log;
    ASSERT_EQ(log.Open(folder.File("debug.log")), 1);
    CFormatAnalysis analysis(ShippedHeaderNames(), &log);
    CImportFormatData format;
    ASSERT_EQ(analysis.Recognise(ReadBankFile("erkennung_vorzeichen.csv"), format), 1);
  }
  lines = LinesOf(folder.Read("debug.log"));
  EXPECT_THAT(lines, Contains("Valuation 2"));
  EXPECT_THAT(lines, Contains("Valuation 13"));
  EXPECT_THAT(lines, Contains("ImnerExecute 6"));
  EXPECT_THAT(lines, Contains("Spaltenheaderauswertung"));
  EXPECT_THAT(lines, Contains("Endsaldo"));
  EXPECT_THAT(lines, Contains("GetSpaltenFormat"));
  EXPECT_THAT(lines, Contains("nach schleife"));
  // The whole format is solved last, after all its parts.
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[lines.size() - 2], "ImnerExecute 1");
}

TEST_F(RecognitionRunTest, FileWithoutLayoutShowsTheMessageAndLeavesTheFormat) {
  const std::vector<std::string> files = {
      "Name;Ort\nMax;Berlin\nErika;Hamburg\n",      // no numeric column
      "Text;Wert\nMiete;750,00\nStrom;85,00\n",     // numbers, but no booking has a date
      "",                                           // no line at all
  };
  for (const std::string& text : files) {
    CImportFormatData format;
    format.SpaltenNrDatum = 4;
    format.SpaltenNrBetragHaben = 5;
    CFormatAnalysis analysis(ShippedHeaderNames(), nullptr);
    EXPECT_EQ(analysis.Recognise(TableOf(text), format), 0) << text;
    EXPECT_EQ(format.SpaltenNrDatum, 4);
    EXPECT_EQ(format.SpaltenNrBetragHaben, 5);
    EXPECT_EQ(format.PflichtDatum, 0);
  }
  EXPECT_THAT(messages_.Texts(), ElementsAre(kFormatNotRecognised, kFormatNotRecognised, kFormatNotRecognised));
  EXPECT_EQ(messages_.Shown()[0].kind, MessageKind::Exclamation);
}

TEST_F(RecognitionRunTest, OfSeveralHeaderLikeLinesTheLastOneIsTheHeader) {
  const CCsvTable table = TableOf(
      "Umsätze Girokonto;Export;Privat\n"
      "Datum;Text;Betrag\n"
      "01.02.2024;Miete Februar;-750,00\n"
      "03.02.2024;Gehalt Februar;2.480,15\n"
      "05.02.2024;Strom Abschlag;-85,00\n");
  CImportFormatData format;
  CFormatAnalysis analysis(ShippedHeaderNames(), nullptr);
  ASSERT_EQ(analysis.Recognise(table, format), 1);
  EXPECT_EQ(analysis.Result().headerLine, 2);
  EXPECT_EQ(format.SpaltenNrDatum, 1);
  EXPECT_EQ(format.SpaltenNrBeschreibung, 2);
  EXPECT_EQ(format.SpaltenNrBetragHaben, 3);
  EXPECT_EQ(format.m_iKontoInfoZeile, 1);
}

TEST_F(RecognitionRunTest, FileWithoutHeaderGetsLineZeroAndNoRoles) {
  const CCsvTable table = TableOf(
      "01.02.2024;Miete Februar;-750,00\n"
      "03.02.2024;Gehalt Februar;2.480,15\n"
      "05.02.2024;Strom Abschlag;-85,00\n");
  CImportFormatData format;
  CFormatAnalysis analysis(ShippedHeaderNames(), nullptr);
  ASSERT_EQ(analysis.Recognise(table, format), 1);
  EXPECT_EQ(analysis.Result().headerLine, 0);
  EXPECT_EQ(analysis.Result().firstDataLine, 1);
  EXPECT_EQ(format.SpaltenNrBetragHaben, 3);
  // "bis Zeile -1": no line is account information.
  EXPECT_EQ(format.m_iKontoInfoZeilenOperator, 4);
  EXPECT_EQ(format.m_iKontoInfoZeile, -1);
}

class AutoFormatTest : public RecognitionRunTest {
 protected:
  AutoFormatTest() {
    CImportFormatData& standard = formats_.NewDefault();
    standard.SpaltenNrDatum = 2;
  }

  // The identifying texts of the balance rules (type 6) made for a format.
  std::vector<std::string> BalanceRuleTexts(int formatId) const {
    std::vector<std::string> texts;
    for (const CImportRegelData& rule : rules_) {
      if (rule.RegelTypId == 6 && rule.ImportFormatId == formatId) texts.push_back(rule.Kennstring);
    }
    return texts;
  }

  CImportFormat formats_;
  CImportRegel rules_;
  CFormatAnalysis analysis_{ShippedHeaderNames(), nullptr};
};

TEST_F(AutoFormatTest, UnknownFileGetsANewFormatBoundToItsNameAndStandardStaysAsItWas) {
  const CCsvTable table = ReadBankFile("erkennung_vorzeichen.csv");
  CImportFormatData* format = RecogniseAutoFormat(formats_, rules_, table, analysis_, 1);
  ASSERT_NE(format, nullptr);

  EXPECT_EQ(format->ImportFormatId, 2);
  EXPECT_EQ(format->Bezeichnung, "Auto-Format erkennung_vorzeichen.csv");
  EXPECT_EQ(format->Seperator, ';');
  EXPECT_EQ(format->VorzeichenBetrag, 1);
  EXPECT_EQ(format->DateiNameKennstring, "erkennung_vorzeichen");
  EXPECT_EQ(format->DateiEndung, "csv");
  EXPECT_EQ(formats_.FindForFileName("/irgendwo/erkennung_vorzeichen.csv"), format);
  EXPECT_EQ(formats_.FindForFileName("erkennung_girokonto.csv"), nullptr);

  const CImportFormatData* standard = formats_.FindName("Standard");
  ASSERT_NE(standard, nullptr);
  EXPECT_EQ(standard->SpaltenNrDatum, 2);
  EXPECT_EQ(standard->SpaltenNrBetragHaben, 0);
  EXPECT_THAT(BalanceRuleTexts(2), ElementsAre("Endsaldo"));

  // Recognised again, the file's own format is renewed, not doubled.
  format->SpaltenNrBetragHaben = 1;
  EXPECT_EQ(RecogniseAutoFormat(formats_, rules_, table, analysis_, 1), format);
  EXPECT_EQ(format->SpaltenNrBetragHaben, 6);
  EXPECT_EQ(formats_.ListNames(false).size(), 2u);
}

TEST_F(AutoFormatTest, StandardBoundToTheFileIsNotOverwritten) {
  CImportFormatData* standard = formats_.FindName("Standard");
  standard->AutoReadInPath = 1;
  CImportFormatData* format =
      RecogniseAutoFormat(formats_, rules_, ReadBankFile("erkennung_vorzeichen.csv"), analysis_, 1);
  ASSERT_NE(format, nullptr);
  EXPECT_NE(format, standard);
  EXPECT_EQ(standard->SpaltenNrDatum, 2);
  EXPECT_EQ(standard->VorzeichenBetrag, 0);
}

TEST_F(AutoFormatTest, UnrecognisedFileGetsNoFormat) {
  const CCsvTable table = TableOf("Name;Ort\nMax;Berlin\n");
  EXPECT_EQ(RecogniseAutoFormat(formats_, rules_, table, analysis_, 1), nullptr);
  EXPECT_EQ(formats_.ListNames(false), std::vector<std::string>{"Standard"});
  EXPECT_EQ(rules_.Count(), 0);
  EXPECT_THAT(messages_.Texts(), ElementsAre(kFormatNotRecognised));
}

TEST_F(AutoFormatTest, AnalysisOnTheFormatScreenFillsTheChosenFormatAndItsRules) {
  CImportFormatData& chosen = formats_.New();
  chosen.Bezeichnung = "Meine Bank";
  ASSERT_EQ(RecogniseIntoFormat(chosen, rules_, ReadBankFile("erkennung_vorzeichen.csv"), analysis_, 1), 1);
  EXPECT_EQ(chosen.Bezeichnung, "Meine Bank");
  EXPECT_EQ(chosen.SpaltenNrBetragSoll, 7);
  EXPECT_THAT(BalanceRuleTexts(chosen.ImportFormatId), ElementsAre("Endsaldo"));

  const int rules = rules_.Count();
  EXPECT_EQ(RecogniseIntoFormat(chosen, rules_, TableOf("Name;Ort\nMax;Berlin\n"), analysis_, 1), 0);
  EXPECT_EQ(chosen.SpaltenNrBetragSoll, 7);
  EXPECT_EQ(rules_.Count(), rules);
}

TEST_F(AutoFormatTest, NamesOfAutoFormatsAreUniqueAndShort) {
  formats_.New().Bezeichnung = "Auto-Format umsatz.csv";
  EXPECT_EQ(AutoFormatName(formats_, "umsatz.csv"), "Auto-Format umsatz.csv (2)");
  formats_.New().Bezeichnung = "Auto-Format umsatz.csv (2)";
  EXPECT_EQ(AutoFormatName(formats_, "umsatz.csv"), "Auto-Format umsatz.csv (3)");

  const std::string longName = std::string(60, 'k') + ".csv";
  EXPECT_EQ(AutoFormatName(formats_, longName), "Auto-Format " + std::string(39, 'k'));
}

}  // namespace
