// Booking interest on the ten-year book of the accounting benchmark: every
// one of its 20 accounts computes interest, paid quarterly with fixed costs,
// over all loaded months.

#include <benchmark/benchmark.h>

#include <memory>

#include "accounting/AccountComputation.h"
#include "accounting/AccountInterest.h"
#include "bench/support/GeneratedBook.h"
#include "model/BookData.h"

namespace {

const CGeneratedBook& GeneratedBook() {
  static const CGeneratedBook book(CGeneratedBookShape{});
  return book;
}

// Credit interest from 0, overdraft interest below it, paid quarterly.
void SetInterestConditions(CBestandsdatenList& accounts) {
  for (CBestandsdaten& account : accounts) {
    account.CalcZins = 1;
    account.Zins_Grenze_0 = 0.0;
    account.Zins_Proz_0 = 0.5;
    account.Zins_Grenze_1 = -2000.0;
    account.Zins_Proz_1 = 12.0;
    account.Zins_Grenze_2 = -2000.0;
    account.Zins_Proz_3 = 16.0;
    account.BerechnungAm = 2;
    account.BetragFixKosten = 3.0;
  }
}

std::unique_ptr<CBookData> BookWithInterest() {
  auto bookData = std::make_unique<CBookData>(GeneratedBook().Directory());
  bookData->StartUp();
  SetInterestConditions(*bookData->Accounts());
  return bookData;
}

// The same, not timed.
std::unique_ptr<CBookData> StartedBook(benchmark::State& state) {
  state.PauseTiming();
  std::unique_ptr<CBookData> bookData = BookWithInterest();
  state.ResumeTiming();
  return bookData;
}

void CheckBooked(benchmark::State& state, CBookData& bookData) {
  const CGeneratedBookShape& shape = GeneratedBook().Shape();
  int lastQuarterEnd = shape.windowLast;
  while (!ClosesInterestPeriod(2, lastQuarterEnd)) --lastQuarterEnd;
  if (!FindComputedInterestEntry(*bookData.Entries(), shape.accounts, shape.windowLast))
    state.SkipWithError("no computed interest in the last month");
  if (!FindInterestAndFeesEntry(*bookData.Entries(), 1, lastQuarterEnd))
    state.SkipWithError("no interest and fees in the last quarter");
}

// Every account's interest entries are made: one per account and month and
// one per quarter.
void BM_BookingInterestForTwentyAccountsOverTheWindow(benchmark::State& state) {
  for (auto _ : state) {
    std::unique_ptr<CBookData> bookData = StartedBook(state);
    Recompute(AccountContextOf(*bookData), kAllAccounts, kFromFirstLoadedMonth);
    state.PauseTiming();
    CheckBooked(state, *bookData);
    bookData.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_BookingInterestForTwentyAccountsOverTheWindow)->Unit(benchmark::kMillisecond);

// The entries exist: every recompute books the interest again.
void BM_RebookingInterestForTwentyAccountsOverTheWindow(benchmark::State& state) {
  std::unique_ptr<CBookData> bookData = BookWithInterest();
  const CAccountContext context = AccountContextOf(*bookData);
  Recompute(context, kAllAccounts, kFromFirstLoadedMonth);
  for (auto _ : state) Recompute(context, kAllAccounts, kFromFirstLoadedMonth);
  CheckBooked(state, *bookData);
}
BENCHMARK(BM_RebookingInterestForTwentyAccountsOverTheWindow)->Unit(benchmark::kMillisecond);

}  // namespace
