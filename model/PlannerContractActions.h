#pragma once
// The planner's contract actions: carrying a contract's pending changes into
// other months with its due entries, copying, parking a change on the
// boundary record, removing a contract from months with its dependent
// entries, and renewing due entries. Registered by RegisterPlannerActions.

#include "model/PlannerActionBase.h"

// Actions 2 and 25: the conditions a contract record's pending flags call
// for; false when the record has nothing to carry on.
bool AddContractFlagConditions(CVertrag& contract, CConditionSet& conditions);

// Action 2, problem 2: every contract record in memory.
class CCarryContractsAction final : public CPlannerAction {
 public:
  explicit CCarryContractsAction(CPlannerContext& context)
      : CPlannerAction(2, planner_problem::kCarryContracts, 0, context) {}

 protected:
  void AddConditions(const CPlannerValues& values, CConditionSet& conditions) override;
};

// Action 25, problem 26: the given contract record.
class CCarryContractAction final : public CPlannerAction {
 public:
  explicit CCarryContractAction(CPlannerContext& context)
      : CPlannerAction(25, planner_problem::kContractCarry, 0, context) {}

 protected:
  void AddConditions(const CPlannerValues& values, CConditionSet& conditions) override;
};

// Actions 21, 22, 23 and 27 end by clearing the record's pending flags in
// runs that may load months.
class CContractPropagationAction : public CPlannerAction {
 public:
  using CPlannerAction::CPlannerAction;

 protected:
  void Act(const CPlannerValues& values) override;
};

// Action 21, problem 21: master data into every month, with due entries.
class CContractMasterDataAction final : public CContractPropagationAction {
 public:
  explicit CContractMasterDataAction(CPlannerContext& context)
      : CContractPropagationAction(21, planner_problem::kContractMasterData, 0, context) {}

 protected:
  void AddConditions(const CPlannerValues& values, CConditionSet& conditions) override;
};

// Action 22, problem 22: payment data into the following months after
// STRING 110 (remembered under PostenId × 110), with due entries.
class CContractFollowingAction final : public CContractPropagationAction {
 public:
  explicit CContractFollowingAction(CPlannerContext& context)
      : CContractPropagationAction(22, planner_problem::kContractFollowing, 0, context) {}

 protected:
  void AddConditions(const CPlannerValues& values, CConditionSet& conditions) override;
};

// Action 23, problem 23: into the month before.
class CContractPreviousAction final : public CContractPropagationAction {
 public:
  explicit CContractPreviousAction(CPlannerContext& context)
      : CContractPropagationAction(23, planner_problem::kContractPrevious, 0, context) {}

 protected:
  void AddConditions(const CPlannerValues& values, CConditionSet& conditions) override;
};

// Action 24, problem 25 (value 1): copy from month `from` into `month` under
// the flags `mask`, loading the month when it is not in memory.
class CContractCopyAction final : public CPlannerAction {
 public:
  explicit CContractCopyAction(CPlannerContext& context)
      : CPlannerAction(24, planner_problem::kContractCopy, 1, context) {}

 protected:
  void AddConditions(const CPlannerValues& values, CConditionSet& conditions) override;
  void Act(const CPlannerValues& values) override;

 private:
  CRememberedRecord<CVertrag> source_;
};

// Action 26, problem 25 (value 0): the change is parked on the nearest
// loaded record.
class CParkContractChangeAction final : public CPlannerAction {
 public:
  explicit CParkContractChangeAction(CPlannerContext& context)
      : CPlannerAction(26, planner_problem::kContractCopy, 0, context) {}

 protected:
  void Act(const CPlannerValues& values) override;

 private:
  CRememberedRecord<CVertrag> target_;
};

// Action 27, problem 24: the validity range from `month` to the record's
// last month.
class CContractRangeAction final : public CContractPropagationAction {
 public:
  explicit CContractRangeAction(CPlannerContext& context)
      : CContractPropagationAction(27, planner_problem::kContractRange, 0, context) {}

 protected:
  void AddConditions(const CPlannerValues& values, CConditionSet& conditions) override;
};

// Action 28, problem 27 (value 1): the contract's record of the month is
// deleted; its entries are kept as single entries (answer Yes under
// PostenId × 109) or deleted.
class CContractRemoveAction final : public CPlannerAction {
 public:
  explicit CContractRemoveAction(CPlannerContext& context)
      : CPlannerAction(28, planner_problem::kContractRemove, 1, context) {}

 protected:
  void AddConditions(const CPlannerValues& values, CConditionSet& conditions) override;
  void Act(const CPlannerValues& values) override;
};

// Action 29, problem 28: removed from the month and every later one.
class CContractRemoveOnwardsAction final : public CPlannerAction {
 public:
  explicit CContractRemoveOnwardsAction(CPlannerContext& context)
      : CPlannerAction(29, planner_problem::kContractRemoveOnwards, 0, context) {}

 protected:
  void AddConditions(const CPlannerValues& values, CConditionSet& conditions) override;
};

// Action 31, problem 31: the contract's due entries of the month are made
// anew and its accounts corrected.
class CDueEntriesAction final : public CPlannerAction {
 public:
  explicit CDueEntriesAction(CPlannerContext& context)
      : CPlannerAction(31, planner_problem::kDueEntries, 0, context) {}

 protected:
  void AddConditions(const CPlannerValues& values, CConditionSet& conditions) override;
  void Act(const CPlannerValues& values) override;

 private:
  CRememberedRecord<CVertrag> contract_;
};

// Actions 32, 33 and 34: what happens to the contract's entries of a month
// it is removed from.
class CContractEntriesAction final : public CPlannerAction {
 public:
  enum class EWhat { DeleteDue, KeepDue, DeleteAll };
  CContractEntriesAction(EWhat what, CPlannerContext& context);

 protected:
  void Act(const CPlannerValues& values) override;

 private:
  EWhat what_;
};
