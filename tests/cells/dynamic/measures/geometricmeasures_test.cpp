// What the distances, angles, polygon area and tetrahedron volume measure,
// degenerate input included, and how their captions read.
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "../measuretestsupport.h"

namespace KAVREL_FILE_LOCAL {

constexpr double kPi = std::numbers::pi;

class GeometricMeasureTest : public MeasureTest {};

TEST_F(GeometricMeasureTest, ValuesAndCaptions) {
  struct Row {
    const char* what;
    std::function<CGTmMeasure*()> make;
    double value, tolerance;
    const char16_t* caption = nullptr;  // at step 0.01, style 1
  };
  const float h = std::sqrt(3.0f) / 2;
  const Row rows[] = {
      {"3-4-5", [&] { return New<CGTmVarDistancePP>(P(0, 0, 0), P(3, 4, 0)); }, 5, 0, u" =5"},
      {"away from the origin", [&] { return New<CGTmVarDistancePP>(P(1, 2, 3), P(2, 4, 5)); }, 3, 0},
      {"sqrt 13", [&] { return New<CGTmVarDistancePP>(P(0, 0, 0), P(2, 3, 0)); }, std::sqrt(13.0), 1e-6, u" =3.61"},
      {"point to a segment, foot outside it",
       [&] { return New<CGTmVarDistancePL>(P(5, 3, 0), L(P(0, 0, 0), P(1, 0, 0))); }, 3, 0, u" =3"},
      {"point to a line of one point", [&] { return New<CGTmVarDistancePL>(P(3, 4, 0), L(P(0, 0, 0), P(0, 0, 0))); },
       5, 0},
      {"point on the line, its square rounded below 0", [&] { return New<CGTmVarDistancePL>(P(0.9f, 0.9f, 0.9f), L(P(0.1f, 0.1f, 0.1f), P(0.2f, 0.2f, 0.2f))); },
       0, 1e-6, u" =0"},
      {"point to a plane", [&] { return New<CGTmVarDistancePF>(P(2, 2, -5), F({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}})); }, 5, 0},
      {"point to collinear corners: to the second",
       [&] { return New<CGTmVarDistancePF>(P(1, 4, 0), F({{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {0, 1, 0}})); }, 4, 0},
      {"skew lines", [&] { return New<CGTmVarDistanceLL>(L(P(0, 0, 0), P(1, 0, 0)), L(P(0, 0, 2), P(0, 1, 2))); }, 2, 0},
      {"parallel lines", [&] { return New<CGTmVarDistanceLL>(L(P(0, 0, 0), P(1, 0, 0)), L(P(5, 3, 0), P(7, 3, 0))); }, 3, 0},
      {"lines that meet", [&] { return New<CGTmVarDistanceLL>(L(P(0, 0, 0), P(1, 0, 0)), L(P(2, -1, 0), P(2, 1, 0))); }, 0, 0},
      {"lines at 45 degrees, not 135",
       [&] { return New<CGTmVarAngleLL>(L(P(0, 0, 0), P(1, 0, 0)), L(P(0, 0, 0), P(-1, 1, 0))); }, kPi / 4, 1e-7, u" =45°"},
      {"perpendicular lines", [&] { return New<CGTmVarAngleLL>(L(P(0, 0, 0), P(1, 0, 0)), L(P(0, 0, 1), P(0, 3, 1))); },
       kPi / 2, 1e-7, u" =90°"},
      {"parallel lines", [&] { return New<CGTmVarAngleLL>(L(P(0, 0, 0), P(1, 0, 0)), L(P(0, 2, 0), P(-3, 2, 0))); }, 0, 0},
      {"a line of one point", [&] { return New<CGTmVarAngleLL>(L(P(0, 0, 0), P(0, 0, 0)), L(P(0, 2, 0), P(1, 2, 0))); }, 0, 0},
      {"line in the plane", [&] { return New<CGTmVarAngleLF>(L(P(0, 0, 0), P(1, 1, 0)), F({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}})); }, 0, 0},
      {"line upright on the plane",
       [&] { return New<CGTmVarAngleLF>(L(P(3, 3, 1), P(3, 3, 4)), F({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}})); }, kPi / 2, 1e-7, u" =90°"},
      {"line at 30 degrees to the plane",
       [&] { return New<CGTmVarAngleLF>(L(P(0, 0, 0), P(h, 0, 0.5f)), F({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}})); }, kPi / 6, 1e-7},
      {"line and collinear corners", [&] { return New<CGTmVarAngleLF>(L(P(0, 0, 0), P(0, 0, 1)), F({{0, 0, 0}, {1, 0, 0}, {2, 0, 0}})); }, 0, 0},
      {"faces at a right angle",
       [&] { return New<CGTmVarAngleFF>(F({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}), F({{0, 0, 0}, {1, 0, 0}, {0, 0, 1}})); }, kPi / 2, 1e-7},
      {"the same face twice", [&] { WORD f = F({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}); return New<CGTmVarAngleFF>(f, f); }, kPi, 1e-7},
      {"a face of collinear corners",
       [&] { return New<CGTmVarAngleFF>(F({{0, 0, 0}, {1, 0, 0}, {2, 0, 0}}), F({{0, 0, 0}, {1, 0, 0}, {0, 0, 1}})); }, 0, 0},
      {"60 degrees at O", [&] { return New<CGTmVarAngleP3>(P(1, 0, 0), P(0, 0, 0), P(0.5f, h, 0)); }, kPi / 3, 1e-7, u" =60.00°"},
      {"straight angle", [&] { return New<CGTmVarAngleP3>(P(1, 0, 0), P(0, 0, 0), P(-2, 0, 0)); }, kPi, 1e-7, u" =180°"},
      {"a leg of no length", [&] { return New<CGTmVarAngleP3>(P(0, 0, 0), P(0, 0, 0), P(-2, 0, 0)); }, 0, 0},
      {"unit square", [&] { return New<CGTmVarArea>(F({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}})); }, 1, 0, u" =1"},
      {"right triangle", [&] { return New<CGTmVarArea>(F({{0, 0, 0}, {4, 0, 0}, {0, 3, 0}})); }, 6, 0},
      {"tilted hexagon", [&] {
         return New<CGTmVarArea>(F({{2, 0, 0}, {1, h * 2, 0}, {-1, h * 2, 0}, {-2, 0, 0}, {-1, -h * 2, 0}, {1, -h * 2, 0}}));
       }, 6 * std::sqrt(3.0), 1e-5},
      {"unit tetrahedron", [&] { return New<CGTmVarVolume>(P(0, 0, 0), P(1, 0, 0), P(0, 1, 0), P(0, 0, 1)); }, 1 / 6.0, 1e-8, u" =0.17"},
      {"coplanar corners", [&] { return New<CGTmVarVolume>(P(0, 0, 0), P(1, 0, 0), P(0, 1, 0), P(1, 1, 0)); }, 0, 0, u" =0"},
  };
  for (const Row& r : rows) {
    CGTmMeasure* m = r.make();
    EXPECT_TRUE(m->m_bDefined) << r.what;
    EXPECT_NEAR(m->m_fValue, r.value, r.tolerance) << r.what;
    if (r.caption) {
      EXPECT_EQ(Caption(*m), QString::fromUtf16(r.caption)) << r.what;
    }
  }
}

TEST_F(GeometricMeasureTest, AnglesShowDegreesWhateverTheKindOtherValuesOnlyAsAngles) {
  auto* angle = New<CGTmVarAngleLL>(L(P(0, 0, 0), P(1, 0, 0)), L(P(0, 0, 0), P(0, 1, 0)));
  auto* x = New<CGTmVarCoordX>(P(4.9999995f, 0, 0));
  EXPECT_EQ(Caption(*x), QStringLiteral(" =5.00")) << "just below a whole number: the step's decimals";
  for (int kind : {0, 1, 2}) {
    angle->m_nParamA = kind;
    EXPECT_EQ(Caption(*angle), QStringLiteral(" =90°")) << kind;
  }
  x->m_nParamA = 2;
  x->m_fValue = static_cast<float>(kPi / 4);
  EXPECT_EQ(Caption(*x), QStringLiteral(" =45°"));
}

TEST_F(GeometricMeasureTest, ReversedCornersGiveTheSupplementAndVolumeIgnoresOrder) {
  const WORD a = P(0, 0, 0), b = P(2, 0, 0), c = P(0, 2, 0), d = P(0, 1, 1), e = P(1, 0, 3);
  const WORD abc = AddFace({a, b, c})->m_nId;
  const float one = New<CGTmVarAngleFF>(abc, AddFace({a, d, e})->m_nId)->m_fValue;
  const float other = New<CGTmVarAngleFF>(abc, AddFace({e, d, a})->m_nId)->m_fValue;
  EXPECT_NEAR(one + other, kPi, 1e-6);
  EXPECT_GT(std::fabs(one - other), 0.1);

  std::array<WORD, 4> corners = {P(0, 0, 0), P(1, 0, 0), P(0, 1, 0), P(0, 0, 1)};
  std::sort(corners.begin(), corners.end());
  int orders = 0;
  do {
    EXPECT_EQ(New<CGTmVarVolume>(corners[0], corners[1], corners[2], corners[3])->m_fValue, 1.0f / 6);
    ++orders;
  } while (std::next_permutation(corners.begin(), corners.end()));
  EXPECT_EQ(orders, 24);
}

}  // namespace
