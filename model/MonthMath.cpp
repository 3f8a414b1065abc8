#include "model/MonthMath.h"

#include <array>
#include <charconv>

#include "storage/StrFormat.h"

namespace {

constexpr std::array<std::string_view, 12> kMonthNames = {
    "Januar", "Februar", "März",     "April",   "Mai",      "Juni",
    "Juli",   "August",  "September", "Oktober", "November", "Dezember"};

constexpr std::array<int, 12> kDaysInMonth = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Division rounding toward minus infinity, so that ids below 1 still map to
// a month 1 ... 12.
int FloorDiv(int value, int divisor) {
  const int quotient = value / divisor;
  return (value % divisor != 0 && value < 0) ? quotient - 1 : quotient;
}

// Years have four digits in keys; labels are held to the same range.
constexpr int kLastYear = 9999;

bool IsMonthOfProgram(int monthId) { return monthId >= 1; }

bool AllDigits(std::string_view text) {
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return !text.empty();
}

// Reads an unsigned decimal number that makes up all of text.
bool ReadNumber(std::string_view text, int& value) {
  if (!AllDigits(text)) return false;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

int IndexOfMonthName(std::string_view name) {
  for (std::size_t i = 0; i < kMonthNames.size(); ++i) {
    if (kMonthNames[i] == name) return static_cast<int>(i) + 1;
  }
  return 0;
}

}  // namespace

int MonthId(int year, int month) { return (year - kFirstYear) * 12 + month; }

CYearMonth YearMonthOfId(int monthId) {
  const int monthsSinceStart = monthId - 1;
  const int yearOffset = FloorDiv(monthsSinceStart, 12);
  return {kFirstYear + yearOffset, monthsSinceStart - yearOffset * 12 + 1};
}

int AddMonths(int monthId, int count) { return monthId + count; }
int NextMonthId(int monthId) { return monthId + 1; }
int PreviousMonthId(int monthId) { return monthId - 1; }

int DaysInMonth(int year, int month) {
  if (month < 1 || month > 12) return 0;
  if (month == 2 && year % 4 == 0) return 29;
  return kDaysInMonth[static_cast<std::size_t>(month - 1)];
}

int DaysInMonthOfId(int monthId) {
  const CYearMonth ym = YearMonthOfId(monthId);
  return DaysInMonth(ym.year, ym.month);
}

std::string_view MonthName(int month) {
  if (month < 1 || month > 12) return {};
  return kMonthNames[static_cast<std::size_t>(month - 1)];
}

std::string MonthLabel(int monthId) {
  if (!IsMonthOfProgram(monthId)) return {};
  const CYearMonth ym = YearMonthOfId(monthId);
  return StrFormat("%s %d", MonthName(ym.month), ym.year);
}

std::string MonthListLabel(int monthId, int currentMonthId) {
  const std::string label = MonthLabel(monthId);
  if (monthId != currentMonthId || label.empty()) return label;
  return StrFormat("*%s", label);
}

int MonthIdOfLabel(std::string_view label) {
  label = TrimBlanks(label);
  if (!label.empty() && label.front() == '*') label = TrimBlanks(label.substr(1));
  const std::size_t blank = label.find(' ');
  if (blank == std::string_view::npos) return kNoMonth;
  const int month = IndexOfMonthName(label.substr(0, blank));
  int year = 0;
  if (month == 0 || !ReadNumber(TrimBlanks(label.substr(blank)), year) || year > kLastYear) return kNoMonth;
  const int id = MonthId(year, month);
  return IsMonthOfProgram(id) ? id : kNoMonth;
}

std::string MonthKey(int monthId) {
  if (!IsMonthOfProgram(monthId)) return {};
  const CYearMonth ym = YearMonthOfId(monthId);
  return StrFormat("%02d%04d", ym.month, ym.year);
}

int MonthIdOfKey(std::string_view key) {
  int month = 0;
  int year = 0;
  if (key.size() != 6 || !ReadNumber(key.substr(0, 2), month) || !ReadNumber(key.substr(2), year)) {
    return kNoMonth;
  }
  if (month < 1 || month > 12) return kNoMonth;
  const int id = MonthId(year, month);
  return IsMonthOfProgram(id) ? id : kNoMonth;
}

std::string MonthLabelOfKey(std::string_view key) { return MonthLabel(MonthIdOfKey(key)); }

std::string AddMonthsToKey(std::string_view key, int count) {
  const int id = MonthIdOfKey(key);
  if (id == kNoMonth) return {};
  return MonthKey(AddMonths(id, count));
}

CDate::CYmd FirstDayOfMonth(int monthId) {
  if (!IsMonthOfProgram(monthId)) return {};
  const CYearMonth ym = YearMonthOfId(monthId);
  return {ym.year, ym.month, 1};
}

CDate::CYmd LastDayOfMonth(int monthId) {
  if (!IsMonthOfProgram(monthId)) return {};
  const CYearMonth ym = YearMonthOfId(monthId);
  return {ym.year, ym.month, DaysInMonth(ym.year, ym.month)};
}

int MonthIdOfDate(const CDate& date) {
  if (date.IsZero()) return kNoMonth;
  const CDate::CYmd day = date.ToYmd();
  const int id = MonthId(day.year, day.month);
  return IsMonthOfProgram(id) ? id : kNoMonth;
}
