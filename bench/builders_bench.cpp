// The live builders at their largest.  The longest division a user asks
// for: 255 points between two points, each a live scaled point, into a
// vertex array with no room left; goal within 5 ms a call, the array grown
// once.  The largest table, 20 x 20 (2,082 cells), built, undone and redone
// as one command; goal within 50 ms.  Each ready-made solid run, undone
// and redone on a page of 10,000 points: goal within 1 ms; 100 cuboids in
// a row (2,600 cells, the vertex array grown 100 at a time): within 50 ms;
// a drag move of the cube's corner A: within 20 us, of the hexagonal
// frustum's apex: within 30 us.
#include <benchmark/benchmark.h>

#include <functional>
#include <vector>

#include "cells/cellclasses.h"
#include "cells/solids/divisionpoints.h"
#include "cells/solids/tablebuilder.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/pointdrag.h"
#include "commands/solids/anchoredsolids.h"
#include "commands/solids/facesolids.h"
#include "commands/solids/presetsolids.h"
#include "commands/solids/revolutionsolids.h"
#include "model/document/kavreldoc.h"
#include "model/undo/cmdcells.h"
#include "pointpage.h"
#include "render/viewglobals.h"

namespace {

void BM_DivideInto256(benchmark::State& state) {
  RegisterCellClasses();
  for (auto _ : state) {
    state.PauseTiming();
    {
      bench::PointPage scene(2, true);
      ReallocateVertexArray(2);
      const int capacity = g_nVertexCapacity;
      state.ResumeTiming();
      benchmark::DoNotOptimize(BuildDivisionPoints(1, 2, 256, false));
      state.PauseTiming();
      state.counters["grown by"] = g_nVertexCapacity - capacity;
    }
    state.ResumeTiming();
  }
}
BENCHMARK(BM_DivideInto256)->Unit(benchmark::kMillisecond);

void BM_Table20x20BuiltUndoneRedone(benchmark::State& state) {
  RegisterCellClasses();
  for (auto _ : state) {
    state.PauseTiming();
    {
      bench::PointPage scene(0, false);
      state.ResumeTiming();
      const int made = BuildTable(20, 20, 0, -10, 10, nullptr, nullptr);
      scene.page->m_undo.Submit(std::make_unique<CCmdAddCells>(made, QStringLiteral("table")));
      if (made != 2082 || !scene.page->m_undo.Undo() || !scene.page->m_cells.empty() || !scene.page->m_undo.Redo())
        state.SkipWithError("the table was not built, undone and redone");
      state.PauseTiming();
    }
    state.ResumeTiming();
  }
}
BENCHMARK(BM_Table20x20BuiltUndoneRedone)->Unit(benchmark::kMillisecond);

// The 18 entries: the presets, the point-anchored solids with and without
// their point, the defaults and the prism over a face (points 1 and the
// face of 2, 3, 4 selected), the solids of revolution.
const std::vector<std::function<void(CKavrelDoc&)>>& SolidEntries() {
  static const std::vector<std::function<void(CKavrelDoc&)>> entries = {
      OnCreateCuboid, OnCreateBox, OnCreateSolidParall, OnCreateSolidTetrahedron, OnCreateSolidFiveprism,
      OnCreateSolidSixtrun, CreateRegularTetrahedron,
      [](CKavrelDoc& doc) { CreateCuboidXyz(doc, 0); }, [](CKavrelDoc& doc) { CreateCuboidXyz(doc, 1); },
      [](CKavrelDoc& doc) { CreateRegularTriPyramid(doc, 0); },
      [](CKavrelDoc& doc) { CreateRegularTriPyramid(doc, 1); },
      OnCreateSolidPrism, OnCreateSolidPyramid, OnCreateSolidTrun, OnCreateCylinder, OnCreateCone, OnCreatePlatform,
      [](CKavrelDoc& doc) {
        g_pCurPage->SelectCell(1);
        g_pCurPage->SelectCell(10001);
        OnCreateSolidPrism(doc);
        g_pCurPage->ClearSelection();
      }};
  return entries;
}

void BM_SolidRunUndoneRedoneAmong10000Points(benchmark::State& state) {
  RegisterCellClasses();
  ReallocateVertexArray(0);  // the capacity is process-wide: start from none
  bench::PointPage scene(10000, false);
  scene.page->m_cells.SetAt(scene.page->m_nNextId, new CGFace(scene.page->m_nNextId, 2, 3, 4, 0x808080));
  ++scene.page->m_nNextId;
  CKavrelDoc doc;
  const auto& make = SolidEntries()[static_cast<size_t>(state.range(0))];
  for (auto _ : state) {
    const WORD before = scene.page->m_nNextId;
    make(doc);
    if (scene.page->m_nNextId == before || !scene.page->m_undo.Undo() || !scene.page->m_undo.Redo())
      state.SkipWithError("the solid was not made, undone and redone");
    state.PauseTiming();
    scene.page->m_undo.Undo();
    scene.page->ClearSelection();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_SolidRunUndoneRedoneAmong10000Points)->DenseRange(0, 17)->Unit(benchmark::kMicrosecond);

void BM_HundredCuboidsInARow(benchmark::State& state) {
  RegisterCellClasses();
  for (auto _ : state) {
    state.PauseTiming();
    {
      ReallocateVertexArray(0);
      bench::PointPage scene(0, false);
      CKavrelDoc doc;
      state.ResumeTiming();
      for (int k = 0; k < 100; ++k) OnCreateCuboid(doc);
      if (scene.page->m_cells.size() != 2600) state.SkipWithError("not 2,600 cells");
      state.PauseTiming();
    }
    state.ResumeTiming();
  }
}
BENCHMARK(BM_HundredCuboidsInARow)->Unit(benchmark::kMillisecond);

// Drag moves of point `id` of the solid `make` builds, the pointer going to
// and fro: straight down over the plane z = 0, or along x at a rising height.
void DragMoves(benchmark::State& state, void (*make)(CKavrelDoc&), WORD id, bool vertical) {
  RegisterCellClasses();
  ReallocateVertexArray(0);
  bench::PointPage scene(0, false);
  CKavrelDoc doc;
  make(doc);
  g_bDragHorizontal = 1;
  g_bSnapToGrid = 0;
  BeginPointDrag(id);
  double t = 0;
  for (auto _ : state) {
    t = t > 3 ? 0 : t + 0.01;
    for (int i = 0; i < 3; ++i) g_dRayNear[i] = g_dRayFar[i] = 0;
    if (vertical) {
      g_dRayNear[0] = g_dRayFar[0] = -5 + t;
      g_dRayNear[1] = g_dRayFar[1] = -5 + t / 2;
      g_dRayNear[2] = 100;
      g_dRayFar[2] = -100;
    } else {
      g_dRayNear[0] = 100;
      g_dRayFar[0] = -100;
      g_dRayNear[2] = g_dRayFar[2] = 12 + t;
    }
    for (int i = 0; i < 3; ++i) g_fViewDir[i] = static_cast<float>(g_dRayNear[i] - g_dRayFar[i]);
    if (!DragPointTo()) state.SkipWithError("the drag did not move");
  }
  EndPointDrag();
}

void BM_DragCubeCornerA(benchmark::State& state) { DragMoves(state, OnCreateBox, 1, true); }
BENCHMARK(BM_DragCubeCornerA)->Unit(benchmark::kMicrosecond);

void BM_DragHexagonalFrustumApex(benchmark::State& state) { DragMoves(state, OnCreateSolidSixtrun, 15, false); }
BENCHMARK(BM_DragHexagonalFrustumApex)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
