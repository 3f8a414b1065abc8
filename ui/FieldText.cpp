#include "ui/FieldText.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "storage/Format.h"
#include "storage/StrFormat.h"

namespace {

constexpr std::array<const char*, 7> kWeekdayNames = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                                                      "Donnerstag", "Freitag", "Samstag"};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool OnlyCharacters(std::string_view text, std::string_view allowedNonDigits) {
  return std::all_of(text.begin(), text.end(),
                     [&](char c) { return IsDigit(c) || allowedNonDigits.find(c) != std::string_view::npos; });
}

bool AcceptsNumberText(std::string_view text, bool withSign) {
  const auto commas = std::count(text.begin(), text.end(), ',');
  const auto minus = std::count(text.begin(), text.end(), '-');
  return OnlyCharacters(text, withSign ? ".,-" : ".,") && commas <= 1 && minus <= 1;
}

bool AcceptsDateText(std::string_view text) {
  return OnlyCharacters(text, ".") && std::count(text.begin(), text.end(), '.') <= 2;
}

// The year of a date text with four digits; two digits are put into the
// window 1930 ... 2029.
std::optional<std::string> FourDigitYearText(std::string_view text) {
  const auto lastPoint = text.rfind('.');
  if (lastPoint == std::string_view::npos) return std::nullopt;
  const std::string_view year = text.substr(lastPoint + 1);
  if (year.size() == 4) return std::string(text);
  if (year.size() != 2 || !IsDigit(year[0]) || !IsDigit(year[1])) return std::nullopt;
  const int twoDigits = (year[0] - '0') * 10 + (year[1] - '0');
  const int century = twoDigits < 30 ? 2000 : 1900;
  return std::string(text.substr(0, lastPoint + 1)) + std::to_string(century + twoDigits);
}

}  // namespace

bool AcceptsFieldText(FieldType type, int limit, std::string_view text) {
  switch (type) {
    case FieldType::Text: return limit <= 0 || Utf8Length(text) <= static_cast<std::size_t>(limit);
    case FieldType::Number: return AcceptsNumberText(text, false);
    case FieldType::SignedNumber: return AcceptsNumberText(text, true);
    case FieldType::Date: return AcceptsDateText(text);
    case FieldType::Other: return text.empty();
  }
  return false;
}

double ReadFieldNumber(std::string_view text) {
  // Rebuilt as a plain number text, so the one number parser reads it.
  std::string integerDigits, fractionDigits;
  bool inFraction = false, negative = false;
  for (char c : text) {
    if (IsDigit(c))
      (inFraction ? fractionDigits : integerDigits).push_back(c);
    else if (c == ',')
      inFraction = true;
    else if (c == '-')
      negative = true;
  }
  if (integerDigits.empty() && fractionDigits.empty()) return 0.0;
  const std::string plain = (negative ? "-" : "") + (integerDigits.empty() ? "0" : integerDigits) + "." +
                            (fractionDigits.empty() ? "0" : fractionDigits);
  return ParseNumber(plain);
}

std::optional<CDate> ParseFieldDate(std::string_view text) {
  const std::optional<std::string> fourDigitYear = FourDigitYearText(text);
  if (!fourDigitYear) return std::nullopt;
  return CDate::FromScreenText(*fourDigitYear);
}

std::string NormaliseFieldText(FieldType type, int limit, std::string_view text) {
  switch (type) {
    case FieldType::Text: return limit <= 0 ? std::string(text) : TruncateUtf8(text, static_cast<std::size_t>(limit));
    case FieldType::Number: return FormatGermanNumber(std::abs(ReadFieldNumber(text)), std::clamp(limit, 0, 3));
    case FieldType::SignedNumber: {
      const double value = ReadFieldNumber(text);
      // "-0,00" would read as a negative amount that is none.
      const std::string zero = FormatGermanNumber(0.0, std::clamp(limit, 0, 3));
      const std::string shown = FormatGermanNumber(value, std::clamp(limit, 0, 3));
      return shown == "-" + zero ? zero : shown;
    }
    case FieldType::Date: {
      const std::optional<CDate> date = ParseFieldDate(text);
      return date ? date->ToScreenText() : std::string();
    }
    case FieldType::Other: return std::string(text);
  }
  return std::string(text);
}

std::vector<std::string> DateInfoLines(CDate date, std::string_view fieldText) {
  return {StrFormat("%s, den %s", kWeekdayNames[static_cast<std::size_t>(date.DayOfWeek())], fieldText),
          StrFormat("%d.Kalenderwoche", date.DayOfYear() / 7 + 1), StrFormat("%d.Tag im Jahr", date.DayOfYear())};
}
