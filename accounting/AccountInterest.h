#pragma once
// The interest booking of the account computation: each month's computed
// interest entry (`Typ` 4) and, for the month that closes an interest
// period, the period's interest and fees entry (`Typ` 1 or 2). Both carry
// RefVertragPostenId kInterestEntryRef, the account in `BetrKontoId` and the
// last day of their month as capture date.
//
// Sign and text of the computed interest entry: its amount is minus the
// month interest. A `Typ` 4 amount moves no balance in the account walk; like
// a reserve share it is a cost of the month, so earned interest is booked as
// a negative amount and named "berechnete Zinseinahmen von %s", interest the
// account pays as a positive amount named "berechnete Zinsausgaben von %s".

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

// Balances of the record's month from `startBalance` and the confirmed
// movements of the month's entries on the account. Interest entries of
// either kind and the due-month record of a payment made in another month
// do not count.
CDailyBalances AccountDailyBalances(const CAccountContext& context, const CBestandsdaten& record,
                                    double startBalance);

// The account's computed interest entry of the month (live), or null.
CVorgang* FindComputedInterestEntry(CVorgangList& entries, int postenId, int monthId);
// The account's interest and fees entry of the month (live), or null.
CVorgang* FindInterestAndFeesEntry(CVorgangList& entries, int postenId, int monthId);

// Books `monthInterest` of the record's month as its computed interest entry
// (made, or updated and unconfirmed when its amount changes). Returns the
// entry; null for a month after the last loaded month.
CVorgang* BookMonthInterest(const CAccountContext& context, const CBestandsdaten& record, double monthInterest);

// When the record's month closes its interest period: books the period's
// interest and fees (minus the fixed costs minus the period's computed
// interest amounts) into the month. Not booked when the period reaches
// before the first loaded month while the account already existed then:
// those months' interest is not in memory. Interest and fees entries left
// in the period's earlier months are dropped unless confirmed.
void BookInterestPeriod(const CAccountContext& context, const CBestandsdaten& record);

// Sets the account's interest and fees entry of the month to `amount`
// (`Typ` 1 for 0 or more, else 2, with the absolute amount), making it when
// there is none. A confirmed entry stays as it is (it holds what the bank
// booked). Returns the entry; null for a month outside the loaded months.
// Also used by the bank import.
CVorgang* SetInterestAndFees(const CAccountContext& context, int postenId, int monthId, double amount);
