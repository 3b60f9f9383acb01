// The mouse tools on a command page with a scripted surface: each event
// meets the pick and the placed pointer the test gives it, so a test reads
// as the clicks a user makes and what each one builds.
#pragma once
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>

#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "render/viewglobals.h"
#include "support/commandpage.h"
#include "support/scriptedview.h"
#include "view/tools/mousetools.h"
#include "view/tools/viewcommands.h"
#include "view/toolstate.h"

class ToolPage : public CommandPage {
 public:
  ToolPage() {
    tools.SetDocument(&doc);
    RegisterViewCommands(tools, &tools);
    seams.bridge->resetStep = [] { g_viewTool.step = 0; };  // as the main frame passes it on
  }
  ~ToolPage() { CommandRegistry().Withdraw(&tools); }

  // The pointer over nothing, on the grid at `at`; or over a cell.
  void Over(std::array<double, 3> at) {
    surface.pick = {};
    surface.grid = at;
  }
  void Over(WORD id, int kind) { surface.pick = {true, kind, id}; }
  static ToolInput At(int x, int y, bool left, bool ctrl = false) { return {x, y, left, false, false, ctrl}; }
  void Down(int x = 0, int y = 0, bool ctrl = false) { tools.OnLButtonDown(At(x, y, true, ctrl)); }
  void Up(int x = 0, int y = 0) { tools.OnLButtonUp(At(x, y, false)); }
  void Move(int x, int y, bool left, bool ctrl = false) { tools.OnMouseMove(At(x, y, left, ctrl)); }
  void Click() { Down(), Up(); }
  void ClickEmpty(std::array<double, 3> at) { Over(at), Click(); }
  void ClickCell(WORD id, int kind = kPickPoint) { Over(id, kind), Click(); }
  void Right() { tools.OnRButtonDown(At(0, 0, false)); }

  QString LastLabel() {
    CCmd* command = Page().m_undo.CurrentCommand();
    return command ? command->GetName() : QString();
  }
  int Steps() const { return Page().m_undo.CurrentIndex() + 1; }
  template <class T>
  T* Newest() const {
    return dynamic_cast<T*>(Find(static_cast<WORD>(Page().m_nNextId - 1)));
  }

  ScriptedSurface surface;
  CMouseTools tools{surface};
};

inline QString Utf8(const char* text) { return QString::fromUtf8(text); }

// A position within 1e-4 of the expected one.
inline ::testing::AssertionResult Near(const float* p, std::array<double, 3> expected) {
  for (int i = 0; i < 3; ++i)
    if (std::fabs(p[i] - expected[i]) > 1e-4)
      return ::testing::AssertionFailure() << "(" << p[0] << ", " << p[1] << ", " << p[2] << ")";
  return ::testing::AssertionSuccess();
}
