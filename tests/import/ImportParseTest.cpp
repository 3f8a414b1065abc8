#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "import/ImportFiles.h"
#include "import/ImportRecord.h"
#include "import/ImportTestSupport.h"
#include "model/MonthMath.h"
#include "support/ScriptedMessages.h"
#include "support/TemporaryDirectory.h"

namespace {

std::string ImportDataFile(const std::string& name) { return std::string(PELLWICK_IMPORT_DATA) + "/" + name; }

struct CExpected {
  int line;
  const char* date;  // screen form; "" for none
  long long cents;
  const char* description;
  const char* account;
  const char* counterAccount;
};

void ExpectRecords(const std::vector<const CImportRecord*>& records, const std::vector<CExpected>& expected) {
  ASSERT_EQ(records.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const CImportRecord& record = *records[i];
    const CExpected& want = expected[i];
    SCOPED_TRACE("line " + std::to_string(want.line));
    EXPECT_EQ(record.lineNumber, want.line);
    EXPECT_EQ(record.HasDate() ? record.date.ToScreenText() : "", want.date);
    EXPECT_EQ(Cents(record.amount), want.cents);
    EXPECT_EQ(record.description, want.description);
    EXPECT_EQ(record.accountText, want.account);
    EXPECT_EQ(record.counterAccountText, want.counterAccount);
    EXPECT_EQ(record.readProblem, "");
  }
}

CTmpFileImport::COwned ParseFixture(const std::string& name, const CImportFormatData& format) {
  CCsvTable table;
  EXPECT_EQ(table.Read(ImportDataFile(name), format.Seperator), ECsvRead::Ok);
  return ParseTable(table, format);
}

TEST(ImportParse, SignedAmountWithHeaderBlockAndOpeningBalance) {
  const CImportFormatData format = SignedAmountFormat();
  const CTmpFileImport::COwned records = ParseFixture("girokonto_vorzeichen.csv", format);
  ASSERT_EQ(records.size(), 6u);
  // Account information first, then the bookings, then the balance.
  EXPECT_EQ(records[0]->kind, kImportKindAccountInfo);
  EXPECT_EQ(records[0]->description, "DE12 3456 7890 1234 5678 90");
  EXPECT_EQ(records[0]->lineNumber, 2);
  ExpectRecords(OfKind(records, kImportKindEntry),
                {{7, "04.03.2024", -4500, "Stadtwerke Neustadt Abschlag Strom März", "", "DE98 7654"},
                 {8, "15.03.2024", 234567, "Arbeitgeber GmbH Gehalt März", "", "DE11 2222"},
                 {9, "20.03.2024", -1999, "Buchhandlung Rechnung 4711", "", "DE22 3333"},
                 {10, "28.03.2024", -75000, "Vermieter Miete April", "", "DE33 4444"}});
  ExpectRecords(OfKind(records, kImportKindBalance), {{4, "01.03.2024", 123456, "Alter Kontostand:", "", ""}});
  EXPECT_EQ(records[1]->monthId, MonthIdOfDate(CDate::FromYmd(2024, 3, 4)));
  EXPECT_EQ(records[1]->format, &format);
  EXPECT_EQ(records[1]->formatId, 1);
  EXPECT_EQ(records[1]->checkState, kCheckUndetermined);
}

TEST(ImportParse, SeparateDebitAndCreditColumns) {
  const CTmpFileImport::COwned records = ParseFixture("soll_haben.csv", DebitCreditFormat());
  EXPECT_TRUE(OfKind(records, kImportKindBalance).empty());
  ExpectRecords(OfKind(records, kImportKindEntry),
                {{2, "02.01.2024", -380, "Bäckerei Korn", "1234567", ""},
                 {3, "05.01.2024", 12000, "Erstattung Krankenkasse", "1234567", ""},
                 {4, "10.01.2024", 123, "Zinsgutschrift", "1234567", ""},
                 {5, "31.01.2024", -495, "Kontoführung", "1234567", ""}});
}

TEST(ImportParse, AmountWithSignColumnAndClosingBalance) {
  const CTmpFileImport::COwned records = ParseFixture("betrag_sh.csv", SignColumnFormat());
  ExpectRecords(OfKind(records, kImportKindEntry),
                {{2, "03.02.2024", -2999, "Lastschrift Telefon", "", ""},
                 {3, "14.02.2024", 5000, "Gutschrift Rückzahlung", "", ""},
                 {4, "20.02.2024", -110000, "Dauerauftrag Sparen", "", ""}});
  ExpectRecords(OfKind(records, kImportKindBalance), {{5, "29.02.2024", -192001, "Endsaldo", "", ""}});
}

TEST(ImportParse, QuotedPurposeOverSeveralLinesAndWithTheSeparator) {
  const CTmpFileImport::COwned records = ParseFixture("mehrzeilig.csv", SimpleFormat());
  ExpectRecords(OfKind(records, kImportKindEntry),
                {{2, "01.04.2024", -1234, "SEPA-Lastschrift Mandat 12345; Gläubiger-ID DE00ZZZ", "", ""},
                 {3, "02.04.2024", -500, "Kaufhaus \"Zum Löwen\"; Filiale 7", "", ""},
                 {4, "03.04.2024", 100, "Rest", "", ""}});
}

TEST(ImportParse, Windows1252AndUtf8WithByteOrderMarkReadTheSame) {
  CTemporaryDirectory dir;
  dir.Write("ansi.csv", "Datum;Text;Betrag\r\n01.05.2024;Gr\xFC\xDF" "e an M\xFCller \x84" "B\xE4ren\x93;-1,00\r\n");
  dir.Write("utf8.csv", "\xEF\xBB\xBF" "Datum;Text;Betrag\r\n01.05.2024;Grüße an Müller „Bären“;-1,00\r\n");
  for (const char* name : {"ansi.csv", "utf8.csv"}) {
    CCsvTable table;
    ASSERT_EQ(table.Read(dir.File(name), ';'), ECsvRead::Ok);
    ExpectRecords(OfKind(ParseTable(table, SimpleFormat()), kImportKindEntry),
                  {{2, "01.05.2024", -100, "Grüße an Müller „Bären“", "", ""}});
  }
}

TEST(ImportParse, AFormatWithoutBalanceColumnsReadsNoBalances) {
  CImportFormatData format = SimpleFormat();
  format.PflichtBeschreibung = 0;
  const CTmpFileImport::COwned records = ParseText("01.01.2024;a;1,00\n02.01.2024;b;2,00\n", format);
  EXPECT_EQ(records.size(), 2u);
  EXPECT_TRUE(OfKind(records, kImportKindBalance).empty());
}

TEST(ImportParse, ImpossibleDatesAndAmountsAreKeptWithTheirReason) {
  const CTmpFileImport::COwned records = ParseText(
      "Buchungstag;Verwendungszweck;Betrag\n"
      "31.02.2024;Miete;-500,00\n"
      "01.03.2024;Strom;12,5,0\n"
      "02.03.2024;Wasser;1.234,56 EUR\n"
      "Kontostand vom 01.03.2024;;99,00\n"
      "03.03.2024;Gas;-20,00\n",
      SimpleFormat());
  const std::vector<const CImportRecord*> bookings = OfKind(records, kImportKindEntry);
  ASSERT_EQ(bookings.size(), 4u);
  EXPECT_EQ(bookings[0]->lineNumber, 2);
  EXPECT_FALSE(bookings[0]->HasDate());
  EXPECT_EQ(bookings[0]->monthId, 0);
  EXPECT_EQ(Cents(bookings[0]->amount), -50000);
  EXPECT_EQ(bookings[0]->readProblem, "Das Datum \"31.02.2024\" ist ungültig.");
  EXPECT_EQ(bookings[1]->amount, 0.0);
  EXPECT_EQ(bookings[1]->readProblem, "Der Betrag \"12,5,0\" ist ungültig.");
  EXPECT_EQ(bookings[2]->readProblem, "Der Betrag \"1.234,56 EUR\" ist ungültig.");
  EXPECT_EQ(bookings[3]->lineNumber, 6);
  EXPECT_EQ(bookings[3]->readProblem, "");
}

TEST(ImportParse, CreditAndDebitInOneLineIsNamed) {
  const CTmpFileImport::COwned records = ParseText("1;01.01.2024;x;5,00;7,00\n", DebitCreditFormat());
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(Cents(records[0]->amount), -500);
  EXPECT_EQ(records[0]->readProblem, "Die Zeile enthält sowohl einen Haben- als auch einen Soll-Betrag.");
}

class ImportFilesTest : public ::testing::Test {
 protected:
  CImportFormat FormatsFor(const std::string& extension) {
    CImportFormat formats;
    CImportFormatData& format = formats.New();
    format.CopySettingsFrom(SimpleFormat());
    format.Bezeichnung = "Einfach";
    format.AutoReadInPath = 1;
    format.DateiEndungGleich = 1;
    format.DateiEndung = extension;
    return formats;
  }

  CTemporaryDirectory dir_;
  CScriptedMessages messages_;
};

TEST_F(ImportFilesTest, AFolderIsReadInNameOrderWithTheFormatsOfTheNames) {
  dir_.Write("b.csv", "01.02.2024;zwei;2,00\n");
  dir_.Write("a.csv", "01.01.2024;eins;1,00\n");
  dir_.Write("c.txt", "01.03.2024;drei;3,00\n");
  std::filesystem::create_directory(dir_.Path() / "sub.csv");
  const CImportFormat formats = FormatsFor("csv");
  CImportFiles files;
  EXPECT_EQ(files.AddFolder(dir_.Path().string(), formats), 2);
  CTmpFileImport records;
  std::vector<std::pair<int, int>> parsed;
  files.ApplyFormats(formats, records, [&](const CImportFile& file, int first) {
    parsed.emplace_back(file.Number(), first);
  });
  EXPECT_EQ(parsed, (std::vector<std::pair<int, int>>{{1, 0}, {2, 1}}));
  ASSERT_EQ(records.Count(), 2);
  EXPECT_EQ(records.At(0)->description, "eins");
  EXPECT_EQ(records.At(0)->id, 1);
  EXPECT_EQ(records.At(1)->description, "zwei");
  EXPECT_EQ(records.At(1)->fileNumber, 2);
  EXPECT_TRUE(messages_.Texts().empty());
}

TEST_F(ImportFilesTest, GarbledFilesAreReportedAndReadNothing) {
  dir_.Write("leer.csv", "");
  dir_.Write("junk.csv", std::string("\x00\x01\x02\xFF\xFE\x00garbage", 13));
  dir_.Write("kopf.csv", "Buchungstag;Verwendungszweck;Betrag\r\n");
  CImportFiles files;
  EXPECT_EQ(files.Add("", ';'), nullptr);
  EXPECT_EQ(files.Add(dir_.File("fehlt.csv"), ';'), nullptr);
  EXPECT_EQ(files.Add(dir_.File("leer.csv"), ';'), nullptr);
  EXPECT_EQ(files.Add(dir_.File("junk.csv"), ';'), nullptr);
  EXPECT_EQ(files.Count(), 0);
  CImportFile* headers = files.Add(dir_.File("kopf.csv"), ';');
  ASSERT_NE(headers, nullptr);
  EXPECT_EQ(headers->Number(), 1);
  CTmpFileImport records;
  files.ApplyFormats(FormatsFor("csv"), records);
  EXPECT_EQ(records.Count(), 0);
  EXPECT_EQ(messages_.Texts(),
            (std::vector<std::string>{
                "Importdatei " + dir_.File("fehlt.csv") + " wurde nicht gefunden !",
                "Die Importdatei " + dir_.File("leer.csv") + " ist leer.",
                "Die Importdatei " + dir_.File("junk.csv") + " ist keine Textdatei und wurde nicht eingelesen.",
                "In der Importdatei kopf.csv wurden mit dem Format Einfach keine Buchungen gefunden."}));
}

}  // namespace
