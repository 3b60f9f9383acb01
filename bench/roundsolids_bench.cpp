// Frame time of pages of round solids drawn headless into an 800 x 600
// framebuffer, half in outline style, half lit, each frame ended with
// glFinish.  BM_MixedSolids takes n of each of the four classes, so a frame
// of 4 x 100 should cost about four times 4 x 25; BM_OneClass compares 100
// frustums, which tessellate their side on every draw, with 100 cylinders,
// which call a display list.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <memory>

#include "cells/cellclasses.h"
#include "cells/revolution/roundsolids.h"
#include "headlesscontext.h"
#include "math/mathglobals.h"
#include "math/quaternion.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "platform/processstate.h"
#include "render/glresources.h"
#include "view/viewrenderer.h"

namespace {

using bench::Context;

// Solid i of a class on a grid filling the view, tilted, styles 0 and 2 in turn.
CGRoundSolid* MakeSolid(int kind, WORD id, int i, int side) {
  const float x = -16 + 32.0f * (i % side) / side, y = -12 + 24.0f * (i / side) / side;
  CGRoundSolid* solid = nullptr;
  switch (kind) {
    case 0: solid = new CGSphere(id, x, y, 0, 0.6f, 0.3f, 0, 0.5f); break;
    case 1: solid = new CGCylinder(id, x, y, 0, 0.6f, 1.2f, 0.3f, 0.2f, 1); break;
    case 2: solid = new CGCone(id, x, y, 0, 0.6f, 1.2f, 0.3f, 0.2f, 1); break;
    default: solid = new CGFrustum(id, x, y, 0, 0.6f, 1.2f, 0.3f, 0.2f, 1, 0.5f); break;
  }
  solid->m_nStyle = i % 2 == 0 ? kSolidOutline : kSolidLit;
  return solid;
}

void DrawFrames(benchmark::State& state, const std::vector<int>& kinds, int perKind) {
  if (!Context().ok) {
    state.SkipWithError("no headless OpenGL (Mesa EGL surfaceless platform)");
    return;
  }
  ResetProcessState();
  RegisterCellClasses();
  g_nAxesMode = 1;
  ViewQuaternion = kQuatIdentity;
  QuatMultiply(QuatRotationX(-20), QuatRotationZ(-10), ViewQuaternion);
  auto page = std::make_unique<CGPage>();
  SetCurrentPage(page.get());
  int side = 1;
  while (side * side < perKind * static_cast<int>(kinds.size())) ++side;
  int slot = 0;
  for (int kind : kinds)
    for (int i = 0; i < perKind; ++i, ++slot) {
      CGRoundSolid* solid = MakeSolid(kind, page->m_nNextId++, slot, side);
      page->m_cells.SetAt(solid->m_nId, solid);
    }
  CViewRenderer renderer;
  g_strProgramFolder = QCoreApplication::applicationDirPath() + QStringLiteral("/..");
  renderer.InitOpenGL();
  renderer.OnSize(bench::kWidth, bench::kHeight);
  renderer.RenderScene();
  glFinish();
  for (auto _ : state) {
    renderer.RenderScene();
    glFinish();
  }
  state.counters["solids"] = static_cast<double>(perKind * kinds.size());
  renderer.Release();
  SetCurrentPage(nullptr);
}

void BM_MixedSolids(benchmark::State& state) { DrawFrames(state, {0, 1, 2, 3}, static_cast<int>(state.range(0))); }
BENCHMARK(BM_MixedSolids)->Arg(25)->Arg(100)->Unit(benchmark::kMillisecond);

// kind 1 cylinders, 3 frustums.
void BM_OneClass(benchmark::State& state) {
  DrawFrames(state, {static_cast<int>(state.range(0))}, 100);
}
BENCHMARK(BM_OneClass)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return bench::RunBenchmarks(argc, argv); }
