// Calls per second of the geometry kernel functions that run for every
// dependent cell on every drag step and locus sample.
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <random>
#include <vector>

#include "math/geometry.h"

namespace {

using P3 = std::array<float, 3>;

// A pool of random points, cycled so every call sees fresh input.
const std::vector<P3>& Points() {
  static const std::vector<P3> points = [] {
    std::mt19937 gen(42);
    std::uniform_real_distribution<float> coord(-10.0f, 10.0f);
    std::vector<P3> p(4096);
    for (auto& q : p) q = {coord(gen), coord(gen), coord(gen)};
    return p;
  }();
  return points;
}

constexpr size_t kMask = 4095;

void BM_IntersectLineLine(benchmark::State& state) {
  const auto& p = Points();
  size_t i = 0;
  for (auto _ : state) {
    // Two lines through a common point, so the full path runs.
    const P3& A = p[i & kMask];
    const P3& B = p[(i + 1) & kMask];
    const P3& C = p[(i + 2) & kMask];
    const P3 D{A[0] + B[0] - C[0], A[1] + B[1] - C[1], A[2] + B[2] - C[2]};
    float X[3], t, s;
    benchmark::DoNotOptimize(IntersectLineLine(A.data(), B.data(), C.data(), D.data(), X, t, s));
    benchmark::DoNotOptimize(X);
    ++i;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_IntersectLineLine);

void BM_FootOnPlane(benchmark::State& state) {
  const auto& p = Points();
  size_t i = 0;
  for (auto _ : state) {
    float F[3];
    benchmark::DoNotOptimize(FootOnPlane(p[i & kMask].data(), p[(i + 1) & kMask].data(),
                                         p[(i + 2) & kMask].data(), p[(i + 3) & kMask].data(), F));
    benchmark::DoNotOptimize(F);
    ++i;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FootOnPlane);

void BM_RotateAboutAxis(benchmark::State& state) {
  const auto& p = Points();
  std::vector<P3> axes(p.size());
  for (size_t k = 0; k < p.size(); ++k) {
    const float len = std::sqrt(p[k][0] * p[k][0] + p[k][1] * p[k][1] + p[k][2] * p[k][2]);
    axes[k] = {p[k][0] / len, p[k][1] / len, p[k][2] / len};
  }
  size_t i = 0;
  for (auto _ : state) {
    float R[3];
    RotateAboutAxis(axes[i & kMask].data(), p[(i + 1) & kMask].data(), p[(i + 2) & kMask].data(), R,
                    p[(i + 3) & kMask][0]);
    benchmark::DoNotOptimize(R);
    ++i;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RotateAboutAxis);

}  // namespace

BENCHMARK_MAIN();
