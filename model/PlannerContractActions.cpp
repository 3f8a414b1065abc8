#include "model/PlannerContractActions.h"

#include <algorithm>

#include "accounting/Vertrag.h"
#include "accounting/Vorgang.h"
#include "model/PlannerOperations.h"
#include "model/StringTable.h"

using namespace planner_problem;

bool AddContractFlagConditions(CVertrag& contract, CConditionSet& conditions) {
  if (contract.IsDeleted()) return true;  // the store deletes its row
  const int flags = contract.changeFlags;
  const CPlannerValues values{.key = contract.PostenId, .month = contract.MonatId, .mask = flags, .record = &contract};
  if (flags & kContractChangeMasterData) {
    CPlannerValues masterData = values;
    masterData.from = contract.FirstMonat;
    Require(conditions, kContractMasterData, masterData);
  }
  if (flags & kContractChangePayment) Require(conditions, kContractFollowing, values);
  if (flags & kContractChangePreviousMonth) Require(conditions, kContractPrevious, values);
  if (flags & kContractChangeRange) {
    CPlannerValues range = values;
    range.month = contract.FirstMonat;
    Require(conditions, kContractRange, range);
  }
  return (flags & (kContractChangeMasterData | kContractChangePayment | kContractChangePreviousMonth |
                   kContractChangeRange)) != 0;
}

void CCarryContractsAction::AddConditions(const CPlannerValues&, CConditionSet& conditions) {
  bool work = false;
  for (CVertrag& contract : Context().Contracts())
    if (contract.PostenId != 0 && contract.MonatId != 0 && AddContractFlagConditions(contract, conditions)) work = true;
  if (!work) Require(conditions, kNever, {});
}

void CCarryContractAction::AddConditions(const CPlannerValues& values, CConditionSet& conditions) {
  CVertrag* contract = values.Contract() ? values.Contract() : Context().Operations().FindContract(values.key, values.month);
  if (contract) AddContractFlagConditions(*contract, conditions);
}

void CContractPropagationAction::Act(const CPlannerValues& values) {
  if (Context().LoadingAllowed() && values.Contract()) values.Contract()->changeFlags = 0;
}

namespace {

// The copy into the month (not into the record's own) and the renewal of
// the month's due entries; a month that cannot be loaded now gets its due
// entries when the parked change is carried on.
void AddCopyWithDueEntries(CConditionSet& conditions, const CPlannerValues& values, int ownMonth) {
  if (values.month != ownMonth) Require(conditions, kContractCopy, values);
  Allow(conditions, kDueEntries, values);
}

// STRING 110 about the contract, asked once and remembered under
// PostenId × 110; true for Yes.
bool FollowingMonthsWanted(CPlannerContext& context, const CPlannerValues& values) {
  if (context.NoQuestions()) return true;
  const CVertrag* contract = values.Contract();
  return context.Questions().AskString(MessageKind::Question, values.key * kQuestionContractChanges, 110,
                                       MessageButtons::YesNo, AskMode::Remember,
                                       contract ? contract->Bezeichnung : std::string()) == kAnswerYes;
}

}  // namespace

void CContractMasterDataAction::AddConditions(const CPlannerValues& values, CConditionSet& conditions) {
  for (int month = Context().FirstExistingMonth(); month > 0 && month <= Context().LastExistingMonth(); ++month)
    AddCopyWithDueEntries(conditions,
                          {.key = values.key, .month = month, .from = values.month,
                           .mask = kContractChangeMasterData, .record = values.record},
                          values.month);
}

void CContractFollowingAction::AddConditions(const CPlannerValues& values, CConditionSet& conditions) {
  for (int month = std::max(values.month, 1); month <= Context().LastExistingMonth(); ++month)
    // The record's own month needs no question: only its due entries renew.
    if (month == values.month || FollowingMonthsWanted(Context(), values))
      AddCopyWithDueEntries(conditions,
                            {.key = values.key, .month = month, .from = values.month,
                             .mask = kContractChangePayment, .record = values.record},
                            values.month);
}

void CContractPreviousAction::AddConditions(const CPlannerValues& values, CConditionSet& conditions) {
  // The first month of the book has no month before it.
  if (values.month - 1 >= Context().FirstExistingMonth())
    Require(conditions, kContractCopy,
            {.key = values.key, .month = values.month - 1, .from = values.month,
             .mask = kContractChangePreviousMonth, .record = values.record});
}

void CContractCopyAction::AddConditions(const CPlannerValues& values, CConditionSet& conditions) {
  RequireLoaded(conditions, Context(), values.month);
}

void CContractCopyAction::Act(const CPlannerValues& values) {
  if (values.month <= 0) return;
  IPlannerOperations& operations = Context().Operations();
  CVertrag* source =
      source_.Find(Context(), values.key, values.from, [&] { return operations.FindContract(values.key, values.from); });
  if (!source) return;
  WithPendingFlags(*source, values.mask, [&] { operations.PropagateContract(*source, values.month); });
}

void CParkContractChangeAction::Act(const CPlannerValues& values) {
  const CLoadWindow window = Context().Window();
  const int boundary = BoundaryMonth(window, values.month);
  if (boundary == 0) return;
  // Before the window the contract's first loaded record takes it (the
  // contract may start after the first loaded month).
  const int target = boundary == window.first ? kAnyLoadedMonth : boundary;
  IPlannerOperations& operations = Context().Operations();
  if (CVertrag* contract =
          target_.Find(Context(), values.key, target, [&] { return operations.FindContract(values.key, target); }))
    contract->changeFlags |= values.mask;
}

void CContractRangeAction::AddConditions(const CPlannerValues& values, CConditionSet& conditions) {
  const CVertrag* contract = values.Contract();
  const int last = contract ? contract->LastMonat : 0;
  const CLoadWindow window = Context().Window();
  for (int month = Context().FirstExistingMonth(); month > 0 && month <= Context().LastExistingMonth(); ++month) {
    if (month < values.month || (last != 0 && month > last)) {
      // A month that cannot be loaded now keeps its record until a run
      // that may load it carries the range on.
      Allow(conditions, kContractRemove, {.key = values.key, .month = month, .record = values.record});
      continue;
    }
    const CPlannerValues target{.key = values.key, .month = month, .from = RangeSourceMonth(window, month),
                                .mask = kContractChangeRange, .record = values.record};
    Require(conditions, kContractCopy, target);
    Allow(conditions, kDueEntries, target);
  }
}

void CContractRemoveAction::AddConditions(const CPlannerValues& values, CConditionSet& conditions) {
  // The record and its entries must be in memory to be deleted.
  RequireLoaded(conditions, Context(), values.month);
  const CPlannerValues month{.key = values.key, .month = values.month};
  const bool keepEntries = Context().Questions().GetAnswer(values.key * kQuestionContractEntries) == kAnswerYes;
  Require(conditions, keepEntries ? kKeepDueEntry : kDeleteDueEntry, month);
  Require(conditions, kDeleteContractEntry, month);
}

void CContractRemoveAction::Act(const CPlannerValues& values) {
  if (CVertrag* contract = Context().Operations().FindContract(values.key, values.month)) contract->MarkDeleted();
}

void CContractRemoveOnwardsAction::AddConditions(const CPlannerValues& values, CConditionSet& conditions) {
  for (int month = std::max(values.month, Context().FirstExistingMonth());
       month > 0 && month <= Context().LastExistingMonth(); ++month)
    Require(conditions, kContractRemove, {.key = values.key, .month = month, .record = values.record});
}

void CDueEntriesAction::AddConditions(const CPlannerValues& values, CConditionSet& conditions) {
  RequireLoaded(conditions, Context(), values.month);
}

void CDueEntriesAction::Act(const CPlannerValues& values) {
  IPlannerOperations& operations = Context().Operations();
  // Due entries belong to the contract's record of the month; a month
  // without one has nothing due.
  CVertrag* contract = contract_.Find(Context(), values.key, values.month,
                                      [&] { return operations.FindContract(values.key, values.month); });
  if (!contract) return;
  const CVertrag& request = values.Contract() ? *values.Contract() : *contract;
  WithPendingFlags(*contract, request.changeFlags, [&] { operations.CreateDueEntries(*contract); });
  // The accounts see the renewed entries: both of a transfer.
  if (request.KontoId != 0) operations.CorrectAccount(request.KontoId, values.month);
  if (request.Typ == 3 && request.TarKontoId != 0) operations.CorrectAccount(request.TarKontoId, values.month);
}

namespace {

int ProblemOfEntries(CContractEntriesAction::EWhat what) {
  switch (what) {
    case CContractEntriesAction::EWhat::DeleteDue: return kDeleteDueEntry;
    case CContractEntriesAction::EWhat::KeepDue: return kKeepDueEntry;
    case CContractEntriesAction::EWhat::DeleteAll: return kDeleteContractEntry;
  }
  return kNever;
}

}  // namespace

CContractEntriesAction::CContractEntriesAction(EWhat what, CPlannerContext& context)
    : CPlannerAction(ProblemOfEntries(what), ProblemOfEntries(what), 0, context), what_(what) {}

void CContractEntriesAction::Act(const CPlannerValues& values) {
  IPlannerOperations& operations = Context().Operations();
  const bool includeReserve = what_ == EWhat::DeleteAll;
  // Every entry of the contract in the month, not only the first: a
  // contract paid weekly has several. Each one handled no longer matches.
  CVorgang* previous = nullptr;
  while (CVorgang* entry = operations.FindContractEntry(values.key, values.month, includeReserve)) {
    if (entry == previous) break;  // guards against an entry that keeps matching
    if (what_ == EWhat::KeepDue)
      operations.UnlinkEntryFromContract(*entry);
    else
      operations.DeleteEntry(*entry);
    previous = entry;
  }
}
