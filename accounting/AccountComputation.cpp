#include "accounting/AccountComputation.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

#include "accounting/AccountInterest.h"
#include "accounting/EntryEdit.h"
#include "model/ActionPlanner.h"
#include "model/BookData.h"
#include "model/MonthMath.h"
#include "model/StringTable.h"

namespace {

constexpr double kCent = 0.01;

void SetCorrectionAmount(CVorgang& correction, double amount, bool income) {
  correction.Typ = income ? kEntryIncome : kEntryExpense;
  correction.Betrag = income ? amount : -amount;
  correction.Bezeichnung = income ? kUncapturedIncome : kUncapturedExpenses;
  correction.changed = 1;
}

void DropCorrectionEntry(CVorgang& correction) {
  correction.MarkDeleted();
  correction.changed = 1;
}

using CRun = std::vector<CBestandsdaten*>;

void AddEntry(CBestandsdaten& record, const CVorgang& entry, int postenId) {
  if (entry.IsCorrection()) {
    record.correctionAmount += entry.Typ == kEntryIncome ? entry.Betrag : -entry.Betrag;
    ++record.correctionEntries;
    return;
  }
  // Paid in another month: it counts there.
  if (entry.IsPaidInOtherMonth()) return;
  const CMovement movement = MovementOf(entry, postenId);
  if (!movement.counts) return;
  if (entry.Bestaetigt != 0) {
    record.confirmedIncome += movement.in;
    record.confirmedOutgoings += movement.out;
    ++record.confirmedEntries;
  } else {
    record.unconfirmedIncome += movement.in;
    record.unconfirmedOutgoings += movement.out;
    ++record.unconfirmedEntries;
  }
}

// The entries of the run's months up to the account's last month, from
// the entries' index by account and month.
void CollectEntries(CVorgangList& entries, int postenId, const CRun& run) {
  const int last = run.front()->LastMonatId;
  for (CBestandsdaten* record : run) {
    if (last != 0 && record->MonatId > last) break;
    for (const CVorgang* entry : entries.EntriesOfAccount(postenId, record->MonatId))
      AddEntry(*record, *entry, postenId);
  }
}

// The sums of one record from its month's entries; its end balance stays.
void SumMonth(CVorgangList& entries, CBestandsdaten& record) {
  const double endBalance = record.BetragEndMonat;
  record.ResetComputation();
  record.BetragEndMonat = endBalance;
  CollectEntries(entries, record.PostenId, CRun{&record});
}

// The records of every account concerned from the start month on, in month
// order, each account computed over its run of consecutive months.
class CAccountWalk {
 public:
  CAccountWalk(const CAccountContext& context, int postenId, int fromMonthId) : context_(context) {
    for (CBestandsdaten& record : context.accounts)
      if (!record.IsDeleted() && record.MonatId >= fromMonthId && (postenId == kAllAccounts || record.PostenId == postenId))
        records_[record.PostenId].push_back(&record);
    for (auto& [id, records] : records_)
      std::sort(records.begin(), records.end(), [](auto* a, auto* b) { return a->MonatId < b->MonatId; });
  }

  // Every concerned account from its first record on.
  void Run() {
    for (auto& [id, records] : records_)
      for (CBestandsdaten* record : records) record->ResetComputation();
    for (auto& [id, records] : records_) ComputeAccount(id, ConsecutiveRun(records));
  }

 private:
  // The records from the first one on without a gap in the months; the
  // months after a gap cannot be carried on.
  static CRun ConsecutiveRun(const CRun& records) {
    CRun run;
    for (CBestandsdaten* record : records) {
      if (!run.empty() && record->MonatId != run.back()->MonatId + 1) break;
      run.push_back(record);
    }
    return run;
  }

  void ComputeAccount(int postenId, const CRun& run) {
    if (run.empty()) return;
    CollectEntries(context_.entries, postenId, run);
    for (std::size_t i = 0; i < run.size(); ++i) {
      CBestandsdaten& record = *run[i];
      record.computationState = kComputed;
      BookAccountInterest(context_, record);
      if (i > 0) CarryStartBalance(*run[i - 1], record);
    }
    run.back()->BetragEndMonat = run.back()->ComputedEndBalance();
    for (CBestandsdaten* record : run)
      if (record->CheckErforderlich == 0) record->Bestaetigt = 1;
  }

  // The record starts with what the month before ends with, unless its
  // confirmed balance differs and the user keeps it by adjusting the month
  // before's correction.
  void CarryStartBalance(CBestandsdaten& previous, CBestandsdaten& record) {
    const double computed = previous.ComputedEndBalance();
    const bool differs = std::fabs(record.Betrag - computed) >= kCent - 1e-9;
    if (previous.correctionEntries > 0 && record.Bestaetigt != 0 && differs)
      ResolveDifference(previous, record);
    else
      record.Betrag = computed;
    previous.BetragEndMonat = record.Betrag;
  }

  void ResolveDifference(CBestandsdaten& previous, CBestandsdaten& record) {
    const int answer = context_.questions.AskString(MessageKind::Question, record.MonatId * kQuestionCorrection,
                                                   127, MessageButtons::YesNo, AskMode::Remember,
                                                   MonthLabel(record.MonatId));
    CVorgang* correction = FindCorrectionEntry(context_.entries, previous.PostenId, previous.MonatId);
    if (answer == kAnswerYes) {
      previous.correctionAmount = record.Betrag - previous.Betrag - previous.confirmedIncome + previous.confirmedOutgoings;
      if (correction) UpdateCorrectionAmount(*correction, previous.correctionAmount);
      return;
    }
    if (correction) DropCorrectionEntry(*correction);
    previous.correctionEntries = 0;
    previous.correctionAmount = 0.0;
    record.Betrag = previous.ComputedEndBalance();
    // The confirmed balance is given up: the record no longer holds what
    // the user confirmed.
    record.Bestaetigt = 0;
  }

  // The name follows the type, so an entry turned into an income is not
  // shown as uncaptured expenses.
  static void UpdateCorrectionAmount(CVorgang& correction, double amount) {
    SetCorrectionAmount(correction, amount, amount >= 0.0);
  }

  const CAccountContext& context_;
  std::map<int, CRun> records_;
};

}  // namespace

CAccountContext AccountContextOf(CBookData& bookData) {
  const CHaushaltsbuchRow& book = bookData.Book();
  CActionPlanner* planner = bookData.Planner();
  CQuestionStore& questions = planner ? planner->Questions() : bookData.Questions();
  return CAccountContext{*bookData.Accounts(), *bookData.Entries(), questions, *bookData.Database(),
                         bookData.CurrentBookId(), CLoadWindow{book.FirstLoadMonatId, book.LastLoadMonatId}};
}

void Recompute(const CAccountContext& context, int postenId, int fromMonthId) {
  const int from = fromMonthId == kFromFirstLoadedMonth ? context.window.first : fromMonthId;
  CAccountWalk(context, postenId, from).Run();
}

void CorrectAccount(const CAccountContext& context, int postenId, int monthId) {
  CBestandsdaten* record = context.accounts.FindLiveAccount(postenId, monthId);
  CBestandsdaten* previous = context.accounts.FindLiveAccount(postenId, monthId - 1);
  if (!record) {
    if (previous) Recompute(context, postenId, monthId - 1);
    return;
  }
  if (!previous) {
    Recompute(context, postenId, monthId);
    return;
  }
  if (record->correctionRequest == kBookCorrection) {
    SumMonth(context.entries, *previous);
    BookCorrectionEntry(context, postenId, previous->MonatId,
                        record->Betrag - previous->Betrag - previous->confirmedIncome + previous->confirmedOutgoings);
  } else if (record->correctionRequest == kRemoveCorrection) {
    if (CVorgang* correction = FindCorrectionEntry(context.entries, postenId, previous->MonatId))
      DropCorrectionEntry(*correction);
  }
  record->correctionRequest = kNoCorrection;
  Recompute(context, postenId, previous->MonatId);
}

void SetConfirmedBalance(const CAccountContext& context, int postenId, int monthId, double amount,
                         int confirmed) {
  CBestandsdaten* record = context.accounts.FindLiveAccount(postenId, monthId);
  if (!record) return;
  record->correctionRequest = confirmed ? kBookCorrection : kRemoveCorrection;
  record->Bestaetigt = confirmed ? 1 : 0;
  record->Betrag = amount;
  CorrectAccount(context, postenId, monthId);
}

CVorgang* FindCorrectionEntry(CVorgangList& entries, int postenId, int monthId) {
  for (CVorgang* entry : entries.EntriesOfAccount(postenId, monthId))
    if (entry->IsCorrection() && entry->BetrKontoId == postenId) return entry;
  return nullptr;
}

CVorgang& BookCorrectionEntry(const CAccountContext& context, int postenId, int monthId, double amount) {
  CVorgang* correction = FindCorrectionEntry(context.entries, postenId, monthId);
  if (!correction) {
    auto made = std::make_unique<CVorgang>();
    made->PostenId = context.entries.NewPostenId(context.database, context.bookId);
    made->MonatId = monthId;
    made->RefVertragPostenId = kCorrectionEntryRef;
    made->BetrKontoId = postenId;
    made->Bestaetigt = 1;
    const CDate::CYmd first = FirstDayOfMonth(monthId);
    made->Datum = CDate::FromYmd(first.year, first.month, first.day);
    correction = &context.entries.Append(std::move(made));
  }
  SetCorrectionAmount(*correction, amount, amount > 0.0);
  return *correction;
}

void RecomputeAffectedAccounts(const CAccountContext& context, const std::vector<CAccountMonth>& affected) {
  std::map<int, int> fromMonth;  // account → earliest month touched
  for (const CAccountMonth& touched : affected) {
    auto [it, inserted] = fromMonth.emplace(touched.accountId, touched.monthId);
    if (!inserted) it->second = std::min(it->second, touched.monthId);
  }
  for (const auto& [accountId, from] : fromMonth)
    if (accountId != 0) Recompute(context, accountId, std::max(from, context.window.first));
}

void RecomputeAfterEntryChange(const CAccountContext& context, const CVorgang* before, const CVorgang& after) {
  std::vector<CAccountMonth> affected;
  if (before) AddAffectedAccounts(*before, affected);
  AddAffectedAccounts(after, affected);
  RecomputeAffectedAccounts(context, affected);
}

double BalanceOnDay(const CAccountContext& context, const CBestandsdaten& record, const CDate& day) {
  double balance = record.Betrag;
  for (const CVorgang* entry : context.entries.EntriesOfAccount(record.PostenId, record.MonatId)) {
    if (entry->Bestaetigt == 0 || entry->IsPaidInOtherMonth() || day < entry->Datum) continue;
    const CMovement movement = MovementOf(*entry, record.PostenId);
    balance += movement.in - movement.out;
  }
  return balance;
}

CMovement MovementOf(const CVorgang& entry, int postenId) {
  switch (entry.Typ) {
    case kEntryIncome: return {entry.Betrag, 0.0, true};
    case kEntryExpense: return {0.0, entry.Betrag, true};
    case kEntryTransfer:
      return {entry.TarKontoId == postenId ? entry.Betrag : 0.0, entry.SrcKontoId == postenId ? entry.Betrag : 0.0,
              true};
    default: return {};
  }
}
