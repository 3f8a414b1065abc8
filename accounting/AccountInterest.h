#pragma once
// The interest booking of the account computation.

#include "accounting/AccountComputation.h"
#include "accounting/InterestMath.h"

// Called by the account computation for every computed record in month
// order, after the record's month sums are collected and before the next
// month's start balance is taken from it. Books the month's computed
// interest entry and, for the month that closes an interest period, the
// period's interest and fees entry.
void BookAccountInterest(const CAccountContext& context, CBestandsdaten& record);

// The months whose interest settings follow the record's: the interest
// period that contains its month. {0, 0} without interest computation or
// without an interest period.
CMonthRange AccountInterestMonths(const CBestandsdatenRow& account);
