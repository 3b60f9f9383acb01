// The ready-made plane shapes on a page of 10,000 points.  Goals: each of
// the 17 variants built, undone and redone within 0.5 ms; the inscribed
// 100-gon (200 cells) within 1 ms; a move of the pentagon preset's first
// vertex, its dependants recalculated, within 20 us.
#include <benchmark/benchmark.h>

#include <memory>

#include "cells/cellclasses.h"
#include "cells/primitives/cgarc.h"
#include "cells/primitives/cgverfree.h"
#include "dragpage.h"
#include "editing/dialogs/inputdialogs.h"
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

// Answers every vertex-count dialog with the same count.
class CountAnswer : public IDialogProvider {
 public:
  explicit CountAnswer(int n) : m_n(n) {}
  int DoModal(CDialogData& data) override {
    auto* dialog = dynamic_cast<CDlgNumber*>(&data);
    if (!dialog) return IDCANCEL;
    dialog->m_nCount = m_n;
    return IDOK;
  }

 private:
  int m_n;
};

// A new document whose page holds 10,000 free points and a circle.
struct ShapePage {
  CKavrelDoc doc;
  WORD circle = 0;

  ShapePage() {
    ResetProcessState();
    RegisterModelClasses();
    RegisterCellClasses();
    doc.OnNewDocument();
    CGPage& page = *g_pCurPage;
    ReserveVertexArray(kPagePoints + 1000);
    for (int i = 0; i < kPagePoints; ++i) {
      auto* p = new CGVerFreeXyz(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), float(i % 100),
                                 float(i / 100), float(i % 7));
      page.m_cells.SetAt(p->m_nId, p);
    }
    circle = page.m_nNextId++;
    page.m_cells.SetAt(circle, new CGArc(circle, 0, 0, 0, 5, 0, 0, 0, 5, 0, 0, kArcFullTurn, kArcCircle));
  }
  ~ShapePage() { ResetProcessState(); }
  void Select(std::initializer_list<WORD> ids) {
    g_pCurPage->ClearSelection();
    for (WORD id : ids) g_pCurPage->SelectCell(id);
  }
};

struct Variant {
  unsigned command;
  int points;  // selected first: 0, 2 or 3
};
constexpr Variant kVariants[] = {
    {ID_CREATE_PLANE_EQUILATERAL, 0}, {ID_CREATE_PLANE_EQUILATERAL, 2}, {ID_CREATE_PLANE_SQUARE, 0},
    {ID_CREATE_PLANE_SQUARE, 2},      {ID_CREATE_PLANE_RECT, 0},        {ID_CREATE_PLANE_RECT, 2},
    {ID_CREATE_PLANE_FIVE, 0},        {ID_CREATE_PLANE_FIVE, 2},        {ID_CREATE_PLANE_SIX, 0},
    {ID_CREATE_PLANE_SIX, 2},         {ID_CREATE_PLANE_ISOCELES, 0},    {ID_CREATE_PLANE_ISOCELES, 2},
    {ID_CREATE_PLANE_PARALL, 0},      {ID_CREATE_PLANE_PARALL, 3},      {ID_CREATE_RIGHTTRIANGLE, 0},
    {ID_CREATE_RIGHTTRIANGLE, 2},     {ID_CREATE_PLANE_POLY, 0},
};

// Built, undone and redone; the step taken back untimed, so the page stays
// as it was.
void BuildUndoRedo(benchmark::State& state, unsigned command) {
  CCmdProcessor& undo = g_pCurPage->m_undo;
  for (auto _ : state) {
    if (!CommandRegistry().Run(command)) state.SkipWithError("refused");
    undo.Undo();
    undo.Redo();
    state.PauseTiming();
    undo.Undo();
    state.ResumeTiming();
  }
}

void BM_ShapeBuildUndoRedo(benchmark::State& state) {
  const Variant& v = kVariants[state.range(0)];
  ShapePage page;
  if (v.points == 2) page.Select({1, 2});
  if (v.points == 3) page.Select({1, 2, 3});
  BuildUndoRedo(state, v.command);
}
BENCHMARK(BM_ShapeBuildUndoRedo)->DenseRange(0, 16)->Unit(benchmark::kMicrosecond);

void BM_Inscribed100Gon(benchmark::State& state) {
  ShapePage page;
  page.Select({page.circle});
  SetDialogProvider(std::make_unique<CountAnswer>(100));
  BuildUndoRedo(state, ID_CREATE_PLANE_POLY);
}
BENCHMARK(BM_Inscribed100Gon)->Unit(benchmark::kMicrosecond);

void BM_DragPentagonFirstVertex(benchmark::State& state) {
  ShapePage page;
  const WORD a = g_pCurPage->m_nNextId;
  if (!CommandRegistry().Run(ID_CREATE_PLANE_FIVE)) state.SkipWithError("refused");
  g_bDragHorizontal = 1;
  g_bSnapToGrid = 0;
  BeginPointDrag(a);
  bench::DragPage::MoveTo(0.5);
  bench::DragPage::TimeMoves(state);
  EndPointDrag();
}
BENCHMARK(BM_DragPentagonFirstVertex)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
