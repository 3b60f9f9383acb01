// The iterate command and the iteration property dialog.  Goals: on a page
// of 10,000 cells whose two pre-images have 5,000 descendants, the checks
// and the filling of the map dialog's lists take at most 20 ms; a live depth
// edit on an iteration of two maps and a chain of 10 costs the dialog at
// most 1 ms (the next frame is the drawing's own budget).
#include <benchmark/benchmark.h>

#include "cells/cellclasses.h"
#include "cells/constrained/dependentpoints.h"
#include "cells/dynamic/iterations/iteration.h"
#include "cells/primitives/cgline.h"
#include "editing/dialogs/iterations/iteratedialog.h"
#include "editing/dialogs/iterations/iteratepropertydialog.h"
#include "editing/iterations/iteratecommand.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/document/kavreldoc.h"
#include "model/modelclasses.h"
#include "model/vertexarray.h"
#include "platform/processstate.h"

namespace {

// A, B, a chain of `chained` descendants (segments from A and their
// midpoints), then free points up to `total` cells.
struct Scene {
  CKavrelDoc doc;
  CGPage* page;
  WORD a, b, firstMid = 0;

  Scene(int chained, int total) {
    ResetProcessState();
    RegisterModelClasses();
    RegisterCellClasses();
    doc.OnNewDocument();
    page = g_pCurPage;
    ReserveVertexArray(total + 16);
    a = Point(0);
    b = Point(8);
    WORD end = b;
    for (int i = 0; i + 1 < chained; i += 2) {
      const WORD line = Enter(new CGLine(page->m_nNextId, a, end, kLineSegment));
      end = Enter(new CGVerMid(page->m_nNextId, page->m_nNextVertex++, QStringLiteral("M"), line));
      if (!firstMid) firstMid = end;
    }
    while (page->m_nNextId <= total) Point(1);
  }
  WORD Point(float x) {
    return Enter(new CGVertex(page->m_nNextId, page->m_nNextVertex++, QStringLiteral("P"), x, 0, 0));
  }
  WORD Enter(CGCell* cell) {
    page->m_cells.SetAt(page->m_nNextId++, cell);
    return cell->m_nId;
  }
};

void BM_IterateChecksAndDialogLists(benchmark::State& state) {
  Scene scene(5000, 10000);
  scene.page->SelectCell(scene.a);
  scene.page->SelectCell(scene.b);
  for (auto _ : state) {
    bool fits = CheckIterationSources(*scene.page);
    CDlgIterate dialog;
    dialog.Initialise();
    benchmark::DoNotOptimize(fits);
    benchmark::DoNotOptimize(dialog.m_images.size());
  }
}
BENCHMARK(BM_IterateChecksAndDialogLists)->Unit(benchmark::kMillisecond);

void BM_LiveDepthEdit(benchmark::State& state) {
  Scene scene(10, 0);
  std::vector<std::vector<WORD>> arrays{{scene.a, scene.b}, {scene.a, scene.firstMid}, {scene.firstMid, scene.b}};
  auto* iteration = new CGIterate(scene.page->m_nNextId, 2, 2, 10, arrays);
  scene.Enter(iteration);
  CDlgPropertyIterate dialog;
  dialog.m_nIterate = iteration->m_nId;
  dialog.Initialise();
  int depth = 0;
  for (auto _ : state) {
    dialog.SetDepth(depth);  // below the suggested depth: no hint
    depth = (depth + 1) % 8;
  }
}
BENCHMARK(BM_LiveDepthEdit)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
