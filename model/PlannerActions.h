#pragma once
// The planner's actions, registered with its engine module in the order in
// which the engine tries alternatives: accounts (PlannerAccountActions.h),
// contracts (PlannerContractActions.h), and the actions both use below.

#include "model/PlannerActionBase.h"

// Action 3, problem 3: registered, never requested.
class CUnusedAction final : public CPlannerAction {
 public:
  explicit CUnusedAction(CPlannerContext& context) : CPlannerAction(3, planner_problem::kUnused, 0, context) {}
};

// Action 35, problem 35: the correction of account `key` between the month
// before `month` and `month`.
class CCorrectionAction final : public CPlannerAction {
 public:
  explicit CCorrectionAction(CPlannerContext& context) : CPlannerAction(35, planner_problem::kCorrection, 0, context) {}

 protected:
  void AddConditions(const CPlannerValues& values, CConditionSet& conditions) override;
  void Act(const CPlannerValues& values) override;
};

// Action 41, problem 41: loads month `key`; unsolvable in runs that may not
// load months.
class CLoadMonthAction final : public CPlannerAction {
 public:
  explicit CLoadMonthAction(CPlannerContext& context) : CPlannerAction(41, planner_problem::kLoadMonth, 0, context) {}

 protected:
  void AddConditions(const CPlannerValues& values, CConditionSet& conditions) override;
  void Act(const CPlannerValues& values) override;
};

// Creates every action and hands it to the module, which owns it from then
// on. The actions keep a reference to context, which must outlive module.
void RegisterPlannerActions(IAI_Module& module, CPlannerContext& context);
