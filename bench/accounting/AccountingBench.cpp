// The planner and the account computation on a book of ten years with every
// month loaded: 120 months × (20 accounts, 150 entries, 20 contracts).

#include <benchmark/benchmark.h>

#include <memory>

#include "accounting/AccountComputation.h"
#include "bench/support/GeneratedBook.h"
#include "model/ActionPlanner.h"
#include "model/BookData.h"
#include "model/QuestionStore.h"

namespace {

constexpr int kChangedMonth = 97 + 60;

const CGeneratedBook& GeneratedBook() {
  static const CGeneratedBook book(CGeneratedBookShape{});
  return book;
}

// A started book with every month loaded; start-up is not timed.
std::unique_ptr<CBookData> StartedBook(benchmark::State& state) {
  state.PauseTiming();
  auto bookData = std::make_unique<CBookData>(GeneratedBook().Directory());
  bookData->StartUp();
  state.ResumeTiming();
  return bookData;
}

void BM_NameChangeOfOneAccountIntoAllMonths(benchmark::State& state) {
  int run = 0;
  for (auto _ : state) {
    std::unique_ptr<CBookData> bookData = StartedBook(state);
    CBestandsdaten* account = bookData->Accounts()->FindAccount(1, kChangedMonth);
    account->Bezeichnung = "Girokonto " + std::to_string(++run);
    account->changeFlags |= kAccountChangeMasterData;
    if (bookData->Planner()->Run(1) != 1) state.SkipWithError("request 1 found nothing to do");
    state.PauseTiming();
    const CBestandsdaten* first = bookData->Accounts()->FindAccount(1, GeneratedBook().Shape().firstMonth);
    if (!first || first->Bezeichnung != account->Bezeichnung) state.SkipWithError("the name did not reach month 1");
    bookData.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_NameChangeOfOneAccountIntoAllMonths)->Unit(benchmark::kMillisecond);

void BM_AmountChangeOfOneContractRenewsItsDueEntries(benchmark::State& state) {
  int run = 0;
  const int contractId = GeneratedBook().Shape().accounts + 1;
  for (auto _ : state) {
    std::unique_ptr<CBookData> bookData = StartedBook(state);
    CVertrag* contract = bookData->Contracts()->FindPosten(contractId, GeneratedBook().Shape().firstMonth);
    contract->Betrag = 100.0 + ++run;
    contract->changeFlags |= kContractChangePayment;
    bookData->Planner()->Questions().SetAnswer(contractId * kQuestionContractChanges, kAnswerYes);
    if (bookData->Planner()->Run(2) != 1) state.SkipWithError("request 2 found nothing to do");
    state.PauseTiming();
    const int lastMonth = GeneratedBook().Shape().firstMonth + GeneratedBook().Shape().months - 1;
    const CVertrag* last = bookData->Contracts()->FindPosten(contractId, lastMonth);
    if (!last || last->Betrag != contract->Betrag) state.SkipWithError("the amount did not reach the last month");
    if (!bookData->Entries()->FindContractEntry(contractId, lastMonth, false))
      state.SkipWithError("no due entry in the last month");
    bookData.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_AmountChangeOfOneContractRenewsItsDueEntries)->Unit(benchmark::kMillisecond);

void BM_RecomputeEveryAccountOverTheWindow(benchmark::State& state) {
  CBookData bookData(GeneratedBook().Directory());
  bookData.StartUp();
  const CAccountContext context = AccountContextOf(bookData);
  Recompute(context, kAllAccounts, kFromFirstLoadedMonth);  // builds the entries' index once
  for (auto _ : state) Recompute(context, kAllAccounts, kFromFirstLoadedMonth);
}
BENCHMARK(BM_RecomputeEveryAccountOverTheWindow)->Unit(benchmark::kMillisecond);

}  // namespace
