#pragma once

// The texts of edit fields without any widget: which texts a field accepts
// while the user types, how its text is normalised when the user leaves it,
// how a date text is read, and the lines of the date information box.
// Numbers are formatted and parsed by storage/Format.h; this file only
// decides what a field makes of its text.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "storage/Date.h"
#include "ui/ControlDescriptor.h"

// Whether a field of type with limit may hold text after a key or a paste.
// Text: at most limit characters (a limit of 0 or less: any length). Numbers: digits, points and one comma;
// signed numbers also one minus sign. Dates: digits and at most two points.
// Other types: nothing but the empty text. Deleting always leads to a text
// that is accepted again, so Backspace is never refused.
bool AcceptsFieldText(FieldType type, int limit, std::string_view text);

// The number a field's text stands for, read digit by digit: digits before
// the first comma form the integer part, digits after it the fraction, a
// minus sign anywhere makes it negative, everything else is skipped. No
// digits give 0; so do more digits than a double can hold.
double ReadFieldNumber(std::string_view text);

// A date text "d.m.yyyy" or "d.m.yy" (day and month with one or two digits).
// Two-digit years 00 to 29 are 2000 to 2029, 30 to 99 are 1930 to 1999.
// Nothing when the text names no real day.
std::optional<CDate> ParseFieldDate(std::string_view text);

// The text a field shows after the user left it. Text: cut to limit
// characters. Numbers: ReadFieldNumber formatted with limit decimals in the
// grouped German form ("1234,5" gives "1.234,50"); an unsigned field drops
// the sign. Dates: "%02d.%02d.%04d", or empty when the text is no date.
// Other types stay as they are.
std::string NormaliseFieldText(FieldType type, int limit, std::string_view text);

// The three lines of the date information box for date with its field text:
// "Donnerstag, den 01.01.2009", "1.Kalenderwoche", "1.Tag im Jahr". The week
// is the day of the year divided by seven, plus one.
std::vector<std::string> DateInfoLines(CDate date, std::string_view fieldText);
