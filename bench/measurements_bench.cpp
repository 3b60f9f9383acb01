// Measured values while a point is dragged: 200 captions (100 distances
// and 100 angles, both caption forms) depend on one free point moved by
// the drag driver.  Goals: one move, the recomputation of all 200
// included, within 0.2 ms, and no allocation at all after the first move
// (counted by the malloc family below): numbers are formatted on the stack,
// value texts rewritten in place, and lists made again only when drawn.
#include <benchmark/benchmark.h>

#include <QString>
#include <cstddef>
#include <memory>
#include <vector>

#include "cells/cellclasses.h"
#include "cells/dynamic/geometricmeasures.h"
#include "cells/primitives/cgverfree.h"
#include "cells/primitives/pointdrag.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "model/vertexarray.h"
#include "platform/processstate.h"
#include "render/viewglobals.h"
#include "countingallocator.h"

namespace {

constexpr int kCaptions = 200;

struct DragScene {
  std::unique_ptr<CGPage> page = (ResetProcessState(), std::make_unique<CGPage>());
  WORD dragged = 0;

  DragScene() {
    RegisterCellClasses();
    SetCurrentPage(page.get());
    ReserveVertexArray(kCaptions + 50);
    dragged = Free(0, 0, 0);
    for (int i = 0; i < kCaptions / 2; ++i) {
      const WORD p = Free(static_cast<float>(i % 10) + 1, static_cast<float>(i / 10) + 1, 0);
      const WORD q = Free(-static_cast<float>(i % 7) - 1, static_cast<float>(i / 7) + 2, 1);
      Caption(new CGTmVarDistancePP(page->m_nNextId, dragged, p), i);
      Caption(new CGTmVarAngleP3(page->m_nNextId, p, dragged, q), i + 1);
    }
    g_bDragHorizontal = 1;
    g_bSnapToGrid = 0;
    BeginPointDrag(dragged);
    MoveTo(0.5);  // the first move marks and collects the captions
  }
  ~DragScene() {
    EndPointDrag();
    SetCurrentPage(nullptr);
    page.reset();
    ResetProcessState();
  }

  WORD Free(float x, float y, float z) {
    auto* point = new CGVerFreeXyz(page->m_nNextId, page->m_nNextVertex++, page->GetNewName(1), x, y, z);
    page->m_cells.SetAt(page->m_nNextId++, point);
    return point->m_nId;
  }
  void Caption(CGTmVariable* caption, int i) {
    caption->m_nStyle = static_cast<BYTE>(i % 2);
    page->m_cells.SetAt(page->m_nNextId++, caption);
    caption->Recalculate();
  }
  // The pointer straight over (x, x / 2) of the plane z = 0.
  static void MoveTo(double x) {
    g_dRayNear[0] = g_dRayFar[0] = x;
    g_dRayNear[1] = g_dRayFar[1] = x / 2;
    g_dRayNear[2] = 100;
    g_dRayFar[2] = -100;
    g_fViewDir[0] = g_fViewDir[1] = 0;
    g_fViewDir[2] = 200;
    DragPointTo();
  }
};

void BM_DragWith200Captions(benchmark::State& state) {
  const long empty = g_nAllocations;
  DragScene scene;
  // Building the page allocates: proof that the counter counts.
  state.counters["allocations_building"] = static_cast<double>(g_nAllocations - empty);
  if (scene.page->m_dirtyIds.size() != static_cast<std::size_t>(kCaptions))
    return state.SkipWithError("the captions do not depend on the dragged point");
  double x = 0.5;
  long moves = 0;
  const long before = g_nAllocations;
  for (auto _ : state) {
    x = x > 20 ? 0.5 : x + 0.013;
    DragScene::MoveTo(x);
    ++moves;
  }
  state.counters["allocations_per_move"] = static_cast<double>(g_nAllocations - before) / static_cast<double>(moves);
  state.counters["counting"] = KAVREL_COUNTS_ALLOCATIONS;
}

// The recomputation alone, the point moved by hand.
void BM_Recompute200Captions(benchmark::State& state) {
  DragScene scene;
  auto* point = static_cast<CGVertex*>(scene.page->m_cells.Lookup(scene.dragged));
  long moves = 0;
  const long before = g_nAllocations;
  for (auto _ : state) {
    point->m_vPos[0] += 0.013f;
    scene.page->RecalculateCells(scene.page->m_dirtyIds);
    ++moves;
  }
  state.counters["allocations_per_move"] = static_cast<double>(g_nAllocations - before) / static_cast<double>(moves);
}

BENCHMARK(BM_DragWith200Captions)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Recompute200Captions)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
