// The hull insertion against qhull (qh_new_qhull, no output) on 10^5 random
// points in a cube and on a sphere (the engine should stay within 2 times
// qhull's time), the engine on 1,000 points (at most 2 ms), a plane cut of
// a 480-point sphere hull (at most 0.2 ms), and a section recomputed per
// drag move on the same hull (at most 20 us, and no allocation after the
// first move: the "allocs" counter).
#include <benchmark/benchmark.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <new>
#include <numeric>
#include <random>
#include <vector>

#include "cells/solids/cgpolyhedron.h"
#include "cells/solids/convexhull.h"
#include "cells/solids/hullinsertion.h"
#include "cells/solids/planecut.h"

#ifdef KAVREL_HAVE_QHULL
extern "C" {
#include <libqhull_r/qhull_ra.h>
}
#endif

namespace {
std::atomic<long> g_allocations{0};
}  // namespace

void* operator new(std::size_t size) {
  ++g_allocations;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

std::vector<double> RandomPoints(int n, bool sphere, unsigned seed) {
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> cube(-1, 1);
  std::normal_distribution<double> normal;
  std::vector<double> p;
  p.reserve(3 * static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) {
    double v[3];
    for (double& x : v) x = sphere ? normal(random) : cube(random);
    const double r = sphere ? std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]) / 10 : 0.1;
    for (double x : v) p.push_back(x / r);
  }
  return p;
}

void BM_Engine(benchmark::State& state, bool sphere) {
  const int n = static_cast<int>(state.range(0));
  const std::vector<double> p = RandomPoints(n, sphere, 5);
  std::vector<int> order(static_cast<size_t>(n));
  std::iota(order.begin(), order.end(), 0);
  HullInsertionResult result;
  for (auto _ : state) {
    InsertHullPoints(p.data(), n, order, result);
    benchmark::DoNotOptimize(result.Faces.data());
  }
  // Only a true hull counts (checked outside the timed loop).
  if (!IsClosedConvexSurface(p.data(), result, HullTolerance(p.data(), n))) state.SkipWithError("not a convex hull");
  state.counters["faces"] = static_cast<double>(result.Faces.size());
}
BENCHMARK_CAPTURE(BM_Engine, Cube, false)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Engine, Sphere, true)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

#ifdef KAVREL_HAVE_QHULL
void BM_Qhull(benchmark::State& state, bool sphere) {
  const int n = static_cast<int>(state.range(0));
  std::vector<double> p = RandomPoints(n, sphere, 5);
  int facets = 0;
  for (auto _ : state) {
    qhT qh_qh;
    qhT* qh = &qh_qh;
    qh_zero(qh, stderr);
    char options[] = "qhull";
    const int exit = qh_new_qhull(qh, 3, n, p.data(), False, options, nullptr, stderr);
    if (exit == 0) facets = qh->num_facets;
    qh_freeqhull(qh, !qh_ALL);
    int curlong, totlong;
    qh_memfreeshort(qh, &curlong, &totlong);
  }
  state.counters["facets"] = facets;
}
BENCHMARK_CAPTURE(BM_Qhull, Cube, false)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Qhull, Sphere, true)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
#endif

// The 480-point hull of a Fibonacci sphere of radius 10.
CGPolyhedron& SphereHull() {
  static CGPolyhedron hull;
  if (hull.Points.empty()) {
    std::vector<double> p;
    for (int i = 0; i < 480; ++i) {
      const double z = 1 - (2 * i + 1) / 480.0, r = std::sqrt(1 - z * z), a = i * 2.399963229728653;
      p.insert(p.end(), {10 * r * std::cos(a), 10 * r * std::sin(a), 10 * z});
    }
    BuildConvexHull(p.data(), 480, hull);
  }
  return hull;
}

void BM_CutSphereHull(benchmark::State& state) {
  const CGPolyhedron& hull = SphereHull();
  CGPolyhedron positive, negative;
  int result = 0;
  for (auto _ : state) result = CutPolyhedronByPlane(PolyhedronFace(1, 2, 3, 0.5), hull, positive, negative, 2);
  state.counters["result"] = result;
}
BENCHMARK(BM_CutSphereHull)->Unit(benchmark::kMicrosecond);

void BM_SectionPerDragMove(benchmark::State& state) {
  const CGPolyhedron& hull = SphereHull();
  std::vector<kvmath::WideVec> polygon;
  SectionOfPolyhedron(PolyhedronFace(0, 0, 1, 0), hull, polygon);  // the first move
  const long before = g_allocations;
  double h = 0;
  for (auto _ : state) {
    h = h > 8 ? -8 : h + 0.01;
    polygon.clear();
    SectionOfPolyhedron(PolyhedronFace(0.1, 0.2, 1, h), hull, polygon);
    benchmark::DoNotOptimize(polygon.data());
  }
  state.counters["allocs"] = static_cast<double>(g_allocations - before);
  state.counters["corners"] = static_cast<double>(polygon.size());
}
BENCHMARK(BM_SectionPerDragMove)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
