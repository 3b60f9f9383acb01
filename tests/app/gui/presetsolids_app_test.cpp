// Ready-made solids in the running program (xvfb), used as a new user
// would: the ribbon's cube, its corner dragged with the mouse, undone in
// one step; a prism over a drawn triangle and a ticked point, its faces in
// their automatic colours in a picture of the view.
#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QMouseEvent>
#include <QToolButton>
#include <cmath>

#include "cells/primitives/cgface.h"
#include "cells/primitives/cgverfree.h"
#include "math/mathglobals.h"
#include "platform/commandids.h"
#include "programwindow.h"
#include "render/projection.h"
#include "render/viewglobals.h"
#include "ui/commandactions.h"
#include "ui/objectlist/viewtree.h"
#include "ui/ribbon/ribbonbar.h"

namespace KAVREL_FILE_LOCAL {

class PresetSolidsApp : public ProgramWindow {
 protected:
  void Ribbon(unsigned id) {
    window->Actions().Refresh();
    for (QToolButton* button : window->Ribbon()->findChildren<QToolButton*>())
      if (button->property("commandId").toUInt() == id) {
        ASSERT_TRUE(button->isEnabled()) << id;
        return button->click();
      }
    ADD_FAILURE() << "no ribbon button for " << id;
  }
  // The pixel of the view over world point p, through the matrices of the
  // last frame.
  QPoint PixelOf(const float p[3]) const {
    double eye[4], clip[4];
    for (int r = 0; r < 4; ++r)
      eye[r] = g_dModelView[r] * p[0] + g_dModelView[4 + r] * p[1] + g_dModelView[8 + r] * p[2] + g_dModelView[12 + r];
    for (int r = 0; r < 4; ++r)
      clip[r] = g_dProjection[r] * eye[0] + g_dProjection[4 + r] * eye[1] + g_dProjection[8 + r] * eye[2] +
                g_dProjection[12 + r] * eye[3];
    const double x = g_nViewport[0] + (clip[0] / clip[3] + 1) / 2 * g_nViewport[2];
    const double y = g_nViewport[1] + (clip[1] / clip[3] + 1) / 2 * g_nViewport[3];
    const double ratio = view->devicePixelRatioF();
    return {static_cast<int>(std::lround(x / ratio)), static_cast<int>(std::lround((g_nViewDeviceHeight - y) / ratio))};
  }
  const float* Place(const char* name) {
    for (auto [id, cell] : Page().m_cells)
      if (cell->m_strName == QString::fromUtf8(name)) return static_cast<CGVertex*>(cell)->m_vPos;
    ADD_FAILURE() << "no point " << name;
    static const float none[3] = {0, 0, 0};
    return none;
  }
};

TEST_F(PresetSolidsApp, TheRibbonsCubeFollowsItsDraggedCornerAndUndoesInOneStep) {
  ASSERT_TRUE(view->isValid());
  Ribbon(ID_CREATE_BOX);
  ASSERT_EQ(Page().m_cells.size(), 26u);
  EXPECT_EQ(Page().m_undo.CurrentCommand()->GetName(), QString::fromUtf8("添加正方体"));
  Render();
  const char* corners[] = {"A", "B", "C", "D", "A1", "B1", "C1", "D1"};
  std::vector<std::array<float, 3>> before;
  for (const char* c : corners) before.push_back({Place(c)[0], Place(c)[1], Place(c)[2]});

  Ribbon(ID_EDIT_SELECT);
  const QPoint a = PixelOf(Place("A"));
  Drag(a, a + QPoint(40, 10));
  const float moved[3] = {Place("A")[0] - before[0][0], Place("A")[1] - before[0][1], Place("A")[2] - before[0][2]};
  EXPECT_GT(std::hypot(moved[0], moved[1]), 0.5f) << "A followed the mouse";
  EXPECT_EQ(moved[2], 0.0f) << "in its horizontal plane";
  for (size_t k = 0; k < before.size(); ++k)
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(Place(corners[k])[i], before[k][i] + moved[i], 1e-4) << corners[k];
  EXPECT_EQ(Page().m_undo.GetCount(), 1) << "a drag is no step";

  window->Actions().Refresh();
  window->Actions().Action(ID_EDIT_UNDO)->trigger();  // the menu's and Ctrl+Z's action
  EXPECT_TRUE(Page().m_cells.empty());
  EXPECT_EQ(Page().m_nNextId, 1);
}

TEST_F(PresetSolidsApp, APrismOverADrawnTriangleShowsItsFaceColours) {
  ASSERT_TRUE(view->isValid());
  ViewQuaternion = kQuatIdentity;
  g_bSnapToGrid = 1;
  Render();
  Ribbon(ID_CREATE_POLYGON);
  for (QPoint p : {At(-6, -4), At(4, -4), At(-6, 5)}) Click(p);
  Click(At(-6, 5) - QPoint(20, 0), Qt::RightButton);
  WORD face = 0;
  for (auto [id, cell] : Page().m_cells)
    if (dynamic_cast<CGFace*>(cell)) face = id;
  ASSERT_NE(face, 0);
  CGPage& page = Page();
  auto* top = new CGVerFreeXyz(page.m_nNextId++, page.m_nNextVertex++, QStringLiteral("T"), 2, 1, 6);
  page.m_cells.SetAt(top->m_nId, top);
  window->DocumentShown();
  QTreeWidgetItem* pageItem = window->Tree()->FindCurrentPageItem();
  for (WORD id : {top->m_nId, face}) window->Tree()->ClickCheckBox(CViewTree::FindChildItem(pageItem, id));
  ASSERT_EQ(page.m_selPoints.size(), 1u);
  ASSERT_EQ(page.m_selFaces.size(), 1u);

  const WORD first = page.m_nNextId;
  Ribbon(ID_CREATE_SOLID_PRISM);
  ASSERT_EQ(page.m_nNextId, first + 12);
  EXPECT_EQ(page.m_undo.CurrentCommand()->GetName(), QString::fromUtf8("添加棱柱"));
  page.ClearSelection();
  // New faces hide what lies behind them; filled (as the face's style
  // property makes them) each shows its automatic colour.
  std::vector<CGFace*> faces;
  for (WORD id = first; id < first + 12; ++id)
    if (auto* f = dynamic_cast<CGFace*>(page.m_cells.Lookup(id))) faces.push_back(f);
  ASSERT_EQ(faces.size(), 4u) << "three sides and the top";
  for (size_t k = 1; k < faces.size(); ++k) EXPECT_FALSE(faces[k]->m_rgbaColor == faces[k - 1]->m_rgbaColor) << k;
  for (CGFace* f : faces) f->m_nStyle = kFaceFilled;
  Render();
  const QImage picture = view->grabFramebuffer();
  // Over the middle of the top triangle, which nothing covers in the top view.
  const CGFace* topFace = faces.back();
  float centre[3] = {0, 0, 0};
  for (WORD corner : topFace->m_parents)
    for (int i = 0; i < 3; ++i) centre[i] += static_cast<CGVertex*>(page.m_cells.Lookup(corner))->m_vPos[i] / 3;
  const QPoint p = PixelOf(centre) * view->devicePixelRatioF();
  const QColor seen = picture.pixelColor(p);
  const RGBA& want = topFace->m_rgbaColor;
  EXPECT_TRUE(std::abs(seen.red() - want.r) <= 8 && std::abs(seen.green() - want.g) <= 8 &&
              std::abs(seen.blue() - want.b) <= 8)
      << seen.name().toStdString() << " at " << p.x() << "," << p.y() << " for " << int(want.r) << "," << int(want.g)
      << "," << int(want.b);
}

}  // namespace
