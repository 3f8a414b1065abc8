#include "import/BankText.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "storage/Format.h"

namespace {

constexpr std::size_t kMaxNumberLength = 30;
constexpr double kLargestAmount = 1e11;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool AllDigits(std::string_view text) { return !text.empty() && std::all_of(text.begin(), text.end(), IsDigit); }

int DigitsValue(std::string_view digits) {
  int value = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), value);
  return value;
}

// The year of one, two or four digits; 0 for any other.
int FullYear(std::string_view digits) {
  const int year = DigitsValue(digits);
  if (digits.size() <= 2) return year < 70 ? 2000 + year : 1900 + year;
  if (digits.size() == 4 && year >= 1900 && year <= 2099) return year;
  return 0;
}

// The text without a sign: the digits, points and at most one comma.
std::optional<std::string> CLocaleNumber(std::string_view unsigned_text) {
  std::string number;
  bool comma = false;
  bool digit = false;
  for (const char c : unsigned_text) {
    if (IsDigit(c)) {
      number += c;
      digit = true;
    } else if (c == ',' && !comma) {
      number += '.';
      comma = true;
    } else if (c != '.' || comma) {
      return std::nullopt;
    }
  }
  if (!digit) return std::nullopt;
  return number;
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

bool IsLooseNumber(std::string_view text) {
  if (text.size() > kMaxNumberLength) return false;
  int minus = 0;
  for (const char c : text) {
    if (c == '-') ++minus;
    else if (!IsDigit(c) && c != ',' && c != '.') return false;
  }
  return minus <= 1;
}

bool IsStrictNumber(std::string_view text) {
  if (text.size() > kMaxNumberLength) return false;
  int minus = 0;
  int commas = 0;
  int digitsInGroup = 0;
  bool anyDigit = text.empty();  // the empty text passes, as in the loose test
  for (auto it = text.rbegin(); it != text.rend(); ++it) {
    const char c = *it;
    if (IsDigit(c)) {
      anyDigit = true;
      ++digitsInGroup;
    } else if (c == '-') {
      if (++minus > 1) return false;
    } else if (c == ',') {
      if (++commas > 1) return false;
      digitsInGroup = 0;
    } else if (c == '.') {
      if (digitsInGroup == 0 || digitsInGroup % 3 != 0) return false;
      digitsInGroup = 0;
    } else {
      return false;
    }
  }
  // A lone "-" or "," is a sign or a filler, not a number: a "+"/"-" sign
  // column must stay recognisable.
  return anyDigit;
}

std::optional<double> ParseGermanAmount(std::string_view text) {
  text = TrimBlanks(text);
  if (text.size() > kMaxNumberLength) return std::nullopt;
  bool negative = false;
  if (text.starts_with('-')) {
    negative = true;
    text.remove_prefix(1);
  } else if (text.ends_with('-')) {
    negative = true;
    text.remove_suffix(1);
  }
  // Checked here, converted by the program's one number reader.
  const std::optional<std::string> number = CLocaleNumber(text);
  if (!number) return std::nullopt;
  const double value = ParseNumber(*number);
  if (!(value < kLargestAmount)) return std::nullopt;
  return negative ? -value : value;
}

std::optional<CDate> ParseBankDate(std::string_view text) {
  // The year is widened to four digits; day, month and the calendar are the
  // screen form's.
  text = TrimBlanks(text);
  const auto firstPoint = text.find('.');
  const auto secondPoint = firstPoint == std::string_view::npos ? firstPoint : text.find('.', firstPoint + 1);
  if (secondPoint == std::string_view::npos) return std::nullopt;
  const std::string_view year = text.substr(secondPoint + 1);
  const int fullYear = AllDigits(year) ? FullYear(year) : 0;
  if (fullYear == 0) return std::nullopt;
  return CDate::FromScreenText(std::string(text.substr(0, secondPoint + 1)) + std::to_string(fullYear));
}

bool IsBankDate(std::string_view text) { return text.empty() || ParseBankDate(text).has_value(); }

int SignOfMarker(std::string_view signFormat, std::string_view cell) {
  const std::string marker = "[" + std::string(cell) + "]";
  const auto occurrence = signFormat.find(marker);
  if (occurrence == std::string_view::npos) return 0;
  const auto divider = signFormat.find("][");
  return divider == std::string_view::npos || divider < occurrence ? -1 : +1;
}
