#include "accounting/EntryRow.h"

#include <cmath>

#include "accounting/DueDates.h"
#include "accounting/Vertrag.h"
#include "storage/Format.h"
#include "storage/StrFormat.h"

namespace {

// The contract's record of the month, else any of its loaded records.
const CVertrag* ContractRecord(const CVertragList& contracts, int contractId, int monthId) {
  const CVertrag* any = nullptr;
  for (const CVertrag& contract : contracts) {
    if (contract.IsDeleted() || contract.PostenId != contractId) continue;
    if (contract.MonatId == monthId) return &contract;
    if (any == nullptr) any = &contract;
  }
  return any;
}

void FillAmountColumns(const CVorgang& entry, int filterAccountId, CEntryRowTexts& row) {
  const std::string amount = FormatAmount(std::fabs(entry.Betrag));
  switch (entry.Typ) {
    case kEntryIncome: row.income = amount; break;
    case kEntryExpense:
    case kEntryConsumption: row.expense = amount; break;
    case kEntryReserveShare: (entry.Betrag < 0 ? row.expense : row.income) = amount; break;
    case kEntryTransfer:
      if (filterAccountId == 0 || filterAccountId == entry.TarKontoId) row.income = amount;
      if (filterAccountId == 0 || filterAccountId == entry.SrcKontoId) row.expense = amount;
      break;
    default: break;
  }
}

}  // namespace

CDate EntryDueDate(const CVorgang& entry, const CVertragList& contracts, int monthId) {
  if (!entry.FaelligDatum.IsZero()) return entry.FaelligDatum;
  const CVertrag* contract = ContractRecord(contracts, entry.RefVertragPostenId, monthId);
  if (contract == nullptr) return CDate();
  return DueInMonth(*contract, monthId).value_or(CDate());
}

EEntryIcon EntryIcon(const CVorgang& entry) {
  if (entry.IsCorrection()) return EEntryIcon::Correction;
  if (entry.IsComputedInterest()) return EEntryIcon::Interest;
  if (!entry.RefersToContract()) return EEntryIcon::Plain;
  return entry.Typ == kEntryReserveShare ? EEntryIcon::Reserve : EEntryIcon::Contract;
}

CEntryRowTexts EntryRowTexts(const CVorgang& entry, const CVertragList& contracts, int filterAccountId) {
  CEntryRowTexts row;
  row.icon = EntryIcon(entry);
  row.date = entry.Datum.ToScreenText();
  if (entry.RefersToContract() && entry.IsPaidInOtherMonth()) {
    row.date = StrFormat("%s!", EntryDueDate(entry, contracts, entry.MonatId).ToScreenText());
    row.note = StrFormat("bezahlt am %s", entry.Datum.ToScreenText());
  } else if (entry.RefersToContract() && entry.IsPaymentRecord()) {
    row.note = StrFormat("Fälligk. vom %s", EntryDueDate(entry, contracts, entry.DueMonthId()).ToScreenText());
  }
  FillAmountColumns(entry, filterAccountId, row);
  return row;
}
