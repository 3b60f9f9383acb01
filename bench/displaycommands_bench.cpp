// The display commands on large selections.  Goals: a named colour, hide,
// lit or translucency on 10,000 selected cells within 5 ms; random colours
// on 10,000 within 10 ms; renaming 1,000 selected points with 10
// descendants each within 20 ms.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "cells/cellclasses.h"
#include "cells/dynamic/measures/pointreadings.h"
#include "cells/primitives/cgverfree.h"
#include "editing/dialogs/display/displaydialogs.h"
#include "model/cgpage.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "model/modelclasses.h"
#include "model/vertexarray.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "platform/dialogprovider.h"
#include "platform/notifier.h"
#include "platform/processstate.h"

namespace {
struct Scene {
  CKavrelDoc doc;
  CGPage* page;
  std::vector<WORD> points;
  explicit Scene(int n) {
    ResetProcessState();
    RegisterModelClasses();
    RegisterCellClasses();
    doc.OnNewDocument();
    page = g_pCurPage;
    ReserveVertexArray(n + 8);
    for (int i = 0; i < n; ++i) {
      const WORD id = page->m_nNextId++;
      page->m_cells.SetAt(id, new CGVerFreeXyz(id, page->m_nNextVertex++, QStringLiteral("P"), float(i), 0, 0));
      points.push_back(id);
    }
  }
  // Shown and selected again.
  void SelectPoints() {
    for (WORD id : points) {
      page->m_cells.Lookup(id)->m_bHidden = 0;
      page->SelectCell(id);
    }
  }
};

void RunOnSelection(benchmark::State& state, unsigned command) {
  Scene scene(10000);
  for (auto _ : state) {
    state.PauseTiming();
    scene.SelectPoints();
    state.ResumeTiming();
    if (!CommandRegistry().Run(command)) {
      state.SkipWithError("not run");
      break;
    }
  }
}

void BM_NamedColour(benchmark::State& state) { RunOnSelection(state, 2000); }
void BM_Hide(benchmark::State& state) { RunOnSelection(state, ID_VIEW_HIDEOBJECTS); }
void BM_Lit(benchmark::State& state) { RunOnSelection(state, ID_VIEW_RENDERSOLID); }
void BM_RandomColours(benchmark::State& state) { RunOnSelection(state, ID_COLOR26); }
BENCHMARK(BM_NamedColour)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Hide)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Lit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RandomColours)->Unit(benchmark::kMillisecond);

class RelabelProvider : public IDialogProvider {
 public:
  int DoModal(CDialogData& data) override { return dynamic_cast<CDlgLabel*>(&data) ? IDOK : IDCANCEL; }
};

void BM_RelabelThousandPoints(benchmark::State& state) {
  Scene scene(1000);
  for (WORD point : scene.points)
    for (int k = 0; k < 10; ++k) {
      const WORD id = scene.page->m_nNextId++;
      auto* reading = new CGTmVarCoordX(id, point);
      scene.page->m_cells.SetAt(id, reading);
      scene.page->m_cells.Lookup(point)->m_children.push_back(id);
    }
  std::unique_ptr<IDialogProvider> previous = SetDialogProvider(std::make_unique<RelabelProvider>());
  scene.SelectPoints();
  for (auto _ : state)
    if (!CommandRegistry().Run(ID_EDIT_LABEL)) state.SkipWithError("not run");
  if (scene.page->m_dirtyIds.size() != 10000) state.SkipWithError("not every descendant was recomputed");
  SetDialogProvider(std::move(previous));
}
BENCHMARK(BM_RelabelThousandPoints)->Unit(benchmark::kMillisecond);
}  // namespace

BENCHMARK_MAIN();
