// A parameter's slider dragged with a chain of 1,000 calculations hanging
// from it, each "No1*1.0001+1" of the one before.  Goals: one drag move,
// the recomputation of the whole chain included, within twice the time of
// evaluating the same 1,000 trees directly (BM_Evaluate1000TreesDirectly),
// and no allocation at all after the first move: values are copied into
// each parser's array, and a value text is composed only when its caption
// is drawn, picked, stored or read.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "cells/cellclasses.h"
#include "cells/dynamic/parameters/usercalculation.h"
#include "cells/dynamic/parameters/userparameter.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "platform/processstate.h"
#include "render/viewglobals.h"
#include "countingallocator.h"

namespace {

constexpr int kChain = 1000;
const QString kFormula = QStringLiteral("No1*1.0001+1");

struct SliderScene {
  std::unique_ptr<CGPage> page = (ResetProcessState(), std::make_unique<CGPage>());
  CGTmVarParameter* t = nullptr;
  std::vector<WORD> dependants;
  int direction = 1;

  SliderScene() {
    RegisterCellClasses();
    SetCurrentPage(page.get());
    t = new CGTmVarParameter(page->m_nNextId, QStringLiteral("t"), 2);
    page->m_cells.SetAt(page->m_nNextId++, t);
    t->SetRange(0, 10);
    t->m_nSubKind = 1;
    WORD last = t->m_nId;
    for (int i = 0; i < kChain; ++i) {
      auto* calc = new CGTmVarCalculator(page->m_nNextId, {last}, kFormula, QString());
      page->m_cells.SetAt(page->m_nNextId++, calc);
      last = calc->m_nId;
    }
    // The first move of a drag marks and collects the dependants.
    t->MarkDescendants();
    page->CollectDirtyIds(dependants);
    Move();
  }
  ~SliderScene() {
    SetCurrentPage(nullptr);
    page.reset();
    ResetProcessState();
  }

  // One pixel to and fro across the middle of the track.
  void Move() {
    g_nMouseDeltaX = direction;
    direction = -direction;
    t->DragSlider();
    page->RecalculateCells(dependants);
  }
};

void BM_DragSliderWith1000Calculations(benchmark::State& state) {
  const long empty = g_nAllocations;
  SliderScene scene;
  state.counters["allocations_building"] = static_cast<double>(g_nAllocations - empty);
  if (scene.dependants.size() != static_cast<std::size_t>(kChain))
    return state.SkipWithError("the chain does not depend on the parameter");
  long moves = 0;
  const long before = g_nAllocations;
  for (auto _ : state) {
    scene.Move();
    ++moves;
  }
  state.counters["allocations_per_move"] = static_cast<double>(g_nAllocations - before) / static_cast<double>(moves);
  state.counters["counting"] = KAVREL_COUNTS_ALLOCATIONS;
}

// The yardstick: the same trees evaluated directly, each fed the value of
// the one before.
void BM_Evaluate1000TreesDirectly(benchmark::State& state) {
  SliderScene scene;
  std::vector<CFunParser*> trees;
  for (WORD id : scene.dependants)
    trees.push_back(&static_cast<CGTmVarCalculator*>(scene.page->m_cells.Lookup(id))->m_parser);
  double t = 2;
  for (auto _ : state) {
    t = t == 2 ? 2.1 : 2;
    double value = t;
    for (CFunParser* tree : trees) {
      tree->Values()[0] = value;
      tree->Evaluate(value);
      value = static_cast<float>(value);  // the chain holds floats
    }
    benchmark::DoNotOptimize(value);
  }
}

BENCHMARK(BM_DragSliderWith1000Calculations)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Evaluate1000TreesDirectly)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
