#include "accounting/Vorgang.h"

#include <algorithm>
#include <type_traits>
#include <utility>
#include <variant>

#include "accounting/Vertrag.h"

namespace {

using CBase = CMonthRecordList<CVorgang>;

std::uint64_t MakeKey(int id, int monthId) {
  return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(id)) << 32) |
         static_cast<std::uint32_t>(monthId);
}

// The live contract records of the list by (PostenId, MonatId), the first of
// each; one pass instead of a search per entry.
template <class List>
auto LiveContractsByMonth(List& contracts) {
  using CPointer = std::conditional_t<std::is_const_v<List>, const CVertrag*, CVertrag*>;
  std::unordered_map<std::uint64_t, CPointer> records;
  for (auto& contract : contracts)
    if (!contract.IsDeleted()) records.emplace(MakeKey(contract.PostenId, contract.MonatId), &contract);
  return records;
}

template <class Map>
auto Lookup(const Map& map, int id, int monthId) -> typename Map::mapped_type {
  const auto it = map.find(MakeKey(id, monthId));
  return it == map.end() ? nullptr : it->second;
}

}  // namespace

std::vector<int> CVorgang::AccountIds() const {
  std::vector<int> ids;
  for (int id : IsTransfer() ? std::vector<int>{SrcKontoId, TarKontoId} : std::vector<int>{BetrKontoId})
    if (id != 0 && std::find(ids.begin(), ids.end(), id) == ids.end()) ids.push_back(id);
  return ids;
}

bool CVorgang::RefersToAccount(int accountId) const {
  if (accountId == 0) return false;
  return IsTransfer() ? SrcKontoId == accountId || TarKontoId == accountId : BetrKontoId == accountId;
}

void CVorgang::CopyColumnsFrom(CVorgang& other) {
  if (&other == this) return;
  int bookId = 0;
  const CFieldTable from = other.Fields(bookId);
  const CFieldTable to = Fields(bookId);
  for (std::size_t column = 0; column < from.Fields().size(); ++column) {
    std::visit(
        [](auto* source, auto* target) {
          if constexpr (std::is_same_v<decltype(source), decltype(target)>) *target = *source;
        },
        from.Fields()[column].Member(), to.Fields()[column].Member());
  }
}

std::string CVorgang::TypeName(int typ) {
  switch (typ) {
    case kEntryIncome: return "Einahme";
    case kEntryExpense: return "Ausgabe";
    case kEntryConsumption: return "Verbrauch";
    case kEntryReserveShare: return "Anteil";
    case kEntryTransfer: return "Transaktion";
    default: return {};
  }
}

CVorgang& CVorgangList::NewEntry(CDatabase& database, int bookId, int monthId) {
  const int postenId = NewPostenId(database, bookId);
  CVorgang& entry = AppendNew();
  entry.PostenId = postenId;
  entry.MonatId = monthId;
  entry.Typ = kEntryExpense;
  entry.Bezeichnung = "Neuer Vorgang";
  entry.Betrag = 0.0;
  entry.changed = 1;
  return entry;
}

CVorgang& CVorgangList::AppendCopy(CVorgang& after, int monthId) {
  auto copy = std::make_unique<CVorgang>();
  copy->CopyColumnsFrom(after);
  copy->MonatId = monthId;
  copy->contract = after.contract;
  copy->changed = 1;
  return InsertAt(after.Position() + 1, std::move(copy));
}

CVorgang& CVorgangList::MoveToMonth(CVorgang& entry, int monthId) {
  if (entry.MonatId == monthId) return entry;
  if (!entry.KnownInDatabase()) {
    entry.MonatId = monthId;
    entry.changed = 1;
    InvalidateIndex();
    return entry;
  }
  CVorgang& moved = AppendCopy(entry, monthId);
  entry.MarkDeleted();
  return moved;
}

std::uint64_t CVorgangList::PairKey(int id, int monthId) { return MakeKey(id, monthId); }

void CVorgangList::EnsureIndex() {
  if (indexValid_ && indexedCount_ == Count()) return;
  byMonth_.clear();
  byContract_.clear();
  byAccount_.clear();
  for (CVorgang& entry : *this) {
    byMonth_[PairKey(0, entry.MonatId)].push_back(&entry);
    if (entry.RefVertragPostenId != kNoContract)
      byContract_[PairKey(entry.RefVertragPostenId, entry.MonatId)].push_back(&entry);
    for (int accountId : entry.AccountIds()) byAccount_[PairKey(accountId, entry.MonatId)].push_back(&entry);
  }
  indexValid_ = true;
  indexedCount_ = Count();
}

template <class Matches>
CVorgangList::CEntries CVorgangList::Select(const std::unordered_map<std::uint64_t, CEntries>& map,
                                            std::uint64_t key, Matches matches) {
  CEntries selected;
  const auto it = map.find(key);
  if (it == map.end()) return selected;
  for (CVorgang* entry : it->second)
    if (entry->IsLive() && matches(*entry)) selected.push_back(entry);
  return selected;
}

CVorgangList::CEntries CVorgangList::EntriesOfMonth(int monthId) {
  EnsureIndex();
  return Select(byMonth_, PairKey(0, monthId), [monthId](const CVorgang& e) { return e.MonatId == monthId; });
}

CVorgangList::CEntries CVorgangList::EntriesOfContract(int contractId, int monthId) {
  EnsureIndex();
  return Select(byContract_, PairKey(contractId, monthId), [=](const CVorgang& e) {
    return e.MonatId == monthId && e.RefVertragPostenId == contractId;
  });
}

CVorgangList::CEntries CVorgangList::EntriesOfAccount(int accountId, int monthId) {
  EnsureIndex();
  return Select(byAccount_, PairKey(accountId, monthId), [=](const CVorgang& e) {
    return e.MonatId == monthId && e.RefersToAccount(accountId);
  });
}

CVorgangList::CEntries CVorgangList::DueEntriesOfContract(int contractId, int monthId) {
  CEntries due = EntriesOfContract(contractId, monthId);
  std::erase_if(due, [](const CVorgang* e) { return e->Typ == kEntryReserveShare || e->IsPaymentRecord(); });
  return due;
}

CVorgang* CVorgangList::FindContractEntry(int contractId, int monthId, bool includeType4) {
  for (CVorgang* entry : EntriesOfContract(contractId, monthId))
    if (includeType4 || entry->Typ != kEntryReserveShare) return entry;
  return nullptr;
}

int CVorgangList::CountAccountReferences(int accountId, int monthId) {
  if (monthId != kAllLoadedMonths) return static_cast<int>(EntriesOfAccount(accountId, monthId).size());
  return static_cast<int>(std::count_if(begin(), end(), [accountId](const CVorgang& e) {
    return e.IsLive() && e.RefersToAccount(accountId);
  }));
}

int CVorgangList::CountContractReferences(int contractId, int monthId, const CVertragList& contracts) {
  const auto records = LiveContractsByMonth(contracts);
  auto counts = [&](const CVorgang& e) {
    if (!e.IsLive() || e.RefVertragPostenId != contractId) return false;
    const CVertrag* record = Lookup(records, contractId, e.MonatId);
    return record != nullptr && (e.Bestaetigt != 0 || record->CheckErforderlich == 0);
  };
  if (monthId != kAllLoadedMonths) {
    const CEntries candidates = EntriesOfContract(contractId, monthId);
    return static_cast<int>(std::count_if(candidates.begin(), candidates.end(), [&](const CVorgang* e) { return counts(*e); }));
  }
  return static_cast<int>(std::count_if(begin(), end(), counts));
}

void CVorgangList::LinkContracts(CVertragList& contracts) {
  const auto records = LiveContractsByMonth(contracts);
  for (CVorgang& entry : *this) {
    if (!entry.IsLive()) continue;
    if (entry.Typ == kEntryReserveShare && entry.RefVertragPostenId == kNoContract) {
      entry.MarkDeleted();
      continue;
    }
    if (!entry.RefersToContract()) {
      entry.contract = nullptr;
      continue;
    }
    // Every link is set afresh: a record the contracts collection has let
    // go since the last run must not stay linked.
    entry.contract = Lookup(records, entry.RefVertragPostenId, entry.MonatId);
    if (entry.contract == nullptr) {
      entry.RefVertragPostenId = kNoContract;
      entry.changed = 1;
    }
  }
  InvalidateIndex();
}

int CVorgangList::ConfirmPastDueEntries(const CVertragList& contracts, const CDate& today) {
  const auto records = LiveContractsByMonth(contracts);
  int confirmed = 0;
  for (CVorgang& entry : *this) {
    if (!entry.IsLive() || entry.Typ == kEntryReserveShare || entry.Bestaetigt != 0) continue;
    if (!entry.RefersToContract() || !(entry.Datum < today)) continue;
    const CVertrag* record = Lookup(records, entry.RefVertragPostenId, entry.MonatId);
    if (record == nullptr || record->CheckErforderlich != 0) continue;
    entry.Bestaetigt = 1;
    entry.changed = 1;
    ++confirmed;
  }
  return confirmed;
}

int CVorgangList::LoadMonth(CDatabase& database, int bookId, int monthId) {
  InvalidateIndex();
  return CBase::LoadMonth(database, bookId, monthId);
}

void CVorgangList::SettleMonth(int monthId) {
  InvalidateIndex();
  CBase::SettleMonth(monthId);
}

void CVorgangList::StoreMonth(CDatabase& database, int bookId, int monthId) {
  WriteMonth(database, bookId, monthId);
  SettleMonth(monthId);
}

int CVorgangList::DropMonth(int monthId) {
  InvalidateIndex();
  return CBase::DropMonth(monthId);
}

CVorgang& CVorgangList::Append(std::unique_ptr<CVorgang> record) { return InsertAt(Count(), std::move(record)); }

CVorgang& CVorgangList::InsertAt(int position, std::unique_ptr<CVorgang> record) {
  InvalidateIndex();
  CVorgang& inserted = CBase::InsertAt(position, std::move(record));
  NotePostenId(inserted.PostenId);
  return inserted;
}

bool CVorgangList::RemoveAt(int position) {
  InvalidateIndex();
  return CBase::RemoveAt(position);
}

bool CVorgangList::Remove(const CVorgang& record) {
  InvalidateIndex();
  return CBase::Remove(record);
}

void CVorgangList::DeleteAll() {
  InvalidateIndex();
  CBase::DeleteAll();
}

void CVorgangList::SortByKey(int which) {
  InvalidateIndex();
  CBase::SortByKey(which);
}
