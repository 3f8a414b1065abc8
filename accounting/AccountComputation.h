#pragma once
// The balance computation of the accounts: sums of a month's entries, start
// balances carried from month to month, and the correction entries ("Nicht
// erfasste Einahmen"/"Nicht erfasste Ausgaben") that book the difference to
// a confirmed start balance in the month before. User-interface thread only.

#include <vector>

#include "accounting/Bestandsdaten.h"
#include "accounting/Vorgang.h"
#include "model/MonthWindow.h"
#include "model/QuestionStore.h"
#include "storage/Database.h"

class CBookData;

// What the account operations work on; every member outlives the calls.
struct CAccountContext {
  CBestandsdatenList& accounts;
  CVorgangList& entries;
  // Where STRING 127 is remembered per month (the planner's store).
  CQuestionStore& questions;
  // New entry ids come from the book's rows in the database.
  CDatabase& database;
  int bookId = 0;
  CLoadWindow window;  // the loaded months
};

// The context over the book data's collections, its current book and the
// planner's question store (the book data's while it has no planner).
// REQUIRES: the collections exist and the database is open.
CAccountContext AccountContextOf(CBookData& bookData);

inline constexpr int kAllAccounts = -1;
inline constexpr int kFromFirstLoadedMonth = -1;

inline constexpr const char* kUncapturedIncome = "Nicht erfasste Einahmen";
inline constexpr const char* kUncapturedExpenses = "Nicht erfasste Ausgaben";

// Recomputes the account (kAllAccounts: every account) from the month on
// (kFromFirstLoadedMonth: the first loaded month): the month sums of every
// record from there, the start balances of the following months, each
// record's end balance, and the correction entries where a confirmed start
// balance differs (STRING 127, asked once per month).
void Recompute(const CAccountContext& context, int postenId, int fromMonthId);

// Books what the record of the month asks for in its correction request
// against the month before (a correction entry there, or its removal),
// clears the request and recomputes the account from the month before.
// Without a record of the month before the account is recomputed from the
// month and the request is kept for a later call.
void CorrectAccount(const CAccountContext& context, int postenId, int monthId);

// Sets the start balance of the account's record of the month, confirmed or
// not, and corrects the account (see CorrectAccount). Nothing happens when
// the account has no record in the month.
void SetConfirmedBalance(const CAccountContext& context, int postenId, int monthId, double amount,
                         int confirmed);

// The account's correction entry of the month (live), or null. Not owned.
CVorgang* FindCorrectionEntry(CVorgangList& entries, int postenId, int monthId);
// Makes or reuses the account's correction entry of the month for amount x
// (x > 0 an income of x, else an expense of -x); returns it, marked changed.
CVorgang& BookCorrectionEntry(const CAccountContext& context, int postenId, int monthId, double amount);

// What an entry moves on an account: incomes and expenses by their type, a
// transfer out of or into it. Consumptions, reserve shares and computed
// interest move no balance (counts false).
struct CMovement {
  double in = 0.0;
  double out = 0.0;
  bool counts = false;
};
CMovement MovementOf(const CVorgang& entry, int postenId);

// One account in one month.
struct CAccountMonth {
  int accountId = 0;
  int monthId = 0;
  friend auto operator<=>(const CAccountMonth&, const CAccountMonth&) = default;
};

// Recomputes each account of the list from the earliest of its months (not
// before the first loaded month): what an entry change reports as touched.
void RecomputeAffectedAccounts(const CAccountContext& context, const std::vector<CAccountMonth>& affected);
// After an entry was made, changed, moved or deleted: recomputes every
// account the entry moved before (null for a new entry) or moves now, from
// the earlier of the two months.
void RecomputeAfterEntryChange(const CAccountContext& context, const CVorgang* before, const CVorgang& after);

// The record's start balance plus the confirmed movements of its month
// captured up to the day (the correction entry included).
double BalanceOnDay(const CAccountContext& context, const CBestandsdaten& record, const CDate& day);
