#include "ui/FieldText.h"

#include <gtest/gtest.h>

#include "ui/AppOptions.h"
#include "ui/FileChoice.h"
#include "ui/HelpTexts.h"
#include "ui/ProportionalLayout.h"

namespace {

struct CLeaveCase {
  FieldType type;
  int limit;
  const char* typed;
  const char* shown;
};

TEST(FieldTextTest, LeavingAFieldNormalisesItsText) {
  const CLeaveCase cases[] = {
      {FieldType::Number, 2, "1234,5", "1.234,50"},
      {FieldType::Number, 2, "12.345", "12.345,00"},
      {FieldType::Number, 2, "1,999", "2,00"},
      {FieldType::Number, 0, "1234567", "1.234.567"},
      {FieldType::Number, 1, "7,5", "7,5"},
      {FieldType::Number, 2, "", "0,00"},
      {FieldType::Number, 2, "inf", "0,00"},
      {FieldType::Number, 2, "nan", "0,00"},
      {FieldType::Number, 2, "-5", "5,00"},
      {FieldType::SignedNumber, 1, "-0,5", "-0,5"},
      {FieldType::SignedNumber, 2, "12-3,4", "-123,40"},
      {FieldType::SignedNumber, 2, "-0,001", "0,00"},
      {FieldType::Text, 5, "Haushalt", "Haush"},
      {FieldType::Text, 2, "Äöü", "Äö"},
      {FieldType::Date, 0, "1.2.2009", "01.02.2009"},
      {FieldType::Date, 0, "07.01.09", "07.01.2009"},
      {FieldType::Date, 0, "3.4.29", "03.04.2029"},
      {FieldType::Date, 0, "3.4.30", "03.04.1930"},
      {FieldType::Date, 0, "31.2.2009", ""},
      {FieldType::Date, 0, "1.1.209", ""},
      {FieldType::Date, 0, "1.1.", ""},
  };
  for (const CLeaveCase& c : cases)
    EXPECT_EQ(NormaliseFieldText(c.type, c.limit, c.typed), c.shown) << c.typed;
}

TEST(FieldTextTest, KeyFilterRefusesWhatTheFieldCannotHold) {
  EXPECT_TRUE(AcceptsFieldText(FieldType::Number, 2, "1.234,5"));
  EXPECT_FALSE(AcceptsFieldText(FieldType::Number, 2, "1,2,"));
  EXPECT_FALSE(AcceptsFieldText(FieldType::Number, 2, "-1"));
  EXPECT_FALSE(AcceptsFieldText(FieldType::Number, 2, "0x10"));
  EXPECT_FALSE(AcceptsFieldText(FieldType::Number, 2, "1e5"));
  EXPECT_TRUE(AcceptsFieldText(FieldType::SignedNumber, 2, "-1,5"));
  EXPECT_FALSE(AcceptsFieldText(FieldType::SignedNumber, 2, "-1-"));
  EXPECT_TRUE(AcceptsFieldText(FieldType::Date, 0, "1.1.2009"));
  EXPECT_FALSE(AcceptsFieldText(FieldType::Date, 0, "1.1.20.09"));
  EXPECT_FALSE(AcceptsFieldText(FieldType::Date, 0, "1/1"));
  EXPECT_TRUE(AcceptsFieldText(FieldType::Text, 20, std::string(20, 'x')));
  EXPECT_FALSE(AcceptsFieldText(FieldType::Text, 20, std::string(21, 'x')));
  EXPECT_TRUE(AcceptsFieldText(FieldType::Text, 3, "äöü"));
  EXPECT_FALSE(AcceptsFieldText(FieldType::Other, 0, "a"));
}

TEST(FieldTextTest, HugeDigitRunsReadAsZeroNotInfinity) {
  EXPECT_EQ(ReadFieldNumber(std::string(400, '9')), 0.0);
  EXPECT_DOUBLE_EQ(ReadFieldNumber("1.234,5"), 1234.5);
  EXPECT_DOUBLE_EQ(ReadFieldNumber(",5"), 0.5);
}

TEST(FieldTextTest, DateInfoNamesWeekdayWeekAndDayOfYear) {
  EXPECT_EQ(DateInfoLines(*ParseFieldDate("01.01.2009"), "01.01.2009"),
            (std::vector<std::string>{"Donnerstag, den 01.01.2009", "1.Kalenderwoche", "1.Tag im Jahr"}));
  EXPECT_EQ(DateInfoLines(*ParseFieldDate("07.01.2009"), "07.01.2009")[1], "2.Kalenderwoche");
  EXPECT_EQ(DateInfoLines(*ParseFieldDate("31.12.2008"), "31.12.2008"),
            (std::vector<std::string>{"Mittwoch, den 31.12.2008", "53.Kalenderwoche", "366.Tag im Jahr"}));
}

TEST(ProportionalLayoutTest, ShortControlsKeepTheirHeightTallOnesGrow) {
  CProportionalLayout layout;
  layout.Record(400, 300, {{10, 10, 100, 20}, {10, 40, 380, 200}});
  const auto placed = layout.Resize(800, 600);
  EXPECT_EQ(placed[0], (CControlRect{20, 20, 200, 20}));
  EXPECT_EQ(placed[1], (CControlRect{20, 80, 760, 400}));
  EXPECT_DOUBLE_EQ(layout.HorizontalFactor(), 0.5);

  CColumnWidthTable widths;
  widths.Remember({100, 50});
  EXPECT_EQ(widths.Width(0, layout.HorizontalFactor()), 200);
  EXPECT_EQ(widths.Width(2, 1.0), 0);
  EXPECT_EQ(widths.Width(25, 1.0), 0);
}

TEST(HelpTextsTest, SectionsByTopicKeepInnerLines) {
  const CHelpTexts texts = CHelpTexts::FromText("# Kommentar\n[7002]\nName des Buchs.\n\nHöchstens 20 Zeichen.\n\n"
                                                "[x]\n[7003]\r\nErster Monat.\r\n");
  EXPECT_EQ(texts.Text(7002), "Name des Buchs.\n\nHöchstens 20 Zeichen.\n\n[x]");
  EXPECT_EQ(texts.Text(7003), "Erster Monat.");
  EXPECT_EQ(texts.Text(1), "");
  EXPECT_TRUE(CHelpTexts::FromFile("/nicht/da/HelpText.txt").Empty());
}

TEST(AppOptionsTest, DirAndQuitWhenShown) {
  const CAppOptionsRead plain = ReadAppOptions({}, "/tmp");
  EXPECT_EQ(plain.ok, 1);
  EXPECT_EQ(plain.options.directory, "/tmp");
  EXPECT_FALSE(plain.options.quitWhenShown);

  const CAppOptionsRead both = ReadAppOptions({"--quit-when-shown", "--dir", "/"}, "/tmp");
  EXPECT_EQ(both.ok, 1);
  EXPECT_EQ(both.options.directory, "/");
  EXPECT_TRUE(both.options.quitWhenShown);

  EXPECT_EQ(ReadAppOptions({"--dir"}, "/tmp").message, "Nach --dir fehlt das Verzeichnis.");
  EXPECT_EQ(ReadAppOptions({"--dir", "/nicht/da"}, "/tmp").message,
            "Das Verzeichnis \"/nicht/da\" gibt es nicht.");
  EXPECT_EQ(ReadAppOptions({"--fenster"}, "/tmp").ok, 0);
}

TEST(ChosenFilesTest, FilesChosenTogetherAreHandedOutOneByOne) {
  CChosenFiles files;
  files.Keep({"/bank/januar.csv", "/bank/februar.csv"});
  CChosenFile file;
  EXPECT_EQ(files.Next(file), 1);
  EXPECT_EQ(file.directory, "/bank");
  EXPECT_EQ(file.fileName, "januar.csv");
  EXPECT_EQ(files.Next(file), 0);
  EXPECT_EQ(file.fileName, "februar.csv");
  EXPECT_TRUE(files.Empty());
}

}  // namespace
