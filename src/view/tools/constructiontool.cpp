// The construction tools: point (2), line (3), polygon (4) and circle (5).
// Each clicked or made vertex advances the construction step by two (see
// ViewToolState::step); a press on empty space holds an odd step while the
// pointer sets the new point's height, and the release makes the point.
// Every click that builds makes one undo step; the right button finishes a
// polygon or a flat circle.
#include <algorithm>

#include "cells/constrained/follower.h"
#include "cells/constructed/follower2d.h"
#include "cells/constructed/horizontalcircles.h"
#include "cells/primitives/arcsbypoints.h"
#include "cells/primitives/cgarc.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgline.h"
#include "cells/primitives/cgverfree.h"
#include "cells/primitives/cgverfreeincircle.h"
#include "cells/primitives/cgverfreeinface.h"
#include "cells/primitives/cgverfreeinline.h"
#include "commands/commandframe.h"
#include "commands/commandglobals.h"
#include "model/autocolor.h"
#include "model/cgpage.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "platform/crtrandom.h"
#include "platform/notifier.h"
#include "view/tools/mousetools.h"
#include "view/tools/tooltexts.h"
#include "view/toolstate.h"

namespace {
constexpr int kPointTool = 2, kLineTool = 3, kPolygonTool = 4, kCircleTool = 5;
// A face keeps at most this many corners: further in-plane corners of a
// polygon are refused beyond what its face can hold.
constexpr std::size_t kMaxFurtherCorners = CGFace::kMaxCorners - 3;

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

void Copy(const float from[3], double to[3]) { std::copy_n(from, 3, to); }
void Copy(const double from[3], double to[3]) { std::copy_n(from, 3, to); }

const CGVertex* VertexOf(const CGCell* cell) {
  return cell && cell->IsKindOf(RUNTIME_CLASS(CGVertex)) ? static_cast<const CGVertex*>(cell) : nullptr;
}

// The third vertex fixes the polygon's plane, in which later corners lie.
void EnterPolygonPlane(ViewToolState& tool) {
  Copy(tool.anchor1, tool.planeA);
  Copy(tool.anchor2, tool.planeB);
  Copy(tool.anchor3, tool.planeC);
  tool.furtherCorners.clear();
}

double RandomUnit() { return static_cast<double>(KvRand()) / KV_RAND_MAX; }
}  // namespace

void CMouseTools::AddFirstEdge(CConstruction& build, WORD to) const {
  const int type = g_nToolMode == kLineTool ? std::clamp(g_nLineType, 0, 3) : 0;
  build.Add(new CGLine(build.NextId(), g_viewTool.vertexIds[0], to, static_cast<BYTE>(type)));
}

QString CMouseTools::FirstEdgeLabel() const {
  const int type = g_nToolMode == kLineTool ? std::clamp(g_nLineType, 0, 3) : 0;
  return Text(kUndoLinePrefix) + Text(kLineTypeWords[type]);
}

bool CMouseTools::ConstructionDown(CGPage&, const ToolInput& in) {
  const ToolPick pick = m_surface.Pick(in.x, in.y, false);
  if (!pick.hit) return DownOnEmpty(in);
  CGCell* cell = Cell(pick.id);
  if (!cell) return false;
  if (pick.kind == kPickPoint && VertexOf(cell)) return DownOnPoint(pick.id);
  // Only lines and circles carry a point: a locus, curve or ink shares the
  // circles' pick kind but is no circle.
  if ((pick.kind == kPickLine && cell->IsKindOf(RUNTIME_CLASS(CGLine))) ||
      (pick.kind == kPickPath && cell->IsKindOf(RUNTIME_CLASS(CGArc))))
    return DownOnPath(*cell, in);
  return true;
}

bool CMouseTools::DownOnEmpty(const ToolInput& in) {
  ViewToolState& tool = g_viewTool;
  const int step = tool.step;
  if (step == 0 || step == 2 || step == 4) {
    m_surface.PlaceOnGrid(in.x, in.y, tool.pointer);
    tool.step = step + 1;
  } else if (g_nToolMode == kPolygonTool && step >= 6 && step % 2 == 0 &&
             tool.furtherCorners.size() < kMaxFurtherCorners) {
    PolygonCorner corner{};
    float s = 0, t = 0;
    if (!m_surface.PlaceOnPlane(in.x, in.y, corner.pos, &s, &t)) return true;
    corner.s = s;
    corner.t = t;
    Copy(corner.pos, tool.pointer);
    tool.furtherCorners.push_back(corner);
    tool.step = step + 2;
  }
  return true;
}

bool CMouseTools::DownOnPoint(WORD id) {
  ViewToolState& tool = g_viewTool;
  const int mode = g_nToolMode, step = tool.step;
  const CGVertex& point = *VertexOf(Cell(id));
  if (step == 0 && mode == kPointTool) {
    // A follower beside the point, 2 to 5 units away in x and in y.
    const double sign = RandomUnit() * 2 - 1 < 0 ? -1.0 : 1.0;
    const double offsetX = RandomUnit() * 3 + 2;
    const double offsetY = RandomUnit() * 3 + 2;
    CConstruction build(*m_pDoc);
    if (!build.MakeRoom(1, 1)) return false;
    const CNewPoint p = build.NextPoint();
    build.Add(new CGVerFree2dHenchman(p.id, p.slot, p.name, static_cast<float>(point.m_vPos[0] + offsetX),
                                      static_cast<float>(point.m_vPos[1] + sign * offsetY), id));
    build.Commit(Text(kUndoFollower2d));
  } else if (step == 0) {
    Copy(point.m_vPos, tool.anchor1);
    Copy(point.m_vPos, tool.anchor2);
    Copy(point.m_vPos, tool.pointer);
    tool.vertexIds[0] = id;
    tool.step = 2;
  } else if (step == 2 && id != tool.vertexIds[0]) {
    if (mode == kLineTool || mode == kPolygonTool) {
      CConstruction build(*m_pDoc);
      if (!build.MakeRoom(1)) return false;
      AddFirstEdge(build, id);
      build.Commit(FirstEdgeLabel());
    }
    if (mode == kLineTool) {
      tool.step = 0;
    } else {
      tool.vertexIds[1] = id;
      tool.step = 4;
    }
    Copy(point.m_vPos, tool.anchor2);
    Copy(point.m_vPos, tool.pointer);
  } else if (step == 4 && id != tool.vertexIds[0] && id != tool.vertexIds[1]) {
    if (mode == kPolygonTool) {
      tool.vertexIds[2] = id;
      Copy(point.m_vPos, tool.anchor3);
      Copy(point.m_vPos, tool.pointer);
      EnterPolygonPlane(tool);
      tool.step = 6;
    } else if (mode == kCircleTool) {
      CConstruction build(*m_pDoc);
      if (!build.MakeRoom(1)) return false;
      build.Add(new CGArcCenterP(build.NextId(), tool.vertexIds[0], tool.vertexIds[1], id));
      build.Commit(Text(kUndoCircleCenterP));
      tool.step = 0;
    }
  } else if (step >= 6 && mode == kPolygonTool) {
    KvMessageBox(Text(kTextPolygonNoPoint));
  }
  return true;
}

bool CMouseTools::DownOnPath(CGCell& path, const ToolInput& in) {
  ViewToolState& tool = g_viewTool;
  const int mode = g_nToolMode, step = tool.step;
  if (mode == kPolygonTool && step >= 6) {
    KvMessageBox(Text(kTextPolygonNoPathPoint));
    return true;
  }
  if (step != 0 && step != 2 && step != 4) return true;
  const bool onLine = path.IsKindOf(RUNTIME_CLASS(CGLine));
  const QString pointLabel = Text(onLine ? kUndoPointOnLine : kUndoPointOnArc);
  const bool withEdge = step == 2 && (mode == kLineTool || mode == kPolygonTool);
  const bool withCircle = step == 4 && mode == kCircleTool;
  CConstruction build(*m_pDoc);
  if (!build.MakeRoom(withEdge || withCircle ? 2 : 1, 1)) return false;
  const CNewPoint p = build.NextPoint();
  CGVerFree* point =
      onLine ? static_cast<CGVerFree*>(build.Add(new CGVerFreeInLine(p.id, p.slot, p.name, path.m_nId, 0.5f)))
             : build.Add(new CGVerFreeInCircle(p.id, p.slot, p.name, path.m_nId, 0.5f));
  m_surface.AimRay(in.x, in.y);
  point->DragTo();
  const float* at = point->m_vPos;

  if (step == 0) {
    build.Commit(pointLabel);
    if (mode != kPointTool) {
      Copy(at, tool.anchor1);
      Copy(at, tool.anchor2);
      Copy(at, tool.pointer);
      tool.vertexIds[0] = p.id;
      tool.step = 2;
    }
  } else if (step == 2) {
    if (withEdge) {
      AddFirstEdge(build, p.id);
      build.Commit(Text(kUndoPointAndLine));
    } else {
      build.Commit(pointLabel);
    }
    if (mode == kLineTool) {
      tool.step = 0;
    } else {
      tool.vertexIds[1] = p.id;
      tool.step = 4;
    }
    Copy(at, tool.anchor2);
    Copy(at, tool.pointer);
  } else if (withCircle) {
    build.Add(new CGArcCenterP(build.NextId(), tool.vertexIds[0], tool.vertexIds[1], p.id));
    build.Commit(Text(kUndoCircleCenterP));
    tool.step = 0;
  } else {
    build.Commit(pointLabel);
    if (mode == kPolygonTool) {
      tool.vertexIds[2] = p.id;
      Copy(at, tool.anchor3);
      Copy(at, tool.pointer);
      EnterPolygonPlane(tool);
      tool.step = 6;
      SetStatus(Text(kTextEndDrawing));
    }
  }
  return true;
}

bool CMouseTools::ConstructionUp(const ToolInput&) {
  ViewToolState& tool = g_viewTool;
  const int mode = g_nToolMode, step = tool.step;
  if (step != 1 && step != 3 && step != 5) return true;
  const bool withEdge = step == 3 && (mode == kLineTool || mode == kPolygonTool);
  const bool withCircle = step == 5 && mode == kCircleTool;
  CConstruction build(*m_pDoc);
  if (!build.MakeRoom(withEdge || withCircle ? 2 : 1, 1)) return false;
  const CNewPoint p = build.NextPoint();
  const float x = static_cast<float>(tool.pointer[0]), y = static_cast<float>(tool.pointer[1]),
              z = static_cast<float>(tool.pointer[2]);
  // The polygon's later corners follow its first, so dragging the first
  // moves the polygon.
  if (mode == kPolygonTool && step != 1)
    build.Add(new CGVerFreeHenchman(p.id, p.slot, p.name, x, y, z, tool.vertexIds[0]));
  else
    build.Add(new CGVerFreeXyz(p.id, p.slot, p.name, x, y, z));

  if (step == 1) {
    Copy(tool.pointer, tool.anchor1);
    Copy(tool.pointer, tool.anchor2);
    tool.vertexIds[0] = p.id;
    build.Commit(Text(kUndoFreePoint));
    tool.step = mode == kPointTool ? 0 : 2;
  } else if (step == 3) {
    Copy(tool.pointer, tool.anchor2);
    tool.vertexIds[1] = p.id;
    if (withEdge) {
      AddFirstEdge(build, p.id);
      build.Commit(Text(kUndoPointAndLine));
    } else {
      build.Commit(Text(kUndoFreePoint));
    }
    tool.step = mode == kLineTool ? 0 : 4;
  } else {
    tool.vertexIds[2] = p.id;
    tool.step = 0;
    if (withCircle) {
      build.Add(new CGArcCenterP(build.NextId(), tool.vertexIds[0], tool.vertexIds[1], p.id));
      build.Commit(Text(kUndoCircleCenterP));
    } else {
      build.Commit(Text(kUndoFreePoint));
      if (mode == kPolygonTool) {
        Copy(tool.pointer, tool.anchor3);
        EnterPolygonPlane(tool);
        tool.step = 6;
        SetStatus(Text(kTextEndDrawing));
      }
    }
  }
  return true;
}

void CMouseTools::Hover(CGPage&, const ToolInput& in) {
  const ToolPick pick = m_surface.Pick(in.x, in.y, false);
  ClearHover();
  if (CGCell* cell = pick.hit ? Cell(pick.id) : nullptr) {
    cell->m_bHovered = true;
    g_viewTool.hoveredId = pick.id;
  }
  m_surface.PlaceOnGrid(in.x, in.y, g_viewTool.pointer);
}

void CMouseTools::ClearHover() {
  if (CGCell* cell = Cell(g_viewTool.hoveredId)) cell->m_bHovered = false;
  g_viewTool.hoveredId = 0;
}

bool CMouseTools::FinishCircle() {
  ViewToolState& tool = g_viewTool;
  if (!VertexOf(Cell(tool.vertexIds[0])) || !VertexOf(Cell(tool.vertexIds[1]))) return false;
  CConstruction build(*m_pDoc);
  if (!build.MakeRoom(1)) return false;
  build.Add(new CGArcPoint2(build.NextId(), tool.vertexIds[0], tool.vertexIds[1], 0));
  build.Commit(Text(kUndoHorizontalCircle));
  tool.step = 0;
  return true;
}

bool CMouseTools::FinishPolygon() {
  ViewToolState& tool = g_viewTool;
  const std::vector<PolygonCorner>& corners = tool.furtherCorners;
  const int n = static_cast<int>(corners.size());
  if (tool.step != 6 + 2 * n) return false;
  const WORD* v = tool.vertexIds;
  for (int i = 0; i < 3; ++i)
    if (!VertexOf(Cell(v[i]))) return false;
  CConstruction build(*m_pDoc);
  if (!build.MakeRoom(2 * n + 3, n)) return false;
  std::vector<WORD> ring = {v[0], v[1], v[2]};
  for (const PolygonCorner& c : corners) {
    const CNewPoint p = build.NextPoint();
    build.Add(
        new CGVerFreeInPlane(p.id, p.slot, p.name, v[0], v[1], v[2], static_cast<float>(c.s), static_cast<float>(c.t)));
    ring.push_back(p.id);
  }
  // The edge from the first corner to the second exists already.
  for (std::size_t i = 1; i < ring.size(); ++i)
    build.Add(new CGLine(build.NextId(), ring[i], ring[(i + 1) % ring.size()], kLineSegment));
  CGFace* face = build.Add(new CGFace(build.NextId(), ring, NextAutoColor()));
  face->m_nStyle = kFaceFilled;
  build.Commit(Text(n == 0 ? kUndoTriangle : n == 1 ? kUndoQuadrilateral : kUndoPolygon));
  SetStatus(Text(kTextReady));
  return true;
}
