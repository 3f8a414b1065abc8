#include "model/MonthMath.h"

#include <gtest/gtest.h>

#include "model/Clock.h"

namespace {

::testing::AssertionResult IsDay(const CDate::CYmd& day, int year, int month, int dayOfMonth) {
  if (day.year == year && day.month == month && day.day == dayOfMonth) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << day.year << "-" << day.month << "-" << day.day;
}

struct CMonthCase {
  int id;
  int year;
  int month;
  const char* label;
  const char* key;
};

TEST(MonthMath, IdsLabelsAndKeysAgree) {
  const CMonthCase cases[] = {
      {1, 2001, 1, "Januar 2001", "012001"},     {12, 2001, 12, "Dezember 2001", "122001"},
      {13, 2002, 1, "Januar 2002", "012002"},    {75, 2007, 3, "März 2007", "032007"},
      {1200, 2100, 12, "Dezember 2100", "122100"},
  };
  for (const CMonthCase& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(MonthId(c.year, c.month), c.id);
    EXPECT_EQ(YearMonthOfId(c.id), (CYearMonth{c.year, c.month}));
    EXPECT_EQ(MonthLabel(c.id), c.label);
    EXPECT_EQ(MonthKey(c.id), c.key);
    EXPECT_EQ(MonthIdOfKey(c.key), c.id);
    EXPECT_EQ(MonthIdOfLabel(c.label), c.id);
    EXPECT_EQ(MonthLabelOfKey(c.key), c.label);
  }
}

TEST(MonthMath, EveryMonthSurvivesTheRoundTripThroughItsTexts) {
  for (int id = 1; id <= 12 * 120; ++id) {
    ASSERT_EQ(MonthIdOfKey(MonthKey(id)), id);
    ASSERT_EQ(MonthIdOfLabel(MonthLabel(id)), id);
    ASSERT_EQ(MonthIdOfLabel(MonthListLabel(id, id)), id);
  }
}

TEST(MonthMath, IdsBeforeJanuary2001AreNoMonths) {
  EXPECT_EQ(YearMonthOfId(0), (CYearMonth{2000, 12}));
  EXPECT_EQ(YearMonthOfId(-11), (CYearMonth{2000, 1}));
  EXPECT_EQ(MonthLabel(kNoMonth), "");
  EXPECT_EQ(MonthKey(kNoMonth), "");
  EXPECT_EQ(MonthListLabel(kNoMonth, kNoMonth), "");
  EXPECT_TRUE(IsDay(FirstDayOfMonth(kNoMonth), 1899, 12, 30)) << "the zero date";
  EXPECT_EQ(MonthIdOfDate(CDate::FromYmd(2000, 12, 31)), kNoMonth);
  EXPECT_EQ(MonthIdOfDate(CDate()), kNoMonth);
}

TEST(MonthMath, MonthNamesExistOnlyForOneToTwelve) {
  EXPECT_EQ(MonthName(1), "Januar");
  EXPECT_EQ(MonthName(3), "März");
  EXPECT_EQ(MonthName(12), "Dezember");
  EXPECT_EQ(MonthName(0), "");
  EXPECT_EQ(MonthName(13), "");
}

TEST(MonthMath, FebruaryHas29DaysInEveryYearDivisibleByFour) {
  const struct {
    int year, month, days;
  } cases[] = {{2007, 2, 28}, {2008, 2, 29}, {2100, 2, 29}, {2000, 2, 29}, {2009, 4, 30},
               {2009, 12, 31}, {2009, 0, 0},  {2009, 13, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(DaysInMonth(c.year, c.month), c.days) << c.year << "-" << c.month;
  }
  EXPECT_TRUE(IsDay(LastDayOfMonth(MonthId(2100, 2)), 2100, 2, 29));
  EXPECT_TRUE(IsDay(FirstDayOfMonth(75), 2007, 3, 1));
  EXPECT_TRUE(IsDay(LastDayOfMonth(75), 2007, 3, 31));
  EXPECT_EQ(MonthIdOfDate(CDate::FromYmd(2007, 3, 15)), 75);
}

TEST(MonthMath, ListsMarkOnlyTheCurrentMonth) {
  EXPECT_EQ(MonthListLabel(75, 75), "*März 2007");
  EXPECT_EQ(MonthListLabel(75, 76), "März 2007");
}

TEST(MonthMath, MalformedKeysAndLabelsGiveNoMonth) {
  for (const char* key : {"", "32007", "0320071", "132007", "002007", "03a007", "-32007", " 32007", "032007 ",
                          "122000", "+32007"}) {
    EXPECT_EQ(MonthIdOfKey(key), kNoMonth) << '"' << key << '"';
    EXPECT_EQ(MonthLabelOfKey(key), "") << '"' << key << '"';
  }
  for (const char* label : {"", "März", "Marz 2007", "märz 2007", "März 20x7", "März 2007x", "Dezember 2000",
                            "März 99999999999", "* Smarch 2007"}) {
    EXPECT_EQ(MonthIdOfLabel(label), kNoMonth) << '"' << label << '"';
  }
  EXPECT_EQ(MonthIdOfLabel("* März 2007"), 75);
}

TEST(MonthMath, KeysMoveByMonthsAcrossYearEnds) {
  const struct {
    const char* key;
    int count;
    const char* result;
  } cases[] = {{"112007", 3, "022008"}, {"122007", 1, "012008"}, {"012007", 24, "012009"},
               {"012007", -1, "122006"}, {"032007", -15, "122005"}, {"012001", -1, ""},
               {"12345", 1, ""},         {"ab2007", 1, ""}};
  for (const auto& c : cases) {
    EXPECT_EQ(AddMonthsToKey(c.key, c.count), c.result) << c.key << " + " << c.count;
  }
}

TEST(Clock, TodayComesFromTheInstalledClock) {
  CFixedClock clock(CDate::FromYmd(2009, 3, 15));
  {
    CScopedClock installed(clock);
    EXPECT_EQ(Today(), CDate::FromYmd(2009, 3, 15));
    EXPECT_EQ(TodayMonthId(), MonthId(2009, 3));
    clock.SetToday(CDate::FromYmd(2009, 4, 1));
    EXPECT_EQ(TodayMonthId(), MonthId(2009, 4));
  }
  EXPECT_EQ(Today(), CSystemClock().Today());
}

}  // namespace
