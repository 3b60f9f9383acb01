// The horizontal presets: fixed vertex names, positions in shape units,
// labels of the lower edge below it.
#include "cells/constructed/horizontalcircles.h"
#include "cells/constructed/scalings.h"
#include "cells/constructed/translations.h"
#include "cells/constrained/linepoints.h"
#include "cells/primitives/cgarc.h"
#include "cells/primitives/cgverfreeincircle.h"
#include "commands/shapes/planeshapes.h"
#include "commands/shapes/shapebuilder.h"
#include "model/cgvertex.h"

namespace {
// Turns in radians, as single-precision constants.
constexpr float kThirdOfHalfTurn = 1.0471976f;      // pi / 3
constexpr float kQuarterTurn = 1.5707964f;          // pi / 2
constexpr float kPentagonOuterTurn = 1.8849556f;    // 3 pi / 5
constexpr float kHexagonOuterTurn = 2.0943952f;     // 2 pi / 3
// Where the right angle first sits on the circle over the hypotenuse.
constexpr float kRightAngleVertexAt = 1.2f;
// Label offsets in shape units.
constexpr float kLabelLeft = -1.1f;
constexpr float kLabelBelow = -0.8f;
constexpr float kLabelUpperBelow = -0.5f;
constexpr float kLabelMidpointBelow = -1.2f;

// The first vertex at (x, y) and the second following it at (-x, y), their
// labels below the edge between them.
struct Base {
  WORD first, second;
};
Base BaseEdge(CShapeBuilder& b, const char* first, const char* second, float x, float y) {
  const WORD a = b.Free(first, x, y);
  b.Label(a, kLabelLeft, kLabelBelow);
  const WORD c = b.Follower(second, a, -x, y);
  b.Label(c, std::nullopt, kLabelBelow);
  return {a, c};
}

// The point on the horizontal perpendicular at `foot` to the line from
// `foot` to `toward`, `height` shape units away: the normal of the plane
// through foot, a point lifted one world unit above it, and toward.
WORD Perpendicular(CShapeBuilder& b, const char* name, const char* liftName, WORD foot, WORD toward, float height) {
  const WORD lift = b.Point<CGVerTranslateStc>(QString::fromLatin1(liftName), foot, 0.0f, 0.0f, 1.0f);
  b.Hide(lift);
  const WORD p = b.Point<CGVerFreePerpen>(QString::fromLatin1(name), foot, lift, toward);
  CGVertex* point = b.Vertex(p);
  point->m_fValue = height * b.Unit();
  // The shape's next cells are made from this point: computed now, not at the edit's end.
  point->Recalculate();
  return p;
}

// The hidden midpoint of `from` and `to`, scaled from `from` by one half.
WORD HiddenMidpoint(CShapeBuilder& b, WORD to, WORD from) {
  const WORD d = b.Point<CGVerScale>(QStringLiteral("D"), to, from, 0.5f);
  b.Hide(d);
  b.Label(d, std::nullopt, kLabelMidpointBelow);
  return d;
}

// C = D moved by AB, then the face ABCD and its four edges.
void CloseQuadrilateral(CShapeBuilder& b, Base ab, WORD d) {
  const WORD c = b.Translated(QStringLiteral("C"), d, ab.first, ab.second);
  b.Label(c, std::nullopt, kLabelUpperBelow);
  b.Face({ab.first, ab.second, c, d});
  b.Chain({ab.first, ab.second, c, d}, true);
}
}  // namespace

void PresetEquilateral(CShapeBuilder& b) {
  const Base ab = BaseEdge(b, "A", "B", -5, -5);
  const WORD c = b.Rotated("C", ab.second, ab.first, kThirdOfHalfTurn);
  b.Face({ab.first, ab.second, c});
  b.Chain({ab.first, ab.second, c}, true);
}

void PresetSquare(CShapeBuilder& b) {
  const Base ab = BaseEdge(b, "A", "B", -5, -5);
  const WORD d = b.Rotated("D", ab.second, ab.first, kQuarterTurn);
  b.Label(d, kLabelLeft, kLabelUpperBelow);
  CloseQuadrilateral(b, ab, d);
}

void PresetRectangle(CShapeBuilder& b) {
  const Base ab = BaseEdge(b, "A", "B", -6, -4);
  const WORD d = Perpendicular(b, "D", "A'", ab.first, ab.second, 8);
  b.Label(d, kLabelLeft, kLabelUpperBelow);
  CloseQuadrilateral(b, ab, d);
}

void PresetPentagon(CShapeBuilder& b) {
  const Base ab = BaseEdge(b, "A", "B", -4, -6);
  const WORD a = ab.first, bb = ab.second;
  const WORD c = b.Rotated("C", a, bb, -kPentagonOuterTurn);
  b.Label(c, std::nullopt, kLabelBelow);
  const WORD d = b.Rotated("D", bb, c, -kPentagonOuterTurn);
  const WORD e = b.Rotated("E", bb, a, kPentagonOuterTurn);
  b.Label(e, kLabelLeft, kLabelBelow);
  b.Face({a, bb, c, d, e});
  b.Chain({a, bb, c, d, e}, true);
}

void PresetHexagon(CShapeBuilder& b) {
  const Base ab = BaseEdge(b, "A", "B", -3, -5);
  const WORD a = ab.first, bb = ab.second;
  const WORD c = b.Rotated("C", a, bb, -kHexagonOuterTurn);
  b.Label(c, 0.2f, kLabelBelow);
  const WORD f = b.Rotated("F", bb, a, kHexagonOuterTurn);
  b.Label(f, kLabelLeft, kLabelBelow);
  const WORD d = b.Translated(QStringLiteral("D"), c, a, f);
  const WORD e = b.Translated(QStringLiteral("E"), f, bb, c);
  b.Label(e, -0.3f, std::nullopt);
  b.Face({a, bb, c, d, e, f});
  b.Chain({a, bb, c, d, e, f}, true);
}

void PresetIsosceles(CShapeBuilder& b) {
  const Base bc = BaseEdge(b, "B", "C", -5, -6);
  const WORD d = HiddenMidpoint(b, bc.second, bc.first);
  const WORD a = Perpendicular(b, "A", "D'", d, bc.second, 12);
  b.Edge(bc.first, bc.second);
  b.Edge(bc.first, a);
  b.Edge(bc.second, a);
  b.Face({a, bc.first, bc.second});
}

void PresetParallelogram(CShapeBuilder& b) {
  const Base ab = BaseEdge(b, "A", "B", -5, -3);
  const WORD d = b.Follower("D", ab.first, -2, 3);
  b.Label(d, kLabelLeft, kLabelUpperBelow);
  CloseQuadrilateral(b, ab, d);
}

void PresetRightTriangle(CShapeBuilder& b) {
  const Base ab = BaseEdge(b, "A", "B", -8, -5);
  const WORD d = HiddenMidpoint(b, ab.second, ab.first);
  CGArc* k = b.Cell<CGArcPoint2>(d, ab.second, static_cast<BYTE>(kArcCircle));
  k->m_bHidden = 1;
  const WORD c = b.Point<CGVerFreeInCircle>(QStringLiteral("C"), k->m_nId, kRightAngleVertexAt);
  b.Face({ab.first, ab.second, c});
  b.Chain({ab.second, c, ab.first}, true);
}
