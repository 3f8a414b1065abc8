#include "model/ColorTable.h"

#include <gtest/gtest.h>

#include "model/FontTable.h"

namespace {

class ColorTableTest : public ::testing::Test {
 protected:
  void SetUp() override { table.FillStandard({10, 20, 30}); }
  CColorTable table;
};

TEST_F(ColorTableTest, ChoicesOfferTheFourteenNamesBeforeTheEmptySlot) {
  const std::vector<std::string> names = table.ChoiceNames();
  ASSERT_EQ(names.size(), 14u);
  EXPECT_EQ(names.front(), "schwarz");
  EXPECT_EQ(names.back(), "hellbraun");
  EXPECT_EQ(table.Name(14), "");
  EXPECT_EQ(table.Color(14), CColor{});
  EXPECT_EQ(table.Name(42), "schieferblau");
  EXPECT_EQ(table.Name(43), "");
  EXPECT_EQ(table.Color(0), (CColor{10, 20, 30}));
}

TEST_F(ColorTableTest, ShadesDarkenEveryChannelByFiftyPerStep) {
  EXPECT_EQ(table.Color(2), (CColor{196, 11, 29}));
  EXPECT_EQ(table.Color(2, 1), (CColor{146, 0, 0}));
  EXPECT_EQ(table.Color(2, 3), (CColor{46, 0, 0}));
  EXPECT_EQ(table.Color(2, 4), (CColor{0, 0, 0}));
  EXPECT_EQ(table.Color(1, 4), (CColor{0, 0, 0})) << "a channel equal to the step becomes 0";
}

TEST_F(ColorTableTest, SimilarMeansLessThanTheTolerancePerChannel) {
  const CColor base{100, 100, 100};
  EXPECT_TRUE(CColorTable::Similar(base, {107, 93, 100}, kColorTolerance));
  EXPECT_FALSE(CColorTable::Similar(base, {108, 100, 100}, kColorTolerance));
  EXPECT_FALSE(CColorTable::Similar(base, {100, 100, 92}, kColorTolerance));
  EXPECT_TRUE(CColorTable::Similar(base, base, 0));
  EXPECT_FALSE(CColorTable::Similar(base, {101, 100, 100}, 0)) << "tolerance 0 compares exactly";
}

TEST_F(ColorTableTest, FindReturnsTheFirstSlotWhoseColourOrShadeIsClose) {
  EXPECT_EQ(table.Find({252, 165, 35}, 0), 9);
  EXPECT_EQ(table.Find({198, 110, 0}, 0), 6);
  EXPECT_EQ(table.Find({146, 0, 0}, 0), 0);
  EXPECT_EQ(table.Find({146, 0, 0}, 2), 2);
  EXPECT_EQ(table.Find({10, 20, 30}, 0), 0) << "slot 0 is never found";
  EXPECT_EQ(table.Find({255, 255, 254}, 2), 0);
  EXPECT_EQ(table.Find({0, 0, 0}, 0), 14) << "an empty slot is black";
}

TEST_F(ColorTableTest, SlotsOutsideTheTableAreRefused) {
  EXPECT_EQ(table.Set(45, {1, 2, 3}, "x"), 0);
  EXPECT_EQ(table.Set(-1, {1, 2, 3}, "x"), 0);
  EXPECT_EQ(table.Color(45), CColor{});
  EXPECT_EQ(table.Name(-1), "");
  EXPECT_EQ(table.Set(44, {5, 250, 5}, "neu"), 1);
  EXPECT_EQ(table.Find({5, 250, 5}, 0), 44);
}

TEST(FontTable, StandardSlotsHoldBoldArialOfTwoHeights) {
  CFontTable fonts;
  fonts.FillStandard();
  EXPECT_TRUE(fonts.Font(0).IsEmpty());
  const CFontDescription& large = fonts.Font(1);
  EXPECT_EQ(large.faceName, "Arial");
  EXPECT_EQ(large.characterHeight, 10);
  EXPECT_EQ(large.weight, kFontWeightBold);
  EXPECT_TRUE(large.sansSerif && large.variablePitch && large.outlineOnly);
  EXPECT_EQ(fonts.Font(2).characterHeight, 8);
  EXPECT_TRUE(fonts.Font(3).IsEmpty());
}

}  // namespace
