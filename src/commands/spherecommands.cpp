// Horizontal and centre-radius circles, the two spheres and the axis frame.
// Each takes what it needs from the selection and builds the rest at the
// origin: a new centre "O" with its north pole one unit up, a radius
// parameter "r", the frame's origin "O".
#include "commands/spherecommands.h"

#include "cells/constrained/linepoints.h"
#include "cells/constrained/turningpoints.h"
#include "cells/constructed/horizontalcircles.h"
#include "cells/dynamic/parameters/userparameter.h"
#include "cells/primitives/arcsbypoints.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgline.h"
#include "cells/primitives/cgverfree.h"
#include "cells/primitives/cgverfreeincircle.h"
#include "cells/primitives/perpendicularfeet.h"
#include "cells/revolution/solidsbypoints.h"
#include "commands/circlecommands.h"
#include "commands/commandframe.h"
#include "commands/commandtexts.h"
#include "model/autocolor.h"
#include "model/cgpage.h"
#include "model/document/commandtable.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"

namespace {
// Where the sphere's free points first sit on its equator and meridian.
constexpr float kEquatorPointAngle = 2.8f;
constexpr float kMeridianPointAngle = 0.8f;
// The new radius parameter.
constexpr float kRadiusValue = 8.0f, kRadiusMinimum = 0, kRadiusMaximum = 10.0f;
constexpr BYTE kSliderShown = 1;
// Frame axes show their names only.
constexpr BYTE kAxisPointStyle = 2;

WORD AddPointAlong(CConstruction& build, WORD from, float dx, float dy, float dz, const QString& fixedName = {}) {
  const CNewPoint n = build.NextPoint(fixedName);
  return build.Add(new CGVerFreeParVector(n.id, n.slot, n.name, dx, dy, dz, from))->m_nId;
}

WORD AddOrigin(CConstruction& build, const QString& fixedName = {}) {
  const CNewPoint n = build.NextPoint(fixedName);
  return build.Add(new CGVerFreeXyz(n.id, n.slot, n.name, 0, 0, 0))->m_nId;
}

// Centre O and north pole N: the first two selected points, or new ones
// at the origin and one unit above it.
void CentreAndPole(CConstruction& build, WORD& o, WORD& n) {
  const std::vector<WORD> p = SelectedPoints();
  if (p.size() >= 2) {
    o = p[0];
    n = p[1];
    return;
  }
  o = AddOrigin(build, QStringLiteral("O"));
  n = AddPointAlong(build, o, 0, 0, 1);
}

// The sphere on O and N with its equator through a point E level with O.
WORD AddSphereAndEquator(CConstruction& build, WORD o, WORD n) {
  build.Add(new CGSphereCN(build.NextId(), o, n));
  const CNewPoint e = build.NextPoint();
  build.Add(new CGVerFreeUprightEquid(e.id, e.slot, e.name, o, n));
  return build.Add(new CGArcPointN(build.NextId(), o, e.id, n, kArcCircle, 0))->m_nId;
}

WORD AddPointOnCircle(CConstruction& build, WORD circle, float angle) {
  const CNewPoint q = build.NextPoint();
  return build.Add(new CGVerFreeInCircle(q.id, q.slot, q.name, circle, angle))->m_nId;
}

void OnCreateCircleCR(CKavrelDoc& doc) {
  if (!g_pCurPage) return;
  const std::vector<WORD> points = SelectedPoints();
  const std::vector<WORD> values = g_pCurPage->m_selValues;
  CConstruction build(doc);
  if (!build.MakeRoom(1 + (points.empty() ? 1 : 0) + (values.size() == 1 ? 0 : 1), 1,
                      CConstruction::kGrowBy100))
    return;
  const WORD centre = points.empty() ? AddOrigin(build) : points[0];
  WORD radius = 0;
  if (values.size() == 1) {
    radius = values[0];
  } else {
    auto* r = build.Add(new CGTmVarParameter(build.NextId(), QStringLiteral("r"), kRadiusValue));
    r->SetRange(kRadiusMinimum, kRadiusMaximum);
    r->m_nSubKind = kSliderShown;
    r->UpdateValueText();
    radius = r->m_nId;
  }
  build.Add(new CGArcCenterR(build.NextId(), centre, radius, kArcCircle))->m_nStyle = kArcOnTop;
  build.Commit(QString::fromUtf8(kCmdNameCentreRadiusCircle));
}

void OnCreateGeo(CKavrelDoc& doc) {
  const size_t points = SelectedPoints().size();
  if (points != 0 && points != 2) return;
  CConstruction build(doc);
  if (!build.MakeRoom(points == 0 ? 5 : 3, 3, CConstruction::kGrowBy100)) return;
  WORD o = 0, n = 0;
  CentreAndPole(build, o, n);
  AddSphereAndEquator(build, o, n);
  build.Commit(QString::fromUtf8(kCmdNameSphereGeo));
}

void OnUpdateCreateGeo(CKavrelDoc&, CCmdUI& ui) {
  const CSelectionCounts n = CountSelection();
  ui.Enable(n.P == 0 || (n.P == 2 && n.T == 2));
}

void OnCreateBase(CKavrelDoc& doc) {
  const std::vector<WORD> points = SelectedPoints();
  if (!g_pCurPage) return;
  CConstruction build(doc);
  if (!build.MakeRoom(points.size() == 1 ? 6 : 7, 4, CConstruction::kGrowBy100)) return;
  WORD origin = 0;
  if (points.size() == 1) {
    origin = points[0];
  } else {
    const CNewPoint o = build.NextPoint(QStringLiteral("O"));
    origin = build.Add(new CGVertex(o.id, o.slot, o.name, 0, 0, 0))->m_nId;
  }
  struct Axis {
    const char* name;
    float direction[3];
    BYTE rgb[3];
  } const axes[] = {{"x", {1, 0, 0}, {255, 0, 0}}, {"y", {0, 1, 0}, {0, 255, 0}}, {"z", {0, 0, 1}, {0, 0, 255}}};
  WORD ends[3];
  for (int k = 0; k < 3; ++k) {
    const float* d = axes[k].direction;
    ends[k] = AddPointAlong(build, origin, d[0], d[1], d[2], QString::fromLatin1(axes[k].name));
    g_pCurPage->m_cells.Lookup(ends[k])->m_nStyle = kAxisPointStyle;
  }
  for (int k = 0; k < 3; ++k) {
    auto* axis = build.Add(new CGLine(build.NextId(), origin, ends[k], kLineSegment));
    axis->m_nSubKind = kLineVector;
    axis->m_rgbaColor.r = axes[k].rgb[0];
    axis->m_rgbaColor.g = axes[k].rgb[1];
    axis->m_rgbaColor.b = axes[k].rgb[2];
  }
  build.Commit(QString::fromUtf8(kCmdNameAxisFrame));
}

const CDocCommandRows rows({
    {ID_CREATE_CIRCLE_PNZ2, OnCreateCirclePnz2},
    {kCmdCreateCircleCR, OnCreateCircleCR},
    {kCmdCreateSphere, OnCreateSphere, OnUpdateCreatePlaneRect},
    {ID_CREATE_GEO, OnCreateGeo, OnUpdateCreateGeo},
    {ID_CREATE_BASE, OnCreateBase},
});
}  // namespace

void CreateHorizontalCircle(CKavrelDoc& doc) {
  const std::vector<WORD> points = SelectedPoints();
  if (!g_pCurPage || points.size() > 2) return;
  CConstruction build(doc);
  if (!build.MakeRoom(3 - static_cast<int>(points.size()), 3, CConstruction::kGrowBy100)) return;
  const WORD centre = points.empty() ? AddOrigin(build) : points[0];
  const WORD onCircle = points.size() == 2 ? points[1] : AddPointAlong(build, centre, 1, 0, 0);
  build.Add(new CGArcPoint2(build.NextId(), centre, onCircle, kArcCircle))->m_nStyle = kArcOnTop;
  build.Commit(QString::fromUtf8(kCmdNameHorizontalCircle));
}

void OnCreateCirclePnz2(CKavrelDoc& doc) {
  if (SelectedPoints().size() == 3)
    OnCreateCirclePointN(doc);
  else
    CreateHorizontalCircle(doc);
}

void OnCreateSphere(CKavrelDoc& doc) {
  const size_t points = SelectedPoints().size();
  if (!g_pCurPage || points == 1) return;
  CConstruction build(doc);
  if (!build.MakeRoom(points == 0 ? 14 : 12, 6, CConstruction::kGrowBy100)) return;
  WORD o = 0, n = 0;
  CentreAndPole(build, o, n);
  const WORD equator = AddSphereAndEquator(build, o, n);
  const WORD q = AddPointOnCircle(build, equator, kEquatorPointAngle);
  auto* meridian = build.Add(new CGArcCenterP(build.NextId(), o, n, q, kArcCircle));
  meridian->AutoRange = 0;  // its angular range no longer follows N and Q
  const WORD m = AddPointOnCircle(build, meridian->m_nId, kMeridianPointAngle);
  const CNewPoint f = build.NextPoint(QStringLiteral("O'"));
  build.Add(new CGVerFootpl(f.id, f.slot, f.name, m, o, n));
  build.Add(new CGArcPointN(build.NextId(), f.id, m, n, kArcCircle, 0));
  for (auto [a, b] : {std::pair{o, f.id}, std::pair{o, m}, std::pair{f.id, m}})
    build.Add(new CGLine(build.NextId(), a, b, kLineSegment));
  build.Add(new CGFace(build.NextId(), o, f.id, m, NextAutoColor()));
  build.Commit(QString::fromUtf8(kCmdNameFullSphere));
}
