// Positioning diagrams in the running program (xvfb), as a teacher uses
// them: a regular dodecahedron chosen in the real dialog from the ribbon,
// shown as coloured faces without points; a document holding a hull
// opened, the hull copied into fixed points, edges and faces that the
// object list shows and a drag does not move.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QImage>
#include <QPushButton>
#include <QTreeWidgetItem>
#include <set>

#include "cells/primitives/cgface.h"
#include "cells/solids/cgpolyhedron.h"
#include "cells/solids/convexhull.h"
#include "math/mathglobals.h"
#include "model/cgvertex.h"
#include "platform/commandids.h"
#include "programwindow.h"
#include "support/modaldialogs.h"
#include "ui/objectlist/viewtree.h"

namespace KAVREL_FILE_LOCAL {

class StaticDiagramsApp : public ProgramWindow {
 protected:
  StaticDiagramsApp() {
    ViewQuaternion = kQuatIdentity;
    g_bSnapToGrid = 0;
    Render();
  }
  int PageItems() { return window->Tree()->FindCurrentPageItem()->childCount(); }
};

TEST_F(StaticDiagramsApp, ADodecahedronFromTheRibbonShowsColouredFacesAndNoPoints) {
  QString caption;
  WhenShown([&caption](QDialog& dialog) {
    caption = dialog.windowTitle();
    dialog.findChild<QComboBox*>(QStringLiteral("kind"))->setCurrentIndex(8);
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  });
  const WORD first = Page().m_nNextId;
  Ribbon(ID_CREATE_STATICKAVREL);
  EXPECT_EQ(caption, QString::fromUtf8("添加定位图"));
  ASSERT_EQ(Page().m_nNextId - first, 62);
  EXPECT_EQ(Page().m_undo.CurrentCommand()->GetName(), QString::fromUtf8("添加静态图"));

  const QImage shot = view->grabFramebuffer();
  // Seen from above, the four faces turned toward the viewer (two more
  // stand edge-on) show in their own colours.
  std::set<QRgb> colours;
  for (int y = 0; y < shot.height(); y += 2)
    for (int x = 0; x < shot.width(); x += 2) colours.insert(shot.pixel(x, y) & 0xFFFFFF);
  int shown = 0;
  for (WORD id = first + 50; id < first + 62; ++id) {
    const RGBA c = Page().m_cells.Lookup(id)->m_rgbaColor;
    shown += colours.count(qRgb(c.r, c.g, c.b) & 0xFFFFFF) ? 1 : 0;
  }
  EXPECT_EQ(shown, 4);
  for (WORD id = first; id < first + 20; ++id) EXPECT_TRUE(Page().m_cells.Lookup(id)->m_bHidden) << id;
}

TEST_F(StaticDiagramsApp, AnOpenedHullIsCopiedIntoFixedCells) {
  const QString path = folder.filePath(QStringLiteral("hull.kv"));
  {
    CKavrelDoc doc;
    doc.OnNewDocument();
    auto* hull = new CGPolyhedron;
    const double corners[] = {0, 0, 0, 4, 0, 0, 0, 4, 0, 4, 4, 0, 0, 0, 4, 4, 0, 4, 0, 4, 4, 4, 4, 4};
    ASSERT_TRUE(BuildConvexHull(corners, 8, *hull));
    hull->m_nId = g_pCurPage->m_nNextId++;
    g_pCurPage->m_cells.SetAt(hull->m_nId, hull);
    ASSERT_TRUE(doc.OnSaveDocument(path));
  }
  ASSERT_NE(app.OpenDocumentFile(path), nullptr);
  QApplication::processEvents();
  Render();
  const WORD hull = 1;
  ASSERT_NE(dynamic_cast<CGPolyhedron*>(Page().m_cells.Lookup(hull)), nullptr);
  const auto* solid = static_cast<CGPolyhedron*>(Page().m_cells.Lookup(hull));
  const int cells = int(solid->Points.size() + solid->Edges.size() + solid->Faces.size());
  const int before = PageItems();
  Page().SelectCell(hull);
  Ribbon(ID_CREATE_STATICKAVREL);
  ASSERT_EQ(Page().m_nNextId, hull + 1 + cells);
  EXPECT_EQ(Page().m_undo.CurrentCommand()->GetName(), QString::fromUtf8("添加凸多面体定位图"));
  QApplication::processEvents();
  EXPECT_EQ(PageItems(), before + cells);
  EXPECT_EQ(Page().m_selOthers, std::vector<WORD>{hull});

  // The first new point lies at the hull's first vertex; a drag leaves it there.
  const WORD point = hull + 1;
  const float* at = static_cast<CGVertex*>(Page().m_cells.Lookup(point))->m_vPos;
  const std::vector<float> start(at, at + 3);
  Ribbon(ID_EDIT_SELECT);
  Render();
  const QPoint from = At(int(start[0]), int(start[1]));
  Drag(from, from + QPoint(60, 40));
  EXPECT_EQ(std::vector<float>(at, at + 3), start);
}

}  // namespace
