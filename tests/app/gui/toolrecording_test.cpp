// Recording a user tool through the program's real start-up: the segment
// ticked in the object list, the command from the ribbon, the question and
// the new-tool dialog answered on screen, the menu, and the tool saved and
// read back with the document.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <functional>

#include "cells/primitives/cgline.h"
#include "cells/primitives/cgverfree.h"
#include "editing/tooldialog.h"
#include "model/document/usertool.h"
#include "platform/commandids.h"
#include "startedapp.h"
#include "ui/objectlist/viewtree.h"

namespace KAVREL_FILE_LOCAL {

// Runs `answer` on the next modal window once it is up; one titled
// otherwise fails the test and is closed, so that nothing waits for ever.
void WhenModal(const QString& title, std::function<void(QWidget*)> answer) {
  QTimer::singleShot(10, [title, answer] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return WhenModal(title, answer);
    if (modal->windowTitle() == title) return answer(modal);
    ADD_FAILURE() << "shown " << modal->windowTitle().toStdString() << " for " << title.toStdString();
    modal->close();
  });
}

using ToolRecordingAppTest = StartedAppTest;

TEST_F(ToolRecordingAppTest, ASegmentBecomesANamedToolOfTheDocument) {
  CGPage* page = Page();
  for (float x : {0.0f, 4.0f}) {
    auto* point = new CGVerFreeXyz(page->m_nNextId++, page->m_nNextVertex++, page->GetNewName(1), x, 1, 0);
    page->m_cells.SetAt(point->m_nId, point);
  }
  auto* segment = new CGLine(page->m_nNextId++, 1, 2, kLineSegment);
  page->m_cells.SetAt(segment->m_nId, segment);
  window->DocumentShown();
  QTreeWidgetItem* pageItem = Tree()->FindCurrentPageItem();
  Tree()->ClickCheckBox(CViewTree::FindChildItem(pageItem, segment->m_nId));
  ASSERT_EQ(page->m_selAll, std::vector<WORD>{3});

  bool asked = false, named = false;
  WhenModal(QStringLiteral("继续创建工具？"), [&](QWidget* box) {
    asked = true;
    qobject_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click();
    WhenModal(QStringLiteral("新建工具"), [&](QWidget* dialog) {
      named = true;
      auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("toolName"));
      EXPECT_EQ(name->text(), QStringLiteral("工具#1"));
      EXPECT_FALSE(dialog->findChild<QCheckBox*>(QStringLiteral("showScript"))->isChecked());
      name->setText(QStringLiteral("我的工具"));
      dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
  });
  window->Actions().Refresh();
  QAction* create = window->Actions().Action(ID_TOOL_CREATE);
  ASSERT_TRUE(create->isEnabled());
  create->trigger();
  EXPECT_TRUE(asked && named);

  // What the custom-tool menu lists after the folder's sets.
  const auto documentEntries = [&] {
    QMenu* menu = window->CustomToolButton()->menu();
    QStringList texts;
    for (QAction* action : menu ? menu->actions() : QList<QAction*>()) texts << action->text();
    return texts.mid(std::max<qsizetype>(0, texts.indexOf(QStringLiteral("当前文档工具"))));
  };
  const QStringList listed{QStringLiteral("当前文档工具"), QStringLiteral("我的工具")};
  EXPECT_EQ(documentEntries(), listed);
  EXPECT_EQ(page->m_cells.size(), 3u);

  const QString path = folder.filePath(QStringLiteral("tool.kv"));
  ASSERT_TRUE(app.Document().OnSaveDocument(path));
  ASSERT_NE(app.OpenDocumentFile(path), nullptr);
  const CToolList& tools = app.Document().m_tools;
  ASSERT_EQ(tools.size(), 1u);
  EXPECT_EQ(tools[0]->m_strName, QStringLiteral("我的工具"));
  EXPECT_EQ(tools[0]->m_nCellCount, 3);
  EXPECT_EQ(tools[0]->m_cells.size(), 3u);
  EXPECT_EQ(documentEntries(), listed) << "the reopened document lists its tool once";
  app.OnFileNew();
  EXPECT_FALSE(documentEntries().contains(QStringLiteral("我的工具"))) << "a new document has no tools";
}

// The dialog gives back what was typed and ticked only on OK; a name longer
// than a line edit usually takes is kept whole.
TEST_F(ToolRecordingAppTest, TheNewToolDialogGivesBackTheNameAndTheTickOnlyOnOk) {
  const QString longName(40000, QChar(u'名'));
  for (bool ok : {true, false}) {
    CDlgTool data;
    data.m_strName = QStringLiteral("工具#3");
    data.m_bShowScript = 1;
    WhenModal(QStringLiteral("新建工具"), [&](QWidget* dialog) {
      EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("toolName"))->text(), QStringLiteral("工具#3"));
      dialog->findChild<QLineEdit*>(QStringLiteral("toolName"))->setText(longName);
      auto* tick = dialog->findChild<QCheckBox*>(QStringLiteral("showScript"));
      EXPECT_TRUE(tick->isChecked()) << "the preset";
      tick->setChecked(false);
      dialog->findChild<QDialogButtonBox*>()->button(ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
      if (!dialog->isVisible()) return;
      ADD_FAILURE() << "the dialog stayed open, ok " << ok;
      qobject_cast<QDialog*>(dialog)->reject();
    });
    EXPECT_EQ(DialogProvider().DoModal(data), ok ? IDOK : IDCANCEL);
    EXPECT_EQ(data.m_strName, ok ? longName : QStringLiteral("工具#3")) << ok;
    EXPECT_EQ(data.m_bShowScript, ok ? 0 : 1) << ok;
  }
}

}  // namespace
