// Frame time of the render passes for pages of 1,000 and 10,000 plain points
// (style 0, labels hidden) with the space axes, drawn headless into an
// 800 x 600 framebuffer; each frame ends with glFinish so the GPU work is
// timed too.  The per-point time shows whether the frame scales linearly.
//
// The context is bench/headlesscontext.h's.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <memory>

#include "headlesscontext.h"
#include "math/mathglobals.h"
#include "math/quaternion.h"
#include "model/globals.h"
#include "platform/processstate.h"
#include "pointpage.h"
#include "render/glresources.h"
#include "view/viewrenderer.h"

namespace {

using bench::Context;
using bench::kHeight;
using bench::kWidth;

void BM_FrameOfPoints(benchmark::State& state) {
  if (!Context().ok) {
    state.SkipWithError("no headless OpenGL (Mesa EGL surfaceless platform)");
    return;
  }
  ResetProcessState();
  g_nAxesMode = 1;
  ViewQuaternion = kQuatIdentity;
  QuatMultiply(QuatRotationX(-20), QuatRotationZ(-10), ViewQuaternion);
  const int n = static_cast<int>(state.range(0));
  bench::PointPage scene(n, false);
  CViewRenderer renderer;
  // The pictures copied beside the executables by the build.
  g_strProgramFolder = QCoreApplication::applicationDirPath() + QStringLiteral("/..");
  renderer.InitOpenGL();
  renderer.OnSize(kWidth, kHeight);
  renderer.RenderScene();
  glFinish();
  for (auto _ : state) {
    renderer.RenderScene();
    glFinish();
  }
  state.SetComplexityN(n);
  state.counters["time_per_point"] = benchmark::Counter(
      static_cast<double>(n), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  renderer.Release();
}

BENCHMARK(BM_FrameOfPoints)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

}  // namespace

int main(int argc, char** argv) { return bench::RunBenchmarks(argc, argv); }
