#pragma once

// Pure month rules of a book: the loading window, the month state, the plan
// of a month range change and the current month at start. They work on month
// ids only; the month list and the book data apply the results.

#include <string_view>
#include <vector>

// The loading window FirstLoadMonatId ... LastLoadMonatId: the months whose
// accounts, entries and contracts are in memory. It always holds the current
// month and the months ahead of it.
struct CLoadWindow {
  int first = 0;  // FirstLoadMonatId
  int last = 0;   // LastLoadMonatId

  bool Contains(int monthId) const { return monthId >= first && monthId <= last; }
  // Before the first or after the last loaded month.
  bool IsOutside(int monthId) const { return !Contains(monthId); }
  friend bool operator==(const CLoadWindow&, const CLoadWindow&) = default;
};

// The window after the user unloads monthId: a month before the current one
// takes itself and every earlier month out of the window, a month after it
// itself and every later month. The current month cannot be unloaded.
CLoadWindow WindowWithoutMonth(CLoadWindow window, int monthId, int currentMonthId);

// The window after the user loads monthId: it grows to reach the month. The
// current month is always loaded, so it changes nothing.
CLoadWindow WindowWithMonth(CLoadWindow window, int monthId, int currentMonthId);

// States of a month, from the confirmation indexes of its accounts, entries
// and contracts.
inline constexpr int kMonthNotCreated = 0;  // "nicht angelegt": no items
inline constexpr int kMonthInitialised = 1; // "initialisiert": nothing confirmed
inline constexpr int kMonthEdited = 2;      // "bearbeitet": something confirmed
inline constexpr int kMonthClosed = 3;      // "abgeschlossen"

// State of a month with unconfirmed items counted under index 0 and confirmed
// ones under index 1 (a contract counts under both): closed when both counts
// are equal and not 0, edited when anything is confirmed, initialised when
// there is anything at all.
int MonthStateOf(int unconfirmedCount, int confirmedCount);

// "nicht angelegt", "initialisiert", "bearbeitet", "abgeschlossen"; empty for
// any other number.
std::string_view MonthStateText(int state);

// What changing a book's months from firstExist ... lastExist (0 ... 0 for a
// book without months) to newFirst ... newLast deletes and creates.
struct CMonthRangePlan {
  // False when the new range is empty or starts before January 2001; the
  // plan is then empty and nothing must change.
  bool valid = false;
  // Months to delete, in the order the user is asked: those before newFirst
  // ascending, then those after newLast descending.
  std::vector<int> deleteIds;
  // Months to create, ascending: the ids of the new range that do not exist.
  std::vector<int> createIds;
};

CMonthRangePlan PlanMonthRange(int firstExist, int lastExist, int newFirst, int newLast);

// The book columns that decide the current month.
struct CCurrentMonthSettings {
  int AktMonatUser = 0;        // 0 never set, 1 follows the calendar, 2 chosen by the user
  int AktMonatId = 0;
  int AnzAngelegteMonate = 0;  // months kept created ahead of today
  friend bool operator==(const CCurrentMonthSettings&, const CCurrentMonthSettings&) = default;
};

// The current month brought up to date at start, and the month range the
// book must then have.
struct CCurrentMonthUpdate {
  CCurrentMonthSettings settings;
  int rangeFirst = 0;
  int rangeLast = 0;
};

// At start on a day of month todayMonthId: a book that never set its
// settings takes the months it has ahead of today (1 ... 12) and starts to
// follow the calendar; a book that follows the calendar moves its current
// month to today's; the range runs from firstExist to today's month plus the
// months ahead.
CCurrentMonthUpdate PlanCurrentMonthAtStart(CCurrentMonthSettings settings, int firstExist, int lastExist,
                                            int todayMonthId);
