// The editor's undo history: 50 snapshots, undo and redo through the tree.
#include "editorfixture.h"

namespace KAVREL_FILE_LOCAL {

CUndoRedo::record State(int n) { return {QString::number(n), {n}}; }

TEST(UndoHistory, PushUndoAndRedoKeepAtMostFiftyStates) {
  struct Case {
    const char* name;
    int pushes, undos, pushesAfter;
    int count, position;
    int oldest;  // the number of the oldest record kept
    bool canUndo, canRedo;
  } cases[] = {
      {"one state", 1, 0, 0, 1, 0, 1, false, false},
      {"the 51st drops the oldest", 51, 0, 0, 50, 49, 2, true, false},
      {"49 undos reach the oldest", 50, 49, 0, 50, 0, 1, false, true},
      {"a 50th undo does nothing", 50, 50, 0, 50, 0, 1, false, true},
      {"an edit after undos drops the redo records", 10, 9, 1, 2, 1, 1, true, false},
      {"an edit with the oldest of 50 current keeps it", 50, 49, 1, 2, 1, 1, true, false},
      {"an edit in the middle of a full history", 50, 10, 11, 50, 49, 2, true, false},
  };
  for (const Case& c : cases) {
    CUndoRedo history;
    int n = 0;
    for (int i = 0; i < c.pushes; ++i) history.Push(State(++n));
    for (int i = 0; i < c.undos; ++i) history.Undo();
    for (int i = 0; i < c.pushesAfter; ++i) history.Push(State(++n));
    EXPECT_EQ(history.Count(), c.count) << c.name;
    EXPECT_EQ(history.Position(), c.position) << c.name;
    EXPECT_EQ(history.CanUndo(), c.canUndo) << c.name;
    EXPECT_EQ(history.CanRedo(), c.canRedo) << c.name;
    EXPECT_EQ(history.Undo() ? 1 : 0, c.canUndo ? 1 : 0) << c.name;
    while (history.Undo()) {
    }
    EXPECT_EQ(history.Current()->vod, QString::number(c.oldest)) << c.name;
    history.Clear();
    EXPECT_FALSE(history.Current() || history.Count() || history.CanRedo()) << c.name;
  }
}

class EditorUndo : public EditorTest {};

TEST_F(EditorUndo, TypingUndoingAndRedoingRestoreMarkupAndCaret) {
  Load();
  editor.SaveUndoState();
  EXPECT_EQ(Records(), 1) << "a state like the last one is not recorded again";
  Type("a");
  EXPECT_EQ(Records(), 2) << "the first character of an empty formula";
  Type("b");
  Key(vk::Left);
  EXPECT_EQ(Records(), 3) << "moving records nothing";
  EXPECT_EQ(editor.QueryCommand(ID_EDIT_REDO).m_bEnabled, false);
  Key('Z', true);
  EXPECT_EQ(Vod(), Q("<#><l><e>a</e></l></#>"));
  Key('Z', true);
  EXPECT_EQ(Vod(), Q("<#><l></l></#>"));
  EXPECT_FALSE(editor.QueryCommand(ID_EDIT_UNDO).m_bEnabled);
  EXPECT_FALSE(editor.RunCommand(ID_EDIT_UNDO));
  Key('R', true);
  Key('R', true);
  EXPECT_EQ(Vod(), Q("<#><l><e>ab</e></l></#>"));
  Type("c");  // the caret came back at its recorded place, after "b"
  EXPECT_EQ(Vod(), Q("<#><l><e>abc</e></l></#>"));
  Key('Z', true);
  Key('Z', true);
  Type("x");
  EXPECT_EQ(Records(), 3) << "the redo records went";
  EXPECT_FALSE(editor.QueryCommand(ID_EDIT_REDO).m_bEnabled);
}

}  // namespace
