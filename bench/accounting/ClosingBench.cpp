// The month closing on a book of ten years with every month loaded:
// 120 months × (20 accounts, 150 entries, 20 contracts).

#include <benchmark/benchmark.h>

#include <memory>

#include "accounting/MonthClosing.h"
#include "bench/support/GeneratedBook.h"
#include "model/BookData.h"

namespace {

const CGeneratedBook& GeneratedBook() {
  static const CGeneratedBook book(CGeneratedBookShape{});
  return book;
}

CBookData& StartedBook() {
  static const std::unique_ptr<CBookData> bookData = [] {
    auto started = std::make_unique<CBookData>(GeneratedBook().Directory());
    started->StartUp();
    return started;
  }();
  return *bookData;
}

CMonthCollections CollectionsOf(CBookData& bookData) {
  return CMonthCollections{*bookData.Accounts(), *bookData.Entries(), *bookData.Contracts()};
}

void BM_CloseOneMonth(benchmark::State& state) {
  CBookData& bookData = StartedBook();
  const int monthId = GeneratedBook().Shape().firstMonth + 60;
  CMonat* month = bookData.Months()->FindMonth(monthId);
  for (auto _ : state) {
    const CMonthClosing closing(CollectionsOf(bookData), monthId, CClosingOptions{.stocks = true, .evenedOut = true});
    closing.WriteSums(*month);
    benchmark::DoNotOptimize(closing.Rows().data());
    if (closing.Rows().size() < 150) state.SkipWithError("the month's entries are missing from the rows");
  }
}
BENCHMARK(BM_CloseOneMonth)->Unit(benchmark::kMillisecond);

void BM_CloseAllMonths(benchmark::State& state) {
  CBookData& bookData = StartedBook();
  for (auto _ : state) {
    CloseLoadedMonths(*bookData.Months(), CollectionsOf(bookData));
    const CMonat* last = bookData.Months()->FindMonth(GeneratedBook().Shape().firstMonth + 119);
    if (!last || !last->loaded) state.SkipWithError("not every month is loaded");
  }
}
BENCHMARK(BM_CloseAllMonths)->Unit(benchmark::kMillisecond);

}  // namespace
BENCHMARK_MAIN();
