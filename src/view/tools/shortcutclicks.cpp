// The right button of the select and ink tools and the double click: a cell
// under the pointer becomes the only selection and its shortcut menu opens
// (or its property dialog, for a double click); a label opens the label
// dialog.
#include <string_view>

#include "model/cellmap.h"
#include "model/cgcell.h"
#include "model/cgpage.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "model/kindtests.h"
#include "platform/editscope.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "platform/uibridge.h"
#include "render/viewglobals.h"
#include "view/motion/viewmotion.h"
#include "view/pickchoice.h"
#include "editing/labels/labelproperties.h"
#include "view/tools/mousetools.h"
#include "view/toolstate.h"

namespace {
// The classes a click selects alone, in the order they are tested, with the
// selection list each joins and the shortcut menu it opens.
struct AloneClass {
  std::string_view className;
  std::vector<WORD> CGPage::*list;
  int menu;
};
constexpr int kGeneralMenu = 188;
const AloneClass kAloneClasses[] = {
    {"CGVertex", &CGPage::m_selPoints, 356},       {"CGLine", &CGPage::m_selLines, 357},
    {"CGFace", &CGPage::m_selFaces, 358},          {"CGArc", &CGPage::m_selPaths, kGeneralMenu},
    {"CGLocus", &CGPage::m_selPaths, kGeneralMenu}, {"CGInkmarks", &CGPage::m_selPaths, kGeneralMenu},
    {"CGCurve", &CGPage::m_selPaths, kGeneralMenu}, {"CGButton", &CGPage::m_selButtons, kGeneralMenu},
    {"CGTmVariable", &CGPage::m_selValues, kGeneralMenu}, {"CGTmSingleline", &CGPage::m_selValues, kGeneralMenu},
    {"CGTmVarAfterP", &CGPage::m_selValues, kGeneralMenu}, {"CGTmVector", &CGPage::m_selValues, kGeneralMenu},
    {"CGTextbit", &CGPage::m_selTexts, kGeneralMenu},  {"CGIterate", &CGPage::m_selTexts, kGeneralMenu},
    {"CGSphere", &CGPage::m_selSolids, kGeneralMenu},  {"CGCylinder", &CGPage::m_selSolids, kGeneralMenu},
    {"CGCone", &CGPage::m_selSolids, kGeneralMenu},    {"CGFrustum", &CGPage::m_selSolids, kGeneralMenu},
    {"CGTrack", &CGPage::m_selSolids, kGeneralMenu},   {"CGSurface", &CGPage::m_selSolids, kGeneralMenu},
    {"CGScaleline", &CGPage::m_selOthers, kGeneralMenu}, {"CGMdfColor", &CGPage::m_selOthers, kGeneralMenu},
    {"CGSubassembly", &CGPage::m_selOthers, kGeneralMenu}, {"CGPolyhedron", &CGPage::m_selOthers, kGeneralMenu},
    {"CGFold", &CGPage::m_selOthers, kGeneralMenu},    {"CGSplit", &CGPage::m_selOthers, kGeneralMenu},
    {"CGSection", &CGPage::m_selOthers, kGeneralMenu}, {"CGModel3ds", &CGPage::m_selOthers, kGeneralMenu},
};

const AloneClass* AloneClassOf(const CGCell& cell) {
  for (const AloneClass& row : kAloneClasses)
    if (IsKindOfClassName(&cell, row.className)) return &row;
  return nullptr;
}
}  // namespace

int ShortcutMenuOf(const CGCell& cell) {
  const AloneClass* row = AloneClassOf(cell);
  return row ? row->menu : 0;
}

int CMouseTools::SelectAlone(CGPage& page, WORD id) {
  CGCell* cell = Cell(id);
  // The class is tested first: a cell of no listed class keeps the
  // selection as it was.
  const AloneClass* row = cell ? AloneClassOf(*cell) : nullptr;
  if (!row) return 0;
  page.ClearSelection();
  cell->m_bSelected = true;
  page.m_selAll.push_back(id);
  UiBridge().Post(UiTarget::Frame, WM_SELECTION_CHANGED, 1, id);
  (page.*(row->list)).push_back(id);
  return row->menu;
}

bool CMouseTools::LabelDialogOn(CGPage& page, WORD id) {
  CGCell* cell = Cell(id);
  if (!cell) return false;
  if (EditLabelProperties(page, *cell)) {
    m_pDoc->SetModifiedFlag();
    m_surface.Redraw();
  }
  return true;
}

void CMouseTools::SelectToolRButton(const ToolInput& in) {
  CGPage* page = ActivePage();
  if (!page) return;
  const ToolPick pick = m_surface.Pick(in.x, in.y, false);
  if (pick.kind == kPickLabel && LabelDialogOn(*page, pick.id)) return;
  if (!pick.id) {
    UiBridge().ShowShortcutMenu(kGeneralMenu, in.x, in.y);
    return;
  }
  const int menu = SelectAlone(*page, pick.id);
  if (!menu) return;
  m_surface.Redraw();
  UiBridge().ShowShortcutMenu(menu, in.x, in.y);
}

void CMouseTools::OnLButtonDblClk(const ToolInput& in) {
  const CEditScope edit;
  if (g_prefs.bNoDoubleClick) return;
  ViewToolState& tool = g_viewTool;
  const bool traceShown = !g_bBackgroundDirty;
  const bool inked = !tool.finishedStrokes.empty();
  if (traceShown || inked) {
    // The kept picture and the ink go first; the click does nothing else.
    g_bBackgroundDirty = 1;
    EraseInkStrokes();
    m_surface.Redraw();
    return;
  }
  CGPage* page = g_nToolMode == 1 ? ActivePage() : nullptr;
  if (!page) return;
  const ToolPick pick = m_surface.Pick(in.x, in.y, false);
  if (pick.kind == kPickLabel) {
    LabelDialogOn(*page, pick.id);
  } else if (pick.kind == kPickButtonHandle) {
    UiBridge().Post(UiTarget::View, WM_CELL_COMMAND, pick.id, 0);
  } else if (!pick.id) {
    m_pDoc->GotoNextPage();
  } else if (SelectAlone(*page, pick.id)) {
    m_surface.Redraw();
    CommandRegistry().Run(ID_EDIT_PROPERTY);
  }
}
