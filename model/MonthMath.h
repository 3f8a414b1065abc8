#pragma once

// The one month arithmetic of the program.
//
// Months are numbered consecutively by their month id, January 2001 being 1:
// id = (year - 2001) * 12 + month. 0 means "no month"; ids below 1 name no
// month of the program, and every text function returns an empty text for
// them. Month ids are the values of MonatId, AktMonatId, FirstMonat ... .
//
// Texts: the label "März 2007" ("%s %d", German month name and year), the key
// "032007" ("%02d%04d", the Bezeichnung of a Monat row and the form in which
// months travel as text).
//
// Month lengths follow the program's own calendar, not the Gregorian one:
// February has 29 days in every year divisible by 4, 2100 included.

#include <string>
#include <string_view>

#include "storage/Date.h"

inline constexpr int kNoMonth = 0;
// Month id 1 is January of this year.
inline constexpr int kFirstYear = 2001;

struct CYearMonth {
  int year = 0;
  int month = 0;  // 1 ... 12
  friend bool operator==(const CYearMonth&, const CYearMonth&) = default;
};

// Id of month (1 ... 12) of year.
int MonthId(int year, int month);

// Year and month of an id (month always 1 ... 12, also for ids below 1).
CYearMonth YearMonthOfId(int monthId);

// The id count months after monthId (before it for negative count).
int AddMonths(int monthId, int count);
int NextMonthId(int monthId);
int PreviousMonthId(int monthId);

// Days of month (1 ... 12) in year; 0 for any other month number.
int DaysInMonth(int year, int month);
int DaysInMonthOfId(int monthId);

// German name of month 1 ... 12 ("Januar" ... "Dezember"); empty for any
// other number.
std::string_view MonthName(int month);

// "März 2007"; empty for ids below 1.
std::string MonthLabel(int monthId);

// The label as month lists show it: "*März 2007" for the current month,
// the plain label for every other.
std::string MonthListLabel(int monthId, int currentMonthId);

// Id of a label as MonthLabel or MonthListLabel write it; a leading "*" and
// blanks are skipped. 0 for anything that is not a month name followed by a
// year of a month from January 2001 on.
int MonthIdOfLabel(std::string_view label);

// "032007"; empty for ids below 1.
std::string MonthKey(int monthId);

// Id of a key: exactly six digits, month 01 ... 12, a month from January
// 2001 on. 0 for anything else.
int MonthIdOfKey(std::string_view key);

// Label of a key ("032007" -> "März 2007"); empty for an invalid key.
std::string MonthLabelOfKey(std::string_view key);

// The key count months after key (before it for negative count); empty for
// an invalid key or a result before January 2001.
std::string AddMonthsToKey(std::string_view key, int count);

// First and last day of a month as year, month and day by the program's
// month lengths (so 29 February 2100 is the last day of that month, though
// CDate, which follows the Gregorian calendar, has no such day); the zero
// date's triple for ids below 1.
CDate::CYmd FirstDayOfMonth(int monthId);
CDate::CYmd LastDayOfMonth(int monthId);

// Id of the month a date lies in; kNoMonth for the zero date and any date
// before 2001.
int MonthIdOfDate(const CDate& date);
