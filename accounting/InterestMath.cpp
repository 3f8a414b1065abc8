#include "accounting/InterestMath.h"

#include "model/MonthMath.h"
#include "storage/StrFormat.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::string_view kEarnedWord = "Zinseinahmen";
constexpr std::string_view kPaidWord = "Zinsausgaben";

bool Contains(std::span<const EInterestKind> kinds, EInterestKind kind)
{
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

// The kind the limits alone decide, before any neighbour is looked at.
EInterestKind KindOfLimits(double lower, double upper, std::span<const EInterestKind> existing)
{
    if (lower > 0.0)
        return Contains(existing, EInterestKind::Guthabenzins) ? EInterestKind::Guthabenzins2 : EInterestKind::None;
    if (lower == 0.0)
        return EInterestKind::Guthabenzins;
    if (upper == 0.0)
        return EInterestKind::DispoZins;
    if (upper > 0.0)
        return EInterestKind::None;
    if (Contains(existing, EInterestKind::DispoZins) && !Contains(existing, EInterestKind::Ueberziehungzins))
        return EInterestKind::Ueberziehungzins;
    if (Contains(existing, EInterestKind::Ueberziehungzins))
        return EInterestKind::Ueberziehungzins2;
    return EInterestKind::None;
}

std::vector<CInterestBand> BandsWithLimits(const CBestandsdatenRow& account)
{
    const double lowers[] = {account.Zins_Grenze_0, account.Zins_Grenze_1, account.Zins_Grenze_2, kNoLowerLimit};
    const double rates[] = {account.Zins_Proz_0, account.Zins_Proz_1, account.Zins_Proz_2, account.Zins_Proz_3};
    // A band reaches up to the lowest limit above it: the bands above take
    // every balance from there on.
    std::vector<CInterestBand> bands;
    double upper = kNoUpperLimit;
    for (int index = 0; index < 4; ++index) {
        const double lower = lowers[index];
        if (lower < upper)
            bands.push_back({index, EInterestKind::None, lower, upper, rates[index]});
        upper = std::min(upper, lower);
    }
    return bands;
}

bool NeedsNeighbour(const CInterestBand& band)
{
    return band.lower > 0.0 || band.upper < 0.0;
}

int PeriodLengthInMonths(int berechnungAm)
{
    switch (berechnungAm) {
    case 1:
        return 1;
    case 2:
        return 3;
    case 3:
        return 6;
    case 4:
        return 12;
    default:
        return 0;
    }
}

} // namespace

std::string_view InterestKindName(EInterestKind kind)
{
    switch (kind) {
    case EInterestKind::Guthabenzins:
        return "Guthabenzins";
    case EInterestKind::DispoZins:
        return "DipsoZins";
    case EInterestKind::Ueberziehungzins:
        return "Überziehungzins";
    case EInterestKind::Guthabenzins2:
        return "Guthabenzins2";
    case EInterestKind::Ueberziehungzins2:
        return "Überziehungzins2";
    case EInterestKind::None:
        break;
    }
    return {};
}

EInterestKind KindOfBand(double lower, double upper, std::span<const EInterestKind> existing)
{
    const EInterestKind kind = KindOfLimits(lower, upper, existing);
    return Contains(existing, kind) ? EInterestKind::None : kind;
}

std::vector<CInterestBand> InterestBands(const CBestandsdatenRow& account)
{
    // Credit and overdraft bands are known from their limits alone; the
    // outer bands are named after them, from the top down.
    std::vector<CInterestBand> bands = BandsWithLimits(account);
    std::vector<EInterestKind> kinds;
    for (CInterestBand& band : bands) {
        if (NeedsNeighbour(band))
            continue;
        band.kind = KindOfBand(band.lower, band.upper, kinds);
        kinds.push_back(band.kind);
    }
    for (CInterestBand& band : bands) {
        if (!NeedsNeighbour(band))
            continue;
        band.kind = KindOfBand(band.lower, band.upper, kinds);
        kinds.push_back(band.kind);
    }
    return bands;
}

EInterestKind NewBandKind(std::span<const EInterestKind> existing)
{
    for (EInterestKind kind : {EInterestKind::Guthabenzins, EInterestKind::DispoZins, EInterestKind::Ueberziehungzins,
                               EInterestKind::Guthabenzins2})
        if (!Contains(existing, kind))
            return kind;
    return EInterestKind::None;
}

double InterestRate(const CBestandsdatenRow& account, double balance)
{
    if (balance >= account.Zins_Grenze_0)
        return account.Zins_Proz_0;
    if (balance >= account.Zins_Grenze_1)
        return account.Zins_Proz_1;
    if (balance >= account.Zins_Grenze_2)
        return account.Zins_Proz_2;
    return account.Zins_Proz_3;
}

CDailyBalances DailyBalances(double startBalance, std::span<const CBalanceMovement> movements)
{
    CDailyBalances balances{};
    balances[0] = startBalance;
    for (const CBalanceMovement& movement : movements) {
        const int day = movement.date.IsZero() ? 1 : movement.date.Day();
        balances[static_cast<std::size_t>(day)] += movement.amount;
    }
    for (std::size_t day = 1; day < balances.size(); ++day)
        balances[day] += balances[day - 1];
    return balances;
}

double MonthInterest(const CBestandsdatenRow& account, const CDailyBalances& balances)
{
    double interest = 0.0;
    for (std::size_t day = 1; day < balances.size(); ++day)
        interest += InterestRate(account, balances[day]) * 0.01 * balances[day] / 360.0;
    return interest;
}

double MonthInterest(const CBestandsdatenRow& account, std::span<const CBalanceMovement> movements)
{
    return MonthInterest(account, DailyBalances(account.Betrag, movements));
}

double ComputedInterestAmount(double monthInterest)
{
    return -monthInterest;
}

std::string ComputedInterestText(std::string_view accountName, double monthInterest)
{
    return StrFormat("berechnete %s von %s", monthInterest > 0.0 ? kEarnedWord : kPaidWord, accountName);
}

std::string MatchComputedInterestText(std::string_view description, double monthInterest)
{
    const std::string_view wanted = monthInterest > 0.0 ? kEarnedWord : kPaidWord;
    const std::string_view wrong = monthInterest > 0.0 ? kPaidWord : kEarnedWord;
    std::string text(description);
    const std::size_t at = text.find(wrong);
    if (at != std::string::npos)
        text.replace(at, wrong.size(), wanted);
    return text;
}

std::string InterestAndFeesText(std::string_view accountName)
{
    return StrFormat("Zinsen und Gebühren von %s", accountName);
}

std::optional<CMonthRange> InterestPeriodOf(int berechnungAm, int monthId)
{
    const int length = PeriodLengthInMonths(berechnungAm);
    if (length == 0)
        return std::nullopt;
    const CYearMonth month = YearMonthOfId(monthId);
    const int first = MonthId(month.year, (month.month - 1) / length * length + 1);
    return CMonthRange{first, AddMonths(first, length - 1)};
}

bool ClosesInterestPeriod(int berechnungAm, int monthId)
{
    const std::optional<CMonthRange> period = InterestPeriodOf(berechnungAm, monthId);
    return period && period->last == monthId;
}

std::string_view InterestPeriodName(int berechnungAm)
{
    switch (berechnungAm) {
    case 1:
        return "Monatsende";
    case 2:
        return "Quartalsende";
    case 3:
        return "Halbjahresende";
    case 4:
        return "Jahresende";
    default:
        return {};
    }
}

std::vector<CInterestPeriodBooking> InterestPeriodsToBook(int fromMonth, int lastLoadedMonth,
                                                          const CAccountOfMonth& accountOfMonth)
{
    std::vector<CInterestPeriodBooking> bookings;
    int month = fromMonth;
    while (month <= lastLoadedMonth) {
        const CBestandsdatenRow* account = accountOfMonth(month);
        if (!account)
            break;
        const std::optional<CMonthRange> period =
            account->CalcZins ? InterestPeriodOf(account->BerechnungAm, month) : std::nullopt;
        if (!period) {
            month = NextMonthId(month);
            continue;
        }
        if (period->last > lastLoadedMonth)
            break;
        bookings.push_back({*period, account->BetragFixKosten});
        month = NextMonthId(period->last);
    }
    return bookings;
}

double InterestPeriodAmount(double fixedCosts, std::span<const double> computedInterestAmounts)
{
    double amount = -fixedCosts;
    for (double interestAmount : computedInterestAmounts)
        amount -= interestAmount;
    return amount;
}

CInterestAndFees InterestAndFeesEntry(double periodAmount)
{
    return {periodAmount >= 0.0 ? 1 : 2, std::fabs(periodAmount)};
}
