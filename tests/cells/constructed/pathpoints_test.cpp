// Points on compound and combined paths: where a parameter lands (wrapping,
// the piece and its fraction), what makes them undefined, and drags.
#include <cmath>
#include <numbers>
#include <optional>

#include "cells/constructed/paths/combinedpaths.h"
#include "cells/constructed/paths/compoundpaths.h"
#include "pathpointtestsupport.h"

namespace KAVREL_FILE_LOCAL {

constexpr float kPi = std::numbers::pi_v<float>;

using PathPlacementTest = PathPointTest;

TEST_F(PathPlacementTest, CompoundParametersPickPieceAndFraction) {
  // Three separate segments, so that each piece's place is its own.
  const std::vector<WORD> pieces = {L(P(0, 0, 0), P(1, 0, 0)), L(P(0, 2, 0), P(1, 2, 0)), L(P(0, 4, 0), P(1, 4, 0))};
  const std::vector<WORD> corners = {P(0, 0, 0), P(4, 0, 0), P(0, 4, 0)};
  const struct {
    const char* what;
    bool border;  // the triangle's border, else the three segments
    float t;
    std::optional<Vec3> at;
  } rows[] = {
      {"t = N at the end of the last piece", false, 3, Vec3{1, 4, 0}},
      {"3.5 wraps to piece 0, u 0.5", false, 3.5f, Vec3{0.5f, 0, 0}},
      {"-0.5 is piece 2, u 0.5", false, -0.5f, Vec3{0.5f, 4, 0}},
      {"7.5 is piece 1, u 0.5", false, 7.5f, Vec3{0.5f, 2, 0}},
      {"-3 wraps to N", false, -3, Vec3{1, 4, 0}},
      {"the triangle, 2.5: back from the third corner", true, 2.5f, Vec3{0, 2, 0}},
      {"the triangle, 0.25", true, 0.25f, Vec3{1, 0, 0}},
      {"no number", false, std::numeric_limits<float>::infinity(), std::nullopt},
  };
  for (const auto& r : rows) {
    CGVertex* p = r.border ? static_cast<CGVertex*>(New<CGVerFreeInBorder>(corners, r.t))
                           : New<CGVerInBorder>(pieces, BYTE{0}, r.t);
    EXPECT_EQ(p->m_bDefined, r.at.has_value()) << r.what;
    const Vec3 at = r.at.value_or(Vec3{0, 0, 0});  // never placed
    ExpectNear(p->m_vPos, at[0], at[1], at[2], r.what, 1e-6);
  }
  // Following a point's parameter; undefined with it.
  CGTmVarParameter* t = Param(1.25f, 0, 3);
  std::vector<WORD> withSource = pieces;
  withSource.push_back(P(9, 9, 9));
  Cell(withSource.back())->m_fValue = 1.25f;
  auto* twin = New<CGVerInBorder>(withSource, BYTE{1}, 0.0f);
  auto* polygonTwin = New<CGVerInBorderFt>(corners, withSource.back());
  ExpectNear(twin->m_vPos, 0.25f, 2, 0, "the twin");
  ExpectNear(polygonTwin->m_vPos, 3, 1, 0, "the polygon's twin");
  EXPECT_EQ(polygonTwin->m_fValue, 1.25f);
  Cell(withSource.back())->m_bDefined = false;
  twin->Recalculate();
  polygonTwin->Recalculate();
  EXPECT_FALSE(twin->m_bDefined || polygonTwin->m_bDefined);
  // A piece of a kind no path takes (a parameter), a point among curved
  // pieces, and an undefined corner: undefined.
  EXPECT_FALSE(New<CGVerInBorder>(std::vector<WORD>{t->m_nId}, BYTE{0}, 0.5f)->m_bDefined);
  EXPECT_FALSE(New<CGVerInBorder>(std::vector<WORD>{corners[0], pieces[0]}, BYTE{0}, 0.5f)->m_bDefined);
  Cell(corners[1])->m_bDefined = false;
  EXPECT_FALSE(New<CGVerFreeInBorder>(corners, 0.5f)->m_bDefined) << "the edge's far corner";
  // A scalar value is a source as a point is.
  auto* byValue = New<CGVerInBorder>(std::vector<WORD>{pieces[0], t->m_nId}, BYTE{1}, 0.5f);
  EXPECT_TRUE(byValue->m_bDefined) << "following a value";
  EXPECT_EQ(byValue->m_fValue, 1.25f);
}

TEST_F(PathPlacementTest, ALocusPieceLeavesItsDriverAndChainAlone) {
  CGLocus* locus = CircleLocus();
  const std::vector<char> before = ChainState(*locus);
  auto* p = New<CGVerInBorder>(std::vector<WORD>{locus->m_nId, L(P(0, 0, 0), P(1, 0, 0))}, BYTE{0}, 0.25f);
  ExpectNear(p->m_vPos, -2 * std::sin(0.5), 2 * std::cos(0.5), 0, "a quarter round the locus");
  p->m_fValue = 1.5f;  // on the line
  p->Recalculate();
  ExpectNear(p->m_vPos, 0.5f, 0, 0, "on the line");
  EXPECT_EQ(ChainState(*locus), before);
}

TEST_F(PathPlacementTest, CombinedParametersRunByLength) {
  const WORD segment = L(P(0, 0, 0), P(1, 0, 0));
  const WORD half = Put(new CGArc(page->m_nNextId, 2, 0, 0, 1, 0, 0, 0, 1, 0, 0, kPi, kArcArc));
  const WORD circle = Put(new CGArc(page->m_nNextId, 5, 0, 0, 1, 0, 0, 0, 1, 0, 0, kPi, kArcCircle));
  const double onArc = (0.5 - 1 / (1 + kPi)) / (kPi / (1 + kPi)) * kPi;
  const double c0 = 1 / (1 + 2 * kPi);  // the segment's share beside the whole circle
  const auto Flat = [](double x, double y) { return Vec3{float(x), float(y), 0}; };
  const struct {
    const char* what;
    WORD second;
    float t;
    std::optional<Vec3> at;
  } rows[] = {
      {"0.2 on the segment at 0.2 (1 + pi)", half, 0.2f, Vec3{0.2f * (1 + kPi), 0, 0}},
      {"0.5 on the half circle", half, 0.5f, Flat(2 + std::cos(onArc), std::sin(onArc))},
      {"1.25 wraps to 0.25", half, 1.25f, Flat(2 + std::cos(0.25 * (1 + kPi) - 1), std::sin(0.25 * (1 + kPi) - 1))},
      {"-0.25 wraps to 0.75", half, -0.25f, Flat(2 + std::cos(0.75 * (1 + kPi) - 1), std::sin(0.75 * (1 + kPi) - 1))},
      {"1 at the end", half, 1, Vec3{1, 0, 0}},
      {"a circle counts its whole turn", circle, 0.5f,
       Flat(5 + std::cos((0.5 - c0) / (1 - c0) * 2 * kPi), std::sin((0.5 - c0) / (1 - c0) * 2 * kPi))},
      {"a parameter is no piece", Param(1, 0, 1)->m_nId, 0.5f, std::nullopt},
  };
  for (const auto& r : rows) {
    auto* p = New<CGVerInPaths>(std::vector<WORD>{segment, r.second}, BYTE{0}, r.t);
    EXPECT_EQ(p->m_bDefined, r.at.has_value()) << r.what;
    if (r.at) ExpectNear(p->m_vPos, (*r.at)[0], (*r.at)[1], (*r.at)[2], r.what);
  }
  // A path longer than any fixed table: 40 unit segments.
  std::vector<WORD> long40;
  for (int i = 0; i < 40; ++i) long40.push_back(L(P(i, 0, 0), P(i + 1, 0, 0)));
  ExpectNear(New<CGVerInPaths>(long40, BYTE{0}, 0.9f)->m_vPos, 36, 0, 0, "40 pieces");
  // No length at all, or t inside a piece without length: undefined.
  const WORD dot = L(P(1, 0, 0), P(1, 0, 0));
  EXPECT_FALSE(New<CGVerInPaths>(std::vector<WORD>{dot, dot}, BYTE{0}, 0.5f)->m_bDefined);
  EXPECT_FALSE(New<CGVerInPaths>(std::vector<WORD>{dot, segment}, BYTE{0}, 0.0f)->m_bDefined);
  EXPECT_TRUE(New<CGVerInPaths>(std::vector<WORD>{dot, segment}, BYTE{0}, 0.5f)->m_bDefined);
}

TEST_F(PathPlacementTest, DragsTakeTheNearestPieceAndSetTheParameter) {
  // Two segments 1 from the ray straight down through (1, 0): the first wins.
  const WORD left = L(P(0, -1, 0), P(0, 1, 0)), right = L(P(2, -1, 0), P(2, 1, 0));
  const WORD value = Param(0, 0, 1)->m_nId;
  auto* border = New<CGVerFreeInBorder>(std::vector<WORD>{value, left, right}, 0.5f);
  EXPECT_FALSE(border->m_bDefined) << "on a piece of a kind no path takes";
  Ray({1, 0, 100}, {1, 0, -100});
  border->DragTo();
  EXPECT_EQ(border->m_fValue, 1.5f) << "the first of two equally near, the parameter skipped";
  ExpectNear(border->m_vPos, 0, 0, 0, "on the first");
  Ray({1.8, 0.5, 100}, {1.8, 0.5, -100});
  border->DragTo();
  EXPECT_EQ(border->m_fValue, 2.75f);
  // The polygon's edges.
  auto* triangle = New<CGVerFreeInBorder>(std::vector<WORD>{P(0, 0, 0), P(4, 0, 0), P(0, 4, 0)}, 0.5f);
  Ray({3, 3, 100}, {3, 3, -100});
  triangle->DragTo();
  EXPECT_FLOAT_EQ(triangle->m_fValue, 1.5f);
  ExpectNear(triangle->m_vPos, 2, 2, 0, "on the hypotenuse");
  // A circle the ray runs along: the drag ends, nothing moves.
  auto* withCircle = New<CGVerFreeInBorder>(std::vector<WORD>{left, Arc(1, kArcCircle)}, 0.5f);
  const float kept[3] = {withCircle->m_vPos[0], withCircle->m_vPos[1], withCircle->m_vPos[2]};
  Ray({-100, 0.5, 0}, {100, 0.5, 0});
  withCircle->DragTo();
  EXPECT_EQ(withCircle->m_fValue, 0.5f);
  ExpectNear(withCircle->m_vPos, kept[0], kept[1], kept[2], "unmoved", 0);

  // The combined path of the selection: the parameter is the length share.
  page->SelectCell(left);
  page->SelectCell(Put(new CGArc(page->m_nNextId, 4, 0, 0, 1, 0, 0, 0, 1, 0, 0, kPi, kArcArc)));
  auto* free = New<CGVerFreeInPaths>();
  EXPECT_EQ(free->m_parents.size(), 2u);
  EXPECT_EQ(free->m_fValue, 0.6f);
  EXPECT_EQ(free->GetDescription(), QString::fromUtf8("2条线段或圆弧合成的组合路径上的点"));
  const double c0 = 2 / (2 + kPi);
  Ray({0.5, 0.5, 100}, {0.5, 0.5, -100});
  free->DragTo();
  EXPECT_NEAR(free->m_fValue, c0 * 0.75, 1e-6) << "c0 u";
  Ray({4, 1.5, 100}, {4, 1.5, -100});
  free->DragTo();
  EXPECT_NEAR(free->m_fValue, c0 + (1 - c0) * 0.5, 1e-6) << "c0 + (c1 - c0) u";
  ExpectNear(free->m_vPos, 4, 1, 0, "the top of the arc");
  // The parameter operation re-places from the kept fractions.
  free->m_fValue = 0.25f * static_cast<float>(c0);
  free->ApplyParameter();
  ExpectNear(free->m_vPos, 0, -0.5f, 0, "a quarter along the segment");
}

}  // namespace
