// A formula edited through CFormulaEditor as a host sets it up (tree loaded,
// first undo state recorded), with every seam recorded: beeps, repaints,
// size reports and closes of the host, dialogs, files, clipboard, messages.
#pragma once
#include <gtest/gtest.h>

#include "../editing/editedformula.h"
#include "formula/control/formulacommands.h"
#include "formula/control/formuladialogs.h"
#include "formula/control/formulaeditor.h"
#include "support/recorders.h"
#include "support/scripteddialogs.h"

class RecordingFormulaHost : public IFormulaHost {
 public:
  void Beep() override { ++beeps; }
  void Invalidate(bool) override { ++invalidations; }
  void FormulaSized(int width, int height) override { sizes.emplace_back(width, height); }
  void CloseHost() override { ++closes; }
  void AcceptHost() override { ++accepts; }
  int LogicalDpiY() const override { return dpi; }
  int beeps = 0, invalidations = 0, closes = 0, accepts = 0, dpi = 96;
  std::vector<std::pair<int, int>> sizes;
};

class EditorTest : public ::testing::Test {
 protected:
  EditorTest() : dialogs(InstallScriptedDialogs()) {}
  // Loads the formula with the caret at its end, as a host does.
  void Load(const char* vod = "<#><l></l></#>");
  void Type(const char* text);
  void Key(int key, bool ctrl = false) { editor.OnKeyDown(key, ctrl); }
  QString Vod() const { return tree.GetText(0); }
  int Records() const { return editor.m_undo.Count(); }
  int State() {
    editor.UpdateLayout();
    return editor.m_caret.m_nState;
  }
  // Follows child indices from the root.
  CNode* Node(std::initializer_list<int> indices) const;
  // Selects children [start, end) of row `row` of the root.
  void SelectInRow(int row, int start, int end);

  SeamRecorders seams;
  ScriptedDialogs* dialogs;
  CBinTree tree;
  RecordingFormulaHost host;
  CFormulaEditor editor{&host};
};
