// Ready-made bodies: one headless frame of 50 bodies of mixed kinds (5
// teapots and 5 C60 among them; at most 40 ms), the component dialog's
// rules for one kind change (at most 1 ms) and the 16 outline lists of a
// 16-character 3D text (at most 30 ms).
#include <benchmark/benchmark.h>

#include <GL/gl.h>
#include <GL/glu.h>

#include "cells/solids/bodies/cgsubassembly.h"
#include "cellscene.h"
#include "editing/dialogs/bodies/subadialog.h"
#include "headlesscontext.h"
#include "render/glresources.h"
#include "render/outlinetext.h"

namespace {

void BM_BodiesFrame(benchmark::State& state) {
  if (!bench::Context().ok) {
    state.SkipWithError("no headless GL");
    return;
  }
  bench::CellScene scene(16);
  if (!g_pQuadric) g_pQuadric = gluNewQuadric();
  std::vector<CGSubassembly*> bodies;
  for (int i = 0; i < 50; ++i) {
    // Kinds 1..14 round and round, with five teapots and five C60 sure.
    const int only = int(state.range(0));
    const int kind = only > 0 ? only : i < 5 ? 14 : i < 10 ? 6 : 1 + i % 14;
    bodies.push_back(scene.Enter(new CGSubassembly(scene.page->m_nNextId++, BYTE(kind), BYTE(i % 3 == 0), 0, 0, 0,
                                                   float(i % 10) * 8 - 40, float(i / 10) * 8 - 20, 0, 0, 1, 1, 0, 3,
                                                   3, 3, i % 4, 0, 0, 1, 0, 0, -1, 0, 0)));
  }
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(-50, 50, -40, 40, -100, 100);
  glMatrixMode(GL_MODELVIEW);
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_LIGHTING);
  glEnable(GL_LIGHT0);
  glEnable(GL_COLOR_MATERIAL);
  for (auto _ : state) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    for (CGSubassembly* body : bodies) body->DrawLit();
    for (CGSubassembly* body : bodies) body->DrawVisibleEdges();
    glFinish();
  }
}
// Argument 0: the mixed scene; 1 to 14: fifty bodies of that kind alone.
BENCHMARK(BM_BodiesFrame)->DenseRange(0, 14)->Unit(benchmark::kMillisecond);

void BM_KindChangeRules(benchmark::State& state) {
  CCreateSubaDlg dialog;
  int kind = 0;
  for (auto _ : state) {
    dialog.ChooseKind(kind);
    benchmark::DoNotOptimize(dialog.TextureEnabled() + dialog.FontEnabled() + dialog.Plane1Enabled());
    kind = (kind + 1) % 15;
  }
}
BENCHMARK(BM_KindChangeRules)->Unit(benchmark::kMicrosecond);

void BM_OutlineText16(benchmark::State& state) {
  if (!bench::Context().ok) {
    state.SkipWithError("no headless GL");
    return;
  }
  const QString text = QString::fromUtf8("Kavrel 立体几何 ABCDE");
  GLuint base = 0;
  for (auto _ : state) benchmark::DoNotOptimize(BuildOutlineText(text, base, QString::fromUtf8("楷体"), kOutlinePolygons));
}
BENCHMARK(BM_OutlineText16)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return bench::RunBenchmarks(argc, argv); }
