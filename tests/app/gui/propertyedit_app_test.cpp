// The property command in the running program (xvfb), as a teacher uses it:
// a triangle drawn with the polygon tool is lit and pictured from its own
// shortcut menu, with no undo step, and keeps both after reopening; a free
// point opened by a double click takes a typed x, which Ctrl+Z puts back and
// Ctrl+R sets again.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "cells/primitives/cgface.h"
#include "cells/primitives/cgverfree.h"
#include "math/mathglobals.h"
#include "model/document/kavreldoc.h"
#include "platform/commandids.h"
#include "programwindow.h"
#include "support/documentfiles.h"
#include "support/modaldialogs.h"
#include "support/settle.h"
#include "userchoices.h"

namespace KAVREL_FILE_LOCAL {

class PropertyEditApp : public ProgramWindow {
 protected:
  template <class T>
  T* Newest() {
    return dynamic_cast<T*>(Page().m_cells.Lookup(static_cast<WORD>(Page().m_nNextId - 1)));
  }
};

TEST_F(PropertyEditApp, AFaceLitAndPicturedFromItsMenuAndAPointTypedUndoneAndRedone) {
  ASSERT_TRUE(view->isValid());
  ViewQuaternion = kQuatIdentity;
  g_bSnapToGrid = 1;
  Render();
  Ribbon(ID_CREATE_POLYGON);
  for (QPoint p : {At(0, 0), At(8, 0), At(0, 8)}) Click(p);
  Click(At(0, 8) - QPoint(20, 0), Qt::RightButton);
  CGFace* face = Newest<CGFace>();
  ASSERT_TRUE(face);
  const QString created = Page().m_undo.CurrentCommand()->GetName();
  const int steps = Page().m_undo.GetCount();
  Ribbon(ID_EDIT_SELECT);
  Render();
  const QPoint inside = At(2, 2);
  const int plainColours = ColoursAround(view, inside, 8);

  WhenShown([](QDialog& dialog) {
    ByText<QRadioButton>(dialog, "光照处理")->click();
    auto* textures = dialog.findChild<QComboBox*>(QStringLiteral("textures"));
    textures->setCurrentIndex(textures->findText(QString::fromUtf8("图3")));
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  });
  ASSERT_TRUE(ChooseFromMenu(view, inside, "属性..."));
  EXPECT_TRUE(SettleUntil([face] { return face->m_nStyle == kFaceLit; }));
  EXPECT_EQ(face->m_nStyle, kFaceLit);
  EXPECT_EQ(face->m_dwParam3, 3u);
  EXPECT_EQ(Page().m_undo.GetCount(), steps) << "a property edit is no undo step";
  EXPECT_EQ(Page().m_undo.CurrentCommand()->GetName(), created);
  EXPECT_TRUE(app.Document().IsModified());
  Click(At(-10, -8));  // on empty space: a selected face is drawn plain
  Render();
  EXPECT_GT(ColoursAround(view, inside, 8), plainColours + 4) << "the picture shows on the lit face";

  const QString path = folder.filePath(QStringLiteral("lit.kv"));
  static_cast<ScriptedFileChooser&>(FileChooser()).answers = {path};
  window->Actions().Action(ID_FILE_SAVE_AS)->trigger();
  CKavrelDoc reopened;
  ASSERT_TRUE(reopened.OnOpenDocument(path, true));
  auto* kept = dynamic_cast<CGFace*>(reopened.CurrentPage()->m_cells.Lookup(face->m_nId));
  ASSERT_TRUE(kept);
  EXPECT_EQ(kept->m_nStyle, kFaceLit);
  EXPECT_EQ(kept->m_dwParam3, 3u);

  Ribbon(ID_CREATE_POINT);
  Click(At(-6, 4));
  auto* point = Newest<CGVerFreeXyz>();
  ASSERT_TRUE(point);
  Ribbon(ID_EDIT_SELECT);
  Render();
  WhenShown([](QDialog& dialog) {
    dialog.findChild<QLineEdit*>(QStringLiteral("x"))->setText(QStringLiteral("2"));
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  });
  QTest::mouseDClick(view, Qt::LeftButton, {}, At(-6, 4));
  EXPECT_TRUE(SettleUntil([point] { return point->m_vPos[0] == 2.0f; }));
  EXPECT_EQ(Page().m_undo.CurrentCommand()->GetName(), QString::fromUtf8("修改点坐标"));
  ASSERT_TRUE(ActivateWindow(window));
  QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_FLOAT_EQ(point->m_vPos[0], -6.0f);
  EXPECT_FLOAT_EQ(point->m_vPos[1], 4.0f);
  // The key works once the frame has seen that there is a step to redo.
  QAction* redo = window->Actions().Action(ID_EDIT_REDO);
  ASSERT_TRUE(SettleUntil([redo] { return redo->isEnabled(); }));
  ASSERT_TRUE(ActivateWindow(window));
  QTest::keyClick(window, Qt::Key_R, Qt::ControlModifier);
  EXPECT_FLOAT_EQ(point->m_vPos[0], 2.0f);
  EXPECT_FLOAT_EQ(point->m_vPos[1], 4.0f);
}

}  // namespace
