// The monitoring on a book of ten years with every month loaded: 120 months
// × (20 accounts, 150 entries, 20 contracts), every fifth entry an
// unconfirmed contract payment, every entry in one of twelve categories;
// 50 rules (20 contract, 15 category, 15 account rules) evaluated over
// twelve months.

#include <benchmark/benchmark.h>

#include <memory>

#include "bench/support/GeneratedBook.h"
#include "model/BookData.h"
#include "monitoring/HitGrouping.h"
#include "monitoring/ReportEvaluation.h"
#include "monitoring/ReportTexts.h"

namespace {

constexpr int kFirstMonth = 157;  // January 2014
constexpr int kLastMonth = 168;
const CDate kToday = CDate::FromYmd(2014, 6, 15);

const CGeneratedBook& GeneratedBook() {
  static const CGeneratedBook book(CGeneratedBookShape{});
  return book;
}

// Contract payments and categories on the generated entries.
void MarkEntries(CBookData& bookData) {
  const CGeneratedBookShape& shape = GeneratedBook().Shape();
  for (CVorgang& entry : *bookData.Entries()) {
    const int posten = entry.PostenId % 1000;
    entry.KategorieId = 1 + posten % 12;
    if (posten % 5 != 0) continue;
    entry.RefVertragPostenId = shape.accounts + 1 + posten % shape.contracts;
    entry.Bestaetigt = posten % 10 == 0 ? 0 : 1;
  }
  bookData.Entries()->InvalidateIndex();
}

void AddRules(CReportList& rules) {
  const CGeneratedBookShape& shape = GeneratedBook().Shape();
  rules.EnsureBuiltInRules();
  for (int n = 0; n < 20; ++n) {
    CReport& rule = rules.New(kReportContract);
    rule.VertragId = n < 15 ? shape.accounts + 1 + n : 0;
    rule.FlagVorNach = n % 2;
    rule.FlagTageWochen = n % 3 == 0 ? kReportWeeks : kReportDays;
    rule.AnzTage = 1 + n;
  }
  for (int n = 0; n < 15; ++n) {
    CReport& rule = rules.New(kReportCategory);
    rule.KategorieId = n < 12 ? 1 + n : 0;
    rule.Betrag = 100.0 * n;
    rule.FlagObenUnten = n % 2;
  }
  for (int n = 0; n < 13; ++n) {
    CReport& rule = rules.New(kReportAccount);
    rule.KontoId = n < 10 ? 1 + n : 0;
    rule.FlagCheckBetrag = n % 2;
    rule.Betrag = 1010.0;
    rule.NotChecked = n % 4 == 1;
  }
  for (CReport& rule : rules) rule.Aktiv = 1;
}

struct CMonitoredBook {
  std::unique_ptr<CBookData> bookData;
  CReportList rules;
};

CMonitoredBook& MonitoredBook() {
  static CMonitoredBook book = [] {
    CMonitoredBook made{std::make_unique<CBookData>(GeneratedBook().Directory()), {}};
    made.bookData->StartUp();
    MarkEntries(*made.bookData);
    AddRules(made.rules);
    return made;
  }();
  return book;
}

CMonthCollections CollectionsOf(CBookData& bookData) {
  return CMonthCollections{*bookData.Accounts(), *bookData.Entries(), *bookData.Contracts()};
}

void BM_EvaluateFiftyRulesOverTwelveMonths(benchmark::State& state) {
  CMonitoredBook& book = MonitoredBook();
  CHitList hits;
  for (auto _ : state) {
    EvaluateReports(book.rules, CollectionsOf(*book.bookData), kFirstMonth, kLastMonth, kToday, hits);
    benchmark::DoNotOptimize(hits.Hits().data());
  }
  if (hits.Count() < 100) state.SkipWithError("the rules found too little");
  state.counters["hits"] = hits.Count();
}
BENCHMARK(BM_EvaluateFiftyRulesOverTwelveMonths)->Unit(benchmark::kMillisecond);

// What a refresh of the main window does: evaluate, group by month, fill
// the lines.
void BM_RefreshGroupedByMonth(benchmark::State& state) {
  CMonitoredBook& book = MonitoredBook();
  CHitList hits;
  for (auto _ : state) {
    EvaluateReports(book.rules, CollectionsOf(*book.bookData), kFirstMonth, kLastMonth, kToday, hits);
    GroupHits(hits, kGroupByMonth);
    benchmark::DoNotOptimize(hits.Hits().data());
  }
  if (hits.Count() < 100 + (kLastMonth - kFirstMonth + 1)) state.SkipWithError("the rules found too little");
}
BENCHMARK(BM_RefreshGroupedByMonth)->Unit(benchmark::kMillisecond);

}  // namespace
BENCHMARK_MAIN();
