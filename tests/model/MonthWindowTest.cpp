#include "model/MonthWindow.h"

#include <gtest/gtest.h>

namespace {

TEST(LoadWindow, UnloadingCutsTheWindowOnTheSideOfTheMonth) {
  const CLoadWindow window{70, 80};
  const int current = 75;
  EXPECT_EQ(WindowWithoutMonth(window, 72, current), (CLoadWindow{73, 80}));
  EXPECT_EQ(WindowWithoutMonth(window, 78, current), (CLoadWindow{70, 77}));
  EXPECT_EQ(WindowWithoutMonth(window, current, current), window);
}

TEST(LoadWindow, LoadingGrowsTheWindowToTheMonth) {
  const CLoadWindow window{73, 80};
  const int current = 75;
  EXPECT_EQ(WindowWithMonth(window, 70, current), (CLoadWindow{70, 80}));
  EXPECT_EQ(WindowWithMonth(window, 84, current), (CLoadWindow{73, 84}));
  EXPECT_EQ(WindowWithMonth(window, 76, current), window);
  EXPECT_TRUE(window.Contains(73));
  EXPECT_TRUE(window.IsOutside(72));
  EXPECT_TRUE(window.IsOutside(81));
}

TEST(MonthState, FollowsTheConfirmedAndUnconfirmedCounts) {
  const struct {
    int unconfirmed, confirmed, state;
    const char* text;
  } cases[] = {{0, 0, kMonthNotCreated, "nicht angelegt"}, {3, 0, kMonthInitialised, "initialisiert"},
               {2, 1, kMonthEdited, "bearbeitet"},         {0, 4, kMonthEdited, "bearbeitet"},
               {2, 2, kMonthClosed, "abgeschlossen"}};
  for (const auto& c : cases) {
    EXPECT_EQ(MonthStateOf(c.unconfirmed, c.confirmed), c.state) << c.unconfirmed << "/" << c.confirmed;
    EXPECT_EQ(MonthStateText(c.state), c.text);
  }
  EXPECT_EQ(MonthStateText(4), "");
}

TEST(MonthRange, ShiftingTheRangeDeletesBeforeAndCreatesAfter) {
  // January ... June to March ... August.
  const CMonthRangePlan plan = PlanMonthRange(1, 6, 3, 8);
  EXPECT_TRUE(plan.valid);
  EXPECT_EQ(plan.deleteIds, (std::vector<int>{1, 2}));
  EXPECT_EQ(plan.createIds, (std::vector<int>{7, 8}));
}

TEST(MonthRange, DeletionsAfterTheRangeAreAskedFromTheLastMonth) {
  const CMonthRangePlan plan = PlanMonthRange(3, 10, 1, 7);
  EXPECT_EQ(plan.deleteIds, (std::vector<int>{10, 9, 8}));
  EXPECT_EQ(plan.createIds, (std::vector<int>{1, 2}));
}

TEST(MonthRange, ARangeApartFromTheOldOneCreatesOnlyItsOwnMonths) {
  const CMonthRangePlan later = PlanMonthRange(1, 3, 6, 8);
  EXPECT_EQ(later.deleteIds, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(later.createIds, (std::vector<int>{6, 7, 8}));
  const CMonthRangePlan earlier = PlanMonthRange(10, 12, 1, 2);
  EXPECT_EQ(earlier.deleteIds, (std::vector<int>{12, 11, 10}));
  EXPECT_EQ(earlier.createIds, (std::vector<int>{1, 2}));
}

TEST(MonthRange, ABookWithoutMonthsCreatesTheWholeRange) {
  const CMonthRangePlan plan = PlanMonthRange(0, 0, 5, 7);
  EXPECT_TRUE(plan.deleteIds.empty());
  EXPECT_EQ(plan.createIds, (std::vector<int>{5, 6, 7}));
}

TEST(MonthRange, AnEmptyNewRangeChangesNothing) {
  for (const auto& [first, last] : {std::pair{5, 4}, std::pair{0, 6}, std::pair{-3, 2}}) {
    const CMonthRangePlan plan = PlanMonthRange(1, 6, first, last);
    EXPECT_FALSE(plan.valid);
    EXPECT_TRUE(plan.deleteIds.empty());
    EXPECT_TRUE(plan.createIds.empty());
  }
}

TEST(CurrentMonthAtStart, ANewCalendarMonthMovesTheCurrentMonthAndTheRange) {
  const CCurrentMonthUpdate update = PlanCurrentMonthAtStart({1, 74, 3}, 60, 77, 75);
  EXPECT_EQ(update.settings, (CCurrentMonthSettings{1, 75, 3}));
  EXPECT_EQ(update.rangeFirst, 60);
  EXPECT_EQ(update.rangeLast, 78);
}

TEST(CurrentMonthAtStart, FirstStartTakesTheMonthsAheadWithinOneToTwelve) {
  EXPECT_EQ(PlanCurrentMonthAtStart({0, 70, 0}, 60, 80, 75).settings, (CCurrentMonthSettings{1, 75, 5}));
  EXPECT_EQ(PlanCurrentMonthAtStart({0, 70, 0}, 60, 75, 75).settings.AnzAngelegteMonate, 1);
  EXPECT_EQ(PlanCurrentMonthAtStart({0, 70, 0}, 60, 99, 75).settings.AnzAngelegteMonate, 12);
}

TEST(CurrentMonthAtStart, AUserChosenMonthStays) {
  const CCurrentMonthUpdate update = PlanCurrentMonthAtStart({2, 70, 2}, 60, 77, 75);
  EXPECT_EQ(update.settings, (CCurrentMonthSettings{2, 70, 2}));
  EXPECT_EQ(update.rangeLast, 77);
}

}  // namespace
