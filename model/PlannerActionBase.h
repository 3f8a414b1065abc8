#pragma once
// The common ground of the planner's actions: the five values of a problem
// under the names the planner gives them, adding conditions, and the base
// class with the engine operations every action shares (no parameters,
// always applicable, nothing to prepare). Actions change the book only in
// Perform; their conditions only look. User-interface thread only.

#include "engine/Quorvel.h"
#include "model/PlannerContext.h"

class CBestandsdaten;
class CVertrag;

// Engine problem numbers of the planner.
namespace planner_problem {
inline constexpr int kCarryAccounts = 1;
inline constexpr int kCarryContracts = 2;
inline constexpr int kUnused = 3;
inline constexpr int kAccountMasterData = 11;
inline constexpr int kAccountCheckSettings = 12;
inline constexpr int kAccountStartBalance = 13;
inline constexpr int kAccountCopy = 14;
inline constexpr int kAccountRange = 15;
inline constexpr int kAccountCarry = 16;
inline constexpr int kAccountRemove = 17;
inline constexpr int kAccountRemoveOnwards = 18;
inline constexpr int kContractMasterData = 21;
inline constexpr int kContractFollowing = 22;
inline constexpr int kContractPrevious = 23;
inline constexpr int kContractRange = 24;
inline constexpr int kContractCopy = 25;
inline constexpr int kContractCarry = 26;
inline constexpr int kContractRemove = 27;
inline constexpr int kContractRemoveOnwards = 28;
inline constexpr int kDueEntries = 31;
inline constexpr int kDeleteDueEntry = 32;
inline constexpr int kKeepDueEntry = 33;
inline constexpr int kDeleteContractEntry = 34;
inline constexpr int kCorrection = 35;
inline constexpr int kLoadMonth = 41;
inline constexpr int kInterestSettings = 51;
inline constexpr int kNever = 99;  // no action solves it
}  // namespace planner_problem

// key: a PostenId (or, for loading, a month id); month: a month id; from: a
// source or upper month id; mask: change flags; record: the account or
// contract record the request came from.
struct CPlannerValues {
  int key = 0;
  int month = 0;
  int from = 0;
  int mask = 0;
  void* record = nullptr;

  CBestandsdaten* Account() const { return static_cast<CBestandsdaten*>(record); }
  CVertrag* Contract() const { return static_cast<CVertrag*>(record); }
};

// The values of a problem; every problem of the planner is a CAIStdProb
// (the engine passes one with all values zero for a missing problem).
CPlannerValues ValuesOf(CAIProblem* problem);

// A condition the action cannot do without.
void Require(CConditionSet& conditions, int problemNumber, const CPlannerValues& values);
// A condition whose failure leaves the rest of the action standing.
void Allow(CConditionSet& conditions, int problemNumber, const CPlannerValues& values);
// The month's records must be loaded first (problem 41) when it lies
// outside the loading window and is not in memory.
void RequireLoaded(CConditionSet& conditions, const CPlannerContext& context, int monthId);

// The month a change is parked on instead of a month outside the window: the
// boundary of the window on its side; 0 for a month inside it.
int BoundaryMonth(const CLoadWindow& window, int monthId);
// The source month of a copy into monthId carrying a validity range: the
// last loaded month for a month after the window, else any loaded month.
int RangeSourceMonth(const CLoadWindow& window, int monthId);

// Runs operation with the record's pending flags set to flags for the call:
// the operation copies what the problem carries, not everything pending.
template <class Record, class Operation>
void WithPendingFlags(Record& record, int flags, Operation operation) {
  const int pending = record.changeFlags;
  record.changeFlags = flags;
  operation();
  record.changeFlags = pending;
}

class CPlannerAction : public CAIAction {
 public:
  CPlannerAction(int actionId, int problemNumber, double value, CPlannerContext& context)
      : CAIAction(actionId, problemNumber), value_(value), context_(context) {}

  int GetParameters(CAIProblem*, CParameterSet*) override { return 0; }
  int GetConditions(CAIProblem* problem, CConditionSet* conditions) override;
  double GetValue(CAIProblem*, int, int) override { return value_; }
  int Check(CAIProblem*) override { return 1; }
  void Prepare(CAIProblem*) override {}
  void Solved(CAIProblem*) override {}
  int Perform(CAIProblem* problem) override;
  void Reserved(CAIProblem*) override {}

 protected:
  virtual void AddConditions(const CPlannerValues&, CConditionSet&) {}
  virtual void Act(const CPlannerValues&) {}

  CPlannerContext& Context() { return context_; }

 private:
  double value_;
  CPlannerContext& context_;
};
