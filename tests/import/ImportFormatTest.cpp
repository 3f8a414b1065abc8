#include "import/ImportFormat.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "import/LineOperators.h"

namespace {

TEST(LineOperators, MatchTheirLines) {
  struct CCase {
    int code;
    int n;
    std::vector<int> lines;  // the matching lines of a file of 10 lines
  };
  const CCase cases[] = {
      {0, 0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}}, {-1, 0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
      {1, 0, {1}},         {2, 4, {4}},           {3, 8, {8, 9, 10}},  {4, 2, {1, 2}},
      {5, 0, {10}},        {5, 2, {8}},           {6, 2, {8, 9, 10}},  {7, 0, {10}},
      {8, 0, {}},          {4, -1, {}},
  };
  for (const CCase& c : cases) {
    std::vector<int> matching;
    for (int line = 1; line <= 10; ++line)
      if (LineOperatorMatches(c.code, c.n, line, 10)) matching.push_back(line);
    EXPECT_EQ(matching, c.lines) << "operator " << c.code << " N " << c.n;
  }
  ASSERT_EQ(LineOperators().size(), 9u);
  EXPECT_EQ(LineOperators()[7].text, "in letzer Zeile");
  EXPECT_EQ(LineOperators()[8].code, -1);
}

TEST(ImportFormat, ChoosesTheFirstFormatThatFitsTheFileName) {
  CImportFormat formats;
  CImportFormatData& off = formats.New();  // takes no part in the choice
  off.Bezeichnung = "aus";
  CImportFormatData& exact = formats.New();
  exact.Bezeichnung = "genau";
  exact.AutoReadInPath = 1;
  exact.DateiNameGleich = 1;
  exact.DateiNameKennstring = "umsatz";
  exact.DateiEndungGleich = 1;
  exact.DateiEndung = "csv";
  CImportFormatData& part = formats.New();
  part.Bezeichnung = "teilweise";
  part.AutoReadInPath = 1;
  part.DateiNameGleich = 1;
  part.DateiNameTeilweiseGleich = 1;
  part.DateiNameKennstring = "konto";
  CImportFormatData& csv = formats.New();
  csv.Bezeichnung = "jede csv";
  csv.AutoReadInPath = 1;
  csv.DateiEndungGleich = 1;
  csv.DateiEndung = "csv";

  struct CCase {
    const char* file;
    const char* format;  // nullptr: none
  };
  const CCase cases[] = {
      {"umsatz.csv", "genau"},           {"/home/u/umsatz.csv", "genau"}, {"Umsatz.csv", "jede csv"},
      {"umsatz.txt", nullptr},           {"Girokonto-03.txt", "teilweise"}, {"Girokonto.csv", "teilweise"},
      {"auszug.CSV", nullptr},           {"auszug.csv", "jede csv"},
  };
  for (const CCase& c : cases) {
    const CImportFormatData* found = formats.FindForFileName(c.file);
    EXPECT_EQ(found ? found->Bezeichnung : "<none>", c.format ? c.format : "<none>") << c.file;
  }
  csv.MarkDeleted();
  EXPECT_EQ(formats.FindForFileName("auszug.csv"), nullptr);
}

TEST(ImportFormat, NamesListsAndIds) {
  CImportFormat formats;
  EXPECT_EQ(formats.NewDefault().ImportFormatId, 1);
  CImportFormatData& second = formats.New();
  second.Bezeichnung = "Sparkonto";
  formats.New().Bezeichnung = "Alt";
  formats.FindName("Alt")->MarkDeleted();
  EXPECT_EQ(formats.New().ImportFormatId, 4);

  EXPECT_EQ(formats.ListNames(true), (std::vector<std::string>{"Auto-Format", "Standard", "Sparkonto", ""}));
  EXPECT_EQ(formats.IdOfChoice(std::nullopt), -1);
  EXPECT_EQ(formats.IdOfChoice("Auto-Format"), 0);
  EXPECT_EQ(formats.IdOfChoice("Sparkonto"), 2);
  EXPECT_EQ(formats.IdOfChoice("Alt"), 0);
  EXPECT_EQ(formats.FindId(3), nullptr);
  EXPECT_EQ(formats.FindId(2), &second);
  EXPECT_EQ(formats.FindId(1)->Seperator, 59);
}

TEST(ImportFormat, CopyingSettingsKeepsIdAndName) {
  CImportFormatData from;
  from.ImportFormatId = 7;
  from.Bezeichnung = "Vorlage";
  from.SpaltenNrDatum = 3;
  from.VorzeichenBetragFormat = "[H][S]";
  from.m_iKontostandZeile = 12;
  CImportFormatData to;
  to.ImportFormatId = 9;
  to.Bezeichnung = "Kopie";
  to.MarkDeleted();
  to.CopySettingsFrom(from);
  EXPECT_EQ(to.ImportFormatId, 9);
  EXPECT_EQ(to.Bezeichnung, "Kopie");
  EXPECT_EQ(to.SpaltenNrDatum, 3);
  EXPECT_EQ(to.VorzeichenBetragFormat, "[H][S]");
  EXPECT_EQ(to.m_iKontostandZeile, 12);
  EXPECT_TRUE(to.IsDeleted());
}

}  // namespace
