// The view's block of shape display lists: where the blocks land in a fresh
// context, and what the lists draw (read back through GL feedback).
#include <GL/gl.h>

#include "render/glresources.h"
#include "view/shapelists.h"
#include "view/viewrenderer.h"
#include "viewtestsupport.h"

namespace KAVREL_FILE_LOCAL {

class ShapeLists : public PageGlTest {
 protected:
  void SetUp() override {
    PageGlTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    g_strProgramFolder = PictureFolder();
    ASSERT_TRUE(renderer.InitOpenGL());
    // Everything within +-32 of the origin is in view, seen from +z.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-32, 32, -32, 32, -100, 100);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
  }
  static Captured List(GLuint offset) {
    return CaptureFeedback([offset] { glCallList(g_nShapeListBase + offset); });
  }
  CViewRenderer renderer;
};

TEST_F(ShapeLists, BlocksTakeTheFirstListNamesOfAFreshContextUntilReleased) {
  // Plain ASCII read-outs call the text font's lists by character code, so
  // the blocks must be 1-31, 32-127 and 128-223.
  EXPECT_EQ(std::make_tuple(g_nShapeListBase, g_nTextListBase, g_nLabelListBase), std::make_tuple(1u, 32u, 128u));
  for (GLuint i = 0; i < kShapeListCount; ++i) EXPECT_TRUE(glIsList(g_nShapeListBase + i)) << i;
  renderer.Release();
  EXPECT_FALSE(glIsList(1) || glIsList(30) || glIsList(31 + kAsciiListCount));
  EXPECT_EQ(g_nShapeListBase, 0u);
  EXPECT_FALSE(renderer.IsInitialised());
}

TEST_F(ShapeLists, ListsDrawTheirShapes) {
  struct Case { GLuint offset; int points, lines, polygons; };
  const Case cases[] = {
      {kListUnitCircle, 0, 63, 0},       // a closed loop through 63 points
      {kListArrowHead, 0, 12, 8},        // 8 facets, outlined as 4 triangles of lines
      {kListColourSolid, 0, 0, 2 * 12 * (3 + 5 + 3)},  // quad strips of 12 quads, 2 triangles each
      {kListGrid, 0, 50, 0},
  };
  for (const Case& c : cases) {
    const Captured drawn = List(c.offset);
    EXPECT_EQ(drawn.points, c.points) << "list " << c.offset;
    EXPECT_EQ(drawn.lines, c.lines) << "list " << c.offset;
    EXPECT_EQ(drawn.polygons, c.polygons) << "list " << c.offset;
  }
}

TEST_F(ShapeLists, UnitCircleRunsAroundTheOrigin) {
  glScalef(20, 20, 1);  // 20 pixels per unit
  const Captured circle = List(kListUnitCircle);
  ASSERT_EQ(circle.vertices.size(), 126u);
  for (const FeedbackVertex& v : circle.vertices)
    EXPECT_NEAR(std::hypot(v.x - 32, v.y - 32), 20, 0.01) << v.x << ", " << v.y;
}

TEST_F(ShapeLists, ReservedListsAreEmptyAndShapesAreNot) {
  for (GLuint offset : {5u, 6u, 7u, 8u, 9u, 15u, 20u, 25u, 30u}) {
    const Captured drawn = List(offset);
    EXPECT_EQ(drawn.points + drawn.lines + drawn.polygons + drawn.bitmaps, 0) << "list " << offset;
  }
  glScalef(10, 10, 10);
  for (GLuint offset : {kListDisk, kListSphere, kListCylinder, kListCone}) {
    const Captured drawn = List(offset);
    EXPECT_GT(drawn.polygons, 0) << "filled list " << offset;
    EXPECT_EQ(drawn.lines, 0) << "filled list " << offset;
  }
  for (GLuint offset : {kListWireCylinder, kListWireSphere, kListWireDisk, kListWireCylinderSide, kListWireCone}) {
    const Captured drawn = List(offset);
    EXPECT_GT(drawn.lines, 0) << "wire list " << offset;
    EXPECT_EQ(drawn.polygons, 0) << "wire list " << offset;
  }
  glLoadIdentity();
  glScalef(2, 2, 2);
  const Captured gizmo = List(kListAxesGizmo);
  EXPECT_EQ(gizmo.polygons, 3 * 8) << "three arrowheads";
  EXPECT_EQ(gizmo.lines, 3 * 12 + 3) << "their outlines and the three axes";
  // Each head points out along its own axis, its tip 24 pixels from the
  // centre, no wider than its ring (0.4 pixels): x red, y green, z blue end-on.
  for (const FeedbackVertex& v : gizmo.vertices) {
    if (v.token != GL_POLYGON_TOKEN) continue;
    const float dx = v.x - 32, dy = v.y - 32;
    const int axis = v.rgba[0] > 0.5f ? 0 : v.rgba[1] > 0.5f ? 1 : 2;
    EXPECT_FLOAT_EQ(v.rgba[0] + v.rgba[1] + v.rgba[2], 1) << "a pure axis colour";
    EXPECT_LT(axis == 0 ? std::fabs(dy) : axis == 1 ? std::fabs(dx) : std::hypot(dx, dy), 0.45f) << axis;
    if (axis < 2) { EXPECT_GT(axis == 0 ? dx : dy, 21) << axis; }
  }
}

TEST_F(ShapeLists, ColourSolidIsColouredByHue) {
  glScalef(2, 2, 2);
  const Captured solid = List(kListColourSolid);
  ASSERT_FALSE(solid.vertices.empty());
  // The centre of the middle layer: saturation 0, lightness 0.5.
  bool sawGrey = false, sawRed = false;
  for (const FeedbackVertex& v : solid.vertices) {
    if (std::fabs(v.x - 32) < 0.01 && std::fabs(v.y - 32) < 0.01 && std::fabs(v.rgba[0] - 0.5f) < 0.01 &&
        std::fabs(v.rgba[1] - 0.5f) < 0.01)
      sawGrey = true;
    if (v.rgba[0] > 0.99f && v.rgba[1] < 0.01f && v.rgba[2] < 0.01f) sawRed = true;
  }
  EXPECT_TRUE(sawGrey);
  EXPECT_TRUE(sawRed) << "hue 0 at full saturation and lightness 0.5";
}

}  // namespace
