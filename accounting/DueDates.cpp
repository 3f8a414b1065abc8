#include "accounting/DueDates.h"

#include "model/MonthMath.h"
#include "storage/StrFormat.h"

#include <algorithm>

namespace {

// 31 December 9999, the last day whose year the month texts can show; a day
// cycle whose next step lies beyond it has no further due date.
long long LastDayNumber()
{
    static const long long lastDay = CDate::FromYmd(9999, 12, 31).DayNumber();
    return lastDay;
}

bool PaysInDays(const CVertragRow& contract)
{
    return contract.ZahlungInTagen != 0;
}

int PaymentsPerYear(const CVertragRow& contract)
{
    return std::clamp(contract.AnzZahlungen, 1, 12);
}

// Months between two due dates of a month cycle: 1, 2, 3, 4, 6 or 12.
int MonthStep(const CVertragRow& contract)
{
    return 12 / PaymentsPerYear(contract);
}

bool HasDueDates(const CVertragRow& contract)
{
    if (contract.ErsteFaelligkeit.IsZero())
        return false;
    return !PaysInDays(contract) || contract.AnzZahlungen >= 1;
}

int MonthIdOf(const CDate& date)
{
    const CDate::CYmd day = date.ToYmd();
    return MonthId(day.year, day.month);
}

// `day` of a month, reduced to the month's length by the program's calendar
// and, where CDate has no such day (29 February 2100), to the last real one.
CDate ClampedDayOfMonth(int monthId, int day)
{
    const CYearMonth month = YearMonthOfId(monthId);
    day = std::clamp(day, 1, DaysInMonth(month.year, month.month));
    while (day > 1 && !CDate::IsValidYmd(month.year, month.month, day))
        --day;
    return CDate::FromYmd(month.year, month.month, day);
}

bool AfterLastMonth(const CVertragRow& contract, const CDate& date)
{
    return contract.LastMonat > 0 && MonthIdOf(date) > contract.LastMonat;
}

std::optional<CDate> NextDueInDayCycle(const CVertragRow& contract, const CDate& date)
{
    const CDate& first = contract.ErsteFaelligkeit;
    if (date <= first)
        return first;
    const long long cycle = contract.AnzZahlungen;
    const long long daysSinceFirst = date.DayNumber() - first.DayNumber();
    const long long steps = (daysSinceFirst + cycle - 1) / cycle;
    const long long dayNumber = first.DayNumber() + steps * cycle;
    if (dayNumber > LastDayNumber())
        return std::nullopt;
    return CDate(static_cast<double>(dayNumber));
}

// The month cycle runs on from the first due month in steps of whole months,
// across year ends; a due day already passed in the month of `date` moves the
// answer on by one step.
CDate NextDueInMonthCycle(const CVertragRow& contract, const CDate& date)
{
    const CDate& first = contract.ErsteFaelligkeit;
    if (date < first)
        return first;
    const int step = MonthStep(contract);
    const int monthOfDate = MonthIdOf(date);
    const int stepsBehind = (monthOfDate - MonthIdOf(first)) % step;
    int dueMonth = stepsBehind == 0 ? monthOfDate : AddMonths(monthOfDate, step - stepsBehind);
    if (dueMonth == monthOfDate && first.Day() < date.Day())
        dueMonth = AddMonths(dueMonth, step);
    return ClampedDayOfMonth(dueMonth, first.Day());
}

CDate LastDueInDayCycle(const CVertragRow& contract, const CDate& lastDay)
{
    const CDate& first = contract.ErsteFaelligkeit;
    const int daysSinceFirst = lastDay.DayNumber() - first.DayNumber();
    return first.AddDays(daysSinceFirst - daysSinceFirst % contract.AnzZahlungen);
}

CDate LastDueInMonthCycle(const CVertragRow& contract)
{
    const int monthsSinceFirst = contract.LastMonat - MonthIdOf(contract.ErsteFaelligkeit);
    const int dueMonth = AddMonths(contract.LastMonat, -(monthsSinceFirst % MonthStep(contract)));
    return ClampedDayOfMonth(dueMonth, contract.ErsteFaelligkeit.Day());
}

std::string PaymentsPerYearText(int payments)
{
    switch (payments) {
    case 0:
    case 1:
        return "jährlich";
    case 2:
        return "halbjährlich";
    case 3:
        return "alle 4 Monate";
    case 4:
        return "vierteljährlich";
    case 6:
        return "alle 2 Monate";
    case 12:
        return "monatlich";
    default:
        return {};
    }
}

std::string DayCycleText(int days)
{
    if (days < 1)
        return {};
    if (days == 7)
        return "jede Woche";
    if (days % 7 == 0)
        return StrFormat("alle %d Wochen", days / 7);
    return StrFormat("alle %d Tage", days);
}

} // namespace

std::optional<CDate> NextDue(const CVertragRow& contract, const CDate& date)
{
    if (!HasDueDates(contract))
        return std::nullopt;
    const std::optional<CDate> due = PaysInDays(contract) ? NextDueInDayCycle(contract, date)
                                                          : NextDueInMonthCycle(contract, date);
    if (!due || AfterLastMonth(contract, *due))
        return std::nullopt;
    return due;
}

std::optional<CDate> DueInMonth(const CVertragRow& contract, int monthId, const std::optional<CDate>& from)
{
    if (monthId < 1 || (contract.LastMonat > 0 && contract.LastMonat < monthId))
        return std::nullopt;
    CDate start = ClampedDayOfMonth(monthId, 1);
    if (from && *from > start)
        start = *from;
    const std::optional<CDate> due = NextDue(contract, start);
    if (!due || MonthIdOf(*due) != monthId)
        return std::nullopt;
    return due;
}

std::vector<CDate> DueDatesInMonth(const CVertragRow& contract, int monthId)
{
    // Every found date lies in the month and the next search starts a day
    // later, so the walk ends after at most 31 dates.
    std::vector<CDate> dates;
    std::optional<CDate> from;
    while (const std::optional<CDate> due = DueInMonth(contract, monthId, from)) {
        dates.push_back(*due);
        from = due->AddDays(1);
    }
    return dates;
}

std::optional<CDate> LastDue(const CVertragRow& contract)
{
    if (contract.LastMonat < 1 || !HasDueDates(contract))
        return std::nullopt;
    const CDate lastDay = ClampedDayOfMonth(contract.LastMonat, 31);
    if (lastDay < contract.ErsteFaelligkeit)
        return std::nullopt;
    if (PaysInDays(contract))
        return LastDueInDayCycle(contract, lastDay);
    return LastDueInMonthCycle(contract);
}

int LastMonatOfTerm(const CVertragRow& contract)
{
    if (contract.LaufZeit == 0 || contract.FirstMonat < 1 || contract.LaufZeitMonate < 1)
        return contract.LastMonat;
    return AddMonths(contract.FirstMonat, contract.LaufZeitMonate - 1);
}

std::vector<CDate> DueDatesOfRecords(std::span<const CVertragRow* const> records, int firstMonth, int lastMonth)
{
    std::vector<const CVertragRow*> inRange;
    for (const CVertragRow* record : records)
        if (record && record->MonatId >= firstMonth && record->MonatId <= lastMonth)
            inRange.push_back(record);
    std::stable_sort(inRange.begin(), inRange.end(),
                     [](const CVertragRow* a, const CVertragRow* b) { return a->MonatId < b->MonatId; });

    std::vector<CDate> dates;
    for (const CVertragRow* record : inRange) {
        const std::vector<CDate> ofMonth = DueDatesInMonth(*record, record->MonatId);
        dates.insert(dates.end(), ofMonth.begin(), ofMonth.end());
    }
    return dates;
}

std::vector<std::string> DueDateTexts(std::span<const CVertragRow* const> records, int firstMonth, int lastMonth)
{
    std::vector<std::string> texts;
    for (const CDate& due : DueDatesOfRecords(records, firstMonth, lastMonth))
        texts.push_back(due.ToScreenText());
    return texts;
}

std::optional<CDate> NearestDue(std::span<const CVertragRow* const> records, const CDate& date, int firstMonth,
                                int lastMonth, int daysBefore, int daysAfter)
{
    std::optional<CDate> best;
    int bestDistance = 0;
    for (const CDate& due : DueDatesOfRecords(records, firstMonth, lastMonth)) {
        const int offset = due.DayNumber() - date.DayNumber();
        const int distance = offset < 0 ? -offset : offset;
        const bool qualifies = offset >= 0 ? distance < daysAfter : distance < daysBefore;
        if (!qualifies)
            continue;
        const bool closer = offset >= 0 ? distance <= bestDistance : distance < bestDistance;
        if (!best || closer) {
            best = due;
            bestDistance = distance;
        }
    }
    return best;
}

double MonthlyShare(const CVertragRow& contract)
{
    double share = 0.0;
    if (PaysInDays(contract)) {
        if (contract.AnzZahlungen >= 1)
            share = contract.Betrag * 30.0 / contract.AnzZahlungen;
    } else {
        share = contract.Betrag / MonthStep(contract);
    }
    return contract.Typ == 2 ? -share : share;
}

CDate MonthlyShareDate(const CVertragRow& contract, int monthId)
{
    if (contract.ErsteFaelligkeit.IsZero() || monthId < 1)
        return CDate();
    return ClampedDayOfMonth(monthId, contract.ErsteFaelligkeit.Day());
}

std::string MonthlyShareText(const CVertragRow& contract)
{
    return StrFormat("Monatsanteil für %s", contract.Bezeichnung);
}

std::string FrequencyText(const CVertragRow& contract)
{
    return PaysInDays(contract) ? DayCycleText(contract.AnzZahlungen) : PaymentsPerYearText(contract.AnzZahlungen);
}
