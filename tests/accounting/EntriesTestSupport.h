#pragma once
// A book of the months February to July 2007 with March to June loaded,
// started through the book data on a temporary database, today fixed at
// 15 April 2007.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "model/BookData.h"
#include "model/BookDataTestSupport.h"
#include "storage/Result.h"
#include "storage/StrFormat.h"

inline constexpr int kFebruary = 74;  // 2007
inline constexpr int kMarch = 75;
inline constexpr int kApril = 76;
inline constexpr int kMay = 77;
inline constexpr int kJune = 78;
inline constexpr int kJuly = 79;

class EntriesFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    {
      auto database = CreateDatabase(dir_.File("Pellwick.db"));
      CSeedBook seed;
      seed.isCurrent = 1;
      seed.firstExist = kFebruary;
      seed.lastExist = kJuly;
      seed.firstLoad = kMarch;
      seed.lastLoad = kJune;
      seed.aktMonat = kApril;
      SeedBook(*database, seed, 3);
      SeedBeforeStart(*database);
    }
    book_ = std::make_unique<CBookData>(dir_.Path().string());
    ASSERT_EQ(book_->StartUp(), 1);
    book_->Book().HauptKontoId = 1;
  }
  // Rows a test needs in the database before the book is loaded.
  virtual void SeedBeforeStart(CDatabase&) {}

  CVorgangList& Entries() { return *book_->Entries(); }
  CVertragList& Contracts() { return *book_->Contracts(); }
  CDatabase& Database() { return *book_->Database(); }
  int CountRows(const std::string& condition) {
    return Database().Query(StrFormat("select count(*) as n from Vorgang where %s;", condition)).Int("n");
  }
  void StoreAll() { book_->StoreMonths(1, kAllLoadedMonths); }

  // An entry of the month appended to the collection.
  CVorgang& AddEntry(int monthId, int typ, double amount, const CDate& date) {
    CVorgang& entry = Entries().NewEntry(Database(), 1, monthId);
    entry.Typ = typ;
    entry.Betrag = amount;
    entry.Datum = date;
    entry.Bestaetigt = 1;
    entry.BetrKontoId = typ == kEntryTransfer ? 0 : 1;
    return entry;
  }
  CVorgang& AddContractEntry(int contractId, int monthId, int typ, const CDate& dueDate) {
    CVorgang& entry = AddEntry(monthId, typ, 40.0, dueDate);
    entry.RefVertragPostenId = contractId;
    entry.FaelligDatum = dueDate;
    Entries().InvalidateIndex();
    return entry;
  }

  CTemporaryDirectory dir_;
  CFixedClock clock_{CDate::FromYmd(2007, 4, 15)};
  CScopedClock installedClock_{clock_};
  std::unique_ptr<CBookData> book_;
};
