#include "math/toolplacement.h"

#include <cmath>

#include "platform/crtrandom.h"

namespace {
constexpr float kLevelTolerance = 0.0001f;

// r scaled to [0, 1].
float Unit(int r) { return static_cast<float>(r) / static_cast<float>(KV_RAND_MAX); }
}  // namespace

void ScatterOffset(const int r[4], float d[3]) {
  const float side = 2 * Unit(r[1]) - 1 > 0 ? 1.0f : -1.0f;
  d[0] = 2 + 3 * Unit(r[0]);
  d[1] = side * (2 + 3 * Unit(r[2]));
  d[2] = 6 * Unit(r[3]) - 3;
}

bool IsLevel(const float a[3], const float b[3], const float c[3]) {
  return std::fabs(b[2] - a[2]) <= kLevelTolerance && std::fabs(c[2] - a[2]) <= kLevelTolerance;
}
