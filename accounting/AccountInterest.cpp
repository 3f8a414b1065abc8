#include "accounting/AccountInterest.h"

// The interest entries are made by the interest booking, which is not
// built yet: until then an account's computation books no interest, and
// accounts with CalcZins are computed like any other.
void BookAccountInterest(const CAccountContext&, CBestandsdaten&) {}
