#include "accounting/AccountInterest.h"

// The interest entries are made by the interest booking, which is not
// built yet: until then an account's computation books no interest, and
// accounts with CalcZins are computed like any other.
void BookAccountInterest(const CAccountContext&, CBestandsdaten&) {}

CMonthRange AccountInterestMonths(const CBestandsdatenRow& account) {
  if (account.CalcZins == 0) return {};
  return InterestPeriodOf(account.BerechnungAm, account.MonatId).value_or(CMonthRange{});
}
