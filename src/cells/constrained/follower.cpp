#include "cells/constrained/follower.h"

#include "cells/constrained/constrainedtexts.h"
#include "cells/primitives/cornerpoints.h"
#include "cells/primitives/formattext.h"

IMPLEMENT_SERIAL(CGVerFreeHenchman, CGVerFree)

void PlaceAtOffset(CGVertex& point, const float offset[3]) {
  const CGVertex* leader = point.DefinedParentAs<CGVertex>(0);
  if (!leader) {
    point.m_bDefined = false;
    return;
  }
  float p[3];
  for (int i = 0; i < 3; ++i) p[i] = leader->m_vPos[i] + offset[i];
  point.PlaceAt(p);
  point.m_bDefined = true;
}

CGVerFreeHenchman::CGVerFreeHenchman(WORD id, int slot, const QString& name, float x, float y, float z,
                                     WORD leader)
    : CGVerFree(id, slot, name, x, y, z) {
  AppendParent(*this, leader);
  Rebind();
}

void CGVerFreeHenchman::Rebind() {
  if (const CGVertex* leader = ParentAs<CGVertex>(0))
    for (int i = 0; i < 3; ++i) Offset[i] = m_vPos[i] - leader->m_vPos[i];
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
