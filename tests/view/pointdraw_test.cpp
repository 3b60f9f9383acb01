// How a plain point draws itself in each pass: point sizes and colours, the
// passes each style draws in, the lit ball, hidden and undefined points,
// and picking by point and by label.
#include <GL/gl.h>

#include <functional>
#include <string>
#include <vector>

#include "model/vertexarray.h"
#include "render/glresources.h"
#include "view/shapelists.h"
#include "viewtestsupport.h"

namespace KAVREL_FILE_LOCAL {

class PointDraw : public PageGlTest {
 protected:
  void SetUp() override {
    PageGlTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    g_nShapeListBase = BuildShapeLists();
    point = AddPoint(3, 4, 0);
    point->m_bLabelHidden = 1;
  }
  CGVertex* point = nullptr;
};

TEST_F(PointDraw, SizeAndColourFollowTheState) {
  point->m_rgbaColor = RGBA{200, 100, 50, 255};
  point->m_rgbaLabel = RGBA{10, 20, 30, 255};
  point->m_nLabelMode = 1;
  const std::array<int, 3> own{200, 100, 50}, highlight{255, 0, 255};
  struct { float size; bool selected, hovered; BOOL ownColours; bool label; float drawn; std::array<int, 3> colour; }
      cases[] = {
          {6, false, false, 1, false, 6, own},
          {6, true, false, 1, false, 9, highlight},  // selected points grow by 3 up to 20
          {16, true, false, 1, false, 19, highlight}, {17, true, false, 1, false, 20, highlight},
          {25, true, false, 1, false, 20, highlight},
          {6, true, true, 1, false, 9, highlight},          // selection wins over the mouse
          {6, false, true, 1, false, 6, {55, 155, 205}},    // under the mouse: inverted
          {6, true, false, 0, false, 6, {128, 128, 128}},   // without own colours: the caller's colour
          {6, false, false, 0, true, 6, {10, 20, 30}},      // but the label's colour all the same
      };
  for (const auto& c : cases) {
    point->m_fSize = c.size;
    point->m_bSelected = c.selected;
    point->m_bHovered = c.hovered;
    point->m_bLabelHidden = !c.label;
    g_bOwnColors = c.ownColours;
    glPointSize(1);
    glColor3f(0.5f, 0.5f, 0.5f);
    point->Draw();
    float size = 0, rgba[4];
    glGetFloatv(GL_POINT_SIZE, &size);
    glGetFloatv(GL_CURRENT_COLOR, rgba);
    const std::string row = "size " + std::to_string(c.size) + (c.selected ? " selected" : "") +
                            (c.hovered ? " hovered" : "") + (c.ownColours ? " own colours" : "") + (c.label ? " label" : "");
    EXPECT_EQ(size, c.drawn) << row;
    EXPECT_EQ((std::array<int, 3>{int(std::lround(rgba[0] * 255)), int(std::lround(rgba[1] * 255)),
                                  int(std::lround(rgba[2] * 255))}),
              c.colour)
        << row;
  }
}

// Which operations draw the point itself (a GL point) or the ball.
TEST_F(PointDraw, EachStyleDrawsInItsOwnPass) {
  struct Op {
    const char* name;
    std::function<void(CGVertex&)> call;
  };
  const Op ops[] = {
      {"Draw", [](CGVertex& p) { p.Draw(); }},
      {"DrawVisibleEdges", [](CGVertex& p) { p.DrawVisibleEdges(); }},
      {"DrawLit", [](CGVertex& p) { p.DrawLit(); }},
      {"DrawLitLate", [](CGVertex& p) { p.DrawLitLate(TRUE); }},
      {"DrawFlat", [](CGVertex& p) { p.DrawFlat(); }}, {"DrawFill", [](CGVertex& p) { p.DrawFill(); }},
      {"DrawHiddenEdges", [](CGVertex& p) { p.DrawHiddenEdges(); }},
      {"DrawTranslucent", [](CGVertex& p) { p.DrawTranslucent(); }},
      {"DrawDepthOnly", [](CGVertex& p) { p.DrawDepthOnly(); }},
  };
  struct Case {
    BYTE style;
    std::string points;  // ops that drew one GL point, by initial
    std::string balls;   // ops that drew the sphere
  };
  // D Draw, V DrawVisibleEdges, L DrawLit, T DrawLitLate, F DrawFlat
  const Case cases[] = {
      {0, "DF", ""}, {1, "VF", ""}, {2, "F", ""}, {3, "F", ""}, {4, "F", "LT"}, {5, "F", "LT"}, {9, "F", "LT"},
  };
  const char initials[] = "DVLTFfhtd";
  for (const Case& c : cases) {
    point->m_nStyle = c.style;
    std::string points, balls;
    for (size_t i = 0; i < std::size(ops); ++i) {
      const Captured drawn = CaptureFeedback([&] { ops[i].call(*point); });
      if (drawn.points == 1 && drawn.polygons == 0) points += initials[i];
      if (drawn.polygons > 0) balls += initials[i];
      EXPECT_LE(drawn.points, 1) << ops[i].name;
    }
    EXPECT_EQ(points, c.points) << "style " << int(c.style);
    EXPECT_EQ(balls, c.balls) << "style " << int(c.style);
  }
}

TEST_F(PointDraw, BallIsTheUnitSphereScaledToThePoint) {
  point->m_nStyle = 5;
  point->m_fSize = 40;  // radius 2
  glScalef(4, 4, 4);
  const Captured ball = CaptureFeedback([this] { point->DrawLitLate(FALSE); });
  ASSERT_GT(ball.polygons, 48 * 20);
  float minX = 1e9f, maxX = -1e9f;
  for (const FeedbackVertex& v : ball.vertices) {
    minX = std::min(minX, v.x);
    maxX = std::max(maxX, v.x);
  }
  // Centre x = 32 + 4 * 3, radius 4 * 2 pixels.
  EXPECT_NEAR(minX, 44 - 8, 0.05);
  EXPECT_NEAR(maxX, 44 + 8, 0.05);
}

TEST_F(PointDraw, HiddenOrUndefinedPointsDrawNothingAnywhere) {
  point->m_bLabelHidden = 0;
  point->m_nLabelMode = 1;
  for (BYTE style : {BYTE(0), BYTE(1), BYTE(5)}) {
    for (int variant = 0; variant < 2; ++variant) {
      point->m_nStyle = style;
      point->m_bHidden = variant == 0;
      point->m_bDefined = variant != 0 ? false : true;
      const Captured drawn = CaptureFeedback([this] {
        point->Draw();
        point->DrawVisibleEdges();
        point->DrawLit();
        point->DrawLitLate(TRUE);
        point->DrawFlat();
      });
      EXPECT_EQ(drawn.points + drawn.lines + drawn.polygons + drawn.bitmaps, 0)
          << "style " << int(style) << (variant == 0 ? " hidden" : " undefined");
      EXPECT_TRUE(SelectNames([this] {
        point->DrawForPick(3);
        point->DrawForPick(0);
      }).empty()) << "style " << int(style);
    }
  }
}

TEST_F(PointDraw, ASlotOutsideTheArrayIsNotRead) {
  point->VertexIndex = VertexArraySlots();
  const Captured drawn = CaptureFeedback([this] {
    point->Draw();
    point->DrawFlat();
  });
  EXPECT_EQ(drawn.points, 0);
}

TEST_F(PointDraw, PickNamesByMode) {
  const GLuint id = point->m_nId;
  g_vLabelPickU[0] = 1;
  g_vLabelPickV[1] = 1;
  struct Case { int mode; BOOL labelHidden; Names names; };
  const Case cases[] = {
      {0, 0, {{3, id}}},           {0, 1, {}}, {1, 0, {}},                  {2, 0, {{1, id}}},
      {3, 0, {{1, id}, {3, id}}},  {3, 1, {{1, id}}},
  };
  for (const Case& c : cases) {
    point->m_bLabelHidden = c.labelHidden;
    EXPECT_EQ(SelectNames([&] { point->DrawForPick(c.mode); }), c.names) << "mode " << c.mode << " label hidden " << c.labelHidden;
  }
}

}  // namespace
