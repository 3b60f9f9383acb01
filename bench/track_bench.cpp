// Tracks.  Goals: a track of 200 steps over a chain of 30 cells at depth of
// drawing 2 draws one frame (the seven passes) within 1.25 times the 7 x 200
// chain recalculations and draw calls measured alone, and allocates nothing
// after the first frame; a step of 1e-30 ends a frame within the copy
// budget; the locus command's dependence test on a page of 10,000 cells
// stays under 0.2 ms with 100 descendants and 3 ms with all of them.
#include <benchmark/benchmark.h>

#include "cells/cellclasses.h"
#include "cells/constrained/dependentpoints.h"
#include "cells/dynamic/tracks/track.h"
#include "cells/primitives/cgarc.h"
#include "cells/primitives/cgline.h"
#include "cells/primitives/cgverfreeincircle.h"
#include "commands/tracks/driverranges.h"
#include "countingallocator.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/document/kavreldoc.h"
#include "model/modelclasses.h"
#include "model/vertexarray.h"
#include "platform/processstate.h"

namespace {

// P on a circle, A fixed, then lines and midpoints: AP, its midpoint M1,
// AM1, its midpoint M2, ... `chainLength` cells from AP on, all drawn.
struct Scene {
  CKavrelDoc doc;
  CGPage* page;
  WORD driver = 0;
  std::vector<WORD> chain;
  CGTrack* track = nullptr;

  Scene(int chainLength, float step) {
    ResetProcessState();
    RegisterModelClasses();
    RegisterCellClasses();
    doc.OnNewDocument();
    page = g_pCurPage;
    page->m_bThreeView = 1;
    ReserveVertexArray(chainLength + 16);
    const WORD circle = Enter(new CGArc(page->m_nNextId, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, kArcFullTurn, kArcCircle));
    driver = Enter(new CGVerFreeInCircle(page->m_nNextId, page->m_nNextVertex++, QStringLiteral("P"), circle, 0));
    const WORD a = Enter(new CGVertex(page->m_nNextId, page->m_nNextVertex++, QStringLiteral("A"), 4, 0, 0));
    WORD end = driver;
    while (static_cast<int>(chain.size()) + 1 < chainLength) {
      chain.push_back(Enter(new CGLine(page->m_nNextId, a, end, kLineSegment)));
      end = Enter(new CGVerMid(page->m_nNextId, page->m_nNextVertex++, QStringLiteral("M"), chain.back()));
      chain.push_back(end);
    }
    std::vector<WORD> parents{driver};
    parents.insert(parents.end(), chain.begin(), chain.end());
    std::vector<WORD> flags(parents.size(), 1);
    flags[0] = 0;
    track = new CGTrack(page->m_nNextId, parents, flags, 0, 0, 2, step, 2, 0);
    Enter(track);
  }
  WORD Enter(CGCell* cell) {
    page->m_cells.SetAt(page->m_nNextId++, cell);
    return cell->m_nId;
  }
  void Frame() {
    track->DrawFill();
    track->DrawDepthOnly();
    track->DrawHiddenEdges();
    track->DrawVisibleEdges();
    track->DrawLit();
    track->DrawTranslucent();
    track->Draw();
  }
};

void BM_ChainAloneSevenPasses(benchmark::State& state) {
  Scene scene(30, 0.01f);
  std::vector<CGCell*> cells;
  for (WORD id : scene.chain) cells.push_back(scene.page->m_cells.Lookup(id));
  CGCell* driver = scene.page->m_cells.Lookup(scene.driver);
  void (CGCell::*passes[])() = {&CGCell::DrawFill, &CGCell::DrawDepthOnly, &CGCell::DrawHiddenEdges,
                                &CGCell::DrawVisibleEdges, &CGCell::DrawLit, &CGCell::DrawTranslucent, &CGCell::Draw};
  for (auto _ : state)
    for (auto pass : passes)
      for (int k = 0; k < 200; ++k) {
        driver->m_fValue = 0.01f * static_cast<float>(k);
        driver->ApplyParameter();
        for (CGCell* cell : cells) cell->Recalculate();
        for (CGCell* cell : cells) (cell->*pass)();
      }
}
BENCHMARK(BM_ChainAloneSevenPasses)->Unit(benchmark::kMillisecond);

void BM_FrameOf200Steps(benchmark::State& state) {
  Scene scene(30, 0.01f);
  state.counters["copies"] = scene.track->CopyCount();
  scene.Frame();
  const long before = g_nAllocations;
  long frames = 0;
  for (auto _ : state) {
    scene.Frame();
    ++frames;
  }
  state.counters["allocations_per_frame"] = static_cast<double>(g_nAllocations - before) / static_cast<double>(frames);
}
BENCHMARK(BM_FrameOf200Steps)->Unit(benchmark::kMillisecond);

void BM_PassWithStep1e30(benchmark::State& state) {
  Scene scene(2, 1e-30f);
  state.counters["copies"] = scene.track->CopyCount();
  for (auto _ : state) scene.track->DrawVisibleEdges();
}
BENCHMARK(BM_PassWithStep1e30)->Unit(benchmark::kMillisecond);

// A page of 10,000 cells: a driver whose descendants are a chain of
// `state.range(0)` cells, the rest unrelated; asks about the last cell.
void BM_DependenceTest(benchmark::State& state) {
  ResetProcessState();
  RegisterModelClasses();
  RegisterCellClasses();
  CKavrelDoc doc;
  doc.OnNewDocument();
  CGPage* page = g_pCurPage;
  const auto enter = [page](std::initializer_list<WORD> parents) {
    auto* cell = new CGCell;
    cell->m_nId = page->m_nNextId++;
    for (WORD parent : parents) {
      cell->m_parents.push_back(parent);
      page->m_cells.Lookup(parent)->m_children.push_back(cell->m_nId);
    }
    page->m_cells.SetAt(cell->m_nId, cell);
    return cell->m_nId;
  };
  const WORD driver = enter({});
  WORD last = driver;
  const int descendants = static_cast<int>(state.range(0));
  for (int i = 0; i < descendants; ++i) last = enter({last});
  while (page->m_cells.GetCount() < 10000) enter({});
  const CGCell& asked = *page->m_cells.Lookup(last);
  for (auto _ : state) benchmark::DoNotOptimize(DependsOn(asked, driver));
}
BENCHMARK(BM_DependenceTest)->Arg(100)->Arg(9999)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
