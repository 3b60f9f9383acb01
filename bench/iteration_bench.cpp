// Iterations.  Goals: two mappings at depth 10 with a chain of 10 cells
// draw one frame (the seven passes) within 1.25 times the 7 x 20,460
// chain recalculations and draw calls measured alone, and allocate nothing
// after the first frame; at depth 10,000 from a value each pass stays within
// the 320,000 recalculations of the copy budget, and the frame within its
// own; pasting 1,000 cells that hold an iteration with a chain of 500, the
// iteration's id remapping adds at most 5 % (compare BM_PasteWithIteration
// against BM_PasteWithoutIteration).
#include <benchmark/benchmark.h>

#include <cmath>

#include "cells/cellclasses.h"
#include "cells/dynamic/iterations/iteration.h"
#include "cells/texts/cgtextmap.h"
#include "countingallocator.h"
#include "editing/clipboardexchange.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "cells/constrained/dependentpoints.h"
#include "cells/primitives/cgline.h"
#include "model/document/kavreldoc.h"
#include "model/drawing/copyframe.h"
#include "model/modelclasses.h"
#include "model/undo/cmdcells.h"
#include "model/vertexarray.h"
#include "platform/archive.h"
#include "platform/processstate.h"

namespace {

// A, B and a chain of lines and midpoints: AB, its midpoint M1, AM1, its
// midpoint M2, and so on; the iteration maps (A, B) to (A, M1) and (M1, B).
struct Scene {
  CKavrelDoc doc;
  CGPage* page;
  std::vector<CGCell*> chain;
  CGIterate* iteration = nullptr;

  explicit Scene(int chainLength) {
    ResetProcessState();
    RegisterModelClasses();
    RegisterCellClasses();
    doc.OnNewDocument();
    page = g_pCurPage;
    page->m_bThreeView = 1;  // the copies alone, no text layer
    ReserveVertexArray(chainLength + 16);
    const WORD a = Point(0), b = Point(8);
    WORD end = b, firstMid = 0;
    for (int i = 0; i + 1 < chainLength; i += 2) {
      const WORD line = Enter(new CGLine(page->m_nNextId, a, end, kLineSegment));
      end = Enter(new CGVerMid(page->m_nNextId, page->m_nNextVertex++, QStringLiteral("M"), line));
      if (!firstMid) firstMid = end;
    }
    std::vector<std::vector<WORD>> arrays{{a, b}, {a, firstMid}, {firstMid, b}};
    iteration = new CGIterate(page->m_nNextId, 2, 2, 10, arrays);
    page->m_cells.SetAt(page->m_nNextId++, iteration);
    for (WORD id : iteration->m_chain) chain.push_back(page->m_cells.Lookup(id));
  }
  WORD Point(float x) {
    return Enter(new CGVertex(page->m_nNextId, page->m_nNextVertex++, QStringLiteral("P"), x, 0, 0));
  }
  WORD Enter(CGCell* cell) {
    page->m_cells.SetAt(page->m_nNextId++, cell);
    return cell->m_nId;
  }
  void Frame() {
    const CCopyFrame frame;
    iteration->DrawFill();
    iteration->DrawDepthOnly();
    iteration->DrawHiddenEdges();
    iteration->DrawVisibleEdges();
    iteration->DrawLitLate(TRUE);
    iteration->DrawTranslucent();
    iteration->Draw();
  }
};

constexpr int kCopies = 20460 / 10;  // 2 + 4 + ... + 1024 copies of the chain

void BM_ChainAloneSevenPasses(benchmark::State& state) {
  Scene scene(10);
  void (CGCell::*passes[])() = {&CGCell::DrawFill, &CGCell::DrawDepthOnly, &CGCell::DrawHiddenEdges,
                                &CGCell::DrawVisibleEdges, &CGCell::DrawLit, &CGCell::DrawTranslucent, &CGCell::Draw};
  for (auto _ : state)
    for (auto pass : passes)
      for (int k = 0; k < kCopies; ++k)
        for (CGCell* cell : scene.chain) {
          cell->Recalculate();
          (cell->*pass)();
        }
}
BENCHMARK(BM_ChainAloneSevenPasses)->Unit(benchmark::kMillisecond);

void BM_FrameTwoMappingsDepth10(benchmark::State& state) {
  Scene scene(10);
  scene.Frame();
  const long before = g_nAllocations;
  long frames = 0;
  for (auto _ : state) {
    scene.Frame();
    ++frames;
  }
  state.counters["allocations_per_frame"] = static_cast<double>(g_nAllocations - before) / static_cast<double>(frames);
}
BENCHMARK(BM_FrameTwoMappingsDepth10)->Unit(benchmark::kMillisecond);

void BM_FrameDepth10000FromAValue(benchmark::State& state) {
  Scene scene(10);
  auto* value = new CGTmVariable;
  value->m_nId = scene.page->m_nNextId++;
  value->m_fValue = 10000;
  scene.page->m_cells.SetAt(value->m_nId, value);
  scene.iteration->m_parents.push_back(value->m_nId);
  scene.iteration->m_nParamA = 1;
  scene.iteration->Recalculate();
  const int depth = scene.iteration->DrawnDepth(CGIterate::kCopyBudget);
  const long long copies = (2LL << depth) - 2;
  state.counters["depth_drawn"] = depth;
  state.counters["recalculations_per_frame"] = static_cast<double>(7 * (copies * 10 + 10));
  if (7 * copies * 10 > CGIterate::kFrameCopyBudget) state.SkipWithError("over the frame's copy budget");
  for (auto _ : state) scene.Frame();
}
BENCHMARK(BM_FrameDepth10000FromAValue)->Unit(benchmark::kMillisecond);

// 1,000 cells: the chain of 500 and, for the rest, points; with or without
// the iteration over the chain among them.
void Paste(benchmark::State& state, bool withIteration) {
  Scene scene(500);
  if (!withIteration) {
    scene.page->m_cells.RemoveKey(scene.iteration->m_nId);
    for (WORD parent : scene.iteration->m_parents) scene.page->m_cells.Lookup(parent)->m_children.pop_back();
    delete scene.iteration;
    scene.Point(3);
  }
  ReserveVertexArray(4000);
  while (scene.page->m_cells.GetCount() < 1000) scene.Point(4);
  const int n = scene.page->m_cells.GetCount();
  for (auto _ : state) {
    state.PauseTiming();
    for (auto [id, cell] : scene.page->m_cells) scene.page->SelectCell(id);
    state.ResumeTiming();
    const QByteArray record = MakeClipboardRecord(*scene.page);
    CArchive ar(record);
    ar.ReadDword();
    PasteFailure failure;
    if (PasteFromClipboard(ar, &failure) != n) state.SkipWithError("nothing pasted");
    state.PauseTiming();
    scene.page->m_undo.Submit(std::make_unique<CCmdAddCells>(n, QStringLiteral("paste")));
    scene.page->m_undo.Undo();
    state.ResumeTiming();
  }
}
void BM_PasteWithIteration(benchmark::State& state) { Paste(state, true); }
void BM_PasteWithoutIteration(benchmark::State& state) { Paste(state, false); }
BENCHMARK(BM_PasteWithIteration)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PasteWithoutIteration)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
