#include "math/runboxes.h"

#include <algorithm>

void Box2::Take(double x, double y) {
  lo[0] = std::min(lo[0], x);
  hi[0] = std::max(hi[0], x);
  lo[1] = std::min(lo[1], y);
  hi[1] = std::max(hi[1], y);
}

void Box2::Take(const Box2& b) {
  for (int a = 0; a < 2; ++a) {
    lo[a] = std::min(lo[a], b.lo[a]);
    hi[a] = std::max(hi[a], b.hi[a]);
  }
}

void Box2::Grow(double margin) {
  for (int a = 0; a < 2; ++a) {
    lo[a] -= margin;
    hi[a] += margin;
  }
}

void RunBoxes::JoinLevels() {
  while (m_levels.back().size() > 1) {
    const std::vector<Box2>& below = m_levels.back();
    std::vector<Box2> joined((below.size() + 1) / 2);
    for (std::size_t k = 0; k < below.size(); ++k) joined[k / 2].Take(below[k]);
    m_levels.push_back(std::move(joined));
  }
}
