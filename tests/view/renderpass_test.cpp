// The frame of the normal view: the page's own background colour, frames
// that start from the captured trace picture, and the overlays of the
// tools (pointer, read-outs, guides, previews, boxes, ink, frames), seen
// through GL feedback.
#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "commands/commandglobals.h"
#include "math/mathglobals.h"
#include "render/glrelease.h"
#include "renderertestsupport.h"
#include "view/backgroundbuffer.h"
#include "view/readouts.h"
#include "view/toolstate.h"

namespace KAVREL_FILE_LOCAL {

class RenderPass : public RendererGlTest {
 protected:
  QSize ViewSize() const override { return {200, 150}; }
  static QPoint PixelOf(float x, float y) {
    return {static_cast<int>(std::lround(100 + x / 0.05f)), static_cast<int>(std::lround(75 - y / 0.05f))};
  }
  CGVertex* Dot(float x, float y, RGBA colour) {
    CGVertex* p = AddPoint(x, y, 0);
    p->m_rgbaColor = colour;
    p->m_fSize = 8;
    p->m_bLabelHidden = 1;
    return p;
  }
  Captured Frame() {
    return CaptureFeedback([this] { renderer.RenderScene(); });
  }
  static void Set(double target[3], double x, double y, double z) {
    target[0] = x;
    target[1] = y;
    target[2] = z;
  }
};

TEST_F(RenderPass, ClearsToThePagesBackground) {
  g_prefs.background = {1, 1, 1, 1};
  const float dark[4] = {0.0f, 0.2f, 0.4f, 1.0f};
  std::copy_n(dark, 4, page->m_rgbaBackground);
  renderer.RenderScene();
  EXPECT_TRUE(PixelNear(gl.ReadPixels(), 5, 5, qRgb(0, 51, 102)));
}

TEST_F(RenderPass, FramesStartFromTheCapturedTracesUntilMarkedDirty) {
  CGVertex* p = Dot(-2, 1, {255, 0, 0, 255});
  page->m_traceList = {p->m_nId};
  const GLuint doomed = glGenLists(1);
  ReleaseGlLists(doomed, 1, GlGeneration());
  renderer.CaptureBackground();
  EXPECT_EQ(g_bBackgroundDirty, 0);
  EXPECT_FALSE(glIsList(doomed)) << "the release queue is drained first";
  // The point moves on; the next capture adds its new place to the picture.
  p->m_vPos[0] = 2;
  p->ApplyParameter();
  renderer.CaptureBackground();
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)) << "the capture keeps its matrices balanced";
  p->m_bHidden = 1;  // the frames themselves no longer draw it
  for (int frame = 0; frame < 2; ++frame) {
    renderer.RenderScene();
    const QImage image = gl.ReadPixels();
    for (float x : {-2.0f, 2.0f})
      EXPECT_TRUE(PixelNear(image, PixelOf(x, 1).x(), PixelOf(x, 1).y(), qRgb(255, 0, 0), 8))
          << frame << " " << x;
  }
  g_bBackgroundDirty = 1;
  renderer.RenderScene();
  EXPECT_TRUE(PixelNear(gl.ReadPixels(), PixelOf(2, 1).x(), PixelOf(2, 1).y(), qRgb(255, 255, 255)));
}

TEST_F(RenderPass, PointerAndReadOutOfTheConstructionTools) {
  g_nToolMode = 2;
  Set(g_viewTool.pointer, 1, 2.5, 3);
  Captured drawn = Frame();
  EXPECT_EQ(std::make_tuple(drawn.points, drawn.bitmaps, drawn.lines), std::make_tuple(1, 13, 0)) << "( 1, 2.5, 3 )";
  ASSERT_FALSE(drawn.vertices.empty());
  EXPECT_NEAR(drawn.vertices[0].x, 120, 0.01) << "P itself";
  EXPECT_NEAR(drawn.vertices[0].y, 125, 0.01);
  EXPECT_NEAR(drawn.vertices[0].rgba[0], 1, 0.01) << "in the highlight colour";
  EXPECT_NEAR(drawn.vertices[0].rgba[1], 0, 0.01);
  EXPECT_NEAR(drawn.vertices[1].x, 124, 0.01) << "read-out 4 pixels right of P";

  g_viewTool.coordinateLines = true;
  drawn = Frame();
  EXPECT_EQ(drawn.lines, 12) << "two dashed strips of 7 and 2 segments, three solid lines";

  // The select tool shows the long read-out only while it drags a point.
  g_nToolMode = 1;
  EXPECT_EQ(Frame().bitmaps, 0);
  g_viewTool.pointDragged = true;
  drawn = Frame();
  EXPECT_EQ(drawn.bitmaps, 16) << "   ( 1, 2.5, 3 )";
  const auto text = std::find_if(drawn.vertices.begin(), drawn.vertices.end(),
                                 [](const FeedbackVertex& v) { return v.token == GL_BITMAP_TOKEN; });
  ASSERT_NE(text, drawn.vertices.end());
  EXPECT_NEAR(text->x, 124, 0.01) << "4 pixels right of P";
  EXPECT_NEAR(text->y, 131, 0.01) << "and 6 above it";
  EXPECT_EQ(drawn.points, 0);
  g_viewTool.coordinateLines = false;
  EXPECT_EQ(Frame().bitmaps, 0);
}

TEST_F(RenderPass, LinePreviews) {
  g_nToolMode = 3;
  g_viewTool.step = 2;
  Set(g_viewTool.anchor1, 0, 0, 0);
  struct Case { int lineType; double p[3]; int lines; };
  const Case cases[] = {
      {kLineToolSegment, {1, 1, 0}, 1}, {kLineToolVector, {1, 1, 0}, 1},
      {kLineToolRay, {1, 1, 0}, 1},     {kLineToolStraight, {1, 1, 0}, 2},
      {kLineToolRay, {0, 0, 0}, 0},     {kLineToolStraight, {0.01, 0.01, 0.01}, 0},  // no direction yet
      {kLineToolSegment, {0, 0, 0}, 1},
  };
  for (const Case& c : cases) {
    g_nLineType = c.lineType;
    Set(g_viewTool.pointer, c.p[0], c.p[1], c.p[2]);
    const Captured drawn = Frame();
    EXPECT_EQ(drawn.lines, c.lines) << "type " << c.lineType << " P " << c.p[0];
    if (c.lineType == kLineToolRay && c.lines == 1) {
      EXPECT_NEAR(drawn.vertices.back().y, 150, 0.01) << "a ray reaches the window's edge";
    }
  }
}

TEST_F(RenderPass, CirclePreviews) {
  g_nToolMode = 5;
  g_viewTool.step = 4;
  Set(g_viewTool.anchor1, 0, 0, 0);
  struct Case { const char* what; double a2[3], p[3]; int lines; };
  const Case cases[] = {
      {"all at A1: nothing", {0, 0, 0}, {0, 0, 0}, 0},
      {"A2 at A1: no radius, no circle", {0, 0, 0}, {1, 0, 0}, 0},
      {"P on the line A1A2: no plane", {2, 0, 0}, {-3, 0, 0}, 0},
      {"A2 off the x axis", {0, 2, 0}, {1, 1, 0}, 60},
      {"the circle through A2 in the plane of P", {2, 0, 0}, {1, 1, 0}, 60},
  };
  for (const Case& c : cases) {
    Set(g_viewTool.anchor2, c.a2[0], c.a2[1], c.a2[2]);
    Set(g_viewTool.pointer, c.p[0], c.p[1], c.p[2]);
    const Captured drawn = Frame();
    EXPECT_EQ(drawn.lines, c.lines) << c.what;
    EXPECT_EQ(drawn.bitmaps, FormatCoordinateReadout(c.p[0], c.p[1], c.p[2], false).size() + 5)
        << c.what << ": the read-out and the five-character hint";
  }
  // Radius |A2 - A1| = 2 (40 pixels) about A1 at the window centre.
  const Captured drawn = Frame();
  for (const FeedbackVertex& v : drawn.vertices)
    if (v.rgba[1] > 0.4f && v.rgba[0] < 0.1f) {  // the arc colour
      EXPECT_NEAR(std::hypot(v.x - 100, v.y - 75), 40, 0.01);
    }

  // Steps 2 and 3: the horizontal circle about A1 through P.
  g_viewTool.step = 2;
  Set(g_viewTool.pointer, 0, 0, 4);
  EXPECT_EQ(Frame().lines, 0) << "P straight above A1";
  Set(g_viewTool.pointer, 1, 0, 4);
  EXPECT_EQ(Frame().lines, 60);
}

TEST_F(RenderPass, PolygonPreview) {
  g_nToolMode = 4;
  g_viewTool.step = 8;
  Set(g_viewTool.anchor1, 0, 0, 0);
  Set(g_viewTool.anchor2, 2, 0, 0);
  Set(g_viewTool.anchor3, 2, 2, 0);
  g_viewTool.furtherCorners.push_back({{1, 3, 0}, 0, 0});
  Set(g_viewTool.pointer, 0, 2, 0);
  const Captured drawn = Frame();
  // Four corners and P, the open outline through P, the closed polygon in triangles.
  EXPECT_EQ(std::make_tuple(drawn.points, drawn.lines, drawn.polygons), std::make_tuple(5, 4, 3));
}

TEST_F(RenderPass, BoxesInkAndFrames) {
  g_nToolMode = 7;
  g_viewTool.step = 1;
  g_viewTool.boxStart[0] = 20, g_viewTool.boxStart[1] = 30;
  g_viewTool.boxCorner[0] = 120, g_viewTool.boxCorner[1] = 100;
  Captured drawn = Frame();
  ASSERT_EQ(drawn.lines, 4);
  float minX = 1e9f, maxX = -1e9f, minY = 1e9f, maxY = -1e9f;
  for (const FeedbackVertex& v : drawn.vertices) {
    minX = std::min(minX, v.x), maxX = std::max(maxX, v.x);
    minY = std::min(minY, v.y), maxY = std::max(maxY, v.y);
  }
  EXPECT_NEAR(minX, 20, 0.01);
  EXPECT_NEAR(maxX, 120, 0.01);
  EXPECT_NEAR(minY, 50, 0.01) << "window rows count up";
  EXPECT_NEAR(maxY, 120, 0.01);
  EXPECT_EQ(drawn.bitmaps, 0);
  EXPECT_NEAR(drawn.vertices[0].rgba[0], 0, 0.01) << "the white background inverted";

  // A copy box of a click: the last box size, with its size text.
  g_nToolMode = 8;
  g_viewTool.boxCorner[0] = 21, g_viewTool.boxCorner[1] = 31;
  g_viewTool.lastBoxSize[0] = 50, g_viewTool.lastBoxSize[1] = 40;
  drawn = Frame();
  EXPECT_EQ(drawn.bitmaps, 10) << "( 50 * 40)";
  g_viewTool.boxCorner[1] = 32;  // two rows are a drag
  EXPECT_EQ(Frame().bitmaps, 8) << "( 1 * 2)";
  g_nToolMode = 7;  // box selection never takes the last size
  g_viewTool.boxCorner[1] = 31;
  drawn = Frame();
  EXPECT_NEAR(drawn.vertices[1].x - drawn.vertices[0].x, 1, 0.01);
  g_nToolMode = 8;
  g_viewTool.step = 0;
  EXPECT_EQ(Frame().lines, 0);

  // Ink in progress needs two points.
  g_nToolMode = 9;
  g_viewTool.inkPoints = {0, 0, -50};
  EXPECT_EQ(Frame().lines, 0);
  g_viewTool.inkPoints.insert(g_viewTool.inkPoints.end(), {1, 1, -50, 2, 0, -50});
  EXPECT_EQ(Frame().lines, 2);

  // The page frame replaces the box and ink; the boundaries and strokes add.
  renderer.OnSize(1100, 800);  // room for the boundaries
  g_viewTool.pageFrame = true;
  g_viewTool.resolutionBoundary = true;
  int strokes = 0;
  struct CountedStroke : CStroke {
    explicit CountedStroke(int& count) : m_count(count) {}
    void Draw() override { ++m_count; }
    int& m_count;
  };
  for (int i = 0; i < 2; ++i) g_viewTool.finishedStrokes.push_back(std::make_unique<CountedStroke>(strokes));
  drawn = Frame();
  EXPECT_EQ(drawn.lines, 4 + 8);
  EXPECT_EQ(strokes, 2);
  bool boundary = false;
  for (const FeedbackVertex& v : drawn.vertices) boundary = boundary || std::fabs(v.x - (550 + 512)) < 0.01f;
  EXPECT_TRUE(boundary) << "the 1024-pixel boundary, half of it right of the centre";
}

}  // namespace
