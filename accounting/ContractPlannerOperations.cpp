#include "accounting/ContractPlannerOperations.h"

#include "accounting/ContractDueEntries.h"
#include "model/BookData.h"

void CAccountingPlannerOperations::PropagateContract(CVertrag& source, int monthId) {
  BookDataOf().Contracts()->PropagateContract(source, monthId);
}

void CAccountingPlannerOperations::CreateDueEntries(CVertrag& contract) {
  CBookData& bookData = BookDataOf();
  ::CreateDueEntries({*bookData.Entries(), *bookData.Database(), bookData.CurrentBookId()}, contract);
}

std::unique_ptr<IPlannerOperations> MakePlannerOperations(CBookData& bookData) {
  return std::make_unique<CAccountingPlannerOperations>(bookData);
}
