// The tool-properties dialog's rules, headless: the document's tools
// renamed, commented, copied from the current tool and deleted in place,
// the custom-tool menu following at once, and the command's update rule.
#include <gtest/gtest.h>

#include "cells/constrained/dependentpoints.h"
#include "editing/dialogs/tools/toolpropertydialog.h"
#include "editing/toolrecording.h"
#include "model/document/kavreldoc.h"
#include "model/document/toolfolder.h"
#include "model/document/usertool.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "support/commandpage.h"

namespace KAVREL_FILE_LOCAL {

class ToolProperty : public ::testing::Test {
 protected:
  ToolProperty() {
    const WORD a = p.Point(), b = p.Point(1, 2, 0), ab = p.Line(a, b);
    p.Enter(new CGVerMid(p.Page().m_nNextId++, p.Page().m_nNextVertex++, QStringLiteral("M"), ab));
    p.Select({ab});
    p.seams.notifier->answers = {IDOK};  // the changed structure
    tool = CreateToolFromSelection();
    p.seams.notifier->shown.clear();
    p.Page().ClearSelection();
  }
  ~ToolProperty() override { ClearGlobalTools(); }

  // The document's tools named as listed; the menu lists them too.
  void AddDocumentTools(const QStringList& names) {
    for (const QString& name : names) {
      p.doc.m_tools.push_back(CopyRecord(*tool));
      p.doc.m_tools.back()->m_strName = name;
    }
    p.doc.RefreshToolMenu();
  }
  // The current tool of the menu: a copy of T among the folder tools.
  void ChooseFolderTool(const QString& name) {
    g_globalTools.push_back(CopyRecord(*tool).release());
    g_globalTools.back()->m_strName = name;
    g_pCurrentTool = g_globalTools.back();
    g_nCurrentToolId = ID_TOOL_USE_FIRST + static_cast<int>(g_globalTools.size()) - 1;
  }
  QStringList DocumentTools() const {
    QStringList names;
    for (const auto& record : p.doc.m_tools) names << record->m_strName;
    return names;
  }
  QStringList MenuTools() const {
    QStringList names;
    for (const auto& item : p.seams.bridge->documentTools) names << item.name;
    return names;
  }
  CDlgPropertyTool Opened() {
    CDlgPropertyTool dialog;
    dialog.m_pDoc = &p.doc;
    dialog.Initialise();
    return dialog;
  }

  CommandPage p;
  std::unique_ptr<CRecord> tool;
};

TEST_F(ToolProperty, ADocumentWithoutToolsShowsTheHint) {
  CDlgPropertyTool dialog = Opened();
  EXPECT_TRUE(dialog.ShowsHint());
  EXPECT_EQ(dialog.m_strComment, QStringLiteral("当前文档不含工具，\r\n您可复制当前工具！"));
  EXPECT_TRUE(dialog.m_tools.isEmpty());
  EXPECT_TRUE(dialog.m_inputs.isEmpty());
  dialog.SetName(QStringLiteral("X"));
  dialog.SetComment(QStringLiteral("X"));
  EXPECT_FALSE(dialog.DeleteTool());
  EXPECT_TRUE(p.seams.notifier->shown.empty()) << "nothing to delete, nothing asked";
  EXPECT_FALSE(dialog.CopyCurrentTool());
  ASSERT_EQ(p.seams.notifier->shown.size(), 1u);
  EXPECT_EQ(p.seams.notifier->shown[0].text, QStringLiteral("请先在菜单中选择一个自定义工具，然后再复制它到当前文档！"));
  EXPECT_EQ(p.seams.notifier->shown[0].caption, QStringLiteral("复制当前工具"));
  EXPECT_EQ(p.seams.notifier->shown[0].type, unsigned(MB_OK | MB_ICONINFORMATION));
  EXPECT_TRUE(p.doc.m_tools.empty());
}

TEST_F(ToolProperty, RenamingKeepsTheCurrentToolAndTheWholeTexts) {
  AddDocumentTools({QStringLiteral("T"), QStringLiteral("U")});
  g_pCurrentTool = p.doc.m_tools[1].get();
  g_nCurrentToolId = static_cast<int>(DocumentToolCommandId(1));
  p.doc.m_tools[1]->m_bDefaultColors = 0;
  CDlgPropertyTool dialog = Opened();
  dialog.SelectTool(1);
  EXPECT_EQ(dialog.m_bDefaultColors, 0) << "the record's own switch";
  dialog.SelectTool(2);
  EXPECT_EQ(dialog.m_nTool, 1) << "no such tool: the choice stays";
  const QString longName(70000, QChar(u'名'));
  dialog.SetName(longName);
  dialog.SetComment(longName);
  dialog.SetInputComment(longName);
  EXPECT_EQ(MenuTools(), (QStringList{QStringLiteral("T"), longName}));
  EXPECT_EQ(dialog.m_nTool, 1) << "the selection stays";
  EXPECT_EQ(g_pCurrentTool, p.doc.m_tools[1].get()) << "renaming keeps the current tool";
  EXPECT_EQ(g_nDocToolsShown, 2);
  const std::unique_ptr<CRecord> stored = CopyRecord(*p.doc.m_tools[1]);  // through the archive
  EXPECT_EQ(stored->m_strName, longName);
  EXPECT_EQ(stored->m_strComment, longName);
  EXPECT_EQ(stored->m_conditions[0]->m_strComment, longName);
}

TEST_F(ToolProperty, CopiesTheCurrentToolAfterTheSelectedOne) {
  AddDocumentTools({QStringLiteral("T"), QStringLiteral("U")});
  ChooseFolderTool(QStringLiteral("F"));
  CDlgPropertyTool dialog = Opened();
  EXPECT_FALSE(dialog.m_bCopied);
  ASSERT_TRUE(dialog.CopyCurrentTool());
  EXPECT_TRUE(dialog.m_bCopied);
  ASSERT_TRUE(dialog.CopyCurrentTool());
  const QStringList copied{QStringLiteral("T"), QStringLiteral("F"), QStringLiteral("F"), QStringLiteral("U")};
  EXPECT_EQ(DocumentTools(), copied);
  EXPECT_EQ(dialog.m_tools, copied);
  EXPECT_EQ(MenuTools(), copied);
  EXPECT_EQ(dialog.m_nTool, 2);
  EXPECT_EQ(dialog.m_pRecord, p.doc.m_tools[2].get());
  EXPECT_NE(dialog.m_pRecord, g_pCurrentTool) << "a copy of its own";
  EXPECT_EQ(dialog.m_pRecord->m_cells.size(), g_pCurrentTool->m_cells.size());
  EXPECT_EQ(g_pCurrentTool, g_globalTools.back()) << "a folder tool stays current";
}

// A document tool chosen from the menu is copied, and copied again: the
// menu is listed anew each time, and the chosen tool stays current under
// the id of its place, its item checked, so the second copy needs no
// choice again.
TEST_F(ToolProperty, CopyingTwiceKeepsTheChosenToolCurrent) {
  const struct Row {
    int chosen, selected;  // rows of the document's tools
    QStringList after;
    int currentAt;  // the chosen tool's place afterwards
  } rows[] = {
      {0, 0, {QStringLiteral("T"), QStringLiteral("T"), QStringLiteral("T"), QStringLiteral("U")}, 0},
      {1, 0, {QStringLiteral("T"), QStringLiteral("U"), QStringLiteral("U"), QStringLiteral("U")}, 3},
      {1, 1, {QStringLiteral("T"), QStringLiteral("U"), QStringLiteral("U"), QStringLiteral("U")}, 1},
  };
  for (const Row& row : rows) {
    p.doc.m_tools.clear();
    AddDocumentTools({QStringLiteral("T"), QStringLiteral("U")});
    CRecord* chosen = p.doc.m_tools[static_cast<size_t>(row.chosen)].get();
    ASSERT_TRUE(p.Run(DocumentToolCommandId(row.chosen)));
    ASSERT_EQ(g_pCurrentTool, chosen);
    g_nToolMode = 1;  // back in the select tool, where the dialog opens
    p.seams.notifier->shown.clear();
    CDlgPropertyTool dialog = Opened();
    dialog.SelectTool(row.selected);
    ASSERT_TRUE(dialog.CopyCurrentTool()) << row.chosen << row.selected;
    ASSERT_TRUE(dialog.CopyCurrentTool()) << row.chosen << row.selected << ": copied again";
    EXPECT_TRUE(p.seams.notifier->shown.empty()) << "no \"请先在菜单中选择一个自定义工具\" hint";
    EXPECT_EQ(DocumentTools(), row.after) << row.chosen << row.selected;
    EXPECT_EQ(MenuTools(), row.after);
    EXPECT_EQ(dialog.m_tools, row.after);
    EXPECT_EQ(g_pCurrentTool, chosen);
    EXPECT_EQ(p.doc.m_tools[static_cast<size_t>(row.currentAt)].get(), chosen);
    EXPECT_EQ(g_nCurrentToolId, static_cast<int>(DocumentToolCommandId(row.currentAt)));
    EXPECT_EQ(CommandRegistry().Query(DocumentToolCommandId(row.currentAt)).m_nCheck, 1);
    EXPECT_EQ(dialog.m_nTool, row.selected + 2) << "the second copy, selected";
  }
}

TEST_F(ToolProperty, CopyingIntoADocumentWithoutToolsPutsTheCopyFirst) {
  ChooseFolderTool(QStringLiteral("F"));
  CDlgPropertyTool dialog = Opened();
  ASSERT_TRUE(dialog.CopyCurrentTool());
  EXPECT_FALSE(dialog.ShowsHint());
  EXPECT_EQ(DocumentTools(), QStringList{QStringLiteral("F")});
  EXPECT_EQ(dialog.m_strName, QStringLiteral("F"));
  EXPECT_EQ(dialog.m_strComment, tool->m_strComment) << "the hint gives way to the copy's comment";
  EXPECT_EQ(dialog.m_inputs.size(), 2);
}

TEST_F(ToolProperty, DeletesTheSelectedToolOnlyOnOk) {
  AddDocumentTools({QStringLiteral("T"), QStringLiteral("U"), QStringLiteral("V")});
  g_pCurrentTool = p.doc.m_tools[2].get();
  g_nCurrentToolId = static_cast<int>(DocumentToolCommandId(2));
  CDlgPropertyTool dialog = Opened();
  dialog.SelectTool(2);
  p.seams.notifier->answers = {IDCANCEL};
  EXPECT_FALSE(dialog.DeleteTool());
  ASSERT_EQ(p.seams.notifier->shown.size(), 1u);
  EXPECT_EQ(p.seams.notifier->shown[0].text, QStringLiteral("删除后不能恢复，是否继续？"));
  EXPECT_EQ(p.seams.notifier->shown[0].caption, QStringLiteral("删除工具"));
  EXPECT_EQ(p.seams.notifier->shown[0].type, unsigned(MB_OKCANCEL | MB_ICONWARNING));
  EXPECT_EQ(DocumentTools().size(), 3) << "Cancel changes nothing";
  EXPECT_EQ(g_pCurrentTool, p.doc.m_tools[2].get());

  struct Step {
    int selected;
    QStringList left;
    int then;  // the row selected afterwards
  };
  const Step steps[] = {
      {1, {QStringLiteral("T"), QStringLiteral("V")}, 1},  // the same place
      {1, {QStringLiteral("T")}, 0},                       // past the last row: the first
  };
  for (const Step& step : steps) {
    dialog.SelectTool(step.selected);
    p.seams.notifier->answers = {IDOK};
    ASSERT_TRUE(dialog.DeleteTool());
    EXPECT_EQ(DocumentTools(), step.left);
    EXPECT_EQ(dialog.m_tools, step.left);
    EXPECT_EQ(MenuTools(), step.left);
    EXPECT_EQ(dialog.m_nTool, step.then);
    EXPECT_EQ(dialog.m_pRecord, p.doc.m_tools[static_cast<size_t>(step.then)].get());
  }
  EXPECT_EQ(g_pCurrentTool, nullptr) << "the deleted current tool left the menu";
  EXPECT_EQ(g_nCurrentToolId, 0);

}

TEST_F(ToolProperty, TheCommandRunsInTheSelectToolWithAToolAndMarksTheDocument) {
  struct Row {
    int mode;
    bool current, documentTools, enabled;
  };
  const Row rows[] = {
      {1, false, false, false}, {1, true, false, true}, {1, false, true, true},
      {1, true, true, true},    {6, true, true, false},
  };
  for (const Row& row : rows) {
    ClearGlobalTools();
    p.doc.m_tools.clear();
    g_pCurrentTool = nullptr;
    if (row.current) ChooseFolderTool(QStringLiteral("F"));
    if (row.documentTools) AddDocumentTools({QStringLiteral("T")});
    g_nToolMode = row.mode;
    p.doc.SetModifiedFlag(false);
    p.dialogs->Cancel<CDlgPropertyTool>();
    EXPECT_EQ(p.Run(ID_TOOL_OPTION), row.enabled) << row.mode << row.current << row.documentTools;
    EXPECT_EQ(p.doc.IsModified(), row.enabled) << "modified whatever the answer";
    if (!row.enabled) continue;
    const auto offered = p.dialogs->Offered<CDlgPropertyTool>();
    ASSERT_FALSE(offered.empty());
    EXPECT_EQ(offered.back().m_pDoc, &p.doc);
    EXPECT_EQ(offered.back().ShowsHint(), !row.documentTools);
  }
}

}  // namespace
