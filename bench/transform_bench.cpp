// Translating a grid of quadrilateral faces selected as edges and faces by
// a marked vector.  Goals: the 60 x 60 grid (3,721 points, 7,320 edges,
// 3,600 faces: 14,641 images) closed over its points, imaged, selected and
// recorded within 80 ms, the 30 x 30 grid within 0.3 of that (nothing
// quadratic); one undo of the 60 x 60 step within 40 ms.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "cells/cellclasses.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgline.h"
#include "cells/primitives/cgverfree.h"
#include "editing/dialogs/transform/transformdialogs.h"
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
// Answers every translation dialog with its marked choice.
class MarkedAnswer : public IDialogProvider {
 public:
  int DoModal(CDialogData& data) override {
    auto* dialog = dynamic_cast<CDlgTransTranslate*>(&data);
    if (!dialog) return IDCANCEL;
    dialog->m_nChoice = CDlgTransTranslate::kMarked;
    return IDOK;
  }
};

// An n x n grid of faces over (n + 1)^2 points, with every edge a segment;
// the vector mark from P to Q.
struct GridPage {
  CKavrelDoc doc;
  std::vector<WORD> selection;  // edges, then faces

  explicit GridPage(int n) {
    ResetProcessState();
    RegisterModelClasses();
    RegisterCellClasses();
    doc.OnNewDocument();
    SetDialogProvider(std::make_unique<MarkedAnswer>());
    CGPage& page = *g_pCurPage;
    const int side = n + 1;
    ReserveVertexArray(side * side + 10);
    const auto point = [&page](float x, float y) {
      auto* p = new CGVerFreeXyz(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), x, y, 0);
      page.m_cells.SetAt(p->m_nId, p);
      return p->m_nId;
    };
    const auto enter = [&page, this](CGCell* cell) {
      page.m_cells.SetAt(cell->m_nId, cell);
      selection.push_back(cell->m_nId);
    };
    const WORD p = point(-1, -1), q = point(-1, 0);
    page.m_marks.MarkVector = {1, p, q, 0};
    std::vector<WORD> at;
    for (int k = 0; k < side * side; ++k) at.push_back(point(float(k % side), float(k / side)));
    const auto corner = [&at, side](int i, int j) { return at[j * side + i]; };
    for (int j = 0; j < side; ++j)
      for (int i = 0; i < n; ++i) enter(new CGLine(page.m_nNextId++, corner(i, j), corner(i + 1, j), 0));
    for (int i = 0; i < side; ++i)
      for (int j = 0; j < n; ++j) enter(new CGLine(page.m_nNextId++, corner(i, j), corner(i, j + 1), 0));
    for (int j = 0; j < n; ++j)
      for (int i = 0; i < n; ++i)
        enter(new CGFace(page.m_nNextId++, {corner(i, j), corner(i + 1, j), corner(i + 1, j + 1), corner(i, j + 1)},
                         0x00336699));
  }
  ~GridPage() { ResetProcessState(); }
  void Select() {
    g_pCurPage->ClearSelection();
    for (WORD id : selection) g_pCurPage->SelectCell(id);
  }
};

void BM_TranslateGrid(benchmark::State& state) {
  GridPage grid(static_cast<int>(state.range(0)));
  CCmdProcessor& undo = g_pCurPage->m_undo;
  for (auto _ : state) {
    state.PauseTiming();
    grid.Select();
    state.ResumeTiming();
    if (!CommandRegistry().Run(ID_TRANS_TRANSLATE)) state.SkipWithError("refused");
    state.PauseTiming();
    undo.Undo();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_TranslateGrid)->Arg(30)->Arg(60)->Unit(benchmark::kMillisecond);

void BM_UndoGridTranslation(benchmark::State& state) {
  GridPage grid(60);
  CCmdProcessor& undo = g_pCurPage->m_undo;
  for (auto _ : state) {
    state.PauseTiming();
    grid.Select();
    if (!CommandRegistry().Run(ID_TRANS_TRANSLATE)) state.SkipWithError("refused");
    state.ResumeTiming();
    undo.Undo();
  }
}
BENCHMARK(BM_UndoGridTranslation)->Unit(benchmark::kMillisecond);
}  // namespace

BENCHMARK_MAIN();
