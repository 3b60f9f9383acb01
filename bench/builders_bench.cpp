// The live builders at their largest.  The longest division a user asks
// for: 255 points between two points, each a live scaled point, into a
// vertex array with no room left; goal within 5 ms a call, the array grown
// once.  The largest table, 20 x 20 (2,082 cells), built, undone and redone
// as one command; goal within 50 ms.
#include <benchmark/benchmark.h>

#include "cells/cellclasses.h"
#include "cells/solids/divisionpoints.h"
#include "cells/solids/tablebuilder.h"
#include "model/undo/cmdcells.h"
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

void BM_Table20x20BuiltUndoneRedone(benchmark::State& state) {
  RegisterCellClasses();
  for (auto _ : state) {
    state.PauseTiming();
    {
      bench::PointPage scene(0, false);
      state.ResumeTiming();
      const int made = BuildTable(20, 20, 0, -10, 10, nullptr, nullptr);
      scene.page->m_undo.Submit(std::make_unique<CCmdAddCells>(made, QStringLiteral("table")));
      if (made != 2082 || !scene.page->m_undo.Undo() || !scene.page->m_cells.empty() || !scene.page->m_undo.Redo())
        state.SkipWithError("the table was not built, undone and redone");
      state.PauseTiming();
    }
    state.ResumeTiming();
  }
}
BENCHMARK(BM_Table20x20BuiltUndoneRedone)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
