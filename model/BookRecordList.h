#pragma once
// The per-book collections (categories, units, monitoring rules, forecast
// items): the rows of one book in load order and the highest id seen, which
// new records continue (ids are never given out twice in a session).
//
// Stored with CRecordList's Write/Settle/Store.
//
// T provides static constexpr const char* kLoadSql (book id); IdMember is
// the pointer to its id column, e.g. &CKategorieRow::KategorieId. T may
// also provide
//   static constexpr const char* kHighestIdSql;  // (book id), column "n"
// the highest id the database holds or refers to for the book (rows that
// are not loaded, deleted rows still named by others), and
//   static constexpr int kReservedIds;
// ids 1 ... kReservedIds are never given to a new record.
// User-interface thread only.

#include <algorithm>

#include "storage/Database.h"
#include "storage/RecordList.h"
#include "storage/Result.h"
#include "storage/StrFormat.h"

template <class T, auto IdMember>
class CBookRecordList : public CRecordList<T> {
 public:
  // Appends the book's rows; returns how many. New ids continue after the
  // highest one loaded and the highest the database knows for the book.
  int LoadBook(CDatabase& database, int bookId) {
    const int first = this->Count();
    const int loaded = this->Load(database, StrFormat(T::kLoadSql, bookId));
    for (int position = first; position < this->Count(); ++position) NoteId(this->Find(position)->*IdMember);
    SeedFromDatabase(database, bookId);
    return loaded;
  }
  // Lets new ids continue after the highest id the database holds or refers
  // to for the book (T::kHighestIdSql); LoadBook does it. For a list made
  // empty for a book that may have rows already.
  void SeedFromDatabase(CDatabase& database, int bookId) {
    if constexpr (requires { T::kHighestIdSql; }) {
      const CResult result = database.Query(StrFormat(T::kHighestIdSql, bookId));
      if (!result.AtEnd() && !result.IsNull("n")) NoteId(result.Int("n"));
    }
  }
  // The non-deleted record with the id, or null.
  T* FindId(int id) {
    for (T& record : *this)
      if (!record.IsDeleted() && record.*IdMember == id) return &record;
    return nullptr;
  }
  const T* FindId(int id) const { return const_cast<CBookRecordList*>(this)->FindId(id); }
  // The record a list screen shows at that row: the row-th record (from 0)
  // that is not deleted; null when there is none.
  T* FindAtListPosition(int row) {
    if (row < 0) return nullptr;
    for (T& record : *this)
      if (!record.IsDeleted() && row-- == 0) return &record;
    return nullptr;
  }

  // The highest id read, seeded or given out.
  int HighestId() const { return highestId_; }
  void NoteId(int id) { highestId_ = std::max(highestId_, id); }
  // Appends a record with the next id (never a reserved one); returns it.
  T& AppendWithNewId() {
    highestId_ = std::max(highestId_, ReservedIds()) + 1;
    T& record = this->AppendNew();
    record.*IdMember = highestId_;
    return record;
  }

 private:
  static constexpr int ReservedIds() {
    if constexpr (requires { T::kReservedIds; })
      return T::kReservedIds;
    else
      return 0;
  }

  int highestId_ = 0;
};
