#include "model/BookData.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "model/BookDataTestSupport.h"
#include "storage/DatabaseError.h"
#include "support/ScriptedMessages.h"

namespace {

class BookDataTest : public ::testing::Test {
 protected:
  std::string DatabasePath() const { return dir_.File("Pellwick.db"); }
  std::unique_ptr<CBookData> Start(int expected) {
    auto bookData = std::make_unique<CBookData>(dir_.Path().string());
    EXPECT_EQ(bookData->StartUp(), expected);
    return bookData;
  }
  void Seed(const std::vector<CSeedBook>& books, int accounts = 1) {
    auto database = CreateDatabase(DatabasePath());
    for (const CSeedBook& book : books) SeedBook(*database, book, accounts);
  }
  int Count(const std::string& sql) {
    auto database = CDatabase::Open(DatabasePath());
    return database->Query(sql).Int("n");
  }

  CTemporaryDirectory dir_;
  CFixedClock clock_{CDate::FromYmd(2009, 3, 15)};
  CScopedClock installedClock_{clock_};
};

TEST_F(BookDataTest, FirstStartInAnEmptyFolderCreatesTheDatabaseWithoutBook) {
  auto bookData = Start(0);
  EXPECT_EQ(bookData->NoBook(), 1);
  EXPECT_EQ(&BookData(), bookData.get());
  EXPECT_EQ(bookData->Database()->TableNames().size(), 17u);
  EXPECT_EQ(dir_.Read("debug.log"), "Debugdatei geöffnet.\n");
  bookData.reset();
  EXPECT_FALSE(HasBookData());
  EXPECT_EQ(dir_.Read("debug.log"), "Debugdatei geöffnet.\nDebugdatei geschlossen.\n");
}

TEST_F(BookDataTest, AnEmptyBookTableBehavesLikeANewDatabase) {
  Start(0).reset();
  auto bookData = Start(0);
  EXPECT_EQ(bookData->NoBook(), 1);
  EXPECT_EQ(dir_.Read("debug.log"), "Debugdatei geöffnet.\nConnect zur Datenbank erfolgreich\n");
}

TEST_F(BookDataTest, TheBookMarkedCurrentOrElseTheLastRowBecomesCurrent) {
  struct CCase {
    int firstCurrent, secondCurrent, expectedBook;
  };
  for (const CCase& c : {CCase{0, 0, 2}, CCase{1, 0, 1}, CCase{0, 1, 2}}) {
    std::filesystem::remove(DatabasePath());
    Seed({{.buchId = 1, .isCurrent = c.firstCurrent}, {.buchId = 2, .isCurrent = c.secondCurrent}});
    auto bookData = Start(1);
    EXPECT_EQ(bookData->CurrentBookId(), c.expectedBook);
    EXPECT_EQ(bookData->Book().BuchId, c.expectedBook);
    EXPECT_EQ(bookData->NoBook(), 0);
  }
  EXPECT_EQ(dir_.Read("debug.log"),
            "Debugdatei geöffnet.\nConnect zur Datenbank erfolgreich\nLaden der Datenbank erfolgreich\n"
            "Debugdatei geschlossen.\n");
}

TEST_F(BookDataTest, TheIniFileNamesTheDatabaseAndItsFolderIsCreated) {
  dir_.Write("Pellwick.ini", "[database]\ndatabase_name=privat.db\ndatabase_path=./daten\n");
  Start(0);
  EXPECT_TRUE(std::filesystem::exists(dir_.Path() / "daten" / "privat.db"));
  EXPECT_FALSE(std::filesystem::exists(DatabasePath()));
}

TEST_F(BookDataTest, ADamagedOrForeignFileIsReportedAndLeftAlone) {
  const std::string garbage = "das ist keine Datenbank, sondern ein Brief";
  dir_.Write("Pellwick.db", garbage);
  auto bookData = std::make_unique<CBookData>(dir_.Path().string());
  try {
    bookData->StartUp();
    ADD_FAILURE() << "no error";
  } catch (const CDatabaseError& error) {
    EXPECT_NE(std::string(error.what()).find("Pellwick.db"), std::string::npos) << error.what();
  }
  EXPECT_EQ(dir_.Read("Pellwick.db"), garbage);

  std::filesystem::remove(DatabasePath());
  CDatabase::Create(DatabasePath())->Execute("create table Kunden (Name text);");
  EXPECT_THROW(bookData->StartUp(), CDatabaseError);
  EXPECT_EQ(CDatabase::Open(DatabasePath())->TableNames(), std::vector<std::string>{"Kunden"});
}

TEST_F(BookDataTest, StartUpLoadsExactlyTheWindowAndKnowsTheHighestAccount) {
  Seed({{.buchId = 1, .firstExist = 90, .lastExist = 100, .firstLoad = 94, .lastLoad = 97, .aktMonat = 95}}, 3);
  auto bookData = Start(1);
  for (const CMonat& month : *bookData->Months())
    EXPECT_EQ(month.loaded, month.MonatId >= 94 && month.MonatId <= 97) << month.MonatId;
  EXPECT_EQ(bookData->Months()->Count(), 11);
  EXPECT_EQ(bookData->Book().FirstExistMonatId, 90);
  EXPECT_EQ(bookData->Book().LastExistMonatId, 100);
  EXPECT_EQ(bookData->Accounts()->Count(), 12);
  EXPECT_EQ(bookData->Entries()->Count(), 4);
  EXPECT_EQ(bookData->Contracts()->Count(), 4);
  EXPECT_EQ(bookData->Accounts()->HighestPostenId(), 3);
  EXPECT_NE(bookData->Accounts()->FindPosten(2, 94), nullptr);
  EXPECT_EQ(bookData->Accounts()->FindPosten(2, 93), nullptr);
  // Entry ids of months outside the window are not given out again.
  EXPECT_EQ(bookData->Entries()->NewPostenId(*bookData->Database(), 1), 101);
}

TEST_F(BookDataTest, TheWindowShrinksAndGrowsAndApplyLoadsAndDrops) {
  Seed({{.buchId = 1, .firstExist = 90, .lastExist = 100, .firstLoad = 94, .lastLoad = 97, .aktMonat = 96}});
  auto bookData = Start(1);
  bookData->UnloadMonthFromWindow(95);
  EXPECT_EQ(bookData->Book().FirstLoadMonatId, 96);
  bookData->LoadMonthIntoWindow(99);
  EXPECT_EQ(bookData->Book().LastLoadMonatId, 99);
  bookData->ApplyWindow(1);
  for (const CMonat& month : *bookData->Months())
    EXPECT_EQ(month.loaded, month.MonatId >= 96 && month.MonatId <= 99) << month.MonatId;
  EXPECT_EQ(bookData->Accounts()->Count(), 4);
  EXPECT_FALSE(bookData->Entries()->HasMonth(95));
  EXPECT_TRUE(bookData->Contracts()->HasMonth(99));
}

TEST_F(BookDataTest, StoringMonthsIsAllOrNothing) {
  Seed({{.buchId = 1, .firstExist = 94, .lastExist = 95, .firstLoad = 94, .lastLoad = 95, .aktMonat = 94}});
  auto bookData = Start(1);
  bookData->Accounts()->FindPosten(1, 94)->Betrag = 1.5;
  bookData->Entries()->FindPosten(95, 95)->MarkDeleted();
  CVertrag& added = bookData->Contracts()->AppendNew();
  added.PostenId = 2;
  added.MonatId = 95;
  bookData->Database()->Execute(
      "create trigger NoContract before insert on Vertrag begin select raise(abort, 'kein Vertrag'); end;");

  EXPECT_THROW(bookData->StoreMonths(1, kAllLoadedMonths), CDatabaseError);
  EXPECT_EQ(Count("select count(*) as n from Bestandsdaten where Betrag = 1.5;"), 0);
  EXPECT_EQ(Count("select count(*) as n from Vorgang;"), 2);
  EXPECT_EQ(bookData->Entries()->Count(), 2);
  EXPECT_TRUE(bookData->Entries()->FindPosten(95, 95)->IsDeleted());

  bookData->Database()->Execute("drop trigger NoContract;");
  bookData->StoreMonths(1, kAllLoadedMonths);
  EXPECT_EQ(Count("select count(*) as n from Bestandsdaten where Betrag = 1.5;"), 1);
  EXPECT_EQ(Count("select count(*) as n from Vorgang;"), 1);
  EXPECT_EQ(Count("select count(*) as n from Vertrag;"), 3);
  EXPECT_EQ(bookData->Entries()->Count(), 1);
}

TEST_F(BookDataTest, ReloadPartOnCancelChangesNothingAndOnOkReloads) {
  Seed({{.buchId = 1, .firstExist = 94, .lastExist = 94, .firstLoad = 94, .lastLoad = 94, .aktMonat = 94}});
  auto bookData = Start(1);
  bookData->Categories()->New("Kategorie").Store(*bookData->Database(), 1);
  bookData->Categories()->Find(0)->Beschreibung = "geändert";
  bookData->Accounts()->Find(0)->Betrag = -1.0;
  CScriptedMessages messages;
  messages.Answer({kAnswerOther, kAnswerOk, kAnswerOk});
  EXPECT_EQ(bookData->ReloadPart(108), 0);
  EXPECT_EQ(bookData->Categories()->Find(0)->Beschreibung, "geändert");
  EXPECT_EQ(bookData->ReloadPart(108), 1);
  EXPECT_EQ(bookData->Categories()->Find(0)->Beschreibung, "Kategorie");
  EXPECT_EQ(bookData->Accounts()->Find(0)->Betrag, -1.0);
  EXPECT_EQ(bookData->ReloadPart(105), 1);
  EXPECT_EQ(bookData->Accounts()->Find(0)->Betrag, 9401.0);
  EXPECT_EQ(messages.Shown().size(), 3u);
  EXPECT_EQ(messages.Shown()[0].text, StringTableText(103));
}

}  // namespace
