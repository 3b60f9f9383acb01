#include "commands/solids/revolutionsolids.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "cells/constrained/linepoints.h"
#include "cells/constrained/turningpoints.h"
#include "cells/constructed/translations.h"
#include "cells/primitives/arcsbypoints.h"
#include "cells/primitives/cgarc.h"
#include "cells/primitives/cgverfree.h"
#include "cells/revolution/solidsbypoints.h"
#include "commands/commandframe.h"
#include "commands/solids/solidcommandtexts.h"
#include "commands/solids/solidconstruction.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/document/commandtable.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/notifier.h"

namespace {

constexpr float kDefaultBottom[3] = {0, 0, -4};
constexpr float kTopRadius = 4;
// Two edge vectors count as perpendicular up to this dot product, not
// scaled by their lengths: long edges make the test stricter in angle.
constexpr float kRightAngleTolerance = 0.01f;
constexpr int kMostCells = 7;
constexpr int kReverse = 1;

// The key points: the centres, a point on the bottom circle and, for the
// frustum, one on the top circle.
struct CKeyPoints {
  WORD bottom = 0, top = 0, rim = 0, topRim = 0;
};

const float* Place(WORD point) { return static_cast<const CGVertex*>(g_pCurPage->m_cells.Lookup(point))->m_vPos; }

// |(p - q) . (r - s)| within the tolerance, on the points' places.
bool Perpendicular(WORD p, WORD q, WORD r, WORD s) {
  const float *a = Place(p), *b = Place(q), *c = Place(r), *d = Place(s);
  float dot = 0;
  for (int i = 0; i < 3; ++i) dot += (a[i] - b[i]) * (c[i] - d[i]);
  return std::fabs(dot) <= kRightAngleTolerance;
}

enum class CRound { kCylinder, kCone, kFrustum };

// Each solid once: the points it may make (the room it checks), the
// numbers of selected points it takes (the last also when more are
// selected and it is called directly) and its step's name.
struct CRoundSolid {
  CRound kind;
  int newPoints;
  int counts[3];
  const char* label;
  int Most() const { return counts[2]; }
  bool Takes(int points) const { return points == counts[0] || points == counts[1] || points == counts[2]; }
};
constexpr CRoundSolid kCylinder{CRound::kCylinder, 4, {0, 2, 3}, kCmdNameRoundCylinder};
constexpr CRoundSolid kCone{CRound::kCone, 3, {0, 2, 3}, kCmdNameRoundCone};
constexpr CRoundSolid kFrustum{CRound::kFrustum, 4, {0, 2, 4}, kCmdNameRoundFrustum};

// The selected points the solid uses, S1 on, when their number fits and
// each still names a point of the page; else false.
bool UsedPoints(const CRoundSolid& solid, std::vector<WORD>& s) {
  s = SelectedPoints();
  s.resize(std::min<size_t>(s.size(), solid.Most()));
  if (!solid.Takes(static_cast<int>(s.size()))) return false;
  return std::all_of(s.begin(), s.end(), [](WORD id) { return PointOnPage(id) != 0; });
}

// The selected points' right angles: S1S2 across S2S3 and, for the
// frustum, S1S2 across S1S4.  A failure is said in a plain box.
bool RightAngles(bool frustum, const std::vector<WORD>& s) {
  if (s.size() < 3) return true;
  const char* failure = nullptr;
  if (!frustum) {
    if (!Perpendicular(s[1], s[2], s[1], s[0])) failure = kTextNotRightAngle;
  } else if (!Perpendicular(s[1], s[2], s[0], s[1])) {
    failure = kTextFirstThreeNotRightAngle;
  } else if (!Perpendicular(s[0], s[3], s[0], s[1])) {
    failure = kTextTopRadiusNotRightAngle;
  }
  if (failure) KvMessageBox(QString::fromUtf8(failure));
  return !failure;
}

// The key points taken from `s` and made where it gives none: the bottom
// centre at (0, 0, -4) with the top centre 8 above it, the bottom circle's
// point 8 out, the frustum's top circle point parallel to it at 4.
CKeyPoints MakeKeyPoints(CSolidConstruction& build, bool frustum, const std::vector<WORD>& s) {
  CKeyPoints k;
  if (s.empty()) {
    k.bottom = build.Point<CGVerFreeXyz>(Auto(), kDefaultBottom[0], kDefaultBottom[1], kDefaultBottom[2]);
    k.top = build.Point<CGVerFreeParVector>(Auto(), 0.0f, 0.0f, 1.0f, k.bottom);
  } else {
    k.top = s[0];
    k.bottom = s[1];
  }
  k.rim = s.size() >= 3 ? s[2] : build.Point<CGVerFreeUpright>(Auto(), k.bottom, k.top);
  if (frustum && s.size() >= 4) {
    k.topRim = s[3];
  } else if (frustum) {
    k.topRim = build.Point<CGVerFreeParVecPP>(Auto(), k.top, k.bottom, k.rim);
    build.SetDistance(k.topRim, kTopRadius);
  }
  return k;
}

WORD Circle(CSolidConstruction& build, WORD centre, WORD through, WORD axisPoint) {
  return build.Cell<CGArcPointN>(centre, through, axisPoint, BYTE{kArcCircle}, kReverse);
}

// The vertex array is checked before the selection is read.
void BuildRound(CKavrelDoc& doc, const CRoundSolid& solid) {
  if (!g_pCurPage) return;
  const bool frustum = solid.kind == CRound::kFrustum;
  CSolidConstruction build(doc);
  if (!build.MakeRoom(kMostCells, solid.newPoints)) return;
  std::vector<WORD> s;
  if (!UsedPoints(solid, s) || !RightAngles(frustum, s)) return;
  const CKeyPoints k = MakeKeyPoints(build, frustum, s);
  switch (solid.kind) {
    case CRound::kCylinder: {
      build.Cell<CGCylinderCPC>(k.bottom, k.rim, k.top);
      const WORD topRim = build.Point<CGVerTranslate>(Auto(), k.rim, k.bottom, k.top);
      Circle(build, k.bottom, k.rim, k.top);
      Circle(build, k.top, topRim, k.bottom);
      break;
    }
    case CRound::kCone:
      build.Cell<CGConeCPV>(k.bottom, k.rim, k.top);
      Circle(build, k.bottom, k.rim, k.top);
      break;
    case CRound::kFrustum:
      build.Cell<CGFrustumCP2>(k.bottom, k.rim, k.top, k.topRim);
      Circle(build, k.bottom, k.rim, k.top);
      Circle(build, k.top, k.topRim, k.bottom);
      break;
  }
  build.Commit(solid.label);
}

bool CylinderFits() { return kCylinder.Takes(CountSelection().P); }
bool PlatformFits() { return kFrustum.Takes(CountSelection().P); }

}  // namespace

void OnCreateCylinder(CKavrelDoc& doc) { BuildRound(doc, kCylinder); }
void OnCreateCone(CKavrelDoc& doc) { BuildRound(doc, kCone); }
void OnCreatePlatform(CKavrelDoc& doc) { BuildRound(doc, kFrustum); }
void OnUpdateCreateCylinder(CKavrelDoc& doc, CCmdUI& ui) { EnableWhen<CylinderFits>(doc, ui); }
void OnUpdateCreatePlatform(CKavrelDoc& doc, CCmdUI& ui) { EnableWhen<PlatformFits>(doc, ui); }

namespace {
const CDocCommandRows rows({
    {ID_CREATE_CYLINDER, OnCreateCylinder, OnUpdateCreateCylinder},
    {ID_CREATE_CONE, OnCreateCone, OnUpdateCreateCylinder},
    {ID_CREATE_PLATFORM, OnCreatePlatform, OnUpdateCreatePlatform},
});
}  // namespace
