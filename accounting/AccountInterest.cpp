#include "accounting/AccountInterest.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "model/MonthMath.h"

namespace {

// Amounts closer than this are the same booking; a recompute that finds the
// same interest leaves the entry unchanged and unstored.
constexpr double kSameAmount = 1e-9;

CDate LastDayOf(int monthId) {
  const CDate::CYmd last = LastDayOfMonth(monthId);
  return CDate::FromYmd(last.year, last.month, last.day);
}

bool IsInterestAndFees(const CVorgang& entry) {
  return entry.Typ == kEntryIncome || entry.Typ == kEntryExpense;
}

CVorgang* FindInterestEntry(CVorgangList& entries, int postenId, int monthId, bool computed) {
  for (CVorgang* entry : entries.EntriesOfAccount(postenId, monthId)) {
    if (!entry->IsComputedInterest() || entry->BetrKontoId != postenId) continue;
    if (computed ? entry->Typ == kEntryReserveShare : IsInterestAndFees(*entry)) return entry;
  }
  return nullptr;
}

CVorgang& NewInterestEntry(const CAccountContext& context, int postenId, int monthId) {
  auto made = std::make_unique<CVorgang>();
  made->PostenId = context.entries.NewPostenId(context.database, context.bookId);
  made->MonatId = monthId;
  made->RefVertragPostenId = kInterestEntryRef;
  made->BetrKontoId = postenId;
  made->Datum = LastDayOf(monthId);
  made->Bestaetigt = 0;
  made->changed = 1;
  return context.entries.Append(std::move(made));
}

// What a counted entry moves on the account: positive into it.
double BalanceChangeOf(const CVorgang& entry, int postenId) {
  const CMovement movement = MovementOf(entry, postenId);
  return movement.in - movement.out;
}

bool CountsForInterest(const CVorgang& entry) {
  return entry.Bestaetigt != 0 && !entry.IsPaidInOtherMonth() && !entry.IsComputedInterest();
}

// The balance the record's month starts with. The walk carries the month
// before's end balance into the record only after the booking, so the
// record's own `Betrag` may still be the one of the last computation; a
// confirmed balance the month before corrects towards stays.
double StartBalanceOf(const CAccountContext& context, const CBestandsdaten& record) {
  const CBestandsdaten* previous = context.accounts.FindLiveAccount(record.PostenId, PreviousMonthId(record.MonatId));
  if (!previous || previous->computationState != kComputed) return record.Betrag;
  if (record.Bestaetigt != 0 && previous->correctionEntries > 0) return record.Betrag;
  return previous->ComputedEndBalance();
}

void DropEarlierInterestAndFees(const CAccountContext& context, int postenId, const CMonthRange& period) {
  for (int month = period.first; month < period.last; month = NextMonthId(month)) {
    CVorgang* earlier = FindInterestAndFeesEntry(context.entries, postenId, month);
    // A confirmed one holds what the bank booked: it stays.
    if (!earlier || earlier->Bestaetigt != 0) continue;
    earlier->MarkDeleted();
    earlier->changed = 1;
  }
}

std::vector<double> ComputedInterestOfPeriod(const CAccountContext& context, int postenId,
                                             const CMonthRange& period) {
  std::vector<double> amounts;
  for (int month = period.first; month <= period.last; month = NextMonthId(month))
    if (const CVorgang* computed = FindComputedInterestEntry(context.entries, postenId, month))
      amounts.push_back(computed->Betrag);
  return amounts;
}

// The period the record's month closes, from the period's first month in
// which the account exists, with the fixed costs of the record that opens
// it. None when the month closes no period, when the period reaches before
// the first loaded month while the account existed then (that interest is
// not in memory) or when no month of it computes interest.
std::optional<CInterestPeriodBooking> BookablePeriod(const CAccountContext& context, const CBestandsdaten& record) {
  const int closing = record.MonatId;
  if (!ClosesInterestPeriod(record.BerechnungAm, closing) || closing > context.window.last) return std::nullopt;
  const std::optional<CMonthRange> period = InterestPeriodOf(record.BerechnungAm, closing);
  const int from = std::max(period->first, record.FirstMonatId);
  if (from < context.window.first) return std::nullopt;
  const auto accountOfMonth = [&](int monthId) -> const CBestandsdatenRow* {
    return context.accounts.FindLiveAccount(record.PostenId, monthId);
  };
  for (const CInterestPeriodBooking& booking : InterestPeriodsToBook(from, closing, accountOfMonth))
    if (booking.period.last == closing) return CInterestPeriodBooking{{from, closing}, booking.fixedCosts};
  return std::nullopt;
}

// The entries list rebuilds its index after every new entry. When the
// record's month lacks an interest entry, the walk is about to make one in
// each of the following months too: they are all made here at once, before
// the next lookup, and take their amounts when the walk reaches their month.
void MakeMissingInterestEntries(const CAccountContext& context, const CBestandsdaten& record) {
  const bool computedMissing =
      record.CalcZins != 0 && !FindComputedInterestEntry(context.entries, record.PostenId, record.MonatId);
  const bool feesMissing =
      BookablePeriod(context, record) && !FindInterestAndFeesEntry(context.entries, record.PostenId, record.MonatId);
  if (!computedMissing && !feesMissing) return;
  std::vector<int> computedMonths;
  std::vector<int> feesMonths;
  for (int month = record.MonatId; month <= context.window.last; month = NextMonthId(month)) {
    const CBestandsdaten* account = context.accounts.FindLiveAccount(record.PostenId, month);
    if (!account) break;
    if (account->CalcZins != 0 && !FindComputedInterestEntry(context.entries, record.PostenId, month))
      computedMonths.push_back(month);
    if (BookablePeriod(context, *account) && !FindInterestAndFeesEntry(context.entries, record.PostenId, month))
      feesMonths.push_back(month);
  }
  for (int month : computedMonths) {
    CVorgang& made = NewInterestEntry(context, record.PostenId, month);
    made.Typ = kEntryReserveShare;
    made.Bezeichnung = ComputedInterestText(record.Bezeichnung, 0.0);
  }
  for (int month : feesMonths) {
    CVorgang& made = NewInterestEntry(context, record.PostenId, month);
    made.Typ = kEntryIncome;
    made.Bezeichnung = InterestAndFeesText(record.Bezeichnung);
  }
}

}  // namespace

void BookAccountInterest(const CAccountContext& context, CBestandsdaten& record) {
  MakeMissingInterestEntries(context, record);
  if (record.CalcZins != 0) {
    const CDailyBalances balances = AccountDailyBalances(context, record, StartBalanceOf(context, record));
    BookMonthInterest(context, record, MonthInterest(record, balances));
  }
  BookInterestPeriod(context, record);
}

CMonthRange AccountInterestMonths(const CBestandsdatenRow& account) {
  if (account.CalcZins == 0) return {};
  return InterestPeriodOf(account.BerechnungAm, account.MonatId).value_or(CMonthRange{});
}

CDailyBalances AccountDailyBalances(const CAccountContext& context, const CBestandsdaten& record,
                                    double startBalance) {
  std::vector<CBalanceMovement> movements;
  for (const CVorgang* entry : context.entries.EntriesOfAccount(record.PostenId, record.MonatId))
    if (CountsForInterest(*entry)) movements.push_back({entry->Datum, BalanceChangeOf(*entry, record.PostenId)});
  return DailyBalances(startBalance, movements);
}

CVorgang* FindComputedInterestEntry(CVorgangList& entries, int postenId, int monthId) {
  return FindInterestEntry(entries, postenId, monthId, true);
}

CVorgang* FindInterestAndFeesEntry(CVorgangList& entries, int postenId, int monthId) {
  return FindInterestEntry(entries, postenId, monthId, false);
}

CVorgang* BookMonthInterest(const CAccountContext& context, const CBestandsdaten& record, double monthInterest) {
  const double amount = ComputedInterestAmount(monthInterest);
  CVorgang* entry = FindComputedInterestEntry(context.entries, record.PostenId, record.MonatId);
  if (!entry) {
    if (record.MonatId > context.window.last) return nullptr;
    entry = &NewInterestEntry(context, record.PostenId, record.MonatId);
    entry->Typ = kEntryReserveShare;
    entry->Bezeichnung = ComputedInterestText(record.Bezeichnung, monthInterest);
    entry->Betrag = amount;
    return entry;
  }
  if (std::fabs(entry->Betrag - amount) < kSameAmount) return entry;
  entry->Bezeichnung = MatchComputedInterestText(entry->Bezeichnung, monthInterest);
  entry->Betrag = amount;
  entry->Bestaetigt = 0;
  entry->changed = 1;
  return entry;
}

void BookInterestPeriod(const CAccountContext& context, const CBestandsdaten& record) {
  const std::optional<CInterestPeriodBooking> booking = BookablePeriod(context, record);
  if (!booking) return;
  DropEarlierInterestAndFees(context, record.PostenId, booking->period);
  const std::vector<double> interest = ComputedInterestOfPeriod(context, record.PostenId, booking->period);
  SetInterestAndFees(context, record.PostenId, record.MonatId, InterestPeriodAmount(booking->fixedCosts, interest));
}

CVorgang* SetInterestAndFees(const CAccountContext& context, int postenId, int monthId, double amount) {
  if (!context.window.Contains(monthId)) return nullptr;
  CVorgang* entry = FindInterestAndFeesEntry(context.entries, postenId, monthId);
  if (entry && entry->Bestaetigt != 0) return entry;
  const CInterestAndFees values = InterestAndFeesEntry(amount);
  if (!entry) {
    entry = &NewInterestEntry(context, postenId, monthId);
    entry->Bezeichnung = InterestAndFeesText(context.accounts.AccountName(postenId));
  } else if (entry->Typ == values.typ && std::fabs(entry->Betrag - values.betrag) < kSameAmount) {
    return entry;
  }
  entry->Typ = values.typ;
  entry->Betrag = values.betrag;
  entry->changed = 1;
  return entry;
}
