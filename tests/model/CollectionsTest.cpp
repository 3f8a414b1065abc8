#include <gtest/gtest.h>

#include "accounting/Einheit.h"
#include "forecast/Ausblick.h"
#include "model/BookData.h"
#include "model/BookDataTestSupport.h"
#include "monitoring/Report.h"
#include "storage/DatabaseError.h"

namespace {

class CollectionsTest : public ::testing::Test {
 protected:
  int Count(const std::string& sql) { return database_->Query(sql).Int("n"); }

  CTemporaryDirectory dir_;
  std::unique_ptr<CDatabase> database_ = CreateDatabase(dir_.File("Pellwick.db"));
};

TEST_F(CollectionsTest, BookListsKeepTheirBookAndContinueTheHighestId) {
  CReportList rules;
  rules.New(1).AnzTage = 7;
  rules.New(2);
  rules.Store(*database_, 1);
  CReportList otherBook;
  otherBook.New(3);
  otherBook.Store(*database_, 2);

  CReportList loaded;
  EXPECT_EQ(loaded.LoadBook(*database_, 1), 2);
  EXPECT_EQ(loaded.HighestId(), 4);  // ids 1 and 2 belong to the built-in rules
  EXPECT_EQ(loaded.FindId(3)->AnzTage, 7);
  loaded.FindId(4)->MarkDeleted();
  loaded.Store(*database_, 1);
  EXPECT_EQ(loaded.Count(), 1);
  EXPECT_EQ(loaded.New(1).ReportId, 5);  // the deleted id is not given out again
  EXPECT_EQ(Count("select count(*) as n from Report;"), 2);

  CEinheitList units;
  units.New().Bezeichnung = "Liter";
  EXPECT_EQ(units.FindByName("Liter")->EinheitId, 1);
  EXPECT_EQ(units.FindByName("liter"), nullptr);
}

TEST_F(CollectionsTest, TheForecastIsWrittenAnewWithoutItsHelperRows) {
  CAusblickList forecast;
  for (int posten : {4, CAusblick::kUnsavedPostenId, 6}) {
    CAusblick& item = forecast.Items().AppendNew();
    item.AusblickId = forecast.NewId();
    item.PostenId = posten;
  }
  forecast.Store(*database_, 1);
  forecast.Items().Find(0)->MarkDeleted();
  forecast.Store(*database_, 1);
  EXPECT_EQ(forecast.Items().Count(), 2);
  EXPECT_EQ(Count("select count(*) as n from Ausblick;"), 1);

  CAusblickList loaded;
  EXPECT_EQ(loaded.Load(*database_, 1), 1);
  EXPECT_EQ(loaded.StoredItems().Find(0)->PostenId, 6);
  EXPECT_EQ(loaded.NewId(), 4);
}

TEST_F(CollectionsTest, AFailedSaveOfTheBookLeavesDatabaseAndMemoryAsTheyWere) {
  SeedBook(*database_, {.isCurrent = 1, .firstExist = 97, .lastExist = 98, .firstLoad = 97, .lastLoad = 98,
                        .aktMonat = 97});
  database_.reset();
  CBookData bookData(dir_.Path().string());
  ASSERT_EQ(bookData.StartUp(), 1);
  bookData.Months()->FindMonth(98)->MarkDeleted();
  bookData.Book().Bezeichnung = "Urlaub";
  bookData.Database()->Execute(
      "create trigger NoMonth before delete on Monat begin select raise(abort, 'kein Monat'); end;");

  EXPECT_THROW(bookData.SaveCurrentBook(1), CDatabaseError);
  EXPECT_EQ(bookData.Months()->Count(), 2);
  EXPECT_TRUE(bookData.Book().ProgVers.empty());
  CResult book = bookData.Database()->Query("select * from Haushaltsbuch;");
  EXPECT_EQ(book.Text("Bezeichnung"), "Buch1");
  EXPECT_TRUE(book.Text("ProgVers").empty());
}

}  // namespace
