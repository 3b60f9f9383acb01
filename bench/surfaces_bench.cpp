// Parametric surfaces.  Goals:
// - a 100 x 100 surface whose x expression reads a parameter, recomputed
//   per drag move, within 1.3 x the time of evaluating its three trees
//   (nu + 1)(nv + 1) times directly (BM_SurfaceTreesDirectly), and no
//   allocation after the first recalculation while the counts stay;
// - the capped 1,000 x 1,000 grid of the "窝夫" example recalculated within
//   0.5 s;
// - drawing the compiled list of a 100 x 100 lit surface within 1.2 x
//   drawing the same strips compiled here (BM_DrawBenchmarkStrips).
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "cells/cellclasses.h"
#include "cells/dynamic/parameters/userparameter.h"
#include "cells/dynamic/surfaces/surface.h"
#include "headlesscontext.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "platform/processstate.h"
#include "countingallocator.h"

namespace {

struct SurfaceScene {
  std::unique_ptr<CGPage> page = (ResetProcessState(), std::make_unique<CGPage>());
  CGTmVarParameter* a = nullptr;
  CGSurface* surface = nullptr;
  std::vector<WORD> dependants;
  int direction = 1;

  // u and v from 0 to 98 at step 1: 100 columns and 100 rows.
  explicit SurfaceScene(const char* x = "u/50-1+No1*0.01", const char* z = "0.1*sin(u/10)*cos(v/10)",
                        const char* from = "0", const char* to = "98", double step = 1) {
    RegisterCellClasses();
    SetCurrentPage(page.get());
    a = new CGTmVarParameter(page->m_nNextId, QStringLiteral("a"), 1);
    page->m_cells.SetAt(page->m_nNextId++, a);
    surface = new CGSurface(page->m_nNextId, {a->m_nId}, x, "v/50-1", z, from, to, from, to, kSurfaceLit, 0, 0, 0,
                            0, step, step, 1, 0, 0, 0, 1, 0);
    page->m_cells.SetAt(page->m_nNextId++, surface);
    a->MarkDescendants();
    page->CollectDirtyIds(dependants);
  }
  ~SurfaceScene() {
    SetCurrentPage(nullptr);
    page.reset();
    ResetProcessState();
  }
  void Move() {
    a->m_fValue += 0.01f * static_cast<float>(direction);
    direction = -direction;
    page->RecalculateCells(dependants);
  }
};

void BM_SurfaceDragMove(benchmark::State& state) {
  SurfaceScene scene;
  if (scene.surface->ColumnCount != 100 || scene.surface->RowCount != 100) return state.SkipWithError("not 100 x 100");
  scene.Move();
  const long before = g_nAllocations;
  for (int i = 0; i < 10; ++i) scene.Move();
  state.counters["allocations_in_10_moves"] = static_cast<double>(g_nAllocations - before);
  for (auto _ : state) scene.Move();
}

void BM_SurfaceTreesDirectly(benchmark::State& state) {
  SurfaceScene scene;
  CFunParser* const trees[] = {&scene.surface->XParser, &scene.surface->YParser, &scene.surface->ZParser};
  for (auto _ : state) {
    double sum = 0;
    for (int i = 0; i <= 100; ++i)
      for (int j = 0; j <= 100; ++j)
        for (CFunParser* tree : trees) {
          tree->Values()[0] = j;
          tree->Values()[1] = i;
          double v;
          tree->Evaluate(v);
          sum += v;
        }
    benchmark::DoNotOptimize(sum);
  }
}

void BM_WaffleCappedGrid(benchmark::State& state) {
  SurfaceScene scene("u", "sin(u)*sin(v)", "-10", "10", 0.0001);
  if (scene.surface->ColumnCount != kMaxSurfaceSamples || scene.surface->RowCount != kMaxSurfaceSamples)
    return state.SkipWithError("not capped at 1,000 x 1,000");
  for (auto _ : state) scene.surface->Recalculate();
}

bool LitContext(benchmark::State& state) {
  if (!bench::Context().ok) {
    state.SkipWithError("no headless OpenGL (Mesa EGL surfaceless platform)");
    return false;
  }
  glEnable(GL_LIGHTING);
  glEnable(GL_LIGHT0);
  glEnable(GL_DEPTH_TEST);
  return true;
}

void BM_DrawSurfaceList(benchmark::State& state) {
  if (!LitContext(state)) return;
  SurfaceScene scene;
  g_bOwnColors = TRUE;
  scene.surface->DrawLit();  // compiles the list
  glFinish();
  for (auto _ : state) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    scene.surface->DrawLit();
    glFinish();
  }
}

void BM_DrawBenchmarkStrips(benchmark::State& state) {
  if (!LitContext(state)) return;
  SurfaceScene scene;
  const ParametricGrid& g = scene.surface->Grid();
  const GLuint list = glGenLists(1);
  glNewList(list, GL_COMPILE);
  for (int i = 1; i < g.Rows(); ++i) {
    glBegin(GL_QUAD_STRIP);
    for (int j = 0; j < g.Columns(); ++j) {
      glNormal3dv(g.Normal(i, j));
      glVertex3dv(g.Point(i, j));
      glNormal3dv(g.Normal(i - 1, j));
      glVertex3dv(g.Point(i - 1, j));
    }
    glEnd();
  }
  glEndList();
  glFinish();
  for (auto _ : state) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glColor4ub(0, 128, 0, 255);
    glCallList(list);
    glFinish();
  }
  glDeleteLists(list, 1);
}

BENCHMARK(BM_SurfaceDragMove)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SurfaceTreesDirectly)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WaffleCappedGrid)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawSurfaceList)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawBenchmarkStrips)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return bench::RunBenchmarks(argc, argv); }
