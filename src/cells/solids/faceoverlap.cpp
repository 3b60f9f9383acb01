#include "cells/solids/faceoverlap.h"

#include <algorithm>
#include <cmath>

#include "cells/primitives/cgface.h"
#include "cells/primitives/formattext.h"
#include "cells/solids/solidtexts.h"
#include "platform/archive.h"

IMPLEMENT_SERIAL(CGVerOverlayFaceFirst, CGVertex)
IMPLEMENT_SERIAL(CGVerFIF, CGVertex)

namespace {

using Point2 = std::array<double, 2>;

double Cross(const Point2& a, const Point2& b) { return a[0] * b[1] - a[1] * b[0]; }
Point2 Minus(const Point2& a, const Point2& b) { return {a[0] - b[0], a[1] - b[1]}; }

// Inside by the even-odd rule; a point on an edge counts as inside.
bool Inside(const Point2& p, const OverlapPolygon& poly) {
  bool inside = false;
  for (size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
    const Point2 &a = poly[j], &b = poly[i];
    if (std::fabs(Cross(Minus(b, a), Minus(p, a))) < 1e-6 && (p[0] - a[0]) * (p[0] - b[0]) < 1e-6 &&
        (p[1] - a[1]) * (p[1] - b[1]) < 1e-6)
      return true;
    if (((p[1] > a[1]) && (b[1] >= p[1])) || ((p[1] > b[1]) && (a[1] >= p[1]))) {
      if (p[0] > a[0] + (p[1] - a[1]) * (b[0] - a[0]) / (b[1] - a[1])) inside = !inside;
    }
  }
  return inside;
}

bool BoxesOverlap(double a1, double a2, double b1, double b2) {
  return std::min(a1, a2) < std::max(b1, b2) && std::min(b1, b2) < std::max(a1, a2);
}

// Where p1p2 and q1q2 cross properly; touching or collinear segments do not.
bool Crossing(const Point2& p1, const Point2& p2, const Point2& q1, const Point2& q2, Point2& at) {
  if (!BoxesOverlap(p1[0], p2[0], q1[0], q2[0]) || !BoxesOverlap(p1[1], p2[1], q1[1], q2[1])) return false;
  const Point2 p = Minus(p2, p1), q = Minus(q2, q1);
  const double d1 = Cross(Minus(q1, p1), p), d2 = Cross(p, Minus(q2, p1));
  const double d3 = Cross(Minus(p1, q1), q), d4 = Cross(q, Minus(p2, q1));
  if (!(d1 * d2 > 1e-6) || !(d3 * d4 > 1e-6)) return false;
  const double t = d1 / (d1 + d2);  // q1 + t q, the signed distances' share
  at = {q1[0] + t * q[0], q1[1] + t * q[1]};
  return true;
}

}  // namespace

std::vector<OverlapCorner> OverlapOf(const OverlapPolygon& p, const OverlapPolygon& q) {
  std::vector<OverlapCorner> r;
  if (p.empty() || q.empty()) return r;
  for (const Point2& c : p)
    if (Inside(c, q)) r.push_back({c[0], c[1], 0});
  for (const Point2& c : q)
    if (Inside(c, p)) r.push_back({c[0], c[1], 0});
  for (size_t i = 0; i < p.size(); ++i) {
    for (size_t j = 0; j < q.size(); ++j) {
      Point2 at;
      if (Crossing(p[i], p[(i + 1) % p.size()], q[j], q[(j + 1) % q.size()], at)) r.push_back({at[0], at[1], 0});
    }
  }
  if (r.empty()) return r;
  double cx = 0, cy = 0;
  for (const OverlapCorner& c : r) {
    cx += c[0];
    cy += c[1];
  }
  cx /= static_cast<double>(r.size());
  cy /= static_cast<double>(r.size());
  // atan2 is the quadrant-corrected atan of the slope, and stays a number
  // for a corner on the centre (faces touching in one point), where the
  // slope is 0 / 0.
  for (OverlapCorner& c : r) c[2] = std::atan2(c[1] - cy, c[0] - cx);
  std::stable_sort(r.begin(), r.end(), [](const OverlapCorner& a, const OverlapCorner& b) { return a[2] < b[2]; });
  std::vector<OverlapCorner> kept{r[0]};
  for (size_t i = 1; i < r.size(); ++i)
    if (r[i][2] > r[i - 1][2] + 0.0001) kept.push_back(r[i]);
  return kept;
}

CGVerOverlayFaceFirst::CGVerOverlayFaceFirst(WORD id, int slot, const QString& name, WORD faceA, WORD faceB)
    : CGConstructedPoint(id, slot, name, {faceA, faceB}) {
  Recalculate();
}

void CGVerOverlayFaceFirst::Recalculate() {
  OverlapPolygon projected[2];
  float z = 0;
  for (size_t f = 0; f < 2; ++f) {
    const CGFace* face = DefinedParentAs<CGFace>(f);
    if (!face) return Undefine();
    for (int i = 0; i < face->CornerCount; ++i) {
      const float* v = face->CornerPos(i);
      if (!v) return Undefine();
      if (f == 0 && i == 0) z = v[2];
      projected[f].push_back({v[0], v[1]});
    }
  }
  Polygon = OverlapOf(projected[0], projected[1]);
  if (Polygon.empty()) return Undefine();
  Z = z;
  const float p[3] = {static_cast<float>(Polygon[0][0]), static_cast<float>(Polygon[0][1]), Z};
  PlaceIfFinite(p);
}

QString CGVerOverlayFaceFirst::GetDescription() {
  return FillFormat(kTextOverlayFirstDescription, "%s", {ParentName(0), ParentName(1)});
}

CGVerFIF::CGVerFIF(WORD id, int slot, const QString& name, WORD first, int n)
    : CGConstructedPoint(id, slot, name, {first}), N(n) {
  Recalculate();
}

void CGVerFIF::Serialize(CArchive& ar) {
  CGConstructedPoint::Serialize(ar);
  if (ar.IsStoring())
    ar << N;
  else
    ar >> N;
}

void CGVerFIF::Recalculate() {
  const auto* first = DefinedParentAs<CGVerOverlayFaceFirst>(0);
  if (!first || first->Polygon.empty()) return Undefine();
  float p[3] = {0, 0, 0};
  if (N < 0) {
    m_bHidden = 1;
  } else {
    const auto last = first->Polygon.size() - 1;
    const auto k = std::min(static_cast<size_t>(N), last);
    m_bHidden = static_cast<size_t>(N) > last ? 1 : first->m_bHidden;
    p[0] = static_cast<float>(first->Polygon[k][0]);
    p[1] = static_cast<float>(first->Polygon[k][1]);
    p[2] = first->Z;
  }
  PlaceIfFinite(p);
}

QString CGVerFIF::GetDescription() { return QString::fromUtf8(kTextOverlayCornerDescription); }
