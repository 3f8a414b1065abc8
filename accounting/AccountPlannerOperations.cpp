#include "accounting/AccountPlannerOperations.h"

#include "accounting/AccountComputation.h"
#include "accounting/AccountInterest.h"
#include "model/BookData.h"

void CAccountPlannerOperations::PropagateAccount(CBestandsdaten& source, int monthId) {
  BookDataOf().Accounts()->PropagateAccount(source, monthId, source.changeFlags);
}

void CAccountPlannerOperations::CorrectAccount(int postenId, int monthId) {
  ::CorrectAccount(AccountContextOf(BookDataOf()), postenId, monthId);
}

CMonthSpan CAccountPlannerOperations::InterestMonths(const CBestandsdaten& account) {
  const CMonthRange months = AccountInterestMonths(account);
  return {months.first, months.last};
}
