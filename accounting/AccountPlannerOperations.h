#pragma once
// The account half of what the action planner needs of the accounting:
// carrying an account record's changes into another month, correcting an
// account and naming its interest months, over the book data's
// collections. The contract half (PropagateContract, CreateDueEntries)
// is left to the class that completes it and registers it with
// CBookData::SetPlannerOperations. User-interface thread only.

#include "model/PlannerOperations.h"

class CAccountPlannerOperations : public CPlannerRecordOperations {
 public:
  using CPlannerRecordOperations::CPlannerRecordOperations;

  // CBestandsdatenList::PropagateAccount under the source's pending flags,
  // which the planner sets to the problem's mask for the call.
  void PropagateAccount(CBestandsdaten& source, int monthId) override;
  // CorrectAccount over the book data, asking STRING 127 through the
  // planner's question store.
  void CorrectAccount(int postenId, int monthId) override;
  CMonthSpan InterestMonths(const CBestandsdaten& account) override;
};
