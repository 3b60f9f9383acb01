// Positioning diagrams on a page of 10,000 points.  Goals: the 100-sided
// prism (602 cells) built within 1 ms, undone and redone within 1 ms; a
// hull of 256 vertices copied (up to 1,526 cells) within 3 ms.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "cells/cellclasses.h"
#include "cells/primitives/cgverfree.h"
#include "cells/solids/cgpolyhedron.h"
#include "cells/solids/convexhull.h"
#include "editing/dialogs/solids/staticdialog.h"
#include "model/cgpage.h"
#include "model/document/kavreldoc.h"
#include "model/modelclasses.h"
#include "model/undo/cmdprocessor.h"
#include "model/vertexarray.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "platform/notifier.h"
#include "platform/processstate.h"

namespace {

constexpr int kPagePoints = 10000;

// Answers the positioning-diagram dialog with a 100-sided prism.
class PrismAnswer : public IDialogProvider {
 public:
  int DoModal(CDialogData& data) override {
    auto* dialog = dynamic_cast<CDlgStaticKavrel*>(&data);
    if (!dialog) return IDCANCEL;
    dialog->m_nKind = 1;
    dialog->m_nEdges = 100;
    return IDOK;
  }
};

struct StaticPage {
  CKavrelDoc doc;

  StaticPage() {
    ResetProcessState();
    RegisterModelClasses();
    RegisterCellClasses();
    doc.OnNewDocument();
    CGPage& page = *g_pCurPage;
    ReserveVertexArray(kPagePoints + 2000);
    for (int i = 0; i < kPagePoints; ++i) {
      auto* p = new CGVerFreeXyz(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), float(i % 100),
                                 float(i / 100), float(i % 7));
      page.m_cells.SetAt(p->m_nId, p);
    }
    SetDialogProvider(std::make_unique<PrismAnswer>());
  }
  ~StaticPage() { ResetProcessState(); }
};

void BM_StaticPrism100Build(benchmark::State& state) {
  StaticPage page;
  CCmdProcessor& undo = g_pCurPage->m_undo;
  for (auto _ : state) {
    if (!CommandRegistry().Run(ID_CREATE_STATICKAVREL)) state.SkipWithError("refused");
    state.PauseTiming();
    undo.Undo();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StaticPrism100Build)->Unit(benchmark::kMicrosecond);

void BM_StaticPrism100UndoRedo(benchmark::State& state) {
  StaticPage page;
  CommandRegistry().Run(ID_CREATE_STATICKAVREL);
  CCmdProcessor& undo = g_pCurPage->m_undo;
  for (auto _ : state) {
    undo.Undo();
    undo.Redo();
  }
}
BENCHMARK(BM_StaticPrism100UndoRedo)->Unit(benchmark::kMicrosecond);

// 256 points on a sphere (a spiral), their hull selected and copied.
void BM_StaticHullCopy256(benchmark::State& state) {
  StaticPage page;
  CGPage& p = *g_pCurPage;
  std::vector<double> points;
  for (int i = 0; i < 256; ++i) {
    const double z = 1 - (2 * i + 1) / 256.0, r = std::sqrt(1 - z * z), t = i * 2.399963;
    points.insert(points.end(), {10 * r * std::cos(t), 10 * r * std::sin(t), 10 * z});
  }
  auto* hull = new CGPolyhedron;
  if (!BuildConvexHull(points.data(), 256, *hull)) state.SkipWithError("no hull");
  hull->m_nId = p.m_nNextId++;
  p.m_cells.SetAt(hull->m_nId, hull);
  p.SelectCell(hull->m_nId);
  state.counters["cells"] = double(hull->Points.size() + hull->Edges.size() + hull->Faces.size());
  for (auto _ : state) {
    if (!CommandRegistry().Run(ID_CREATE_STATICKAVREL)) state.SkipWithError("refused");
    state.PauseTiming();
    p.m_undo.Undo();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StaticHullCopy256)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
