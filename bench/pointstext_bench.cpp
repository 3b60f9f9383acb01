// The many-points validator runs on every keystroke of the coordinates
// dialog; a pasted text of 100,000 lines must validate within 50 ms.
#include <benchmark/benchmark.h>

#include <QString>

#include "editing/dialogs/coordinatesdialog.h"

static void BM_ValidatePastedPoints(benchmark::State& state) {
  QString text;
  for (int i = 0; i < state.range(0); ++i)
    text += QStringLiteral("%1.25,-%2.5\t%3\r\n").arg(i).arg(i % 977).arg(i % 13);
  for (auto _ : state) benchmark::DoNotOptimize(CDlgCoordinates::ValidatePoints(text));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ValidatePastedPoints)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
