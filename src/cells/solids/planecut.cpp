#include "cells/solids/planecut.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_map>

#include "cells/primitives/vecops.h"
#include "cells/solids/hullinsertion.h"

using kvmath::WideVec;

namespace {

WideVec Normal(const PolyhedronFace& plane) { return {plane.a, plane.b, plane.c}; }

// Where the plane crosses the segment P1 P2: false (and P1) when the
// segment runs almost along the plane.
bool Crossing(const PolyhedronFace& plane, const WideVec& p1, const WideVec& p2, WideVec* x) {
  const WideVec along = p2 - p1;
  const double rise = kvmath::Dot(Normal(plane), along);
  if (!(std::fabs(rise) > kHullTolerance)) {
    *x = p1;
    return false;
  }
  *x = p1 - (plane.Offset(p1) / rise) * along;
  return true;
}

std::uint64_t Key(int u, int v) {
  return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(u)) << 32) | static_cast<std::uint32_t>(v);
}

void SetOffset(CGPolyhedron& piece, const PieceOffset& from, const WideVec& shift) {
  const double s[3] = {shift.x, shift.y, shift.z};
  for (int k = 0; k < 3; ++k) {
    piece.Offset.Base[k] = from.Base[k] + s[k];
    piece.Offset.Direction[k] = s[k];
  }
}

// One point of a piece's cut: its number in the positive and in the negative piece.
struct CutPoint {
  int pos, neg;
};

// The two pieces' cap links (from -> to, by vertex number) and their closing.
class Caps {
 public:
  Caps(size_t posPoints, size_t negPoints) : m_next{std::vector<int>(posPoints, -1), std::vector<int>(negPoints, -1)} {}
  // The segment C0 C1 of one face, directed in the positive cap when `forward`.
  void Link(const CutPoint& c0, const CutPoint& c1, bool forward) {
    const CutPoint& from = forward ? c0 : c1;
    const CutPoint& to = forward ? c1 : c0;
    m_next[0][static_cast<size_t>(from.pos)] = to.pos;
    m_next[1][static_cast<size_t>(to.neg)] = from.neg;
  }
  int LinkCount(int cap) const {
    return static_cast<int>(std::count_if(m_next[cap].begin(), m_next[cap].end(), [](int n) { return n >= 0; }));
  }
  // Follows the links from the smallest vertex number; the polygon becomes
  // a grey face of the piece with the given plane, its links edges.
  int Close(int cap, CGPolyhedron& piece, const PolyhedronFace& face, int missing, int shortCycle) const {
    const std::vector<int>& next = m_next[cap];
    const int links = LinkCount(cap);
    const int start = static_cast<int>(std::find_if(next.begin(), next.end(), [](int n) { return n >= 0; }) - next.begin());
    PolyhedronFace capFace = face;
    int at = start, steps = 0;
    do {
      capFace.Vertices.push_back(at);
      const int to = next[static_cast<size_t>(at)];
      if (to < 0) return missing;
      piece.Edges.emplace_back(at, to);
      at = to;
      if (++steps > links) return shortCycle;
    } while (at != start);
    if (steps < links) return shortCycle;
    for (double& c : capFace.Colour) c = 0.5;
    piece.Faces.push_back(std::move(capFace));
    return 0;
  }

 private:
  std::vector<int> m_next[2];
};

int EulerCharacteristic(const CGPolyhedron& p) {
  return static_cast<int>(p.Points.size()) - static_cast<int>(p.Edges.size()) + static_cast<int>(p.Faces.size());
}

}  // namespace

int CutPolyhedronByPlane(const PolyhedronFace& plane, const CGPolyhedron& source, CGPolyhedron& positive,
                         CGPolyhedron& negative, double distance) {
  positive.Clear();
  negative.Clear();
  const WideVec shift = distance * Normal(plane);
  const size_t n = source.Points.size();
  std::vector<int> side(n);
  int above = 0, below = 0;
  for (size_t i = 0; i < n; ++i) {
    side[i] = HullSign(plane.Offset(source.Points[i]));
    above += side[i] > 0;
    below += side[i] < 0;
  }
  if (above == 0) {
    negative = source;
    SetOffset(negative, source.Offset, {0, 0, 0});
    return 2;
  }
  if (below == 0) {
    positive = source;
    SetOffset(positive, source.Offset, shift);
    return 1;
  }
  // Vertices: an on-plane vertex goes to both pieces.
  std::vector<CutPoint> number(n, CutPoint{-1, -1});
  for (size_t i = 0; i < n; ++i) {
    if (side[i] >= 0) {
      number[i].pos = static_cast<int>(positive.Points.size());
      positive.Points.push_back(source.Points[i]);
    }
    if (side[i] <= 0) {
      number[i].neg = static_cast<int>(negative.Points.size());
      negative.Points.push_back(source.Points[i]);
    }
  }
  auto addCrossing = [&](int u, int v) {
    WideVec x;
    Crossing(plane, source.Points[static_cast<size_t>(u)], source.Points[static_cast<size_t>(v)], &x);
    const CutPoint c{static_cast<int>(positive.Points.size()), static_cast<int>(negative.Points.size())};
    positive.Points.push_back(x);
    negative.Points.push_back(x);
    return c;
  };
  // Edges: each whole edge to its piece, a crossed one halved at its crossing.
  std::unordered_map<std::uint64_t, CutPoint> crossings;
  for (const auto& [u, v] : source.Edges) {
    const int s1 = side[static_cast<size_t>(u)], s2 = side[static_cast<size_t>(v)];
    const CutPoint a = number[static_cast<size_t>(u)], b = number[static_cast<size_t>(v)];
    if ((s1 > 0 && s2 >= 0) || (s1 == 0 && s2 > 0)) {
      positive.Edges.emplace_back(a.pos, b.pos);
    } else if ((s1 < 0 && s2 <= 0) || (s1 == 0 && s2 < 0)) {
      negative.Edges.emplace_back(a.neg, b.neg);
    } else if (s1 * s2 < 0) {
      const CutPoint x = addCrossing(u, v);
      crossings[Key(u, v)] = crossings[Key(v, u)] = x;
      positive.Edges.emplace_back(s1 > 0 ? a.pos : b.pos, x.pos);
      negative.Edges.emplace_back(s1 < 0 ? a.neg : b.neg, x.neg);
    }
  }
  // A face edge missing from the edge list still gets a crossing of its own.
  auto crossingOf = [&](int u, int v) {
    const auto it = crossings.find(Key(u, v));
    return it != crossings.end() ? it->second : addCrossing(u, v);
  };
  // Faces: each split along its cut points.
  struct FaceCut {
    std::vector<CutPoint> cuts;
    int lastAbove = -1, lastBelow = -1;
  };
  std::vector<FaceCut> faceCuts(source.Faces.size());
  for (size_t fi = 0; fi < source.Faces.size(); ++fi) {
    const PolyhedronFace& f = source.Faces[fi];
    FaceCut& cut = faceCuts[fi];
    PolyhedronFace up = f, down = f;
    up.Vertices.clear();
    down.Vertices.clear();
    const size_t count = f.Vertices.size();
    for (size_t k = 0; k < count; ++k) {
      const int cur = f.Vertices[k], pred = f.Vertices[(k + count - 1) % count];
      const int sc = side[static_cast<size_t>(cur)], sp = side[static_cast<size_t>(pred)];
      if (sc * sp < 0) {
        const CutPoint x = crossingOf(pred, cur);
        up.Vertices.push_back(x.pos);
        down.Vertices.push_back(x.neg);
        cut.cuts.push_back(x);
      }
      if (sc >= 0) up.Vertices.push_back(number[static_cast<size_t>(cur)].pos);
      if (sc <= 0) down.Vertices.push_back(number[static_cast<size_t>(cur)].neg);
      if (sc == 0) cut.cuts.push_back(number[static_cast<size_t>(cur)]);
      if (sc > 0) cut.lastAbove = cur;
      if (sc < 0) cut.lastBelow = cur;
    }
    if (up.Vertices.size() >= 3) positive.Faces.push_back(std::move(up));
    if (down.Vertices.size() >= 3) negative.Faces.push_back(std::move(down));
  }
  // Cap segments: which way round a face's two cut points go follows from
  // a vertex of the face off the plane and the face's normal.
  Caps caps(positive.Points.size(), negative.Points.size());
  for (size_t fi = 0; fi < source.Faces.size(); ++fi) {
    const FaceCut& cut = faceCuts[fi];
    if (cut.cuts.size() > 2) return -4;
    if (cut.cuts.size() < 2) continue;
    const bool fromAbove = cut.lastAbove >= 0;
    if (!fromAbove && cut.lastBelow < 0) return -3;
    const WideVec& l = source.Points[static_cast<size_t>(fromAbove ? cut.lastAbove : cut.lastBelow)];
    const WideVec& c0 = positive.Points[static_cast<size_t>(cut.cuts[0].pos)];
    const WideVec& c1 = positive.Points[static_cast<size_t>(cut.cuts[1].pos)];
    const double w = kvmath::Dot(kvmath::Cross(c0 - l, c1 - l), Normal(source.Faces[fi]));
    if (w == 0) return fromAbove ? -1 : -2;
    caps.Link(cut.cuts[0], cut.cuts[1], (w > 0) != fromAbove);
  }
  if (caps.LinkCount(0) <= 2) return -5;
  if (const int e = caps.Close(0, positive, PolyhedronFace(-plane.a, -plane.b, -plane.c, -plane.d), -6, -7)) return e;
  if (const int e = caps.Close(1, negative, PolyhedronFace(plane.a, plane.b, plane.c, plane.d), -8, -9)) return e;
  SetOffset(positive, source.Offset, shift);
  SetOffset(negative, source.Offset, {0, 0, 0});
  return EulerCharacteristic(positive) == 2 && EulerCharacteristic(negative) == 2 ? 3 : 0;
}

bool SectionOfPolyhedron(const PolyhedronFace& plane, const CGPolyhedron& hull, std::vector<WideVec>& polygon) {
  // Kept between calls, so that recomputing a section on every drag move
  // allocates nothing.
  thread_local std::vector<signed char> side;
  thread_local std::vector<WideVec> found;
  side.resize(hull.Points.size());
  found.clear();
  bool above = false, below = false;
  for (size_t i = 0; i < hull.Points.size(); ++i) {
    const int s = HullSign(plane.Offset(hull.Points[i]));
    side[i] = static_cast<signed char>(s);
    above |= s > 0;
    below |= s < 0;
    if (s == 0) found.push_back(hull.Points[i]);
  }
  if (!above || !below) return false;
  for (const auto& [u, v] : hull.Edges) {
    if (side[static_cast<size_t>(u)] * side[static_cast<size_t>(v)] >= 0) continue;
    WideVec x;
    if (Crossing(plane, hull.Points[static_cast<size_t>(u)], hull.Points[static_cast<size_t>(v)], &x)) found.push_back(x);
  }
  return ConvexPolygonOfPlanarPoints(polygon, found) && polygon.size() == found.size();
}

bool ConvexPolygonOfPlanarPoints(std::vector<WideVec>& out, const std::vector<WideVec>& points) {
  const size_t n = points.size();
  if (n >= 4) {
    const WideVec m = kvmath::Cross(points[1] - points[0], points[2] - points[0]);
    const double m0 = kvmath::Dot(m, points[0]);
    for (size_t k = 3; k < n; ++k)
      if (!(std::fabs(kvmath::Dot(m, points[k]) - m0) <= kHullTolerance)) return false;
  }
  out.clear();
  if (n <= 3) {
    out.assign(points.begin(), points.end());
    return true;
  }
  // Projected onto the coordinate plane the polygon's plane faces most.
  const WideVec m = kvmath::Cross(points[1] - points[0], points[2] - points[0]);
  const double ax = std::fabs(m.x), ay = std::fabs(m.y), az = std::fabs(m.z);
  const int u = az >= ax && az >= ay ? 0 : ax >= ay ? 1 : 2;
  const int v = (u + 1) % 3;
  struct Projected {
    double u, v;
    int index;
  };
  thread_local std::vector<Projected> sorted;
  thread_local std::vector<int> chain;
  sorted.clear();
  for (size_t i = 0; i < n; ++i)
    sorted.push_back({kvmath::At(points[i], u), kvmath::At(points[i], v), static_cast<int>(i)});
  std::sort(sorted.begin(), sorted.end(), [](const Projected& p, const Projected& q) {
    return p.v != q.v ? p.v < q.v : p.u != q.u ? p.u < q.u : p.index < q.index;
  });
  // Monotone chain: left turns only, collinear points dropped.
  auto turn = [](const Projected& o, const Projected& a, const Projected& b) {
    return (a.u - o.u) * (b.v - o.v) - (a.v - o.v) * (b.u - o.u);
  };
  chain.assign(2 * n, 0);
  size_t k = 0;
  auto push = [&](size_t i, size_t floor) {
    while (k >= floor && turn(sorted[static_cast<size_t>(chain[k - 2])], sorted[static_cast<size_t>(chain[k - 1])], sorted[i]) <= 0) --k;
    chain[k++] = static_cast<int>(i);
  };
  for (size_t i = 0; i < n; ++i) push(i, 2);
  for (size_t i = n - 1, lower = k + 1; i-- > 0;) push(i, lower);
  for (size_t i = 0; i + 1 < k; ++i) out.push_back(points[static_cast<size_t>(sorted[static_cast<size_t>(chain[i])].index)]);
  return true;
}
