// The longest division a user asks for: 255 points between two points, each
// a live scaled point, into a vertex array with no room left.  Goal: within
// 5 ms a call, the array grown once.
#include <benchmark/benchmark.h>

#include "cells/cellclasses.h"
#include "cells/solids/divisionpoints.h"
#include "pointpage.h"

namespace {

void BM_DivideInto256(benchmark::State& state) {
  RegisterCellClasses();
  for (auto _ : state) {
    state.PauseTiming();
    {
      bench::PointPage scene(2, true);
      ReallocateVertexArray(2);
      const int capacity = g_nVertexCapacity;
      state.ResumeTiming();
      benchmark::DoNotOptimize(BuildDivisionPoints(1, 2, 256, false));
      state.PauseTiming();
      state.counters["grown by"] = g_nVertexCapacity - capacity;
    }
    state.ResumeTiming();
  }
}
BENCHMARK(BM_DivideInto256)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
