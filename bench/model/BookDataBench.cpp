// Start-up and storing of a generated book: ten years of months with 20
// accounts, 150 entries and 20 contracts each, a loading window of twelve
// months.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench/support/GeneratedBook.h"
#include "model/BookData.h"
#include "model/Clock.h"

namespace {

const CGeneratedBook& GeneratedBook() {
  static const CGeneratedBook book(CGeneratedBookShape{.windowFirst = 97 + 100, .windowLast = 97 + 111});
  return book;
}

void BM_StartUpWithTwelveMonthWindow(benchmark::State& state) {
  const std::string directory = GeneratedBook().Directory();
  for (auto _ : state) {
    CBookData bookData(directory);
    benchmark::DoNotOptimize(bookData.StartUp());
  }
}
BENCHMARK(BM_StartUpWithTwelveMonthWindow)->Unit(benchmark::kMillisecond);

void ChangeEveryRecord(CBookData& bookData, double amount) {
  for (CBestandsdaten& account : *bookData.Accounts()) account.Betrag = amount;
  for (CVorgang& entry : *bookData.Entries()) {
    entry.Betrag = amount;
    entry.changed = 1;
  }
  for (CVertrag& contract : *bookData.Contracts()) contract.Betrag = amount;
}

void BM_StoreTwelveMonthsEveryRecordChanged(benchmark::State& state) {
  CBookData bookData(GeneratedBook().Directory());
  bookData.StartUp();
  double amount = 0.0;
  for (auto _ : state) {
    state.PauseTiming();
    ChangeEveryRecord(bookData, amount += 1.0);
    state.ResumeTiming();
    bookData.StoreMonths(1, kAllLoadedMonths);
  }
  state.counters["records"] = bookData.Accounts()->Count() + bookData.Entries()->Count() + bookData.Contracts()->Count();
}
BENCHMARK(BM_StoreTwelveMonthsEveryRecordChanged)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  CFixedClock clock(CDate::FromYmd(2017, 6, 1));
  CScopedClock installed(clock);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
