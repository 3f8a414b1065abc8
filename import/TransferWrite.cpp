#include "import/TransferWrite.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "accounting/AccountComputation.h"
#include "accounting/AccountInterest.h"
#include "accounting/EntryEdit.h"
#include "import/ImportRecord.h"
#include "import/ImportRegel.h"
#include "import/UserImport.h"
#include "model/BookData.h"
#include "model/MonthMath.h"
#include "storage/StrFormat.h"

namespace {

constexpr double kSameCent = 0.005;

CWriteOutcome Written() { return {true, {}}; }
CWriteOutcome Refused(std::string reason) { return {false, std::move(reason)}; }

// The confirmation the user gave on the transfer screen (kept in the
// UserImport row), else the rule's direct confirmation.
int ConfirmedFlag(const CImportRecord& record) {
  return record.userImport != nullptr ? record.userImport->iBestaetigt : record.directConfirmation;
}

int CategoryOf(const CImportRecord& record) {
  if (record.categoryId != 0) return record.categoryId;
  return record.rule != nullptr ? record.rule->KategorieId : 0;
}

// The contract's due entry of the month, preferably the one of the due date.
CVorgang* FindDueEntry(CVorgangList& entries, int contractId, int monthId, const CDate& dueDate) {
  for (CVorgang* entry : entries.EntriesOfContract(contractId, monthId))
    if (entry->Typ != kEntryReserveShare && !entry->IsPaymentRecord() && entry->FaelligDatum == dueDate)
      return entry;
  return entries.FindContractEntry(contractId, monthId, false);
}

CEntryValues PaymentValues(const CVorgang& entry, const CImportRecord& record) {
  CEntryValues values{entry.Typ,     entry.Bezeichnung, entry.KategorieId,     std::fabs(record.amount),
                      record.date,   ConfirmedFlag(record), entry.Sonder,      entry.BetrKontoId,
                      entry.SrcKontoId, entry.TarKontoId};
  if (record.categoryId != 0) values.KategorieId = record.categoryId;
  if (record.accountId > 0) {
    if (entry.Typ != kEntryTransfer)
      values.BetrKontoId = record.accountId;
    else if (record.amount < 0.0)
      values.SrcKontoId = record.accountId;
    else
      values.TarKontoId = record.accountId;
  }
  return values;
}

}  // namespace

bool CBookWriter::IsLoaded(int monthId) const {
  return monthId > 0 && monthId >= book_.Book().FirstLoadMonatId && monthId <= book_.Book().LastLoadMonatId;
}

CWriteOutcome CBookWriter::Write(const CImportRecord& record) {
  switch (record.kind) {
    case kImportKindNoTransfer: return Written();
    case kImportKindContractPayment: return WriteContractPayment(record);
    case kImportKindEntry: return WriteEntry(record);
    case kImportKindInterest: return WriteInterest(record);
    case kImportKindBalance: return WriteBalance(record);
    default: return Refused(kTextNoKind);
  }
}

void CBookWriter::Finish() {
  if (pending_.empty()) return;
  std::sort(pending_.begin(), pending_.end());
  pending_.erase(std::unique(pending_.begin(), pending_.end()), pending_.end());
  RecomputeAffectedAccounts(AccountContextOf(book_), pending_);
  pending_.clear();
}

CWriteOutcome CBookWriter::WriteContractPayment(const CImportRecord& record) {
  if (record.contractId <= 0) return Refused(kTextNoContract);
  if (record.dueDate.IsZero()) return Refused(kTextNoDueDate);
  const int dueMonth = MonthIdOfDate(record.dueDate);
  const int bookingMonth = MonthIdOfDate(record.date);
  if (!IsLoaded(dueMonth)) return Refused(StrFormat(kTextMonthNotLoaded, MonthLabel(dueMonth)));
  if (!IsLoaded(bookingMonth)) return Refused(StrFormat(kTextMonthNotLoaded, MonthLabel(bookingMonth)));
  CVorgang* entry = FindDueEntry(*book_.Entries(), record.contractId, dueMonth, record.dueDate);
  if (entry == nullptr)
    return Refused(StrFormat(kTextNoDueEntry, book_.Contracts()->ContractName(record.contractId),
                             record.dueDate.ToScreenText()));
  // The import moves a payment into its booking month without asking: the
  // entry is applied as the screen applies a new one. Applying recomputes
  // the accounts it touched.
  CEntryEditor editor(book_);
  return editor.Apply(*entry, PaymentValues(*entry, record), true).applied ? Written() : Refused(kTextEntryRefused);
}

CWriteOutcome CBookWriter::WriteEntry(const CImportRecord& record) {
  const int month = MonthIdOfDate(record.date);
  if (!IsLoaded(month)) return Refused(StrFormat(kTextMonthNotLoaded, MonthLabel(month)));
  CEntryValues values;
  values.Typ = record.amount > 0.0 ? kEntryIncome : kEntryExpense;
  values.Bezeichnung = record.transferText;
  values.KategorieId = CategoryOf(record);
  values.Betrag = std::fabs(record.amount);
  values.Datum = record.date;
  values.Bestaetigt = ConfirmedFlag(record);
  values.BetrKontoId = record.accountId;
  CVorgangList& entries = *book_.Entries();
  CVorgang& entry = entries.NewEntry(*book_.Database(), book_.CurrentBookId(), month);
  WriteEntryValues(entry, values);
  entries.InvalidateIndex();  // the entry has its account now
  AddAffectedAccounts(entry, pending_);
  return Written();
}

CWriteOutcome CBookWriter::WriteInterest(const CImportRecord& record) {
  if (record.accountId <= 0) return Refused(kTextNoAccount);
  const int month = MonthIdOfDate(record.date);
  if (!IsLoaded(month)) return Refused(StrFormat(kTextMonthNotLoaded, MonthLabel(month)));
  const CVorgang* entry = SetInterestAndFees(AccountContextOf(book_), record.accountId, month, record.amount);
  if (entry == nullptr) return Refused(StrFormat(kTextMonthNotLoaded, MonthLabel(month)));
  const double booked = entry->Typ == kEntryIncome ? entry->Betrag : -entry->Betrag;
  if (std::fabs(booked - record.amount) >= kSameCent)
    return Refused(StrFormat(kTextInterestConfirmed, book_.Accounts()->AccountName(record.accountId),
                             MonthLabel(month)));
  pending_.push_back({record.accountId, month});
  return Written();
}

// The correction booked for a confirmed balance compares it with the
// computed one: the accounts must be computed first.
CWriteOutcome CBookWriter::WriteBalance(const CImportRecord& record) {
  if (record.accountId <= 0) return Refused(kTextNoAccount);
  const int month = MonthIdOfDate(record.date);
  if (book_.Accounts()->FindLiveAccount(record.accountId, month) == nullptr)
    return Refused(StrFormat(kTextNoAccountMonth, book_.Accounts()->AccountName(record.accountId),
                             MonthLabel(month)));
  Finish();
  SetConfirmedBalance(AccountContextOf(book_), record.accountId, month, record.amount, 1);
  return Written();
}
