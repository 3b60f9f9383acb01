// Copy, paste and delete in the running program (xvfb): the ribbon's
// actions on a ticked point of a face, the object list following, and the
// pasted cells kept by a save and a reload.
#include <gtest/gtest.h>

#include <QImage>
#include <QAction>
#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTreeWidgetItem>

#include "app/classregistration.h"
#include "app/kavrelapp.h"
#include "app/mainwindow.h"
#include "appenvironment.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgverfree.h"
#include "model/cgpage.h"
#include "platform/clipboard.h"
#include "platform/commandids.h"
#include "support/recorders.h"
#include "ui/commandactions.h"
#include "ui/objectlist/viewtree.h"

namespace KAVREL_FILE_LOCAL {

std::vector<WORD> ListedIds(CViewTree& tree) {
  std::vector<WORD> ids;
  QTreeWidgetItem* page = tree.FindCurrentPageItem();
  for (int i = 0; page && i < page->childCount(); ++i) ids.push_back(CViewTree::ItemId(page->child(i)));
  return ids;
}

TEST(ClipboardDocument, CopyPasteAndDeleteFromTheRibbonAreListedAndSaved) {
  SeamRecorders seams;
  RegisterAllClasses();
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("face.kv"));
  {
    CKavrelDoc doc;
    doc.OnNewDocument();
    CGPage& page = *doc.m_pages.front();
    const float corners[3][2] = {{0, 0}, {4, 0}, {0, 3}};  // A, B, C
    for (const auto& xy : corners) {
      const WORD id = page.m_nNextId++;
      page.m_cells.SetAt(id, new CGVerFreeXyz(id, page.m_nNextVertex++, page.GetNewName(1), xy[0], xy[1], 0));
    }
    page.m_cells.SetAt(4, new CGFace(page.m_nNextId++, 1, 2, 3, 0x00336699));
    ASSERT_TRUE(doc.OnSaveDocument(path));
  }
  CKavrelApp app(TestAppEnvironment(folder));
  ASSERT_TRUE(app.InitInstance({QStringLiteral("kavrel"), path}));
  CMainWindow* window = app.MainWindow();
  ASSERT_NE(window, nullptr);
  QCoreApplication::processEvents();
  CViewTree& tree = *window->Tree();
  ASSERT_EQ(ListedIds(tree), (std::vector<WORD>{1, 2, 3, 4}));
  const float u = g_fUnitsPerPixel;

  window->Tree()->ClickCheckBox(CViewTree::FindChildItem(tree.FindCurrentPageItem(), 1));
  ASSERT_TRUE(g_pCurPage->m_cells.Lookup(1)->m_bSelected);
  QAction* copy = window->Actions().Action(ID_EDIT_COPY);
  QAction* paste = window->Actions().Action(ID_EDIT_PASTE);
  QAction* remove = window->Actions().Action(ID_EDIT_DELETE);
  // The states the ribbon shows, as its idle refresh makes them.
  const auto settle = [window] {
    QCoreApplication::processEvents();
    window->Actions().Refresh();
  };
  settle();
  ASSERT_TRUE(copy->isEnabled());
  EXPECT_FALSE(paste->isEnabled());
  copy->trigger();
  settle();
  ASSERT_TRUE(paste->isEnabled());
  paste->trigger();
  QCoreApplication::processEvents();
  EXPECT_EQ(ListedIds(tree), (std::vector<WORD>{1, 2, 3, 4, 5}));
  const auto* pasted = dynamic_cast<CGVerFreeXyz*>(g_pCurPage->m_cells.Lookup(5));
  ASSERT_NE(pasted, nullptr);
  EXPECT_FLOAT_EQ(pasted->m_vPos[0], 40 * u);
  EXPECT_FLOAT_EQ(pasted->m_vPos[1], -40 * u);

  g_pCurPage->ClearSelection();
  window->Tree()->ClickCheckBox(CViewTree::FindChildItem(tree.FindCurrentPageItem(), 1));
  settle();
  ASSERT_TRUE(remove->isEnabled());
  remove->trigger();
  QCoreApplication::processEvents();
  EXPECT_EQ(ListedIds(tree), (std::vector<WORD>{2, 3, 5}));

  const QString saved = folder.filePath(QStringLiteral("saved.kv"));
  ASSERT_TRUE(app.Document().OnSaveDocument(saved));
  CKavrelDoc reopened;
  ASSERT_TRUE(reopened.OnOpenDocument(saved, true));
  EXPECT_EQ(g_pCurPage->m_cells.Ids(), (std::vector<WORD>{2, 3, 5}));
  pasted = dynamic_cast<CGVerFreeXyz*>(g_pCurPage->m_cells.Lookup(5));
  ASSERT_NE(pasted, nullptr);
  EXPECT_FLOAT_EQ(pasted->m_vPos[0], 40 * u);
  EXPECT_FLOAT_EQ(pasted->m_vPos[1], -40 * u);
  window->close();
}

TEST(ClipboardDocument, TheSystemClipboardTellsTheDocumentOfItsChanges) {
  SeamRecorders seams;
  SetClipboard(nullptr);  // the system clipboard of the display
  RegisterAllClasses();
  CKavrelDoc doc;
  doc.OnNewDocument();
  g_pCurPage->m_nPasteCount = -1;
  Clipboard().SetData(QStringLiteral("CF_KAVREL"), QByteArray::fromHex("0200000000"));
  EXPECT_EQ(g_pCurPage->m_nPasteCount, 1);
  ASSERT_TRUE(Clipboard().HasFormat(QStringLiteral("CF_KAVREL")));
  EXPECT_EQ(Clipboard().Data(QStringLiteral("CF_KAVREL"))->toHex(), "0200000000");
  EXPECT_FALSE(Clipboard().HasImage());
  Clipboard().SetText(QStringLiteral("text"));
  EXPECT_EQ(g_pCurPage->m_nPasteCount, 1) << "text is nothing the program pastes";
  EXPECT_FALSE(Clipboard().HasFormat(QStringLiteral("CF_KAVREL")));
  QImage picture(2, 2, QImage::Format_RGB32);
  picture.fill(Qt::black);
  Clipboard().SetImage(picture);
  EXPECT_EQ(g_pCurPage->m_nPasteCount, 0);
}

}  // namespace
