// The user-defined tool (mode 6): the pointer's first move starts an
// instance of the current tool, whose awaited input follows the pointer; a
// click answers it with a point or value clicked, a point made on a line
// or circle clicked, or (on release) a free point made where empty space
// was clicked.  A complete instance is one undo step at once, and the next
// move starts another.
#include <algorithm>

#include "cells/primitives/cgline.h"
#include "cells/primitives/cgarc.h"
#include "cells/primitives/cgverfree.h"
#include "cells/primitives/cgverfreeincircle.h"
#include "cells/primitives/cgverfreeinline.h"
#include "editing/tools/toolcommands.h"
#include "editing/tools/toolinstance.h"
#include "editing/tools/toolreplay.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/globals.h"
#include "view/tools/mousetools.h"
#include "view/toolstate.h"

namespace {
constexpr int kHeldOnEmpty = 1;

CGVertex* PendingPoint(const CGPage& page) {
  if (page.m_nToolPendingId < 1 || InstanceAwaitsValue(page)) return nullptr;
  return dynamic_cast<CGVertex*>(page.m_cells.Lookup(static_cast<WORD>(page.m_nToolPendingId)));
}

// The placeholder point and its dependants follow the pointer.
void FollowPointer(CGPage& page, const double at[3]) {
  CGVertex* point = PendingPoint(page);
  if (!point) return;
  for (int k = 0; k < 3; ++k) point->m_vPos[k] = static_cast<float>(at[k]);
  point->ApplyParameter();
  // A move of the pointer is no edit: nothing settles after it.
  if (const CToolInstance* instance = RunningInstance(page)) {
    page.RecalculateCells(instance->m_followers);
    page.UpdateLabels(instance->m_followers);
  }
}
}  // namespace

void CMouseTools::UserToolMove(CGPage& page, const ToolInput& in) {
  ViewToolState& tool = g_viewTool;
  if (in.left) {
    if (tool.step != kHeldOnEmpty) return;
    m_surface.PlaceVertically(in.x, in.y, tool.pointer);
    FollowPointer(page, tool.pointer);
    return;
  }
  if (page.m_nToolPendingId == -1) {
    m_surface.PlaceOnGrid(in.x, in.y, tool.pointer);
    StartToolInstance(static_cast<float>(tool.pointer[0]), static_cast<float>(tool.pointer[1]),
                      static_cast<float>(tool.pointer[2]));
    return;
  }
  if (page.m_nToolPendingId < 1) return;
  Hover(page, in);
  FollowPointer(page, tool.pointer);
}

void CMouseTools::UserToolDown(CGPage& page, const ToolInput& in) {
  if (page.m_nToolPendingId < 1) return;
  const ToolPick pick = m_surface.Pick(in.x, in.y, false);
  const bool wantsPoint = !InstanceAwaitsValue(page);
  // Where only the instance's own cells lie, the space is empty to it.
  if (!pick.hit || pick.kind == kPickNone) {
    if (!wantsPoint) return;  // empty space makes no value
    m_surface.PlaceOnGrid(in.x, in.y, g_viewTool.pointer);
    g_viewTool.step = kHeldOnEmpty;
    return;
  }
  CGCell* cell = Cell(pick.id);
  if (!cell) return;
  const bool isPoint = pick.kind == kPickPoint && cell->IsKindOf(RUNTIME_CLASS(CGVertex));
  const bool isValue = pick.kind == kPickValue && ToolInputAccepts(page, pick.id);
  if ((wantsPoint && isPoint) || (!wantsPoint && isValue)) {
    ClearHover();
    UserToolMatched(page, MatchToolInput(page, pick.id, nullptr));
    return;
  }
  const bool onLine = pick.kind == kPickLine && cell->IsKindOf(RUNTIME_CLASS(CGLine));
  const bool onArc = pick.kind == kPickPath && cell->IsKindOf(RUNTIME_CLASS(CGArc));
  const CGVertex* placeholder = PendingPoint(page);
  if (!placeholder || !(onLine || onArc)) return;  // nothing this input can take
  const WORD id = placeholder->m_nId;
  CGVerFree* point = onLine ? static_cast<CGVerFree*>(new CGVerFreeInLine(id, placeholder->VertexIndex,
                                                                          placeholder->m_strName, pick.id, 0.5f))
                            : new CGVerFreeInCircle(id, placeholder->VertexIndex, placeholder->m_strName,
                                                    pick.id, 0.5f);
  m_surface.AimRay(in.x, in.y);
  point->DragTo();
  ClearHover();
  UserToolMatched(page, MatchToolInput(page, 0, point));
}

void CMouseTools::UserToolUp(CGPage& page) {
  ViewToolState& tool = g_viewTool;
  if (tool.step != kHeldOnEmpty) return;
  tool.step = 0;
  const CGVertex* placeholder = PendingPoint(page);
  if (!placeholder) return;
  auto* point = new CGVerFreeXyz(placeholder->m_nId, placeholder->VertexIndex, placeholder->m_strName,
                                 static_cast<float>(tool.pointer[0]), static_cast<float>(tool.pointer[1]),
                                 static_cast<float>(tool.pointer[2]));
  ClearHover();
  UserToolMatched(page, MatchToolInput(page, 0, point));
}

void CMouseTools::UserToolMatched(CGPage& page, int result) {
  if (result > 0 && m_pDoc) CommitToolInstance(*m_pDoc, page, result);
}
