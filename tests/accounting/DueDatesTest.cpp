#include "accounting/DueDates.h"

#include "model/MonthMath.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

CDate Day(int year, int month, int day)
{
    return CDate::FromYmd(year, month, day);
}

CVertragRow MonthCycle(const CDate& first, int paymentsPerYear, int lastMonat = 0)
{
    CVertragRow contract;
    contract.Bezeichnung = "Miete";
    contract.Typ = 2;
    contract.Betrag = 100.0;
    contract.ErsteFaelligkeit = first;
    contract.AnzZahlungen = paymentsPerYear;
    contract.LastMonat = lastMonat;
    return contract;
}

CVertragRow DayCycle(const CDate& first, int days, int lastMonat = 0)
{
    CVertragRow contract = MonthCycle(first, days, lastMonat);
    contract.ZahlungInTagen = 1;
    return contract;
}

std::string Shown(const std::optional<CDate>& date)
{
    return date ? date->ToScreenText() : "-";
}

std::vector<std::string> Shown(const std::vector<CDate>& dates)
{
    std::vector<std::string> texts;
    for (const CDate& date : dates)
        texts.push_back(date.ToScreenText());
    return texts;
}

double Cents(double amount)
{
    return std::round(amount * 100.0) / 100.0;
}

struct CMonthCase {
    const char* what;
    CVertragRow contract;
    int year;
    int month;
    std::vector<std::string> dates;
};

TEST(DueDates, DueDatesOfAMonthFollowTheCycleAndTheMonthLengths)
{
    const CMonthCase cases[] = {
        {"31st in February", MonthCycle(Day(2007, 1, 31), 12), 2007, 2, {"28.02.2007"}},
        {"31st in March", MonthCycle(Day(2007, 1, 31), 12), 2007, 3, {"31.03.2007"}},
        {"31st in April", MonthCycle(Day(2007, 1, 31), 12), 2007, 4, {"30.04.2007"}},
        {"30th in a 29-day February", MonthCycle(Day(2008, 1, 30), 12), 2008, 2, {"29.02.2008"}},
        {"2100 has no 29 February in any real calendar", MonthCycle(Day(2100, 1, 31), 12), 2100, 2, {"28.02.2100"}},
        {"quarterly in its month", MonthCycle(Day(2007, 2, 15), 4), 2007, 5, {"15.05.2007"}},
        {"quarterly between its months", MonthCycle(Day(2007, 2, 15), 4), 2008, 1, {}},
        {"quarterly next year", MonthCycle(Day(2007, 2, 15), 4), 2008, 11, {"15.11.2008"}},
        {"yearly off its month", MonthCycle(Day(2006, 12, 10), 1), 2007, 3, {}},
        {"yearly in its month", MonthCycle(Day(2006, 12, 10), 1), 2007, 12, {"10.12.2007"}},
        {"three a year", MonthCycle(Day(2007, 3, 5), 3), 2007, 7, {"05.07.2007"}},
        {"before the first due date", MonthCycle(Day(2007, 3, 5), 12), 2007, 2, {}},
        {"every 14 days", DayCycle(Day(2007, 3, 1), 14), 2007, 3, {"01.03.2007", "15.03.2007", "29.03.2007"}},
        {"every 14 days after a year end", DayCycle(Day(2007, 12, 20), 14), 2008, 1,
         {"03.01.2008", "17.01.2008", "31.01.2008"}},
        {"every week", DayCycle(Day(2007, 2, 5), 7), 2007, 2, {"05.02.2007", "12.02.2007", "19.02.2007", "26.02.2007"}},
        {"every 40 days skips a month", DayCycle(Day(2007, 1, 1), 40), 2007, 4, {}},
        {"after the last month", MonthCycle(Day(2007, 1, 15), 12, MonthId(2007, 3)), 2007, 4, {}},
        {"in the last month", MonthCycle(Day(2007, 1, 15), 12, MonthId(2007, 3)), 2007, 3, {"15.03.2007"}},
    };
    for (const CMonthCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Shown(DueDatesInMonth(c.contract, MonthId(c.year, c.month))), c.dates);
        const std::string first = c.dates.empty() ? "-" : c.dates.front();
        EXPECT_EQ(Shown(DueInMonth(c.contract, MonthId(c.year, c.month))), first);
    }
}

struct CNextCase {
    const char* what;
    CVertragRow contract;
    CDate date;
    const char* next;
};

TEST(DueDates, NextDueSearchesOnIntoLaterYearsAndStopsAtTheLastMonth)
{
    const CNextCase cases[] = {
        {"before the first due date", MonthCycle(Day(2007, 2, 15), 4), Day(2006, 5, 1), "15.02.2007"},
        {"on the first due date", MonthCycle(Day(2007, 2, 15), 4), Day(2007, 2, 15), "15.02.2007"},
        {"quarterly after a due day", MonthCycle(Day(2007, 2, 15), 4), Day(2007, 5, 20), "15.08.2007"},
        {"quarterly across the year end", MonthCycle(Day(2007, 2, 15), 4), Day(2007, 11, 20), "15.02.2008"},
        {"quarterly early in the year", MonthCycle(Day(2007, 2, 15), 4), Day(2008, 1, 1), "15.02.2008"},
        {"yearly before its month", MonthCycle(Day(2006, 12, 10), 1), Day(2007, 3, 1), "10.12.2007"},
        {"yearly after its day", MonthCycle(Day(2006, 12, 10), 1), Day(2007, 12, 11), "10.12.2008"},
        {"monthly on a clamped day", MonthCycle(Day(2007, 1, 31), 12), Day(2007, 2, 28), "28.02.2007"},
        {"monthly after a clamped day", MonthCycle(Day(2008, 1, 31), 12), Day(2008, 3, 1), "31.03.2008"},
        {"day cycle between dates", DayCycle(Day(2007, 3, 1), 14), Day(2007, 3, 2), "15.03.2007"},
        {"day cycle on a date", DayCycle(Day(2007, 3, 1), 14), Day(2007, 3, 29), "29.03.2007"},
        {"day cycle across the year end", DayCycle(Day(2007, 12, 20), 14), Day(2007, 12, 21), "03.01.2008"},
        {"month cycle past the last month", MonthCycle(Day(2007, 1, 15), 12, MonthId(2007, 3)), Day(2007, 3, 16), "-"},
        {"day cycle past the last month", DayCycle(Day(2007, 3, 1), 14, MonthId(2007, 3)), Day(2007, 3, 30), "-"},
        {"day cycle within the last month", DayCycle(Day(2007, 3, 1), 14, MonthId(2007, 3)), Day(2007, 3, 16),
         "29.03.2007"},
    };
    for (const CNextCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Shown(NextDue(c.contract, c.date)), c.next);
    }
}

TEST(DueDates, DueInMonthStartsAtTheGivenDateWhenItIsLater)
{
    const CVertragRow fortnightly = DayCycle(Day(2007, 3, 1), 14);
    const int march = MonthId(2007, 3);
    EXPECT_EQ(Shown(DueInMonth(fortnightly, march, Day(2007, 3, 16))), "29.03.2007");
    EXPECT_EQ(Shown(DueInMonth(fortnightly, march, Day(2007, 3, 30))), "-");
    EXPECT_EQ(Shown(DueInMonth(fortnightly, march, Day(2007, 2, 1))), "01.03.2007") << "an earlier date is ignored";
}

TEST(DueDates, LastDueLiesInOrBeforeTheLastMonth)
{
    const int march2007 = MonthId(2007, 3);
    EXPECT_EQ(Shown(LastDue(MonthCycle(Day(2007, 1, 15), 12, march2007))), "15.03.2007");
    EXPECT_EQ(Shown(LastDue(MonthCycle(Day(2006, 12, 10), 1, MonthId(2008, 11)))), "10.12.2007");
    EXPECT_EQ(Shown(LastDue(MonthCycle(Day(2007, 1, 31), 4, MonthId(2008, 5)))), "30.04.2008");
    EXPECT_EQ(Shown(LastDue(DayCycle(Day(2007, 3, 1), 14, march2007))), "29.03.2007");
    EXPECT_EQ(Shown(LastDue(DayCycle(Day(2007, 2, 20), 40, march2007))), "20.02.2007");
    EXPECT_EQ(Shown(LastDue(MonthCycle(Day(2007, 1, 15), 12))), "-") << "open-ended";
    EXPECT_EQ(Shown(LastDue(MonthCycle(Day(2007, 4, 15), 12, march2007))), "-") << "first due after the last month";
}

TEST(DueDates, ATermEndsItsLastMonthButNeverBeforeItsFirst)
{
    CVertragRow contract = MonthCycle(Day(2007, 8, 1), 12, 200);
    contract.FirstMonat = 80;
    contract.LaufZeit = 1;
    contract.LaufZeitMonate = 12;
    EXPECT_EQ(LastMonatOfTerm(contract), 91);
    contract.LaufZeitMonate = 0;
    EXPECT_EQ(LastMonatOfTerm(contract), 200) << "a term of no months keeps the last month";
    contract.LaufZeitMonate = 12;
    contract.LaufZeit = 0;
    EXPECT_EQ(LastMonatOfTerm(contract), 200) << "no fixed term";
}

TEST(DueDates, InvalidCyclesGiveBoundedResults)
{
    for (int days : {0, -3}) {
        SCOPED_TRACE(days);
        const CVertragRow contract = DayCycle(Day(2007, 3, 1), days);
        EXPECT_EQ(Shown(NextDue(contract, Day(2007, 3, 2))), "-");
        EXPECT_THAT(DueDatesInMonth(contract, MonthId(2007, 3)), IsEmpty());
        EXPECT_EQ(MonthlyShare(contract), 0.0);
        EXPECT_EQ(FrequencyText(contract), "");
    }

    const CVertragRow thirteen = MonthCycle(Day(2007, 3, 5), 13);
    EXPECT_EQ(Shown(DueDatesInMonth(thirteen, MonthId(2007, 4))), (std::vector<std::string>{"05.04.2007"}))
        << "more than twelve a year pay monthly";

    const CVertragRow none = MonthCycle(Day(2007, 3, 5), 0);
    EXPECT_EQ(Shown(NextDue(none, Day(2007, 3, 6))), "05.03.2008") << "no payments a year count as one";

    const CVertragRow undated = MonthCycle(CDate(), 12);
    EXPECT_EQ(Shown(NextDue(undated, Day(2007, 3, 6))), "-") << "no first due date, no due dates";
    EXPECT_THAT(DueDatesInMonth(undated, MonthId(2007, 3)), IsEmpty());

    const CVertragRow everyDay = DayCycle(Day(2007, 1, 1), 1);
    EXPECT_EQ(DueDatesInMonth(everyDay, MonthId(2007, 1)).size(), 31u);
    EXPECT_EQ(Shown(NextDue(DayCycle(Day(2007, 1, 1), 2000000000), Day(2007, 1, 2))), "-");
}

TEST(DueDates, MonthlyShareSpreadsAPaymentOverItsMonths)
{
    struct {
        const char* what;
        CVertragRow contract;
        int typ;
        double betrag;
        double share;
    } cases[] = {
        {"quarterly expense", MonthCycle(Day(2007, 1, 1), 4), 2, 120.0, -40.0},
        {"weekly income", DayCycle(Day(2007, 1, 1), 7), 1, 70.0, 300.0},
        {"every 14 days", DayCycle(Day(2007, 1, 1), 14), 2, 70.0, -150.0},
        {"every 45 days", DayCycle(Day(2007, 1, 1), 45), 1, 100.0, 66.67},
        {"yearly expense", MonthCycle(Day(2007, 1, 1), 1), 2, 120.0, -10.0},
        {"monthly transfer", MonthCycle(Day(2007, 1, 1), 12), 3, 50.0, 50.0},
        {"five a year run every two months", MonthCycle(Day(2007, 1, 1), 5), 1, 100.0, 50.0},
        {"thirteen a year run monthly", MonthCycle(Day(2007, 1, 1), 13), 2, 30.0, -30.0},
        {"no payments a year count as one", MonthCycle(Day(2007, 1, 1), 0), 1, 120.0, 10.0},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.what);
        c.contract.Typ = c.typ;
        c.contract.Betrag = c.betrag;
        EXPECT_DOUBLE_EQ(Cents(MonthlyShare(c.contract)), c.share);
    }
}

TEST(DueDates, MonthlyShareEntryTakesTheClampedDayAndTheContractsName)
{
    const CVertragRow contract = MonthCycle(Day(2007, 1, 31), 4);
    EXPECT_EQ(MonthlyShareDate(contract, MonthId(2007, 2)).ToScreenText(), "28.02.2007");
    EXPECT_EQ(MonthlyShareDate(contract, MonthId(2007, 3)).ToScreenText(), "31.03.2007");
    EXPECT_TRUE(MonthlyShareDate(MonthCycle(CDate(), 4), MonthId(2007, 3)).IsZero());
    EXPECT_EQ(MonthlyShareText(contract), "Monatsanteil für Miete");
}

TEST(DueDates, FrequencyTextsNameTheCycle)
{
    const struct {
        bool inDays;
        int count;
        const char* text;
    } cases[] = {
        {true, 7, "jede Woche"},       {true, 14, "alle 2 Wochen"},    {true, 10, "alle 10 Tage"},
        {true, 1, "alle 1 Tage"},      {false, 1, "jährlich"},         {false, 0, "jährlich"},
        {false, 2, "halbjährlich"},    {false, 3, "alle 4 Monate"},    {false, 4, "vierteljährlich"},
        {false, 6, "alle 2 Monate"},   {false, 12, "monatlich"},       {false, 5, ""},
        {false, 13, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        const CDate first = Day(2007, 1, 1);
        EXPECT_EQ(FrequencyText(c.inDays ? DayCycle(first, c.count) : MonthCycle(first, c.count)), c.text);
    }
}

class DueDatesOfRecords : public ::testing::Test {
protected:
    // One contract's records for January to March 2007, handed over out of
    // month order; every 10 days from 5 January.
    DueDatesOfRecords()
    {
        for (int month : {3, 1, 2}) {
            CVertragRow record = DayCycle(Day(2007, 1, 5), 10);
            record.MonatId = MonthId(2007, month);
            m_records.push_back(record);
        }
        for (const CVertragRow& record : m_records)
            m_pointers.push_back(&record);
    }

    std::vector<CVertragRow> m_records;
    std::vector<const CVertragRow*> m_pointers;
    const int m_january = MonthId(2007, 1);
    const int m_february = MonthId(2007, 2);
};

TEST_F(DueDatesOfRecords, ListsTheDatesOfTheChosenMonthsInOrder)
{
    EXPECT_THAT(DueDateTexts(m_pointers, m_january, m_february),
                ElementsAre("05.01.2007", "15.01.2007", "25.01.2007", "04.02.2007", "14.02.2007", "24.02.2007"));
    EXPECT_THAT(DueDateTexts(m_pointers, MonthId(2007, 4), MonthId(2007, 6)), IsEmpty());
}

TEST_F(DueDatesOfRecords, NearestDuePrefersTheLaterOfTwoEquallyCloseDates)
{
    EXPECT_EQ(Shown(NearestDue(m_pointers, Day(2007, 1, 10), m_january, m_february, 10, 10)), "15.01.2007");
    EXPECT_EQ(Shown(NearestDue(m_pointers, Day(2007, 1, 9), m_january, m_february, 10, 10)), "05.01.2007");
    EXPECT_EQ(Shown(NearestDue(m_pointers, Day(2007, 1, 11), m_january, m_february, 10, 10)), "15.01.2007");
}

TEST_F(DueDatesOfRecords, NearestDueKeepsToItsWindow)
{
    const CDate date = Day(2007, 1, 10);
    EXPECT_EQ(Shown(NearestDue(m_pointers, date, m_january, m_february, 10, 5)), "05.01.2007")
        << "15 January lies 5 days after: not fewer than 5";
    EXPECT_EQ(Shown(NearestDue(m_pointers, date, m_january, m_february, 5, 5)), "-");
    EXPECT_EQ(Shown(NearestDue(m_pointers, Day(2007, 2, 3), m_february, m_february, 30, 30)), "04.02.2007");
    EXPECT_EQ(Shown(NearestDue(m_pointers, Day(2007, 1, 27), m_february, m_february, 30, 30)), "04.02.2007")
        << "January's 25th lies outside the months asked for";
}

} // namespace
