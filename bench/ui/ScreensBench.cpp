// The start of the program and the opening of the book screen and the month
// archive over the ten-year generated book (120 months up to the month after
// this one, all loaded).

#include <benchmark/benchmark.h>

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

CGeneratedBook& TenYearBook() {
  static CGeneratedBook book{TenYearsUpToNow()};
  return book;
}

// Process start to the main window shown with its monitoring list.
void BM_ProgramStartToMainWindow(benchmark::State& state) {
  const std::string command =
      std::string(PELLWICK_PROGRAM) + " --dir '" + TenYearBook().Directory() + "' --quit-when-shown";
  for (auto _ : state)
    if (std::system(command.c_str()) != 0) state.SkipWithError("the program failed");
}
BENCHMARK(BM_ProgramStartToMainWindow)->Unit(benchmark::kMillisecond)->Iterations(5);

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
