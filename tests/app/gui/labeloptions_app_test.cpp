// Labels and page names in the running program (xvfb): a segment drawn
// with the mouse, its end points measured by the ribbon's distance, the
// value's label made the custom text "L" through the ribbon's label button,
// two pages named by their places through the document options, and all of
// it saved and read back.
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QCheckBox>

#include "cells/dynamic/measures/geometricmeasures.h"
#include "math/mathglobals.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "programwindow.h"
#include "render/viewglobals.h"
#include "support/modaldialogs.h"
#include "ui/objectlist/viewtree.h"

namespace KAVREL_FILE_LOCAL {

using LabelOptionsApp = ProgramWindow;

// The names the object list shows for the pages, in order.
QStringList PageItems(CViewTree* tree) {
  QStringList texts;
  QTreeWidgetItem* root = tree->RootItem();
  for (int i = 0; root && i < root->childCount(); ++i) texts << root->child(i)->text(0);
  return texts;
}

TEST_F(LabelOptionsApp, ACustomCaptionAndPagesNamedInOrderAreSavedAndReadBack) {
  ASSERT_TRUE(view->isValid());
  ViewQuaternion = kQuatIdentity;
  g_bSnapToGrid = 1;
  Render();
  Ribbon(ID_CREATE_LINE);
  Click(At(-4, 0));
  Click(At(4, 0));
  Ribbon(ID_EDIT_SELECT);
  CViewTree* tree = window->Tree();
  QTreeWidgetItem* pageItem = tree->FindCurrentPageItem();
  Page().ClearSelection();
  for (WORD id : {1, 2}) tree->ClickCheckBox(CViewTree::FindChildItem(pageItem, id));
  Ribbon(ID_MEASURE_D_PP);
  auto* distance = dynamic_cast<CGTmVarDistancePP*>(Page().m_cells.Lookup(Page().m_nNextId - 1));
  ASSERT_TRUE(distance);
  const WORD value = distance->m_nId;
  EXPECT_EQ(distance->m_strName, QStringLiteral("|AB|"));

  // The value alone, then its label.
  for (WORD id : std::vector<WORD>(Page().m_selAll)) tree->ClickCheckBox(CViewTree::FindChildItem(pageItem, id));
  tree->ClickCheckBox(CViewTree::FindChildItem(pageItem, value));
  ASSERT_EQ(Page().m_selAll, std::vector<WORD>{value});
  bool answered = false;
  WhenShown([&answered](QDialog& dialog) {
    ByText<QRadioButton>(dialog, "自定义标签")->click();
    ByText<QRadioButton>(dialog, "文本格式")->click();
    auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("label"));
    EXPECT_TRUE(edit->isVisibleTo(&dialog));
    edit->setText(QStringLiteral("L"));
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    answered = true;
  });
  Ribbon(ID_EDIT_LABELMOD);
  ASSERT_TRUE(answered);
  EXPECT_EQ(distance->m_strName, QStringLiteral("L"));
  EXPECT_EQ(distance->m_nStyle, 0) << "shown as text: the name itself";
  EXPECT_EQ(distance->m_strVodName, QStringLiteral("<#><l><e>L</e></l></#>"));
  EXPECT_TRUE(distance->m_bNameFixed);
  EXPECT_TRUE(app.Document().IsModified());
  Render();

  // A second page moved before the first, then both named by their places.
  Ribbon(ID_CREATE_PAGE);
  Ribbon(kCmdMovePageUp);
  ASSERT_EQ(app.Document().m_pages.size(), 2u);
  EXPECT_EQ(app.Document().m_pages[0]->m_strName, QString::fromUtf8("第二页"));
  answered = false;
  WhenShown([&answered](QDialog& dialog) {
    ByText<QCheckBox>(dialog, "页名称按序自动重命名")->setChecked(true);
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    answered = true;
  });
  Ribbon(ID_FILE_OPTIONS);
  ASSERT_TRUE(answered);
  EXPECT_TRUE(SettleUntil([&] {
    const QStringList items = PageItems(tree);
    return items.size() == 2 && items[0].contains(QString::fromUtf8("第一页")) &&
           items[1].contains(QString::fromUtf8("第二页"));
  })) << PageItems(tree).join(' ').toStdString();

  const QString path = folder.filePath(QStringLiteral("labels.kv"));
  ASSERT_TRUE(app.Document().OnSaveDocument(path));
  ASSERT_NE(app.OpenDocumentFile(path), nullptr);
  ASSERT_EQ(app.Document().m_pages.size(), 2u);
  EXPECT_EQ(app.Document().m_pages[0]->m_strName, QString::fromUtf8("第一页"));
  EXPECT_EQ(app.Document().m_pages[1]->m_strName, QString::fromUtf8("第二页"));
  const CGPage& first = *app.Document().m_pages[1];  // the measured page, now second
  const CGCell* reread = first.m_cells.Lookup(value);
  ASSERT_TRUE(reread);
  EXPECT_EQ(reread->m_strName, QStringLiteral("L"));
  EXPECT_TRUE(reread->m_bNameFixed);
}

}  // namespace
