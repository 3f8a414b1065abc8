#pragma once
// Evaluating the monitoring rules over a range of loaded months: input
// errors, account balances and confirmations, contract payments due,
// uncaptured amounts and category sums. Reads the collections only.
// User-interface thread only.

#include "model/Monat.h"
#include "monitoring/MonitoringHit.h"
#include "monitoring/Report.h"
#include "storage/Date.h"

// Clears hits and fills it with the findings of the active rules over the
// months first ... last (both included) as of today, in evaluation order:
// input errors, then accounts (record order, then rule order), then entries
// (entry order, then rule order). The hits refer to the rules: they are
// valid while the rule list keeps them.
//
// Entries of a contract payment made in another month count once: the due
// month's record (positive TerminMonatId) is left out, as in the account
// computation. A category rule watches its own category only; KategorieId 0
// watches the uncaptured income and expenses. A contract without a due date
// in the entry's due month gives no due-date hit.
void EvaluateReports(const CReportList& rules, const CMonthCollections& book, int firstMonthId, int lastMonthId,
                     const CDate& today, CHitList& hits);

// The same as of Today() from the installed clock.
void EvaluateReports(const CReportList& rules, const CMonthCollections& book, int firstMonthId, int lastMonthId,
                     CHitList& hits);
