// The mouse tools in the running program (xvfb): with real mouse and key
// events on the main window a student builds a point, a segment, a triangle
// and a quadrilateral, a circle; drags a corner; turns and pans the view;
// selects by box; undoes and redoes; saves through Save As and finds the
// same construction on reopening; drags a caption out of the view and finds
// it in the view's corner.
#include <gtest/gtest.h>

#include <QSlider>
#include <QToolButton>
#include <cmath>

#include "keptpictures.h"
#include "programwindow.h"
#include "cells/constrained/follower.h"
#include "cells/primitives/arcsbypoints.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgline.h"
#include "cells/primitives/cgverfree.h"
#include "cells/dynamic/parameters/usercalculation.h"
#include "math/mathglobals.h"
#include "platform/commandids.h"
#include "support/documentfiles.h"
#include "ui/commandactions.h"
#include "ui/ribbon/ribbonbar.h"
#include "ui/translationsliders.h"

namespace KAVREL_FILE_LOCAL {

class MouseToolsApp : public ProgramWindow {
 protected:
  template <class T>
  T* Lookup(WORD id) {
    T* cell = dynamic_cast<T*>(Page().m_cells.Lookup(id));
    EXPECT_NE(cell, nullptr) << id;
    return cell;
  }
  template <class T>
  T* Newest() {
    return Lookup<T>(static_cast<WORD>(Page().m_nNextId - 1));
  }
  static ::testing::AssertionResult Near(const float* p, std::array<float, 3> expected) {
    for (int i = 0; i < 3; ++i)
      if (std::fabs(p[i] - expected[i]) > 1e-4f)
        return ::testing::AssertionFailure() << p[0] << ", " << p[1] << ", " << p[2];
    return ::testing::AssertionSuccess();
  }

};

TEST_F(MouseToolsApp, BuildDragTurnPanSelectUndoSaveAndReopen) {
  ASSERT_TRUE(view->isValid());
  ViewQuaternion = kQuatIdentity;
  g_bSnapToGrid = 1;
  Render();
  struct Build {
    unsigned tool;
    std::vector<QPoint> clicks;
    bool right;
    const char* label;
    int corners;  // of the newest face
  };
  const Build builds[] = {
      {ID_CREATE_POINT, {At(-8, 5)}, false, "添加全自由点", 0},
      {ID_CREATE_LINE, {At(-8, 0), At(-4, 0)}, false, "添加点与线", 0},
      {ID_CREATE_POLYGON, {At(0, 0), At(4, 0), At(0, 4)}, true, "添加三边形", 3},
      {ID_CREATE_POLYGON, {At(6, 0), At(10, 0), At(10, 4), At(6, 4)}, true, "添加四边形", 4},
      {ID_CREATE_CIRCLE, {At(-6, -6), At(-3, -6), At(-6, -3)}, false, "添加已知圆心和圆上两点的圆", 0},
  };
  for (const Build& b : builds) {
    Ribbon(b.tool);
    for (QPoint p : b.clicks) Click(p);
    if (b.right) Click(b.clicks.back() - QPoint(20, 0), Qt::RightButton);
    EXPECT_EQ(Page().m_undo.CurrentCommand()->GetName(), QString::fromUtf8(b.label));
    if (b.corners) {
      EXPECT_EQ(Newest<CGFace>()->m_parents.size(), static_cast<size_t>(b.corners));
    }
  }
  EXPECT_TRUE(Near(Lookup<CGVerFreeXyz>(1)->m_vPos, {-8, 5, 0}));
  const WORD circle = Newest<CGArcCenterP>()->m_nId;

  // Dragging the triangle's first corner (id 5) carries the corners that
  // follow it; a drag is no undo step.
  Ribbon(ID_EDIT_SELECT);
  const int steps = Page().m_undo.GetCount();
  Drag(At(0, 0), At(0, -2));
  EXPECT_TRUE(Near(Lookup<CGVerFreeXyz>(5)->m_vPos, {0, -2, 0}));
  EXPECT_TRUE(Near(Lookup<CGVerFreeHenchman>(6)->m_vPos, {4, -2, 0}));
  EXPECT_EQ(Page().m_undo.GetCount(), steps);

  // Turning from the top view, then panning.
  Drag(At(-12, -8), At(-12, -8) + QPoint(100, 0));
  EXPECT_NEAR(ViewQuaternion.z, std::sin(0.3), 1e-9);
  ViewQuaternion = kQuatIdentity;
  Drag(At(-12, -8), At(-12, -8) + QPoint(50, 0), Qt::MiddleButton);
  EXPECT_FLOAT_EQ(g_fViewTranslate[0], 10.0f);
  EXPECT_EQ(window->TranslationSlider(0)->value(), TranslationToSlider(0, 10.0f));
  g_fViewTranslate[0] = 0;
  Render();

  Ribbon(ID_EDIT_SELBOX);
  Drag(At(-13, 7), At(13, -9));
  int points = 0;
  for (auto [id, cell] : Page().m_cells) points += cell->IsKindOf(RUNTIME_CLASS(CGVertex)) ? 1 : 0;
  EXPECT_EQ(static_cast<int>(Page().m_selPoints.size()), points);

  // Other tests' windows share the display and may take its focus.
  ASSERT_TRUE(ActivateWindow(window));
  QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Page().m_cells.Lookup(circle), nullptr);
  ASSERT_TRUE(ActivateWindow(window));
  QTest::keyClick(window, Qt::Key_R, Qt::ControlModifier);
  EXPECT_NE(Page().m_cells.Lookup(circle), nullptr);

  const QString path = folder.filePath(QStringLiteral("drawn.kv"));
  static_cast<ScriptedFileChooser&>(FileChooser()).answers = {path};
  window->Actions().Action(ID_FILE_SAVE_AS)->trigger();
  const QByteArray built = DocumentBytes(app.Document());
  // The same classes, parents, names and positions come back: the same bytes.
  CKavrelDoc reopened;
  ASSERT_TRUE(reopened.OnOpenDocument(path, true));
  EXPECT_EQ(DocumentBytes(reopened).toHex(), built.toHex());
}

// The pointer leaves the view towards the lower left while it drags a
// caption: the caption stops 8 pixels inside the view's lower left corner
// and is drawn there.
TEST_F(MouseToolsApp, ACaptionDraggedOutOfTheViewStopsInItsCorner) {
  ASSERT_TRUE(view->isValid());
  auto* caption = new CGTmVarCalculator(Page().m_nNextId++, {}, QStringLiteral("1+1"), QString());
  caption->m_vLabelAnchor[0] = caption->m_vLabelAnchor[1] = 0;  // its lower left at the view's centre
  Page().m_cells.SetAt(caption->m_nId, caption);
  caption->Recalculate();
  caption->UpdateLabel();
  Ribbon(ID_EDIT_SELECT);
  Render();
  Drag(At(0, 0) + QPoint(6, -6), {-300, view->height() + 300});
  ASSERT_TRUE(caption->m_bSelected) << "the press grabbed the caption";
  // The anchor's pixel (y down); the object list may have taken a few
  // pixels from the view since, as it shows the selection.
  const float u = g_fUnitsPerPixel;
  EXPECT_NEAR(caption->m_vLabelAnchor[0] / u + view->width() / 2.0f, 8, 3);
  EXPECT_NEAR(view->height() / 2.0f - caption->m_vLabelAnchor[1] / u, view->height() - 8, 3);
  KeptPictures pictures;
  const QImage picture = pictures.Keep("dragged", view->grabFramebuffer());
  const double ratio = view->devicePixelRatioF();
  int selected = 0;  // pixels of the selection colour in that corner
  for (int y = view->height() - 40; y < view->height(); ++y)
    for (int x = 0; x < 120; ++x) {
      const QColor c(picture.pixel(static_cast<int>(x * ratio), static_cast<int>(y * ratio)));
      selected += c.red() > 200 && c.green() < 80 && c.blue() > 200 ? 1 : 0;
    }
  EXPECT_GT(selected, 20) << "the caption is drawn in the corner";
}

}  // namespace
