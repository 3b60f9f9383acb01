#include "cells/constrained/follower.h"

#include "cells/constrained/constrainedtexts.h"
#include "cells/primitives/cornerpoints.h"
#include "cells/primitives/formattext.h"
#include "math/widevector.h"

IMPLEMENT_SERIAL(CGVerFreeHenchman, CGVerFree)

namespace {
void AtOffset(const CGVertex& leader, const float offset[3], float p[3]) {
  for (int i = 0; i < 3; ++i) p[i] = leader.m_vPos[i] + offset[i];
}
}  // namespace

void PlaceAtOffset(CGVertex& point, const float offset[3]) {
  const CGVertex* leader = point.DefinedParentAs<CGVertex>(0);
  if (!leader) {
    point.m_bDefined = false;
    return;
  }
  float p[3];
  AtOffset(*leader, offset, p);
  point.PlaceIfFinite(p);
}

CGVerFreeHenchman::CGVerFreeHenchman(WORD id, int slot, const QString& name, float x, float y, float z,
                                     WORD leader)
    : CGVerFree(id, slot, name, x, y, z) {
  AppendParent(*this, leader);
  Rebind();
}

void CGVerFreeHenchman::Rebind() {
  const CGVertex* leader = ParentAs<CGVertex>(0);
  if (!leader) return;
  const float offset[3] = {m_vPos[0] - leader->m_vPos[0], m_vPos[1] - leader->m_vPos[1],
                           m_vPos[2] - leader->m_vPos[2]};
  // A leader beyond the float range (or no number) gives no offset the
  // record would take: the old one stays.
  if (kvmath::Finite3(offset)) kvmath::Store3(offset, Offset);
  // The point then stands where the offset puts it, as opening the document
  // computes it: the leader plus the rounded difference is not always the
  // position given (far from the leader, near zero, or -0 beside +0).
  // Whether it is defined stays the recalculation's.
  float p[3];
  AtOffset(*leader, Offset, p);
  if (kvmath::Finite3(p)) PlaceAt(p);
}

void CGVerFreeHenchman::ApplyParameter() {
  CGVerFree::ApplyParameter();
  Rebind();
}

QString CGVerFreeHenchman::GetDescription() { return FillFormat(kTextFollower, "%s", {ParentName(0)}); }

void CGVerFreeHenchman::DragTo() {
  float q[3];
  if (!AxisPlaneDragTarget(m_vPos, q)) return;
  PlaceAt(q);
  Rebind();
}
