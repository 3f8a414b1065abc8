#include "import/BankText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <optional>
#include <string>

namespace {

TEST(BankText, NumberTestsTellLooseFromStrictForms) {
  struct CCase {
    const char* text;
    bool loose;
    bool strict;
  };
  const CCase cases[] = {
      {"1.234,56", true, true},   {"1234.56", true, false}, {"-12,5", true, true},  {"12,50-", true, true},
      {"1-2", true, true},        {"--1", false, false},    {"1,2,3", true, false}, {"12 EUR", false, false},
      {"1.23,4", true, false},    {"", true, true},         {"+5", false, false},
      {"-", true, false},         {",", true, false},
      {"1234567890123456789012345678901", false, false},
  };
  for (const CCase& c : cases) {
    EXPECT_EQ(IsLooseNumber(c.text), c.loose) << c.text;
    EXPECT_EQ(IsStrictNumber(c.text), c.strict) << c.text;
  }
}

TEST(BankText, AmountsReadTheGermanFormOnly) {
  struct CCase {
    const char* text;
    std::optional<double> value;
  };
  const CCase cases[] = {
      {"1.234,56", 1234.56},  {"-12,5", -12.5},       {"12,50-", -12.5},     {" 3,80 ", 3.8},
      {"1234.56", 123456.0},  {"0,00", 0.0},          {"1.000.000,01", 1000000.01},
      {"1,2,3", std::nullopt}, {"5-5", std::nullopt}, {",", std::nullopt},   {"", std::nullopt},
      {"inf", std::nullopt},  {"nan", std::nullopt},  {"0x1A", std::nullopt}, {"1e5", std::nullopt},
      {"-12,5-", std::nullopt}, {"100.000.000.000,00", std::nullopt},
  };
  for (const CCase& c : cases) {
    const std::optional<double> value = ParseGermanAmount(c.text);
    ASSERT_EQ(value.has_value(), c.value.has_value()) << c.text;
    if (value) {
      EXPECT_DOUBLE_EQ(*value, *c.value) << c.text;
    }
  }
}

TEST(BankText, AmountsIgnoreTheProcessLocale) {
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no German locale installed";
  EXPECT_DOUBLE_EQ(*ParseGermanAmount("1.234,56"), 1234.56);
  EXPECT_DOUBLE_EQ(*ParseGermanAmount("-0,01"), -0.01);
  std::setlocale(LC_ALL, previous.c_str());
}

TEST(BankText, DatesWithTwoDigitYearsFallIntoTheirCentury) {
  struct CCase {
    const char* text;
    const char* screen;  // nullptr: no date
  };
  const CCase cases[] = {
      {"31.12.05", "31.12.2005"},   {"1.1.85", "01.01.1985"},   {"1.1.70", "01.01.1970"},
      {"15.06.18", "15.06.2018"},   {"31.12.69", "31.12.2069"}, {"29.2.2004", "29.02.2004"},
      {"15.06.2018", "15.06.2018"}, {" 04.03.2024 ", "04.03.2024"},
      {"29.2.2001", nullptr},       {"1.13.2005", nullptr},     {"32.01.2024", nullptr},
      {"31.04.2024", nullptr},      {"29.02.2100", nullptr},    {"1.1.1899", nullptr},
      {"1.1.2100", nullptr},        {"1.1.999", nullptr},       {"2024-03-01", nullptr},
      {"01.03.2024 - 31.03.2024", nullptr}, {"Buchungstag", nullptr}, {"1..2024", nullptr},
  };
  for (const CCase& c : cases) {
    const std::optional<CDate> date = ParseBankDate(c.text);
    ASSERT_EQ(date.has_value(), c.screen != nullptr) << c.text;
    if (date) {
      EXPECT_EQ(date->ToScreenText(), c.screen) << c.text;
    }
  }
  EXPECT_TRUE(IsBankDate(""));
  EXPECT_FALSE(IsBankDate("x"));
}

TEST(BankText, SignMarkersFollowTheirPlaceInTheFormat) {
  struct CCase {
    const char* format;
    const char* cell;
    int sign;
  };
  const CCase cases[] = {
      {"[H][S]", "S", -1}, {"[H][S]", "H", +1}, {"[H][S]", "X", 0}, {"[+][-]", "-", -1},
      {"[+][-]", "+", +1}, {"[+][-]", "x", 0},  {"[S]", "S", -1},   {"[H][S]", "", 0},
  };
  for (const CCase& c : cases) EXPECT_EQ(SignOfMarker(c.format, c.cell), c.sign) << c.format << " " << c.cell;
}

}  // namespace
