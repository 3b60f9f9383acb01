// The merged tools of the ribbon in the running program (xvfb), as a new
// user tries them: with nothing selected the point tool draws points; a
// point ticked in the object list and the line tool make a horizontal
// segment, not the line drawing; points ticked in pairs join; the frustum
// tool with nothing selected makes its standard frustum; two crossing
// segments ticked and the point tool make their intersection; saved,
// closed and opened again, every cell comes back.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>

#include "cells/constrained/linepoints.h"
#include "cells/primitives/cgline.h"
#include "math/mathglobals.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "programwindow.h"
#include "ui/objectlist/viewtree.h"

namespace KAVREL_FILE_LOCAL {

class MergedToolsApp : public ProgramWindow {
 protected:
  WORD Next() { return Page().m_nNextId; }
  // Each cell: class, parents and, for a point, its place.
  std::map<WORD, std::string> Cells() {
    std::map<WORD, std::string> cells;
    for (auto [id, cell] : Page().m_cells) {
      std::string text = cell->GetRuntimeClass()->m_lpszClassName;
      for (WORD parent : cell->m_parents) text += " " + std::to_string(parent);
      if (const auto* point = dynamic_cast<const CGVertex*>(cell))
        for (float x : point->m_vPos) text += " " + std::to_string(x);
      cells[id] = text;
    }
    return cells;
  }
};

TEST_F(MergedToolsApp, TheToolsBuildWhatTheSelectionAsksForAndItIsSaved) {
  ASSERT_TRUE(view->isValid());
  ViewQuaternion = kQuatIdentity;
  g_bSnapToGrid = 1;
  Render();
  // Nothing selected: the point tool draws.
  Ribbon(ID_CREATE_POINT);
  EXPECT_EQ(g_nToolMode, 2);
  for (QPoint at : {At(-3, 0), At(3, 0), At(0, -3), At(0, 3)}) Click(at);
  ASSERT_EQ(Next(), 5);
  Ribbon(ID_EDIT_SELECT);
  ASSERT_EQ(g_nToolMode, 1);

  // One point ticked: the line tool adds a point and a horizontal segment.
  Tick({1});
  Ribbon(ID_CREATE_LINE);
  EXPECT_EQ(g_nToolMode, 1) << "no line drawing";
  ASSERT_EQ(Next(), 7);
  const auto* along = dynamic_cast<CGVerFreeParVector*>(Page().m_cells.Lookup(5));
  ASSERT_NE(along, nullptr);
  EXPECT_EQ(along->m_parents, std::vector<WORD>{1});
  EXPECT_FLOAT_EQ(along->m_vPos[1], 0);
  EXPECT_NE(dynamic_cast<CGLine*>(Page().m_cells.Lookup(6)), nullptr);
  EXPECT_EQ(Page().m_undo.CurrentCommand()->GetName(), QString::fromUtf8("添加水平线段"));

  // Two pairs of points joined by segments crossing at the origin.
  Tick({1, 2});
  Ribbon(ID_CREATE_LINE);
  Tick({3, 4});
  Ribbon(ID_CREATE_LINE);
  ASSERT_EQ(Next(), 9);
  Tick({7, 8});
  Ribbon(ID_CREATE_POINT);
  EXPECT_EQ(g_nToolMode, 1);
  ASSERT_EQ(Next(), 10);
  const auto* crossing = dynamic_cast<CGVertex*>(Page().m_cells.Lookup(9));
  ASSERT_NE(crossing, nullptr);
  EXPECT_EQ(crossing->m_parents, (std::vector<WORD>{7, 8}));
  for (float x : crossing->m_vPos) EXPECT_NEAR(x, 0, 1e-5);

  // Nothing selected: the standard frustum.
  Tick({});
  Ribbon(ID_CREATE_FRUSTUM);
  ASSERT_EQ(Next(), 39);
  EXPECT_EQ(Page().m_undo.CurrentCommand()->GetName(), QString::fromUtf8("添加正四棱台"));

  const std::map<WORD, std::string> made = Cells();
  const QString path = folder.filePath(QStringLiteral("merged.kv"));
  ASSERT_TRUE(app.Document().OnSaveDocument(path));
  app.OnFileNew();
  ASSERT_TRUE(Page().m_cells.size() == 0);
  ASSERT_NE(app.OpenDocumentFile(path), nullptr);
  EXPECT_EQ(Cells(), made);
}

}  // namespace
