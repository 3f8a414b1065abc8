#pragma once

#include "storage/AccountTables.h"
#include "storage/Date.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

// Due-date arithmetic of contracts: pure functions over a contract's row and
// plain values. Nothing here reads or changes the book.
//
// A contract pays either in a day cycle (`ZahlungInTagen` 1, every
// `AnzZahlungen` days from `ErsteFaelligkeit` on) or a number of times a year
// (`ZahlungInTagen` 0, `AnzZahlungen` payments, every 12 / `AnzZahlungen`
// months on the day of `ErsteFaelligkeit`). `ErsteFaelligkeit` fixes the day
// of the month and the phase of the cycle; no due date lies before it.
//
// Bounded results for data the contract screen would not accept:
// - a contract without `ErsteFaelligkeit` (the zero date) has no due dates;
// - a day cycle of less than one day has no due dates and no monthly share;
// - payments per year below 1 count as one a year, above 12 as twelve (a
//   month is the shortest step the month cycle knows).
//
// Days are clamped to the month's length by the program's calendar; where
// that calendar has a day the Gregorian one lacks (29 February 2100), the due
// date falls on the last real day before it.
//
// `LastMonat` (when not 0) is the contract's last month: no due date lies
// after its last day.

// The first due date on or after `date`; none when it would lie after the
// contract's last month. The search carries on into later years.
std::optional<CDate> NextDue(const CVertragRow& contract, const CDate& date);

// The first due date in month `monthId`, on or after `from` when that day is
// later than the month's first day; none when the month has no (further) due
// date or lies after the contract's last month.
std::optional<CDate> DueInMonth(const CVertragRow& contract, int monthId,
                                const std::optional<CDate>& from = std::nullopt);

// Every due date in month `monthId`, in order (at most 31).
std::vector<CDate> DueDatesInMonth(const CVertragRow& contract, int monthId);

// The contract's last due date: the last one on or before the last day of
// `LastMonat`; none for an open-ended contract or one whose first due date
// lies after its last month.
std::optional<CDate> LastDue(const CVertragRow& contract);

// The last month of a contract: with a fixed term (`LaufZeit` 1) it is
// `FirstMonat` + `LaufZeitMonate` - 1; otherwise, and for a term of less
// than one month or a contract without first month (which would end it before
// it starts and so drop every record), the row's `LastMonat` stays.
int LastMonatOfTerm(const CVertragRow& contract);

// The due dates of several month records of one contract, each record giving
// the due dates of its own `MonatId`; only records of the months
// `firstMonth` ... `lastMonth` count. Months in ascending order, dates in
// order within a month.
std::vector<CDate> DueDatesOfRecords(std::span<const CVertragRow* const> records, int firstMonth,
                                     int lastMonth);

// The same dates as the combo box of due dates lists them ("%02d.%02d.%04d").
std::vector<std::string> DueDateTexts(std::span<const CVertragRow* const> records, int firstMonth,
                                      int lastMonth);

// The due date of the records' months closest to `date`: one on or after it
// counts when fewer than `daysAfter` days after it, one before it when fewer
// than `daysBefore` days before it. Among equally close dates the later one
// wins. None when no date qualifies.
std::optional<CDate> NearestDue(std::span<const CVertragRow* const> records, const CDate& date,
                                int firstMonth, int lastMonth, int daysBefore, int daysAfter);

// The amount a contract with a reserve puts aside each month: `Betrag` x 30 /
// days of the cycle, or `Betrag` / (12 div payments per year); negative for an
// expense contract (`Typ` 2). 0 for a day cycle of less than one day.
double MonthlyShare(const CVertragRow& contract);

// The date of a month's share entry: year and month of `monthId`, day of
// `ErsteFaelligkeit` clamped like a due date. The zero date for a contract
// without first due date or a month id below 1.
CDate MonthlyShareDate(const CVertragRow& contract, int monthId);

// "Monatsanteil für %s" with the contract's name.
std::string MonthlyShareText(const CVertragRow& contract);

// The payment frequency as the screens show it: "jede Woche", "alle %d
// Wochen", "alle %d Tage", "jährlich", "halbjährlich", "alle 4 Monate",
// "vierteljährlich", "alle 2 Monate", "monatlich" (0 payments a year read as
// one); empty for any other number of payments a year, though the cycle still
// runs by the bounds above, and for a day cycle of less than one day.
std::string FrequencyText(const CVertragRow& contract);
