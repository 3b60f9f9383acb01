// The select tool: a click selects by the pick kind table (pickkinds.h) or
// grabs a handle; holding the button drags what was grabbed, or else turns
// the view; the middle button pans it.  Drags make no undo step.
#include <algorithm>
#include <cfloat>
#include <cmath>

#include "cells/dynamic/parameters/userparameter.h"
#include "cells/primitives/cgverfree.h"
#include "cells/primitives/pointdrag.h"
#include "cells/solids/bodies/cgsubassembly.h"
#include "cells/texts/cgtextbit.h"
#include "cells/texts/cgtextmap.h"
#include "cells/texts/inkmarks.h"
#include "math/mathglobals.h"
#include "math/quaternion.h"
#include "math/viewrotation.h"
#include "model/cgbutton.h"
#include "model/cgcell.h"
#include "model/cgpage.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "render/viewglobals.h"
#include "platform/commandids.h"
#include "platform/uibridge.h"
#include "view/clickpick.h"
#include "view/tools/mousetools.h"
#include "view/tools/pickkinds.h"
#include "view/tools/tooltexts.h"
#include "view/toolstate.h"

namespace {
// Radians of half turn per pixel of mouse motion, and world units of pan.
constexpr double kTurnPerPixel = 0.003;
constexpr float kPanPerPixel = 0.2f;

using DragMove = void (*)(CGPage& page, CGCell& cell, int dx, int dy);

void MoveSelected(CGPage& page, const CRuntimeClass* kind, void (*move)(CGCell&, int, int), int dx, int dy) {
  for (WORD id : std::vector<WORD>(page.m_selAll))
    if (CGCell* cell = page.m_cells.Lookup(id); cell && cell->IsKindOf(kind)) {
      move(*cell, dx, dy);
      page.m_cells.NoteChanged(id);
    }
}

void DragPoint(CGPage&, CGCell& cell, int, int) {
  if (!DragPointTo()) return;
  g_viewTool.pointDragged = true;
  const auto& point = static_cast<const CGVertex&>(cell);
  for (int i = 0; i < 3; ++i) g_viewTool.pointer[i] = point.m_vPos[i];
}

// A parameter's handle follows the horizontal motion; like a point, its
// first move collects the parameter and its dependants, which every move
// recalculates.
void DragSlider(CGPage& page, CGCell& cell, int dx, int) {
  if (!cell.IsKindOf(RUNTIME_CLASS(CGTmVarParameter))) return;
  if (!g_viewTool.pointDragged) {
    cell.MarkDescendants();
    cell.m_bMarked = true;
    page.CollectDirtyIds(page.m_dirtyIds);
    BuildTraceList(2);
    g_viewTool.pointDragged = true;
  }
  g_nMouseDeltaX = dx;
  static_cast<CGTmVarParameter&>(cell).DragSlider();
  // A move is no edit: what follows is computed as the handle goes.
  page.RecalculateCells(page.m_dirtyIds);
}

// Labels that lie in the text layer follow the mouse delta.
void DragLabel(CGPage&, CGCell& cell, int dx, int dy) {
  g_nMouseDeltaX = dx;
  g_nMouseDeltaY = dy;
  cell.DragLabel();
}

// Ink lies in the text layer: its anchor follows the pointer pixel for pixel.
void DragInk(CGPage&, CGCell& cell, int dx, int dy) {
  if (!cell.IsKindOf(RUNTIME_CLASS(CGInkmarks))) return;
  cell.m_vLabelAnchor[0] += static_cast<float>(dx) * g_fUnitsPerPixel;
  cell.m_vLabelAnchor[1] -= static_cast<float>(dy) * g_fUnitsPerPixel;
}

// Every selected button moves by the mouse delta, which DragBy reads.
void DragButtons(CGPage& page, CGCell&, int dx, int dy) {
  g_nMouseDeltaX = dx;
  g_nMouseDeltaY = dy;
  MoveSelected(page, RUNTIME_CLASS(CGButton), [](CGCell& c, int, int) { static_cast<CGButton&>(c).DragBy(); }, dx, dy);
}

void DragValueTexts(CGPage& page, CGCell&, int dx, int dy) {
  MoveSelected(
      page, RUNTIME_CLASS(CGTextmap), [](CGCell& c, int x, int y) { static_cast<CGTextmap&>(c).DragBy(x, y); }, dx, dy);
}

void DragTexts(CGPage& page, CGCell&, int dx, int dy) {
  MoveSelected(
      page, RUNTIME_CLASS(CGTextbit), [](CGCell& c, int x, int y) { static_cast<CGTextbit&>(c).DragBy(x, y); }, dx, dy);
}

// The far corner of a picture follows the pointer: the zoom grows by the
// motion over the picture's own size.
void DragImageCorner(CGPage&, CGCell& cell, int dx, int dy) {
  if (!cell.IsKindOf(RUNTIME_CLASS(CGTbImage))) return;
  auto& image = static_cast<CGTbImage&>(cell);
  if (image.m_nWidth == 0 || image.m_nHeight == 0) return;
  const float width = static_cast<float>(image.m_nWidth), height = static_cast<float>(image.m_nHeight);
  // A zoom typed near the largest float overflows as the drawn size grows:
  // it is then worked out in double and kept within the float range, or
  // the document could not be opened again.
  const auto zoom = [](float z, double size, double grown) {
    if (std::isfinite(z)) return z;
    return static_cast<float>(std::clamp(grown / size, -double(FLT_MAX), double(FLT_MAX)));
  };
  const float zoomX = (width * image.ZoomX() + dx) / width, zoomY = (image.ZoomY() * height - dy) / height;
  image.SetZoom(zoom(zoomX, width, double(width) * image.ZoomX() + dx),
                zoom(zoomY, height, double(image.ZoomY()) * height - dy));
}

// A ready-made body slides along the drag line as a whole.
void DragComponent(CGPage&, CGCell& cell, int, int) {
  if (cell.IsKindOf(RUNTIME_CLASS(CGSubassembly))) static_cast<CGSubassembly&>(cell).MoveAlongDragLine();
}

// What a move does for each drag kind.  Kinds 8 to 11 only mark the
// document modified; their cells' work fills their rows.  A point or a
// parameter's handle computes what follows from it on every move, as
// opening computes it; the other moves change their cells only, and name
// them (MoveSelected names the selected cells it moves), so the release
// computes them as the end of an edit.
struct DragKindRow {
  int kind;
  DragMove move;
  bool computes;
};
constexpr DragKindRow kDragKinds[] = {
    {1, DragPoint, true},        {2, DragComponent, false},  {3, DragLabel, false},
    {4, DragInk, false},         {5, DragButtons, false},    {6, DragValueTexts, false},
    {7, DragTexts, false},       {12, DragImageCorner, false}, {13, DragSlider, true},
};

// Ink, buttons, captions and texts lie in the screen layer, which only the
// view shows: the pointer may leave the view while the button is held, but
// what it drags stops at the view's edge, so it stays where it can be seen
// and grabbed again.
bool DragsInScreenLayer(int kind) { return kind >= 4 && kind <= 7; }

// The motion from `to - motion` to `to` with both ends held within
// [0, size).
int MotionWithin(int to, int motion, int size) {
  const auto inside = [size](int v) { return std::clamp(v, 0, std::max(size - 1, 0)); };
  return inside(to) - inside(to - motion);
}

const DragKindRow* RowOfKind(int kind) {
  for (const DragKindRow& row : kDragKinds)
    if (row.kind == kind) return &row;
  return nullptr;
}

void Select(CGPage& page, CGCell& cell, int kind) {
  cell.m_bSelected = true;
  if (std::vector<WORD>* list = SelectionListOfKind(page, kind)) list->push_back(cell.m_nId);
  page.m_selAll.push_back(cell.m_nId);
  UiBridge().Post(UiTarget::Frame, WM_SELECTION_CHANGED, 1, cell.m_nId);
}

// The unit quaternion of a turn by 2a about a coordinate axis.
Quaternion HalfTurn(double a, int axis) {
  Quaternion q{std::cos(a), 0, 0, 0};
  (axis == 0 ? q.x : axis == 1 ? q.y : q.z) = std::sin(a);
  return q;
}

}  // namespace

void CMouseTools::SelectDown(CGPage& page, const ToolInput& in) {
  EndDrag();
  // The pick may deselect a free point and start dragging it at once.
  const ToolPick pick = m_surface.Pick(in.x, in.y, in.ctrl);
  if (!pick.hit) {
    page.ClearSelection();
    SetStatus(QString::fromUtf8(kTextReady));
    return;
  }
  CGCell* cell = Cell(pick.id);
  if (!cell) return;
  if (pick.kind == 0) {
    // The pick has deselected it and told the main frame.
    SetStatus(QString::fromUtf8(kTextDeselect) + cell->m_strName);
    return;
  }
  if (pick.kind == kPickButtonHandle) {
    UiBridge().Post(UiTarget::View, WM_CELL_COMMAND, pick.id, 0);
    return;
  }
  const PickKindRow* row = FindPickKindRow(pick.kind);
  if (!row) return;
  const PickClassCase& what = CaseForCell(*row, *cell);
  if (row->selects) Select(page, *cell, pick.kind);
  if (what.dragKind == 1 ? BeginPointDrag(pick.id) : what.dragKind != 0) {
    g_nDragId = pick.id;
    g_viewTool.dragKind = what.dragKind;
  }
  QString text;
  if (StatusTextFor(what, *cell, &text)) SetStatus(text);
}

void CMouseTools::SelectDrag(CGPage& page, const ToolInput& in, int dx, int dy) {
  if (g_bLockDrag) return;
  m_surface.AimRay(in.x, in.y);
  CGCell* cell = Cell(g_nDragId);
  if (!cell) return;
  // The traces of the positions so far join the kept picture first.
  const int kind = g_viewTool.dragKind;
  if ((kind == 1 || kind == 13) && g_bTraceDirty) m_surface.CaptureBackground();
  if (DragsInScreenLayer(kind)) {
    dx = MotionWithin(in.x, dx, g_nViewWidth);
    dy = MotionWithin(in.y, dy, g_nViewHeight);
  }
  if (const DragKindRow* row = RowOfKind(kind)) {
    row->move(page, *cell, dx, dy);
    if (!row->computes) page.m_cells.NoteChanged(cell->m_nId);
  }
  m_pDoc->SetModifiedFlag();
}

void CMouseTools::Turn(const ToolInput& in, int dx, int dy) {
  if (g_bLockView) return;
  if (g_prefs.bScreenRotation) {
    TrackballRotate(in.x, in.y);
    g_nTrackballLastX = in.x;
    g_nTrackballLastY = in.y;
    return;
  }
  const double step = g_fMotionStep;
  // Vertical motion tilts about the screen's horizontal axis (Ctrl: about
  // the vertical one), horizontal motion spins about the model's own z.
  const Quaternion tilt = in.ctrl ? HalfTurn(dy * -kTurnPerPixel * step, 1) : HalfTurn(dy * kTurnPerPixel * step, 0);
  const Quaternion spin = HalfTurn(dx * kTurnPerPixel * step, 2);
  Quaternion turned;
  QuatMultiply(tilt, ViewQuaternion, turned);
  QuatMultiply(turned, spin, ViewQuaternion);
}

void CMouseTools::Pan(const ToolInput& in, int dx, int dy) {
  if (g_bLockView) return;
  g_fViewTranslate[0] += dx * g_fMotionStep * kPanPerPixel;
  g_fViewTranslate[in.ctrl ? 2 : 1] -= dy * g_fMotionStep * kPanPerPixel;
  m_surface.Redraw();
  UiBridge().UpdateTranslationSliders();
}

void CMouseTools::EndDrag() {
  EndPointDrag();
  g_nDragId = 0;
  g_viewTool.dragKind = 0;
  g_viewTool.pointDragged = false;
}
