// Mouse tools over a page of 10,000 points and 5,000 segments, headless at
// 800 x 600 in the top view, without drawing a frame:
//   - a hover move of the point tool (pick and grid placement): at most 2 ms;
//   - a box select over the middle of the view: at most 20 ms;
//   - one drag move of a free point with 1,000 dependants: at most 2 ms.
// The context is bench/headlesscontext.h's.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <cmath>

#include "cells/cellclasses.h"
#include "cells/constrained/follower.h"
#include "cells/primitives/cgline.h"
#include "cells/primitives/cgverfree.h"
#include "headlesscontext.h"
#include "math/mathglobals.h"
#include "model/document/kavreldoc.h"
#include "platform/processstate.h"
#include "pointpage.h"
#include "render/glresources.h"
#include "view/tools/gltoolsurface.h"
#include "view/tools/mousetools.h"
#include "view/toolstate.h"
#include "view/viewrenderer.h"

namespace {

ToolInput At(int x, int y, bool left) {
  ToolInput in;
  in.x = x;
  in.y = y;
  in.left = left;
  return in;
}

// The benchmark scene with its segments, a renderer that saved its matrices,
// and the tools on the GL surface.
struct ToolScene {
  bench::PointPage points{10000, false};
  CViewRenderer renderer;
  CKavrelDoc doc;
  CGlToolSurface surface;
  CMouseTools tools{surface};

  ToolScene() {
    CGPage& page = *points.page;
    for (WORD a = 1; a + 1 <= 10000; a += 2) {
      auto* segment = new CGLine(page.m_nNextId++, a, static_cast<WORD>(a + 1), kLineSegment);
      page.m_cells.SetAt(segment->m_nId, segment);
    }
    g_strProgramFolder = QCoreApplication::applicationDirPath() + QStringLiteral("/..");
    renderer.InitOpenGL();
    renderer.OnSize(bench::kWidth, bench::kHeight);
    renderer.RenderScene();
    glFinish();
    tools.SetDocument(&doc);
  }
  ~ToolScene() { renderer.Release(); }
};

bool Start(benchmark::State& state) {
  if (!bench::Context().ok) {
    state.SkipWithError("no headless OpenGL (Mesa EGL surfaceless platform)");
    return false;
  }
  ResetProcessState();
  RegisterCellClasses();  // the select tool tells point kinds by their names
  ViewQuaternion = kQuatIdentity;
  g_nAxesMode = 1;
  return true;
}

void BM_HoverMove(benchmark::State& state) {
  if (!Start(state)) return;
  ToolScene scene;
  g_nToolMode = 2;
  int x = 300;
  for (auto _ : state) {
    x = x == 300 ? 301 : 300;
    scene.tools.OnMouseMove(At(x, 290, false));
  }
  if (g_viewTool.hoveredId == 0) state.SkipWithError("the hover found nothing under the pointer");
}
BENCHMARK(BM_HoverMove)->Unit(benchmark::kMillisecond);

void BM_BoxSelect(benchmark::State& state) {
  if (!Start(state)) return;
  ToolScene scene;
  std::size_t selected = 0;
  for (auto _ : state) {
    state.PauseTiming();
    scene.points.page->ClearSelection();
    g_nToolMode = 7;
    scene.tools.OnLButtonDown(At(300, 200, true));
    scene.tools.OnMouseMove(At(500, 400, true));
    state.ResumeTiming();
    scene.tools.OnLButtonUp(At(500, 400, false));
    selected = scene.points.page->m_selAll.size();
  }
  state.counters["selected"] = static_cast<double>(selected);
  if (selected == 0) state.SkipWithError("the box selected nothing");
}
BENCHMARK(BM_BoxSelect)->Unit(benchmark::kMillisecond);

void BM_DragWithDependants(benchmark::State& state) {
  if (!Start(state)) return;
  ToolScene scene;
  CGPage& page = *scene.points.page;
  ReserveVertexArray(1001);
  auto* leader = new CGVerFreeXyz(page.m_nNextId++, page.m_nNextVertex++, QString(), 19, 14, 0);
  page.m_cells.SetAt(leader->m_nId, leader);
  for (int i = 0; i < 1000; ++i) {
    auto* follower =
        new CGVerFreeHenchman(page.m_nNextId++, page.m_nNextVertex++, QString(), 19 + i * 0.001f, 40, 0, leader->m_nId);
    page.m_cells.SetAt(follower->m_nId, follower);
  }
  g_nToolMode = 1;
  // The leader lies beside the grid of points, at (19, 14).
  const int x = bench::kWidth / 2 + 380, y = bench::kHeight / 2 - 280;
  scene.tools.OnLButtonDown(At(x, y, true));
  if (g_nDragId != leader->m_nId) {
    state.SkipWithError("the press did not grab the point");
    return;
  }
  int dx = 0;
  for (auto _ : state) {
    dx = dx == 40 ? 0 : dx + 20;
    scene.tools.OnMouseMove(At(x + dx, y, true));
  }
  scene.tools.OnLButtonUp(At(x + dx, y, false));
  const auto* last = static_cast<const CGVertex*>(page.m_cells.Lookup(static_cast<WORD>(page.m_nNextId - 1)));
  if (std::fabs(last->m_vPos[0] - leader->m_vPos[0] - 0.999f) > 1e-4f || leader->m_vPos[0] == 19.0f)
    state.SkipWithError("the dependants did not follow the drag");
}
BENCHMARK(BM_DragWithDependants)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return bench::RunBenchmarks(argc, argv); }
