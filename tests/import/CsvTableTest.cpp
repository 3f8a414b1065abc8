#include "import/CsvTable.h"

#include <gtest/gtest.h>

#include <string>

#include "import/TextDecoding.h"
#include "support/TemporaryDirectory.h"

namespace {

std::string CellOf(const CCsvTable& table, int line, int index) {
  const std::string* cell = table.Cell(line, index);
  return cell ? *cell : "<none>";
}

TEST(TextDecoding, Windows1252BecomesUtf8AndUtf8StaysAsItIs) {
  EXPECT_EQ(DecodeBankFileText("M\xFCller \x80 Gr\xFC\xDF" "e \x84Test\x93 \x85 \x82"), "Müller € Grüße „Test“ … ‚");
  EXPECT_EQ(DecodeBankFileText("\x8A\x9A\x9F\xA0\xFF"), "ŠšŸ\u00A0ÿ");
  EXPECT_EQ(DecodeBankFileText("\x81"), "\uFFFD");
  EXPECT_EQ(DecodeBankFileText("\xEF\xBB\xBFMüller €"), "Müller €");
  EXPECT_EQ(DecodeBankFileText("Müller"), "Müller");
  // An overlong form is no UTF-8: the file is read as Windows-1252.
  EXPECT_EQ(DecodeBankFileText("\xC0\xAF"), "À¯");
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));  // a surrogate
  EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x98\x80"));
}

TEST(CsvTable, AbsentCellsAndTheLastCellOfALine) {
  CCsvTable table;
  table.ReadText("1;;3\n\n;x\n", ';');
  ASSERT_EQ(table.LineCount(), 3);
  EXPECT_EQ(table.MaxCellCount(), 3);
  EXPECT_EQ(CellOf(table, 1, 0), "1");
  EXPECT_EQ(CellOf(table, 1, 1), "<none>");
  EXPECT_EQ(CellOf(table, 1, 2), "3");
  EXPECT_EQ(CellOf(table, 2, 0), "");  // a blank line keeps its number and one empty cell
  EXPECT_FALSE(table.CellPresent(2, 0));
  EXPECT_EQ(CellOf(table, 3, 0), "<none>");
  EXPECT_EQ(CellOf(table, 3, 1), "x");
  EXPECT_EQ(CellOf(table, 3, 5), "<none>");
  EXPECT_EQ(CellOf(table, 4, 0), "<none>");
}

TEST(CsvTable, QuotesKeepTheSeparatorAndContinueTheLine) {
  CCsvTable table;
  table.ReadText("a;\"b;c\";d\n"
                 "\"say \"\"hi\"\"\";\"\"\n"
                 "\"first\nsecond\nthird\";end\n"
                 "after\n",
                 ';');
  ASSERT_EQ(table.LineCount(), 4);
  EXPECT_EQ(table.Lines()[0].cells.size(), 3u);
  EXPECT_EQ(CellOf(table, 1, 1), "b;c");
  EXPECT_EQ(CellOf(table, 2, 0), "say \"hi\"");
  EXPECT_EQ(CellOf(table, 3, 0), "first second third");
  EXPECT_EQ(CellOf(table, 3, 1), "end");
  EXPECT_EQ(table.Lines()[3].number, 4);
  EXPECT_EQ(CellOf(table, 4, 0), "after");
}

TEST(CsvTable, AQuoteNeverClosedSwallowsNoLaterLines) {
  CCsvTable table;
  table.ReadText("x;\"open\n1;2\n3;4\n", ';');
  ASSERT_EQ(table.LineCount(), 3);
  EXPECT_EQ(CellOf(table, 1, 1), "open");
  EXPECT_EQ(CellOf(table, 2, 1), "2");
  EXPECT_EQ(CellOf(table, 3, 0), "3");
}

TEST(CsvTable, LongLinesStayWhole) {
  const std::string purpose(5000, 'x');
  CCsvTable table;
  table.ReadText("01.01.2024;" + purpose + ";1,00\n02.01.2024;b;2,00\n", ';');
  ASSERT_EQ(table.LineCount(), 2);
  EXPECT_EQ(CellOf(table, 1, 1), purpose);
  EXPECT_EQ(CellOf(table, 1, 2), "1,00");
}

TEST(CsvTable, ReadingAFileDecodesItAndDropsCarriageReturns) {
  CTemporaryDirectory dir;
  dir.Write("bom.csv", "\xEF\xBB\xBF" "Datum;Text\r\n01.05.2024;M\xC3\xBCller\r\n");
  dir.Write("ansi.csv", "Datum;Text\r\n01.05.2024;M\xFCller \x80\r\n");
  for (const char* name : {"bom.csv", "ansi.csv"}) {
    CCsvTable table;
    ASSERT_EQ(table.Read(dir.File(name), ';'), ECsvRead::Ok) << name;
    EXPECT_EQ(table.FileName(), name);
    EXPECT_EQ(table.Folder(), dir.Path().string());
    ASSERT_EQ(table.LineCount(), 2) << name;
    EXPECT_EQ(CellOf(table, 1, 0), "Datum") << name;
    EXPECT_EQ(CellOf(table, 1, 1), "Text") << name;
    EXPECT_EQ(CellOf(table, 2, 1).substr(0, 7), "Müller") << name;
  }
}

TEST(CsvTable, FilesThatAreNoBankTextAreRefused) {
  CTemporaryDirectory dir;
  dir.Write("leer.csv", "");
  dir.Write("blank.csv", " \r\n\r\n");
  dir.Write("junk.csv", std::string("PK\x03\x04\x00\x00\x08\x00", 8) + "\x12\x34\x01\x02\x05\x06");
  CCsvTable table;
  EXPECT_EQ(table.Read("", ';'), ECsvRead::NoPath);
  EXPECT_EQ(table.Read(dir.File("fehlt.csv"), ';'), ECsvRead::NotFound);
  EXPECT_EQ(table.Read(dir.Path().string(), ';'), ECsvRead::NotFound);
  EXPECT_EQ(table.Read(dir.File("leer.csv"), ';'), ECsvRead::Empty);
  EXPECT_EQ(table.Read(dir.File("blank.csv"), ';'), ECsvRead::Empty);
  EXPECT_EQ(table.Read(dir.File("junk.csv"), ';'), ECsvRead::NotText);
  EXPECT_EQ(table.LineCount(), 0);
}

}  // namespace
