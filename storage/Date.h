#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>

// A calendar date with day resolution, kept as the number of days since
// 30 December 1899 (the zero date). Fractions of a day are ignored by every
// calendar operation. The zero date doubles as "no date": a NULL or unreadable
// date column reads as it.
class CDate {
public:
    struct CYmd {
        int year = 1899;
        int month = 12;
        int day = 30;
    };

    constexpr CDate() = default;
    constexpr explicit CDate(double days) : m_days(days) {}

    // The date of a proleptic Gregorian calendar day; the zero date when the
    // three values do not name a real day (month 13, 30 February, ...).
    static CDate FromYmd(int year, int month, int day);
    static bool IsValidYmd(int year, int month, int day);

    // The database form: the first eight characters read as four year, two
    // month and two day digits. Anything else gives the zero date.
    static CDate FromDbText(std::string_view text);
    // The screen form "d.m.yyyy" (day and month with one or two digits, a
    // four-digit year); nothing when the text is no real date.
    static std::optional<CDate> FromScreenText(std::string_view text);

    constexpr double Days() const { return m_days; }
    // The whole day this value falls on (a fraction belongs to its day).
    int DayNumber() const;
    bool IsZero() const { return DayNumber() == 0; }

    CYmd ToYmd() const;
    int Year() const { return ToYmd().year; }
    int Month() const { return ToYmd().month; }
    int Day() const { return ToYmd().day; }
    // 0 Sunday, 1 Monday ... 6 Saturday.
    int DayOfWeek() const;
    // 1 for 1 January.
    int DayOfYear() const;

    CDate AddDays(int days) const { return CDate(DayNumber() + days); }

    // "%04d%02d%02d", e.g. 20080307.
    std::string ToDbText() const;
    // "%02d.%02d.%04d", e.g. 07.03.2008.
    std::string ToScreenText() const;

    friend bool operator==(const CDate& a, const CDate& b) { return a.DayNumber() == b.DayNumber(); }
    friend std::strong_ordering operator<=>(const CDate& a, const CDate& b)
    {
        return a.DayNumber() <=> b.DayNumber();
    }

private:
    double m_days = 0.0;
};
