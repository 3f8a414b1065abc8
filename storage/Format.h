#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Number texts, UTF-8 texts and SQL quoting. None of these look at the
// process locale: a German locale set by the user interface must not turn the
// decimal point of an SQL text into a comma.

// The value with exactly `decimals` decimals and a point, like "%.*f" in the
// C locale: FormatFixed(12.5, 6) is "12.500000". Non-finite values give
// "inf", "-inf" or "nan".
std::string FormatFixed(double value, int decimals);

// "%0.2f", the form of amounts in lists and reports: 1234.5 gives "1234.50".
std::string FormatAmount(double value);

// Reads a number with a point as decimal separator the way strtod does in the
// C locale: leading blanks, an optional sign, digits, a fraction and an
// exponent; reading stops at the first character that does not fit. Text
// without a number, and values too large for a double, give 0.
double ParseNumber(std::string_view text);

// The grouped German form of edit fields: the value rounded to `decimals`
// (0 to 3), points between groups of three digits, a comma before the
// decimals: 1234.5 with 2 decimals gives "1.234,50", -0.5 with 1 gives "-0,5".
std::string FormatGermanNumber(double value, int decimals);

// Reads the German form: every point is dropped, every comma becomes the
// decimal point, then ParseNumber. "1.234,5" gives 1234.5.
double ParseGermanNumber(std::string_view text);

// The number of UTF-8 characters (every byte that does not continue a
// sequence starts one).
std::size_t Utf8Length(std::string_view text);

// The first `maxChars` UTF-8 characters of the text; a multi-byte character
// is kept whole or dropped whole, never split.
std::string TruncateUtf8(std::string_view text, std::size_t maxChars);

// A text value for an SQL statement: between single quotes, every single
// quote doubled ('O''Neill'). NUL characters, which would end the statement
// text, are dropped.
std::string QuoteSqlText(std::string_view text);

// True when SQLite takes the two names for the same table or column: ASCII
// letters compare without regard to case, every other character (blanks
// included) exactly.
bool SameSqlName(std::string_view a, std::string_view b);

// A column or table name for an SQL statement: a plain name (letters, digits
// and underscores, not starting with a digit) stays as it is; any other, such
// as "ImportFormatPruef  " with its trailing blanks, is put in square
// brackets. REQUIRES: the name holds no ']' (names are the program's own).
std::string QuoteSqlName(std::string_view name);
