// Recomputation after a drag: one CollectDirtyIds + RecalculateCells on a
// page of 10,000 cells, (a) when every cell depends on the dragged point (a
// chain) and (b) when 1% does.  The marking that precedes them (done once per
// drag, on the first mouse move) is timed separately.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/vertexarray.h"
#include "platform/processstate.h"

namespace {

constexpr int kCells = 10000;

// A point one unit right of its parent, the work a constructed point does.
class FollowerPoint : public CGVertex {
 public:
  void Recalculate() override {
    CGCell::Recalculate();
    if (!m_bDefined) return;
    const auto* parent = static_cast<const CGVertex*>(g_pCurCells->Lookup(m_parents.front()));
    m_vPos[0] = parent->m_vPos[0] + 1;
    m_vPos[1] = parent->m_vPos[1];
    m_vPos[2] = parent->m_vPos[2];
    ApplyParameter();
  }
};

struct Scene {
  std::unique_ptr<CGPage> page = std::make_unique<CGPage>();
  CGVertex* dragged = nullptr;

  // Every `stride`-th cell depends on the dragged point (through the one
  // before it when chained); the others depend on an undragged point, which
  // a chain (stride 1) does without.
  Scene(int stride, bool chained) {
    ResetProcessState();
    SetCurrentPage(page.get());
    ReserveVertexArray(kCells);
    dragged = Point(new CGVertex(page->m_nNextId, page->m_nNextVertex, "A", 0, 0, 0));
    CGVertex* anchor =
        stride > 1 ? Point(new CGVertex(page->m_nNextId, page->m_nNextVertex, "B", 0, 5, 0)) : nullptr;
    WORD previous = dragged->m_nId;
    while (page->m_nNextId <= kCells) {
      const bool dependent = (page->m_nNextId % stride) == 0;
      const WORD parent = !dependent ? anchor->m_nId : chained ? previous : dragged->m_nId;
      auto* f = new FollowerPoint;
      f->m_nId = page->m_nNextId;
      f->VertexIndex = page->m_nNextVertex;
      f->m_parents.push_back(parent);
      page->m_cells.Lookup(parent)->m_children.push_back(f->m_nId);
      Point(f)->Recalculate();
      if (dependent) previous = f->m_nId;
    }
  }
  ~Scene() {
    page.reset();
    ResetProcessState();
  }

  CGVertex* Point(CGVertex* p) {
    page->m_cells.SetAt(p->m_nId, p);
    ++page->m_nNextId;
    ++page->m_nNextVertex;
    return p;
  }
};

using Clock = std::chrono::steady_clock;

void Recompute(benchmark::State& state, int stride, bool chained) {
  Scene scene(stride, chained);
  for (auto _ : state) {
    scene.dragged->m_vPos[1] += 0.5f;
    scene.dragged->ApplyParameter();
    scene.dragged->MarkDescendants();
    const auto start = Clock::now();
    scene.page->CollectDirtyIds(scene.page->m_dirtyIds);
    scene.page->RecalculateCells(scene.page->m_dirtyIds);
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
  }
  state.counters["recomputed"] = static_cast<double>(scene.page->m_dirtyIds.size());
}

void Mark(benchmark::State& state, int stride, bool chained) {
  Scene scene(stride, chained);
  std::vector<WORD> ids;
  for (auto _ : state) {
    const auto start = Clock::now();
    scene.dragged->MarkDescendants();
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    scene.page->CollectDirtyIds(ids);
  }
}

void BM_ChainOf10000(benchmark::State& state) { Recompute(state, 1, true); }
void BM_OnePercentOf10000(benchmark::State& state) { Recompute(state, 100, false); }
void BM_MarkChainOf10000(benchmark::State& state) { Mark(state, 1, true); }
void BM_MarkOnePercentOf10000(benchmark::State& state) { Mark(state, 100, false); }

BENCHMARK(BM_ChainOf10000)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OnePercentOf10000)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MarkChainOf10000)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MarkOnePercentOf10000)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
