#pragma once
// Balance lines of a bank file: the month balances computed from a stated
// balance and the bookings of the file, the balance records the program
// makes from them ("Kontostand vom"), and the balances phase of the
// mapping. User-interface thread only.

#include <vector>

#include "storage/Date.h"

class CImportRecord;
class CRuleChoice;
class CTmpFileImport;
struct CMappingContext;

// One balance of the account: on `date`, the first of `monthId` except for
// the first entry, which carries the date of the first booking.
struct CMonthBalance {
  int monthId = 0;
  CDate date;
  double balance = 0.0;
};

inline constexpr const char* kComputedBalanceDescription = "Kontostand vom";
inline constexpr const char* kComputedBalanceTransferText = "Kontostand";

// The month balances of account `accountId` over the bookings of file
// `fileNumber` (records not of kind 5 or 6, in list order), from
// `startBalance`: forwards a stated opening balance is carried to the first
// of each following month, backwards a stated closing balance to the first
// of each month it covers (the list then runs from the newest booking).
std::vector<CMonthBalance> MonthBalances(const CTmpFileImport& records, int fileNumber, int accountId,
                                         double startBalance, bool forwards);

// Appends the program's balance record for `balance` to the list: origin,
// format, rule, account text and account of the balance line `line`;
// description "Kontostand vom", transfer text "Kontostand", kind 6, check
// state 7. Returns it (the list owns it).
CImportRecord& AppendComputedBalance(CTmpFileImport& records, const CImportRecord& line,
                                     const CMonthBalance& balance);

// The balances phase: every open balance line gets its balance rule (none:
// skip mark) and the rule's account; with the rule's computation the month
// balances become balance records; the bookings read from a balance line's
// own line leave the list; at the end the list is sorted by date.
void MapBalances(CTmpFileImport& records, const CMappingContext& context, const CRuleChoice& choice);
