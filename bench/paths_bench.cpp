// Loci and curves.  Goals:
// - a locus re-sampled by a drag move (the figure it traces changed) costs
//   at most 1.3 x (samples + 1) x one recalculation of its chain measured
//   alone (BM_ChainRecalculation), for chains of 20 and 200 cells and
//   n = 102, 1,002 and 10,002, and allocates nothing after the first
//   sampling; the default locus (n = 102, chain 20) within 1 ms;
// - NearestToRay on n = 10,002 with a chain of 50 within 16 ms;
// - a curve of 100,002 samples within 1.2 x the time of evaluating its
//   three trees 100,002 times directly (BM_CurveTreesDirectly);
// - an edit beside a locus of 100,002 samples (a point it does not trace
//   hidden and shown) settles its page in a small part of one sampling of
//   the locus: the page's records are read, the locus is not sampled again.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "cells/cellclasses.h"
#include "cells/constructed/coordinatespoint.h"
#include "cells/dynamic/paths/curve.h"
#include "cells/dynamic/paths/locus.h"
#include "cells/dynamic/parameters/usercalculation.h"
#include "cells/dynamic/parameters/userparameter.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "model/vertexarray.h"
#include "platform/editscope.h"
#include "platform/processstate.h"
#include "render/viewglobals.h"
#include "countingallocator.h"

namespace {

// A parameter s over [0, 1] drives a chain of calculations, each
// "No1*1.0001+No2" of the one before and of s; the traced point takes x
// from the last and y from s.  A second parameter a feeds the first
// calculation: moving a changes the figure the locus traces.
struct LocusScene {
  std::unique_ptr<CGPage> page = (ResetProcessState(), std::make_unique<CGPage>());
  CGTmVarParameter* s = nullptr;
  CGTmVarParameter* a = nullptr;
  CGLocus* locus = nullptr;
  std::vector<WORD> chain;       // what one sample recalculates
  std::vector<WORD> dependants;  // what a move of a recalculates
  int direction = 1;

  LocusScene(int chainLength, float step, float end = 1) {
    RegisterCellClasses();
    SetCurrentPage(page.get());
    ReserveVertexArray(4);
    s = Enter(new CGTmVarParameter(page->m_nNextId, QStringLiteral("s"), 0.5f));
    a = Enter(new CGTmVarParameter(page->m_nNextId, QStringLiteral("a"), 1));
    WORD last = a->m_nId;
    for (int i = 0; i + 1 < chainLength; ++i) {
      last = Enter(new CGTmVarCalculator(page->m_nNextId, {last, s->m_nId}, QStringLiteral("No1*1.0001+No2"), {}))
                 ->m_nId;
      chain.push_back(last);
    }
    chain.push_back(Enter(new CGVerCoordinates(page->m_nNextId, page->m_nNextVertex++, QStringLiteral("P"),
                                               {last, s->m_nId}, 1, 2, 0, 0, 0, 0))
                        ->m_nId);
    locus = Enter(new CGLocus(page->m_nNextId, s->m_nId, chain.back(), 0, end));
    locus->Step = step;
    locus->SampleCount = 0;
    locus->Recalculate();
    a->MarkDescendants();
    page->CollectDirtyIds(dependants);
  }
  ~LocusScene() {
    SetCurrentPage(nullptr);
    page.reset();
    ResetProcessState();
  }
  template <class T>
  T* Enter(T* cell) {
    page->m_cells.SetAt(page->m_nNextId++, cell);
    return cell;
  }
  // One move of a, to and fro.
  void Move() {
    a->m_fValue += 0.01f * static_cast<float>(direction);
    direction = -direction;
    page->RecalculateCells(dependants);
  }
};

// Steps and ranges exact in binary: 100, 1,000 and 10,000 steps, so
// 102, 1,002 and 10,002 samples.
const float kSteps[] = {0x1p-7f, 0x1p-10f, 0x1p-14f};
const float kEnds[] = {100 * 0x1p-7f, 1000 * 0x1p-10f, 10000 * 0x1p-14f};

void BM_LocusDragMove(benchmark::State& state) {
  LocusScene scene(static_cast<int>(state.range(0)), kSteps[state.range(1)], kEnds[state.range(1)]);
  if (scene.locus->m_parents.size() != scene.chain.size() + 1 || !scene.locus->m_bDefined)
    return state.SkipWithError("the locus does not trace the chain");
  const long before = g_nAllocations;
  for (int i = 0; i < 10; ++i) scene.Move();
  state.counters["allocations_in_10_moves"] = static_cast<double>(g_nAllocations - before);
  for (auto _ : state) scene.Move();
  state.counters["samples"] = scene.locus->SampleCount;
  state.counters["counting"] = KAVREL_COUNTS_ALLOCATIONS;
}

// The yardstick: the driver set and its chain recalculated once.
void BM_ChainRecalculation(benchmark::State& state) {
  LocusScene scene(static_cast<int>(state.range(0)), 0.01f);
  float t = 0.25f;
  for (auto _ : state) {
    t = t == 0.25f ? 0.75f : 0.25f;
    scene.s->m_fValue = t;
    scene.s->ApplyParameter();
    scene.page->RecalculateCells(scene.chain);
  }
}

void BM_LocusNearestToRay(benchmark::State& state) {
  LocusScene scene(50, kSteps[2], kEnds[2]);
  g_dRayNear[0] = g_dRayFar[0] = 3;
  g_dRayNear[1] = g_dRayFar[1] = 0.5;
  g_dRayNear[2] = 100, g_dRayFar[2] = -100;
  float at[3];
  double t, distance;
  for (auto _ : state) benchmark::DoNotOptimize(scene.locus->NearestToRay(at, &t, &distance, 0));
  state.counters["samples"] = scene.locus->SampleCount;
}

struct CurveScene {
  std::unique_ptr<CGPage> page = (ResetProcessState(), std::make_unique<CGPage>());
  CGCurve* curve = nullptr;
  CurveScene() {
    RegisterCellClasses();
    SetCurrentPage(page.get());
    // 6250 / 0.0625 + 2 = 100,002 samples.
    curve = new CGCurve(page->m_nNextId, {}, "cos(t)", "sin(t)", "t/10", "0", "6250", 0.0625f, 0, 0, {});
    page->m_cells.SetAt(page->m_nNextId++, curve);
  }
  ~CurveScene() {
    SetCurrentPage(nullptr);
    page.reset();
    ResetProcessState();
  }
};

void BM_Curve100002Samples(benchmark::State& state) {
  CurveScene scene;
  if (scene.curve->SampleCount != 100002) return state.SkipWithError("not 100,002 samples");
  const long before = g_nAllocations;
  scene.curve->Recalculate();
  state.counters["allocations_in_one_recalculation"] = static_cast<double>(g_nAllocations - before);
  for (auto _ : state) scene.curve->Recalculate();
}

void BM_CurveTreesDirectly(benchmark::State& state) {
  CurveScene scene;
  CFunParser* const trees[] = {&scene.curve->XParser, &scene.curve->YParser, &scene.curve->ZParser};
  for (auto _ : state) {
    double sum = 0;
    for (int i = 0; i < 100002; ++i)
      for (CFunParser* tree : trees) {
        tree->Values()[0] = i * 0.0625;
        double v;
        tree->Evaluate(v);
        sum += v;
      }
    benchmark::DoNotOptimize(sum);
  }
}

void BM_SettleBesideALocus(benchmark::State& state) {
  LocusScene scene(20, 0x1p-17f, 100000 * 0x1p-17f);
  auto* beside = scene.Enter(new CGTmVarParameter(scene.page->m_nNextId, QStringLiteral("b"), 2));
  for (auto _ : state) {
    const CEditScope edit;
    scene.page->m_cells.Lookup(beside->m_nId)->m_bHidden = !beside->m_bHidden;
    if (scene.page->SettleEdits().size() != 1) return state.SkipWithError("more than the edited cell computed");
  }
  state.counters["samples"] = scene.locus->SampleCount;
}

BENCHMARK(BM_LocusDragMove)->ArgsProduct({{20, 200}, {0, 1, 2}})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ChainRecalculation)->Arg(20)->Arg(200)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LocusNearestToRay)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SettleBesideALocus)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Curve100002Samples)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CurveTreesDirectly)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
