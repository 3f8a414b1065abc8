#include "model/PlannerOperations.h"

#include "model/BookData.h"

namespace {

// The contract record of the month, or with kAnyLoadedMonth the first live one.
template <class List>
auto* FindRecord(List* list, int postenId, int monthId) {
  using Record = std::remove_reference_t<decltype(*list->begin())>;
  if (!list) return static_cast<Record*>(nullptr);
  if (monthId != kAnyLoadedMonth) return list->FindPosten(postenId, monthId);
  for (Record& record : *list)
    if (record.PostenId == postenId && !record.IsDeleted()) return &record;
  return static_cast<Record*>(nullptr);
}

}  // namespace

CBestandsdaten* CPlannerRecordOperations::FindAccount(int postenId, int monthId) {
  CBestandsdatenList* accounts = bookData_.Accounts();
  return accounts ? accounts->FindAccount(postenId, monthId) : nullptr;
}

CVertrag* CPlannerRecordOperations::FindContract(int postenId, int monthId) {
  return FindRecord(bookData_.Contracts(), postenId, monthId);
}

CVorgang* CPlannerRecordOperations::FindContractEntry(int contractId, int monthId, bool includeReserve) {
  CVorgangList* entries = bookData_.Entries();
  return entries ? entries->FindContractEntry(contractId, monthId, includeReserve) : nullptr;
}

void CPlannerRecordOperations::DeleteEntry(CVorgang& entry) {
  entry.MarkDeleted();
  entry.changed = 1;
}

void CPlannerRecordOperations::UnlinkEntryFromContract(CVorgang& entry) {
  entry.RefVertragPostenId = 0;
  entry.contract = nullptr;
  entry.changed = 1;
}
