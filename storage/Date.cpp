#include "storage/Date.h"

#include "storage/StrFormat.h"

#include <charconv>
#include <cmath>

namespace {

// Days between 1 March of year 0 and 30 December 1899 in the civil-day count
// below; subtracting it makes the zero date day 0.
constexpr int kZeroDateDayCount = 693899;

// Gregorian calendar day count (days since 1 March of year 0), valid for any
// year; the era arithmetic keeps it exact for dates before year 0 as well.
constexpr int DayCountFromCivil(int year, int month, int day)
{
    year -= month <= 2 ? 1 : 0;
    const int era = (year >= 0 ? year : year - 399) / 400;
    const int yearOfEra = year - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra;
}

constexpr CDate::CYmd CivilFromDayCount(int count)
{
    const int era = (count >= 0 ? count : count - 146096) / 146097;
    const int dayOfEra = count - era * 146097;
    const int yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int shiftedMonth = (5 * dayOfYear + 2) / 153;
    const int day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
    const int month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    const int year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return {year, month, day};
}

static_assert(DayCountFromCivil(1899, 12, 30) == kZeroDateDayCount);

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Reads exactly the digits of `text`; false when it holds anything else.
bool ReadDigits(std::string_view text, int& value)
{
    if (text.empty())
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return std::from_chars(text.data(), text.data() + text.size(), value).ec == std::errc();
}

}  // namespace

bool CDate::IsValidYmd(int year, int month, int day)
{
    return month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
}

CDate CDate::FromYmd(int year, int month, int day)
{
    if (!IsValidYmd(year, month, day))
        return CDate();
    return CDate(DayCountFromCivil(year, month, day) - kZeroDateDayCount);
}

CDate CDate::FromDbText(std::string_view text)
{
    if (text.size() < 8)
        return CDate();
    int year = 0, month = 0, day = 0;
    if (!ReadDigits(text.substr(0, 4), year) || !ReadDigits(text.substr(4, 2), month)
        || !ReadDigits(text.substr(6, 2), day))
        return CDate();
    return FromYmd(year, month, day);
}

std::optional<CDate> CDate::FromScreenText(std::string_view text)
{
    const auto firstPoint = text.find('.');
    const auto secondPoint = firstPoint == std::string_view::npos ? firstPoint : text.find('.', firstPoint + 1);
    if (secondPoint == std::string_view::npos)
        return std::nullopt;
    const auto dayText = text.substr(0, firstPoint);
    const auto monthText = text.substr(firstPoint + 1, secondPoint - firstPoint - 1);
    const auto yearText = text.substr(secondPoint + 1);
    int year = 0, month = 0, day = 0;
    if (dayText.size() > 2 || monthText.size() > 2 || yearText.size() != 4 || !ReadDigits(dayText, day)
        || !ReadDigits(monthText, month) || !ReadDigits(yearText, year) || !IsValidYmd(year, month, day))
        return std::nullopt;
    return FromYmd(year, month, day);
}

int CDate::DayNumber() const
{
    // Negative values count their fraction away from zero (-1.25 is still
    // 29 December 1899), so the day is the value truncated toward zero.
    return static_cast<int>(std::trunc(m_days));
}

CDate::CYmd CDate::ToYmd() const
{
    return CivilFromDayCount(DayNumber() + kZeroDateDayCount);
}

int CDate::DayOfWeek() const
{
    // The zero date was a Saturday.
    const int weekday = (DayNumber() + 6) % 7;
    return weekday < 0 ? weekday + 7 : weekday;
}

int CDate::DayOfYear() const
{
    return DayNumber() - FromYmd(Year(), 1, 1).DayNumber() + 1;
}

std::string CDate::ToDbText() const
{
    const CYmd ymd = ToYmd();
    return StrFormat("%04d%02d%02d", ymd.year, ymd.month, ymd.day);
}

std::string CDate::ToScreenText() const
{
    const CYmd ymd = ToYmd();
    return StrFormat("%02d.%02d.%04d", ymd.day, ymd.month, ymd.year);
}
