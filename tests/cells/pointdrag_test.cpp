// The drag of a free point by the mouse, from the pointer position through
// the view ray to the recomputed dependants.
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "cells/primitives/pointdrag.h"
#include "freepointtestsupport.h"
#include "math/quaternion.h"
#include "render/projection.h"

namespace KAVREL_FILE_LOCAL {

class PointDragTest : public FreePointTest {
 protected:
  // The view a new page starts with: orthographic, 800 x 600 pixels of
  // 0.05 world units, turned by qx(-75) qz(-15) and moved back to z = -50.
  PointDragTest() {
    ProjectionMatrix(kProjOrthographic, 800, 600, 0.05, g_dProjection);
    const int viewport[4] = {0, 0, 800, 600};
    std::copy(viewport, viewport + 4, g_nViewport);
    Quaternion q;
    QuatMultiply(QuatRotationX(-75), QuatRotationZ(-15), q);
    QuatToRotationMatrix(q, g_dModelView);
    g_dModelView[14] = -50;
  }

  // Sets the view ray as the view does for the pointer over world point
  // (x, y, z), to the nearest pixel.
  static void PointerOver(double x, double y, double z) {
    double wx, wy, wz;
    ASSERT_TRUE(gluProject(x, y, z, g_dModelView, g_dProjection, g_nViewport, &wx, &wy, &wz));
    ComputeMouseRay(static_cast<int>(std::lround(wx)), static_cast<int>(std::lround(600 - wy)));
  }

  // One pixel of pointer rounding, seen on a plane tilted 75 degrees away.
  static constexpr double kPixel = 0.2;
};

// p at a + t (b - a), as a recalculation puts it (exactly) or a drag
// (within rounding).
void ExpectOnSegment(const CGVertex& p, const CGVertex& a, const CGVertex& b, float t, double tolerance = 0) {
  for (int i = 0; i < 3; ++i)
    EXPECT_NEAR(p.m_vPos[i], (b.m_vPos[i] - a.m_vPos[i]) * t + a.m_vPos[i], tolerance) << i;
}

TEST_F(PointDragTest, BoundPointStaysOnTheSegmentAtItsParameterWhileAnEndIsDragged) {
  CGVerFreeXyz* a = AddXyz(-5, -5, 0);
  CGVerFreeXyz* b = AddXyz(5, -5, 0);
  CGLine* ab = AddLine(a->m_nId, b->m_nId);
  CGVerFreeInLine* p = AddInLine(ab->m_nId, 0.25f);
  CGVerFreeXyz* q = AddXyz(0, 5, 0);
  CGLine* aq = AddLine(a->m_nId, q->m_nId);  // depends on A only
  p->m_bTraced = true;

  ASSERT_TRUE(BeginPointDrag(b->m_nId));
  EXPECT_EQ(g_nDragId, b->m_nId);

  PointerOver(5, 5, 0);
  ASSERT_TRUE(DragPointTo());
  EXPECT_NEAR(b->m_vPos[0], 5, kPixel);
  EXPECT_NEAR(b->m_vPos[1], 5, kPixel);
  EXPECT_NEAR(b->m_vPos[2], 0, 1e-5);
  ExpectPlaced(*b);
  // The point and its dependants, ascending; the cells beside it are left alone.
  EXPECT_EQ(page->m_dirtyIds, (std::vector<WORD>{b->m_nId, ab->m_nId, p->m_nId}));
  EXPECT_EQ(page->m_traceList, (std::vector<WORD>{p->m_nId}));
  EXPECT_TRUE(g_bTraceDirty);
  ExpectOnSegment(*p, *a, *b, 0.25f);
  ExpectPlaced(*p);
  EXPECT_EQ(p->m_fValue, 0.25f);
  EXPECT_TRUE(p->m_bDefined);
  EXPECT_NEAR(ab->m_vLabelAnchor[1], (-5 + b->m_vPos[1]) / 2 + ab->LabelOffset[1], 1e-5);
  EXPECT_TRUE(aq->m_bDefined);

  // Ctrl held: the vertical plane y = const; released: horizontal again.
  const float heldY = b->m_vPos[1];
  g_bDragHorizontal = 0;
  PointerOver(8, heldY, 6);
  ASSERT_TRUE(DragPointTo());
  EXPECT_NEAR(b->m_vPos[0], 8, kPixel);
  EXPECT_FLOAT_EQ(b->m_vPos[1], heldY);
  EXPECT_NEAR(b->m_vPos[2], 6, kPixel);
  ExpectOnSegment(*p, *a, *b, 0.25f);
  const float heldZ = b->m_vPos[2];
  g_bDragHorizontal = 1;
  PointerOver(-3, 9, heldZ);
  ASSERT_TRUE(DragPointTo());
  EXPECT_NEAR(b->m_vPos[0], -3, kPixel);
  EXPECT_NEAR(b->m_vPos[1], 9, kPixel);
  EXPECT_FLOAT_EQ(b->m_vPos[2], heldZ);
  ExpectOnSegment(*p, *a, *b, 0.25f);
  EXPECT_EQ(page->m_dirtyIds, (std::vector<WORD>{b->m_nId, ab->m_nId, p->m_nId}));

  EndPointDrag();
  EXPECT_EQ(g_nDragId, 0);
  EXPECT_FALSE(DragPointTo());
}

TEST_F(PointDragTest, DraggedBoundPointStopsAtTheEndAndCarriesItsOwnDependants) {
  CGVerFreeXyz* a = AddXyz(-5, -5, 0);
  CGVerFreeXyz* b = AddXyz(5, -5, 0);
  CGVerFreeInLine* p = AddInLine(AddLine(a->m_nId, b->m_nId)->m_nId, 0.5f);
  CGVerFreeXyz* q = AddXyz(0, 5, 0);
  CGVerFreeInLine* r = AddInLine(AddLine(p->m_nId, q->m_nId)->m_nId, 0.5f);

  ASSERT_TRUE(BeginPointDrag(p->m_nId));
  PointerOver(2, -5, 0);
  ASSERT_TRUE(DragPointTo());
  EXPECT_NEAR(p->m_fValue, 0.7, 0.02);
  ExpectOnSegment(*p, *a, *b, p->m_fValue, 1e-5);
  ExpectOnSegment(*r, *p, *q, 0.5f);
  PointerOver(9, -5, 0);  // beyond B
  ASSERT_TRUE(DragPointTo());
  EXPECT_EQ(p->m_fValue, 1.0f);
  ExpectAt(*p, 5, -5, 0, 0);
  ExpectOnSegment(*r, *p, *q, 0.5f);
  EndPointDrag();
}

TEST_F(PointDragTest, OnlyFreePointsAreDraggedAndAVanishedPointEndsTheMoves) {
  CGVertex* fixed = AddPoint(0, 0, 0);
  CGVerFreeXyz* a = AddXyz(1, 1, 0);
  CGLine* line = AddLine(fixed->m_nId, a->m_nId);
  for (WORD id : {fixed->m_nId, line->m_nId, WORD(99)}) {
    EXPECT_FALSE(BeginPointDrag(id)) << id;
    EXPECT_EQ(g_nDragId, 0);
  }
  EXPECT_FALSE(DragPointTo());

  ASSERT_TRUE(BeginPointDrag(a->m_nId));
  std::unique_ptr<CGCell> removed(page->m_cells.RemoveKey(a->m_nId));
  PointerOver(3, 3, 0);
  EXPECT_FALSE(DragPointTo());
  EndPointDrag();
  EXPECT_EQ(g_nDragId, 0);
}

}  // namespace
