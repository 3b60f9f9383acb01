// Recording a user tool from a selected chain: one free point and the
// points that follow it, each the one before, all selected.  Goal: 10,000
// cells within 100 ms, the time growing linearly from 1,000 (compare the
// per-cell counter of the two sizes).
#include <benchmark/benchmark.h>

#include <memory>

#include "cells/cellclasses.h"
#include "cells/constrained/follower.h"
#include "cells/primitives/cgverfree.h"
#include "editing/toolrecording.h"
#include "model/cgpage.h"
#include "model/document/usertool.h"
#include "model/globals.h"
#include "model/modelclasses.h"
#include "model/vertexarray.h"
#include "platform/processstate.h"

namespace {

struct ChainScene {
  std::unique_ptr<CGPage> page = (ResetProcessState(), std::make_unique<CGPage>());

  explicit ChainScene(int cells) {
    RegisterModelClasses();
    RegisterCellClasses();
    SetCurrentPage(page.get());
    ReserveVertexArray(cells);
    WORD last = Enter(new CGVerFreeXyz(page->m_nNextId, page->m_nNextVertex, QStringLiteral("A"), 0, 0, 0));
    while (page->m_cells.GetCount() < cells)
      last = Enter(new CGVerFreeHenchman(page->m_nNextId, page->m_nNextVertex, QString(), 0, 0, 0, last));
    for (auto [id, cell] : page->m_cells) page->SelectCell(id);
  }
  ~ChainScene() {
    SetCurrentPage(nullptr);
    page.reset();
    ResetProcessState();
  }
  WORD Enter(CGCell* cell) {
    page->m_cells.SetAt(cell->m_nId, cell);
    ++page->m_nNextId;
    ++page->m_nNextVertex;
    return cell->m_nId;
  }
};

void BM_RecordSelectedChain(benchmark::State& state) {
  const int cells = static_cast<int>(state.range(0));
  ChainScene scene(cells);
  for (auto _ : state) {
    std::unique_ptr<CRecord> record = CreateToolFromSelection();
    if (!record || record->m_nCellCount != cells) return state.SkipWithError("the chain was not recorded whole");
    benchmark::DoNotOptimize(record.get());
  }
  state.counters["per_cell"] = benchmark::Counter(static_cast<double>(state.iterations()) * cells,
                                                  benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_RecordSelectedChain)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
