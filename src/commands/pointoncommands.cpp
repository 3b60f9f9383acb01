#include "commands/pointoncommands.h"

#include <cmath>
#include <functional>
#include <vector>

#include "cells/dynamic/paths/curve.h"
#include "cells/dynamic/paths/locus.h"
#include "cells/dynamic/paths/pathpoints.h"
#include "cells/primitives/cgarc.h"
#include "cells/primitives/cgverfree.h"
#include "cells/primitives/cgverfreeincircle.h"
#include "cells/primitives/cgverfreeinface.h"
#include "cells/primitives/cgverfreeinline.h"
#include "commands/commandframe.h"
#include "commands/commandtexts.h"
#include "model/cellmap.h"
#include "model/cgpage.h"
#include "model/document/commandtable.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "platform/crtrandom.h"
#include "platform/uibridge.h"

namespace {
// The place drawn for the new point: t along a line or path, (t, s) as
// the weights in a face or plane, s never past 1 - t.
struct CRandomPlace {
  float t;
  float s;
};

CRandomPlace DrawPlace() {
  const float t = static_cast<float>(KvRand()) / KV_RAND_MAX;
  const float s = (1.0f - t) * static_cast<float>(KvRand()) / KV_RAND_MAX;
  return {t, s};
}

// A point within this of a line's end would be hard to grab apart from it.
constexpr float kLineEndMargin = 0.05f;
// The angle of a circle point per unit of t, as the program has always used.
constexpr float kCircleTurn = 6.283f;

using PointMaker = std::function<CGCell*(const CNewPoint&)>;

// The point the first fitting rule makes, its label and the cells it
// reads; none: no maker.
struct CPointOnObject {
  PointMaker make;
  const char* label = nullptr;
  std::vector<WORD> parents;
};

CPointOnObject OnPath(WORD id, float t) {
  const CGCell* path = g_pCurPage->m_cells.Lookup(id);
  if (!path) return {};
  if (path->IsKindOf(RUNTIME_CLASS(CGArc)))
    return {[id, angle = kCircleTurn * t](const CNewPoint& p) {
              return new CGVerFreeInCircle(p.id, p.slot, p.name, id, angle);
            },
            kCmdNamePointOnCircle, {id}};
  if (path->IsKindOf(RUNTIME_CLASS(CGLocus)))
    return {[id, t](const CNewPoint& p) { return new CGVerFreeInLocus(p.id, p.slot, p.name, id, t); },
            kCmdNamePointOnLocus, {id}};
  if (path->IsKindOf(RUNTIME_CLASS(CGCurve)))
    return {[id, t](const CNewPoint& p) { return new CGVerFreeInCurve(p.id, p.slot, p.name, id, t); },
            kCmdNamePointOnCurve, {id}};
  return {};  // ink
}

CPointOnObject ChoosePointOnObject(CRandomPlace at) {
  const CGPage& page = *g_pCurPage;
  if (!page.m_selLines.empty()) {
    const WORD line = page.m_selLines[0];
    float t = at.t;
    if (std::fabs(t) < kLineEndMargin || std::fabs(t - 1) < kLineEndMargin) t = 0.5f;
    return {[line, t](const CNewPoint& p) { return new CGVerFreeInLine(p.id, p.slot, p.name, line, t); },
            kCmdNamePointOnLine, {line}};
  }
  if (!page.m_selPaths.empty()) return OnPath(page.m_selPaths[0], at.t);
  if (!page.m_selFaces.empty()) {
    const WORD face = page.m_selFaces[0];
    return {[face, at](const CNewPoint& p) { return new CGVerFreeInFace(p.id, p.slot, p.name, face, at.t, at.s); },
            kCmdNamePointInFace, {face}};
  }
  if (page.m_selPoints.size() == 3) {
    const std::vector<WORD> abc = page.m_selPoints;
    return {[abc, at](const CNewPoint& p) {
              return new CGVerFreeInPlane(p.id, p.slot, p.name, abc[0], abc[1], abc[2], at.t, at.s);
            },
            kCmdNamePointInPlane, abc};
  }
  return {};
}

// The new point becomes the only selected cell, its item ticked.
void SelectAlone(CGPage& page, WORD id) {
  page.SelectCell(id);
  UiBridge().Post(UiTarget::Frame, WM_SELECTION_CHANGED, 1, id);
}

const CDocCommandRows rows({
    {ID_CREATE_POINT_ONOBJECT, OnCreatePointOnobject, OnUpdateCreatePointOnobject},
    {ID_CREATE_FREE3_POINT, OnCreateFree3Point},
});
}  // namespace

void OnCreatePointOnobject(CKavrelDoc& doc) {
  CGPage* page = g_pCurPage;
  if (!page) return;
  const CPointOnObject chosen = ChoosePointOnObject(DrawPlace());
  if (!chosen.make) return;
  // A handler called directly may see a stale list.
  for (WORD parent : chosen.parents)
    if (!page->m_cells.Lookup(parent)) return;
  CConstruction build(doc);
  if (!build.MakeRoom(1, 1, CConstruction::kGrowBy100)) return;
  const WORD id = build.Add(chosen.make(build.NextPoint()))->m_nId;
  page->ClearSelection();
  build.Commit(QString::fromUtf8(chosen.label));
  SelectAlone(*page, id);
}

void OnUpdateCreatePointOnobject(CKavrelDoc&, CCmdUI& ui) {
  const CSelectionCounts n = CountSelection();
  ui.Enable(n.L > 0 || n.P == 3 || n.F > 0 || n.A > 0);
}

void OnCreateFree3Point(CKavrelDoc& doc) {
  if (!g_pCurPage) return;
  BuildOnePoint(doc, kCmdNameFree3Point,
                [](const CNewPoint& p) { return new CGVerFreeXyz(p.id, p.slot, p.name, 0, 0, 0); });
}
