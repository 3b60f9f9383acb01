// The net and the stepwise cut of a 480-point sphere hull (956 faces):
// BuildNet (at most 3 ms), the net's transform chain for one value (at most
// 0.3 ms), the cut with ten built-in planes stepped 0 -> 10.2 by 0.01 (no
// call over 5 ms: the "slowest_ms" counter; the run at most 150 ms), and
// one headless frame of all its pieces in the three passes (at most 10 ms).
#include <benchmark/benchmark.h>

#include <GL/gl.h>

#include <chrono>
#include <cmath>
#include <numbers>
#include <vector>

#include "cellscene.h"
#include "cells/solids/convexhull.h"
#include "cells/solids/nets/cgfold.h"
#include "cells/solids/nets/cgsplit.h"
#include "headlesscontext.h"

namespace {

CGPolyhedron* SphereHull(bench::CellScene& scene) {
  std::vector<double> p;
  const double golden = std::numbers::pi * (3 - std::sqrt(5.0));
  for (int i = 0; i < 480; ++i) {
    const double y = 1 - 2 * (i + 0.5) / 480, r = std::sqrt(1 - y * y);
    p.insert(p.end(), {10 * r * std::cos(golden * i), 10 * y, 10 * r * std::sin(golden * i)});
  }
  auto* hull = new CGPolyhedron;
  BuildConvexHull(p.data(), 480, *hull);
  hull->m_nId = scene.page->m_nNextId++;
  return scene.Enter(hull);
}

void BM_BuildNet(benchmark::State& state) {
  bench::CellScene scene(16);
  CGPolyhedron* hull = SphereHull(scene);
  auto* net = scene.Enter(new CGFold(scene.page->m_nNextId++, hull->m_nId, "net", 0, 1));
  for (auto _ : state) net->BuildNet(*hull);
  state.counters["faces"] = double(net->NetFaces.size());
}
BENCHMARK(BM_BuildNet)->Unit(benchmark::kMillisecond);

void BM_NetChain(benchmark::State& state) {
  bench::CellScene scene(16);
  CGPolyhedron* hull = SphereHull(scene);
  auto* net = scene.Enter(new CGFold(scene.page->m_nNextId++, hull->m_nId, "net", 0, 1));
  std::vector<FoldMatrix> matrices;
  double t = 0;
  for (auto _ : state) {
    net->FaceMatrices(t, matrices);
    t = t > 38 ? 0 : t + 0.37;
    benchmark::DoNotOptimize(matrices.data());
  }
}
BENCHMARK(BM_NetChain)->Unit(benchmark::kMicrosecond);

void BM_SteppedCut(benchmark::State& state) {
  bench::CellScene scene(16);
  CGPolyhedron* hull = SphereHull(scene);
  auto* cut = scene.Enter(new CGSplit(scene.page->m_nNextId++, hull->m_nId, 10, 0, 2.0));
  double slowest = 0;
  for (auto _ : state) {
    cut->Recalculate();
    for (int step = 0; step <= 1020; ++step) {
      const auto start = std::chrono::steady_clock::now();
      cut->m_fValue = static_cast<float>(step * 0.01);
      cut->ApplyParameter();
      const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
      slowest = std::max(slowest, took.count());
    }
  }
  state.counters["slowest_ms"] = slowest;
  state.counters["pieces"] = double(cut->m_pieces.size());
}
BENCHMARK(BM_SteppedCut)->Unit(benchmark::kMillisecond);

void BM_CutFrame(benchmark::State& state) {
  if (!bench::Context().ok) {
    state.SkipWithError("no headless GL");
    return;
  }
  bench::CellScene scene(16);
  CGPolyhedron* hull = SphereHull(scene);
  auto* cut = scene.Enter(new CGSplit(scene.page->m_nNextId++, hull->m_nId, 10, 0, 2.0));
  for (int step = 0; step <= 1020; ++step) {
    cut->m_fValue = static_cast<float>(step * 0.01);
    cut->ApplyParameter();
  }
  for (auto _ : state) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    cut->DrawDepthOnly();
    cut->DrawVisibleEdges();
    cut->DrawHiddenEdges();
    glFinish();
  }
  state.counters["pieces"] = double(cut->m_pieces.size());
}
BENCHMARK(BM_CutFrame)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return bench::RunBenchmarks(argc, argv); }
