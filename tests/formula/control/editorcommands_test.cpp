// Structure commands, the matrix dialog and the Ctrl keys.
#include "editorfixture.h"
#include "formula/control/formulatables.h"
#include "platform/clipboard.h"

namespace KAVREL_FILE_LOCAL {

class EditorCommands : public EditorTest {};

TEST_F(EditorCommands, StructureCommandsInsertTheirKindAtTheCaret) {
  for (unsigned id = ID_FORMULA_FIRST_STRUCTURE; id < ID_FORMULA_MATRIX; ++id) {
    const int code = static_cast<int>(id) - 33539;
    CBinTree expected;
    expected.SetVod(Q("<#><l><e>a</e></l></#>"));
    ASSERT_TRUE(expected.m_pRoot->InsertStructure(code, nullptr, nullptr)) << code;
    Load("<#><l><e>a</e></l></#>");
    EXPECT_TRUE(editor.QueryCommand(id).m_bEnabled) << code;
    EXPECT_TRUE(editor.RunCommand(id)) << code;
    EXPECT_EQ(Vod(), expected.GetText(0)) << code;
    EXPECT_EQ(Records(), 2) << code;
  }
  tree.DeleteRoot();
  editor.SetRepaintLevel(2);
  EXPECT_FALSE(editor.QueryCommand(ID_FORMULA_FRACTION).m_bEnabled) << "nothing to edit";
  EXPECT_FALSE(editor.RunCommand(ID_FORMULA_MATRIX));
}

TEST_F(EditorCommands, TheMatrixCommandAsksRowsAndColumns) {
  struct Case {
    const char* name;
    int rows, columns;  // 0, 0: Cancel
    int cells, beeps;
  } cases[] = {
      {"Cancel inserts nothing", 0, 0, 0, 0},
      {"0 rows are refused", 0, 3, 0, 1},
      {"11 columns are refused", 2, 11, 0, 1},
      {"3 by 4", 3, 4, 12, 0},
      {"10 by 10", 10, 10, 100, 0},
  };
  for (const Case& c : cases) {
    Load("<#><l></l></#>");
    CDlgMatrix answer;
    answer.m_nRows = c.rows;
    answer.m_nCols = c.columns;
    if (c.rows || c.columns)
      dialogs->Ok(answer);
    else
      dialogs->Cancel<CDlgMatrix>();
    const int beeps = host.beeps;
    editor.RunCommand(ID_FORMULA_MATRIX);
    EXPECT_EQ(host.beeps - beeps, c.beeps) << c.name;
    EXPECT_EQ(Records(), c.cells ? 2 : 1) << c.name;
    auto* matrix = ChildAs<CMatrixNode>(Node({0}), 0);
    EXPECT_EQ(matrix ? matrix->ChildCount() : 0, c.cells) << c.name;
    if (matrix) { EXPECT_EQ(matrix->Columns(), c.columns) << c.name; }
    const CDlgMatrix offered = dialogs->Offered<CDlgMatrix>().back();
    EXPECT_EQ(std::make_pair(offered.m_nRows, offered.m_nCols), std::make_pair(2, 2)) << c.name;
  }
}

TEST_F(EditorCommands, CtrlKeysRunTheirCommands) {
  struct Case {
    char key;
    const char* after;
    int records, state;
    const char* clipboard;  // the clipboard's text afterwards
    QString chooser;        // the title of the file dialog opened, if any
  } cases[] = {
      {'A', "<#><l><e>ab</e></l></#>", 3, CFormulaCaret::SELECTION, "pq", {}},
      {'C', "<#><l><e>ab</e></l></#>", 3, CFormulaCaret::CARET, "pq", {}},  // nothing selected
      {'X', "<#><l><e>ab</e></l></#>", 3, CFormulaCaret::CARET, "pq", {}},
      {'T', "<#><l><e>ab</e></l></#>", 3, CFormulaCaret::CARET, "ab,", {}},  // linear text
      {'V', "<#><l><e>ab</e><e>pq</e></l></#>", 4, CFormulaCaret::CARET, "pq", {}},
      {'Z', "<#><l><e>a</e></l></#>", 3, CFormulaCaret::CARET, "pq", {}},
      {'R', "<#><l><e>ab</e></l></#>", 3, CFormulaCaret::CARET, "pq", {}},  // nothing to redo
      {'E', "<#><l><e>ab</e></l></#>", 3, CFormulaCaret::CARET, "pq", "\u5BFC\u51FA"},
      {'I', "<#><l><e>ab</e></l></#>", 3, CFormulaCaret::CARET, "pq", "\u5BFC\u5165"},
      {'Q', "<#><l><e>ab</e></l></#>", 3, CFormulaCaret::CARET, "pq", {}},  // no command
  };
  for (const Case& c : cases) {
    Load();
    Type("ab");
    Clipboard().SetText(Q("pq"));
    seams.fileChooser->titles.clear();
    Key(c.key, true);
    EXPECT_EQ(Vod(), Q(c.after)) << c.key;
    EXPECT_EQ(Records(), c.records) << c.key;
    EXPECT_EQ(State(), c.state) << c.key;
    EXPECT_EQ(Clipboard().Text(), Q(c.clipboard)) << c.key;
    const auto& titles = seams.fileChooser->titles;
    EXPECT_EQ(titles.empty() ? QString() : titles.front(), c.chooser) << c.key;
  }
}

}  // namespace
