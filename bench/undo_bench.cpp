// Undo and redo of pasting 1,000 cells (a CCmdAddCells of 1,000) on a page
// that already holds 1,000: half the pasted cells are points, half points
// computed from two earlier cells, as a pasted construction is.
#include <benchmark/benchmark.h>

#include <memory>

#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/undo/cmdcells.h"
#include "model/undo/cmdtexts.h"
#include "model/vertexarray.h"
#include "platform/processstate.h"

namespace {

// The midpoint of its two parents: the work a constructed point does.
class Midpoint : public CGVertex {
 public:
  void Recalculate() override {
    CGCell::Recalculate();
    if (!m_bDefined) return;
    const auto* a = static_cast<const CGVertex*>(g_pCurCells->Lookup(m_parents[0]));
    const auto* b = static_cast<const CGVertex*>(g_pCurCells->Lookup(m_parents[1]));
    for (int i = 0; i < 3; ++i) m_vPos[i] = (a->m_vPos[i] + b->m_vPos[i]) / 2;
    ApplyParameter();
  }
};

struct PastedPage {
  std::unique_ptr<CGPage> page = std::make_unique<CGPage>();

  explicit PastedPage(int existing, int pasted) {
    ResetProcessState();
    SetCurrentPage(page.get());
    ReserveVertexArray(existing + pasted);
    for (int i = 0; i < existing + pasted; ++i) {
      const WORD id = page->m_nNextId++;
      CGVertex* cell;
      if (i % 2 == 0 || id < 3) {
        cell = new CGVertex(id, page->m_nNextVertex++, "P", float(i % 37), float(i % 11), float(i % 5));
      } else {
        auto* m = new Midpoint;
        m->m_nId = id;
        m->VertexIndex = page->m_nNextVertex++;
        for (WORD parent : {WORD(id - 1), WORD(id / 2)}) {
          m->m_parents.push_back(parent);
          page->m_cells.Lookup(parent)->m_children.push_back(id);
        }
        cell = m;
      }
      page->m_cells.SetAt(id, cell);
      cell->Recalculate();
    }
    page->m_undo.Submit(std::make_unique<CCmdAddCells>(pasted, QString::fromUtf8(kCmdNamePaste)));
  }
};

void BM_UndoRedoPaste1000(benchmark::State& state) {
  PastedPage scene(1000, 1000);
  for (auto _ : state) {
    if (!scene.page->m_undo.Undo() || scene.page->m_cells.size() != 1000 || !scene.page->m_undo.Redo()) {
      state.SkipWithError("the paste was not undone and redone");
      break;
    }
  }
  benchmark::DoNotOptimize(scene.page->m_cells.size());
}
BENCHMARK(BM_UndoRedoPaste1000)->Unit(benchmark::kMillisecond);

void BM_UndoPaste1000(benchmark::State& state) {
  PastedPage scene(1000, 1000);
  for (auto _ : state) {
    scene.page->m_undo.Undo();
    state.PauseTiming();
    scene.page->m_undo.Redo();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_UndoPaste1000)->Unit(benchmark::kMillisecond);

void BM_RedoPaste1000(benchmark::State& state) {
  PastedPage scene(1000, 1000);
  for (auto _ : state) {
    state.PauseTiming();
    scene.page->m_undo.Undo();
    state.ResumeTiming();
    scene.page->m_undo.Redo();
  }
}
BENCHMARK(BM_RedoPaste1000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
