#include "model/PlannerAccountActions.h"

#include <algorithm>

#include "accounting/Bestandsdaten.h"
#include "model/PlannerOperations.h"
#include "model/StringTable.h"

using namespace planner_problem;

bool AddAccountFlagConditions(CBestandsdaten& account, CConditionSet& conditions) {
  if (account.IsDeleted()) return true;  // the store deletes its row
  const int flags = account.changeFlags;
  const CPlannerValues values{.key = account.PostenId, .month = account.MonatId, .record = &account};
  if (flags & kAccountChangeMasterData) Require(conditions, kAccountMasterData, values);
  if (flags & kAccountChangeCheck) Require(conditions, kAccountCheckSettings, values);
  if (flags & kAccountChangeStartBalance) Require(conditions, kAccountStartBalance, values);
  if (flags & kAccountChangeRange) {
    CPlannerValues range = values;
    range.month = account.FirstMonatId;
    range.from = account.LastMonatId;
    Require(conditions, kAccountRange, range);
  }
  if (flags & kAccountChangeInterest) Require(conditions, kInterestSettings, values);
  return (flags & (kAccountChangeMasterData | kAccountChangeCheck | kAccountChangeStartBalance | kAccountChangeRange |
                   kAccountChangeInterest)) != 0;
}

void CCarryAccountsAction::AddConditions(const CPlannerValues&, CConditionSet& conditions) {
  bool work = false;
  for (CBestandsdaten& account : Context().Accounts())
    if (account.PostenId != 0 && AddAccountFlagConditions(account, conditions)) work = true;
  if (!work) Require(conditions, kNever, {});
}

void CCarryAccountAction::AddConditions(const CPlannerValues& values, CConditionSet& conditions) {
  IPlannerOperations& operations = Context().Operations();
  CBestandsdaten* account = account_.Find(Context(), values.key, values.month,
                                          [&] { return operations.FindAccount(values.key, values.month); });
  if (account) AddAccountFlagConditions(*account, conditions);
}

void CAccountPropagationAction::Act(const CPlannerValues& values) {
  if (Context().LoadingAllowed() && values.Account()) values.Account()->changeFlags = 0;
}

void CAccountMasterDataAction::AddConditions(const CPlannerValues& values, CConditionSet& conditions) {
  for (int month = Context().FirstExistingMonth(); month > 0 && month <= Context().LastExistingMonth(); ++month)
    if (month != values.month)
      Require(conditions, kAccountCopy,
              {.key = values.key, .month = month, .from = values.month, .mask = kAccountChangeMasterData});
}

namespace {

// STRING 110 about the account, asked once and remembered under
// PostenId × 108; true for Yes.
bool FollowingMonthsWanted(CPlannerContext& context, const CPlannerValues& values) {
  const CBestandsdaten* account = values.Account();
  return context.Questions().AskString(MessageKind::Question, values.key * kQuestionAccountChanges, 110,
                                       MessageButtons::YesNo, AskMode::Remember,
                                       account ? account->Bezeichnung : std::string()) == kAnswerYes;
}

}  // namespace

void CAccountCheckSettingsAction::AddConditions(const CPlannerValues& values, CConditionSet& conditions) {
  for (int month = values.month + 1; month > 0 && month <= Context().LastExistingMonth(); ++month)
    if (Context().NoQuestions() || FollowingMonthsWanted(Context(), values))
      Require(conditions, kAccountCopy,
              {.key = values.key, .month = month, .from = values.month, .mask = kAccountChangeCheck});
}

void CAccountStartBalanceAction::AddConditions(const CPlannerValues& values, CConditionSet& conditions) {
  // The first month of the book has no month before it to close.
  if (values.month - 1 >= Context().FirstExistingMonth())
    Require(conditions, kAccountCopy,
            {.key = values.key, .month = values.month - 1, .from = values.month, .mask = kAccountChangeStartBalance});
  // A month that cannot be loaded now is corrected when its change is
  // carried on by a run that may load it.
  Allow(conditions, kCorrection, {.key = values.key, .month = values.month});
}

void CAccountInterestAction::AddConditions(const CPlannerValues& values, CConditionSet& conditions) {
  IPlannerOperations& operations = Context().Operations();
  CBestandsdaten* account = values.Account() ? values.Account() : operations.FindAccount(values.key, values.month);
  if (!account) return;
  const CMonthSpan span = operations.InterestMonths(*account);
  if (span.first == 0) return;
  const int first = std::max(span.first, Context().FirstExistingMonth());
  const int last = std::min(span.last, Context().LastExistingMonth());
  // The interest period and fixed costs are what this problem carries on.
  for (int month = first; month <= last; ++month)
    if (month != values.month && FollowingMonthsWanted(Context(), values))
      Require(conditions, kAccountCopy,
              {.key = values.key, .month = month, .from = values.month, .mask = kAccountChangeInterest});
}

void CAccountCopyAction::AddConditions(const CPlannerValues& values, CConditionSet& conditions) {
  RequireLoaded(conditions, Context(), values.month);
}

void CAccountCopyAction::Act(const CPlannerValues& values) {
  if (values.month <= 0) return;
  IPlannerOperations& operations = Context().Operations();
  CBestandsdaten* source =
      source_.Find(Context(), values.key, values.from, [&] { return operations.FindAccount(values.key, values.from); });
  if (!source) return;
  WithPendingFlags(*source, values.mask, [&] { operations.PropagateAccount(*source, values.month); });
}

void CAccountRangeAction::AddConditions(const CPlannerValues& values, CConditionSet& conditions) {
  const CLoadWindow window = Context().Window();
  for (int month = Context().FirstExistingMonth(); month > 0 && month <= Context().LastExistingMonth(); ++month) {
    CPlannerValues target{.key = values.key, .month = month, .mask = kAccountChangeRange};
    if (month < values.month || (values.from != 0 && month > values.from)) {
      Require(conditions, kAccountRemove, target);
    } else {
      target.from = RangeSourceMonth(window, month);
      Require(conditions, kAccountCopy, target);
    }
  }
}

void CParkAccountChangeAction::Act(const CPlannerValues& values) {
  const int boundary = BoundaryMonth(Context().Window(), values.month);
  if (boundary == 0) return;
  IPlannerOperations& operations = Context().Operations();
  if (CBestandsdaten* account = target_.Find(Context(), values.key, boundary,
                                             [&] { return operations.FindAccount(values.key, boundary); }))
    account->changeFlags |= values.mask;
}

void CAccountRemoveAction::AddConditions(const CPlannerValues& values, CConditionSet& conditions) {
  RequireLoaded(conditions, Context(), values.month);
}

void CAccountRemoveAction::Act(const CPlannerValues& values) {
  if (CBestandsdaten* account = Context().Operations().FindAccount(values.key, values.month)) account->MarkDeleted();
}

void CAccountRemoveOnwardsAction::AddConditions(const CPlannerValues& values, CConditionSet& conditions) {
  for (int month = std::max(values.month, Context().FirstExistingMonth());
       month > 0 && month <= Context().LastExistingMonth(); ++month)
    Require(conditions, kAccountRemove, {.key = values.key, .month = month});
}
