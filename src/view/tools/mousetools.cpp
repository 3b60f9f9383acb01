#include "view/tools/mousetools.h"

#include "math/mathglobals.h"
#include "model/cellmap.h"
#include "model/cgcell.h"
#include "model/cgpage.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "platform/editscope.h"
#include "platform/uibridge.h"
#include "view/toolstate.h"

namespace {
bool IsConstructionTool(int mode) { return mode >= 2 && mode <= 5; }
bool IsPlacingStep(int step) { return step == 0 || step == 2 || step == 4; }
bool IsHeldStep(int step) { return step == 1 || step == 3 || step == 5; }
bool IsInPlaneStep(int step) { return step >= 6 && step % 2 == 0; }
}  // namespace

CGPage* CMouseTools::ActivePage() const {
  CGPage* page = g_pCurPage;
  if (!m_pDoc || !page) return nullptr;
  // A three-view page takes clicks only in its axonometric quadrant.
  if (page->m_bThreeView && !page->m_bFourthQuadrant) return nullptr;
  return page;
}

CGCell* CMouseTools::Cell(WORD id) const { return g_pCurCells && id ? g_pCurCells->Lookup(id) : nullptr; }

void CMouseTools::SetStatus(const QString& text) const { SetStatusBarText(text, 0); }

void CMouseTools::OnLButtonDown(const ToolInput& in) {
  const CEditScope edit;
  CGPage* page = ActivePage();
  if (!page) return;
  ViewToolState& tool = g_viewTool;
  tool.boxStart[0] = tool.boxCorner[0] = tool.lastPointer[0] = in.x;
  tool.boxStart[1] = tool.boxCorner[1] = tool.lastPointer[1] = in.y;
  g_nTrackballLastX = in.x;
  g_nTrackballLastY = in.y;
  bool redraw = true;
  switch (g_nToolMode) {
    case 1:
      SelectDown(*page, in);
      break;
    case 2:
    case 3:
    case 4:
    case 5:
      redraw = ConstructionDown(*page, in);
      break;
    case 6:
      UserToolDown(*page, in);
      break;
    case 7:
      tool.step = 1;
      break;
    case 8:
      tool.step = 2;
      break;
    case 9:
      InkDown(in);
      break;
    default:
      break;
  }
  if (redraw) m_surface.Redraw();
}

void CMouseTools::OnMouseMove(const ToolInput& in) {
  ViewToolState& tool = g_viewTool;
  const int dx = in.x - tool.lastPointer[0];
  const int dy = in.y - tool.lastPointer[1];
  tool.lastPointer[0] = in.x;
  tool.lastPointer[1] = in.y;
  g_bDragHorizontal = in.ctrl ? 0 : 1;
  CGPage* page = ActivePage();
  if (!page) return;
  const int mode = g_nToolMode;
  const int step = tool.step;
  if (!in.left) {
    if (in.middle) {
      Pan(in, dx, dy);
    } else if (!in.right) {
      if (IsConstructionTool(mode) && IsPlacingStep(step)) {
        Hover(*page, in);
      } else if (mode == 4 && IsInPlaneStep(step)) {
        ClearHover();
        float s = 0, t = 0;
        m_surface.PlaceOnPlane(in.x, in.y, tool.pointer, &s, &t);
      } else if (mode == 6) {
        UserToolMove(*page, in);
      } else if (mode == 8) {
        tool.boxStart[0] = in.x;
        tool.boxStart[1] = in.y;
        tool.boxCorner[0] = in.x + tool.lastBoxSize[0];
        tool.boxCorner[1] = in.y + tool.lastBoxSize[1];
      }
    }
  } else if (mode == 1) {
    if (tool.dragKind != 0)
      SelectDrag(*page, in, dx, dy);
    else
      Turn(in, dx, dy);
  } else if (IsConstructionTool(mode) && IsHeldStep(step)) {
    m_surface.PlaceVertically(in.x, in.y, tool.pointer);
  } else if (mode == 6) {
    UserToolMove(*page, in);
  } else if (mode == 7 || mode == 8) {
    tool.boxCorner[0] = in.x;
    tool.boxCorner[1] = in.y;
  } else if (mode == 9) {
    InkMove(in);
  }
  m_surface.Redraw();
}

void CMouseTools::OnLButtonUp(const ToolInput& in) {
  const CEditScope edit;
  CGPage* page = ActivePage();
  if (!page) return;
  g_viewTool.lastPointer[0] = in.x;
  g_viewTool.lastPointer[1] = in.y;
  switch (g_nToolMode) {
    case 1:
      EndDrag();
      break;
    case 2:
    case 3:
    case 4:
    case 5:
      if (!ConstructionUp(in)) return;
      break;
    case 6:
      UserToolUp(*page);
      break;
    case 7:
      BoxSelect(*page, in);
      break;
    case 8:
      CopyBox();
      return;  // the picture is taken; nothing to redraw
    case 9:
      if (!InkUp()) return;
      break;
    default:
      break;
  }
  m_surface.Redraw();
}

bool CMouseTools::OnRButtonDown(const ToolInput& in) {
  const CEditScope edit;
  const int mode = g_nToolMode;
  if (mode == 1) SelectToolRButton(in);
  // The ink pen stays: its right button offers the general menu.
  if (mode == 9 && m_pDoc) UiBridge().ShowShortcutMenu(188, in.x, in.y);
  if (mode < 2 || mode > 6) return false;
  CGPage* page = m_pDoc ? g_pCurPage : nullptr;
  if (page) {
    // The circle tool stays: the next two clicks start another circle.
    // A circle that cannot be made ends the construction.
    if (mode == 5 && g_viewTool.step == 4 && FinishCircle()) {
      m_surface.Redraw();
      return true;
    }
    if (mode == 4) FinishPolygon();
    if (mode == 6 && EndPendingTool(*page)) m_pDoc->SetModifiedFlag();
  }
  EndConstruction();
  return true;
}

void CMouseTools::OnOtherButtonDown(const ToolInput& in) {
  g_viewTool.lastPointer[0] = in.x;
  g_viewTool.lastPointer[1] = in.y;
}

void CMouseTools::EndConstruction() {
  ClearHover();
  g_viewTool.furtherCorners.clear();
  g_viewTool.step = 0;
  g_nToolMode = 1;
  m_surface.Redraw();
}
