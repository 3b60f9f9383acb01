// The numeric intersections with curves and loci: the roots each solver
// finds and their order, the gaps and limits, the root caches, and the
// root cells over them.
#include <cmath>
#include <numbers>
#include <vector>

#include "cells/constructed/numeric/curvesolvers.h"
#include "cells/constructed/numeric/numericintersections.h"
#include "cells/constructed/numeric/pairscan.h"
#include "pathpointtestsupport.h"

namespace KAVREL_FILE_LOCAL {

using Solver = int (*)(WORD, WORD, int, float[3]);
using Roots = std::vector<Vec3>;

class CurveSolverTest : public PathPointTest {
 protected:
  // Every root the solver gives for the pair, root 0 first.
  static Roots All(Solver solve, WORD first, WORD second) {
    Roots roots;
    float p[3];
    const int n = solve(first, second, 0, p);
    for (int k = 0; k < n; ++k) {
      EXPECT_EQ(solve(first, second, k, p), n) << k;
      roots.push_back({p[0], p[1], p[2]});
    }
    EXPECT_EQ(solve(first, second, n, p), 0) << "one beyond the last root";
    return roots;
  }
  static void ExpectRoots(const Roots& got, const Roots& want, const std::string& what, double tolerance = 1e-4) {
    ASSERT_EQ(got.size(), want.size()) << what;
    for (size_t k = 0; k < want.size(); ++k)
      ExpectNear(got[k].data(), want[k][0], want[k][1], want[k][2], what + ", root " + std::to_string(k), tolerance);
  }
  WORD Line(Vec3 a, Vec3 b, BYTE kind) { return L(P(a[0], a[1], a[2]), P(b[0], b[1], b[2]), kind); }
  // A line's locus: the driver runs along the segment, its follower traced.
  WORD LineLocus(Vec3 a, Vec3 b) {
    const WORD driver = PointOf<CGVerFreeInLine>(Line(a, b, kLineSegment), 0.5f);
    const float* at = Cell<CGVertex>(driver)->m_vPos;
    return Locus(driver, New<CGVerFree2dHenchman>(at[0], at[1], driver)->m_nId, 0, 1)->m_nId;
  }
  WORD DenseLineLocus(Vec3 a, Vec3 b, float step) {
    CGLocus* locus = Cell<CGLocus>(LineLocus(a, b));
    locus->Step = step;
    locus->SampleCount = 0;
    locus->Recalculate();
    return locus->m_nId;
  }
};

constexpr double kPi = std::numbers::pi;
const double kChord = std::sqrt(3.75);  // the radius-2 circle at y = 0.5

TEST_F(CurveSolverTest, LinesMeetLociAndCurvesInTheirOrderAlongTheLine) {
  CGLocus* locus = CircleLocus();
  const std::vector<char> before = ChainState(*locus);
  const WORD tanCurve = Curve({}, "t", "tan(t)", "0", "-0.995", "4.005", 0.01f)->m_nId;
  const WORD waves = Curve({}, "t", "sin(t)", "0", "0.5", "40.5*Pi", 0.05f)->m_nId;
  const WORD tiny = Curve({}, "t*100000000-0.5", "0", "0", "0", "0.00000001")->m_nId;
  // A million samples creeping up on the line in space: each piece comes
  // closer than its length, so each starts a window search.  The searches
  // run past what those of 100,000 pieces could sample long before the 32
  // roots near t = 0, and the solve finds none (so for the circle below).
  // A locus of 6,001 samples on a segment that meets the line at a slant
  // of 1 in 3,000 keeps the first 32 of its samples within 1e-4 of it.
  const WORD creeping = Curve({}, "t", "0", "t*0.000001", "-500", "500", 0.001f)->m_nId;
  const WORD slanting = DenseLineLocus({-3, 0, 0}, {3, 0, 0}, 1.0f / 6000);
  // 318,000 crossings of the x axis, one at every third piece, each
  // bisected: crossing is no hugging; the segment keeps those at x = 500.005
  // to 500.012.
  const WORD waving = Curve({}, "t", "sin(1000*t)", "0", "0", "1000", 0.001f)->m_nId;
  const auto wave = [](int k) { return Vec3{static_cast<float>(k * kPi / 1000), 0, 0}; };
  // Curves in the upright plane y = 0 that run close above the x axis for
  // thousands of pieces, each starting a window search, before they cross
  // it.  Samples within 1e-4 of the axis count as roots: the 32 from the
  // first sample in that band, at x = first, on in steps of 0.001; or the
  // one crossing of a steep fall.
  const auto upright = [&](const char* z, const char* t1) { return Curve({}, "t", "0", z, "0", t1, 0.001f)->m_nId; };
  const auto band = [](float first) {
    Roots roots;
    for (int k = 0; k < 32; ++k) roots.push_back({first + static_cast<float>(k) / 1000, 0, 0});
    return roots;
  };
  const WORD xAxis = Line({-20, 0, 0}, {20, 0, 0}, kLineFull);
  const struct {
    const char* what;
    Solver solve;
    WORD line, carrier;
    Roots want;
  } rows[] = {
      {"a full line through the circle", IntersectLineLocus, Line({-5, 0, 0}, {5, 0, 0}, kLineFull), locus->m_nId,
       {{-2, 0, 0}, {2, 0, 0}}},
      {"the same line from the other end", IntersectLineLocus, Line({5, 0, 0}, {-5, 0, 0}, kLineFull), locus->m_nId,
       {{2, 0, 0}, {-2, 0, 0}}},
      {"a segment from the centre", IntersectLineLocus, Line({0, 0, 0}, {5, 0, 0}, kLineSegment), locus->m_nId,
       {{2, 0, 0}}},
      {"a ray missing it", IntersectLineLocus, Line({3, 0, 0}, {5, 0, 0}, kLineRay), locus->m_nId, {}},
      {"slanting through it, in space", IntersectLineLocus, Line({-1, 0, -3}, {1, 4, 3}, kLineFull), locus->m_nId,
       {{0, 2, 0}}},
      {"shorter than 1e-4", IntersectLineLocus, Line({-5, 0, 0}, {-5, 0.00005f, 0}, kLineFull), locus->m_nId, {}},
      {"no crossing across the pole of tan", IntersectLineCurve, Line({-10, 0, 0}, {10, 0, 0}, kLineFull), tanCurve,
       {{0, 0, 0}, {static_cast<float>(kPi), 0, 0}}},
      {"a step of 1e-8 samples no midpoint", IntersectLineCurve, Line({0, -5, 0}, {0, 5, 0}, kLineFull), tiny, {}},
      {"a curve hugging the line", IntersectLineCurve, Line({-1000, 0, 0}, {1000, 0, 0}, kLineFull), creeping, {}},
      {"a locus close to the line", IntersectLineLocus, Line({-3, 0, 0.001f}, {3, 0, -0.001f}, kLineFull), slanting,
       band(-0.29945f)},
      {"crossings at every third piece", IntersectLineCurve, Line({500.005f, 0, 0}, {500.012f, 0, 0}, kLineSegment),
       waving, {wave(159157), wave(159158)}},
      {"e^-t - 0.0003 close above the axis", IntersectLineCurve, xAxis, upright("exp(-t)-0.0003", "12"), band(7.825f)},
      {"e^-t - 0.0001 close above the axis", IntersectLineCurve, xAxis, upright("exp(-t)-0.0001", "12"), band(8.518f)},
      {"e^(-t/2) - 0.0002 close above the axis", IntersectLineCurve, xAxis, upright("exp(-t/2)-0.0002", "25"),
       band(16.224f)},
      {"0.0005 above the axis for t < 1, then down", IntersectLineCurve, xAxis,
       upright("0.0005-(t-1+abs(t-1))/2", "2"), {{1.0005f, 0, 0}}},
      {"0.0005 above the axis for t < 3, then down", IntersectLineCurve, xAxis,
       upright("0.0005-(t-3+abs(t-3))/2", "4"), {{3.0005f, 0, 0}}},
  };
  for (const auto& r : rows) ExpectRoots(All(r.solve, r.line, r.carrier), r.want, r.what, 2e-4);
  EXPECT_EQ(ChainState(*locus), before);

  // A sample at A in x, y is A itself, key 0: first.
  const Vec3 first = {locus->Samples[0], locus->Samples[1], 0};
  const WORD fromSample = Line(first, {first[0], first[1] - 5, 0}, kLineSegment);
  float p[3];
  ASSERT_GT(IntersectLineLocus(fromSample, locus->m_nId, 0, p), 0);
  EXPECT_TRUE(p[0] == first[0] && p[1] == first[1] && p[2] == 0);
  // 40 crossings: the first 32 found, then ordered along the line (from
  // A at x = 1000, so the 32nd crossing comes first).
  const Roots many = All(IntersectLineCurve, Line({1000, 0, 0}, {-1000, 0, 0}, kLineFull), waves);
  ASSERT_EQ(many.size(), 32u);
  EXPECT_NEAR(many.front()[0], 32 * kPi, 1e-3);
  EXPECT_NEAR(many.back()[0], kPi, 1e-3);

  // The root cell: root 2 of two is undefined, and so is a cell whose line
  // goes away.
  const WORD full = rows[0].line;
  EXPECT_FALSE(New<CGVerIntersectionLG>(BYTE{2}, full, locus->m_nId)->m_bDefined);
  auto* second = New<CGVerIntersectionLG>(BYTE{1}, full, locus->m_nId);
  ExpectNear(second->m_vPos, 2, 0, 0, "root 1");
  Cell(full)->m_bDefined = false;
  second->Recalculate();
  EXPECT_FALSE(second->m_bDefined);
  ExpectNear(second->m_vPos, 2, 0, 0, "kept");
  EXPECT_EQ(ChainState(*locus), before);
}

// Curves that start where they do not exist (a pole, a logarithm or a
// root of a negative number at t = 0): the first sample's side is not
// finite, which must start no refinement, since there is no piece before
// the first sample to read.  The crossings further on are found.
TEST_F(CurveSolverTest, CurvesStartingWhereTheyAreNotFiniteReadNoSampleBeforeTheFirst) {
  const WORD level = Line({-1, 1, 0}, {3, 1, 0}, kLineFull);  // y = 1
  const WORD wide = Arc(2, kArcCircle);                        // about the origin
  const struct {
    const char* y;
    float atOne;          // where y = 1
    int circleRoots;      // crossings of the radius-2 circle for t in (0, 4]
  } rows[] = {
      {"1/t", 1, 2},
      {"ln(t)", std::numbers::e_v<float>, 2},
      {"sqrt(t-1)", 2, 1},
      {"-1/t", -1, 2},  // never 1: no root on the line
  };
  for (const auto& r : rows) {
    CGCurve* curve = Curve({}, "t", r.y, "0", "0", "4", 0.01f);
    ASSERT_FALSE(std::isfinite(curve->Samples[1])) << r.y << ": the first sample is no number";
    const Roots onLine = All(IntersectLineCurve, level, curve->m_nId);
    ExpectRoots(onLine, r.atOne > 0 ? Roots{{r.atOne, 1, 0}} : Roots{}, r.y, 1e-3);
    const Roots onCircle = All(IntersectCircleCurve, wide, curve->m_nId);
    EXPECT_EQ(onCircle.size(), size_t(r.circleRoots)) << r.y;
    for (const Vec3& p : onCircle) {
      EXPECT_NEAR(std::hypot(p[0], p[1]), 2, 1e-3) << r.y;
      double on[3];
      curve->SampleAt(on, nullptr, p[0]);
      EXPECT_NEAR(on[1], p[1], 1e-2) << r.y << " at " << p[0];
    }
    page->RecalculateCells({});  // the next pass asks the circle afresh
  }
}

TEST_F(CurveSolverTest, CirclesAndPairsCrossInTheOrderAlongTheFirstCarrier) {
  CGLocus* locus = CircleLocus();
  const std::vector<char> before = ChainState(*locus);
  const WORD unit = Arc(1, kArcCircle);
  const WORD upright = Put(new CGArc(page->m_nNextId, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, kArcFullTurn, kArcCircle));
  const WORD aside = Put(new CGArc(page->m_nNextId, 2, 0, 0, 1, 0, 0, 0, 1, 0, 0, kArcFullTurn, kArcCircle));
  const WORD xAxis = Curve({}, "t+0.05", "0", "0", "-5", "5")->m_nId;
  const WORD yAxis = Curve({}, "0", "t", "0", "-1", "1")->m_nId;
  const WORD tilted = Curve({}, "0", "t", "t*0.001", "-1", "1")->m_nId;
  const WORD high = Curve({}, "t", "0.5", "0", "-3", "3")->m_nId;
  const WORD lifted = Curve({}, "0", "t+0.05", "1", "-5", "5")->m_nId;
  const WORD lineLocus = LineLocus({-3, 0.5f, 0}, {3, 0.5f, 0});
  // 100,001 samples each: two dense curves cross where plain ones do.
  const WORD denseX = Curve({}, "t+0.05", "0", "0", "-5", "5", 1e-4f)->m_nId;
  const WORD denseY = Curve({}, "0", "t", "0", "-1", "1", 2e-5f)->m_nId;
  const WORD creeping = Curve({}, "cos(t)", "sin(t)", "0.02-t*0.00001", "0", "2010", 0.002f)->m_nId;
  // 0.0005 outside the upright circle, in its plane, for 1,000 pieces that
  // each start a window search; then it falls inside, crossing at t = 1.0005.
  const WORD close =
      Curve({}, "(1.0005-(t-1+abs(t-1))/2)*cos(t)", "0", "(1.0005-(t-1+abs(t-1))/2)*sin(t)", "0", "2", 0.001f)->m_nId;
  const auto crossing = Vec3{static_cast<float>(std::cos(1.0005)), 0, static_cast<float>(std::sin(1.0005))};
  const float y = static_cast<float>(std::sqrt(15.0) / 4);
  const auto chord = static_cast<float>(kChord);
  const struct {
    const char* what;
    Solver solve;
    WORD first, second;
    Roots want;
  } rows[] = {
      {"circle and curve in a plane", IntersectCircleCurve, unit, xAxis, {{-1, 0, 0}, {1, 0, 0}}},
      {"an upright circle, in space", IntersectCircleCurve, upright, xAxis, {{-1, 0, 0}, {1, 0, 0}}},
      {"an upright circle met above the floor", IntersectCircleCurve, upright, lifted, {{0, 0, 1}}},
      {"a curve hugging the sphere", IntersectCircleCurve, unit, creeping, {}},
      {"an upright circle met after running close outside it", IntersectCircleCurve, upright, close, {crossing}},
      {"circle and locus", IntersectCircleLocus, aside, locus->m_nId, {{1.75f, y, 0}, {1.75f, -y, 0}}},
      {"two flat curves", IntersectCurveCurve, xAxis, yAxis, {{0, 0, 0}}},
      {"a curve leaving the plane", IntersectCurveCurve, xAxis, tilted, {}},
      {"a dense curve and a plain one", IntersectCurveCurve, denseX, yAxis, {{0, 0, 0}}},
      {"two dense curves", IntersectCurveCurve, denseX, denseY, {{0, 0, 0}}},
      {"two loci", IntersectLocusLocus, locus->m_nId, lineLocus, {{-chord, 0.5f, 0}, {chord, 0.5f, 0}}},
      {"curve and locus", IntersectCurveLocus, high, locus->m_nId, {{-chord, 0.5f, 0}, {chord, 0.5f, 0}}},
  };
  for (const auto& r : rows) {
    ExpectRoots(All(r.solve, r.first, r.second), r.want, r.what, 1e-3);
    page->RecalculateCells({});  // the next pass
  }
  EXPECT_EQ(ChainState(*locus), before);
}

// The plain scan of every sample against every piece, the reference the
// boxed one must agree with: the second carrier's samples in turn, the
// side of the last carried along.
template <class Real, class Second>
bool CrossPiece(const Real* P0, const Real* P1, const Second& b, double z, RootCache& roots) {
  const double d1x = P1[0] - P0[0], d1y = P1[1] - P0[1];
  const double d1 = std::sqrt(d1x * d1x + d1y * d1y);
  int s = 0;
  for (int j = 0; j < b.n; ++j) {
    const auto* Q = b.Sample(j);
    const double qx = Q[0] - P1[0], qy = Q[1] - P1[1];
    const double c = CrossXY(qx, qy, d1x, d1y) / d1;
    if (std::fabs(c) < 1e-5) {
      const double before = (Q[0] - P0[0]) * d1x + (Q[1] - P0[1]) * d1y;
      const double after = qx * d1x + qy * d1y;
      if (before * after <= 0) {
        roots.Add(Q[0], Q[1], z);
        return true;
      }
      s = 0;
      continue;
    }
    if (s != 0 && s * c < 0) {
      const auto* R = b.Sample(j - 1);
      const double d2x = Q[0] - R[0], d2y = Q[1] - R[1];
      if (d2x * d2x + d2y * d2y < kPairGap) {
        const double sigma = CrossXY(qx, qy, d2x, d2y) / CrossXY(d1x, d1y, d2x, d2y);
        if (sigma >= -1 && sigma <= 0) {
          roots.Add(P1[0] + sigma * d1x, P1[1] + sigma * d1y, z);
          return true;
        }
      }
    }
    s = Sign(c);
  }
  return false;
}

template <class First, class Second>
void ScanPlainly(const First& a, const Second& b, double z, RootCache& roots) {
  for (int i = 1; i < a.n && !roots.Full(); ++i)
    if (Crossable(a, i)) CrossPiece(a.Sample(i - 1), a.Sample(i), b, z, roots);
}

// The boxed scan of a pair gives the plain scan's roots bit for bit, in its
// order: each piece of a coarse carrier is met several times by a fine one,
// or holds several of its samples, and only the first in the fine one's
// order counts.
template <class First, class Second>
void ExpectScansAgree(const First& a, const Second& b, const std::string& what) {
  RootCache plain, boxed;
  ScanPlainly(a, b, 0, plain);
  ScanBoxed(a, b, 0, boxed);
  ASSERT_EQ(boxed.Count(), plain.Count()) << what;
  EXPECT_GT(plain.Count(), 4) << what;
  float p[3], q[3];
  for (int k = 0; k < plain.Count(); ++k) {
    plain.Result(k, p);
    boxed.Result(k, q);
    EXPECT_TRUE(p[0] == q[0] && p[1] == q[1] && p[2] == q[2]) << what << ", root " << k;
  }
}

TEST_F(CurveSolverTest, TheBoxedPairScanFindsThePlainScansRootsInItsOrder) {
  const struct {
    const char *x1, *y1, *x2, *y2;
    float step1, step2;
  } rows[] = {
      {"sin(3*t)", "cos(5*t)", "0.9*cos(7*t)", "0.9*sin(4*t+1)", 0.3f, 0.01f},
      {"0.9*cos(7*t)", "0.9*sin(4*t+1)", "sin(3*t)", "cos(5*t)", 0.01f, 0.3f},
      {"t", "0", "6.28-t", "0.000001*sin(40*t)", 0.25f, 0.01f},  // samples on the pieces
      {"2*cos(t)", "tan(t)", "t-3", "sin(9*t)", 0.1f, 0.05f},     // gaps at the poles
      {"t-3", "0.3*sin(2*t)", "t-3", "cos(30*t)", 0.01f, 0.1f},   // long pieces of the second
      {"0", "t", "0.000001", "6.28-t", 0.25f, 0.01f},             // samples just beside upright pieces
      // long pieces of the second crossing between the last sample of a run of 8 and the first of the next
      {"t-3", "0", "t-3", "sin(3.14159265*(t-0.9))", 0.01f, 0.25f},
  };
  for (const auto& r : rows) {
    const CurveCarrier a(*Curve({}, r.x1, r.y1, "0", "0", "6.28", r.step1));
    const CurveCarrier b(*Curve({}, r.x2, r.y2, "0", "0", "6.28", r.step2));
    ExpectScansAgree(a, b, r.y2);
  }
  CGLocus* locus = CircleLocus();
  const CurveCarrier coarse(*Curve({}, "2.2*cos(3*t)", "2.2*sin(5*t)", "0", "0", "6.28", 0.3f));
  ExpectScansAgree(coarse, LocusCarrier(*locus), "curve and locus");
  ExpectScansAgree(LocusCarrier(*locus), coarse, "locus and curve");
}

TEST_F(CurveSolverTest, CachedRootsServeOnePassOnOnePage) {
  const WORD unit = Arc(1, kArcCircle);  // ids 1 and 2: the same on both pages
  const WORD xAxis = Curve({}, "t+0.05", "0", "0", "-5", "5")->m_nId;
  auto* circle = Cell<CGArc>(unit);
  float p[3];
  ASSERT_EQ(IntersectCircleCurve(unit, xAxis, 0, p), 2);
  circle->Center[0] = 3;  // the curve is not asked again: root 1 is the cached one
  EXPECT_EQ(IntersectCircleCurve(unit, xAxis, 1, p), 2);
  EXPECT_EQ(p[0], 1);
  ASSERT_EQ(IntersectCircleCurve(unit, xAxis, 0, p), 2);  // root 0 again computes
  EXPECT_NEAR(p[0], 2, 1e-4);
  // Kept after a count, root 0 is read once more from it, then computed.
  KeepCountedRoots(unit, xAxis);
  circle->Center[0] = 0;
  ASSERT_EQ(IntersectCircleCurve(unit, xAxis, 0, p), 2);
  EXPECT_NEAR(p[0], 2, 1e-4) << "the counted root";
  ASSERT_EQ(IntersectCircleCurve(unit, xAxis, 0, p), 2);
  EXPECT_NEAR(p[0], -1, 1e-4) << "computed again";
  KeepCountedRoots(xAxis, unit);  // another pair: nothing kept
  circle->Center[0] = 3;
  ASSERT_EQ(IntersectCircleCurve(unit, xAxis, 0, p), 2);
  EXPECT_NEAR(p[0], 2, 1e-4);
  page->RecalculateCells({});  // a new pass computes too
  circle->Center[0] = 0;
  ASSERT_EQ(IntersectCircleCurve(unit, xAxis, 1, p), 2);
  EXPECT_NEAR(p[0], 1, 1e-4);

  // Another page with the same ids, right after root 0 here.
  ASSERT_EQ(IntersectCircleCurve(unit, xAxis, 0, p), 2);
  std::unique_ptr<CGPage> other = std::make_unique<CGPage>();
  std::swap(page, other);
  SetCurrentPage(page.get());
  Arc(2, kArcCircle);
  Curve({}, "t+0.05", "0", "0", "-5", "5");
  ASSERT_EQ(IntersectCircleCurve(unit, xAxis, 1, p), 2);
  EXPECT_NEAR(p[0], 2, 1e-4) << "this page's root";
  std::swap(page, other);
  SetCurrentPage(page.get());

  // Eight root cells of one pair in one pass sample the pair once: the
  // later cells read what root 0 found.
  // A curve winding in and out of the unit circle 16 times.
  const WORD many =
      Curve({}, "(1+0.5*sin(8*t))*cos(t)", "(1+0.5*sin(8*t))*sin(t)", "0", "0", "6.28", 0.01f)->m_nId;
  const WORD wide = unit;
  std::vector<WORD> cells;
  for (BYTE k = 0; k < 8; ++k) cells.push_back(New<CGVerIntersectionCQ>(k, wide, many)->m_nId);
  page->RecalculateCells(cells);
  for (BYTE k = 0; k < 8; ++k) EXPECT_TRUE(Cell(cells[k])->m_bDefined) << int{k};
  EXPECT_FALSE(New<CGVerIntersectionCQ>(BYTE{255}, wide, many)->m_bDefined) << "root 255";
}

}  // namespace
