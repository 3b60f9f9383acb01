// What captions and text bitmaps cost, headless into an 800 x 600
// framebuffer.  Goals: UpdateValueText on 1,000 captions, as a drag calls it
// on every move, within 2 ms with the context current (the characters' lists
// come from the caches); a frame of 400 text bitmaps of 256 x 64 within 4.4
// times a frame of 100 (the "ratio" counter of the 400 run).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

#include "cells/texts/cgtextbit.h"
#include "cells/texts/cgtextmap.h"
#include "headlesscontext.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "platform/processstate.h"
#include "render/glresources.h"
#include "view/viewrenderer.h"

namespace {

struct TextPage {
  std::unique_ptr<CGPage> page = (ResetProcessState(), std::make_unique<CGPage>());
  CViewRenderer renderer;

  TextPage() {
    SetCurrentPage(page.get());
    g_nAxesMode = 0;
    g_strProgramFolder = QCoreApplication::applicationDirPath() + QStringLiteral("/..");
    renderer.InitOpenGL();
    renderer.OnSize(bench::kWidth, bench::kHeight);
  }
  ~TextPage() {
    renderer.Release();
    SetCurrentPage(nullptr);
  }
  template <class T>
  T* Enter(T* cell, int i) {
    cell->m_nId = page->m_nNextId++;
    cell->m_vLabelAnchor[0] = -19 + static_cast<float>(i % 20) * 1.9f;
    cell->m_vLabelAnchor[1] = -14 + static_cast<float>(i / 20 % 20) * 1.4f;
    page->m_cells.SetAt(cell->m_nId, cell);
    return cell;
  }
  double Frame() {
    const auto start = std::chrono::steady_clock::now();
    renderer.RenderScene();
    glFinish();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
};

void BM_UpdateValueText1000(benchmark::State& state) {
  if (!bench::Context().ok) return state.SkipWithError("no headless OpenGL (Mesa EGL surfaceless platform)");
  TextPage scene;
  std::vector<CGTmVariable*> values;
  for (int i = 0; i < 1000; ++i) {
    auto* value = scene.Enter(new CGTmVariable, i);
    value->m_strName = QStringLiteral("AB%1").arg(i);
    value->m_nStyle = static_cast<BYTE>(i % 2);
    value->m_strVodName = QStringLiteral("<#><l><e>AB</e></l></#>");
    values.push_back(value);
  }
  scene.Frame();  // the lists of every character are made here
  float v = 0;
  for (auto _ : state) {
    v += 0.37f;
    for (CGTmVariable* value : values) {
      value->m_fValue = v;
      value->UpdateValueText();
    }
  }
}

// The fastest of 20 frames of `count` text bitmaps: the machine's other
// work only ever adds time.
double BitmapFrameSeconds(int count) {
  TextPage scene;
  for (int i = 0; i < count; ++i)
    scene.Enter(new CGTextbit(0, 256, 64, std::vector<BYTE>(32 * 64, static_cast<BYTE>(0x5A + i))), i)->m_bLabelHidden =
        i % 2;
  double best = scene.Frame();
  for (int i = 0; i < 20; ++i) best = std::min(best, scene.Frame());
  return best;
}

void BM_TextBitmapFrame400Over100(benchmark::State& state) {
  if (!bench::Context().ok) return state.SkipWithError("no headless OpenGL (Mesa EGL surfaceless platform)");
  double hundred = 0, four = 0;
  for (auto _ : state) {
    hundred = BitmapFrameSeconds(100);
    four = BitmapFrameSeconds(400);
    state.SetIterationTime(four);
  }
  state.counters["ms100"] = hundred * 1e3;
  state.counters["ms400"] = four * 1e3;
  state.counters["ratio"] = four / hundred;
}

BENCHMARK(BM_UpdateValueText1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TextBitmapFrame400Over100)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return bench::RunBenchmarks(argc, argv); }
