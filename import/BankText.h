#pragma once
// The tests and conversions of the texts in the cells of a bank file:
// numbers in the German form (decimal comma, thousands points), dates as
// day, month and year with points, sign markers. Shared by the reading of
// bank files and by the format recognition. None of them looks at the
// process locale.

#include <optional>
#include <string_view>

#include "storage/Date.h"

// Loose number test: at most 30 characters, only digits, "," and ".", and at
// most one "-" anywhere. The empty text passes: callers test for emptiness
// first.
bool IsLooseNumber(std::string_view text);

// Strict number test: at most 30 characters of digits, at most one "-" and
// at most one ","; a "." only where it groups thousands (read from the end,
// the digits since the last "," or "." are a positive multiple of three),
// and at least one digit unless the text is empty.
bool IsStrictNumber(std::string_view text);

// The value of a German number: 1.234,56 is 1234.56; every "." groups
// digits, the "," is the decimal separator. A leading or a trailing minus
// makes it negative ("12,50-" is -12.5). Blanks around the text are
// ignored. Nothing for a text that is no such number: no digit, two commas,
// a minus between digits, letters, and values of 10^11 or more, which no
// household account holds ("inf", "nan" and hexadecimal forms are no
// numbers either).
std::optional<double> ParseGermanAmount(std::string_view text);

// The date of a text "d.m.y": day and month with one or two digits, the
// year with one, two or four digits; blanks around it are ignored. Years of
// one or two digits 00 to 69 mean 2000 to 2069, 70 to 99 mean 1970 to 1999;
// four-digit years from 1900 to 2099 count. Nothing for any other text and
// for days that do not exist (31.04., 29.02. outside leap years).
std::optional<CDate> ParseBankDate(std::string_view text);

// The date test of the format: the empty text passes, any other text must
// be a date for ParseBankDate.
bool IsBankDate(std::string_view text);

// The sign a marker cell gives in a sign format such as "[H][S]" (positive
// marker first, negative marker second): -1 when "[cell]" occurs in the
// format and the format has no "][" or its first "][" stands before the
// occurrence; +1 when it occurs otherwise; 0 (sign unchanged) when it does
// not occur. A format with a single marker makes that marker negative.
int SignOfMarker(std::string_view signFormat, std::string_view cell);

// The text without the blanks and tabs around it.
std::string_view TrimBlanks(std::string_view text);
