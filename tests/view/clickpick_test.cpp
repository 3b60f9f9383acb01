// The click pick on the real GL selection buffer in the headless context:
// the 10 x 10 pixel region, kind order, labels with Ctrl, what the select
// tool does to the page, selection buffers that overflow, and picking in
// the lower-right quadrant of a three-view page.
#include <GL/gl.h>

#include <algorithm>

#include "cells/primitives/cgline.h"
#include "cells/primitives/cgverfree.h"
#include "math/mathglobals.h"
#include "model/vertexarray.h"
#include "render/glresources.h"
#include "view/clickpick.h"
#include "view/toolstate.h"
#include "view/viewrenderer.h"
#include "viewtestsupport.h"

namespace KAVREL_FILE_LOCAL {

class ClickPick : public PageGlTest {
 protected:
  QSize ViewSize() const override { return {200, 150}; }
  void SetUp() override {
    PageGlTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    ViewQuaternion = kQuatIdentity;  // looking down the z axis
    renderer.OnSize(200, 150);
  }
  // The pointer position (y down) over a world point at z = 0.
  static QPoint PixelOf(float x, float y) {
    return {static_cast<int>(std::lround(100 + x / 0.05f)), static_cast<int>(std::lround(75 - y / 0.05f))};
  }
  template <class T = CGVertex>
  T* Point(float x, float y, float z = 0) {
    auto* p = new T(page->m_nNextId++, page->m_nNextVertex++, page->GetNewName(1), x, y, z);
    p->m_bLabelHidden = 1;
    page->m_cells.SetAt(p->m_nId, p);
    return p;
  }
  struct Result { bool hit; int kind; WORD id; };
  Result Pick(QPoint at, bool labelsOnly = false) {
    Result r{false, 0, 0};
    r.hit = PickObjects(at.x(), at.y(), &r.kind, &r.id, labelsOnly);
    return r;
  }
  CViewRenderer renderer;
};

TEST_F(ClickPick, APointIsHitOnlyWithinTheRegion) {
  const WORD id = Point(1, 0.5f)->m_nId;
  const QPoint at = PixelOf(1, 0.5f);
  struct Case { int dx, dy; bool hit; };
  const Case cases[] = {
      {0, 0, true}, {4, 0, true}, {-4, 0, true}, {0, 4, true}, {0, -4, true}, {4, -4, true},
      {6, 0, false}, {-6, 0, false}, {0, 6, false}, {0, -6, false},
  };
  for (const Case& c : cases) {
    const Result r = Pick(at + QPoint(c.dx, c.dy));
    EXPECT_EQ(std::make_tuple(r.hit, r.kind, r.id), std::make_tuple(c.hit, c.hit ? 1 : 0, c.hit ? id : WORD(0)))
        << c.dx << ", " << c.dy;
  }
  GLint depth = 0;
  glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &depth);
  EXPECT_EQ(depth, 1) << "the pick leaves the matrices as it found them";
  glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
  EXPECT_EQ(depth, 1);
}

TEST_F(ClickPick, ASelectedFreePointIsDeselectedAndReadyToDrag) {
  CGVerFreeXyz* point = Point<CGVerFreeXyz>(1, 0.5f);
  ASSERT_TRUE(page->SelectCell(point->m_nId));
  seams.bridge->messages.clear();
  const Result r = Pick(PixelOf(1, 0.5f));
  EXPECT_EQ(std::make_tuple(r.hit, r.kind, r.id), std::make_tuple(true, 0, point->m_nId));
  EXPECT_FALSE(point->m_bSelected || !page->m_selPoints.empty() || !page->m_selAll.empty());
  EXPECT_EQ(std::make_tuple(g_nDragId, g_viewTool.dragKind, g_viewTool.pointDragged),
            std::make_tuple(point->m_nId, 1, false));
  ASSERT_EQ(seams.bridge->messages.size(), 1u);
  const BridgeMessage& m = seams.bridge->messages[0];
  EXPECT_EQ(std::make_tuple(m.message, m.wParam, m.lParam, m.posted),
            std::make_tuple(UINT(WM_SELECTION_CHANGED), WPARAM(0), LPARAM(point->m_nId), true))
      << "the object list unticks it";

  // A plain point is deselected the same way but not dragged.
  g_nDragId = 0;
  g_viewTool.dragKind = 0;
  CGVertex* plain = Point(-2, 1);
  page->SelectCell(plain->m_nId);
  EXPECT_EQ(Pick(PixelOf(-2, 1)).kind, 0);
  EXPECT_FALSE(plain->m_bSelected);
  EXPECT_EQ(std::make_pair(g_nDragId, g_viewTool.dragKind), std::make_pair(WORD(0), 0));
}

TEST_F(ClickPick, CoincidentPointsAreTheStepCandidates) {
  const WORD first = Point(0, 0)->m_nId;
  const WORD second = Point(0, 0)->m_nId;
  Point(3, 0);
  const Result r = Pick(PixelOf(0, 0));
  EXPECT_EQ(std::make_tuple(r.kind, r.id, page->m_nStepKind), std::make_tuple(1, first, 1));
  EXPECT_EQ(page->m_stepList, (std::vector<WORD>{first, second}));
}

TEST_F(ClickPick, CtrlOffersOnlyLabels) {
  CGVertex* point = Point(1, 1);
  point->m_bLabelHidden = 0;
  std::fill_n(point->m_vLabelAnchor, 3, 0.0f);
  point->m_vLabelAnchor[0] = point->m_vLabelAnchor[1] = 1.2f;  // 4 pixels up and right
  Result r = Pick(PixelOf(1, 1));
  EXPECT_EQ(r.kind, 1) << "the point beats its label";
  r = Pick(PixelOf(1, 1), true);
  EXPECT_EQ(std::make_pair(r.kind, r.id), std::make_pair(3, point->m_nId));
  // Looking straight down: 20 pixels along the screen's axes.
  EXPECT_FLOAT_EQ(g_vLabelPickU[1], 1.0f);
  EXPECT_FLOAT_EQ(g_vLabelPickV[0], 1.0f);
  EXPECT_EQ(g_vLabelPickU[0], 0.0f);
}

TEST_F(ClickPick, ConstructionToolsPreferPointsToNearerLines) {
  g_nToolMode = 3;
  const WORD a = Point(-2, 0.5f, 5)->m_nId, b = Point(4, 0.5f, 5)->m_nId;
  auto* line = new CGLine(page->m_nNextId++, a, b, kLineSegment);
  page->m_cells.SetAt(line->m_nId, line);
  Result r = Pick(PixelOf(1, 0.5f));
  EXPECT_EQ(std::make_pair(r.kind, r.id), std::make_pair(2, line->m_nId)) << "the line alone";
  const WORD point = Point(1, 0.5f)->m_nId;  // below the line, farther from the eye
  r = Pick(PixelOf(1, 0.5f));
  EXPECT_EQ(std::make_pair(r.kind, r.id), std::make_pair(1, point));
}

TEST_F(ClickPick, AnOverflowingBufferIsNotTakenForNothing) {
  // 300 hit records need 1500 words; the first buffer holds 1024.
  ASSERT_TRUE(ReserveVertexArray(300));
  for (int i = 0; i < 300; ++i) Point(0, 0);
  const Result r = Pick(PixelOf(0, 0));
  ASSERT_EQ(page->m_stepList.size(), 300u);
  EXPECT_EQ(std::make_tuple(r.hit, r.kind, r.id), std::make_tuple(true, 1, page->m_stepList.front()));

  // The same for any pass run through it, from the smallest buffer.
  const std::vector<PickHit> hits = RunSelectionPass(
      [] {
        for (GLuint id = 1; id <= 10; ++id) {
          glLoadName(7);
          glPushName(id);
          glBegin(GL_POINTS);
          glVertex3f(0, 0, -50);
          glEnd();
          glPopName();
        }
      },
      16);
  ASSERT_EQ(hits.size(), 10u);
  EXPECT_EQ(std::make_pair(hits.back().kind, hits.back().id), std::make_pair(7, WORD(10)));
}

TEST_F(ClickPick, TheLowerRightQuadrantOfAThreeViewPage) {
  g_strProgramFolder = PictureFolder();
  g_nAxesMode = 0;
  page->m_bThreeView = 1;
  page->m_bFourthQuadrant = true;
  const WORD id = Point(1, 0.5f)->m_nId;
  renderer.RenderScene();  // leaves the quadrant as the viewport
  EXPECT_EQ(std::make_pair(g_nViewport[0], g_nViewport[3]), std::make_pair(100, 75));
  // Half scale in the quadrant, whose centre is the window's (150, 112.5).
  const Result r = Pick({150 + 10, 112 - 5});
  EXPECT_EQ(std::make_pair(r.hit, r.id), std::make_pair(true, id));
  EXPECT_FALSE(Pick({150 - 10, 112 - 5}).hit);
  renderer.Release();
}

}  // namespace
