// Grid and axes of the page passes: which of them the axes mode draws, the
// plane-axis spacing, and space-axis arrowheads in the standard views.
#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <tuple>

#include "math/mathglobals.h"
#include "math/quaternion.h"
#include "model/drawing/pagedraw.h"
#include "render/glresources.h"
#include "render/projection.h"
#include "view/shapelists.h"
#include "viewtestsupport.h"

namespace KAVREL_FILE_LOCAL {

TEST(PlaneAxisSteps, FollowTheZoomFactor) {
  struct Case { double zoom; int label; float tick; };
  const Case cases[] = {
      {0.0249, 200, 200}, {0.025, 100, 100}, {0.05, 50, 50}, {0.1, 20, 20}, {0.25, 10, 10},
      {0.5, 5, 5},        {0.75, 2, 2},      {1.99, 2, 2},   {2, 1, 1},     {4.99, 1, 1},
      {5, 1, 0.5f},       {14.99, 1, 0.5f},  {15, 1, 0.1f},  {100, 1, 0.1f},
  };
  for (const Case& c : cases) {
    const PlaneAxisSteps s = PlaneAxisStepsFor(c.zoom);
    EXPECT_EQ(s.label, c.label) << c.zoom;
    EXPECT_EQ(s.tick, c.tick) << c.zoom;
  }
}

// A 200 x 200 view at 0.05 units per pixel, orthographic, looking down the
// z axis unless a rotation is given.
class AxesTest : public PageGlTest {
 protected:
  void SetUp() override {
    PageGlTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    g_nViewWidth = g_nViewHeight = 200;
    g_fUnitsPerPixel = 0.05f;
    g_nShapeListBase = BuildShapeLists();
    ASSERT_NE(g_nShapeListBase, 0u);
    // The axis letters are named from an uncompiled block, so only lines
    // reach the feedback buffer.
    g_nLabelListBase = 1000;
    SetView(kQuatIdentity, 0);
  }
  void SetView(const Quaternion& q, float tx, float ty = 0) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    SetProjection(kProjOrthographic);
    SaveProjectionAndViewport();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(tx, ty, -50);
    double m[16];
    QuatToRotationMatrix(q, m);
    glMultMatrixd(m);
    g_fViewTranslate[0] = tx;
    g_fViewTranslate[1] = ty;
  }
  // The distinct colours of the lines that a full set of page passes drew.
  std::set<std::tuple<int, int, int>> LineColours() {
    const Captured c = CaptureFeedback([] { DrawPageCells(); });
    std::set<std::tuple<int, int, int>> colours;
    for (const FeedbackVertex& v : c.vertices)
      colours.insert({int(std::lround(v.rgba[0] * 255)), int(std::lround(v.rgba[1] * 255)),
                      int(std::lround(v.rgba[2] * 255))});
    return colours;
  }
};

TEST_F(AxesTest, AxesModeChoosesGridPlaneOrSpaceAxesGivenRoom) {
  using Colours = std::set<std::tuple<int, int, int>>;
  const Colours table{{64, 64, 64}};          // preference table colour
  const Colours plane{{51, 51, 51}};          // 0.8 - 0.6 of the white background
  const Colours space{{255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
  struct Case { int mode; Colours expected; };
  const Case cases[] = {
      {0, {}}, {1, space}, {2, plane},
      {3, plane},  // plane axes win over space axes
      {4, table},  // grid alone
      {5, {{64, 64, 64}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}}},
  };
  // Turned, so that no axis is seen end-on; plane axes lie in z = 0 and are
  // still seen from above.
  Quaternion q;
  QuatMultiply(QuatRotationX(-30), QuatRotationZ(-15), q);
  SetView(q, 0);
  for (const Case& c : cases) {
    g_nAxesMode = c.mode;
    EXPECT_EQ(LineColours(), c.expected) << "axes mode " << c.mode;
  }
  // The plane axes contrast with each channel of the background.
  const float magenta[4] = {1, 0, 1, 1};
  std::copy(magenta, magenta + 4, g_prefs.background.begin());
  if (g_pCurPage) std::copy(magenta, magenta + 4, g_pCurPage->m_rgbaBackground);
  g_nAxesMode = 2;
  EXPECT_EQ(LineColours(), (Colours{{51, 204, 51}})) << "on a magenta background";
  // Plane axes need more than 64 pixels each way.
  g_nAxesMode = 2;
  g_nViewWidth = 64;
  EXPECT_TRUE(LineColours().empty()) << "too narrow";
  g_nViewWidth = 200, g_nViewHeight = 64;
  EXPECT_TRUE(LineColours().empty()) << "too low";
}

TEST_F(AxesTest, PlaneAxesTickEveryStepButTheOrigin) {
  // Zoom 1: ticks and labels every 2 units; the visible half width is
  // (200 - 20) * 0.05 / 2 = 4.5 and ticks stop 1.2 units short of the end:
  // ticks at -4, -2 and 2 on each axis.
  const Captured both = CaptureFeedback([] { DrawPlaneAxes(); });
  EXPECT_EQ(both.lines, 2 * (1 + 3) + 2 * 4) << "axis + 3 ticks each, and two arrowhead outlines";
  EXPECT_EQ(both.polygons, 4) << "two filled arrowheads";
  // Level and upright through the centre of the 64-pixel view: the far ends
  // (at +-4.5 units) and the arrow tips.
  for (const FeedbackVertex& v : both.vertices) {
    if (v.x < 4 || v.x > 60) { EXPECT_NEAR(v.y, 32, 0.01) << v.x; }
    if (v.y < 4 || v.y > 60) { EXPECT_NEAR(v.x, 32, 0.01) << v.y; }
  }

  // Panned 10 units right: the y axis leaves the view, the x axis keeps
  // ticks -14 ... -8 (the limit is -5.5 - 1.2).
  SetView(kQuatIdentity, 10);
  const Captured xOnly = CaptureFeedback([] { DrawPlaneAxes(); });
  EXPECT_EQ(xOnly.lines, 1 + 4 + 4);
  EXPECT_EQ(xOnly.polygons, 2);
  SetView(kQuatIdentity, 0, 4);  // 4 up: the x axis lies within a step of the top, so it goes
  const Captured yOnly = CaptureFeedback([] { DrawPlaneAxes(); });
  EXPECT_EQ(yOnly.lines, 1 + 4 + 4);
  EXPECT_EQ(yOnly.polygons, 2);
  g_fViewScale = std::nanf("");
  const Captured none = CaptureFeedback([] { DrawPlaneAxes(); });
  EXPECT_EQ(none.lines + none.polygons, 0) << "a view state that is not finite";
}

TEST_F(AxesTest, SpaceAxesLeaveOutTheArrowheadSeenEndOn) {
  struct Case { const char* view; Quaternion rotation; int heads; };
  const Case cases[] = {
      {"top (down the z axis)", kQuatIdentity, 2},
      {"front (down the y axis)", QuatRotationX(-90), 2},
      {"left (down the x axis)", [] {
         Quaternion q;
         QuatMultiply(QuatRotationX(-90), QuatRotationZ(-90), q);
         return q;
       }(),
       2},
      {"oblique", [] {
         Quaternion q;
         QuatMultiply(QuatRotationX(-75), QuatRotationZ(-15), q);
         return q;
       }(),
       3},
  };
  g_fUnitsPerPixel = 0.2f;  // a box of +-20 units holds the axes of length 12
  for (const Case& c : cases) {
    SetView(c.rotation, 0);
    const Captured drawn = CaptureFeedback([] { DrawSpaceAxes(); });
    EXPECT_EQ(drawn.polygons, 2 * c.heads) << c.view;
    for (const FeedbackVertex& v : drawn.vertices)
      ASSERT_TRUE(std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z)) << c.view;
    EXPECT_EQ(drawn.lines, 4 * c.heads + 3) << c.view << ": outlines and the three axis lines";
    std::set<std::tuple<int, int, int>> heads;
    for (const FeedbackVertex& v : drawn.vertices)
      if (v.token == GL_POLYGON_TOKEN) heads.insert({int(v.rgba[0]), int(v.rgba[1]), int(v.rgba[2])});
    EXPECT_EQ(heads.size(), size_t(c.heads)) << c.view << ": each head in its axis colour";
  }
}

}  // namespace
