#include "accounting/EntryEdit.h"

#include <algorithm>

#include "model/BookData.h"
#include "model/Clock.h"
#include "model/Messages.h"
#include "model/MonthMath.h"
#include "storage/Format.h"

namespace {

void SortUnique(std::vector<CAccountMonth>& accounts) {
  std::sort(accounts.begin(), accounts.end());
  accounts.erase(std::unique(accounts.begin(), accounts.end()), accounts.end());
}

// The records that stand for the same due payment as `edited`: the
// contract's live entries (not the monthly share) due in the same month on
// the same due date, wherever they live.
std::vector<CVorgang*> RecordsOfDuePayment(CVorgangList& entries, const CVorgang& edited) {
  std::vector<CVorgang*> records;
  for (CVorgang& entry : entries) {
    if (!entry.IsLive() || entry.RefVertragPostenId != edited.RefVertragPostenId) continue;
    if (entry.Typ == kEntryReserveShare || entry.DueMonthId() != edited.DueMonthId()) continue;
    if (entry.FaelligDatum == edited.FaelligDatum) records.push_back(&entry);
  }
  return records;
}

}  // namespace

void WriteEntryValues(CVorgang& entry, const CEntryValues& values) {
  entry.Typ = values.Typ;
  entry.Bezeichnung = TruncateUtf8(values.Bezeichnung, kEntryNameLength);
  entry.KategorieId = values.KategorieId;
  entry.Betrag = values.Betrag;
  entry.Datum = values.Datum;
  entry.Bestaetigt = values.Bestaetigt;
  entry.Sonder = values.Sonder;
  const bool transfer = values.Typ == kEntryTransfer;
  entry.BetrKontoId = transfer ? 0 : values.BetrKontoId;
  entry.SrcKontoId = transfer ? values.SrcKontoId : 0;
  entry.TarKontoId = transfer ? values.TarKontoId : 0;
  entry.changed = 1;
}

void AddAffectedAccounts(const CVorgang& entry, std::vector<CAccountMonth>& into) {
  for (int accountId : entry.AccountIds()) into.push_back({accountId, entry.MonatId});
}

CEntryEditor::CEntryEditor(CBookData& book) : book_(book) {}

CVorgang& CEntryEditor::NewScreenEntry() {
  CVorgang& entry = book_.Entries()->NewEntry(*book_.Database(), book_.CurrentBookId(), book_.Book().AktMonatId);
  entry.Bestaetigt = 1;
  entry.Datum = Today();
  entry.BetrKontoId = book_.Book().HauptKontoId;
  return entry;
}

bool CEntryEditor::IsLoaded(int monthId) const {
  return monthId >= book_.Book().FirstLoadMonatId && monthId <= book_.Book().LastLoadMonatId && monthId > 0;
}

bool CEntryEditor::CheckChange(const CVorgang& entry, const CDate& date, bool isNew) const {
  const int newMonth = date.IsZero() ? 0 : MonthIdOfDate(date);
  if (!IsLoaded(newMonth)) {
    WarningString(116);
    return false;
  }
  const int linkedMonth = entry.TerminMonatId < 0 ? -entry.TerminMonatId : entry.TerminMonatId;
  if (linkedMonth != 0 && !IsLoaded(linkedMonth)) {
    WarningString(118, MonthLabel(linkedMonth));
    return false;
  }
  if (!isNew && newMonth != entry.MonatId && newMonth != entry.TerminMonatId)
    return QuestionString(117, MessageButtons::YesNo, MonthLabel(newMonth)) == kAnswerYes;
  return true;
}

CEntryChange CEntryEditor::Apply(CVorgang& entry, const CEntryValues& values, bool isNew) {
  CEntryChange change;
  if (!CheckChange(entry, values.Datum, isNew)) return change;
  CVorgangList& entries = *book_.Entries();
  const int newMonth = MonthIdOfDate(values.Datum);
  AddAffectedAccounts(entry, change.affected);
  CVorgang* result = &entry;
  if (entry.RefersToContract() && entry.Typ != kEntryReserveShare &&
      (newMonth != entry.MonatId || entry.TerminMonatId != 0)) {
    result = &PayInMonth(entry, values, newMonth, change.affected);
  } else {
    WriteEntryValues(entry, values);
    result = &entries.MoveToMonth(entry, newMonth);
  }
  entries.InvalidateIndex();  // accounts and month may have changed
  AddAffectedAccounts(*result, change.affected);
  SortUnique(change.affected);
  change.applied = true;
  change.entry = result;
  RecomputeAffectedAccounts(AccountContextOf(book_), change.affected);
  return change;
}

// Due month a, payment month b: the due record in a points to b, a record in
// b points back to a; records of the same payment elsewhere go. A copy in b
// is made when b has none.
CVorgang& CEntryEditor::PayInMonth(CVorgang& edited, const CEntryValues& values, int paymentMonth,
                                   std::vector<CAccountMonth>& affected) {
  CVorgangList& entries = *book_.Entries();
  const int dueMonth = edited.DueMonthId();
  const std::vector<CVorgang*> records = RecordsOfDuePayment(entries, edited);
  WriteEntryValues(edited, values);
  CVorgang* standing = nullptr;
  for (CVorgang* record : records) {
    AddAffectedAccounts(*record, affected);
    if (record->MonatId == dueMonth) {
      WriteEntryValues(*record, values);
      record->TerminMonatId = dueMonth == paymentMonth ? 0 : paymentMonth;
      if (dueMonth == paymentMonth) standing = record;
    } else if (record->MonatId == paymentMonth) {
      WriteEntryValues(*record, values);
      record->TerminMonatId = -dueMonth;
      standing = record;
    } else {
      record->MarkDeleted();
    }
    AddAffectedAccounts(*record, affected);
  }
  if (standing != nullptr) return *standing;
  CVorgang& payment = entries.AppendCopy(edited, paymentMonth);
  payment.PostenId = entries.NewPostenId(*book_.Database(), book_.CurrentBookId());
  payment.TerminMonatId = -dueMonth;
  return payment;
}

CEntryChange CEntryEditor::Delete(CVorgang& entry) {
  CEntryChange change;
  AddAffectedAccounts(entry, change.affected);
  entry.MarkDeleted();
  book_.Entries()->InvalidateIndex();
  SortUnique(change.affected);
  change.applied = true;
  RecomputeAffectedAccounts(AccountContextOf(book_), change.affected);
  return change;
}
