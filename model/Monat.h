#pragma once
// The months of the current book: one CMonat per row of Monat, with what the
// program knows about it in memory (loaded, in the loading window, deleted,
// new, its statistics and state), and the month list kept in ascending
// month order. User-interface thread only.

#include <array>
#include <string>

#include "accounting/Bestandsdaten.h"
#include "accounting/Vertrag.h"
#include "accounting/Vorgang.h"
#include "storage/BookTables.h"
#include "storage/RecordList.h"

class CDatabase;

// The month collections a month operation walks; CBookData owns them.
struct CMonthCollections {
  CBestandsdatenList& accounts;
  CVorgangList& entries;
  CVertragList& contracts;
};

// Items of one kind in a month by confirmation index.
struct CItemCount {
  int unconfirmed = 0;  // index 0
  int confirmed = 0;    // index 1
  double sum = 0.0;
};

struct CMonthStatistics {
  CItemCount accounts;
  std::array<CItemCount, 5> entries;  // by entry type 1 ... 5
  CItemCount contracts;
  CItemCount total;
  std::array<double, 2> balances{};  // account balances by account type 1, 2
  double assets = 0.0;               // both balances together
  double growth = 0.0;               // assets less the previous month's
};

class CMonat : public CMonatRow {
 public:
  bool loaded = false;    // accounts, entries and contracts are in memory
  bool inWindow = false;  // lies in the loading window
  bool isNew = false;     // created since the list was loaded
  CMonthStatistics statistics;
  int state = 0;  // kMonthNotCreated ... kMonthClosed

  // Counts the month's items of the collections and sets statistics and
  // state (growth stays: it needs the previous month).
  void UpdateStatistics(const CMonthCollections& collections);
};

class CMonatList : public CRecordList<CMonat> {
 public:
  static constexpr const char* kLoadSql = "select * from [Monat] where Monat.BuchId = %d order by Monat.MonatId;";

  // Replaces the list with the book's months. The book's FirstExistMonatId
  // and LastExistMonatId become the smallest and largest month read (0 for
  // none); months inside FirstLoadMonatId ... LastLoadMonatId are flagged
  // in window and loaded (Load month of the book data brings their data).
  int Load(CDatabase& database, int bookId, CHaushaltsbuchRow& book);

  // The month of a key "%02d%04d" (the next after LastExistMonatId for an
  // empty or unreadable key): an existing one is reused and undeleted,
  // otherwise a new one is added. A month beyond LastExistMonatId moves it
  // there and counts one more month in LastMonatId.
  CMonat& Append(const std::string& key, CHaushaltsbuchRow& book);
  // The month of the id, found or appended, undeleted.
  CMonat& Create(int monthId, CHaushaltsbuchRow& book);
  // The month of the id (deleted ones too), or null.
  CMonat* FindMonth(int monthId);
  const CMonat* FindMonth(int monthId) const;

  // Writes every month with the book id (deleted ones are deleted), in one
  // transaction of its own or the caller's; Settle then lets the deleted
  // months go. Store does both.
  void Write(CDatabase& database, int bookId);
  using CRecordList<CMonat>::Settle;
  void Store(CDatabase& database, int bookId);

  // Flags the month deleted with its accounts, contracts and entries; every
  // other account and contract ending before newFirst is extended to it.
  void DeleteMonth(int monthId, int newFirst, const CMonthCollections& collections);
  // Extends every account and contract that ends before or in the month to
  // it and flags it new.
  void ExtendIntoMonth(int monthId, const CHaushaltsbuchRow& book, const CMonthCollections& collections);
  // Statistics and state of every loaded month that is not deleted, and
  // each one's growth against the month before.
  void UpdateStatistics(const CMonthCollections& collections);
  // Flags every month in window that lies in first ... last.
  void MarkWindow(int first, int last);

 private:
  void SortByMonth();
};
