#pragma once
// The program's operations for the action planner: the account half
// (CAccountPlannerOperations) and the contract half, carrying a contract
// record's changes into another month and renewing its due entries, over
// the book data's collections. User-interface thread only.

#include <memory>

#include "accounting/AccountPlannerOperations.h"

class CAccountingPlannerOperations final : public CAccountPlannerOperations {
 public:
  using CAccountPlannerOperations::CAccountPlannerOperations;

  // CVertragList::PropagateContract under the source's pending flags, which
  // the planner sets to the problem's mask for the call.
  void PropagateContract(CVertrag& source, int monthId) override;
  // Renews the record's due entries and monthly share entry in its month.
  void CreateDueEntries(CVertrag& contract) override;
};

// The operations over bookData, for CBookData::SetPlannerOperations.
std::unique_ptr<IPlannerOperations> MakePlannerOperations(CBookData& bookData);
