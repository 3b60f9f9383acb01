#include "cells/solids/convexhull.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <unordered_set>

#include "cells/solids/cgpolyhedron.h"
#include "platform/crtrandom.h"

namespace {

std::uint64_t Key(int u, int v) {
  return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(u)) << 32) | static_cast<std::uint32_t>(v);
}

double Offset(const InsertedFace& f, const double* p) { return f.a * p[0] + f.b * p[1] + f.c * p[2] + f.d; }

const double* At(const double* points, int i) { return points + 3 * static_cast<ptrdiff_t>(i); }

// The points, in input order, that are no closer than `apart` to a point
// kept before them.
std::vector<int> KeptApart(const double* points, int count, double apart) {
  std::vector<int> kept;
  for (int i = 0; i < count; ++i) {
    const double* p = At(points, i);
    const bool near = std::any_of(kept.begin(), kept.end(), [&](int j) {
      const double* q = At(points, j);
      const double dx = p[0] - q[0], dy = p[1] - q[1], dz = p[2] - q[2];
      return dx * dx + dy * dy + dz * dz < apart * apart;
    });
    if (!near) kept.push_back(i);
  }
  return kept;
}

int DistinctVertices(const HullInsertionResult& r) {
  std::vector<int> v = r.Vertices;
  std::sort(v.begin(), v.end());
  return static_cast<int>(std::unique(v.begin(), v.end()) - v.begin());
}

kvmath::WideVec Point(const double* points, int i) {
  const double* p = At(points, i);
  return {p[0], p[1], p[2]};
}

// Numbers the vertices as the faces meet them, colours the faces in list
// order, and lists every edge once as the faces meet it.
void Fill(const double* points, int count, const HullInsertionResult& r, CGPolyhedron& hull) {
  hull.Clear();
  if (r.Shape != InsertedShape::kSurface) {
    hull.Points.push_back(Point(points, r.Line[0]));
    if (r.Shape == InsertedShape::kLine) {
      hull.Points.push_back(Point(points, r.Line[1]));
      hull.Edges.emplace_back(0, 1);
    }
    return;
  }
  std::vector<std::int32_t> number(static_cast<size_t>(count), -1);
  for (int v : r.Vertices) {
    std::int32_t& n = number[static_cast<size_t>(v)];
    if (n >= 0) continue;
    n = static_cast<std::int32_t>(hull.Points.size());
    hull.Points.push_back(Point(points, v));
  }
  std::unordered_set<std::uint64_t> taken;
  for (const InsertedFace& in : r.Faces) {
    PolyhedronFace& f = hull.Faces.emplace_back(in.a, in.b, in.c, in.d);
    f.Side = in.Side;
    for (double& c : f.Colour) c = static_cast<double>(KvRand()) / 32767.0 * 0.5 + 0.5;
    for (int i = 0; i < in.Count; ++i) f.Vertices.push_back(number[static_cast<size_t>(r.Vertices[static_cast<size_t>(in.First + i)])]);
    for (size_t i = 0; i < f.Vertices.size(); ++i) {
      const std::int32_t u = f.Vertices[i], v = f.Vertices[(i + 1) % f.Vertices.size()];
      if (taken.count(Key(v, u)) || !taken.insert(Key(u, v)).second) continue;
      hull.Edges.emplace_back(u, v);
    }
  }
}

}  // namespace

bool IsClosedConvexSurface(const double* points, const HullInsertionResult& r, double tolerance) {
  if (r.Shape != InsertedShape::kSurface || r.Faces.empty() || !(r.WitnessExcess <= tolerance)) return false;
  struct Directed {
    std::uint64_t key;
    int face, pos;
  };
  std::vector<Directed> edges;
  edges.reserve(r.Vertices.size());
  for (int fi = 0; fi < static_cast<int>(r.Faces.size()); ++fi) {
    const InsertedFace& f = r.Faces[static_cast<size_t>(fi)];
    const double length = std::sqrt(f.a * f.a + f.b * f.b + f.c * f.c);
    if (f.Count < 3 || !(std::fabs(length - 1) < 1e-6)) return false;
    for (int i = 0; i < f.Count; ++i) {
      const int u = r.Vertices[static_cast<size_t>(f.First + i)], v = r.Vertices[static_cast<size_t>(f.First + (i + 1) % f.Count)];
      if (u == v || !(std::fabs(Offset(f, At(points, u))) <= tolerance)) return false;
      edges.push_back({Key(u, v), fi, i});
    }
  }
  std::sort(edges.begin(), edges.end(), [](const Directed& x, const Directed& y) { return x.key < y.key; });
  for (size_t i = 1; i < edges.size(); ++i)
    if (edges[i].key == edges[i - 1].key) return false;
  for (const Directed& e : edges) {
    const std::uint64_t reverse = (e.key << 32) | (e.key >> 32);
    const auto it = std::lower_bound(edges.begin(), edges.end(), reverse,
                                     [](const Directed& x, std::uint64_t k) { return x.key < k; });
    if (it == edges.end() || it->key != reverse || it->face == e.face) return false;
    // Convex at the edge: the next corner of the face across lies behind this face.
    const InsertedFace& g = r.Faces[static_cast<size_t>(it->face)];
    const int beyond = r.Vertices[static_cast<size_t>(g.First + (it->pos + 2) % g.Count)];
    if (!(Offset(r.Faces[static_cast<size_t>(e.face)], At(points, beyond)) <= tolerance)) return false;
  }
  const int v = DistinctVertices(r), e = static_cast<int>(edges.size() / 2), f = static_cast<int>(r.Faces.size());
  return v - e + f == 2;
}

bool BuildConvexHull(const double* points, int count, CGPolyhedron& hull) {
  return BuildConvexHullWith(points, count, hull, InsertHullPoints);
}

bool BuildConvexHullWith(const double* points, int count, CGPolyhedron& hull, HullInsertion insert) {
  if (count > kMaxHullPoints) return false;
  hull.Clear();
  if (count < 1) return false;
  const double base = kRetrySkip * BoxDiagonal(points, count);
  std::vector<int> order(static_cast<size_t>(count));
  std::iota(order.begin(), order.end(), 0);
  HullInsertionResult r;
  // Well-conditioned points build at the first attempt, with every point.
  for (double skip : {0.0, base, 4 * base, 16 * base}) {
    if (skip > 0) order = KeptApart(points, count, skip);
    insert(points, count, order, r);
    const bool solid = r.Shape == InsertedShape::kSurface && DistinctVertices(r) > 3;
    if (!solid || IsClosedConvexSurface(points, r, std::max(base, skip))) {
      Fill(points, count, r, hull);
      return solid;
    }
  }
  return false;
}
