// The merged tools of the ribbon.  Goals: the decision of each tool on a
// selection of 10,000 mixed cells, up to the call of the command it asks
// for (a stand-in here), within 100 us and without allocating; the
// standard square frustum (29 cells, recalculated, one undo step) within
// 2 ms; the overlap face of 100 corners within 5 ms.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

#include "cells/cellclasses.h"
#include "cells/constructed/horizontalcircles.h"
#include "cells/dynamic/measures/geometricmeasures.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgline.h"
#include "cells/primitives/cgverfree.h"
#include "countingallocator.h"
#include "editing/dialogs/inputdialogs.h"
#include "editing/dispatch/builddispatch.h"
#include "model/cgpage.h"
#include "model/document/commandtable.h"
#include "model/document/kavreldoc.h"
#include "model/modelclasses.h"
#include "model/undo/cmdprocessor.h"
#include "model/vertexarray.h"
#include "platform/commandids.h"
#include "platform/dialogprovider.h"
#include "platform/notifier.h"
#include "platform/processstate.h"

namespace {

int g_nCalls = 0;
void StandIn(CKavrelDoc&) { ++g_nCalls; }

// Every command the tools reach on the mixed selection.
constexpr unsigned kTargets[] = {ID_CREATE_BOX, kCmdCreateSphere, ID_MEASURE_FUN, ID_CREATE_CURVE,
                                 ID_EDIT_BTN_HIDESHOW, ID_CREATE_POINT_INOBJ_FT};

struct ToolPage {
  CKavrelDoc doc;
  std::vector<std::unique_ptr<CDocCommandStandIn>> standIns;

  ToolPage() {
    ResetProcessState();
    RegisterModelClasses();
    RegisterCellClasses();
    doc.OnNewDocument();
    for (unsigned id : kTargets) standIns.push_back(std::make_unique<CDocCommandStandIn>(id, StandIn));
  }
  ~ToolPage() {
    standIns.clear();
    ResetProcessState();
  }
  static WORD Point(float x, float y, float z) {
    CGPage& page = *g_pCurPage;
    auto* p = new CGVerFreeXyz(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), x, y, z);
    page.m_cells.SetAt(p->m_nId, p);
    return p->m_nId;
  }
  template <class T, class... Args>
  static WORD Cell(Args... args) {
    CGPage& page = *g_pCurPage;
    auto* cell = new T(page.m_nNextId++, args...);
    page.m_cells.SetAt(cell->m_nId, cell);
    return cell->m_nId;
  }
  // 10,000 cells in groups of four points, two segments, a face, a circle
  // and a distance, selected in that order.
  void SelectMixed() {
    ReserveVertexArray(6000);
    std::vector<WORD> ids;
    for (int k = 0; ids.size() < 10000; ++k) {
      const float x = static_cast<float>(k % 50), y = static_cast<float>(k / 50);
      const WORD a = Point(x, y, 0), b = Point(x + 1, y, 0), c = Point(x, y + 1, 0), d = Point(x, y, 1);
      for (WORD id : {a, b, c, d, Cell<CGLine>(a, b, BYTE{kLineSegment}), Cell<CGLine>(c, d, BYTE{kLineSegment}),
                      Cell<CGFace>(a, b, c, COLORREF{0x336699}), Cell<CGArcPoint2>(a, b, BYTE{kArcCircle}),
                      Cell<CGTmVarDistancePP>(a, d)})
        ids.push_back(id);
    }
    ids.resize(10000);
    for (WORD id : ids) g_pCurPage->SelectCell(id);
  }
};

void BM_ToolDecision(benchmark::State& state) {
  const int kind = static_cast<int>(state.range(0));
  ToolPage page;
  page.SelectMixed();
  BuildFromSelection(page.doc, kind);  // warm
  const long allocations = g_nAllocations;
  for (auto _ : state) benchmark::DoNotOptimize(BuildFromSelection(page.doc, kind));
  state.counters["allocations"] = static_cast<double>(g_nAllocations - allocations);
  state.counters["calls"] = g_nCalls;
}
// The tools whose choice on this selection is a command; the pyramid,
// frustum and text tools build (or ask for a formula) themselves.
BENCHMARK(BM_ToolDecision)
    ->ArgName("tool")
    ->Args({kToolPoint})
    ->Args({kToolLine})
    ->Args({kToolPolygon})
    ->Args({kToolCircle})
    ->Args({kToolPrism})
    ->Args({kToolSphere})
    ->Args({kToolMeasure})
    ->Args({kToolCurve})
    ->Args({kToolButton})
    ->Unit(benchmark::kMicrosecond);

void BM_StandardFrustum(benchmark::State& state) {
  ToolPage page;
  CCmdProcessor& undo = g_pCurPage->m_undo;
  for (auto _ : state) {
    BuildFromSelection(page.doc, kToolFrustum);
    state.PauseTiming();
    undo.Undo();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StandardFrustum)->Unit(benchmark::kMicrosecond);

class CountAnswer : public IDialogProvider {
 public:
  int DoModal(CDialogData& data) override {
    auto* dialog = dynamic_cast<CDlgNumber*>(&data);
    if (!dialog) return IDCANCEL;
    dialog->m_nCount = 100;
    return IDOK;
  }
};

void BM_OverlapFace100(benchmark::State& state) {
  ToolPage page;
  // Two level 60-gons, one turned a little against the other.
  std::vector<WORD> first, second;
  ReserveVertexArray(1000);
  for (int k = 0; k < 60; ++k) {
    const double t = 6.283185307 * k / 60, u = t + 0.05;
    first.push_back(ToolPage::Point(static_cast<float>(5 * std::cos(t)), static_cast<float>(5 * std::sin(t)), 0));
    second.push_back(ToolPage::Point(static_cast<float>(5 * std::cos(u)), static_cast<float>(5 * std::sin(u)), 0));
  }
  const WORD faces[2] = {ToolPage::Cell<CGFace>(first, COLORREF{0x336699}),
                         ToolPage::Cell<CGFace>(second, COLORREF{0x996633})};
  SetDialogProvider(std::make_unique<CountAnswer>());
  CCmdProcessor& undo = g_pCurPage->m_undo;
  for (auto _ : state) {
    state.PauseTiming();
    for (WORD face : faces) g_pCurPage->SelectCell(face);  // undo clears the selection
    state.ResumeTiming();
    if (!BuildFromSelection(page.doc, kToolPolygon)) state.SkipWithError("refused");
    state.PauseTiming();
    undo.Undo();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OverlapFace100)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
