// Points tied to the selected points: draggable points on perpendiculars
// and parallels, followers that keep their offset, and the origin.  Each is
// one cell; the rules count only the selected points.
#include "cells/constrained/dependentpoints.h"
#include "cells/constrained/follower.h"
#include "cells/constrained/linepoints.h"
#include "cells/constrained/turningpoints.h"
#include "cells/constructed/follower2d.h"
#include "commands/commandframe.h"
#include "commands/commandtexts.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/document/commandtable.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"

namespace {
// A new follower starts this far along x from its leader.
constexpr float kFollowerOffset = 5.0f;

// P = 2: about the line through the two points; P = 3: about the plane.
void PerpendicularPoint(CKavrelDoc& doc, const char* label, bool equidistant) {
  const std::vector<WORD> p = SelectedPoints();
  if (p.size() != 2 && p.size() != 3) return;
  BuildOnePoint(doc, label, [&](const CNewPoint& n) -> CGCell* {
    if (p.size() == 2) {
      if (equidistant) return new CGVerFreeUprightEquid(n.id, n.slot, n.name, p[0], p[1]);
      return new CGVerFreeUpright(n.id, n.slot, n.name, p[0], p[1]);
    }
    if (equidistant) return new CGVerPerpenEquid(n.id, n.slot, n.name, p[0], p[1], p[2]);
    return new CGVerFreePerpen(n.id, n.slot, n.name, p[0], p[1], p[2]);
  });
}

void PointAlong(CKavrelDoc& doc, const char* label, float dx, float dy, float dz) {
  const std::vector<WORD> p = SelectedPoints();
  if (p.size() != 1) return;
  const WORD anchor = p[0];
  BuildOnePoint(doc, label, [&](const CNewPoint& n) {
    return new CGVerFreeParVector(n.id, n.slot, n.name, dx, dy, dz, anchor);
  });
}

const CGVertex* SelectedPoint() {
  const std::vector<WORD> p = SelectedPoints();
  if (p.size() != 1) return nullptr;
  return dynamic_cast<const CGVertex*>(g_pCurPage->m_cells.Lookup(p[0]));
}

void OnCreatePointPerSc(CKavrelDoc& doc) { PerpendicularPoint(doc, kCmdNamePerpendicularStretch, false); }
void OnCreatePointPerEq(CKavrelDoc& doc) { PerpendicularPoint(doc, kCmdNamePerpendicularEquidistant, true); }
void OnCreatePointParX(CKavrelDoc& doc) { PointAlong(doc, kCmdNameParallelX, 1, 0, 0); }
void OnCreatePointParY(CKavrelDoc& doc) { PointAlong(doc, kCmdNameParallelY, 0, 1, 0); }
void OnCreatePointParZ(CKavrelDoc& doc) { PointAlong(doc, kCmdNameParallelZ, 0, 0, 1); }

void OnCreatePointParL(CKavrelDoc& doc) {
  const std::vector<WORD> p = SelectedPoints();
  if (p.size() != 3) return;
  BuildOnePoint(doc, kCmdNameParallelLinePoint, [&](const CNewPoint& n) {
    return new CGVerFreeParVecPP(n.id, n.slot, n.name, p[0], p[1], p[2]);
  });
}

void OnCreatePointVector(CKavrelDoc& doc) {
  const CGVertex* leader = SelectedPoint();
  if (!leader) return;
  const float* at = leader->m_vPos;
  BuildOnePoint(doc, kCmdNameFollower, [&](const CNewPoint& n) {
    return new CGVerFreeHenchman(n.id, n.slot, n.name, at[0] + kFollowerOffset, at[1], at[2], leader->m_nId);
  });
}

void OnCreatePoint2dz(CKavrelDoc& doc) {
  const CGVertex* leader = SelectedPoint();
  if (!leader) return;
  const float* at = leader->m_vPos;
  BuildOnePoint(doc, kCmdNameFollower2d, [&](const CNewPoint& n) {
    return new CGVerFree2dHenchman(n.id, n.slot, n.name, at[0] + kFollowerOffset, at[1], leader->m_nId);
  });
}

void OnCreatePointOrigin(CKavrelDoc& doc) {
  if (!g_pCurPage) return;
  CConstruction build(doc);
  if (!build.MakeRoom(1, 1, CConstruction::kGrowBy100)) return;
  const CNewPoint o = build.NextPoint(QStringLiteral("O"));
  build.Add(new CGVertex(o.id, o.slot, o.name, 0, 0, 0));
  build.Commit(QString::fromUtf8(kCmdNameOrigin));
}

void OnUpdateCreatePointPer(CKavrelDoc&, CCmdUI& ui) {
  const int points = CountSelection().P;
  ui.Enable(points == 2 || points == 3);
}

const CDocCommandRows rows({
    {ID_CREATE_POINT_PER_SC, OnCreatePointPerSc, OnUpdateCreatePointPer},
    {ID_CREATE_POINT_PER_EQ, OnCreatePointPerEq, OnUpdateCreatePointPer},
    {ID_CREATE_POINT_PAR_X, OnCreatePointParX, OnUpdateSinglePoint},
    {ID_CREATE_POINT_PAR_Y, OnCreatePointParY, OnUpdateSinglePoint},
    {ID_CREATE_POINT_PAR_Z, OnCreatePointParZ, OnUpdateSinglePoint},
    {ID_CREATE_POINT_PAR_L, OnCreatePointParL, OnUpdateThreePoints},
    {ID_CREATE_POINT_VECTOR, OnCreatePointVector, OnUpdateSinglePoint},
    {ID_CREATE_POINT_2DZ, OnCreatePoint2dz, OnUpdateSinglePoint},
    {ID_CREATE_POINT_ORIGIN, OnCreatePointOrigin},
});
}  // namespace
