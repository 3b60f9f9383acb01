// Vector captions, attached values and a distance caption in the headless
// context at one pixel a unit (text font unmeasured: characters 8 pixels
// wide, lines 22 high).
#include <EGL/egl.h>

#include <cmath>

#include "../../celldrawtestsupport.h"
#include "cells/dynamic/vectors/attachedvalue.h"
#include "cells/dynamic/measures/geometricmeasures.h"
#include "cells/dynamic/vectors/vectorvalues.h"
#include "render/glfontlists.h"
#include "view/viewtestsupport.h"

namespace KAVREL_FILE_LOCAL {

class VectorCaptionGlTest : public CellGlTest {
 protected:
  QSize ViewSize() const override { return {160, 120}; }
  void SetUp() override {
    CellGlTest::SetUp();
    g_fUnitsPerPixel = 1;
  }
  template <class T>
  T* Put(T* cell) {
    page->m_cells.SetAt(page->m_nNextId++, cell);
    return cell;
  }
  Names Picked(CGCell& cell, int mode, int x, int y) {
    const Names names = Pick(cell, mode, x, y, 160, 120);
    PixelProjection();
    return names;
  }
};

TEST_F(VectorCaptionGlTest, VectorCaptionsLayOutAndPickInModesFromThree) {
  CGVertex *a = Point(1, 2, 3), *b = Point(4, 6, 3);
  a->m_strName = QStringLiteral("A"), b->m_strName = QStringLiteral("B");
  auto* v = Put(new CGTmVectorPP(page->m_nNextId, a->m_nId, b->m_nId));
  EXPECT_EQ(v->m_strLabelLists, DrawGlText(QStringLiteral("AB = ")) + DrawGlTextDC(QStringLiteral("(3, 4, 0)")));
  // 14 names of 8 pixels from x 10, a line of 22 from y 20.
  v->m_vLabelAnchor[0] = 10, v->m_vLabelAnchor[1] = 20;
  const Names caption = {{6, v->m_nId}};
  EXPECT_TRUE(Picked(*v, 3, 12, 22) == caption && Picked(*v, 4, 118, 40) == caption);
  for (auto [x, y] : {std::pair{124, 30}, {50, 45}, {6, 30}, {50, 16}}) EXPECT_TRUE(Picked(*v, 3, x, y).empty()) << x;
  EXPECT_TRUE(Picked(*v, 2, 50, 30).empty()) << "mode 2";
  page->m_bThreeView = true;
  EXPECT_TRUE(Picked(*v, 3, 50, 30).empty()) << "three views";
  page->m_bThreeView = false;
  v->m_bHidden = 1;
  EXPECT_TRUE(Picked(*v, 3, 50, 30).empty()) << "hidden";
}

TEST_F(VectorCaptionGlTest, AttachedValuesDrawAndPickAtTheirAnchor) {
  CGVertex *a = Point(0, 0, 0), *b = Point(30, 40, 20);
  auto* distance = Put(new CGTmVarDistancePP(page->m_nNextId, a->m_nId, b->m_nId));
  auto* v = Put(new CGTmVarAfterP(page->m_nNextId, distance->m_nId, b->m_nId));
  // "53.85" from (6, 34): 40 wide, two lines high.
  EXPECT_EQ(v->m_strLabelLists, DrawGlTextDC(QStringLiteral("53.85")));
  const Names caption = {{6, v->m_nId}};
  EXPECT_TRUE(Picked(*v, 3, 8, 36) == caption && Picked(*v, 3, 44, 76) == caption);
  for (auto [x, y] : {std::pair{50, 50}, {20, 80}, {8, 30}}) EXPECT_TRUE(Picked(*v, 3, x, y).empty()) << x << "," << y;
  EXPECT_TRUE(Picked(*v, 2, 20, 50).empty()) << "mode 2";

  const RGBA selection = g_prefs.rgbaSelection;
  v->m_rgbaColor = RGBA{255, 0, 0, 255};
  const struct Row { const char* name; bool selected, own, pointDefined; float z; int r, g, b; } rows[] = {
      {"own colour", false, true, true, 20, 255, 0, 0},
      {"selected", true, false, true, 20, selection.r, selection.g, selection.b},
      {"own colours off: the current one", false, false, true, 20, 0, 0, 255},
      {"beyond the far plane", false, true, true, 150, -1, 0, 0},
      {"point undefined", false, true, false, 20, -1, 0, 0}};
  for (const Row& r : rows) {
    b->m_vPos[2] = r.z, b->m_bDefined = r.pointDefined;
    v->Recalculate();
    v->m_bSelected = r.selected, g_bOwnColors = r.own;
    glColor3f(0, 0, 1);
    const Captured drawn = CaptureFeedback([&] { v->Draw(); });
    g_bOwnColors = 1;
    EXPECT_EQ(Picked(*v, 3, 8, 36) == caption, r.r >= 0) << r.name;
    ASSERT_EQ(drawn.bitmaps > 0, r.r >= 0) << r.name;
    if (r.r < 0) continue;
    const FeedbackVertex& at = drawn.vertices[0];
    EXPECT_TRUE(std::abs(at.x - 6) < 1e-3 && std::abs(at.y - 34) < 1e-3) << r.name;
    EXPECT_TRUE(std::lround(at.rgba[0] * 255) == r.r && std::lround(at.rgba[1] * 255) == r.g &&
                std::lround(at.rgba[2] * 255) == r.b) << r.name;
  }
}

// A distance caption while its point is dragged with no context current, as
// the view drags: an unchanged value text keeps its laid-out lists, a
// changed one is laid out again when next drawn.
using MeasureCaptionDrawing = CellGlTest;

TEST_F(MeasureCaptionDrawing, OnlyChangedCaptionsAreLaidOutAgainAndOnlyWhenDrawn) {
  CGVertex* a = Point(0, 0, 0);
  CGVertex* b = Point(3, 4, 0);
  auto* distance = new CGTmVarDistancePP(page->m_nNextId, a->m_nId, b->m_nId);
  page->m_cells.SetAt(page->m_nNextId++, distance);
  distance->m_nStyle = 1;
  distance->Recalculate();
  distance->Draw();
  ASSERT_FALSE(distance->m_bLabelStale);
  const QString laidOut = distance->m_strLabelLists;
  ASSERT_TRUE(laidOut.endsWith(DrawGlTextDC(QStringLiteral(" =5"))));

  eglMakeCurrent(eglGetCurrentDisplay(), EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
  const auto moveB = [&](float x, float y) {
    b->m_vPos[0] = x, b->m_vPos[1] = y;
    distance->Recalculate();
  };
  moveB(4, 3);
  EXPECT_EQ(distance->CurrentValueText(), QStringLiteral(" =5"));
  EXPECT_FALSE(distance->m_bLabelStale);
  EXPECT_EQ(distance->m_strLabelLists, laidOut);
  moveB(6, 8);
  EXPECT_EQ(distance->CurrentValueText(), QStringLiteral(" =10"));
  EXPECT_TRUE(distance->m_bLabelStale);
  EXPECT_EQ(distance->m_strLabelLists, laidOut) << "nothing is laid out without a context";

  moveB(9, 12);  // left unread: the draw composes " =15"
  ASSERT_TRUE(gl.MakeCurrent());
  distance->Draw();
  EXPECT_FALSE(distance->m_bLabelStale);
  EXPECT_TRUE(distance->m_strLabelLists.endsWith(DrawGlTextDC(QStringLiteral(" =15"))));
  EXPECT_EQ(distance->m_strValueText, QStringLiteral(" =15"));
}

}  // namespace
