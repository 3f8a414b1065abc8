#include "accounting/ContractDueEntries.h"

#include "accounting/DueDates.h"
#include "storage/Database.h"

namespace {

void DeleteEntry(CVorgang& entry) {
  entry.MarkDeleted();
  entry.changed = 1;
}

// A transfer moves both of its accounts, the other kinds the one account.
void SetAccounts(CVorgang& entry, const CVertragRow& contract) {
  const bool transfer = contract.Typ == kContractTransfer;
  entry.SrcKontoId = transfer ? contract.KontoId : 0;
  entry.TarKontoId = transfer ? contract.TarKontoId : 0;
  entry.BetrKontoId = transfer ? 0 : contract.KontoId;
}

void SetDueDate(CVorgang& entry, const CDate& date) {
  entry.Datum = date;
  entry.FaelligDatum = date;
}

void FillShareEntry(CVorgang& share, const CVertrag& record) {
  share.Bezeichnung = MonthlyShareText(record);
  share.Typ = kEntryReserveShare;
  share.Betrag = MonthlyShare(record);
  share.KategorieId = record.KategorieId;
  share.Datum = MonthlyShareDate(record, record.MonatId);
  share.RefVertragPostenId = record.PostenId;
  share.Bestaetigt = 1;  // a share is computed, there is nothing to confirm
  SetAccounts(share, record);
  share.changed = 1;
}

void RenewShareEntry(const CDueEntryContext& context, const CVertrag& record) {
  bool kept = false;
  for (CVorgang* entry : context.entries.EntriesOfContract(record.PostenId, record.MonatId)) {
    if (entry->Typ != kEntryReserveShare) continue;
    if (record.Rueckstellung != 0 && !kept) {
      FillShareEntry(*entry, record);
      kept = true;
    } else {
      DeleteEntry(*entry);
    }
  }
  if (record.Rueckstellung != 0 && !kept)
    FillShareEntry(context.entries.NewEntry(context.database, context.bookId, record.MonatId), record);
}

// The record's values named by the flags, and the due date.
void ApplyContractValues(CVorgang& entry, const CVertrag& record, int flags, const CDate& date) {
  if (flags & kContractChangeMasterData) {
    entry.Bezeichnung = record.Bezeichnung;
    entry.Typ = DueEntryType(record);
    entry.RefVertragPostenId = record.PostenId;
  }
  if (flags & kContractChangePayment) {
    entry.KategorieId = record.KategorieId;
    entry.Betrag = record.Betrag;
    entry.Bestaetigt = record.CheckErforderlich != 0 ? 0 : 1;
    SetAccounts(entry, record);
  }
  SetDueDate(entry, date);
  entry.changed = 1;
}

void FillNewDueEntry(CVorgang& entry, const CVertrag& record, const CDate& date) {
  ApplyContractValues(entry, record, kContractChangeMasterData | kContractChangePayment, date);
}

// What the renewal leaves as it is.
bool KeepsItsValues(const CVorgang& entry, const CVertrag& record) {
  return entry.IsPaidInOtherMonth() || (entry.Bestaetigt != 0 && record.CheckErforderlich != 0);
}

void RefreshDueEntry(CVorgang& entry, const CVertrag& record, const CDate& date) {
  if (!KeepsItsValues(entry, record)) ApplyContractValues(entry, record, record.changeFlags, date);
}

void RemoveEntriesOfMonth(const CDueEntryContext& context, const CVertrag& record) {
  for (CVorgang* entry : context.entries.EntriesOfContract(record.PostenId, record.MonatId))
    if (!entry->IsPaymentRecord()) DeleteEntry(*entry);
}

}  // namespace

int DueEntryType(const CVertragRow& contract) {
  switch (contract.Typ) {
    case kContractIncome: return kEntryIncome;
    case kContractTransfer: return kEntryTransfer;
    default: return kEntryExpense;
  }
}

void CreateDueEntries(const CDueEntryContext& context, CVertrag& record) {
  if (record.IsDeleted() || !record.ValidIn(record.MonatId)) {
    RemoveEntriesOfMonth(context, record);
    return;
  }
  RenewShareEntry(context, record);
  const CVorgangList::CEntries existing = context.entries.DueEntriesOfContract(record.PostenId, record.MonatId);
  std::size_t used = 0;
  for (const CDate& date : DueDatesInMonth(record, record.MonatId)) {
    if (used < existing.size())
      RefreshDueEntry(*existing[used++], record, date);
    else
      FillNewDueEntry(context.entries.NewEntry(context.database, context.bookId, record.MonatId), record, date);
  }
  for (; used < existing.size(); ++used)
    if (!existing[used]->IsPaidInOtherMonth()) DeleteEntry(*existing[used]);
  // Account ids and references were set directly.
  context.entries.InvalidateIndex();
  for (CVorgang* entry : context.entries.EntriesOfContract(record.PostenId, record.MonatId)) entry->contract = &record;
}
