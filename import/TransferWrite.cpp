#include "import/TransferWrite.h"

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

bool IsLoaded(CBookData& book, int monthId) {
  return monthId > 0 && monthId >= book.Book().FirstLoadMonatId && monthId <= book.Book().LastLoadMonatId;
}

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

// The import moves a payment into its booking month without asking: the
// entry is applied as the screen applies a new one.
CWriteOutcome ApplyEntry(CBookData& book, CVorgang& entry, const CEntryValues& values) {
  CEntryEditor editor(book);
  return editor.Apply(entry, values, true).applied ? Written() : Refused(kTextEntryRefused);
}

CWriteOutcome WriteContractPayment(CBookData& book, const CImportRecord& record) {
  if (record.contractId <= 0) return Refused(kTextNoContract);
  if (record.dueDate.IsZero()) return Refused(kTextNoDueDate);
  const int dueMonth = MonthIdOfDate(record.dueDate);
  const int bookingMonth = MonthIdOfDate(record.date);
  if (!IsLoaded(book, dueMonth)) return Refused(StrFormat(kTextMonthNotLoaded, MonthLabel(dueMonth)));
  if (!IsLoaded(book, bookingMonth)) return Refused(StrFormat(kTextMonthNotLoaded, MonthLabel(bookingMonth)));
  CVorgang* entry = FindDueEntry(*book.Entries(), record.contractId, dueMonth, record.dueDate);
  if (entry == nullptr)
    return Refused(StrFormat(kTextNoDueEntry, book.Contracts()->ContractName(record.contractId),
                             record.dueDate.ToScreenText()));
  return ApplyEntry(book, *entry, PaymentValues(*entry, record));
}

CWriteOutcome WriteEntry(CBookData& book, const CImportRecord& record) {
  const int month = MonthIdOfDate(record.date);
  if (!IsLoaded(book, month)) return Refused(StrFormat(kTextMonthNotLoaded, MonthLabel(month)));
  CEntryValues values;
  values.Typ = record.amount > 0.0 ? kEntryIncome : kEntryExpense;
  values.Bezeichnung = record.transferText;
  values.KategorieId = CategoryOf(record);
  values.Betrag = std::fabs(record.amount);
  values.Datum = record.date;
  values.Bestaetigt = ConfirmedFlag(record);
  values.BetrKontoId = record.accountId;
  CVorgang& entry = book.Entries()->NewEntry(*book.Database(), book.CurrentBookId(), month);
  CWriteOutcome outcome = ApplyEntry(book, entry, values);
  if (!outcome.written) book.Entries()->Remove(entry);
  return outcome;
}

CWriteOutcome WriteInterest(CBookData& book, const CImportRecord& record) {
  if (record.accountId <= 0) return Refused(kTextNoAccount);
  const int month = MonthIdOfDate(record.date);
  if (!IsLoaded(book, month)) return Refused(StrFormat(kTextMonthNotLoaded, MonthLabel(month)));
  const CAccountContext context = AccountContextOf(book);
  const CVorgang* entry = SetInterestAndFees(context, record.accountId, month, record.amount);
  if (entry == nullptr) return Refused(StrFormat(kTextMonthNotLoaded, MonthLabel(month)));
  const double booked = entry->Typ == kEntryIncome ? entry->Betrag : -entry->Betrag;
  if (std::fabs(booked - record.amount) >= kSameCent)
    return Refused(StrFormat(kTextInterestConfirmed, book.Accounts()->AccountName(record.accountId),
                             MonthLabel(month)));
  RecomputeAffectedAccounts(context, {{record.accountId, month}});
  return Written();
}

CWriteOutcome WriteBalance(CBookData& book, const CImportRecord& record) {
  if (record.accountId <= 0) return Refused(kTextNoAccount);
  const int month = MonthIdOfDate(record.date);
  if (book.Accounts()->FindLiveAccount(record.accountId, month) == nullptr)
    return Refused(StrFormat(kTextNoAccountMonth, book.Accounts()->AccountName(record.accountId),
                             MonthLabel(month)));
  SetConfirmedBalance(AccountContextOf(book), record.accountId, month, record.amount, 1);
  return Written();
}

}  // namespace

CWriteOutcome WriteRecordIntoBook(CBookData& book, const CImportRecord& record) {
  switch (record.kind) {
    case kImportKindNoTransfer: return Written();
    case kImportKindContractPayment: return WriteContractPayment(book, record);
    case kImportKindEntry: return WriteEntry(book, record);
    case kImportKindInterest: return WriteInterest(book, record);
    case kImportKindBalance: return WriteBalance(book, record);
    default: return Refused(kTextNoKind);
  }
}
