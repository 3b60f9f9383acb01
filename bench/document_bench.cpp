// Saving and opening documents: 10 pages of 1,000 cells and 1 page of
// 10,000 cells, each page two fifths points, two fifths segments between
// them and one fifth triangles.  Saving writes the file (through the
// temporary file that replaces it); opening reads it, recomputes every page
// and makes the first current.  Targets for the 10,000-cell page: open
// within 300 ms, save within 200 ms.  OpenHostileLinks opens a 4 MB file of
// repeated parent and child links (support/hostiledocument.h): within a
// second, and in time proportional to its size.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>

#include "app/classregistration.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgline.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/document/kavreldoc.h"
#include "model/vertexarray.h"
#include "platform/notifier.h"
#include "platform/processstate.h"
#include "support/hostiledocument.h"

namespace {

void FillPage(CGPage& page, int cells) {
  SetCurrentPage(&page);
  ReserveVertexArray(cells);
  std::vector<WORD> points;
  while (page.m_nNextId <= cells) {
    const int n = page.m_nNextId;
    const WORD id = page.m_nNextId++;
    const size_t k = points.size();
    if (k < 3 || n % 5 < 2) {
      const float t = static_cast<float>(n);
      auto* point = new CGVertex(id, page.m_nNextVertex++, page.GetNewName(1), t * 0.01f, (n % 7) * 1.0f, (n % 11) * 0.5f);
      page.m_cells.SetAt(id, point);
      points.push_back(id);
    } else if (n % 5 < 4) {
      page.m_cells.SetAt(id, new CGLine(id, points[k - 1], points[k - 2], kLineSegment));
    } else {
      page.m_cells.SetAt(id, new CGFace(id, points[k - 1], points[k - 2], points[k - 3], 0x00336699));
    }
  }
}

struct Fixture {
  QTemporaryDir folder;
  QString path;
  CKavrelDoc doc;

  Fixture(int pages, int cellsPerPage) {
    ResetProcessState();
    SetNotifier(nullptr);
    doc.OnNewDocument();
    for (int p = 1; p < pages; ++p) {
      auto page = std::make_unique<CGPage>();
      page->m_nId = static_cast<WORD>(p + 1);
      doc.m_pages.push_back(std::move(page));
    }
    for (const auto& page : doc.m_pages) FillPage(*page, cellsPerPage);
    SetCurrentPage(doc.m_pages.front().get());
    doc.m_pages.front()->RebuildVertexArray();
    path = QDir(folder.path()).filePath(QStringLiteral("bench.kv"));
    doc.OnSaveDocument(path);
  }
};

void Save(benchmark::State& state) {
  Fixture fixture(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  for (auto _ : state) benchmark::DoNotOptimize(fixture.doc.OnSaveDocument(fixture.path));
  state.counters["bytes"] = static_cast<double>(QFileInfo(fixture.path).size());
}

void Open(benchmark::State& state) {
  Fixture fixture(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  CKavrelDoc opened;
  for (auto _ : state) {
    if (!opened.OnOpenDocument(fixture.path, true)) state.SkipWithError("the document did not open");
  }
  int cells = 0;
  for (const auto& page : opened.m_pages) cells += page->m_cells.GetCount();
  state.counters["cells"] = cells;
}

// Cells x repeats: 1,000 x 1,000 is the 4 MB file.
void OpenHostileLinks(benchmark::State& state) {
  ResetProcessState();
  SetNotifier(nullptr);
  QTemporaryDir folder;
  const QString path = QDir(folder.path()).filePath(QStringLiteral("hostile.kv"));
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(HostileLinksDocument(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)))) < 0)
    state.SkipWithError("the document could not be written");
  file.close();
  CKavrelDoc opened;
  for (auto _ : state) {
    if (!opened.OnOpenDocument(path, true)) state.SkipWithError("the document did not open");
  }
  state.counters["bytes"] = static_cast<double>(QFileInfo(path).size());
}

BENCHMARK(OpenHostileLinks)->Args({250, 1000})->Args({500, 1000})->Args({1000, 1000})->Unit(benchmark::kMillisecond);
BENCHMARK(Save)->Args({10, 1000})->Args({1, 10000})->Unit(benchmark::kMillisecond);
BENCHMARK(Open)->Args({10, 1000})->Args({1, 10000})->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication app(argc, argv);
  RegisterAllClasses();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
