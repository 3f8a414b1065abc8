#pragma once
// The planner's account actions: carrying an account's pending changes into
// other months (master data, check settings, start balance, validity range,
// interest settings), copying, parking a change on the boundary record and
// removing an account from months. Registered by RegisterPlannerActions.

#include "model/PlannerActionBase.h"

// Actions 1 and 15: the conditions an account record's pending flags call
// for; false when the record has nothing to carry on.
bool AddAccountFlagConditions(CBestandsdaten& account, CConditionSet& conditions);

// Action 1, problem 1: every account record in memory.
class CCarryAccountsAction final : public CPlannerAction {
 public:
  explicit CCarryAccountsAction(CPlannerContext& context) : CPlannerAction(1, planner_problem::kCarryAccounts, 0, context) {}

 protected:
  void AddConditions(const CPlannerValues& values, CConditionSet& conditions) override;
};

// Action 15, problem 16: the account record (key, month).
class CCarryAccountAction final : public CPlannerAction {
 public:
  explicit CCarryAccountAction(CPlannerContext& context) : CPlannerAction(15, planner_problem::kAccountCarry, 0, context) {}

 protected:
  void AddConditions(const CPlannerValues& values, CConditionSet& conditions) override;

 private:
  CRememberedRecord<CBestandsdaten> account_;
};

// Actions 11, 12, 13, 51 and 17 end by clearing the record's pending flags
// in runs that may load months.
class CAccountPropagationAction : public CPlannerAction {
 public:
  using CPlannerAction::CPlannerAction;

 protected:
  void Act(const CPlannerValues& values) override;
};

// Action 11, problem 11: master data into every other month.
class CAccountMasterDataAction final : public CAccountPropagationAction {
 public:
  explicit CAccountMasterDataAction(CPlannerContext& context)
      : CAccountPropagationAction(11, planner_problem::kAccountMasterData, 0, context) {}

 protected:
  void AddConditions(const CPlannerValues& values, CConditionSet& conditions) override;
};

// Action 12, problem 12: check settings into the following months, after
// STRING 110 (remembered under PostenId × 108).
class CAccountCheckSettingsAction final : public CAccountPropagationAction {
 public:
  explicit CAccountCheckSettingsAction(CPlannerContext& context)
      : CAccountPropagationAction(12, planner_problem::kAccountCheckSettings, 0, context) {}

 protected:
  void AddConditions(const CPlannerValues& values, CConditionSet& conditions) override;
};

// Action 13, problem 13: the start balance into the previous month's end
// balance, then the correction of the month.
class CAccountStartBalanceAction final : public CAccountPropagationAction {
 public:
  explicit CAccountStartBalanceAction(CPlannerContext& context)
      : CAccountPropagationAction(13, planner_problem::kAccountStartBalance, 0, context) {}

 protected:
  void AddConditions(const CPlannerValues& values, CConditionSet& conditions) override;
};

// Action 51, problem 51: interest period and fixed costs into the account's
// interest months.
class CAccountInterestAction final : public CAccountPropagationAction {
 public:
  explicit CAccountInterestAction(CPlannerContext& context)
      : CAccountPropagationAction(51, planner_problem::kInterestSettings, 0, context) {}

 protected:
  void AddConditions(const CPlannerValues& values, CConditionSet& conditions) override;
};

// Action 14, problem 14 (value 1): copy from month `from` into `month`,
// loading it when it is not in memory.
class CAccountCopyAction final : public CPlannerAction {
 public:
  explicit CAccountCopyAction(CPlannerContext& context) : CPlannerAction(14, planner_problem::kAccountCopy, 1, context) {}

 protected:
  void AddConditions(const CPlannerValues& values, CConditionSet& conditions) override;
  void Act(const CPlannerValues& values) override;

 private:
  CRememberedRecord<CBestandsdaten> source_;
};

// Action 17, problem 15: the validity range month .. from.
class CAccountRangeAction final : public CAccountPropagationAction {
 public:
  explicit CAccountRangeAction(CPlannerContext& context)
      : CAccountPropagationAction(17, planner_problem::kAccountRange, 0, context) {}

 protected:
  void AddConditions(const CPlannerValues& values, CConditionSet& conditions) override;
};

// Action 16, problems 14 and 17 (value 0): a change for a month that cannot
// be loaded is parked as pending flags on the nearest loaded record.
class CParkAccountChangeAction final : public CPlannerAction {
 public:
  CParkAccountChangeAction(int problemNumber, CPlannerContext& context) : CPlannerAction(16, problemNumber, 0, context) {}

 protected:
  void Act(const CPlannerValues& values) override;

 private:
  CRememberedRecord<CBestandsdaten> target_;
};

// Action 18, problem 17 (value 1): the account's record of the month is
// deleted.
class CAccountRemoveAction final : public CPlannerAction {
 public:
  explicit CAccountRemoveAction(CPlannerContext& context) : CPlannerAction(18, planner_problem::kAccountRemove, 1, context) {}

 protected:
  void AddConditions(const CPlannerValues& values, CConditionSet& conditions) override;
  void Act(const CPlannerValues& values) override;
};

// Action 19, problem 18: removed from the month and every later one.
class CAccountRemoveOnwardsAction final : public CPlannerAction {
 public:
  explicit CAccountRemoveOnwardsAction(CPlannerContext& context)
      : CPlannerAction(19, planner_problem::kAccountRemoveOnwards, 0, context) {}

 protected:
  void AddConditions(const CPlannerValues& values, CConditionSet& conditions) override;
};
