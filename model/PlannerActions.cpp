#include "model/PlannerActions.h"

#include <memory>

#include "model/PlannerAccountActions.h"
#include "model/PlannerContractActions.h"
#include "model/PlannerOperations.h"

using namespace planner_problem;

void CCorrectionAction::AddConditions(const CPlannerValues& values, CConditionSet& conditions) {
  RequireLoaded(conditions, Context(), values.month);
}

void CCorrectionAction::Act(const CPlannerValues& values) { Context().Operations().CorrectAccount(values.key, values.month); }

void CLoadMonthAction::AddConditions(const CPlannerValues&, CConditionSet& conditions) {
  if (!Context().LoadingAllowed()) Require(conditions, kNever, {});
}

void CLoadMonthAction::Act(const CPlannerValues& values) { Context().LoadMonth(values.key); }

namespace {

template <class Action, class... Args>
void Register(IAI_Module& module, Args&&... args) {
  // The module takes ownership on registration.
  auto action = std::make_unique<Action>(std::forward<Args>(args)...);
  module.NewSolutionEdge(action.release());
}

}  // namespace

void RegisterPlannerActions(IAI_Module& module, CPlannerContext& context) {
  using EWhat = CContractEntriesAction::EWhat;
  Register<CCarryAccountsAction>(module, context);
  Register<CCarryContractsAction>(module, context);
  Register<CUnusedAction>(module, context);
  Register<CCarryAccountAction>(module, context);
  Register<CAccountMasterDataAction>(module, context);
  Register<CAccountCheckSettingsAction>(module, context);
  Register<CAccountStartBalanceAction>(module, context);
  Register<CAccountInterestAction>(module, context);
  Register<CAccountCopyAction>(module, context);
  Register<CAccountRangeAction>(module, context);
  Register<CParkAccountChangeAction>(module, kAccountCopy, context);
  Register<CParkAccountChangeAction>(module, kAccountRemove, context);
  Register<CAccountRemoveAction>(module, context);
  Register<CAccountRemoveOnwardsAction>(module, context);
  Register<CContractMasterDataAction>(module, context);
  Register<CContractFollowingAction>(module, context);
  Register<CContractPreviousAction>(module, context);
  Register<CContractCopyAction>(module, context);
  Register<CParkContractChangeAction>(module, context);
  Register<CCarryContractAction>(module, context);
  Register<CContractRangeAction>(module, context);
  Register<CContractRemoveAction>(module, context);
  Register<CContractRemoveOnwardsAction>(module, context);
  Register<CDueEntriesAction>(module, context);
  Register<CContractEntriesAction>(module, EWhat::DeleteDue, context);
  Register<CContractEntriesAction>(module, EWhat::KeepDue, context);
  Register<CContractEntriesAction>(module, EWhat::DeleteAll, context);
  Register<CCorrectionAction>(module, context);
  Register<CLoadMonthAction>(module, context);
}
