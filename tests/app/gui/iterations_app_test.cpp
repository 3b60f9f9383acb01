// An iteration in the running program (xvfb), made as a new user makes it:
// A and B, their midpoint M and the segment AM from the ribbon; A and B
// selected, "迭代图" with A for A and M for B.
// The property dialog then raises the depth and keeps solid lines only,
// the view following while it is open; the document saves and reopens
// byte for byte.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

#include "cells/dynamic/iterations/iteration.h"
#include "cells/primitives/cgline.h"
#include "cells/primitives/cgverfree.h"
#include "platform/commandids.h"
#include "programwindow.h"
#include "support/modaldialogs.h"
#include "support/runningapp.h"
#include "ui/dialogs/dialogwidgets.h"

namespace {

class IterationsApp : public ProgramWindow {
 protected:
  WORD FreePoint(const char* name, float x, float y) {
    CGPage& page = Page();
    auto* point = new CGVerFree(page.m_nNextId++, page.m_nNextVertex++, QString::fromUtf8(name), x, y, 0);
    page.m_cells.SetAt(point->m_nId, point);
    return point->m_nId;
  }
  void Select(std::initializer_list<WORD> ids) {
    Page().ClearSelection();
    for (WORD id : ids) Page().SelectCell(id);
  }
};

TEST_F(IterationsApp, NestedSegmentsFollowTheLivePropertyDialog) {
  ASSERT_TRUE(view->isValid());
  const WORD a = FreePoint("A", -6, -3), b = FreePoint("B", 6, 3);
  window->DocumentShown();
  SetDialogProvider(MakeWidgetDialogProvider(window));
  Select({a, b});
  Ribbon(ID_CREATE_POINT_MIDDLE);
  const WORD m = static_cast<WORD>(Page().m_nNextId - 1);
  ASSERT_TRUE(Page().m_cells.Lookup(m) && Page().m_cells.Lookup(m)->IsKindOf(RUNTIME_CLASS(CGVertex)));
  Select({a, m});
  Ribbon(ID_CREATE_LINE_SEGMENT);
  ASSERT_EQ(PageCellsOf<CGLine>().size(), 1u);
  const QString mName = Page().m_cells.Lookup(m)->m_strName;

  Select({a, b});
  WhenShown([&](QDialog& d) {
    auto* images = d.findChild<QComboBox*>(QStringLiteral("images"));
    emit images->activated(images->findText(QStringLiteral("A")));
    emit images->activated(images->findText(mName));
    d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  });
  Ribbon(ID_TRANS_ITERATE);
  ASSERT_EQ(PageCellsOf<CGIterate>().size(), 1u);
  CGIterate& iterate = *PageCellsOf<CGIterate>()[0];
  EXPECT_EQ(iterate.m_nDepth, 3);
  Render();
  EXPECT_TRUE(iterate.m_bDefined);
  EXPECT_EQ(iterate.DrawnDepth(), 3);

  Select({iterate.m_nId});
  int whileOpen = 0;
  WhenShown([&](QDialog& d) {
    auto* depth = d.findChild<QLineEdit*>(QStringLiteral("depth"));
    depth->setText(QStringLiteral("6"));
    emit depth->editingFinished();
    d.findChild<QCheckBox*>(QStringLiteral("solidLinesOnly"))->click();
    whileOpen = iterate.m_nDepth;
    view->grabFramebuffer();
    d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  });
  Ribbon(ID_EDIT_PROPERTY);
  EXPECT_EQ(whileOpen, 6) << "written while the dialog is open";
  EXPECT_EQ(iterate.m_bSolidLinesOnly, 1);

  const QString path = folder.filePath(QStringLiteral("halving.kv"));
  const QString again = folder.filePath(QStringLiteral("again.kv"));
  UndoRedoSaveAndReopen<CGIterate>(app, "添加迭代图", path);
  ASSERT_TRUE(app.Document().OnSaveDocument(again));
  QFile first(path), second(again);
  ASSERT_TRUE(first.open(QIODevice::ReadOnly) && second.open(QIODevice::ReadOnly));
  EXPECT_TRUE(first.readAll() == second.readAll()) << "save, open, save: identical";
  ASSERT_EQ(PageCellsOf<CGIterate>().size(), 1u);
  EXPECT_EQ(PageCellsOf<CGIterate>()[0]->m_nDepth, 6);
}

}  // namespace
