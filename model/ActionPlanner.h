#pragma once
// CActionPlanner: carries changes of accounts and contracts into the other
// months through the inference engine. A request from a screen or from the
// book data becomes one engine problem; the registered actions
// (PlannerActions.h) decide month by month whether a month is loaded and
// changed or the change is parked as pending flags on the nearest loaded
// record, and perform it. Owned by CBookData; the accounting's operations
// must be registered there (CBookData::SetPlannerOperations) before a run.
// User-interface thread only.

#include "engine/Quorvel.h"
#include "model/BookData.h"
#include "model/PlannerContext.h"

class CActionPlanner final : public IReloadPlanner {
 public:
  // Request types of Run.
  static constexpr int kCarryAccounts = 1;     // all accounts' pending changes; may load; stores
  static constexpr int kCarryContracts = 2;    // all contracts' pending changes; may load; stores
  static constexpr int kCarryEverything = 4;   // 1 then 2; may load; does not store
  static constexpr int kCarryAccount = 5;      // one account record
  static constexpr int kCarryContract = 6;     // one contract record
  static constexpr int kCorrectEntry = 7;      // the accounts an entry affects, in its month
  static constexpr int kDeleteAccount = 19;    // the account from its first month on
  static constexpr int kDeleteContract = 29;   // the contract from its first month on

  // Registers the actions. bookData must outlive the planner.
  explicit CActionPlanner(CBookData& bookData);
  ~CActionPlanner() override;
  CActionPlanner(const CActionPlanner&) = delete;
  CActionPlanner& operator=(const CActionPlanner&) = delete;

  // 1 when a solution was found and executed, 0 otherwise (nothing to do,
  // an unknown type, or a type that needs a record of another kind). Types
  // 1 and 2 end by storing every loaded month and unloading the months
  // outside the loading window. Throws std::logic_error when no accounting
  // operations are registered; a failing store throws CDatabaseError with
  // the months still in memory.
  int Run(int requestType);
  int Run(int requestType, CBestandsdaten& account);  // 5, 19
  int Run(int requestType, CVertrag& contract);       // 6, 29
  int Run(int requestType, CVorgang& entry);          // 7

  // The book data's reload after the month range changed: loads the months
  // of the loading window, drops the others, and carries the pending
  // changes on (type 4) once the accounting's operations are registered.
  void RunReloadProblem(bool askQuestions) override;

  // 1 makes propagation into following months happen without asking.
  int NoQuestions() const { return context_.NoQuestions() ? 1 : 0; }
  void SetNoQuestions(int noQuestions) { context_.SetNoQuestions(noQuestions != 0); }
  // Set by Run for the request: 1 for types 1, 2 and 4.
  int LoadingAllowed() const { return context_.LoadingAllowed() ? 1 : 0; }
  // The planner's remembered answers (keys PostenId × 108, 109, 110 and
  // month id × 127); they live across runs.
  CQuestionStore& Questions() { return context_.Questions(); }
  IAI_Module& Module() { return module_; }

 private:
  void BeginRun(int requestType);
  // Solves and executes one engine problem; 1 when it was solved.
  int Solve(int problemNumber, int key, int month, void* record);
  int CarryAll(int problemNumber);
  void StoreAndUnload();

  CBookData& bookData_;
  CPlannerContext context_;
  // After the context: destroyed first, its actions refer to the context.
  IAI_Module module_;
};
