#include "forecast/Ausblick.h"

#include <algorithm>

#include "storage/Database.h"
#include "storage/Schema.h"
#include "storage/StrFormat.h"
#include "storage/Transaction.h"

int CAusblickList::Load(CDatabase& database, int bookId) {
  CRecordList<CAusblick> loaded;
  const int count = loaded.Load(database, StrFormat("select * from [Ausblick] where Ausblick.BuchId = %d;", bookId));
  for (const CAusblick& item : loaded) highestStoredId_ = std::max(highestStoredId_, item.AusblickId);
  storedItems_ = std::move(loaded);
  return count;
}

void CAusblickList::Store(CDatabase& database, int bookId) {
  {
    CTransaction transaction(database);
    DeleteAllRowsOfBook(database, "Ausblick", bookId);
    for (const CAusblick& item : items_)
      if (item.PostenId != CAusblick::kUnsavedPostenId) item.Store(database, bookId);
    transaction.Commit();
  }
  items_.RemoveIf([](const CAusblick& item) { return item.IsDeleted(); });
}
