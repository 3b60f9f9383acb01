#include "view/threeview.h"

#include <GL/gl.h>

#include <initializer_list>

namespace {
constexpr AxisTurn kDownX{-90, 1, 0, 0};  // every side view first looks along +y
constexpr AxisTurn kHalfZ{180, 0, 0, 1};
constexpr AxisTurn kMinusZ{-90, 0, 0, 1};
constexpr AxisTurn kPlusZ{90, 0, 0, 1};

QuadrantTurns Turns(std::initializer_list<AxisTurn> turns) {
  QuadrantTurns out;
  for (const AxisTurn& t : turns) out.turns[out.count++] = t;
  return out;
}
}  // namespace

QuadrantTurns ThreeViewTurns(int quadrant, int orientation) {
  if (quadrant < 0 || quadrant > 2 || orientation < 0 || orientation > 2) return {};
  switch (quadrant * 3 + orientation) {
    case kQuadrantFront * 3 + 0: return Turns({kDownX, kHalfZ});
    case kQuadrantFront * 3 + 1: return Turns({kDownX});
    case kQuadrantFront * 3 + 2: return Turns({kDownX, kMinusZ});
    case kQuadrantSide * 3 + 0: return Turns({kDownX, kMinusZ});
    case kQuadrantSide * 3 + 1: return Turns({kDownX, kPlusZ});
    case kQuadrantSide * 3 + 2: return Turns({kDownX});
    case kQuadrantTop * 3 + 0: return Turns({kHalfZ});
    case kQuadrantTop * 3 + 1: return Turns({});
    case kQuadrantTop * 3 + 2: return Turns({kMinusZ});
    default: return {};
  }
}

void ApplyThreeViewTurns(int quadrant, int orientation) {
  const QuadrantTurns q = ThreeViewTurns(quadrant, orientation);
  for (int i = 0; i < q.count; ++i) glRotatef(q.turns[i].degrees, q.turns[i].x, q.turns[i].y, q.turns[i].z);
}

void QuadrantViewport(int quadrant, int width, int height, int viewport[4]) {
  const int w = width / 2, h = height / 2;
  const bool right = quadrant == kQuadrantSide || quadrant == kQuadrantAxonometric;
  const bool upper = quadrant == kQuadrantFront || quadrant == kQuadrantSide;
  viewport[0] = right ? w : 0;
  viewport[1] = upper ? h : 0;
  viewport[2] = w;
  viewport[3] = h;
}

bool QuadrantCaptionsShown(int width, int height) { return width / 2 >= 321 && height / 2 >= 241; }
