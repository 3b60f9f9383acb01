// The three-view page: the fixed turns of each quadrant for the three
// orientations, where the page lands in each quadrant, the captions and
// their size rule, and the empty lower-right quadrant.
#include "view/threeview.h"

#include <GL/gl.h>

#include <cmath>

#include "renderertestsupport.h"
#include "view/toolstate.h"

namespace KAVREL_FILE_LOCAL {

struct Turn {
  float degrees, x, y, z;
  friend bool operator==(const Turn&, const Turn&) = default;
};

std::vector<Turn> TurnsOf(int quadrant, int orientation) {
  const QuadrantTurns q = ThreeViewTurns(quadrant, orientation);
  std::vector<Turn> out;
  for (int i = 0; i < q.count; ++i)
    out.push_back({q.turns[i].degrees, q.turns[i].x, q.turns[i].y, q.turns[i].z});
  return out;
}

TEST(ThreeView, TurnsByQuadrantAndOrientation) {
  const Turn downX{-90, 1, 0, 0}, halfZ{180, 0, 0, 1}, minusZ{-90, 0, 0, 1}, plusZ{90, 0, 0, 1};
  struct Case { int quadrant, orientation; std::vector<Turn> turns; };
  const Case cases[] = {
      {kQuadrantFront, 0, {downX, halfZ}},  {kQuadrantFront, 1, {downX}},
      {kQuadrantFront, 2, {downX, minusZ}}, {kQuadrantSide, 0, {downX, minusZ}},
      {kQuadrantSide, 1, {downX, plusZ}},   {kQuadrantSide, 2, {downX}},
      {kQuadrantTop, 0, {halfZ}},           {kQuadrantTop, 1, {}},
      {kQuadrantTop, 2, {minusZ}},          {kQuadrantFront, 3, {}},
      {kQuadrantAxonometric, 1, {}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TurnsOf(c.quadrant, c.orientation), c.turns) << c.quadrant << "/" << c.orientation;
}

TEST(ThreeView, QuadrantsAndTheirCaptions) {
  struct Case { int quadrant; int viewport[4]; };
  const Case cases[] = {
      {kQuadrantFront, {0, 240, 321, 240}}, {kQuadrantSide, {321, 240, 321, 240}},
      {kQuadrantTop, {0, 0, 321, 240}}, {kQuadrantAxonometric, {321, 0, 321, 240}},
  };
  for (const Case& c : cases) {
    int viewport[4];
    QuadrantViewport(c.quadrant, 643, 481, viewport);
    EXPECT_TRUE(std::equal(viewport, viewport + 4, c.viewport)) << c.quadrant;
  }
  EXPECT_TRUE(QuadrantCaptionsShown(642, 482));
  EXPECT_FALSE(QuadrantCaptionsShown(641, 482));
  EXPECT_FALSE(QuadrantCaptionsShown(642, 481));
}

class ThreeViewFrame : public RendererGlTest {
 protected:
  QSize ViewSize() const override { return {400, 300}; }
  void SetUp() override {
    RendererGlTest::SetUp();
    page->m_bThreeView = 1;
  }
  // The pixel (top row 0) of eye coordinates (x, y) in a quadrant: half
  // scale, 10 pixels per unit, about the quadrant's centre.
  static QPoint QuadrantPixel(int quadrant, float x, float y) {
    int viewport[4];
    QuadrantViewport(quadrant, 400, 300, viewport);
    const double cx = viewport[0] + viewport[2] / 2.0 + x * 10, cy = viewport[1] + viewport[3] / 2.0 + y * 10;
    return {static_cast<int>(std::floor(cx)), static_cast<int>(std::floor(300 - cy))};
  }
};

TEST_F(ThreeViewFrame, EachQuadrantShowsThePageTurned) {
  CGVertex* p = AddPoint(2, 1, 1.5f);
  p->m_fSize = 8;
  p->m_bLabelHidden = 1;
  p->m_rgbaColor = {255, 0, 0, 255};
  struct Case {
    int orientation, quadrant;
    float eyeX, eyeY;  // where (2, 1, 1.5) lands
  };
  const Case cases[] = {
      {1, kQuadrantFront, 2, 1.5f},    {1, kQuadrantSide, -1, 1.5f}, {1, kQuadrantTop, 2, 1},
      {0, kQuadrantFront, -2, 1.5f},   {0, kQuadrantSide, 1, 1.5f},  {0, kQuadrantTop, -2, -1},
      {2, kQuadrantFront, 1, 1.5f},    {2, kQuadrantSide, 2, 1.5f},  {2, kQuadrantTop, 1, -2},
      {1, kQuadrantAxonometric, 2, 1},  // the normal view, unturned here
  };
  for (const Case& c : cases) {
    page->m_nAxisOrientation = c.orientation;
    renderer.RenderScene();
    const QImage image = gl.ReadPixels();
    const QPoint at = QuadrantPixel(c.quadrant, c.eyeX, c.eyeY);
    EXPECT_TRUE(PixelNear(image, at.x(), at.y(), qRgb(255, 0, 0), 40))
        << "orientation " << c.orientation << " quadrant " << c.quadrant;
  }
}

TEST_F(ThreeViewFrame, WithoutTheAxonometricViewTheLowerRightStaysEmpty) {
  CGVertex* p = AddPoint(0, 0, 0);
  p->m_fSize = 8;
  p->m_bLabelHidden = 1;
  p->m_rgbaColor = {255, 0, 0, 255};
  page->m_bFourthQuadrant = false;
  g_nToolMode = 2;  // the pointer and its read-out would show in that quadrant
  g_viewTool.resolutionBoundary = true;
  renderer.RenderScene();
  QImage image = gl.ReadPixels();
  for (int quadrant : {kQuadrantFront, kQuadrantSide, kQuadrantTop}) {
    const QPoint at = QuadrantPixel(quadrant, 0, 0);
    EXPECT_TRUE(PixelNear(image, at.x(), at.y(), qRgb(255, 0, 0), 40)) << quadrant;
  }
  const QImage lowerRight = image.copy(200, 150, 200, 150).convertToFormat(QImage::Format_RGB32);
  QImage blank(lowerRight.size(), QImage::Format_RGB32);
  blank.fill(Qt::white);
  EXPECT_EQ(lowerRight, blank);

  const Captured drawn = CaptureFeedback([&] { renderer.RenderScene(); });
  EXPECT_EQ(drawn.points, 3) << "one point in each of three quadrants, no pointer";
  EXPECT_EQ(drawn.lines, 0) << "no boundary frames";
  EXPECT_EQ(std::make_pair(g_nViewport[0], g_nViewport[2]), std::make_pair(200, 200)) << "the lower-right stays the viewport";
}

TEST_F(ThreeViewFrame, CaptionsOnlyInLargeQuadrants) {
  struct Case {
    int width, height;
    bool fourth;
    int bitmaps;  // three characters per caption
  };
  const Case cases[] = {
      {660, 500, false, 9}, {660, 500, true, 12}, {640, 500, true, 0}, {660, 480, true, 0},
  };
  for (const Case& c : cases) {
    renderer.OnSize(c.width, c.height);
    page->m_bFourthQuadrant = c.fourth;
    const Captured drawn = CaptureFeedback([&] { renderer.RenderScene(); });
    EXPECT_EQ(drawn.bitmaps, c.bitmaps) << c.width << " x " << c.height << " fourth " << c.fourth;
  }
}

TEST_F(ThreeViewFrame, FramesStartFromTheWholeCapturedPicture) {
  std::fill_n(page->m_rgbaBackground, 3, 0.0f);
  renderer.CaptureBackground();  // a black picture, whatever the viewport left
  for (int frame = 0; frame < 2; ++frame) {
    glClearColor(0, 0, 1, 1);  // a swapped buffer holds anything
    glClear(GL_COLOR_BUFFER_BIT);
    renderer.RenderScene();
    const QImage image = gl.ReadPixels();
    for (int quadrant : {kQuadrantFront, kQuadrantSide, kQuadrantTop, kQuadrantAxonometric}) {
      const QPoint at = QuadrantPixel(quadrant, -5, -5);
      EXPECT_TRUE(PixelNear(image, at.x(), at.y(), qRgb(0, 0, 0), 8)) << frame << "/" << quadrant;
    }
  }
}

}  // namespace
