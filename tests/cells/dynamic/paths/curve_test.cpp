// The parametric curve: sample counts and guarded steps, the three
// coordinate forms, ranges from expressions and parents, hue colours,
// fractions, the nearest point to the ray, and arrays kept across
// recalculations.
#include <cmath>
#include <limits>
#include <numbers>

#include "../pathtestsupport.h"
#include "cells/constructed/paths/compoundpaths.h"

namespace KAVREL_FILE_LOCAL {

using CurveTest = PathTest;

TEST_F(CurveTest, FormsRangesAndWhenTheCurveIsUndefined) {
  const double pi = std::numbers::pi;
  const WORD two = Param(2, 0, 10, "a")->m_nId;
  const WORD undefinedValue = Param(1, 0, 10, "u")->m_nId;
  Cell(undefinedValue)->m_bDefined = false;
  const struct {
    const char* name;
    std::vector<WORD> parents;
    const char *x, *y, *z, *t0, *t1;
    float step;
    int form;
    int count;  // 0: undefined
    // The point at t = 1 (when defined).
    double at1[3];
  } rows[] = {
      {"a circle in the x-z plane", {}, "2", "t", "0", "0", "6.283185307", 0.1f, 1, 64,
       {2 * std::sin(1.0), 0, 2 * std::cos(1.0)}},
      {"a helix", {}, "1", "t", "t", "0", "6.283185307", 0.1f, 2, 64, {std::cos(1.0), std::sin(1.0), 1}},
      {"a steeper helix", {}, "3", "t", "2*t", "0", "1", 0.1f, 2, 11, {3 * std::cos(1.0), 3 * std::sin(1.0), 2}},
      {"a sphere's parallel", {}, "3", "2", "t", "0", "1", 0.1f, 1, 11,
       {3 * std::sin(2.0) * std::cos(1.0), 3 * std::sin(2.0) * std::sin(1.0), 3 * std::cos(2.0)}},
      {"Cartesian over a parent", {two}, "No1*t", "t^2", "-t", "-No1", "No1", 0.5f, 0, 10, {2, 1, -1}},
      {"an expression that does not compile counts 0", {}, "t+", "t", "(", "0", "1", 0.1f, 0, 11, {0, 1, 0}},
      {"an unknown form leaves the samples", {}, "t", "t", "t", "0", "1", 0.1f, 7, 11, {0, 0, 0}},
      {"t0 equal to t1", {}, "t", "t", "t", "1", "1", 0.1f, 0, 0, {}},
      {"t0 above t1", {}, "t", "t", "t", "2", "1", 0.1f, 0, 0, {}},
      {"a range end that does not compile", {}, "t", "t", "t", "0", "1+", 0.1f, 0, 0, {}},
      {"an infinite range end", {}, "t", "t", "t", "0", "1/0", 0.1f, 0, 0, {}},
      {"a range end in t", {}, "t", "t", "t", "t", "1", 0.1f, 0, 0, {}},
      {"an undefined parent", {undefinedValue}, "t", "t", "t", "0", "1", 0.1f, 0, 0, {}},
      {"a parent that is no value", {P(0, 0, 0)}, "t", "t", "t", "0", "1", 0.1f, 0, 0, {}},
      {"a step of 0", {}, "t", "t", "t", "0", "1", 0, 0, 0, {}},
      {"a negative step", {}, "t", "t", "t", "0", "1", -1, 0, 0, {}},
      {"a NaN step", {}, "t", "t", "t", "0", "1", std::numeric_limits<float>::quiet_NaN(), 0, 0, {}},
      {"a range wider than the doubles", {}, "t", "t", "t", "-1e308", "1e308", 1, 0, 0, {}},
      {"a tiny step is capped", {}, "t", "t", "t", "0", "1", 1e-30f, 0, kMaxPathSamples, {1, 1, 1}},
  };
  for (const auto& r : rows) {
    CGCurve* curve = Curve(r.parents, r.x, r.y, r.z, r.t0, r.t1, r.step, r.form);
    EXPECT_EQ(curve->m_bDefined, r.count > 0) << r.name;
    if (!r.count) continue;
    EXPECT_EQ(curve->SampleCount, r.count) << r.name;
    double at[3] = {0, 0, 0};
    curve->SampleAt(at, nullptr, 1);
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(at[i], r.at1[i], 1e-12) << r.name << " coordinate " << i;
    const double* last = &curve->Samples[3 * (r.count - 1)];
    double atEnd[3] = {0, 0, 0};
    curve->SampleAt(atEnd, nullptr, curve->ParamEnd);
    EXPECT_TRUE(last[0] == atEnd[0] && last[1] == atEnd[1] && last[2] == atEnd[2]) << r.name << ": ends at t1";
  }
  // Every sample of the spherical circle lies 2 from the origin in y = 0.
  CGCurve* circle = Curve({}, "2", "t", "0", "0", "2*pi", 0.1f, 1);
  for (int i = 0; i < circle->SampleCount; ++i) {
    ASSERT_NEAR(Distance(&circle->Samples[3 * i], 0, 0, 0), 2, 1e-12) << i;
    ASSERT_EQ(circle->Samples[3 * i + 1], 0) << i;
  }
  EXPECT_EQ(circle->m_strName, QStringLiteral("t"));
  EXPECT_TRUE(circle->ParamStart == 0 && circle->ParamEnd == 2 * pi);

  // Fractions: 0 to 1 along the range; outside it the point at t1.
  CGCurve* line = Curve({}, "t", "0", "0", "-1", "3");
  for (auto [f, x] : {std::pair{0.0, -1.0}, {0.25, 0.0}, {1.0, 3.0}, {1.5, 3.0}, {-0.5, 3.0}}) {
    double at[3];
    line->SampleAtFraction(at, f);
    EXPECT_EQ(at[0], x) << f;
  }
}

TEST_F(CurveTest, ParentsDriveTheRangeAndTheArraysAreKept) {
  // n = trunc(|t1 - t0| / step + 2) in double: 1 / 0.1f is just below 10.
  EXPECT_EQ(Curve({}, "t", "0", "0", "0", "1")->SampleCount, 11);
  CGTmVarParameter* a = Param(1.04f, 0, 10, "a");
  CGCurve* curve = Curve({a->m_nId}, "t", "No1", "0", "0", "No1", 0.1f, 0, 1, "t/No1");
  curve->m_rgbaColor.a = 90;
  ASSERT_EQ(curve->SampleCount, 12);
  const double* samples = curve->Samples.data();
  const BYTE* colours = curve->SampleColors.data();
  a->m_fValue = 1.05f;  // still 12 samples: the same arrays
  curve->Recalculate();
  EXPECT_TRUE(curve->SampleCount == 12 && curve->Samples.data() == samples && curve->SampleColors.data() == colours);
  EXPECT_EQ(curve->Samples[3 * 11], 1.05f);
  EXPECT_EQ(curve->Samples[3 * 5 + 1], 1.05f);
  a->m_fValue = 3;
  curve->Recalculate();
  EXPECT_EQ(curve->SampleCount, 31);
  EXPECT_EQ(curve->Samples.size(), 3u * 32);
  EXPECT_EQ(curve->SampleColors.size(), 4u * 31 + 3);
  // Hue t / No1: 0 at t0, 0.5 half way; alpha the curve's.
  EXPECT_EQ(ColourOf(curve->SampleColors, 0), HueBytes(0, 90));
  EXPECT_EQ(ColourOf(curve->SampleColors, 30), HueBytes(0, 90));
  BYTE colour[4];
  double at[3];
  curve->SampleAt(at, colour, 1.5);
  EXPECT_EQ((std::array<BYTE, 4>{colour[0], colour[1], colour[2], colour[3]}), HueBytes(0.5));
}

TEST_F(CurveTest, HueOfTheDefaultExpression) {
  CGCurve* curve = Curve({}, "t", "0", "0", "0", "6.3", 0.1f, 0, 1, "hv(Pi-t)*0.15+hv(t-Pi)*0.8");
  const struct {
    double t, hue;
  } rows[] = {{1, 0.15}, {std::numbers::pi, 0.475}, {4, 0.8}};
  for (const auto& r : rows) {
    BYTE colour[4];
    double at[3];
    curve->SampleAt(at, colour, r.t);
    EXPECT_EQ((std::array<BYTE, 4>{colour[0], colour[1], colour[2], colour[3]}), HueBytes(r.hue)) << r.t;
  }
  CGCurve* failing = Curve({}, "t", "0", "0", "0", "1", 0.1f, 0, 1, "t*");
  EXPECT_EQ(ColourOf(failing->SampleColors, 3), (std::array<BYTE, 4>{255, 0, 0, 255}));
}

TEST_F(CurveTest, NearestToRay) {
  // The circle of radius 2 about the origin in z = 0, from t = 0 to 2 pi.
  CGCurve* circle = Curve({}, "2*cos(t)", "2*sin(t)", "0", "0", "2*pi");
  RayDownZ(3 * std::cos(1.0), 3 * std::sin(1.0));
  float at[3];
  double t = 0, distance = 0;
  for (int mode : {0, 1}) {
    ASSERT_TRUE(circle->NearestToRay(at, &t, &distance, mode));
    EXPECT_NEAR(t, mode == 1 ? 1 / (2 * std::numbers::pi) : 1.0, 1e-3) << mode;
    EXPECT_NEAR(distance, 1, 1e-5) << mode;
    EXPECT_NEAR(Distance(at, 2 * std::cos(1.0), 2 * std::sin(1.0), 0), 0, 1e-3) << mode;
  }
  CGCurve undefined;
  EXPECT_FALSE(undefined.NearestToRay(at, &t, &distance, 0)) << "no samples";
  EXPECT_TRUE(at[0] == 1e38f && at[1] == 0 && t == 0 && distance == 1e38);
}

// Fills the stack the next calls will use with a number that is no
// coordinate here, so that a buffer left unset shows.
[[gnu::noinline]] void DirtyTheStack() {
  volatile double junk[512];
  for (auto& d : junk) d = 12345;
}

// A form the curve does not know leaves SampleAt's output as it is: the
// point nearest to the ray and a border point on the curve then stand at the
// origin, whatever the memory held before.
TEST_F(CurveTest, AnUnknownFormPlacesItsPointsAtTheOrigin) {
  CGCurve* curve = Curve({}, "t", "t", "t", "0", "1", 0.1f, 7);
  RayDownZ(0.5, 0.5);
  float at[3] = {9, 9, 9};
  double t = 0, distance = 0;
  DirtyTheStack();
  curve->NearestToRay(at, &t, &distance, 0);
  EXPECT_TRUE(at[0] == 0 && at[1] == 0 && at[2] == 0) << at[0] << " " << at[1] << " " << at[2];
  DirtyTheStack();
  const WORD onBorder = Put(new CGVerInBorder(page->m_nNextId, page->m_nNextVertex++, page->GetNewName(1),
                                              {curve->m_nId}, 0, 0.5f));
  const auto* point = Cell<CGVertex>(onBorder);
  EXPECT_TRUE(point->m_vPos[0] == 0 && point->m_vPos[1] == 0 && point->m_vPos[2] == 0);
}

}  // namespace
