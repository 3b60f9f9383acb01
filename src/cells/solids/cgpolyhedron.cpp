#include "cells/solids/cgpolyhedron.h"

#include <cmath>
#include <string>

#include "cells/solids/solidtexts.h"
#include "platform/archive.h"

IMPLEMENT_SERIAL(CGPolyhedron, CGCell)

PolyhedronFace::PolyhedronFace(const std::vector<kvmath::WideVec>& points, int i, int j, int k)
    : Vertices{i, j, k} {
  const kvmath::WideVec& p = points[static_cast<size_t>(i)];
  const kvmath::WideVec& q = points[static_cast<size_t>(j)];
  const kvmath::WideVec& r = points[static_cast<size_t>(k)];
  const kvmath::WideVec n = kvmath::Cross({q.x - p.x, q.y - p.y, q.z - p.z}, {r.x - p.x, r.y - p.y, r.z - p.z});
  // Every non-zero normal is made unit: a short one left as it is would
  // make later points count as lying in the face.
  const double length = std::sqrt(kvmath::Norm2(n));
  const double scale = length > 0 ? length : 1;
  a = n.x / scale;
  b = n.y / scale;
  c = n.z / scale;
  d = -(a * p.x + b * p.y + c * p.z);
}

CGPolyhedron::CGPolyhedron() {
  m_nStyle = kHullSolidLines;
  m_rgbaColor = RGBA{128, 128, 196, 255};
}

CGPolyhedron::CGPolyhedron(const CGPolyhedron& other) : CGPolyhedron() { *this = other; }

CGPolyhedron& CGPolyhedron::operator=(const CGPolyhedron& other) {
  if (this == &other) return *this;
  Points = other.Points;
  Edges = other.Edges;
  Faces = other.Faces;
  Offset = other.Offset;
  m_nStyle = other.m_nStyle;
  m_rgbaColor = other.m_rgbaColor;
  return *this;
}

void CGPolyhedron::Clear() {
  Points.clear();
  Edges.clear();
  Faces.clear();
}

QString CGPolyhedron::GetDescription() { return QString::fromUtf8(kTextHullDescription); }

namespace {

[[noreturn]] void Damaged(WORD id, const std::string& what) {
  throw CArchiveException(ArchiveError::BadData, "hull " + std::to_string(id) + ": " + what);
}

// A stored count: not negative, and no more elements than the bytes left
// hold at `elementBytes` each.
std::int32_t ReadCount(CArchive& ar, qsizetype elementBytes, WORD id) {
  const std::int32_t n = ar.ReadInt();
  if (n < 0 || n > ar.Remaining() / elementBytes) Damaged(id, "count " + std::to_string(n) + " beyond the record");
  return n;
}

double ReadFinite(CArchive& ar, WORD id) {
  const double v = ar.ReadDouble();
  if (!std::isfinite(v)) Damaged(id, "a number that is not finite");
  return v;
}

void ReadFinite(CArchive& ar, WORD id, double* out, int n) {
  for (int i = 0; i < n; ++i) out[i] = ReadFinite(ar, id);
}

std::int32_t ReadVertex(CArchive& ar, size_t points, WORD id) {
  const std::int32_t v = ar.ReadInt();
  if (v < 0 || static_cast<size_t>(v) >= points) Damaged(id, "vertex " + std::to_string(v) + " outside the points");
  return v;
}

// The smallest stored face: vertex count, plane, side, centroid, depth, colour.
constexpr qsizetype kFaceBytes = 4 + 4 * 8 + 4 + 3 * 8 + 8 + 3 * 8;

}  // namespace

void CGPolyhedron::Serialize(CArchive& ar) {
  CGCell::Serialize(ar);
  if (ar.IsStoring()) {
    ar << static_cast<std::int32_t>(Points.size());
    for (const auto& p : Points) ar << p.x << p.y << p.z;
    ar << static_cast<std::int32_t>(Edges.size());
    for (const auto& [first, second] : Edges) ar << first << second;
    ar << static_cast<std::int32_t>(Faces.size());
    for (const PolyhedronFace& f : Faces) {
      ar << static_cast<std::int32_t>(f.Vertices.size());
      for (std::int32_t v : f.Vertices) ar << v;
      ar << f.a << f.b << f.c << f.d << f.Side;
      ar << f.Centroid[0] << f.Centroid[1] << f.Centroid[2] << f.Depth;
      ar << f.Colour[0] << f.Colour[1] << f.Colour[2];
    }
    return;
  }
  Clear();
  Points.resize(static_cast<size_t>(ReadCount(ar, 24, m_nId)));
  for (auto& p : Points) {
    double xyz[3];
    ReadFinite(ar, m_nId, xyz, 3);
    p = {xyz[0], xyz[1], xyz[2]};
  }
  Edges.resize(static_cast<size_t>(ReadCount(ar, 8, m_nId)));
  for (auto& [first, second] : Edges) {
    first = ReadVertex(ar, Points.size(), m_nId);
    second = ReadVertex(ar, Points.size(), m_nId);
  }
  Faces.resize(static_cast<size_t>(ReadCount(ar, kFaceBytes, m_nId)));
  for (PolyhedronFace& f : Faces) {
    f.Vertices.resize(static_cast<size_t>(ReadCount(ar, 4, m_nId)));
    for (std::int32_t& v : f.Vertices) v = ReadVertex(ar, Points.size(), m_nId);
    double plane[4];
    ReadFinite(ar, m_nId, plane, 4);
    f.a = plane[0];
    f.b = plane[1];
    f.c = plane[2];
    f.d = plane[3];
    f.Side = ar.ReadInt();
    ReadFinite(ar, m_nId, f.Centroid, 3);
    f.Depth = ReadFinite(ar, m_nId);
    ReadFinite(ar, m_nId, f.Colour, 3);
  }
}
