#pragma once
// The per-book collections (categories, units, monitoring rules, forecast
// items): the rows of one book in load order and the highest id seen, which
// new records continue (ids are never given out twice in a session).
//
// Stored with CRecordList's Write/Settle/Store.
//
// T provides static constexpr const char* kLoadSql (book id); IdMember is
// the pointer to its id column, e.g. &CKategorieRow::KategorieId.
// User-interface thread only.

#include <algorithm>

#include "storage/Database.h"
#include "storage/RecordList.h"
#include "storage/StrFormat.h"

template <class T, auto IdMember>
class CBookRecordList : public CRecordList<T> {
 public:
  // Appends the book's rows; returns how many.
  int LoadBook(CDatabase& database, int bookId) {
    const int first = this->Count();
    const int loaded = this->Load(database, StrFormat(T::kLoadSql, bookId));
    for (int position = first; position < this->Count(); ++position) NoteId(this->Find(position)->*IdMember);
    return loaded;
  }
  // The non-deleted record with the id, or null.
  T* FindId(int id) {
    for (T& record : *this)
      if (!record.IsDeleted() && record.*IdMember == id) return &record;
    return nullptr;
  }

  int HighestId() const { return highestId_; }
  void NoteId(int id) { highestId_ = std::max(highestId_, id); }
  // Appends a record with the next id; returns it.
  T& AppendWithNewId() {
    T& record = this->AppendNew();
    record.*IdMember = ++highestId_;
    return record;
  }

 private:
  int highestId_ = 0;
};
