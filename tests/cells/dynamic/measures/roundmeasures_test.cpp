// What the circle and round-solid measurements give, by kind of circle and
// by solid, and the circular segment's own area.
#include <cmath>
#include <numbers>

#include "../measuretestsupport.h"

namespace KAVREL_FILE_LOCAL {

constexpr double kPi = std::numbers::pi;
constexpr float kQuarter = std::numbers::pi_v<float> / 2;

class RoundMeasureTest : public MeasureTest {};

TEST_F(RoundMeasureTest, CirclesByKind) {
  struct Row { const char* what; BYTE kind; float start, end; double radius, area, length; };
  const Row rows[] = {
      {"circle", kArcCircle, 0, kArcFullTurn, 2, 4 * kPi, 4 * kPi},
      {"disc", kArcDisc, 0, kArcFullTurn, 2, 4 * kPi, 4 * kPi},
      {"circle with a range", kArcCircle, 0, kQuarter, 2, 4 * kPi, 4 * kPi},
      {"quarter arc", kArcArc, 0, kQuarter, 2, kPi, kPi},
      {"quarter sector", kArcSector, 1, 1 + kQuarter, 2, kPi, kPi},
      {"quarter segment: sector less triangle", kArcSegment, 0, kQuarter, 2, 2 * (kPi / 2 - 1), kPi},
      {"three-quarter segment: sector and triangle", kArcSegment, 0, 3 * kQuarter, 2, 2 * (3 * kPi / 2 + 1), 3 * kPi},
      {"whole segment: the disc", kArcSegment, 0, kArcFullTurn, 2, 4 * kPi, 4 * kPi},
  };
  for (const Row& r : rows) {
    const WORD c = Arc(2, r.kind, r.start, r.end);
    EXPECT_NEAR(New<CGTmVarRadius>(c)->m_fValue, r.radius, 1e-6) << r.what;
    EXPECT_NEAR(New<CGTmVarAreaCircle>(c)->m_fValue, r.area, 2e-6) << r.what;
    EXPECT_NEAR(New<CGTmVarLenArc>(c)->m_fValue, r.length, 2e-6) << r.what;
  }
  EXPECT_EQ(Caption(*New<CGTmVarAreaCircle>(Arc(2, kArcSegment, 0, kQuarter))), QStringLiteral(" =1.14"));
  // In a tilted plane the radius is the whole length of u.
  const WORD tilted = Put(new CGArc(page->m_nNextId, 0, 0, 0, 0, 1.2f, 1.6f, -2, 0, 0, 0, kArcFullTurn, kArcCircle));
  EXPECT_NEAR(New<CGTmVarRadius>(tilted)->m_fValue, 2, 1e-6);
}

TEST_F(RoundMeasureTest, SolidsAreaAndVolume) {
  struct Row {
    const char* what;
    std::function<CGTmMeasure*()> area, volume;
    double areaValue, volumeValue;
  };
  const WORD cylinder = Solid<CGCylinder>(1, 2, 0, 0, 1), cone = Solid<CGCone>(3, 4, 0, 0, 1);
  const WORD sphere = Solid<CGSphere>(3, 0, 0, 1);
  const auto frustum = [&](float k) { return Solid<CGFrustum>(2, 3, 0, 0, 1, k); };
  const WORD half = frustum(0.5f), whole = frustum(1), none = frustum(0);
  // The slant of R 2, k 0.5, h 3 is sqrt(10).
  const double slant = std::sqrt(10.0);
  const Row rows[] = {
      {"cylinder r 1 h 2", Make<CGTmVarAreaCylinder>(cylinder), Make<CGTmVarVolumeCylinder>(cylinder), 6 * kPi, 2 * kPi},
      {"cone r 3 h 4", Make<CGTmVarAreaCone>(cone), Make<CGTmVarVolumeCone>(cone), 24 * kPi, 12 * kPi},
      {"frustum R 2 k 0.5 h 3", Make<CGTmVarAreaFrustum>(half), Make<CGTmVarVolumeFrustum>(half),
       slant * 1.5 * 2 * kPi + 1.25 * 4 * kPi, 7 * kPi},
      {"frustum k 1: the cylinder", Make<CGTmVarAreaFrustum>(whole), Make<CGTmVarVolumeFrustum>(whole),
       2 * 2 * kPi * 3 + 2 * 4 * kPi, 12 * kPi},
      {"frustum k 0: the cone", Make<CGTmVarAreaFrustum>(none), Make<CGTmVarVolumeFrustum>(none),
       std::sqrt(13.0) * 2 * kPi + 4 * kPi, 4 * kPi},
      {"sphere r 3", Make<CGTmVarAreaSphere>(sphere), Make<CGTmVarVolumeSphere>(sphere), 36 * kPi, 36 * kPi},
  };
  for (const Row& r : rows) {
    EXPECT_NEAR(r.area()->m_fValue, r.areaValue, 1e-5) << r.what;
    EXPECT_NEAR(r.volume()->m_fValue, r.volumeValue, 1e-5) << r.what;
  }
  EXPECT_EQ(Caption(*Make<CGTmVarVolumeFrustum>(half)()), QStringLiteral(" =21.99"));
  // A solid of another kind is no parent: a cone is not a cylinder.
  EXPECT_FALSE(New<CGTmVarVolumeCylinder>(cone)->m_bDefined);
  EXPECT_FALSE(New<CGTmVarAreaFrustum>(cylinder)->m_bDefined);
}

}  // namespace
