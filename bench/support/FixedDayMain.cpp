// The main of the benchmarks over the generated book that depend on
// "today": they all run on 15 January 2014, inside the book's ten years.

#include <benchmark/benchmark.h>

#include "model/Clock.h"

int main(int argc, char** argv) {
  CFixedClock clock(CDate::FromYmd(2014, 1, 15));
  CScopedClock installed(clock);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
