// Using a user tool.  Goals: the click that completes a 200-cell tool of
// two point inputs within 5 ms; a 20-cell tool of two point inputs applied
// to 2,000 selected points (1,000 rounds, 18,000 cells) within 100 ms, its
// undo and its redo within 20 ms each; the script view of a 500-cell tool
// filled within 50 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>
#include <vector>

#include "cells/cellclasses.h"
#include "cells/constrained/follower.h"
#include "cells/primitives/cgline.h"
#include "cells/primitives/cgverfree.h"
#include "editing/toolrecording.h"
#include "editing/tools/toolreplay.h"
#include "model/cgpage.h"
#include "model/document/usertool.h"
#include "model/globals.h"
#include "model/modelclasses.h"
#include "model/undo/cmdcells.h"
#include "model/vertexarray.h"
#include "platform/processstate.h"
#include "ui/dialogs/tools/toolviewdialog.h"

namespace {

// A page and a tool recorded on it: inputs A and B, segment AB, and a
// chain of points each following the one before, from B, up to `cells`.
struct ToolScene {
  std::unique_ptr<CGPage> page = (ResetProcessState(), std::make_unique<CGPage>());
  std::unique_ptr<CRecord> tool;

  explicit ToolScene(int cells) {
    RegisterModelClasses();
    RegisterCellClasses();
    SetCurrentPage(page.get());
    ReserveVertexArray(cells);
    const WORD a = Point(0), b = Point(1);
    Enter(new CGLine(page->m_nNextId, a, b, kLineSegment));
    WORD last = b;
    while (page->m_cells.GetCount() < cells)
      last = Enter(new CGVerFreeHenchman(page->m_nNextId, page->m_nNextVertex++, QString(), 1, 0, 0, last));
    for (auto [id, cell] : page->m_cells) page->SelectCell(id);
    tool = CreateToolFromSelection();
    page->ClearSelection();
    g_pCurrentTool = tool.get();
    g_nToolMode = 6;
  }
  ~ToolScene() {
    g_pCurrentTool = nullptr;
    SetCurrentPage(nullptr);
    page.reset();
    ResetProcessState();
  }
  bool Valid() const { return tool && tool->m_nInputCount == 2 && tool->m_nPointInputCount == 2; }
  WORD Enter(CGCell* cell) {
    page->m_cells.SetAt(cell->m_nId, cell);
    ++page->m_nNextId;
    return cell->m_nId;
  }
  WORD Point(float x) {
    return Enter(new CGVerFreeXyz(page->m_nNextId, page->m_nNextVertex++, page->GetNewName(1), x, 0, 0));
  }
  // The click on empty space that answers the awaited point input.
  int Click(float x) {
    const WORD pending = static_cast<WORD>(page->m_nToolPendingId);
    const auto* placeholder = dynamic_cast<const CGVertex*>(page->m_cells.Lookup(pending));
    if (!placeholder) return -2;
    return MatchToolInput(*page, 0, new CGVerFreeXyz(pending, placeholder->VertexIndex, placeholder->m_strName, x, 0, 0));
  }
};

void BM_ClickCompletingA200CellTool(benchmark::State& state) {
  ToolScene scene(200);
  if (!scene.Valid()) return state.SkipWithError("no tool of two point inputs");
  for (auto _ : state) {
    state.PauseTiming();
    StartToolInstance(0, 0, 0);
    scene.Click(2);
    state.ResumeTiming();
    const int placed = scene.Click(3);
    state.PauseTiming();
    if (placed != 200) return state.SkipWithError("the instance did not place the tool's 200 cells");
    scene.page->m_undo.Submit(std::make_unique<CCmdAddCells>(placed, QStringLiteral("T")));
    scene.page->m_undo.Undo();  // the page as it was, its ids given back
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ClickCompletingA200CellTool)->Iterations(200)->Unit(benchmark::kMillisecond);

// 2,000 selected points and the 20-cell tool applied to them once, the
// result committed as one step.
struct AppliedScene : ToolScene {
  AppliedScene() : ToolScene(20) {
    ReserveVertexArray(2000 + 20 * 1000);
    for (int i = 0; i < 2000; ++i) points.push_back(Point(static_cast<float>(i)));
    Select();
    g_nToolMode = 1;
  }
  void Select() {
    page->ClearSelection();
    for (WORD id : points) page->SelectCell(id);
  }
  int Apply() {
    const int made = ApplyToolToSelection();
    if (made > 0) page->m_undo.Submit(std::make_unique<CCmdAddCells>(made, tool->m_strName));
    return made;
  }
  std::vector<WORD> points;
};

void BM_ApplyToolTo2000Points(benchmark::State& state) {
  AppliedScene scene;
  if (!scene.Valid()) return state.SkipWithError("no tool of two point inputs");
  const int firstSlot = scene.page->m_nNextVertex;
  for (auto _ : state) {
    const int made = ApplyToolToSelection();
    state.PauseTiming();
    if (made != 18000) return state.SkipWithError("not 1,000 rounds of 18 cells");
    scene.page->m_undo.Submit(std::make_unique<CCmdAddCells>(made, QStringLiteral("T")));
    scene.page->m_undo.Undo();
    scene.page->m_nNextVertex = firstSlot;  // undo keeps the slots taken; the next round may have them
    scene.Select();                          // and clears the selection
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ApplyToolTo2000Points)->Iterations(20)->Unit(benchmark::kMillisecond);

void BM_UndoRedoAppliedTool(benchmark::State& state) {
  const bool undo = state.range(0) == 0;
  AppliedScene scene;
  if (!scene.Valid() || scene.Apply() != 18000) return state.SkipWithError("not 18,000 cells made");
  CCmdProcessor& steps = scene.page->m_undo;
  if (!undo) steps.Undo();
  for (auto _ : state) {
    undo ? steps.Undo() : steps.Redo();
    state.PauseTiming();
    undo ? steps.Redo() : steps.Undo();
    state.ResumeTiming();
  }
  state.SetLabel(undo ? "undo" : "redo");
}
BENCHMARK(BM_UndoRedoAppliedTool)->Arg(0)->Arg(1)->Iterations(50)->Unit(benchmark::kMillisecond);

void BM_FillScriptViewOfA500CellTool(benchmark::State& state) {
  ToolScene scene(500);
  if (!scene.Valid()) return state.SkipWithError("no tool of two point inputs");
  CDlgToolView view(nullptr);
  for (auto _ : state) view.Fill(scene.tool.get());
}
BENCHMARK(BM_FillScriptViewOfA500CellTool)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);  // the script view is a widget
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
