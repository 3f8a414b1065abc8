#include "model/ActionPlanner.h"

#include <memory>
#include <stdexcept>

#include "model/PlannerActionBase.h"
#include "model/PlannerActions.h"
#include "model/PlannerOperations.h"

using namespace planner_problem;

CActionPlanner::CActionPlanner(CBookData& bookData) : bookData_(bookData), context_(bookData) {
  RegisterPlannerActions(module_, context_);
}

CActionPlanner::~CActionPlanner() = default;

void CActionPlanner::BeginRun(int requestType) {
  if (!context_.HasOperations()) throw std::logic_error("Der Aktionsplaner hat keine Buchhaltungsoperationen");
  context_.SetLoadingAllowed(requestType == kCarryAccounts || requestType == kCarryContracts ||
                             requestType == kCarryEverything);
  context_.BeginRun();
}

int CActionPlanner::Solve(int problemNumber, int key, int month, void* record) {
  CAIStdProb problem(key, month, 0.0, 0.0, record);
  const std::unique_ptr<CSolutionTree> tree(module_.Problem(problemNumber, &problem));
  if (!tree) return 0;
  module_.Execute(tree.get());
  return 1;
}

int CActionPlanner::CarryAll(int problemNumber) {
  if (!Solve(problemNumber, 0, 0, nullptr)) return 0;
  StoreAndUnload();
  return 1;
}

int CActionPlanner::Run(int requestType) {
  switch (requestType) {
    case kCarryAccounts:
      BeginRun(requestType);
      return CarryAll(kCarryAccounts);
    case kCarryContracts:
      BeginRun(requestType);
      return CarryAll(kCarryContracts);
    case kCarryEverything:
      BeginRun(requestType);
      Solve(kCarryAccounts, 0, 0, nullptr);
      return Solve(kCarryContracts, 0, 0, nullptr);
    default: return 0;
  }
}

int CActionPlanner::Run(int requestType, CBestandsdaten& account) {
  switch (requestType) {
    case kCarryAccount:
      BeginRun(requestType);
      return Solve(kAccountCarry, account.PostenId, account.MonatId, &account);
    case kDeleteAccount:
      BeginRun(requestType);
      return Solve(kAccountRemoveOnwards, account.PostenId, account.FirstMonatId, &account);
    default: return 0;
  }
}

int CActionPlanner::Run(int requestType, CVertrag& contract) {
  switch (requestType) {
    case kCarryContract:
      BeginRun(requestType);
      return Solve(kContractCarry, contract.PostenId, contract.MonatId, &contract);
    case kDeleteContract:
      BeginRun(requestType);
      return Solve(kContractRemoveOnwards, contract.PostenId, contract.FirstMonat, &contract);
    default: return 0;
  }
}

int CActionPlanner::Run(int requestType, CVorgang& entry) {
  if (requestType != kCorrectEntry) return 0;
  // A transfer moves two accounts; every other entry the one it affects.
  const int accounts[2] = {entry.Typ == 5 ? entry.SrcKontoId : entry.BetrKontoId, entry.Typ == 5 ? entry.TarKontoId : 0};
  if (accounts[0] == 0 && accounts[1] == 0) return 0;
  BeginRun(requestType);
  int solved = 0;
  for (int account : accounts)
    if (account != 0 && Solve(kCorrection, account, entry.MonatId, nullptr)) solved = 1;
  return solved;
}

void CActionPlanner::StoreAndUnload() {
  bookData_.StoreMonths(bookData_.CurrentBookId(), kAllLoadedMonths);
  // Months the run loaded outside the window leave memory again.
  for (int month = context_.FirstExistingMonth(); month > 0 && month <= context_.LastExistingMonth(); ++month)
    if (context_.OutsideWindow(month) && context_.IsLoaded(month)) bookData_.DropMonth(month);
}

void CActionPlanner::RunReloadProblem(bool askQuestions) {
  const CHaushaltsbuchRow& book = bookData_.Book();
  bookData_.Months()->MarkWindow(book.FirstLoadMonatId, book.LastLoadMonatId);
  bookData_.ApplyWindow(bookData_.CurrentBookId());
  // Before the accounting registered its operations nothing can be carried
  // on; the parked flags stay for a later run.
  if (!context_.HasOperations()) return;
  const bool noQuestions = context_.NoQuestions();
  context_.SetNoQuestions(!askQuestions);
  try {
    Run(kCarryEverything);
  } catch (...) {
    context_.SetNoQuestions(noQuestions);
    throw;
  }
  context_.SetNoQuestions(noQuestions);
}
