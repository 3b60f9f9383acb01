#include "cells/dynamic/buttons/movebutton.h"

#include <cmath>

#include "cells/constrained/follower.h"
#include "cells/constructed/follower2d.h"
#include "cells/constructed/paths/compoundpaths.h"
#include "cells/dynamic/buttons/buttontexts.h"
#include "cells/dynamic/buttons/movegoals.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgverfreeincircle.h"
#include "cells/primitives/cgverfreeinface.h"
#include "cells/primitives/cgverfreeinline.h"
#include "cells/primitives/cornerpoints.h"
#include "cells/primitives/formattext.h"
#include "math/geometry.h"
#include "math/widevector.h"
#include "platform/archive.h"

IMPLEMENT_SERIAL(CGButnMove, CGButton)

using kvmath::Diff;
using kvmath::Norm2;

CGButnMove::CGButnMove(WORD id, const QString& caption, WORD mover, WORD target, float speed, BYTE mode) {
  m_nId = id;
  AppendParent(*this, mover);
  AppendParent(*this, target);
  const CGCell* a = ParentAs<CGCell>(0);
  const CGCell* b = ParentAs<CGCell>(1);
  m_bDefined = a && b && a->m_bDefined && b->m_bDefined;
  PlaceAtNextPosition();
  m_fSpeed = speed;
  m_strName = caption;
  m_nSubKind = mode;
}

void CGButnMove::Serialize(CArchive& ar) {
  CGButton::Serialize(ar);
  if (!ar.IsStoring()) m_nClimb = 1;
  CheckLoaded(ar, 2, {m_fSpeed});
}

void CGButnMove::UpdateLabel() {
  if (m_bNameFixed) return;
  m_strName = ParentName(0) + QString::fromUtf8(kTextMoveArrow) + ParentName(1);
  m_bLabelStale = true;
}

QString CGButnMove::GetDescription() {
  return FillFormat(kTextMoveDescription, "%s", {ParentName(0), ParentName(1)});
}

bool CGButnMove::Step() {
  auto* mover = ParentAs<CGVertex>(0);
  const auto* target = ParentAs<CGVertex>(1);
  if (!m_bDefined || !mover || !target || !mover->m_bDefined || !target->m_bDefined) return true;
  // No step at all would never arrive, and a step of no number spreads NaN.
  if (!(m_fSpeed > 0) || !std::isfinite(m_fSpeed)) return true;
  const float goal[3] = {target->m_vPos[0], target->m_vPos[1], target->m_vPos[2]};
  switch (m_nSubKind) {
    case kStraight:
      return StepStraight(*mover, goal, 3);
    case kStraightFlat:
      return StepStraight(*mover, goal, 2);
    case kAlongLine:
    case kRoundCircle:
      return StepClimb(*mover, goal);
    case kAlongCurve:
      return StepAlongCurve(*mover, goal);
    case kAlongLocus:
      return StepAlongLocus(*mover, goal);
    case kInFace:
      return StepInFace(*mover, goal);
    case kInPlane:
      return StepInPlane(*mover, goal);
    case kRoundBorder:
      return StepRoundBorder(*mover, goal);
    default:
      return true;
  }
}

bool CGButnMove::StepStraight(CGVertex& mover, const float target[3], int axes) {
  // Only a free point keeps a position written from outside.
  if (!dynamic_cast<CGVerFree*>(&mover)) return true;
  float* m = mover.m_vPos;
  double d2 = 0;
  for (int i = 0; i < axes; ++i) d2 += static_cast<double>(target[i] - m[i]) * (target[i] - m[i]);
  const double d = std::sqrt(d2);
  const double step = 5.0 * m_fSpeed;
  if (step > d) {
    for (int i = 0; i < axes; ++i) m[i] = target[i];
    return true;
  }
  const double f = step / d;
  for (int i = 0; i < axes; ++i) m[i] = static_cast<float>(m[i] + f * (target[i] - m[i]));
  return false;
}

bool CGButnMove::StepInFace(CGVertex& mover, const float target[3]) {
  auto* point = dynamic_cast<CGVerFreeInFace*>(&mover);
  const CGFace* face = point ? point->ParentAs<CGFace>(0) : nullptr;
  if (!face || face->CornerCount < 3) return true;
  const float* k0 = face->CornerPos(0);
  const float *k1 = face->CornerPos(1), *k2 = face->CornerPos(2);
  if (!k0 || !k1 || !k2) return true;
  float goal[3];
  PlaneGoal(k0, k1, k2, target, goal);
  if (!face->ContainsPoint(goal)) face->NearestBoundaryPoint(goal, &goal[0], &goal[1], &goal[2]);
  float q[3];
  const bool finished = StepToward(mover.m_vPos, goal, m_fSpeed, true, q);
  for (int i = 1; i + 1 < face->CornerCount; ++i) {
    const float *ki = face->CornerPos(i), *next = face->CornerPos(i + 1);
    float a, b;
    if (!ki || !next || !PlaneCoordinates(k0, ki, next, q, a, b) || b < 0 || 1 - a - b < 0) continue;
    point->Corner = i;
    point->Weight0 = a;
    point->WeightK = b;
    return finished;
  }
  return true;
}

bool CGButnMove::StepInPlane(CGVertex& mover, const float target[3]) {
  auto* point = dynamic_cast<CGVerFreeInPlane*>(&mover);
  const CGVertex* p[3] = {};
  for (int i = 0; i < 3 && point; ++i) p[i] = point->ParentAs<CGVertex>(i);
  if (!p[0] || !p[1] || !p[2]) return true;
  float goal[3];
  PlaneGoal(p[0]->m_vPos, p[1]->m_vPos, p[2]->m_vPos, target, goal);
  const bool finished = StepToward(mover.m_vPos, goal, m_fSpeed, false, mover.m_vPos);
  PlaneCoordinates(p[0]->m_vPos, p[1]->m_vPos, p[2]->m_vPos, mover.m_vPos, point->WeightA, point->WeightB);
  return finished;
}

bool CGButnMove::StepRoundBorder(CGVertex& mover, const float target[3]) {
  auto* point = dynamic_cast<CGVerFreeInBorder*>(&mover);
  const int m = point ? point->Pieces : 0;
  // Only a border of corner points is walked round; a chain of other pieces
  // (its first piece no point) is not.
  if (m < 1 || static_cast<int>(point->m_parents.size()) < m || !point->ParentAs<CGVertex>(0)) return true;
  double nearest = 1e300, along = 0;
  int edge = 0;
  for (int j = 0; j < m; ++j) {
    const CGVertex* a = point->ParentAs<CGVertex>(j);
    const CGVertex* b = point->ParentAs<CGVertex>((j + 1) % m);
    if (!a || !b) return true;
    double f;
    const double d = DistancePointSegment(a->m_vPos, b->m_vPos, target, f);
    if (d < nearest) nearest = d, along = f, edge = j;
  }
  const float there = static_cast<float>(edge + along);
  float& p = mover.m_fValue;
  const float delta = there - p;
  const float loop = static_cast<float>(m);
  if (m_fSpeed > std::fabs(delta) || std::fabs(delta) > m_fSpeed + loop) {
    p = there;
    return true;
  }
  if ((0 < 2 * delta && 2 * delta < loop) || 2 * delta < -loop) {
    p += m_fSpeed;
    // Round the wrap the parameter starts again at 0, so the point meets
    // its target on the far side instead of running past it.
    if (p >= loop) p -= loop;
  } else {
    p -= m_fSpeed;
    if (p < 0) p += loop;
  }
  return false;
}
