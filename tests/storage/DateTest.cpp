#include "storage/Date.h"

#include <gtest/gtest.h>

namespace {

TEST(DateTest, ZeroDateIsThirtiethOfDecember1899)
{
    const CDate zero;
    EXPECT_TRUE(zero.IsZero());
    EXPECT_EQ(zero.ToScreenText(), "30.12.1899");
    EXPECT_EQ(zero.ToDbText(), "18991230");
    EXPECT_EQ(CDate::FromYmd(1899, 12, 30).Days(), 0.0);
}

TEST(DateTest, DayCountsMatchTheKnownSerialNumbers)
{
    struct {
        int year, month, day;
        double days;
    } const cases[] = {
        {1899, 12, 31, 1},     {1900, 1, 1, 2},      {1900, 3, 1, 61},     {2000, 2, 29, 36585},
        {2008, 3, 7, 39514},   {2009, 1, 1, 39814},  {1800, 1, 1, -36522}, {9999, 12, 31, 2958465},
    };
    for (const auto& c : cases) {
        const CDate date = CDate::FromYmd(c.year, c.month, c.day);
        EXPECT_EQ(date.Days(), c.days) << c.year << "-" << c.month << "-" << c.day;
        const CDate::CYmd back = CDate(c.days).ToYmd();
        EXPECT_EQ(back.year, c.year);
        EXPECT_EQ(back.month, c.month);
        EXPECT_EQ(back.day, c.day);
    }
}

TEST(DateTest, EveryDayOfFourCenturiesRoundTrips)
{
    for (int days = CDate::FromYmd(1800, 1, 1).DayNumber(); days <= CDate::FromYmd(2200, 1, 1).DayNumber(); ++days) {
        const CDate::CYmd ymd = CDate(days).ToYmd();
        ASSERT_EQ(CDate::FromYmd(ymd.year, ymd.month, ymd.day).DayNumber(), days);
    }
}

TEST(DateTest, ImpossibleDaysGiveTheZeroDate)
{
    EXPECT_TRUE(CDate::FromYmd(2009, 2, 29).IsZero());
    EXPECT_TRUE(CDate::FromYmd(1900, 2, 29).IsZero());
    EXPECT_TRUE(CDate::FromYmd(2009, 13, 1).IsZero());
    EXPECT_TRUE(CDate::FromYmd(2009, 4, 31).IsZero());
    EXPECT_FALSE(CDate::FromYmd(2000, 2, 29).IsZero());
}

TEST(DateTest, DatabaseFormRoundTripsAndRejectsGarbage)
{
    const CDate date = CDate::FromYmd(2008, 3, 7);
    EXPECT_EQ(date.ToDbText(), "20080307");
    EXPECT_EQ(CDate::FromDbText("20080307"), date);
    // Only the first eight characters count.
    EXPECT_EQ(CDate::FromDbText("20080307  "), date);
    for (const char* text : {"", "2008030", "2008-3-7", "20081307", "20080230", "abcdefgh", "+2008030"})
        EXPECT_TRUE(CDate::FromDbText(text).IsZero()) << text;
}

TEST(DateTest, ScreenFormRoundTripsAndRejectsNonDates)
{
    const CDate date = CDate::FromYmd(2009, 1, 7);
    EXPECT_EQ(date.ToScreenText(), "07.01.2009");
    EXPECT_EQ(CDate::FromScreenText("07.01.2009"), date);
    EXPECT_EQ(CDate::FromScreenText("7.1.2009"), date);
    for (const char* text : {"", "7.1.09", "32.01.2009", "29.02.2009", "07.01", "07.01.2009x", "a.b.cdef", "007.01.2009"})
        EXPECT_FALSE(CDate::FromScreenText(text).has_value()) << text;
}

TEST(DateTest, WeekdayAndDayOfYear)
{
    // 1 January 2009 was a Thursday, the zero date a Saturday.
    EXPECT_EQ(CDate::FromYmd(2009, 1, 1).DayOfWeek(), 4);
    EXPECT_EQ(CDate().DayOfWeek(), 6);
    EXPECT_EQ(CDate::FromYmd(1899, 12, 24).DayOfWeek(), 0);
    EXPECT_EQ(CDate::FromYmd(2009, 1, 1).DayOfYear(), 1);
    EXPECT_EQ(CDate::FromYmd(2008, 12, 31).DayOfYear(), 366);
}

TEST(DateTest, TimeOfDayBelongsToItsDay)
{
    EXPECT_EQ(CDate(39514.75).ToDbText(), "20080307");
    EXPECT_EQ(CDate(39514.75), CDate::FromYmd(2008, 3, 7));
    // Before the zero date the fraction counts away from zero: -1.25 is
    // 29 December 1899, 6 o'clock.
    EXPECT_EQ(CDate(-1.25).ToDbText(), "18991229");
    EXPECT_EQ(CDate::FromYmd(2008, 3, 7).AddDays(25).ToDbText(), "20080401");
}

}  // namespace
