#pragma once

#include "storage/AccountTables.h"
#include "storage/Date.h"

#include <array>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Interest arithmetic of an account: bands and their rates, daily balances,
// the month interest and the interest periods. Pure functions over the
// account's row and plain values; nothing here reads or changes the book.
//
// Bands, from the top down: band 0 from `Zins_Grenze_0` upwards (rate
// `Zins_Proz_0`), band 1 from `Zins_Grenze_1` up to `Zins_Grenze_0`, band 2
// from `Zins_Grenze_2` up to `Zins_Grenze_1`, band 3 below `Zins_Grenze_2`.
// A balance equal to a lower limit belongs to that band. Rates are yearly
// percentages.

// Limits that stand for an open end ("oben unbegr.", "unten unbegr.").
inline constexpr double kNoUpperLimit = 1000000.0;
inline constexpr double kNoLowerLimit = -1000000.0;

// Kinds of a band, in the order of the kind list "Zinsart".
enum class EInterestKind {
    None = 0,
    Guthabenzins = 1,
    DispoZins = 2,
    Ueberziehungzins = 3,
    Guthabenzins2 = 4,
    Ueberziehungzins2 = 5,
};

// "Guthabenzins", "DipsoZins", "Überziehungzins", "Guthabenzins2",
// "Überziehungzins2"; empty for None.
std::string_view InterestKindName(EInterestKind kind);

struct CInterestBand {
    int index = 0;  // 0 ... 3, the band's columns in the account row
    EInterestKind kind = EInterestKind::None;
    double lower = kNoLowerLimit;
    double upper = kNoUpperLimit;
    double rate = 0.0;
};

// The kind a band with these limits takes next to bands of `existing` kinds:
// lower limit above 0 -> Guthabenzins2 (only beside a Guthabenzins band);
// lower limit 0 -> Guthabenzins; below 0 with upper limit 0 -> DispoZins;
// entirely negative -> Ueberziehungzins beside a DispoZins band, else
// Ueberziehungzins2 beside an Ueberziehungzins band. A kind that one of the
// existing bands already has is not given twice: None then.
EInterestKind KindOfBand(double lower, double upper, std::span<const EInterestKind> existing);

// The account's bands that hold any balance (lower limit below upper limit,
// the open ends counted as kNoUpperLimit and kNoLowerLimit; a band reaches up
// to the lowest limit above it), from the top down. Kinds by KindOfBand: the
// bands at 0 first, then the outer ones from the top down next to the kinds
// already given.
std::vector<CInterestBand> InterestBands(const CBestandsdatenRow& account);

// The kind a new band takes: the first of Guthabenzins ... Guthabenzins2 that
// none of `existing` has; None when all four are taken.
EInterestKind NewBandKind(std::span<const EInterestKind> existing);

// Yearly rate in percent for `balance` by the account's bands.
double InterestRate(const CBestandsdatenRow& account, double balance);

// A dated change of the account's balance: positive into the account.
struct CBalanceMovement {
    CDate date;
    double amount = 0.0;
};

// Balances of a month: [0] the start balance, [d] the balance at the end of
// day d for d = 1 ... 31 (days past the month's end repeat its last balance).
using CDailyBalances = std::array<double, 32>;

// Daily balances from a start balance and the month's movements; a movement
// counts on the day of the month of its date (a movement without date on the
// first day). The caller chooses the movements that count (in the book: the
// confirmed entries of the account's month except interest and fees entries)
// and passes the start balance with its value, confirmed or not: a balance not
// yet confirmed from a statement is still the best figure there is, and
// counting it as 0 would compute the interest of an empty account.
CDailyBalances DailyBalances(double startBalance, std::span<const CBalanceMovement> movements);

// Interest of a month: the sum over the days 1 ... 31 of rate x 0.01 x
// balance / 360; every month counts 31 days of a 360-day year. Positive when
// the account earns interest, negative when it costs interest. `CalcZins` is
// the caller's to look at (an account without it has no month interest).
double MonthInterest(const CBestandsdatenRow& account, const CDailyBalances& balances);
// The same from the account's start balance (`Betrag`) and the movements.
double MonthInterest(const CBestandsdatenRow& account, std::span<const CBalanceMovement> movements);

// The amount of a month's computed interest entry: the month interest with
// the opposite sign (the entry counts among the month's reserves, which
// lower the profit).
double ComputedInterestAmount(double monthInterest);

// Description of the computed interest entry: "berechnete Zinseinahmen von
// %s" when the account earns interest (monthInterest > 0), else "berechnete
// Zinsausgaben von %s".
std::string ComputedInterestText(std::string_view accountName, double monthInterest);

// `description` with "Zinseinahmen" and "Zinsausgaben" exchanged where its
// word no longer matches the sign of `monthInterest`; unchanged otherwise.
std::string MatchComputedInterestText(std::string_view description, double monthInterest);

// "Zinsen und Gebühren von %s".
std::string InterestAndFeesText(std::string_view accountName);

// Months of the interest period containing `monthId` by `BerechnungAm`:
// 1 "Monatsende" the month itself, 2 "Quartalsende" the calendar quarter,
// 3 "Halbjahresende" January to June or July to December, 4 "Jahresende" the
// calendar year. Any other value (0 among them) books no period: none.
struct CMonthRange {
    int first = 0;
    int last = 0;
    friend bool operator==(const CMonthRange&, const CMonthRange&) = default;
};
std::optional<CMonthRange> InterestPeriodOf(int berechnungAm, int monthId);

// True when `monthId` is the last month of its interest period.
bool ClosesInterestPeriod(int berechnungAm, int monthId);

// "Monatsende", "Quartalsende", "Halbjahresende", "Jahresende"; empty for
// any other value.
std::string_view InterestPeriodName(int berechnungAm);

// A period whose interest and fees entry is due: the period's months and the
// fixed costs of the account record that opened it.
struct CInterestPeriodBooking {
    CMonthRange period;
    double fixedCosts = 0.0;
};

// The account's record of a month, or nullptr when the account has none.
using CAccountOfMonth = std::function<const CBestandsdatenRow*(int monthId)>;

// The periods to book for an account from month `fromMonth` on: walking the
// months up to `lastLoadedMonth`, a month whose record has `CalcZins` and an
// interest period opens that period; the walk goes on after the period's last
// month. It ends at the first month without record and before a period that
// ends after `lastLoadedMonth` (booked once those months are loaded).
std::vector<CInterestPeriodBooking> InterestPeriodsToBook(int fromMonth, int lastLoadedMonth,
                                                          const CAccountOfMonth& accountOfMonth);

// The period's interest and fees: minus the fixed costs minus the amounts of
// the period's computed interest entries (ComputedInterestAmount), so
// positive when the interest earned outweighs the costs.
double InterestPeriodAmount(double fixedCosts, std::span<const double> computedInterestAmounts);

// The interest and fees entry for a period amount: `Typ` 1 (income) for an
// amount of 0 or more, else 2 (expense), with the amount's absolute value.
struct CInterestAndFees {
    int typ = 1;
    double betrag = 0.0;
};
CInterestAndFees InterestAndFeesEntry(double periodAmount);
