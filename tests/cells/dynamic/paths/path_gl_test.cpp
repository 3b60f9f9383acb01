// Loci and curves in the headless context at one pixel a unit: the
// polyline's pixels in the path colour and in hue colours, where the
// polyline breaks (read back through GL feedback), which draw slots draw
// each style, and the pick names.
#include <cmath>
#include <functional>
#include <numbers>

#include "../../celldrawtestsupport.h"
#include "cells/constructed/coordinatespoint.h"
#include "cells/dynamic/paths/curve.h"
#include "cells/dynamic/paths/locus.h"
#include "cells/dynamic/parameters/usercalculation.h"
#include "cells/dynamic/parameters/userparameter.h"
#include "cells/primitives/cgarc.h"
#include "cells/primitives/cgverfreeincircle.h"
#include "cells/primitives/cgverfreeinline.h"

namespace KAVREL_FILE_LOCAL {

// The line segments a draw gives, read back in feedback mode: a polyline
// of k points joined gives k - 1, and every break one fewer.
int Segments(const std::function<void()>& draw) {
  static GLfloat buffer[1 << 18];
  glFeedbackBuffer(static_cast<GLsizei>(std::size(buffer)), GL_3D, buffer);
  glRenderMode(GL_FEEDBACK);
  draw();
  const GLint count = glRenderMode(GL_RENDER);
  int segments = 0;
  for (GLint i = 0; i < count;) {
    const auto token = static_cast<GLint>(buffer[i]);
    if (token == GL_LINE_RESET_TOKEN || token == GL_LINE_TOKEN) {
      ++segments;
      i += 7;
    } else if (token == GL_PASS_THROUGH_TOKEN) {
      i += 2;
    } else {
      ADD_FAILURE() << "unexpected feedback token " << token;
      break;
    }
  }
  return segments;
}

class PathGlTest : public CellGlTest {
 protected:
  QSize ViewSize() const override { return {160, 120}; }

  WORD Put(CGCell* cell) {
    page->m_cells.SetAt(page->m_nNextId++, cell);
    return cell->m_nId;
  }
  template <class T, class... Args>
  WORD PointOf(Args... args) {
    return Put(new T(page->m_nNextId, page->m_nNextVertex++, page->GetNewName(1), args...));
  }
  // P on the circle of radius 40 about (60, 60), A = (140, 60), Q the
  // midpoint of AP: the locus of Q is the circle of radius 20 about
  // (100, 60), P's angle t giving Q at that angle.
  CGLocus* MidpointLocus() {
    const WORD circle = Put(new CGArc(page->m_nNextId, 60, 60, 0, 40, 0, 0, 0, 40, 0, 0, 0, kArcCircle));
    page->m_cells.Lookup(circle)->m_bHidden = 1;
    const WORD p = PointOf<CGVerFreeInCircle>(circle, 0.0f);
    const WORD a = Point(140, 60, 0)->m_nId;
    auto* ap = new CGLine(page->m_nNextId, a, p, kLineSegment);
    Put(ap);
    const WORD q = PointOf<CGVerFreeInLine>(ap->m_nId, 0.5f);
    auto* locus = new CGLocus(page->m_nNextId, p, q, 0, 6.2831f);
    Put(locus);
    return locus;
  }
  CGCurve* Curve(const char* x, const char* y, float t1, float step) {
    auto* curve = new CGCurve(page->m_nNextId, {}, x, y, "0", "0", QString::number(t1), step, 0, 0, {});
    Put(curve);
    return curve;
  }
  // Pixels of the colour within the ring of radii 15 to 25 about (100, 60),
  // and outside it, in the upper (y > 63) or lower (y < 57) half.
  struct Count {
    int ring = 0, outside = 0;
  };
  Count CountColour(const QImage& picture, QRgb colour, int half) const {
    Count n;
    for (int y = 0; y < 120; ++y)
      for (int x = 0; x < 160; ++x) {
        if (At(picture, x, y) != colour || (half > 0 && y <= 63) || (half < 0 && y >= 57)) continue;
        const double r = std::hypot(x + 0.5 - 100, y + 0.5 - 60);
        (r >= 15 && r <= 25 ? n.ring : n.outside)++;
      }
    return n;
  }
};

TEST_F(PathGlTest, LocusPixelsInItsColourAndInHues) {
  CGLocus* locus = MidpointLocus();
  ASSERT_TRUE(locus->m_bDefined);
  locus->Draw();
  QImage picture = gl.ReadPixels();
  const Count green = CountColour(picture, qRgb(0, 128, 0), 0);
  EXPECT_GT(green.ring, 100);
  EXPECT_EQ(green.outside, 0);

  locus->SetHueOn(true);
  locus->SampleCount = 0;
  locus->Recalculate();
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  locus->Draw();
  picture = gl.ReadPixels();
  // Past pi Q runs below its centre: hue 0.8; before it above: hue 0.15.
  const QRgb violet = qRgb(204, 0, 255), yellow = qRgb(255, 229, 0);
  EXPECT_GT(CountColour(picture, violet, -1).ring, 40);
  EXPECT_EQ(CountColour(picture, violet, +1).ring + CountColour(picture, violet, 0).outside, 0);
  EXPECT_GT(CountColour(picture, yellow, +1).ring, 40);
  EXPECT_EQ(CountColour(picture, yellow, -1).ring, 0);
  // Selected: the highlight colour, no hues.
  locus->m_bSelected = true;
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  locus->Draw();
  picture = gl.ReadPixels();
  EXPECT_GT(CountColour(picture, qRgb(255, 0, 255), 0).ring, 100);
  EXPECT_EQ(CountColour(picture, violet, 0).ring, 0);

  locus->m_bSelected = false;

  // Picked under (4, id) on the polyline, from pick mode 3 on.
  const Names names = {{4, locus->m_nId}};
  EXPECT_EQ(Pick(*locus, 3, 120, 60, 160, 120), names);
  EXPECT_EQ(Pick(*locus, 4, 100, 80, 160, 120), names);
  EXPECT_TRUE(Pick(*locus, 2, 120, 60, 160, 120).empty());
  EXPECT_TRUE(Pick(*locus, 3, 100, 60, 160, 120).empty()) << "the centre";
  locus->m_bHidden = 1;
  EXPECT_TRUE(Pick(*locus, 3, 120, 60, 160, 120).empty()) << "hidden";
}

TEST_F(PathGlTest, PolylinesBreakAtJumpsAndMissingSamples) {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(-100, 100, -100, 100, -100, 100);
  glMatrixMode(GL_MODELVIEW);
  // 10 int(t) over 0 to 3 by 0.1: 31 samples, jumps of 10 at 1, 2 and 3.
  const struct {
    const char* name;
    const char *x, *y;
    float t1;
    float breakDistance;
    int samples, segments;
  } rows[] = {
      {"jumps, break distance 0 acting as 4", "t", "10*int(t+0.05)", 3, 0, 31, 27},
      {"jumps at a break distance of 10", "t", "10*int(t+0.05)", 3, 10, 31, 27},
      {"jumps within a break distance of 11", "t", "10*int(t+0.05)", 3, 11, 31, 30},
      {"a jump of exactly the break distance", "0", "10*int(t+0.05)", 3, 10, 31, 27},
      {"1/(t-1) breaks at t = 1", "t", "1/(t-1)", 2, 1000, 21, 18},
      {"no number at all", "t", "sqrt(-1)", 3, 4, 31, 0},
  };
  for (const auto& r : rows) {
    CGCurve* curve = Curve(r.x, r.y, r.t1, 0.1f);
    curve->SetBreakDistance(r.breakDistance);
    EXPECT_EQ(curve->SampleCount, r.samples) << r.name;
    EXPECT_EQ(Segments([&] { curve->DrawPolyline(); }), r.segments) << r.name;
  }

  // A locus whose traced point exists only from t = 0.5: one line from the
  // boundary sample on (52 points); with the growing trace, only up to the
  // driver (sample 76).
  auto* t = new CGTmVarParameter(page->m_nNextId, QStringLiteral("t"), 0.75f);
  const WORD tId = Put(t);
  const WORD root = Put(new CGTmVarCalculator(page->m_nNextId, {tId}, QStringLiteral("sqrt(No1-0.5)"), {}));
  const WORD traced = PointOf<CGVerCoordinates>(std::vector<WORD>{tId, root}, 1, 2, 0, 0.0f, 0.0f, 0.0f);
  auto* locus = new CGLocus(page->m_nNextId, tId, traced, 0, 1);
  Put(locus);
  EXPECT_EQ(Segments([&] { locus->DrawPolyline(); }), 51);
  locus->m_nParamA = 1;
  locus->Recalculate();
  EXPECT_EQ(locus->DrawCount, 77);
  EXPECT_EQ(Segments([&] { locus->DrawPolyline(); }), 26);
}

TEST_F(PathGlTest, DrawSlotsByStyleAndSelection) {
  CGLocus* locus = MidpointLocus();
  CGCurve* curve = Curve("100+20*cos(t)", "60+20*sin(t)", 6.2831f, 0.1f);
  using Slot = void (CGCell::*)();
  const Slot visible = &CGCell::DrawVisibleEdges, hidden = &CGCell::DrawHiddenEdges, draw = &CGCell::Draw,
             flat = &CGCell::DrawFlat;
  const struct {
    const char* name;
    CGCell* path;
    BYTE style;
    bool selected;
    Slot slot;
    bool drawn;
  } rows[] = {
      {"locus style 0 draws on top", locus, 0, false, draw, true},
      {"locus style 0 has no edges", locus, 0, false, visible, false},
      {"locus style 2 draws visible edges", locus, 2, false, visible, true},
      {"locus style 2 draws no hidden edges", locus, 2, false, hidden, false},
      {"locus style 3 draws hidden edges", locus, 3, false, hidden, true},
      {"locus style 2 not on top", locus, 2, false, draw, false},
      {"locus style 2 selected on top", locus, 2, true, draw, true},
      {"locus style 2 selected keeps its edges", locus, 2, true, visible, true},
      {"locus flat", locus, 3, false, flat, true},
      {"curve style 0 draws on top", curve, 0, false, draw, true},
      {"curve style 3 draws hidden edges", curve, 3, false, hidden, true},
      {"curve style 3 selected has no edges", curve, 3, true, hidden, false},
      {"curve style 2 selected no visible edges", curve, 2, true, visible, false},
      {"curve style 2 selected on top", curve, 2, true, draw, true},
      {"curve flat", curve, 0, true, flat, true},
  };
  for (const auto& r : rows) {
    r.path->m_nStyle = r.style;
    r.path->m_bSelected = r.selected;
    EXPECT_EQ(Segments([&] { (r.path->*r.slot)(); }) > 0, r.drawn) << r.name;
    r.path->m_bDefined = false;
    EXPECT_EQ(Segments([&] { (r.path->*r.slot)(); }), 0) << r.name << " (undefined)";
    r.path->m_bDefined = true;
  }
  // A dashed style 1 draws with the stipple and leaves it off.
  locus->m_nStyle = 1;
  locus->m_bSelected = false;
  locus->Draw();
  EXPECT_FALSE(glIsEnabled(GL_LINE_STIPPLE));
}

}  // namespace
