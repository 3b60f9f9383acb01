// The view onto a face, drawn at the target EnterPlaneMode leaves: a tilted
// right triangle shows its first edge level along the bottom at its true
// length, its centroid in the middle of the view.
#include "cells/cellclasses.h"
#include "cells/pageservices/planemode.h"
#include "cells/primitives/cgface.h"
#include "render/projection.h"
#include "renderertestsupport.h"

namespace KAVREL_FILE_LOCAL {

class PlaneModePixels : public RendererGlTest {
 protected:
  QSize ViewSize() const override { return {200, 150}; }
};

TEST_F(PlaneModePixels, TheFaceLiesFlatWithItsFirstEdgeLevel) {
  RegisterCellClasses();
  // |AB| = 4 along (1, 2, 2) / 3, |AC| = 3 along (2, 1, -2) / 3.
  CGVertex* A = AddPoint(1, 2, 3);
  CGVertex* B = AddPoint(1 + 4.0f / 3, 2 + 8.0f / 3, 3 + 8.0f / 3);
  CGVertex* C = AddPoint(1 + 2, 2 + 1, 3 - 2);
  for (CGVertex* p : {A, B, C}) p->m_bHidden = 1;
  auto* face = new CGFace(page->m_nNextId++, A->m_nId, B->m_nId, C->m_nId, 0x0000FF);
  face->m_nStyle = kFaceFilled;
  page->m_cells.SetAt(face->m_nId, face);
  page->SelectCell(face->m_nId);
  ASSERT_TRUE(EnterPlaneMode());
  page->ClearSelection();
  const float* q = g_viewTransition.targetRotate;
  ViewQuaternion = Quaternion{q[0], q[1], q[2], q[3]};
  std::copy_n(g_viewTransition.targetTranslate, 3, g_fViewTranslate);
  g_nProjection = kProjOrthographic;
  renderer.OnSize(200, 150);
  renderer.RenderScene();
  const QImage image = gl.ReadPixels();

  // The red pixels: the lowest of the leftmost and of the rightmost column, and their centre.
  int bottom = -1, left = 200, right = -1, leftRow = -1, rightRow = -1;
  double sumX = 0, sumY = 0, count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      if (qRed(p) < 200 || qGreen(p) > 60) continue;
      bottom = std::max(bottom, y);
      if (x < left || (x == left && y > leftRow)) left = x, leftRow = y;
      if (x > right || (x == right && y > rightRow)) right = x, rightRow = y;
      sumX += x + 0.5, sumY += y + 0.5, ++count;
    }
  }
  ASSERT_GT(count, 1000) << "the face is drawn";
  EXPECT_TRUE(std::abs(leftRow - bottom) <= 1 && std::abs(rightRow - bottom) <= 1) << "A and B on the bottom row";
  EXPECT_NEAR(right - left + 1, 4 / g_fUnitsPerPixel, 1) << "|AB| in pixels";
  EXPECT_NEAR(sumX / count, 100, 1);
  EXPECT_NEAR(sumY / count, 75, 1);
}

}  // namespace
