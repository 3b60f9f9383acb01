// The new-tool command: the name offered and typed, the tool added to the
// document and the menu with its command id, the current tool, cancelling,
// and the document's tools saved and read back.
#include <gtest/gtest.h>

#include "cells/constrained/dependentpoints.h"
#include "editing/tooldialog.h"
#include "editing/toolrecording.h"
#include "model/document/toolfolder.h"
#include "model/document/usertool.h"
#include "platform/archive.h"
#include "support/commandpage.h"
#include "support/documentfiles.h"

namespace KAVREL_FILE_LOCAL {

const QString kComment = QStringLiteral("请在\"工具属性\"中输入工具注释");

// Selects the midpoint M of a segment AB between free points: a tool of
// four cells, three of them points, with two inputs.
void SelectMidpoint(CommandPage& p) {
  const WORD a = p.Point(), b = p.Point(1, 2, 0);
  const WORD line = p.Line(a, b);
  p.Select({p.Enter(new CGVerMid(p.Page().m_nNextId++, p.Page().m_nNextVertex++, QStringLiteral("M"), line))});
}

// Records the selection once per name, the question and the dialog answered OK.
void CreateTools(CommandPage& p, const std::vector<QString>& names) {
  for (const QString& name : names) {
    p.seams.notifier->answers.push_back(IDOK);
    CDlgTool typed;
    typed.m_strName = name;
    p.dialogs->Ok(typed);
    ASSERT_TRUE(p.Run(ID_TOOL_CREATE));
  }
}

struct FolderTools {
  explicit FolderTools(int n) {
    for (int i = 0; i < n; ++i) g_globalTools.push_back(new CRecord);
  }
  ~FolderTools() { ClearGlobalTools(); }
};

TEST(ToolCreate, ToolsAreNamedListedAndMadeCurrent) {
  const struct Row {
    int folderTools;
    std::vector<UINT> ids;  // what the menu is told; 0: past the last tool id, 20500
    int current;            // the current tool id after the last
  } rows[] = {{0, {20000, 20001}, 20001}, {3, {20003, 20004}, 20004}, {499, {20499, 20500, 0}, 20501}};
  for (const Row& row : rows) {
    CommandPage p;
    FolderTools folder(row.folderTools);
    SelectMidpoint(p);
    std::vector<QString> names;
    for (size_t i = 0; i < row.ids.size(); ++i) names.push_back(QStringLiteral("工具%1").arg(i));
    CreateTools(p, names);
    const auto offered = p.dialogs->Offered<CDlgTool>();
    const auto& listed = p.seams.bridge->documentTools;
    ASSERT_EQ(offered.size(), row.ids.size());
    ASSERT_EQ(p.doc.m_tools.size(), row.ids.size());
    ASSERT_EQ(listed.size(), row.ids.size());
    for (size_t i = 0; i < row.ids.size(); ++i) {
      EXPECT_EQ(offered[i].m_strName, QStringLiteral("工具#%1").arg(i + 1)) << row.folderTools << ", tool " << i;
      EXPECT_EQ(p.doc.m_tools[i]->m_strName, names[i]);
      EXPECT_EQ(p.doc.m_tools[i]->m_nCellCount, 4);
      EXPECT_EQ(std::make_tuple(listed[i].id, listed[i].name, listed[i].comment),
                std::make_tuple(row.ids[i], names[i], kComment))
          << row.folderTools << ", tool " << i;
    }
    EXPECT_EQ(g_pCurrentTool, p.doc.m_tools.back().get()) << row.folderTools;
    EXPECT_EQ(g_nCurrentToolId, row.current) << row.folderTools;
    EXPECT_TRUE(p.doc.IsModified()) << "a tool added is a change to save";
    EXPECT_EQ(p.Page().m_cells.size(), 4u);
  }
}

// Showing a document lists its own tools after the folder's, from the first
// document-tool id, in place of the earlier document's; a current tool of
// the earlier document stops being current, a folder tool stays.
TEST(ToolCreate, ShowingADocumentListsItsOwnToolsInstead) {
  for (bool folderToolCurrent : {false, true}) {
    CommandPage p;
    FolderTools folder(2);
    SelectMidpoint(p);
    CreateTools(p, {QStringLiteral("甲"), QStringLiteral("乙")});
    if (folderToolCurrent) {
      g_pCurrentTool = g_globalTools[1];
      g_nCurrentToolId = 20001;
    }
    p.doc.m_tools.erase(p.doc.m_tools.begin());  // the next document holds only the second
    p.doc.RefreshToolMenu();
    const auto& listed = p.seams.bridge->documentTools;
    ASSERT_EQ(listed.size(), 1u) << "the earlier items are cleared first";
    EXPECT_EQ(std::make_tuple(listed[0].id, listed[0].name, g_nDocToolsShown),
              std::make_tuple(UINT(20002), QStringLiteral("乙"), 1));
    EXPECT_EQ(std::make_pair(g_pCurrentTool, g_nCurrentToolId),
              folderToolCurrent ? std::make_pair(g_globalTools[1], 20001) : std::make_pair((CRecord*)nullptr, 0))
        << folderToolCurrent;
    p.doc.m_tools.clear();
    p.doc.RefreshToolMenu();
    EXPECT_TRUE(listed.empty());
    EXPECT_EQ(g_nDocToolsShown, 0);
  }
}

TEST(ToolCreate, CancellingTheQuestionOrTheNameChangesNothing) {
  for (bool atQuestion : {true, false}) {
    CommandPage p;
    SelectMidpoint(p);
    CreateTools(p, {QStringLiteral("第一")});
    p.doc.SetModifiedFlag(false);
    CRecord* first = g_pCurrentTool;
    p.seams.notifier->answers.push_back(atQuestion ? IDCANCEL : IDOK);
    p.dialogs->Cancel<CDlgTool>();
    p.ExpectNothingMade([&] { EXPECT_TRUE(p.Run(ID_TOOL_CREATE)); });
    const auto offered = p.dialogs->Offered<CDlgTool>();
    ASSERT_EQ(offered.size(), atQuestion ? 1u : 2u);
    EXPECT_EQ(offered.back().m_strName, QStringLiteral("工具#%1").arg(offered.size()));
    EXPECT_EQ(p.doc.m_tools.size(), 1u);
    EXPECT_EQ(p.seams.bridge->documentTools.size(), 1u);
    EXPECT_EQ(std::make_tuple(g_pCurrentTool, g_nCurrentToolId, g_nDocToolsShown), std::make_tuple(first, 20000, 1));
  }
}

TEST(ToolCreate, ToolsRoundTripWithTheirNamesAsTyped) {
  const std::vector<QString> names = {QStringLiteral("我的工具"), QString(300, QChar(u'长')), QString(),
                                      QStringLiteral("a\"b\\c\r\n\t#%d")};
  CommandPage p;
  SelectMidpoint(p);
  CreateTools(p, names);
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("tools.kv"));
  ASSERT_TRUE(p.doc.OnSaveDocument(path));
  const QByteArray saved = DocumentBytes(p.doc);
  // 300 units take the long length form: FF FE FF, then FF and the WORD length.
  EXPECT_TRUE(saved.contains(QByteArray::fromHex("fffeffff2c017f95")));
  // After the name and the comment: cells, inputs, points, point inputs,
  // the colour switch, the two kept numbers and the kept text.
  EXPECT_TRUE(saved.contains(QByteArray::fromHex("04000000020000000300000002000000010000000100000000000000fffeff00")));

  CKavrelDoc reopened;
  ASSERT_TRUE(reopened.OnOpenDocument(path, false));
  ASSERT_EQ(reopened.m_tools.size(), names.size());
  for (size_t i = 0; i < names.size(); ++i) EXPECT_EQ(reopened.m_tools[i]->m_strName, names[i]) << i;
  EXPECT_EQ(DocumentBytes(reopened), saved);
  reopened.OnNewDocument();
  EXPECT_EQ(g_pCurrentTool, p.doc.m_tools.back().get()) << "another document's tools leave it";
  p.doc.OnNewDocument();
  EXPECT_EQ(g_pCurrentTool, nullptr);
  EXPECT_EQ(g_nCurrentToolId, 0);
}

}  // namespace
