#pragma once
// The interest booking of the account computation.

#include "accounting/AccountComputation.h"

// Called by the account computation for every computed record in month
// order, after the record's month sums are collected and before the next
// month's start balance is taken from it. Books the month's computed
// interest entry and, for the month that closes an interest period, the
// period's interest and fees entry.
void BookAccountInterest(const CAccountContext& context, CBestandsdaten& record);
