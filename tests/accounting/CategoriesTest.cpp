#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "accounting/Einheit.h"
#include "accounting/Kategorie.h"
#include "storage/Format.h"
#include "storage/Schema.h"
#include "storage/Tables.h"
#include "support/TemporaryDirectory.h"

namespace {

class CategoriesTest : public ::testing::Test {
 protected:
  void StoreCategories(std::initializer_list<int> ids, int bookId = 1) {
    for (int id : ids) {
      CKategorieRow row;
      row.KategorieId = id;
      row.Beschreibung = "Kategorie " + std::to_string(id);
      row.Insert(*database_, bookId);
    }
  }

  CTemporaryDirectory dir_;
  std::unique_ptr<CDatabase> database_ = CreateDatabase(dir_.File("Pellwick.db"));
};

TEST_F(CategoriesTest, NewCategoriesContinueAfterTheHighestLoadedId) {
  StoreCategories({1, 2, 7});
  StoreCategories({30}, 2);  // another book's
  CKategorieList categories;
  ASSERT_EQ(categories.LoadBook(*database_, 1), 3);
  EXPECT_EQ(categories.New("Kategorie").KategorieId, 8);
  EXPECT_EQ(categories.New("Kategorie").KategorieId, 9);
}

TEST_F(CategoriesTest, AnIdThatStoredRowsStillReferToIsNotGivenOutAgain) {
  StoreCategories({1, 2});
  CVorgangRow entry;  // in a month that is not loaded, naming deleted category 12
  entry.PostenId = 1;
  entry.MonatId = 80;
  entry.KategorieId = 12;
  entry.Insert(*database_, 1);
  CVertragRow contract;
  contract.PostenId = 1;
  contract.MonatId = 80;
  contract.KategorieId = 10;
  contract.Insert(*database_, 1);
  CBestandsdatenRow account;
  account.PostenId = 1;
  account.MonatId = 80;
  account.KategorieId = 14;
  account.Insert(*database_, 2);  // another book's account: no bar

  CKategorieList categories;
  categories.LoadBook(*database_, 1);
  EXPECT_EQ(categories.New("Kategorie").KategorieId, 13);
}

TEST_F(CategoriesTest, DescriptionsFindingAndTheThreeChoiceModesSkipDeletedCategories) {
  CKategorieList categories;
  categories.New("Lebensmittel");
  categories.New("Auto").MarkDeleted();
  categories.New("Freizeit");
  EXPECT_EQ(categories.Description(1), "Lebensmittel");
  EXPECT_EQ(categories.Description(2), "");
  EXPECT_EQ(categories.FindId(2), nullptr);
  EXPECT_EQ(categories.FindAtListPosition(1)->Beschreibung, "Freizeit");
  EXPECT_EQ(categories.FindAtListPosition(2), nullptr);

  using CLabels = std::vector<std::string>;
  EXPECT_EQ(categories.ChoiceLabels(CategoryChoice::All), CLabels({"Alle Kategorien", "Lebensmittel", "Freizeit"}));
  EXPECT_EQ(categories.ChoiceLabels(CategoryChoice::Plain), CLabels({"Lebensmittel", "Freizeit"}));
  EXPECT_EQ(categories.ChoiceLabels(CategoryChoice::Uncaptured),
            CLabels({"Nicht erfasste Einahmen/Ausgaben", "Lebensmittel", "Freizeit"}));
}

TEST_F(CategoriesTest, TheUnitCalculatorMultipliesByThePriceOfOneUnitAndKeepsTheResult) {
  CEinheitList units;
  CEinheit& diesel = units.New();
  diesel.Bezeichnung = "Diesel";
  diesel.WertEinheit = 65.0;
  diesel.AnzEinheit = 50.0;
  EXPECT_EQ(FormatGermanNumber(units.Calculate(40.0, diesel.WertEinheit, diesel.AnzEinheit), 2), "52,00");
  EXPECT_DOUBLE_EQ(units.LastResult(), 52.0);
  EXPECT_DOUBLE_EQ(units.Calculate(3.0, 2.0, 0.0), 6.0);  // 0 units count as one
  units.CancelCalculation();
  EXPECT_EQ(units.LastResult(), 0.0);

  EXPECT_EQ(units.CalculatorChoices(), std::vector<std::string>({"", "Diesel"}));
  const CUnitRow row = UnitRow(diesel);
  EXPECT_EQ(row.units, "50.00");
  EXPECT_EQ(row.value, "65.00");
}

TEST_F(CategoriesTest, NewUnitsContinueAfterTheBooksStoredUnits) {
  CEinheitList stored;
  stored.New();
  stored.New().MarkDeleted();
  stored.New();
  stored.Store(*database_, 1);  // ids 1 and 3 stay
  CEinheitList units;
  ASSERT_EQ(units.LoadBook(*database_, 1), 2);
  EXPECT_EQ(units.New().EinheitId, 4);
  EXPECT_EQ(units.FindAtListPosition(1)->EinheitId, 3);
}

}  // namespace
