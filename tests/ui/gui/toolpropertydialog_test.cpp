// The widgets of the tool-properties dialog: what an edit holds goes into
// the tool when the user leaves it, choices and buttons act at once, and
// the lists and edits follow the tools copied and deleted.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QKeyEvent>

#include "cells/constrained/dependentpoints.h"
#include "editing/toolrecording.h"
#include "model/document/kavreldoc.h"
#include "model/document/toolfolder.h"
#include "model/document/usertool.h"
#include "platform/commandids.h"
#include "support/commandpage.h"
#include "support/modaldialogs.h"
#include "support/settle.h"
#include "ui/dialogs/dialogwidgets.h"

namespace KAVREL_FILE_LOCAL {

QStringList Rows(const QListWidget* list) {
  QStringList rows;
  for (int i = 0; i < list->count(); ++i) rows << list->item(i)->text();
  return rows;
}

// Types into `edit` over all it held and leaves it for `next`, as a user
// moving on.  The text comes as an input method gives it (QTest types
// only Latin letters).
template <class Edit>
void TypeAndLeave(QDialog& dialog, Edit* edit, const QString& text, QWidget* next) {
  ASSERT_TRUE(ActivateWindow(&dialog, edit));
  edit->selectAll();
  QKeyEvent typed(QEvent::KeyPress, 0, Qt::NoModifier, text);
  QApplication::sendEvent(edit, &typed);
  ASSERT_TRUE(ActivateWindow(&dialog, next));
}

TEST(ToolPropertyDialog, EditsCopiesAndDeletesTheDocumentsTools) {
  CommandPage p;
  const WORD a = p.Point(), b = p.Point(1, 2, 0), ab = p.Line(a, b);
  p.Enter(new CGVerMid(p.Page().m_nNextId++, p.Page().m_nNextVertex++, QStringLiteral("M"), ab));
  p.Select({a, b, ab});
  std::unique_ptr<CRecord> tool = CreateToolFromSelection();
  ASSERT_NE(tool, nullptr);
  for (const char* name : {"T", "U"}) {
    p.doc.m_tools.push_back(CopyRecord(*tool));
    p.doc.m_tools.back()->m_strName = QString::fromUtf8(name);
  }
  p.doc.RefreshToolMenu();
  tool->m_strName = QStringLiteral("F");
  g_globalTools.push_back(tool.release());
  g_pCurrentTool = g_globalTools.back();
  g_nCurrentToolId = ID_TOOL_USE_FIRST;
  g_nToolMode = 1;
  QWidget owner;
  SetDialogProvider(MakeWidgetDialogProvider(&owner));
  const auto menu = [&p] {
    QStringList names;
    for (const auto& item : p.seams.bridge->documentTools) names << item.name;
    return names;
  };

  bool ran = false;
  WhenShown([&](QDialog& dialog) {
    ran = true;
    auto* tools = Child<QListWidget>(dialog, "tools");
    auto* inputs = Child<QListWidget>(dialog, "inputs");
    auto* name = Child(dialog, "toolName");
    auto* comment = Child<QPlainTextEdit>(dialog, "toolComment");
    auto* inputComment = Child(dialog, "inputComment");
    auto* copy = Child<QPushButton>(dialog, "copyTool");
    auto* remove = Child<QPushButton>(dialog, "deleteTool");
    const auto finish = [&dialog] { Press(dialog, QDialogButtonBox::Ok); };
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("工具属性"));
    EXPECT_EQ(Rows(tools), (QStringList{QStringLiteral("T"), QStringLiteral("U")}));
    EXPECT_EQ(tools->currentRow(), 0);
    EXPECT_EQ(Rows(inputs), (QStringList{QStringLiteral("1. A"), QStringLiteral("2. B")}));
    EXPECT_EQ(name->text(), QStringLiteral("T"));
    EXPECT_EQ(inputComment->text(), QStringLiteral("点A"));
    EXPECT_TRUE(Child<QCheckBox>(dialog, "defaultColors")->isChecked());
    EXPECT_EQ(copy->text(), QStringLiteral("复制工具"));

    TypeAndLeave(dialog, name, QStringLiteral("中点工具"), inputs);
    EXPECT_EQ(p.doc.m_tools[0]->m_strName, QStringLiteral("中点工具"));
    EXPECT_EQ(menu(), (QStringList{QStringLiteral("中点工具"), QStringLiteral("U")})) << "the menu at once";
    EXPECT_EQ(Rows(tools)[0], QStringLiteral("中点工具"));
    TypeAndLeave(dialog, comment, QStringLiteral("作中点"), inputs);
    EXPECT_EQ(p.doc.m_tools[0]->m_strComment, QStringLiteral("作中点"));
    EXPECT_EQ(p.seams.bridge->documentTools[0].comment, QStringLiteral("作中点"));
    inputs->setCurrentRow(1);
    EXPECT_EQ(inputComment->text(), QStringLiteral("点B"));
    TypeAndLeave(dialog, inputComment, QStringLiteral("终点"), tools);
    EXPECT_EQ(p.doc.m_tools[0]->m_conditions[1]->m_strComment, QStringLiteral("终点"));
    EXPECT_EQ(p.doc.m_tools[0]->m_conditions[0]->m_strComment, QStringLiteral("点A"));

    tools->setCurrentRow(1);
    EXPECT_EQ(name->text(), QStringLiteral("U"));
    copy->click();
    EXPECT_EQ(Rows(tools), (QStringList{QStringLiteral("中点工具"), QStringLiteral("U"), QStringLiteral("F")}));
    EXPECT_EQ(tools->currentRow(), 2);
    EXPECT_EQ(name->text(), QStringLiteral("F"));
    EXPECT_EQ(copy->text(), QStringLiteral("再次复制"));

    p.seams.notifier->answers = {IDCANCEL};
    remove->click();
    EXPECT_EQ(p.doc.m_tools.size(), 3u) << "Cancel changes nothing";
    EXPECT_EQ(Rows(tools).size(), 3);
    for (int left : {2, 1}) {
      p.seams.notifier->answers = {IDOK};
      remove->click();
      EXPECT_EQ(Rows(tools).size(), left);
      EXPECT_EQ(tools->currentRow(), 0);
    }
    // OK takes what is typed in an edit not yet left.
    ASSERT_TRUE(ActivateWindow(&dialog, inputComment));
    inputComment->selectAll();
    QKeyEvent typed(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("起点"));
    QApplication::sendEvent(inputComment, &typed);
    finish();
  });
  p.doc.SetModifiedFlag(false);
  EXPECT_TRUE(p.Run(ID_TOOL_OPTION));
  EXPECT_TRUE(ran);
  EXPECT_TRUE(p.doc.IsModified());
  ASSERT_EQ(p.doc.m_tools.size(), 1u);
  EXPECT_EQ(p.doc.m_tools[0]->m_conditions[0]->m_strComment, QStringLiteral("起点"));

  // The last tool deleted.
  WhenShown([&](QDialog& dialog) {
    p.seams.notifier->answers = {IDOK};
    Child<QCheckBox>(dialog, "defaultColors")->setChecked(false);
    Child<QPushButton>(dialog, "deleteTool")->click();
    EXPECT_TRUE(Rows(Child<QListWidget>(dialog, "tools")).isEmpty());
    EXPECT_TRUE(Rows(Child<QListWidget>(dialog, "inputs")).isEmpty());
    EXPECT_EQ(Child<QPlainTextEdit>(dialog, "toolComment")->toPlainText(), QStringLiteral("当前文档已不含工具！"));
    EXPECT_TRUE(Child(dialog, "toolName")->text().isEmpty());
    EXPECT_TRUE(Child<QCheckBox>(dialog, "defaultColors")->isChecked());
    EXPECT_TRUE(menu().isEmpty());
    Press(dialog, QDialogButtonBox::Ok);
  });
  EXPECT_TRUE(p.Run(ID_TOOL_OPTION));
  EXPECT_TRUE(p.doc.m_tools.empty());

  // A document without tools: the hint, selected, in the comment edit.
  QString hint, selected;
  bool focused = false;
  WhenShown([&](QDialog& dialog) {
    auto* comment = Child<QPlainTextEdit>(dialog, "toolComment");
    hint = comment->toPlainText();
    selected = comment->textCursor().selectedText();
    focused = dialog.focusWidget() == comment;
    dialog.reject();
  });
  EXPECT_TRUE(p.Run(ID_TOOL_OPTION)) << "the current folder tool enables it";
  EXPECT_EQ(hint, QStringLiteral("当前文档不含工具，\n您可复制当前工具！"));
  EXPECT_EQ(selected.size(), hint.size());
  EXPECT_TRUE(focused);
  ClearGlobalTools();
}

}  // namespace
