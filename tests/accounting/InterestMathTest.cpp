#include "accounting/InterestMath.h"

#include "model/MonthMath.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

using EKind = EInterestKind;

CDate Day(int year, int month, int day)
{
    return CDate::FromYmd(year, month, day);
}

double Cents(double amount)
{
    return std::round(amount * 100.0) / 100.0;
}

CBestandsdatenRow Account(double grenze0, double grenze1, double grenze2, std::array<double, 4> rates)
{
    CBestandsdatenRow account;
    account.Bezeichnung = "Girokonto";
    account.CalcZins = 1;
    account.Zins_Grenze_0 = grenze0;
    account.Zins_Grenze_1 = grenze1;
    account.Zins_Grenze_2 = grenze2;
    account.Zins_Proz_0 = rates[0];
    account.Zins_Proz_1 = rates[1];
    account.Zins_Proz_2 = rates[2];
    account.Zins_Proz_3 = rates[3];
    return account;
}

// 0.5 % from 0, 12 % from -2000 up to 0, 16 % below -2000.
CBestandsdatenRow GiroAccount()
{
    return Account(0.0, -2000.0, kNoLowerLimit, {0.5, 12.0, 16.0, 16.0});
}

TEST(InterestMath, RateComesFromTheBandHoldingTheBalance)
{
    const CBestandsdatenRow account = GiroAccount();
    const struct {
        double balance;
        double rate;
    } cases[] = {{500.0, 0.5}, {0.0, 0.5}, {-0.01, 12.0}, {-2000.0, 12.0}, {-2000.01, 16.0}, {-3000.0, 16.0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.balance);
        EXPECT_EQ(InterestRate(account, c.balance), c.rate);
    }
}

TEST(InterestMath, AConstantBalanceEarnsThirtyOneDaysOfAThreeHundredSixtyDayYear)
{
    const CBestandsdatenRow account = GiroAccount();
    const struct {
        double balance;
        double interest;
    } cases[] = {{500.0, 0.215278}, {-1000.0, -10.333333}, {-3000.0, -41.333333}, {0.0, 0.0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.balance);
        EXPECT_NEAR(MonthInterest(account, DailyBalances(c.balance, {})), c.interest, 1e-6);
    }
}

TEST(InterestMath, ComputedInterestEntryCarriesTheOppositeSignAndNamesWhatTheAccountGets)
{
    const double earned = MonthInterest(GiroAccount(), DailyBalances(500.0, {}));
    EXPECT_DOUBLE_EQ(Cents(ComputedInterestAmount(earned)), -0.22);
    EXPECT_EQ(ComputedInterestText("Girokonto", earned), "berechnete Zinseinahmen von Girokonto");

    const double paid = MonthInterest(GiroAccount(), DailyBalances(-1000.0, {}));
    EXPECT_DOUBLE_EQ(Cents(ComputedInterestAmount(paid)), 10.33);
    EXPECT_EQ(ComputedInterestText("Girokonto", paid), "berechnete Zinsausgaben von Girokonto");

    EXPECT_EQ(MatchComputedInterestText("berechnete Zinsausgaben von Giro", earned),
              "berechnete Zinseinahmen von Giro");
    EXPECT_EQ(MatchComputedInterestText("berechnete Zinseinahmen von Giro", paid), "berechnete Zinsausgaben von Giro");
    EXPECT_EQ(MatchComputedInterestText("berechnete Zinseinahmen von Giro", earned),
              "berechnete Zinseinahmen von Giro");
    EXPECT_EQ(MatchComputedInterestText("eigener Text", paid), "eigener Text");
    EXPECT_EQ(InterestAndFeesText("Girokonto"), "Zinsen und Gebühren von Girokonto");
}

TEST(InterestMath, DailyBalancesAddEachMovementFromItsDayOn)
{
    const CBalanceMovement movements[] = {
        {Day(2007, 3, 5), 50.0}, {Day(2007, 3, 5), -20.0}, {Day(2007, 3, 31), 100.0}, {CDate(), 1.0}};
    const CDailyBalances balances = DailyBalances(10.0, movements);
    EXPECT_DOUBLE_EQ(balances[0], 10.0);
    EXPECT_DOUBLE_EQ(balances[1], 11.0) << "an undated movement counts on the first day";
    EXPECT_DOUBLE_EQ(balances[4], 11.0);
    EXPECT_DOUBLE_EQ(balances[5], 41.0);
    EXPECT_DOUBLE_EQ(balances[30], 41.0);
    EXPECT_DOUBLE_EQ(balances[31], 141.0);
}

TEST(InterestMath, FebruaryRepeatsItsLastBalanceUpToDayThirtyOne)
{
    const CBalanceMovement payIn[] = {{Day(2007, 2, 28), 100.0}};
    const CDailyBalances balances = DailyBalances(100.0, payIn);
    EXPECT_DOUBLE_EQ(balances[27], 100.0);
    EXPECT_DOUBLE_EQ(balances[28], 200.0);
    EXPECT_DOUBLE_EQ(balances[31], 200.0);
    // 27 days at 100 and 4 at 200, at 0.5 %.
    EXPECT_NEAR(MonthInterest(GiroAccount(), balances), (27 * 100.0 + 4 * 200.0) * 0.005 / 360.0, 1e-9);
}

TEST(InterestMath, AMonthAcrossTwoBandsCountsEachDayAtItsOwnRate)
{
    const CBalanceMovement rent[] = {{Day(2007, 3, 16), -1500.0}};
    // 15 days at 1000 and 0.5 %, 16 days at -500 and 12 %.
    EXPECT_DOUBLE_EQ(Cents(MonthInterest(GiroAccount(), DailyBalances(1000.0, rent))), -2.46);
}

TEST(InterestMath, AnUnconfirmedStartBalanceCountsWithItsValue)
{
    CBestandsdatenRow account = GiroAccount();
    account.Betrag = 500.0;
    account.Bestaetigt = 0;
    account.CheckErforderlich = 1;
    EXPECT_DOUBLE_EQ(Cents(MonthInterest(account, std::span<const CBalanceMovement>())), 0.22);
}

struct CBandCase {
    const char* what;
    CBestandsdatenRow account;
    std::vector<EKind> kinds;
    std::vector<int> indexes;
};

TEST(InterestMath, BandsTakeTheirKindsFromTheirLimitsAndNeighbours)
{
    const CBandCase cases[] = {
        {"credit, overdraft and excess", GiroAccount(),
         {EKind::Guthabenzins, EKind::DispoZins, EKind::Ueberziehungzins}, {0, 1, 2}},
        {"with a second credit band", Account(5000.0, 0.0, -2000.0, {1, 0.5, 12, 16}),
         {EKind::Guthabenzins2, EKind::Guthabenzins, EKind::DispoZins, EKind::Ueberziehungzins}, {0, 1, 2, 3}},
        {"two excess bands", Account(0.0, -1000.0, -3000.0, {0.5, 10, 12, 16}),
         {EKind::Guthabenzins, EKind::DispoZins, EKind::Ueberziehungzins, EKind::Ueberziehungzins2}, {0, 1, 2, 3}},
        {"empty bands are left out", Account(0.0, 0.0, 0.0, {0.5, 0, 0, 9}), {EKind::Guthabenzins, EKind::DispoZins},
         {0, 3}},
        {"one band for every balance", Account(kNoLowerLimit, 0.0, 0.0, {2, 0, 0, 0}), {EKind::None}, {0}},
        {"a second credit band needs the first", Account(1000.0, kNoLowerLimit, kNoLowerLimit, {1, 0, 0, 0}),
         {EKind::None, EKind::None}, {0, 1}},
    };
    for (const CBandCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<EKind> kinds;
        std::vector<int> indexes;
        for (const CInterestBand& band : InterestBands(c.account)) {
            kinds.push_back(band.kind);
            indexes.push_back(band.index);
        }
        EXPECT_EQ(kinds, c.kinds);
        EXPECT_EQ(indexes, c.indexes);
    }
}

TEST(InterestMath, BandsCarryTheirLimitsAndRates)
{
    const std::vector<CInterestBand> bands = InterestBands(GiroAccount());
    ASSERT_EQ(bands.size(), 3u);
    EXPECT_EQ(bands[0].upper, kNoUpperLimit);
    EXPECT_EQ(bands[0].lower, 0.0);
    EXPECT_EQ(bands[1].upper, 0.0);
    EXPECT_EQ(bands[1].lower, -2000.0);
    EXPECT_EQ(bands[1].rate, 12.0);
    EXPECT_EQ(bands[2].lower, kNoLowerLimit);
}

TEST(InterestMath, KindOfBandNeverGivesAKindTwice)
{
    const struct {
        double lower;
        double upper;
        std::vector<EKind> existing;
        EKind kind;
    } cases[] = {
        {1000, kNoUpperLimit, {EKind::Guthabenzins}, EKind::Guthabenzins2},
        {1000, kNoUpperLimit, {}, EKind::None},
        {0, kNoUpperLimit, {}, EKind::Guthabenzins},
        {0, 500, {EKind::Guthabenzins}, EKind::None},
        {-2000, 0, {}, EKind::DispoZins},
        {-3000, -2000, {EKind::DispoZins}, EKind::Ueberziehungzins},
        {-3000, -2000, {}, EKind::None},
        {-5000, -3000, {EKind::DispoZins, EKind::Ueberziehungzins}, EKind::Ueberziehungzins2},
        {-5000, -3000, {EKind::Ueberziehungzins, EKind::Ueberziehungzins2}, EKind::None},
        {kNoLowerLimit, kNoUpperLimit, {}, EKind::None},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.lower << " .. " << c.upper);
        EXPECT_EQ(KindOfBand(c.lower, c.upper, c.existing), c.kind);
    }
}

TEST(InterestMath, ANewBandTakesTheFirstFreeKind)
{
    EXPECT_EQ(NewBandKind({}), EKind::Guthabenzins);
    const std::vector<EKind> dispoOnly = {EKind::DispoZins};
    EXPECT_EQ(NewBandKind(dispoOnly), EKind::Guthabenzins);
    const std::vector<EKind> three = {EKind::Guthabenzins, EKind::DispoZins, EKind::Ueberziehungzins};
    EXPECT_EQ(NewBandKind(three), EKind::Guthabenzins2);
    const std::vector<EKind> four = {EKind::Guthabenzins, EKind::DispoZins, EKind::Ueberziehungzins,
                                     EKind::Guthabenzins2};
    EXPECT_EQ(NewBandKind(four), EKind::None);
    EXPECT_EQ(InterestKindName(EKind::DispoZins), "DipsoZins");
    EXPECT_EQ(InterestKindName(EKind::Ueberziehungzins2), "Überziehungzins2");
    EXPECT_EQ(InterestKindName(EKind::None), "");
}

TEST(InterestMath, PeriodsAreCalendarMonthsQuartersHalfYearsAndYears)
{
    const int year = 2007;
    const struct {
        int berechnungAm;
        int month;
        int first;
        int last;
        bool closes;
    } cases[] = {
        {1, 3, 3, 3, true},   {2, 2, 1, 3, false}, {2, 3, 1, 3, true},    {2, 12, 10, 12, true},
        {3, 6, 1, 6, true},   {3, 7, 7, 12, false}, {4, 5, 1, 12, false}, {4, 12, 1, 12, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.berechnungAm << " / " << c.month);
        EXPECT_EQ(InterestPeriodOf(c.berechnungAm, MonthId(year, c.month)),
                  (CMonthRange{MonthId(year, c.first), MonthId(year, c.last)}));
        EXPECT_EQ(ClosesInterestPeriod(c.berechnungAm, MonthId(year, c.month)), c.closes);
    }
    for (int noPeriod : {0, 5, -1}) {
        EXPECT_EQ(InterestPeriodOf(noPeriod, MonthId(year, 12)), std::nullopt);
        EXPECT_FALSE(ClosesInterestPeriod(noPeriod, MonthId(year, 12)));
        EXPECT_EQ(InterestPeriodName(noPeriod), "");
    }
    EXPECT_EQ(InterestPeriodName(3), "Halbjahresende");
}

TEST(InterestMath, PeriodAmountIsTheInterestMinusTheFixedCosts)
{
    const double quarter[] = {-0.20, -0.21, -0.22};
    const double amount = InterestPeriodAmount(3.00, quarter);
    EXPECT_DOUBLE_EQ(Cents(amount), -2.37);
    const CInterestAndFees expense = InterestAndFeesEntry(amount);
    EXPECT_EQ(expense.typ, 2);
    EXPECT_DOUBLE_EQ(Cents(expense.betrag), 2.37);

    const double earned[] = {-1.50};
    const CInterestAndFees income = InterestAndFeesEntry(InterestPeriodAmount(0.0, earned));
    EXPECT_EQ(income.typ, 1);
    EXPECT_DOUBLE_EQ(Cents(income.betrag), 1.50);
    EXPECT_EQ(InterestAndFeesEntry(0.0).typ, 1);
}

class InterestPeriods : public ::testing::Test {
protected:
    // An account with records for January to June 2007.
    InterestPeriods()
    {
        for (int month = 1; month <= 6; ++month) {
            CBestandsdatenRow record = GiroAccount();
            record.MonatId = MonthId(2007, month);
            record.BerechnungAm = 2;
            record.BetragFixKosten = month;
            m_records[record.MonatId] = record;
        }
    }

    std::vector<CInterestPeriodBooking> Bookings(int fromMonth, int lastLoadedMonth) const
    {
        return InterestPeriodsToBook(MonthId(2007, fromMonth), MonthId(2007, lastLoadedMonth),
                                     [this](int monthId) -> const CBestandsdatenRow* {
                                         const auto found = m_records.find(monthId);
                                         return found == m_records.end() ? nullptr : &found->second;
                                     });
    }

    CBestandsdatenRow& Month(int month) { return m_records[MonthId(2007, month)]; }

    static std::vector<std::pair<int, int>> Periods(const std::vector<CInterestPeriodBooking>& bookings)
    {
        std::vector<std::pair<int, int>> periods;
        for (const CInterestPeriodBooking& booking : bookings)
            periods.emplace_back(YearMonthOfId(booking.period.first).month, YearMonthOfId(booking.period.last).month);
        return periods;
    }

    std::map<int, CBestandsdatenRow> m_records;
};

TEST_F(InterestPeriods, EveryPeriodEndingInTheLoadedMonthsIsBookedOnce)
{
    const std::vector<CInterestPeriodBooking> bookings = Bookings(2, 6);
    EXPECT_THAT(Periods(bookings), ElementsAre(std::pair(1, 3), std::pair(4, 6)));
    ASSERT_EQ(bookings.size(), 2u);
    EXPECT_DOUBLE_EQ(bookings[0].fixedCosts, 2.0) << "the fixed costs of the month that opened the period";
    EXPECT_DOUBLE_EQ(bookings[1].fixedCosts, 4.0);
}

TEST_F(InterestPeriods, APeriodEndingAfterTheLoadedMonthsWaits)
{
    EXPECT_THAT(Periods(Bookings(1, 5)), ElementsAre(std::pair(1, 3)));
}

TEST_F(InterestPeriods, MonthsWithoutInterestOrPeriodAreSkippedAndAMissingRecordEndsTheWalk)
{
    Month(1).CalcZins = 0;
    Month(2).BerechnungAm = 1;
    Month(3).BerechnungAm = 0;
    Month(4).BerechnungAm = 1;
    m_records.erase(MonthId(2007, 5));
    EXPECT_THAT(Periods(Bookings(1, 6)), ElementsAre(std::pair(2, 2), std::pair(4, 4)));
    EXPECT_THAT(Bookings(5, 6), IsEmpty());
}

} // namespace
