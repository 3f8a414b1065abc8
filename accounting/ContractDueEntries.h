#pragma once
// The entries a contract makes in each month: its due entries on the
// month's due dates and, for a contract with a reserve, the monthly share
// entry ("Monatsanteil für %s"). User-interface thread only.

#include "accounting/Vertrag.h"
#include "accounting/Vorgang.h"

class CDatabase;

// Where due entries are made: new entries take ids from the book's rows.
struct CDueEntryContext {
  CVorgangList& entries;
  CDatabase& database;
  int bookId = 0;
};

// Renews the due entries of the record's month by the record's pending
// change flags:
// - the monthly share entry is refreshed (made when missing) while the
//   record has a reserve, deleted otherwise; a second share entry goes;
// - the month's due dates are matched in order with the contract's due
//   entries of the month (list order): a matched entry takes the record's
//   values by the flags and the due date, a missing one is made, one left
//   over is deleted;
// - a confirmed entry of a contract that requires confirmation and an entry
//   paid in another month stay as they are (the latter is kept even when
//   left over: its payment lives in the other month), and a payment record
//   (the payment month's record of such an entry) is never touched.
// A record marked deleted or outside its validity range keeps no entries
// in its month but those payment records.
void CreateDueEntries(const CDueEntryContext& context, CVertrag& record);

// The entry type a contract's due entries have: 1 income, 2 expense,
// 5 transfer.
int DueEntryType(const CVertragRow& contract);
