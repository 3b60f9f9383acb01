#include "commands/solids/staticdiagrams.h"

#include <cmath>
#include <vector>

#include "cells/primitives/cgface.h"
#include "cells/primitives/cgline.h"
#include "cells/solids/cgpolyhedron.h"
#include "cells/solids/cgsection.h"
#include "commands/commandframe.h"
#include "model/autocolor.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/globals.h"
#include "platform/notifier.h"

namespace {

constexpr BYTE kFilledFace = 1;

bool Finite(const kvmath::WideVec& p) { return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z); }

// Fixed points at `corners` with the automatic names; their ids in order.
std::vector<WORD> FixedPoints(CConstruction& build, const std::vector<kvmath::WideVec>& corners) {
  std::vector<WORD> ids;
  ids.reserve(corners.size());
  for (const kvmath::WideVec& p : corners) {
    const CNewPoint n = build.NextPoint();
    build.Add(new CGVertex(n.id, n.slot, n.name, static_cast<float>(p.x), static_cast<float>(p.y),
                           static_cast<float>(p.z)));
    ids.push_back(n.id);
  }
  return ids;
}

void Segment(CConstruction& build, WORD a, WORD b) { build.Add(new CGLine(build.NextId(), a, b, BYTE{kLineSegment})); }

CGFace* Face(CConstruction& build, const std::vector<WORD>& corners) {
  const COLORREF colour = NextAutoColor();
  return build.Add(new CGFace(build.NextId(), corners, colour));
}

// Every vertex number of the hull's edges and faces names one of its points.
bool HullConsistent(const CGPolyhedron& hull) {
  const auto n = static_cast<std::int32_t>(hull.Points.size());
  const auto in = [n](std::int32_t k) { return k >= 0 && k < n; };
  for (const auto& [i, j] : hull.Edges)
    if (!in(i) || !in(j)) return false;
  for (const PolyhedronFace& face : hull.Faces) {
    if (face.Vertices.size() < 3 || face.Vertices.size() > CGFace::kMaxCorners) return false;
    for (std::int32_t k : face.Vertices)
      if (!in(k)) return false;
  }
  for (const kvmath::WideVec& p : hull.Points)
    if (!Finite(p)) return false;
  return true;
}

void CopyHull(CKavrelDoc& doc, const CGPolyhedron& hull) {
  const int n = static_cast<int>(hull.Points.size());
  if (n < 4 || n > kMaxStaticCopyVertices || !HullConsistent(hull)) return;
  CConstruction build(doc);
  if (!build.MakeRoom(n + static_cast<int>(hull.Edges.size() + hull.Faces.size()), n)) return;
  const std::vector<WORD> ids = FixedPoints(build, hull.Points);
  for (const auto& [i, j] : hull.Edges) Segment(build, ids[i], ids[j]);
  std::vector<WORD> corners;
  for (const PolyhedronFace& face : hull.Faces) {
    corners.clear();
    for (std::int32_t k : face.Vertices) corners.push_back(ids[k]);
    Face(build, corners);
  }
  build.Commit(QString::fromUtf8(kCmdNameStaticHull), true);
}

void CopySection(CKavrelDoc& doc, const CGSection& section) {
  const std::vector<kvmath::WideVec>& polygon = section.Polygon;
  const int n = static_cast<int>(polygon.size());
  // A face keeps at most 255 corners: a polygon of 256 could not be whole.
  if (n < 3 || n > kMaxStaticCopyVertices || n > CGFace::kMaxCorners) return;
  for (const kvmath::WideVec& p : polygon)
    if (!Finite(p)) return;
  CConstruction build(doc);
  if (!build.MakeRoom(2 * n + 1, n)) return;
  const std::vector<WORD> ids = FixedPoints(build, polygon);
  for (int i = 1; i < n; ++i) Segment(build, ids[i - 1], ids[i]);
  Segment(build, ids[n - 1], ids[0]);
  Face(build, ids)->m_nStyle = kFilledFace;
  build.Commit(QString::fromUtf8(kCmdNameStaticPolygon), true);
}

void BuildShape(CKavrelDoc& doc, const CStaticShapeValues& values) {
  // Values come from the dialog or a recorded answer: what the dialog
  // would refuse makes nothing.
  if (!StaticValuesAcceptable(values)) return;
  const CStaticShapeSize size = StaticShapeSize(values);
  CConstruction build(doc);
  if (!build.MakeRoom(size.cells, size.points)) return;
  const int made = BuildStaticShape(values);
  if (made <= 0) return;
  build.Adopt(made);
  build.Commit(QString::fromUtf8(kCmdNameStaticShape), true);
}

}  // namespace

void CreateStaticKavrel(CKavrelDoc& doc, const std::function<bool(CStaticShapeValues&)>& ask) {
  if (!g_pCurPage) return;
  if (CountSelection().O == 1) {
    CGCell* cell = g_pCurPage->m_cells.Lookup(g_pCurPage->m_selOthers.front());
    if (const auto* hull = dynamic_cast<const CGPolyhedron*>(cell)) {
      CopyHull(doc, *hull);
    } else if (const auto* section = dynamic_cast<const CGSection*>(cell)) {
      CopySection(doc, *section);
    } else {
      KvMessageBox(QString::fromUtf8(kTextSelectHullOrSection), QString(), MB_OK);
    }
    return;
  }
  CStaticShapeValues values;
  if (ask(values)) BuildShape(doc, values);
}
