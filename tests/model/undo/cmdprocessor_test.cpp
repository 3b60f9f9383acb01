#include <gtest/gtest.h>

#include <map>

#include "model/undo/cmdprocessor.h"
#include "model/undo/cmdtexts.h"
#include "support/recorders.h"

namespace KAVREL_FILE_LOCAL {

// A command that records what was asked of it.
struct Journal { std::vector<std::string> calls; int destroyed = 0; };

class NoteCmd : public CCmd {
 public:
  NoteCmd(Journal& journal, std::string tag, const QString& name = QStringLiteral("x"), BOOL canUndo = 1)
      : CCmd(name), m_journal(journal), m_tag(std::move(tag)) {
    m_bCanUndo = canUndo;
  }
  ~NoteCmd() override { ++m_journal.destroyed; }
  BOOL Undo() override { m_journal.calls.push_back("undo " + m_tag); return m_bResult; }
  BOOL Redo() override { m_journal.calls.push_back("redo " + m_tag); return m_bResult; }
  BOOL m_bResult = TRUE;

 private:
  Journal& m_journal;
  std::string m_tag;
};

class MenuRecorder : public IMenuOwner {
 public:
  void SetMenuItemText(UINT id, const QString& text, bool enabled) override { items[id] = {text, enabled}; }
  std::map<UINT, std::pair<QString, bool>> items;
};

class CmdProcessorTest : public ::testing::Test {
 protected:
  CmdProcessorTest() { processor.SetMenuOwner(&menu, CCmdProcessor::kUndoCommandId, CCmdProcessor::kRedoCommandId); }
  void Submit(const std::string& tag, const QString& name = QStringLiteral("x"), BOOL canUndo = 1) {
    processor.Submit(std::make_unique<NoteCmd>(journal, tag, name, canUndo));
  }
  std::pair<QString, bool> UndoItem() { return menu.items.at(57643); }
  std::pair<QString, bool> RedoItem() { return menu.items.at(57644); }
  static QString T(const char* text) { return QString::fromUtf8(text); }

  SeamRecorders seams;
  Journal journal;
  MenuRecorder menu;
  CCmdProcessor processor;
};

TEST_F(CmdProcessorTest, MenuTextsFollowTheHistory) {
  processor.UpdateMenu();
  EXPECT_EQ(UndoItem(), std::make_pair(T("撤消(&U)\tCtrl+Z"), false));
  EXPECT_EQ(RedoItem(), std::make_pair(T("重做(&R)\tCtrl+R"), false));

  Submit("a", T(kCmdNamePaste));
  EXPECT_EQ(UndoItem(), std::make_pair(T("撤消 粘贴对象(&U)\tCtrl+Z"), true));
  EXPECT_EQ(RedoItem(), std::make_pair(T("重做(&R)\tCtrl+R"), false));
  Submit("b", T(kCmdNameDelete));
  ASSERT_TRUE(processor.Undo());
  EXPECT_EQ(UndoItem(), std::make_pair(T("撤消 粘贴对象(&U)\tCtrl+Z"), true));
  EXPECT_EQ(RedoItem(), std::make_pair(T("重做 清除对象(&R)\tCtrl+R"), true));
  ASSERT_TRUE(processor.Undo());
  EXPECT_EQ(UndoItem(), std::make_pair(T("撤消(&U)\tCtrl+Z"), false));
  EXPECT_EQ(RedoItem(), std::make_pair(T("重做 粘贴对象(&R)\tCtrl+R"), true)) << "the oldest is redone first";

  Submit("c", QString());
  EXPECT_EQ(UndoItem(), std::make_pair(T("撤消(&U)\tCtrl+Z"), true)) << "no name, no blank";
  Submit("d", T(kCmdNameSplit), 0);
  EXPECT_EQ(UndoItem(), std::make_pair(T("不能撤消 分离定位(&U)\tCtrl+Z"), false));
  EXPECT_FALSE(processor.CanUndo());
  EXPECT_FALSE(processor.Undo());
  Submit("e", QString(), 0);
  EXPECT_EQ(UndoItem(), std::make_pair(T("不能撤消(&U)\tCtrl+Z"), false));
}

TEST_F(CmdProcessorTest, UndoAndRedoWalkTheHistory) {
  EXPECT_FALSE(processor.Undo());
  EXPECT_FALSE(processor.Redo());
  EXPECT_FALSE(processor.CanUndo());
  EXPECT_FALSE(processor.CanRedo());
  Submit("a");
  Submit("b");
  EXPECT_FALSE(processor.Redo()) << "nothing undone";
  EXPECT_TRUE(processor.CanUndo());
  EXPECT_TRUE(processor.Undo());
  EXPECT_TRUE(processor.CanRedo());
  EXPECT_TRUE(processor.Undo());
  EXPECT_FALSE(processor.Undo()) << "everything undone";
  EXPECT_TRUE(processor.Redo());
  EXPECT_EQ(journal.calls, (std::vector<std::string>{"undo b", "undo a", "redo a"}));
  EXPECT_TRUE(journal.destroyed == 0) << "undoing frees nothing";
}

TEST_F(CmdProcessorTest, ARefusingCommandKeepsItsPlace) {
  auto refusing = std::make_unique<NoteCmd>(journal, "a");
  NoteCmd& command = *refusing;
  processor.Submit(std::move(refusing));
  command.m_bResult = FALSE;
  menu.items.clear();
  EXPECT_FALSE(processor.Undo());
  EXPECT_EQ(processor.CurrentIndex(), 0);
  EXPECT_TRUE(menu.items.empty()) << "the menu stays as it was";
  command.m_bResult = TRUE;
  EXPECT_TRUE(processor.Undo());
  command.m_bResult = FALSE;
  EXPECT_FALSE(processor.Redo());
  EXPECT_EQ(processor.CurrentIndex(), -1);
}

TEST_F(CmdProcessorTest, SubmittingCutsTheRedoTailAndKeepsTwoHundred) {
  for (int i = 0; i < 200; ++i) Submit(std::to_string(i));
  EXPECT_EQ(processor.GetCount(), 200);
  Submit("200");
  EXPECT_EQ(processor.GetCount(), 200) << "the 201st drops the oldest";
  EXPECT_EQ(journal.destroyed, 1);
  for (int i = 0; i < 100; ++i) processor.Undo();
  journal.calls.clear();
  Submit("new");
  EXPECT_EQ(processor.GetCount(), 100) << "the oldest and the 100 undone go";
  EXPECT_EQ(journal.destroyed, 102);
  while (processor.Undo()) {
  }
  EXPECT_EQ(journal.calls.back(), "undo 2") << "0 and 1 were dropped";

  Submit("after all undone");
  EXPECT_EQ(processor.GetCount(), 1) << "undone commands are never redone after a new one";
  EXPECT_EQ(journal.destroyed, 202);
  processor.Clear();
  EXPECT_EQ(processor.GetCount(), 0);
  EXPECT_EQ(RedoItem(), std::make_pair(T("重做(&R)\tCtrl+R"), false));
}

TEST_F(CmdProcessorTest, AtTheLimitWithEverythingUndoneAllGo) {
  processor.m_nLimit = 3;
  Submit("a");
  Submit("b");
  Submit("c");
  while (processor.Undo()) {
  }
  Submit("d");
  EXPECT_EQ(processor.GetCount(), 1);
  EXPECT_EQ(processor.CurrentIndex(), 0);
  EXPECT_EQ(journal.destroyed, 3);
  // With only the oldest done, it is dropped and takes the undone ones along.
  Submit("e");
  Submit("f");
  processor.Undo();
  processor.Undo();
  Submit("g");
  EXPECT_EQ(processor.GetCount(), 1);
}

}  // namespace
