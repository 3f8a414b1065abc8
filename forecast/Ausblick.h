#pragma once
// The book's forecast: its items (rows of Ausblick when stored), the months
// it covers and the items stored last time, whose settings carry over to
// newly derived items. One instance is owned by CBookData.

#include "storage/BookTables.h"
#include "storage/RecordList.h"

class CDatabase;

class CAusblick : public CAusblickRow {
 public:
  // An item that is never stored (the derivation's own helper rows).
  static constexpr int kUnsavedPostenId = -1;
};

class CAusblickList {
 public:
  // Replaces the stored items with the book's rows of Ausblick; returns how
  // many. The highest AusblickId seen is kept.
  int Load(CDatabase& database, int bookId);
  // Writes the items anew: every row of the book goes, then every savable
  // item is stored. All in one transaction; on failure the rows and the
  // list stay as they were. Deleted items then leave the list.
  void Store(CDatabase& database, int bookId);

  CRecordList<CAusblick>& Items() { return items_; }
  const CRecordList<CAusblick>& Items() const { return items_; }
  const CRecordList<CAusblick>& StoredItems() const { return storedItems_; }
  int HighestStoredId() const { return highestStoredId_; }
  // An AusblickId not used in this session nor by a stored row.
  int NewId() { return ++highestStoredId_; }

  int firstDataMonth = 0;
  int lastDataMonth = 0;
  int firstForecastMonth = 0;
  int lastForecastMonth = -1;  // -1 when no forecast months are asked

 private:
  CRecordList<CAusblick> items_;
  CRecordList<CAusblick> storedItems_;
  int highestStoredId_ = 0;
};
