#include "cells/constructed/follower2d.h"

#include <cmath>

#include "cells/constructed/constructedtexts.h"
#include "cells/primitives/cornerpoints.h"
#include "cells/primitives/formattext.h"
#include "math/widevector.h"
#include "platform/archive.h"

IMPLEMENT_SERIAL(CGVerFree2dHenchman, CGVerFree)

CGVerFree2dHenchman::CGVerFree2dHenchman(WORD id, int slot, const QString& name, float x, float y, WORD leader)
    : CGVerFree(id, slot, name, x, y, 0) {
  AppendParent(*this, leader);
  if (const CGVertex* l = ParentAs<CGVertex>(0)) TakeOffset(*l, x, y);
  Recalculate();
}

void CGVerFree2dHenchman::Serialize(CArchive& ar) {
  CGVerFree::Serialize(ar);
  if (ar.IsStoring()) {
    ar << OffsetX << OffsetY;
    return;
  }
  ar >> OffsetX >> OffsetY;
  CheckLoaded(ar, 1, {OffsetX, OffsetY});
}

void CGVerFree2dHenchman::Recalculate() {
  const CGVertex* leader = DefinedParentAs<CGVertex>(0);
  if (!leader) {
    m_bDefined = false;
    return;
  }
  float p[3];
  AtOffset(*leader, p);
  PlaceIfFinite(p);
}

void CGVerFree2dHenchman::AtOffset(const CGVertex& leader, float p[3]) const {
  p[0] = leader.m_vPos[0] + OffsetX;
  p[1] = leader.m_vPos[1] + OffsetY;
  p[2] = leader.m_vPos[2];
}

bool CGVerFree2dHenchman::TakeOffset(const CGVertex& leader, float x, float y) {
  const float dx = x - leader.m_vPos[0], dy = y - leader.m_vPos[1];
  if (!std::isfinite(dx) || !std::isfinite(dy)) return false;
  OffsetX = dx;
  OffsetY = dy;
  return true;
}

bool CGVerFree2dHenchman::Settle(const CGVertex& leader, float x, float y) {
  const float p[3] = {x, y, leader.m_vPos[2]};
  if (!kvmath::Finite3(p) || !TakeOffset(leader, x, y)) return false;
  // Placed where the offset puts it, as opening the document computes it:
  // the leader plus the rounded difference is not always (x, y).
  float q[3];
  AtOffset(leader, q);
  PlaceAt(kvmath::Finite3(q) ? q : p);
  return true;
}

void CGVerFree2dHenchman::ApplyParameter() {
  const CGVertex* leader = ParentAs<CGVertex>(0);
  if (!leader || !Settle(*leader, m_vPos[0], m_vPos[1])) CGVerFree::ApplyParameter();
}

QString CGVerFree2dHenchman::GetDescription() {
  return FillFormat(kTextFollower2d, "%s", {ParentName(0)});
}

void CGVerFree2dHenchman::DragTo() {
  const CGVertex* leader = ParentAs<CGVertex>(0);
  float q[3];
  if (leader && AxisPlaneHit(m_vPos, 2, q)) Settle(*leader, q[0], q[1]);
}
