#include "import/FormatXML.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/ScriptedMessages.h"
#include "support/TemporaryDirectory.h"

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

std::string Names(const std::string& elements) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<format>\n" + elements + "</format>\n";
}

std::vector<std::string> TextsOf(const CFormatXML& names, int key) {
  std::vector<std::string> texts;
  std::string text;
  for (int k = 0; names.Entry(key, k, text); ++k) texts.push_back(text);
  return texts;
}

class FormatXMLTest : public ::testing::Test {
 protected:
  CTemporaryDirectory folder_;
  CScriptedMessages messages_;
  CFormatXML names_{""};
};

TEST_F(FormatXMLTest, MatchScoresTheFirstNameTheTextContains) {
  folder_.Write("format.xml", Names("<header_betrag bezeichnung=\"Betrag\"/>\n"
                                    "<header_betrag bezeichnung=\"Umsatz\"/>\n"));
  ASSERT_EQ(names_.Read(folder_.File("format.xml")), 1);

  const std::string longText = "Betrag " + std::string(74, 'x');  // 81 characters
  struct CCase {
    std::string text;
    int score;
  };
  const std::vector<CCase> cases = {
      {"Betrag", 10},
      {"BETRAG", 8},
      {"Betrag in EUR", 5},
      {"BETRAG IN EUR", 3},
      {"Umsatz (Betrag)", 2},  // "Betrag" comes first in the list
      {"umsatz (betrag)", 1},
      {"Umsatz", 10},
      {"Saldo", 0},
      {"", 0},
      {longText.substr(0, 80), 5},
      {longText, 0},
      {"Betrag \xC3\xA4" + std::string(72, 'x'), 5},  // 80 characters, 81 bytes
  };
  for (const CCase& c : cases) EXPECT_EQ(names_.Match(header_key::kBetrag, c.text), c.score) << c.text;
  EXPECT_EQ(names_.Match(header_key::kDatum, "Betrag"), 0);
}

TEST_F(FormatXMLTest, EntriesFollowTheKeyOrderWithOldBalanceBeforeNewAndUmlautEntitiesBecomeCharacters) {
  folder_.Write("format.xml", Names("<header_vorzeichen bezeichnung=\"[H][S]\"/>\n"
                                    "<header_kontostand_neu bezeichnung=\"Endsaldo\"/>\n"
                                    "<header_waehrung bezeichnung=\"W&amp;auml;hrung\"/>\n"
                                    "<header_kontostand_alt bezeichnung=\"Anfangssaldo\"/>\n"
                                    "<header_datum bezeichnung=\"Buchungstag\"/>\n"
                                    "<sonstiges bezeichnung=\"Betrag\"><header_datum bezeichnung=\"Valuta\"/></sonstiges>\n"
                                    "<header_verwendung bezeichnung=\"&amp;Uuml;berweisung &amp;Auml;&amp;Ouml;&amp;szlig;&amp;ouml;&amp;uuml;\"/>\n"
                                    "<header_vorzeichen bezeichnung=\"[+][-]\"/>\n"));
  ASSERT_EQ(names_.Read(folder_.File("format.xml")), 1);

  std::vector<std::string> order;
  std::vector<int> numbers;
  for (const CFormatXMLEntry& entry : names_.Entries()) {
    order.push_back(std::to_string(entry.key) + " " + entry.text);
    numbers.push_back(entry.number);
  }
  EXPECT_THAT(order, ElementsAre("1 Buchungstag", "1 Valuta", "2 Überweisung ÄÖßöü", "9 Anfangssaldo",
                                 "8 Endsaldo", "10 Währung", "11 [H][S]", "11 [+][-]"));
  EXPECT_THAT(numbers, ElementsAre(0, 1, 2, 3, 4, 5, 6, 7));
  EXPECT_THAT(TextsOf(names_, header_key::kVorzeichen), ElementsAre("[H][S]", "[+][-]"));
  EXPECT_EQ(names_.Entry(header_key::kVorzeichen, 2), nullptr);
  EXPECT_EQ(names_.Entry(header_key::kBetrag, 0), nullptr);
}

TEST_F(FormatXMLTest, MissingOrMalformedFileLeavesNoNamesAndReportsNothing) {
  folder_.Write("format.xml", Names("<header_datum bezeichnung=\"Buchungstag\"/>\n"));
  ASSERT_EQ(names_.Read(folder_.File("format.xml")), 1);

  EXPECT_EQ(names_.Read(folder_.File("fehlt.xml")), 0);
  EXPECT_THAT(names_.Entries(), IsEmpty());

  folder_.Write("kaputt.xml", "<?xml version=\"1.0\"?>\n<format>\n<header_datum bezeichnung=\"Datum\"/>\n"
                              "<header_betrag bezeichnung=\"&Auml;nderung\"/>\n");
  EXPECT_EQ(names_.Read(folder_.File("kaputt.xml")), 0);
  EXPECT_THAT(names_.Entries(), IsEmpty());
  EXPECT_EQ(names_.Match(header_key::kDatum, "Datum"), 0);
  EXPECT_THAT(messages_.Texts(), IsEmpty());
}

TEST_F(FormatXMLTest, ParsingAnnouncesTheDocumentOnStandardOutput) {
  folder_.Write("format.xml", Names(""));
  ::testing::internal::CaptureStdout();
  names_.Read(folder_.File("format.xml"));
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "\nParsing document: " + folder_.File("format.xml") + "\n");
}

TEST_F(FormatXMLTest, ProgramFolderWithoutFormatXmlReadsTheInstalledCopy) {
  folder_.Write("installiert.xml", Names("<header_betrag bezeichnung=\"Umsatz\"/>\n"));
  CFormatXML names(folder_.File("installiert.xml"));

  names.Load(folder_.File("format.xml"));
  EXPECT_THAT(TextsOf(names, header_key::kBetrag), ElementsAre("Umsatz"));

  folder_.Write("format.xml", Names("<header_betrag bezeichnung=\"Betrag\"/>\n"));
  names.Load(folder_.File("format.xml"));
  EXPECT_THAT(TextsOf(names, header_key::kBetrag), ElementsAre("Betrag"));
}

TEST_F(FormatXMLTest, ShippedFileNamesTheHeadersOfGermanBankExports) {
  ASSERT_EQ(names_.Read(PELLWICK_FORMAT_XML), 1);
  struct CCase {
    const char* header;
    int key;
    int score;
  };
  const std::vector<CCase> cases = {
      {"Buchungstag", header_key::kDatum, 10},
      {"Wertstellung", header_key::kDatum, 10},
      {"Verwendungszweck", header_key::kVerwendung, 10},
      {"Auftraggeber/Empfänger", header_key::kVerwendung, 10},
      {"Umsatz", header_key::kBetrag, 10},
      {"Umsatz Soll", header_key::kBetragSoll, 10},
      {"Haben", header_key::kBetragHaben, 10},
      {"IBAN", header_key::kKonto, 10},
      {"Saldo", header_key::kKontostand, 10},
      {"Endsaldo", header_key::kKontostandNeu, 10},
      {"Anfangssaldo", header_key::kKontostandAlt, 10},
      {"Währung", header_key::kWaehrung, 10},
  };
  for (const CCase& c : cases) EXPECT_EQ(names_.Match(c.key, c.header), c.score) << c.header;
  EXPECT_THAT(TextsOf(names_, header_key::kVorzeichen), ElementsAre("[H][S]", "[+][-]"));
  EXPECT_THAT(InstalledFormatXML().string(), HasSubstr("pellwick/format.xml"));
}

}  // namespace
