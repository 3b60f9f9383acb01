// The ready-made plane shapes in the running program (xvfb), as a student
// uses them: the regular hexagon from the ribbon with nothing selected, its
// second vertex dragged with the mouse; a drawn circle clicked, the
// inscribed polygon's count typed in the real dialog, the step undone with
// Ctrl+Z.
#include <gtest/gtest.h>

#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

#include "cells/primitives/arcsbypoints.h"
#include "cells/primitives/cgverfreeincircle.h"
#include "math/mathglobals.h"
#include "platform/commandids.h"
#include "programwindow.h"
#include "support/modaldialogs.h"

namespace KAVREL_FILE_LOCAL {

class PlaneShapesApp : public ProgramWindow {
 protected:
  PlaneShapesApp() {
    ViewQuaternion = kQuatIdentity;
    g_bSnapToGrid = 0;
    Render();
  }
  const float* Pos(WORD id) { return dynamic_cast<CGVertex*>(Page().m_cells.Lookup(id))->m_vPos; }
  double Distance(WORD a, WORD b) {
    const float *p = Pos(a), *q = Pos(b);
    return std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]);
  }
};

TEST_F(PlaneShapesApp, DraggingTheHexagonsSecondVertexTurnsAndGrowsIt) {
  const WORD first = Page().m_nNextId;
  Ribbon(ID_CREATE_PLANE_SIX);
  ASSERT_EQ(Page().m_nNextId - first, 13);
  // A, B, C, F, D, E in the order they are made.
  const WORD a = first, b = first + 1, c = first + 2, f = first + 3, d = first + 4, e = first + 5;
  EXPECT_NEAR(Distance(a, b), 6, 1e-4);

  Ribbon(ID_EDIT_SELECT);
  Render();
  Drag(At(3, -5), At(5, -2));
  EXPECT_NEAR(Pos(b)[0], 5, 1e-4);
  EXPECT_NEAR(Pos(b)[1], -2, 1e-4);
  const double side = std::hypot(8.0, 3.0);
  const WORD ring[] = {a, b, c, d, e, f};
  for (int i = 0; i < 6; ++i) {
    EXPECT_NEAR(Distance(ring[i], ring[(i + 1) % 6]), side, side * 1e-4) << i;
    EXPECT_NEAR(Pos(ring[i])[2], 0, 1e-5) << i;
  }
  EXPECT_NEAR(Distance(a, d), 2 * side, 2e-4) << "opposite corners across the centre";
}

TEST_F(PlaneShapesApp, AnOctagonInAClickedCircleIsUndoneByCtrlZ) {
  Ribbon(ID_CREATE_CIRCLE);
  for (QPoint p : {At(0, 0), At(5, 0), At(0, 5)}) Click(p);
  const WORD circle = Page().m_nNextId - 1;
  ASSERT_NE(dynamic_cast<CGArcCenterP*>(Page().m_cells.Lookup(circle)), nullptr);

  Ribbon(ID_EDIT_SELECT);
  Render();
  Click(At(-5, 0));
  ASSERT_EQ(Page().m_selPaths, std::vector<WORD>{circle});
  QString caption;
  WhenShown([&caption](QDialog& dialog) {
    caption = dialog.windowTitle();
    dialog.findChild<QLineEdit*>(QStringLiteral("field0"))->setText(QStringLiteral("8"));
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  });
  const WORD first = Page().m_nNextId;
  Ribbon(ID_CREATE_PLANE_POLY);
  EXPECT_EQ(caption, QString::fromUtf8("输入顶点数"));
  ASSERT_EQ(Page().m_nNextId - first, 16);
  EXPECT_EQ(Page().m_undo.CurrentCommand()->GetName(), QString::fromUtf8("圆内接正8边形"));
  // On the circle as drawn: a click lands on the pixel, not on the grid.
  const std::vector<WORD>& defining = Page().m_cells.Lookup(circle)->m_parents;
  const float *centre = Pos(defining[0]), *rim = Pos(defining[1]);
  const double radius = std::hypot(rim[0] - centre[0], rim[1] - centre[1]);
  EXPECT_NEAR(radius, 5, 0.2);
  int onCircle = 0;
  for (WORD id = first; id < Page().m_nNextId; ++id) {
    if (!dynamic_cast<CGVertex*>(Page().m_cells.Lookup(id))) continue;
    EXPECT_NEAR(std::hypot(Pos(id)[0] - centre[0], Pos(id)[1] - centre[1]), radius, 1e-4) << id;
    ++onCircle;
  }
  EXPECT_EQ(onCircle, 8);

  QApplication::setActiveWindow(window);
  QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Page().m_nNextId, first);
  EXPECT_EQ(Page().m_cells.Lookup(first), nullptr);
  EXPECT_NE(Page().m_cells.Lookup(circle), nullptr);
}

}  // namespace
