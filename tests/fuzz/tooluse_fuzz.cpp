// The tools of a tool-set file in use, as the program uses those of its
// Tools folder: each tool chosen from the menu, fed by clicks until its
// instance is complete (on the page's points and values, and on empty space
// for a new point), then applied to a selection of the page; what each use
// makes is undone and redone, then the page is drawn.  Each input gets a
// new document in the one running program, as clipboard_fuzz.cpp explains.
#include "cells/dynamic/parameters/userparameter.h"
#include "cells/primitives/cgverfree.h"
#include "editing/tools/toolcommands.h"
#include "editing/tools/toolinstance.h"
#include "editing/tools/toolreplay.h"
#include "fuzzsupport.h"
#include "model/document/toolfolder.h"
#include "platform/commandids.h"
#include "support/commandpage.h"

namespace {
// Bounds the work of one input.
constexpr size_t kToolsUsed = 8;
constexpr int kClicks = 64;

// What the tools are used on: points and values to click and select.
struct Scene {
  std::vector<WORD> points, values;
};

Scene Build(CommandPage& p) {
  Scene scene;
  scene.points = p.Points(4);
  for (const float value : {0.5f, -3.0f}) {
    const WORD id = p.Page().m_nNextId++;
    scene.values.push_back(p.Enter(new CGTmVarParameter(id, QStringLiteral("t%1").arg(id), value)));
  }
  return scene;
}

// A free point made where empty space was clicked, in the placeholder's
// place, as the view makes it.
CGVerFree* PointOnEmptySpace(const CGPage& page, int click) {
  const auto* placeholder = dynamic_cast<const CGVertex*>(page.m_cells.Lookup(WORD(page.m_nToolPendingId)));
  if (!placeholder) return nullptr;
  const float at = static_cast<float>(click);
  return new CGVerFreeXyz(placeholder->m_nId, placeholder->VertexIndex, placeholder->m_strName, at, -at, 1);
}

// Answers the running instance's inputs in turn: a value input with the
// scene's values, a point input with a scene point or a new point, turn
// about.  The instance's result once it is complete; 0 when it is not.
int FeedClicks(CGPage& page, const Scene& scene) {
  for (int click = 0; click < kClicks; ++click) {
    const CToolInstance* instance = RunningInstance(page);
    if (!instance || page.m_nToolPendingId < 1) return 0;
    int result = 0;
    if (instance->m_nPendingIsValue) {
      result = MatchToolInput(page, scene.values[click % scene.values.size()], nullptr);
    } else if (click % 2 == 0) {
      result = MatchToolInput(page, scene.points[click % scene.points.size()], nullptr);
    } else {
      result = MatchToolInput(page, 0, PointOnEmptySpace(page, click));
    }
    if (result != 0) return result;
  }
  return 0;
}

// The last step goes and comes back: the ids it took are free again.
void UndoAndRedo(CGPage& page, WORD before) {
  page.m_undo.Undo();
  if (page.m_nNextId != before) FuzzFinding("undoing a tool's use leaves ids taken");
  page.m_undo.Redo();
}

void UseByClicks(CommandPage& p, const Scene& scene, unsigned id) {
  CGPage& page = p.Page();
  if (!p.Run(id) || !StartToolInstance(1, 2, 0)) return;
  const WORD before = page.m_nToolFirstId;
  const int result = FeedClicks(page, scene);
  if (result < 0) FuzzFinding("a complete instance left its ids apart");
  if (result > 0) {
    CommitToolInstance(p.doc, page, result);
    UndoAndRedo(page, before);
  } else if (EndPendingTool(page) && page.m_nNextId > before) {
    UndoAndRedo(page, before);
  }
}

void UseOnSelection(CommandPage& p, const Scene& scene) {
  CGPage& page = p.Page();
  g_nToolMode = 1;
  std::vector<WORD> selected = scene.points;
  selected.insert(selected.end(), scene.values.begin(), scene.values.end());
  p.Select(selected);
  const WORD before = page.m_nNextId;
  if (p.Run(ID_TOOL_AUTODO) && page.m_nNextId != before) UndoAndRedo(page, before);
  page.ClearSelection();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzSetUpOnce();
  static CommandPage& p = *new CommandPage;  // lives as long as the process
  CToolList tools = ReadToolSetBytes(FuzzBytes(data, size));
  if (tools.empty()) return 0;
  FuzzNoteLoaded();
  p.doc.OnNewDocument();
  ClearGlobalTools();
  for (size_t k = 0; k < tools.size() && k < kToolsUsed; ++k) g_globalTools.push_back(tools[k].release());
  const Scene scene = Build(p);
  for (size_t k = 0; k < g_globalTools.size(); ++k) {
    UseByClicks(p, scene, ID_TOOL_USE_FIRST + static_cast<unsigned>(k));
    UseOnSelection(p, scene);
  }
  FuzzRenderCurrentPage();
  g_pCurrentTool = nullptr;
  g_nCurrentToolId = 0;
  ClearGlobalTools();
  return 0;
}
