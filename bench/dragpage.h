// The benchmarks' drag: a current page, every cell class registered, whose
// free point `dragged` at the origin the drag driver moves along the line
// y = x / 2 of the plane z = 0, as the view does on every mouse move.
#pragma once
#include <benchmark/benchmark.h>

#include <memory>

#include "cells/cellclasses.h"
#include "cells/primitives/cgverfree.h"
#include "cells/primitives/pointdrag.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "model/vertexarray.h"
#include "platform/processstate.h"
#include "render/viewglobals.h"
#include "countingallocator.h"

namespace bench {

struct DragPage {
  std::unique_ptr<CGPage> page = (ResetProcessState(), std::make_unique<CGPage>());
  WORD dragged = 0;

  // Room for `points` points; the dragged one is the first.
  explicit DragPage(int points) {
    RegisterCellClasses();
    SetCurrentPage(page.get());
    ReserveVertexArray(points);
    dragged = Free(0, 0, 0);
  }
  ~DragPage() {
    EndPointDrag();
    SetCurrentPage(nullptr);
    page.reset();
    ResetProcessState();
  }
  DragPage(const DragPage&) = delete;
  DragPage& operator=(const DragPage&) = delete;

  WORD Free(float x, float y, float z) {
    auto* point = new CGVerFreeXyz(page->m_nNextId, page->m_nNextVertex++, page->GetNewName(1), x, y, z);
    page->m_cells.SetAt(page->m_nNextId++, point);
    return point->m_nId;
  }
  // Starts the drag with its first move, which marks and collects the
  // dependants (the page's m_dirtyIds).
  void StartDrag() {
    g_bDragHorizontal = 1;
    g_bSnapToGrid = 0;
    BeginPointDrag(dragged);
    MoveTo(0.5);
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
  // One move an iteration, to and fro along the line, and the allocations
  // a move makes.
  static void TimeMoves(benchmark::State& state) {
    double x = 0.5;
    long moves = 0;
    const long before = g_nAllocations;
    for (auto _ : state) {
      x = x > 20 ? 0.5 : x + 0.013;
      MoveTo(x);
      ++moves;
    }
    state.counters["allocations_per_move"] =
        static_cast<double>(g_nAllocations - before) / static_cast<double>(moves);
    state.counters["counting"] = KAVREL_COUNTS_ALLOCATIONS;
  }
};

}  // namespace bench
