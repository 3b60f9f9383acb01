// The axis scale and the colour modifier.  Goals: one DrawVisibleEdges of
// axes to ±1,000 at the default zoom with the square grid within 3 ms
// (llvmpipe), and of axes to ±10⁹ with spacing 0.1 (every loop at its cap)
// within 30 ms; a modifier with 1,000 targets recalculated, as on every
// drag move, within 50 µs and allocating nothing.
//
// The context is bench/headlesscontext.h's.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "cells/cellclasses.h"
#include "cells/constrained/linepoints.h"
#include "cells/dynamic/graphing/colormodifier.h"
#include "cells/dynamic/graphing/scaleline.h"
#include "cells/dynamic/graphing/scalelinelayout.h"
#include "cells/texts/cgtextmap.h"
#include "countingallocator.h"
#include "headlesscontext.h"
#include "model/globals.h"
#include "model/vertexarray.h"
#include "platform/processstate.h"
#include "pointpage.h"
#include "view/viewrenderer.h"

namespace {

using bench::Context;

// Axes from -reach to reach through a point at the origin.
CGScaleline* AddAxes(CGPage& page, float reach, float spacing) {
  const WORD o = page.m_nNextId;
  page.m_cells.SetAt(o, new CGVertex(page.m_nNextId++, page.m_nNextVertex++, QStringLiteral("o"), 0, 0, 0));
  WORD ends[4];
  for (int i = 0; i < 4; ++i) {
    auto* end = new CGVerFreeParVector(page.m_nNextId, page.m_nNextVertex++, QString(), i < 2 ? 1.0f : 0.0f,
                                       i < 2 ? 0.0f : 1.0f, 0, o);
    page.m_cells.SetAt(page.m_nNextId++, end);
    end->m_fValue = i % 2 ? reach : -reach;
    end->Recalculate();
    ends[i] = end->m_nId;
  }
  auto* scale = new CGScaleline(page.m_nNextId, o, ends[0], ends[1], ends[2], ends[3], spacing, spacing);
  page.m_cells.SetAt(page.m_nNextId++, scale);
  scale->AutoSpacing = spacing > 0 ? 0 : 1;
  scale->SetGridMode(1);
  return scale;
}

void BM_ScaleDraw(benchmark::State& state, float reach, float spacing) {
  if (!Context().ok) return state.SkipWithError("no headless OpenGL (Mesa EGL surfaceless platform)");
  ResetProcessState();
  RegisterCellClasses();
  bench::PointPage scene(0, false);
  ReserveVertexArray(16);
  CViewRenderer renderer;
  g_strProgramFolder = QCoreApplication::applicationDirPath() + QStringLiteral("/..");
  renderer.InitOpenGL();
  renderer.OnSize(bench::kWidth, bench::kHeight);
  CGScaleline* scale = AddAxes(*scene.page, reach, spacing);
  scale->DrawVisibleEdges();
  glFinish();
  for (auto _ : state) {
    scale->DrawVisibleEdges();
    glFinish();
  }
  renderer.Release();
}

BENCHMARK_CAPTURE(BM_ScaleDraw, to_1000_square_grid, 1000.0f, 0.0f)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ScaleDraw, to_1e9_spacing_0_1, 1e9f, 0.1f)->Unit(benchmark::kMillisecond);

void BM_ModifierWith1000Targets(benchmark::State& state) {
  ResetProcessState();
  bench::PointPage scene(0, false);
  CGPage& page = *scene.page;
  auto* value = new CGTmVariable;
  value->m_nId = page.m_nNextId++;
  page.m_cells.SetAt(value->m_nId, value);
  auto* modifier = new CGMdfColor;
  for (int i = 0; i < 1000; ++i) {
    auto* target = new CGCell;
    target->m_nId = page.m_nNextId++;
    page.m_cells.SetAt(target->m_nId, target);
    modifier->m_parents.push_back(target->m_nId);
  }
  modifier->m_parents.insert(modifier->m_parents.begin(), value->m_nId);
  modifier->m_nSubKind = kModifierHue;
  modifier->m_nId = page.m_nNextId++;
  page.m_cells.SetAt(modifier->m_nId, modifier);
  modifier->Recalculate();
  const long before = g_nAllocations;
  for (auto _ : state) {
    value->m_fValue += 0.01f;
    modifier->Recalculate();
  }
  state.counters["allocations"] = static_cast<double>(g_nAllocations - before);
}

BENCHMARK(BM_ModifierWith1000Targets)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return bench::RunBenchmarks(argc, argv); }
namespace {
void BM_ScaleLayoutOnly(benchmark::State& state) {
  CScaleInput in;
  in.xMin = in.yMin = -1e9f;
  in.xMax = in.yMax = 1e9f;
  in.autoSpacing = false;
  in.tickSpacing = in.labelSpacing = 0.1f;
  in.grid = 1;
  CScaleLayout out;
  for (auto _ : state) LayoutScale(in, out);
}
BENCHMARK(BM_ScaleLayoutOnly)->Unit(benchmark::kMillisecond);
}  // namespace
