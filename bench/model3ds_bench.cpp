// The 3DS model: a file of 10^5 triangles (four objects of 25,000 faces and
// 12,726 vertices each) read with its normals (at most 60 ms); its display
// list compiled headless (at most 100 ms on llvmpipe); a 20 MB unknown
// chunk skipped (at most 2 ms); a vertex list claiming 65,535 vertices in
// a 20-byte chunk refused (the "allocations" counter: what the refusal
// allocates, its message included, never the 786 kB of vertices).
#include <benchmark/benchmark.h>

#include <GL/gl.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "cells/solids/model3ds/cgmodel3ds.h"
#include "countingallocator.h"
#include "headlesscontext.h"
#include "platform/notifier.h"
#include "render/glrelease.h"
#include "support/writer3ds.h"

namespace {

class Silent : public INotifier {
 public:
  int Show(const QString&, const QString&, unsigned type) override { return DefaultAnswer(type); }
};

struct Files {
  Files() {
    SetNotifier(std::make_unique<Silent>());
    std::vector<Mesh3dsSpec> meshes;
    for (const char* name : {"a", "b", "c", "d"}) {
      meshes.push_back(Grid3ds(name, 125, 100, 0.1f));
      meshes.back().materialList = false;
    }
    large = Write(QStringLiteral("large.3ds"), Write3ds({}, meshes));
    C3dsWriter unknown;
    unknown.Open(0x4D4D).Open(0x1234).Raw(QByteArray(20 << 20, '\0')).Close();
    unknown.Open(0x4000).Text("o").Open(0x4110).Word(0).Close();
    skipped = Write(QStringLiteral("unknown.3ds"), unknown.Bytes());
    C3dsWriter huge;
    huge.Open(0x4D4D).Open(0x4000).Text("o").Open(0x4110).Word(65535).Raw(QByteArray(12, '\0'));
    refused = Write(QStringLiteral("huge.3ds"), huge.Bytes());
  }
  QString Write(const QString& name, const QByteArray& bytes) const {
    QFile file(QDir(folder.path()).filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return file.fileName();
  }
  QTemporaryDir folder;
  QString large, skipped, refused;
};

Files& TheFiles() {
  static Files files;
  return files;
}

void Load(benchmark::State& state, const QString& path, bool expected) {
  for (auto _ : state) {
    Scene3ds scene;
    if (C3dsReader().Load(scene, path) != expected) state.SkipWithError("unexpected result");
    benchmark::DoNotOptimize(scene.objects.data());
  }
}

void BM_Read100kTriangles(benchmark::State& state) {
  Load(state, TheFiles().large, true);
  Scene3ds scene;
  C3dsReader().Load(scene, TheFiles().large);
  state.counters["faces"] = scene.FaceTotal();
  state.counters["vertices"] = scene.VertexTotal();
}
BENCHMARK(BM_Read100kTriangles)->Unit(benchmark::kMillisecond);

void BM_Skip20MbChunk(benchmark::State& state) { Load(state, TheFiles().skipped, true); }
BENCHMARK(BM_Skip20MbChunk)->Unit(benchmark::kMillisecond);

void BM_RefuseHugeVertexList(benchmark::State& state) {
  long allocations = 0;
  for (auto _ : state) {
    Scene3ds scene;
    const long before = g_nAllocations;
    if (C3dsReader().Load(scene, TheFiles().refused)) state.SkipWithError("loaded");
    allocations = g_nAllocations - before;
  }
  state.counters["allocations"] = double(allocations);
}
BENCHMARK(BM_RefuseHugeVertexList)->Unit(benchmark::kMicrosecond);

void BM_CompileList100kTriangles(benchmark::State& state) {
  if (!bench::Context().ok) return state.SkipWithError("no headless GL");
  BeginGlGeneration();
  CGModel3ds model(1, TheFiles().large, CGModel3ds::kLit);
  for (auto _ : state) {
    model.DisplayList.Release();
    DrainGlReleases();
    model.DrawLit();
    glFinish();
  }
}
BENCHMARK(BM_CompileList100kTriangles)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return bench::RunBenchmarks(argc, argv); }
