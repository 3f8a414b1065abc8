// Start-up and storing of a generated book: ten years of months with 20
// accounts, 150 entries and 20 contracts each, a loading window of twelve
// months.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <string>

#include "model/BookData.h"
#include "model/Clock.h"
#include "model/MonthMath.h"
#include "storage/Schema.h"
#include "storage/Tables.h"
#include "storage/Transaction.h"

namespace {

constexpr int kFirstMonth = 97;  // January 2009
constexpr int kMonths = 120;
constexpr int kWindowFirst = kFirstMonth + 100;
constexpr int kWindowLast = kWindowFirst + 11;

void WriteBook(CDatabase& database) {
  CHaushaltsbuchRow book;
  book.BuchId = 1;
  book.IsCurrentBook = 1;
  book.FirstExistMonatId = kFirstMonth;
  book.LastExistMonatId = kFirstMonth + kMonths - 1;
  book.FirstLoadMonatId = kWindowFirst;
  book.LastLoadMonatId = kWindowLast;
  book.AktMonatId = kWindowFirst + 6;
  book.Insert(database, 1);
}

void WriteMonth(CDatabase& database, int monthId) {
  CMonatRow month;
  month.BuchId = 1;
  month.MonatId = monthId;
  month.Bezeichnung = MonthKey(monthId);
  month.Insert(database, 1);
  for (int posten = 1; posten <= 20; ++posten) {
    CBestandsdatenRow account;
    account.PostenId = posten;
    account.MonatId = monthId;
    account.Bezeichnung = "Konto " + std::to_string(posten);
    account.Betrag = 1000.0 + posten;
    account.Insert(database, 1);
    CVertragRow contract;
    contract.PostenId = posten;
    contract.MonatId = monthId;
    contract.Bezeichnung = "Vertrag " + std::to_string(posten);
    contract.Betrag = 10.0 * posten;
    contract.Insert(database, 1);
  }
  for (int posten = 1; posten <= 150; ++posten) {
    CVorgangRow entry;
    entry.PostenId = monthId * 1000 + posten;
    entry.MonatId = monthId;
    entry.Bezeichnung = "Vorgang";
    entry.Betrag = posten;
    entry.Insert(database, 1);
  }
}

class CGeneratedBook {
 public:
  CGeneratedBook() {
    std::string pattern = (std::filesystem::temp_directory_path() / "pellwick-bench-XXXXXX").string();
    directory_ = mkdtemp(pattern.data());
    auto database = CreateDatabase((directory_ / "Pellwick.db").string());
    CTransaction transaction(*database);
    WriteBook(*database);
    for (int monthId = kFirstMonth; monthId < kFirstMonth + kMonths; ++monthId) WriteMonth(*database, monthId);
    transaction.Commit();
  }
  ~CGeneratedBook() { std::filesystem::remove_all(directory_); }
  std::string Directory() const { return directory_.string(); }

 private:
  std::filesystem::path directory_;
};

const CGeneratedBook& GeneratedBook() {
  static const CGeneratedBook book;
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
