#include "model/Haushaltsbuch.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "model/BookData.h"
#include "model/BookDataTestSupport.h"
#include "model/FirstBook.h"
#include "model/Preselection.h"
#include "support/ScriptedMessages.h"

namespace {

constexpr int kSeptember2008 = 93;
constexpr int kMarch2009 = 99;
constexpr int kJune2009 = 102;

class CCancelledPreselection final : public IPreselectionChoice {
 public:
  bool Choose(std::vector<CPreselectionItem>&) override { return false; }
};

class BooksTest : public ::testing::Test {
 protected:
  std::string DatabasePath() const { return dir_.File("Pellwick.db"); }
  void Seed(const std::vector<CSeedBook>& books, int accounts = 1) {
    auto database = CreateDatabase(DatabasePath());
    for (const CSeedBook& book : books) SeedBook(*database, book, accounts);
  }
  std::unique_ptr<CBookData> Start(int expected) {
    auto bookData = std::make_unique<CBookData>(dir_.Path().string());
    EXPECT_EQ(bookData->StartUp(), expected);
    return bookData;
  }
  CHaushaltsbuchList LoadedBooks(CDatabase& database) {
    CHaushaltsbuchList books;
    books.Load(database);
    return books;
  }
  std::vector<int> StoredBookIds() {
    std::vector<int> ids;
    auto database = CDatabase::Open(DatabasePath());
    for (CResult r = database->Query("select BuchId from Haushaltsbuch order by BuchId;"); !r.AtEnd(); r.MoveNext())
      ids.push_back(r.Int("BuchId"));
    return ids;
  }

  CTemporaryDirectory dir_;
  CFixedClock clock_{CDate::FromYmd(2009, 3, 15)};
  CScopedClock installedClock_{clock_};
};

TEST_F(BooksTest, ANewBookReachesSixMonthsBackAndThreeAheadOfToday) {
  auto database = CreateDatabase(DatabasePath());
  CHaushaltsbuchList books = LoadedBooks(*database);
  const CHaushaltsbuch& book = books.New();
  EXPECT_EQ(book.BuchId, 1);
  EXPECT_EQ(book.Bezeichnung, "Buch1");
  EXPECT_EQ(book.DatumErstellung, CDate::FromYmd(2009, 3, 15));
  EXPECT_EQ(book.DatumLetzteAenderung, CDate::FromYmd(2009, 3, 15));
  EXPECT_EQ(book.FirstExistMonatId, kSeptember2008);
  EXPECT_EQ(book.AktMonatId, kSeptember2008);
  EXPECT_EQ(book.FirstLoadMonatId, kSeptember2008);
  EXPECT_EQ(book.LastExistMonatId, kJune2009);
  EXPECT_EQ(book.LastLoadMonatId, kJune2009);
  EXPECT_EQ(book.AnzAngelegteMonate, 3);
  EXPECT_EQ(book.AktMonatUser, 2);
  for (int column : {book.IsCurrentBook, book.HauptKontoId, book.LastMonatId, book.FilterSpeichern,
                     book.AnzMonateLaden})
    EXPECT_EQ(column, 0);
  EXPECT_TRUE(book.ProgVers.empty());
  EXPECT_TRUE(book.DBVers.empty());
}

TEST_F(BooksTest, ANewBookNeverTakesAnIdThatRowsOfAnyTableStillCarry) {
  Seed({{.buchId = 1}, {.buchId = 2, .firstExist = 90, .lastExist = 91}, {.buchId = 3}});
  auto database = CDatabase::Open(DatabasePath());
  {
    // Deleting book 2 leaves its months, accounts, entries and contracts.
    CHaushaltsbuchList books = LoadedBooks(*database);
    books.Find(1)->MarkDeleted();
    books.Find(2)->MarkDeleted();
    books.Store(*database);
    EXPECT_EQ(books.Count(), 1);
  }
  CHaushaltsbuchList books = LoadedBooks(*database);
  // One book is left, but book 2's months are still there.
  EXPECT_EQ(books.New().BuchId, 3);
  books.Find(0)->MarkDeleted();
  EXPECT_EQ(books.New().BuchId, 4);  // books made since loading count too
  EXPECT_EQ(books.New().Bezeichnung, "Buch5");

  // Only a category of book 7 is left of it.
  database->Execute("insert into Kategorie (BuchId, KategorieId, Beschreibung) values (7, 1, 'Alt');");
  EXPECT_EQ(LoadedBooks(*database).New().BuchId, 8);
}

TEST_F(BooksTest, ListPositionsLeaveOutDeletedBooksAndMarkCurrentGoesByName) {
  Seed({{.buchId = 1, .isCurrent = 1}, {.buchId = 2}, {.buchId = 3}});
  auto database = CDatabase::Open(DatabasePath());
  CHaushaltsbuchList books = LoadedBooks(*database);
  books.Find(0)->MarkDeleted();
  EXPECT_EQ(books.FindAtListPosition(0)->BuchId, 2);
  EXPECT_EQ(books.FindAtListPosition(1)->BuchId, 3);
  EXPECT_EQ(books.FindAtListPosition(2), nullptr);
  EXPECT_EQ(books.FindAtListPosition(-1), nullptr);
  EXPECT_EQ(books.ListPosition(*books.Find(2)), 1);
  EXPECT_EQ(books.ListPosition(*books.Find(0)), -1);

  // A deleted book of the same name does not become current.
  books.Find(0)->Bezeichnung = "Buch3";
  books.MarkCurrent("Buch3");
  for (const CHaushaltsbuch& book : books) EXPECT_EQ(book.IsCurrentBook, book.BuchId == 3 ? 1 : 0) << book.BuchId;
}

TEST_F(BooksTest, TheSecondBookMarkedCurrentIsTheOneStartUpLoads) {
  Seed({{.buchId = 1, .isCurrent = 1, .firstExist = 90, .lastExist = 92, .firstLoad = 90, .lastLoad = 92}});
  {
    auto database = CDatabase::Open(DatabasePath());
    CHaushaltsbuchList books = LoadedBooks(*database);
    books.New();
    books.MarkCurrent("Buch2");
    books.Store(*database);
  }
  EXPECT_EQ(StoredBookIds(), (std::vector<int>{1, 2}));
  auto bookData = Start(1);
  EXPECT_EQ(bookData->CurrentBookId(), 2);
  EXPECT_EQ(bookData->Book().Bezeichnung, "Buch2");
  EXPECT_EQ(bookData->Book().AktMonatId, kSeptember2008);
  EXPECT_EQ(bookData->Accounts()->Count(), 0);  // none of book 1's months
}

// The columns a book keeps when another book's are copied into it.
void KeepOwnColumns(CHaushaltsbuchRow& expected, const CHaushaltsbuchRow& own) {
  expected.LastMonatId = own.LastMonatId;
  expected.IsCurrentBook = own.IsCurrentBook;
  expected.FilterSpeichern = own.FilterSpeichern;
  expected.AnzMonateLaden = own.AnzMonateLaden;
  expected.ProgVers = own.ProgVers;
  expected.DBVers = own.DBVers;
}

auto Columns(const CHaushaltsbuchRow& book) {
  return std::tuple(book.BuchId, book.Bezeichnung, book.LastMonatId, book.AktMonatId, book.FirstExistMonatId,
                    book.LastExistMonatId, book.FirstLoadMonatId, book.LastLoadMonatId, book.IsCurrentBook,
                    book.FilterSpeichern, book.AnzMonateLaden, book.AnzAngelegteMonate,
                    book.DatumErstellung.DayNumber(), book.DatumLetzteAenderung.DayNumber(), book.AktMonatUser,
                    book.HauptKontoId, book.ProgVers, book.DBVers);
}

TEST_F(BooksTest, TakeAndGiveCopyExactlyTheBookColumns) {
  Seed({{.buchId = 1, .isCurrent = 1}});
  auto bookData = Start(1);
  CHaushaltsbuchRow& current = bookData->Book();
  current.LastMonatId = 11;
  current.FilterSpeichern = 1;
  current.AnzMonateLaden = 12;
  current.ProgVers = "1.200";
  current.DBVers = "20070908";
  CHaushaltsbuch row;
  row.BuchId = 5;
  row.Bezeichnung = "Urlaub";
  row.DatumErstellung = CDate::FromYmd(2008, 1, 2);
  row.DatumLetzteAenderung = CDate::FromYmd(2008, 2, 3);
  row.FirstExistMonatId = 80;
  row.AnzAngelegteMonate = 7;
  row.LastExistMonatId = 90;
  row.AktMonatUser = 1;
  row.AktMonatId = 85;
  row.FirstLoadMonatId = 84;
  row.LastLoadMonatId = 89;
  row.HauptKontoId = 4;
  row.LastMonatId = 33;
  row.AnzMonateLaden = 2;
  row.ProgVers = "0.9";
  row.DBVers = "alt";

  CHaushaltsbuch expected = row;
  KeepOwnColumns(expected, current);
  bookData->TakeBook(row);
  EXPECT_EQ(Columns(current), Columns(expected));

  // Back into a row that differs in everything: the same columns return.
  CHaushaltsbuch back;
  back.LastMonatId = 44;
  back.IsCurrentBook = 1;
  back.AnzMonateLaden = 3;
  back.ProgVers = "x";
  CHaushaltsbuch expectedBack = row;
  KeepOwnColumns(expectedBack, back);
  bookData->GiveBook(back);
  EXPECT_EQ(Columns(back), Columns(expectedBack));
}

TEST_F(BooksTest, SwitchingLoadsEveryMonthOfThatBookAndNothingOfTheOther) {
  Seed({{.buchId = 1, .firstExist = 90, .lastExist = 95, .firstLoad = 94, .lastLoad = 95, .aktMonat = 94},
        {.buchId = 2, .isCurrent = 1, .firstExist = 100, .lastExist = 104, .firstLoad = 100, .lastLoad = 104}},
       2);
  {
    auto database = CDatabase::Open(DatabasePath());
    database->Execute("insert into Kategorie (BuchId, KategorieId, Beschreibung) values (1, 1, 'Lebensmittel');");
  }
  auto bookData = Start(1);
  ASSERT_EQ(bookData->CurrentBookId(), 2);

  EXPECT_EQ(bookData->SwitchToBook(9), 0);
  EXPECT_EQ(bookData->CurrentBookId(), 2);
  EXPECT_EQ(bookData->Months()->Count(), 5);

  EXPECT_EQ(bookData->SwitchToBook(1), 1);
  EXPECT_EQ(bookData->CurrentBookId(), 1);
  EXPECT_EQ(bookData->Book().BuchId, 1);
  EXPECT_EQ(bookData->Book().FirstExistMonatId, 90);
  EXPECT_EQ(bookData->Book().LastExistMonatId, 95);
  std::vector<int> loaded;
  for (const CMonat& month : *bookData->Months())
    if (month.loaded) loaded.push_back(month.MonatId);
  EXPECT_EQ(loaded, (std::vector<int>{90, 91, 92, 93, 94, 95}));
  EXPECT_EQ(bookData->Accounts()->Count(), 12);
  EXPECT_EQ(bookData->Contracts()->Count(), 6);
  for (const CBestandsdaten& account : *bookData->Accounts()) EXPECT_LE(account.MonatId, 95);
  ASSERT_EQ(bookData->Categories()->Count(), 1);
  EXPECT_EQ(bookData->Categories()->Find(0)->Beschreibung, "Lebensmittel");
}

TEST_F(BooksTest, SavingTheCurrentBookStoresItsRowWithTheVersions) {
  Seed({{.buchId = 1, .isCurrent = 1, .firstExist = 90, .lastExist = 91, .firstLoad = 90, .lastLoad = 91}});
  auto bookData = Start(1);
  bookData->Book().Bezeichnung = "Haushalt";
  bookData->SaveCurrentBook(1);
  auto database = CDatabase::Open(DatabasePath());
  CResult row = database->Query("select * from Haushaltsbuch;");
  EXPECT_EQ(row.Text("Bezeichnung"), "Haushalt");
  EXPECT_EQ(row.Text("ProgVers"), "1.200");
  EXPECT_EQ(row.Text("DBVers"), "20070908");
  EXPECT_EQ(StoredBookIds(), (std::vector<int>{1}));
}

TEST_F(BooksTest, ANewDatabaseGetsBuch1WithItsTenMonthsLoaded) {
  auto bookData = Start(0);
  CScriptedMessages messages;  // the months come silently
  CCancelledPreselection cancelled;
  EXPECT_EQ(CreateFirstBook(*bookData, cancelled), 1);
  EXPECT_TRUE(messages.Texts().empty());
  EXPECT_EQ(bookData->NoBook(), 0);
  EXPECT_EQ(bookData->CurrentBookId(), 1);

  auto database = CDatabase::Open(DatabasePath());
  CHaushaltsbuchList books = LoadedBooks(*database);
  ASSERT_EQ(books.Count(), 1);
  const CHaushaltsbuch& book = *books.Find(0);
  EXPECT_EQ(book.Bezeichnung, "Buch1");
  EXPECT_EQ(book.IsCurrentBook, 1);
  EXPECT_EQ(book.AktMonatId, kSeptember2008);
  EXPECT_EQ(book.FirstExistMonatId, kSeptember2008);
  EXPECT_EQ(book.LastExistMonatId, kJune2009);
  EXPECT_EQ(book.AnzAngelegteMonate, 3);
  EXPECT_EQ(book.AktMonatUser, 2);
  EXPECT_EQ(book.DatumErstellung, CDate::FromYmd(2009, 3, 15));
  EXPECT_EQ(book.HauptKontoId, 0);
  EXPECT_EQ(book.ProgVers, "1.200");
  std::vector<std::string> keys;
  for (CResult r = database->Query("select Bezeichnung from Monat where BuchId = 1 order by MonatId;"); !r.AtEnd();
       r.MoveNext())
    keys.push_back(r.Text("Bezeichnung"));
  EXPECT_EQ(keys, (std::vector<std::string>{"092008", "102008", "112008", "122008", "012009", "022009", "032009",
                                            "042009", "052009", "062009"}));

  // Loaded as at start: the whole window, the monitoring's built-in rules.
  EXPECT_EQ(bookData->Months()->Count(), 10);
  for (const CMonat& month : *bookData->Months()) EXPECT_TRUE(month.loaded) << month.MonatId;
  EXPECT_EQ(bookData->Book().AktMonatId, kSeptember2008);
  EXPECT_NE(bookData->Reports()->FindId(kReportNoAccount), nullptr);
  EXPECT_NE(bookData->Reports()->FindId(kReportNoContract), nullptr);
  EXPECT_EQ(database->Query("select count(*) as n from Report where BuchId = 1;").Int("n"), 2);
  EXPECT_EQ(CreateFirstBook(*bookData, cancelled), 0);  // there is a book now
}

TEST_F(BooksTest, AFirstBookAfterAllBooksWereDeletedStartsEmpty) {
  Seed({{.buchId = 1, .isCurrent = 1, .firstExist = kSeptember2008, .lastExist = kJune2009}}, 2);
  CDatabase::Open(DatabasePath())->Execute("delete from Haushaltsbuch;");
  auto bookData = Start(0);
  CCancelledPreselection cancelled;
  ASSERT_EQ(CreateFirstBook(*bookData, cancelled), 1);
  EXPECT_EQ(bookData->CurrentBookId(), 2);
  EXPECT_EQ(bookData->Book().Bezeichnung, "Buch2");
  EXPECT_EQ(bookData->Months()->Count(), 10);
  EXPECT_EQ(bookData->Accounts()->Count(), 0);
  EXPECT_EQ(bookData->Contracts()->Count(), 0);
  EXPECT_EQ(bookData->Book().LastLoadMonatId, kJune2009);
  EXPECT_EQ(TodayMonthId(), kMarch2009);
}

}  // namespace

TEST_F(BooksTest, SavingTheCurrentBookStoresTheClosingSumsOfItsMonths) {
  Seed({{.buchId = 1, .isCurrent = 1, .firstExist = 90, .lastExist = 91, .firstLoad = 90, .lastLoad = 91}});
  auto bookData = Start(1);
  bookData->SaveCurrentBook(1);
  auto database = CDatabase::Open(DatabasePath());
  CResult month = database->Query("select * from Monat where MonatId = 90;");
  EXPECT_DOUBLE_EQ(month.Double("SumAusgaben"), 5.0);
  EXPECT_DOUBLE_EQ(month.Double("Gewinn"), -5.0);
  EXPECT_DOUBLE_EQ(month.Double("Vermoegen"), 9001.0);
  EXPECT_DOUBLE_EQ(month.Double("Zuwachs"), 100.0);  // the next month's assets less its own
}

TEST_F(BooksTest, StartUpAndReloadingTheRulesMakeTheBuiltInRulesOfABookWithoutRules) {
  Seed({{.buchId = 1, .isCurrent = 1, .firstExist = 90, .lastExist = 91, .firstLoad = 90, .lastLoad = 91}});
  auto bookData = Start(1);
  ASSERT_EQ(bookData->Reports()->Count(), 2);
  EXPECT_NE(bookData->Reports()->FindId(1), nullptr);
  EXPECT_NE(bookData->Reports()->FindId(2), nullptr);
  CScriptedMessages messages;
  messages.Answer(kAnswerOk);
  ASSERT_EQ(bookData->ReloadPart(121), 1);
  EXPECT_EQ(bookData->Reports()->Count(), 2);
}
