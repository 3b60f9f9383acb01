// Points on paths and numeric intersections through their commands.  Goals:
// - the intersection command on a curve-curve pair of 2,000 samples each
//   with 32 roots (count dialog answered with all of them): count query,
//   32 root cells and the undo step within 1.5 x one solver pass
//   (BM_CurveCurveSolverPass): later roots come from the cache;
// - the update rules of the path-point, composite-path and intersection
//   commands on a selection of 10,000 cells within 0.5 ms each, allocating
//   nothing;
// - the composite-path command on 10,000 selected points: one draggable
//   border point with 10,000 parents within 10 ms, each point's child list
//   touched once.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "cells/cellclasses.h"
#include "cells/constructed/numeric/curvesolvers.h"
#include "cells/dynamic/paths/curve.h"
#include "cells/dynamic/parameters/userparameter.h"
#include "cells/primitives/cgarc.h"
#include "editing/dialogs/inputdialogs.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "model/modelclasses.h"
#include "model/vertexarray.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "platform/notifier.h"
#include "platform/processstate.h"
#include "countingallocator.h"

namespace {

// Answers the count dialog with every root found.
class AllRoots : public IDialogProvider {
 public:
  int DoModal(CDialogData& data) override { return dynamic_cast<CDlgIntersectionNum*>(&data) ? IDOK : IDCANCEL; }
};

struct DocScene {
  std::unique_ptr<CKavrelDoc> doc = (ResetProcessState(), std::make_unique<CKavrelDoc>());
  CGPage* page = nullptr;
  DocScene() {
    RegisterModelClasses();
    RegisterCellClasses();
    doc->OnNewDocument();
    page = g_pCurPage;
    SetDialogProvider(std::make_unique<AllRoots>());
  }
  template <class T>
  T* Enter(T* cell) {
    page->m_cells.SetAt(page->m_nNextId++, cell);
    return cell;
  }
  WORD Curve(const char* y) {
    return Enter(new CGCurve(page->m_nNextId, {}, "t", y, "0", "0.05", "20.04", 0.01f, 0, 0, QString()))->m_nId;
  }
  WORD Point(float x, float y) {
    return Enter(new CGVertex(page->m_nNextId, page->m_nNextVertex++, "P", x, y, 0))->m_nId;
  }
};

// y = sin(5.1 t) and the x axis over t in [0.05, 20.04]: 32 crossings.
struct CurvePair : DocScene {
  WORD a = Curve("sin(5.1*t)");
  WORD b = Curve("0*t");
};

void BM_CurveCurveSolverPass(benchmark::State& state) {
  CurvePair scene;
  float p[3];
  int roots = 0;
  for (auto _ : state) {
    scene.page->RecalculateCells({});  // a new pass: the roots are computed again
    roots = IntersectCurveCurve(scene.a, scene.b, 0, p);
  }
  state.counters["roots"] = roots;
}
BENCHMARK(BM_CurveCurveSolverPass)->Unit(benchmark::kMillisecond);

void BM_IntersectionCommand32Roots(benchmark::State& state) {
  int made = 0;
  for (auto _ : state) {
    state.PauseTiming();
    {
      CurvePair scene;
      scene.page->SelectCell(scene.a);
      scene.page->SelectCell(scene.b);
      scene.page->RecalculateCells({});
      const WORD next = scene.page->m_nNextId;
      state.ResumeTiming();
      CommandRegistry().Run(ID_CREATE_POINT_INTER);
      state.PauseTiming();
      made = scene.page->m_nNextId - next;
    }
    state.ResumeTiming();
  }
  state.counters["made"] = made;
  if (made != 32) state.SkipWithError("not 32 roots");
}
BENCHMARK(BM_IntersectionCommand32Roots)->Unit(benchmark::kMillisecond);

// 10,000 selected cells: points, circles and values in turn.
struct WideSelection : DocScene {
  WideSelection() {
    ReserveVertexArray(10000);
    for (int i = 0; i < 10000; ++i) {
      WORD id;
      if (i % 3 == 0)
        id = Point(static_cast<float>(i), 0);
      else if (i % 3 == 1)
        id = Enter(new CGArc(page->m_nNextId, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, kArcFullTurn, kArcCircle))->m_nId;
      else
        id = Enter(new CGTmVarParameter(page->m_nNextId, QStringLiteral("v"), 1))->m_nId;
      page->SelectCell(id);
    }
  }
};

void BM_UpdateRule(benchmark::State& state) {
  WideSelection scene;
  const unsigned id = static_cast<unsigned>(state.range(0));
  bool enabled = true;
  const long before = g_nAllocations;
  for (auto _ : state) enabled = CommandRegistry().Query(id).m_bEnabled;
  state.counters["allocations"] = benchmark::Counter(static_cast<double>(g_nAllocations - before),
                                                     benchmark::Counter::kAvgIterations);
  state.counters["enabled"] = enabled;
}
BENCHMARK(BM_UpdateRule)
    ->Arg(ID_CREATE_POINT_INOBJ_FT)
    ->Arg(ID_CREATE_POINT_PATH)
    ->Arg(ID_CREATE_POINT_INTER)
    ->Unit(benchmark::kMicrosecond);

void BM_BorderOnTenThousandPoints(benchmark::State& state) {
  size_t parents = 0;
  bool touchedOnce = true;
  for (auto _ : state) {
    state.PauseTiming();
    {
      DocScene scene;
      ReserveVertexArray(10010);
      for (int i = 0; i < 10000; ++i) scene.page->SelectCell(scene.Point(static_cast<float>(i % 100), static_cast<float>(i / 100)));
      const WORD made = scene.page->m_nNextId;
      state.ResumeTiming();
      CommandRegistry().Run(ID_CREATE_POINT_PATH);
      state.PauseTiming();
      const CGCell* border = scene.page->m_cells.Lookup(made);
      parents = border ? border->m_parents.size() : 0;
      for (WORD id : scene.page->m_selPoints)
        touchedOnce = touchedOnce && scene.page->m_cells.Lookup(id)->m_children == std::vector<WORD>{made};
    }
    state.ResumeTiming();
  }
  state.counters["parents"] = static_cast<double>(parents);
  if (parents != 10000 || !touchedOnce) state.SkipWithError("not one border point on every point");
}
BENCHMARK(BM_BorderOnTenThousandPoints)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
