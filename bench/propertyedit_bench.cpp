// The property dialogs' write-backs.  Goals: OK on a free point with 10,000
// descendants (coordinates changed) recomputes and relabels within 20 ms,
// and its undo and redo each within 20 ms; the apply-to-page box on a page
// of 10,000 lines or faces within 10 ms; filling the point dialog for any
// point class within 0.1 ms.
#include <benchmark/benchmark.h>

#include <functional>
#include <memory>

#include "cells/cellclasses.h"
#include "cells/constructed/paths/carriers.h"
#include "cells/constructed/rotations.h"
#include "cells/constructed/translations.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgline.h"
#include "cells/primitives/cgverfree.h"
#include "cells/primitives/cgverfreeinface.h"
#include "cells/primitives/cgverfreeinline.h"
#include "editing/dialogs/properties/primitivedialogs.h"
#include "editing/properties/pointproperties.h"
#include "editing/properties/propertyrows.h"
#include "model/cgpage.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "model/modelclasses.h"
#include "model/vertexarray.h"
#include "platform/dialogprovider.h"
#include "platform/notifier.h"
#include "platform/processstate.h"

namespace {

// Answers every dialog with OK after `answer` has changed it.
class AnsweringProvider : public IDialogProvider {
 public:
  explicit AnsweringProvider(std::function<void(CDialogData&)> answer) : m_answer(std::move(answer)) {}
  int DoModal(CDialogData& data) override {
    m_answer(data);
    return IDOK;
  }

 private:
  std::function<void(CDialogData&)> m_answer;
};

struct Scene {
  std::unique_ptr<CGPage> page = (ResetProcessState(), std::make_unique<CGPage>());

  explicit Scene(int cells) {
    RegisterModelClasses();
    RegisterCellClasses();
    SetCurrentPage(page.get());
    ReserveVertexArray(cells + 16);
  }
  ~Scene() {
    SetCurrentPage(nullptr);
    page.reset();
    ResetProcessState();
  }
  template <class T, class... Args>
  WORD Point(Args... args) {
    auto* cell = new T(page->m_nNextId, page->m_nNextVertex, QStringLiteral("P"), args...);
    return Enter(cell, true);
  }
  WORD Enter(CGCell* cell, bool point = false) {
    page->m_cells.SetAt(cell->m_nId, cell);
    ++page->m_nNextId;
    if (point) ++page->m_nNextVertex;
    return cell->m_nId;
  }
  // A free point A and a chain of n points each translated from the one before.
  WORD Chain(int n) {
    const WORD a = Point<CGVerFreeXyz>(0.0f, 0.0f, 0.0f);
    WORD last = a;
    for (int i = 0; i < n; ++i) last = Point<CGVerTranslateStc>(last, 0.001f, 0.0f, 0.0f);
    return a;
  }
};

void BM_PointCoordinatesOk(benchmark::State& state) {
  Scene scene(10001);
  auto& a = static_cast<CGVertex&>(*scene.page->m_cells.Lookup(scene.Chain(10000)));
  CDlgPropertyPoint answer = PointPropertiesOf(a);
  for (auto _ : state) {
    answer.m_x = answer.m_x == 1 ? 2 : 1;
    ApplyPointProperties(*scene.page, a, answer);
  }
  if (scene.page->m_dirtyIds.size() != 10000) state.SkipWithError("not every descendant was recomputed");
}
BENCHMARK(BM_PointCoordinatesOk)->Unit(benchmark::kMillisecond);

// Undo (range 0) or redo (range 1) of the coordinate edit.
void BM_PointCoordinatesUndoRedo(benchmark::State& state) {
  Scene scene(10001);
  auto& a = static_cast<CGVertex&>(*scene.page->m_cells.Lookup(scene.Chain(10000)));
  CDlgPropertyPoint answer = PointPropertiesOf(a);
  answer.m_x = 3;
  ApplyPointProperties(*scene.page, a, answer);
  const bool undo = state.range(0) == 0;
  for (auto _ : state) {
    if (!undo) {
      state.PauseTiming();
      scene.page->m_undo.Undo();
      state.ResumeTiming();
      scene.page->m_undo.Redo();
    } else {
      scene.page->m_undo.Undo();
      state.PauseTiming();
      scene.page->m_undo.Redo();
      state.ResumeTiming();
    }
  }
  if (a.m_vPos[0] != 3) state.SkipWithError("the edit did not come back");
}
BENCHMARK(BM_PointCoordinatesUndoRedo)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The line (range 0) or face (range 1) dialog confirmed with the
// apply-to-page box on a page of 10,000 of them.
void BM_ApplyToPage(benchmark::State& state) {
  const bool faces = state.range(0) == 1;
  Scene scene(3);
  const WORD a = scene.Point<CGVerFreeXyz>(0.0f, 0.0f, 0.0f);
  const WORD b = scene.Point<CGVerFreeXyz>(4.0f, 0.0f, 0.0f);
  const WORD c = scene.Point<CGVerFreeXyz>(0.0f, 3.0f, 0.0f);
  WORD first = 0;
  for (int i = 0; i < 10000; ++i) {
    const WORD id = scene.page->m_nNextId;
    const WORD made = faces ? scene.Enter(new CGFace(id, a, b, c, 0x336699)) : scene.Enter(new CGLine(id, a, b, 0));
    scene.page->m_cells.Lookup(made)->m_dwParam3 = 20;
    if (!first) first = made;
  }
  CKavrelDoc doc;
  int turn = 0;
  std::unique_ptr<IDialogProvider> previous = SetDialogProvider(std::make_unique<AnsweringProvider>([&](CDialogData& data) {
    if (auto* line = dynamic_cast<CDlgPropertyLine*>(&data)) {
      line->m_nDisplayMode = turn % 2 ? 3 : 2;
      line->m_bApplyToPage = 1;
    } else if (auto* face = dynamic_cast<CDlgPropertyFace*>(&data)) {
      face->m_nDisplayMode = turn % 2 ? 3 : 4;
      face->m_nTexture = 2;
      face->m_bApplyToPage = 1;
    }
  }));
  CGCell& edited = *scene.page->m_cells.Lookup(first);
  for (auto _ : state) {
    ++turn;
    RunPropertyRow(faces ? PropertyList::Faces : PropertyList::Lines, doc, edited);
  }
  for (auto [id, cell] : scene.page->m_cells)
    if (id > c && cell->m_nStyle != edited.m_nStyle) return state.SkipWithError("a cell kept its style");
  SetDialogProvider(std::move(previous));
}
BENCHMARK(BM_ApplyToPage)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The dialog filled for each kind of point in turn (range: the kind).
void BM_FillPointDialog(benchmark::State& state) {
  Scene scene(16);
  const WORD a = scene.Point<CGVerFreeXyz>(0.0f, 0.0f, 0.0f);
  const WORD b = scene.Point<CGVerFreeXyz>(4.0f, 0.0f, 0.0f);
  const WORD c = scene.Point<CGVerFreeXyz>(0.0f, 3.0f, 0.0f);
  const WORD line = scene.Enter(new CGLine(scene.page->m_nNextId, a, b, 0));
  const WORD face = scene.Enter(new CGFace(scene.page->m_nNextId, a, b, c, 0x336699));
  const WORD points[] = {
      a,
      scene.Point<CGVerFreeInLine>(line, 0.5f),
      scene.Point<CGVerFreeInFace>(face, 0.2f, 0.3f),
      scene.Point<CGVerTranslateStc>(a, 1.0f, 2.0f, 3.0f),
      scene.Point<CGVerRotate>(b, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f, 0.0f, 1.5707964f),
      scene.Point<CGVerInLineFixedf>(line, 0.75f),
  };
  auto& point = static_cast<CGVertex&>(*scene.page->m_cells.Lookup(points[state.range(0)]));
  for (auto _ : state) benchmark::DoNotOptimize(PointPropertiesOf(point));
}
BENCHMARK(BM_FillPointDialog)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
