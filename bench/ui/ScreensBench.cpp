// The start of the program and the opening of the book screen and the month
// archive over the ten-year generated book (120 months up to the month after
// this one), with a new book's loading window and with every month loaded.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <cstdlib>
#include <memory>
#include <string>

#include "bench/support/GeneratedBook.h"
#include "model/BookData.h"
#include "model/Clock.h"
#include "model/screens/BookScreen.h"
#include "model/screens/MonthArchive.h"
#include "ui/PellwickApplication.h"

namespace {

// Ten years ending the month after this one, all loaded: the start creates
// no months and asks nothing.
CGeneratedBookShape TenYearsUpToNow() {
  CGeneratedBookShape shape;
  shape.firstMonth = TodayMonthId() + 1 - (shape.months - 1);
  shape.windowFirst = shape.firstMonth;
  shape.windowLast = shape.firstMonth + shape.months - 1;
  return shape;
}

// The same ten years as a new book would load them: six months back to the
// last month of the book.
CGeneratedBookShape TenYearsWithTheLoadingWindow() {
  CGeneratedBookShape shape = TenYearsUpToNow();
  shape.windowFirst = TodayMonthId() - 6;
  return shape;
}

CGeneratedBook& TenYearBook() {
  static CGeneratedBook book{TenYearsUpToNow()};
  return book;
}

CGeneratedBook& TenYearBookWithItsWindow() {
  static CGeneratedBook book{TenYearsWithTheLoadingWindow()};
  return book;
}

double ChildrenCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + 1e-6 * static_cast<double>(t.tv_usec); };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Process start to the main window shown with its monitoring list.
void StartProgram(benchmark::State& state, const CGeneratedBook& book) {
  const std::string command = std::string(PELLWICK_PROGRAM) + " --dir '" + book.Directory() + "' --quit-when-shown";
  const double cpuBefore = ChildrenCpuSeconds();
  for (auto _ : state)
    if (std::system(command.c_str()) != 0) state.SkipWithError("the program failed");
  // The program's own processor time, which a loaded machine does not inflate.
  state.counters["program_cpu_ms"] =
      benchmark::Counter(1000.0 * (ChildrenCpuSeconds() - cpuBefore) / static_cast<double>(state.iterations()));
}

void BM_ProgramStartToMainWindow(benchmark::State& state) { StartProgram(state, TenYearBookWithItsWindow()); }
BENCHMARK(BM_ProgramStartToMainWindow)->Unit(benchmark::kMillisecond)->Iterations(5);

// The worst case: all 120 months in the loading window.
void BM_ProgramStartToMainWindowAllMonthsLoaded(benchmark::State& state) { StartProgram(state, TenYearBook()); }
BENCHMARK(BM_ProgramStartToMainWindowAllMonthsLoaded)->Unit(benchmark::kMillisecond)->Iterations(5);

class CStartedBook {
 public:
  CStartedBook() : bookData_(TenYearBook().Directory()) { bookData_.StartUp(); }

 private:
  CBookData bookData_;
};

// Opening a screen: made, shown with its first paint, closed without its
// own closing work (the book screen's reload of the current book).
template <class Screen>
void OpenScreen(benchmark::State& state) {
  CStartedBook book;
  for (auto _ : state) {
    Screen screen;
    screen.show();
    QApplication::processEvents();
    screen.accept();
  }
}

void BM_OpenBookScreen(benchmark::State& state) { OpenScreen<CBookScreen>(state); }
BENCHMARK(BM_OpenBookScreen)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_OpenMonthArchive(benchmark::State& state) { OpenScreen<CMonthArchive>(state); }
BENCHMARK(BM_OpenMonthArchive)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  CPellwickApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
