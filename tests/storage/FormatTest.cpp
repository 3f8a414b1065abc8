#include "storage/Format.h"
#include "storage/StrFormat.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <stdexcept>
#include <string>

namespace {

TEST(FormatTest, FixedNumbersUseAPointAndRoundLikePrintf)
{
    EXPECT_EQ(FormatFixed(12.5, 6), "12.500000");
    EXPECT_EQ(FormatFixed(-0.0000004, 6), "-0.000000");
    EXPECT_EQ(FormatFixed(1e15, 6), "1000000000000000.000000");
    EXPECT_EQ(FormatAmount(1234.5), "1234.50");
    EXPECT_EQ(FormatAmount(2.675), "2.67");  // 2.675 is 2.67499999... in binary
    EXPECT_EQ(FormatAmount(-0.004), "-0.00");
}

TEST(FormatTest, ParseNumberReadsLikeStrtodInTheCLocale)
{
    struct {
        const char* text;
        double value;
    } const cases[] = {
        {"12.5", 12.5},   {"  -3.25xyz", -3.25}, {"+7", 7},    {".5", 0.5},     {"1e3", 1000},
        {"1e", 1},        {"", 0},               {"abc", 0},   {"-", 0},        {"nan", 0},
        {"inf", 0},       {"1e999", 0},          {"12,5", 12}, {"\t42\n", 42},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(FormatTest, GermanNumbersAreGroupedWithACommaBeforeTheDecimals)
{
    EXPECT_EQ(FormatGermanNumber(1234.5, 2), "1.234,50");
    EXPECT_EQ(FormatGermanNumber(12345, 2), "12.345,00");
    EXPECT_EQ(FormatGermanNumber(1234567, 0), "1.234.567");
    EXPECT_EQ(FormatGermanNumber(1.999, 2), "2,00");
    EXPECT_EQ(FormatGermanNumber(-0.5, 1), "-0,5");
    EXPECT_EQ(FormatGermanNumber(7.5, 1), "7,5");
    EXPECT_EQ(FormatGermanNumber(999, 0), "999");
    EXPECT_EQ(ParseGermanNumber("1.234,5"), 1234.5);
    EXPECT_EQ(ParseGermanNumber("12.345"), 12345);
    EXPECT_EQ(ParseGermanNumber("-0,5"), -0.5);
}

TEST(FormatTest, StrFormatCoversTheConversionsOfTheProgram)
{
    EXPECT_EQ(StrFormat("insert into [%s] (%s) values (%s);", "Kategorie", "a,b", "1,2"),
              "insert into [Kategorie] (a,b) values (1,2);");
    EXPECT_EQ(StrFormat("%02d%04d", 3, 2007), "032007");
    EXPECT_EQ(StrFormat("%02d.%02d.%04d", 7, 3, 2008), "07.03.2008");
    EXPECT_EQ(StrFormat("%f|%0.2f|%.0f", 12.5, 2.675, 2.5), "12.500000|2.67|2");
    EXPECT_EQ(StrFormat("%d%%", -2147483647 - 1), "-2147483648%");
    EXPECT_EQ(StrFormat("[%5d|%-5d|%+d|%05.1f]", 42, 42, 3, -2.25), "[   42|42   |+3|-02.2]");
    EXPECT_EQ(StrFormat("[%-6s|%6s|%.3s]", "Bär", "ÖÄ", "Größe"), "[Bär   |    ÖÄ|Grö]");
    EXPECT_EQ(StrFormat("%f", 3), "3.000000");
    EXPECT_EQ(StrFormat("keine Werte"), "keine Werte");
}

TEST(FormatTest, StrFormatRejectsMismatchedArguments)
{
    EXPECT_THROW(StrFormat("%d", "text"), std::invalid_argument);
    EXPECT_THROW(StrFormat("%s", 5), std::invalid_argument);
    EXPECT_THROW(StrFormat("%d %d", 5), std::invalid_argument);
    EXPECT_THROW(StrFormat("%d", 5, 6), std::invalid_argument);
    EXPECT_THROW(StrFormat("%x", 5), std::invalid_argument);
    EXPECT_THROW(StrFormat("50%", 5), std::invalid_argument);
}

TEST(FormatTest, NumberTextIgnoresAGermanProcessLocale)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "locale de_DE.UTF-8 not installed";
    char printed[32];
    std::snprintf(printed, sizeof printed, "%f", 12.5);
    const std::string german = printed;
    const std::string ours = StrFormat("%f", 12.5) + " " + FormatAmount(1.5) + " " + FormatFixed(0.25, 6);
    const double parsed = ParseNumber("12.5");
    std::setlocale(LC_ALL, previous.c_str());

    EXPECT_EQ(german, "12,500000");  // the locale really is in force
    EXPECT_EQ(ours, "12.500000 1.50 0.250000");
    EXPECT_EQ(parsed, 12.5);
}

TEST(FormatTest, Utf8TruncationNeverSplitsACharacter)
{
    EXPECT_EQ(Utf8Length("Grüße"), 5u);
    EXPECT_EQ(TruncateUtf8("Grüße", 3), "Grü");
    EXPECT_EQ(TruncateUtf8("Grüße", 2), "Gr");
    EXPECT_EQ(TruncateUtf8("Grüße", 10), "Grüße");
    EXPECT_EQ(TruncateUtf8("€€€", 2), "€€");
    EXPECT_EQ(TruncateUtf8("a😀b", 2), "a😀");
    EXPECT_EQ(TruncateUtf8("abc", 0), "");
}

TEST(FormatTest, SqlQuotingDoublesQuotesAndBracketsOddNames)
{
    EXPECT_EQ(QuoteSqlText("O'Neill"), "'O''Neill'");
    EXPECT_EQ(QuoteSqlText("''"), "''''''");
    EXPECT_EQ(QuoteSqlText(std::string("a\0b", 3)), "'ab'");
    EXPECT_EQ(QuoteSqlName("Zins_Proz_0"), "Zins_Proz_0");
    EXPECT_EQ(QuoteSqlName("m_iKontoInfoZeile"), "m_iKontoInfoZeile");
    EXPECT_EQ(QuoteSqlName("ImportFormatPruef  "), "[ImportFormatPruef  ]");
    EXPECT_EQ(QuoteSqlName("2Spalten"), "[2Spalten]");
    EXPECT_THROW(QuoteSqlName("a]b"), std::invalid_argument);
    EXPECT_TRUE(SameSqlName("BuchId", "buchid"));
    EXPECT_FALSE(SameSqlName("ImportFormatPruef", "ImportFormatPruef  "));
    EXPECT_FALSE(SameSqlName("Müll", "MÜLL"));
}

}  // namespace
