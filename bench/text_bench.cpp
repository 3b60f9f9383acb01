// What labels cost a frame: 2,000 points drawn alone, then with their
// names as glyph-texture labels (label mode 0, the default) and as
// bitmap-list labels, headless into an 800 x 600 framebuffer, each frame
// ended with glFinish.  The goal: labelling adds at most twice the frame
// time of the points alone.  The "ratio" counter of a labelled run is its
// frame time over the frame time of the points alone.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <chrono>

#include "headlesscontext.h"
#include "math/mathglobals.h"
#include "math/quaternion.h"
#include "model/globals.h"
#include "platform/processstate.h"
#include "pointpage.h"
#include "render/glresources.h"
#include "view/viewrenderer.h"

namespace {

constexpr int kPoints = 2000;

// The renderer made for a fresh scene in the benchmark context.
struct Scene {
  bool fresh = (Prepare(), true);  // the process state is reset before the page is made
  bench::PointPage points;
  CViewRenderer renderer;

  Scene(bool labelled, int labelMode) : points(kPoints, labelled, labelMode) {
    // The pictures copied beside the executables by the build.
    g_strProgramFolder = QCoreApplication::applicationDirPath() + QStringLiteral("/..");
    renderer.InitOpenGL();
    renderer.OnSize(bench::kWidth, bench::kHeight);
    renderer.RenderScene();  // glyphs met for the first time are made here
    glFinish();
  }
  ~Scene() { renderer.Release(); }

  static void Prepare() {
    ResetProcessState();
    g_nAxesMode = 1;
    ViewQuaternion = kQuatIdentity;
    QuatMultiply(QuatRotationX(-20), QuatRotationZ(-10), ViewQuaternion);
  }
  void Frame() {
    renderer.RenderScene();
    glFinish();
  }
};

// Mean frame time of the points alone, measured once per process.
double PointsOnlyFrameSeconds() {
  static const double seconds = [] {
    Scene scene(false, 0);
    constexpr int frames = 50;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < frames; ++i) scene.Frame();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / frames;
  }();
  return seconds;
}

void RunFrames(benchmark::State& state, bool labelled, int labelMode) {
  if (!bench::Context().ok) {
    state.SkipWithError("no headless OpenGL (Mesa EGL surfaceless platform)");
    return;
  }
  const double baseline = labelled ? PointsOnlyFrameSeconds() : 0;
  Scene scene(labelled, labelMode);
  double total = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    scene.Frame();
    total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  if (labelled && state.iterations() > 0) state.counters["ratio"] = total / state.iterations() / baseline;
}

void BM_PointsAlone(benchmark::State& state) { RunFrames(state, false, 0); }
void BM_PointsWithTextureLabels(benchmark::State& state) { RunFrames(state, true, 0); }
void BM_PointsWithListLabels(benchmark::State& state) { RunFrames(state, true, 1); }

BENCHMARK(BM_PointsAlone)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PointsWithTextureLabels)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PointsWithListLabels)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return bench::RunBenchmarks(argc, argv); }
