// Time of one click pick in the select tool over a page of n plain points
// (labels hidden) and n / 2 segments joining them in pairs, in GL selection
// mode headless at 800 x 600, the pointer on a point in the middle of the
// page.  The goal: 10,000 points and 5,000 segments in at most 5 ms, and
// no worse than linear growth from 1,000 (see time_per_point).
//
// The context is bench/headlesscontext.h's.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <cmath>

#include "cells/primitives/cgline.h"
#include "headlesscontext.h"
#include "math/mathglobals.h"
#include "math/quaternion.h"
#include "model/globals.h"
#include "platform/processstate.h"
#include "pointpage.h"
#include "render/glresources.h"
#include "view/clickpick.h"
#include "view/viewrenderer.h"

namespace {

void BM_ClickPick(benchmark::State& state) {
  if (!bench::Context().ok) {
    state.SkipWithError("no headless OpenGL (Mesa EGL surfaceless platform)");
    return;
  }
  ResetProcessState();
  ViewQuaternion = kQuatIdentity;  // looking down: pixels follow the x, y grid
  g_nAxesMode = 1;
  const int n = static_cast<int>(state.range(0));
  bench::PointPage scene(n, false);
  CGPage& page = *scene.page;
  for (WORD a = 1; a + 1 <= n; a += 2) {
    auto* segment = new CGLine(page.m_nNextId++, a, static_cast<WORD>(a + 1), kLineSegment);
    page.m_cells.SetAt(segment->m_nId, segment);
  }
  CViewRenderer renderer;
  g_strProgramFolder = QCoreApplication::applicationDirPath() + QStringLiteral("/..");
  renderer.InitOpenGL();
  renderer.OnSize(bench::kWidth, bench::kHeight);
  renderer.RenderScene();
  glFinish();

  const auto* target = static_cast<const CGVertex*>(page.m_cells.Lookup(static_cast<WORD>(n / 2)));
  const int x = static_cast<int>(std::lround(bench::kWidth / 2 + target->m_vPos[0] / g_fUnitsPerPixel));
  const int y = static_cast<int>(std::lround(bench::kHeight / 2 - target->m_vPos[1] / g_fUnitsPerPixel));
  int kind = 0;
  WORD id = 0;
  for (auto _ : state) {
    kind = 0;
    id = 0;
    benchmark::DoNotOptimize(PickObjects(x, y, &kind, &id, false));
  }
  if (kind != 1) state.SkipWithError("the pick missed the point");
  state.SetComplexityN(n);
  state.counters["time_per_point"] = benchmark::Counter(
      static_cast<double>(n), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  renderer.Release();
}

BENCHMARK(BM_ClickPick)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

}  // namespace

int main(int argc, char** argv) { return bench::RunBenchmarks(argc, argv); }
