#pragma once
// The per-month collections of a book (accounts, entries, contracts): every
// record belongs to one month (MonatId) and one item (PostenId), and the list
// holds the records of every loaded month in load order.
//
// Storing is split in two so that the book data can store several lists in
// one transaction and leave memory untouched when it fails: WriteMonth issues
// the statements and changes nothing in the list; SettleMonth, called after
// the commit, lets the deleted records go and clears the change marks.
//
// T derives from a row struct with int PostenId and MonatId and provides
//   static constexpr const char* kLoadMonthSql;  // (book id, month id)
//   static constexpr const char* kHighestIdSql;  // (book id), column "n"
//   bool NeedsStore() const;                      // written by WriteMonth
//   void MarkStored();                            // after a commit
// User-interface thread only.

#include <algorithm>
#include <string_view>

#include "storage/Database.h"
#include "storage/RecordList.h"
#include "storage/Result.h"
#include "storage/StrFormat.h"

// Month id that stands for every loaded month.
inline constexpr int kAllLoadedMonths = -1;

template <class T>
class CMonthRecordList : public CRecordList<T> {
 public:
  // Appends the rows of (book, month); returns how many. The highest
  // PostenId seen grows with them. Nothing is appended when reading fails.
  int LoadMonth(CDatabase& database, int bookId, int monthId) {
    const int first = this->Count();
    const int loaded = this->Load(database, StrFormat(T::kLoadMonthSql, bookId, monthId));
    for (int position = first; position < this->Count(); ++position)
      NotePostenId(this->Find(position)->PostenId);
    return loaded;
  }

  // Issues the statements of the month's records (kAllLoadedMonths: of
  // every record) that need storing, in one transaction of their own or
  // inside the caller's. The list itself is not changed.
  void WriteMonth(CDatabase& database, int bookId, int monthId) const {
    this->Write(database, bookId,
                [monthId](const T& record) { return InMonth(record, monthId) && record.NeedsStore(); });
  }
  // After the written statements are committed: the month's deleted records
  // leave the list, the others count as stored.
  void SettleMonth(int monthId) {
    this->Settle([monthId](const T& record) { return InMonth(record, monthId); });
    for (T& record : *this)
      if (InMonth(record, monthId)) record.MarkStored();
  }
  // WriteMonth and SettleMonth in one: all of the month lands or nothing,
  // and on failure the list is as it was.
  void StoreMonth(CDatabase& database, int bookId, int monthId) {
    WriteMonth(database, bookId, monthId);
    SettleMonth(monthId);
  }

  // Removes the month's records without storing them; returns how many.
  int DropMonth(int monthId) {
    return this->RemoveIf([monthId](const T& record) { return record.MonatId == monthId; });
  }

  // The record of item postenId in the month (deleted ones included), or null.
  T* FindPosten(int postenId, int monthId) {
    for (T& record : *this)
      if (record.PostenId == postenId && record.MonatId == monthId) return &record;
    return nullptr;
  }
  const T* FindPosten(int postenId, int monthId) const {
    return const_cast<CMonthRecordList*>(this)->FindPosten(postenId, monthId);
  }
  bool HasMonth(int monthId) const {
    return std::any_of(this->begin(), this->end(), [monthId](const T& record) { return record.MonatId == monthId; });
  }

  // The highest PostenId read or given out in this session.
  int HighestPostenId() const { return highestPostenId_; }
  void NotePostenId(int postenId) { highestPostenId_ = std::max(highestPostenId_, postenId); }
  // A PostenId no record of the book has, in memory or in any month of the
  // database (also those not loaded); it counts as given out. The database
  // is asked once per list: every row added since came through this program
  // and so through a list that noted its id.
  int NewPostenId(CDatabase& database, int bookId) {
    if (!databaseConsulted_) {
      const CResult result = database.Query(StrFormat(T::kHighestIdSql, bookId));
      NotePostenId(result.AtEnd() || result.IsNull("n") ? 0 : result.Int("n"));
      databaseConsulted_ = true;
    }
    NotePostenId(highestPostenId_ + 1);
    return highestPostenId_;
  }

 private:
  static bool InMonth(const T& record, int monthId) {
    return monthId == kAllLoadedMonths || record.MonatId == monthId;
  }

  int highestPostenId_ = 0;
  bool databaseConsulted_ = false;
};
