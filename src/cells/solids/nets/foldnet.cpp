// Laying out a hull's net: the faces flat in their own planes, the
// neighbours across every edge, and the tree of hinges from the base face.
#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_map>

#include "cells/solids/cgpolyhedron.h"
#include "cells/solids/nets/cgfold.h"
#include "cells/solids/nets/nettexts.h"
#include "platform/notifier.h"
#include "render/glcontext.h"

namespace {

constexpr double kDegrees = 57.29577951308232;
constexpr double kTiny = 0.0001;
constexpr int kFirstTexture = 8;
constexpr int kLastTexture = 14;

using kvmath::WideVec;

// Rounding can push a cosine just past 1 in magnitude, where acos and the
// sine's square root give NaN.
double Clamped(double cosine) { return std::clamp(cosine, -1.0, 1.0); }

double Length(const WideVec& v) { return std::sqrt(kvmath::Norm2(v)); }
WideVec Minus(const WideVec& a, const WideVec& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
WideVec UnitIfLong(const WideVec& v) {
  const double l = Length(v);
  return l > kTiny ? WideVec{v.x / l, v.y / l, v.z / l} : v;
}

int g_nNextNetTexture = kFirstTexture;

// The mean of the face's vertices (not finite where their sum leaves the
// double range).
void WriteCentroid(const std::vector<WideVec>& points, PolyhedronFace& f) {
  WideVec sum{0, 0, 0};
  for (std::int32_t v : f.Vertices) {
    const WideVec& p = points[static_cast<size_t>(v)];
    sum = {sum.x + p.x, sum.y + p.y, sum.z + p.z};
  }
  const double n = f.Vertices.empty() ? 1.0 : static_cast<double>(f.Vertices.size());
  f.Centroid[0] = sum.x / n;
  f.Centroid[1] = sum.y / n;
  f.Centroid[2] = sum.z / n;
}

bool FiniteCentroid(const PolyhedronFace& f) {
  return std::isfinite(f.Centroid[0]) && std::isfinite(f.Centroid[1]) && std::isfinite(f.Centroid[2]);
}

// Steps 1 and 2: the centroids, the depths from the base face's plane, and
// the faces sorted by depth, the base face first.  A damaged face plane can
// put another face at or above the base (a depth of 0 or less); keeping the
// base first makes the next build pick the same base among faces of equal
// lowest centroid, so building again keeps the order and a saved hull
// saves the same.  False, the hull untouched, where a centroid or a depth
// is not finite (a hull near the double limit), which its record refuses.
bool SortByDepth(CGPolyhedron& hull) {
  std::vector<PolyhedronFace> faces = hull.Faces;
  for (PolyhedronFace& f : faces) WriteCentroid(hull.Points, f);
  if (!std::all_of(faces.begin(), faces.end(), FiniteCentroid)) return false;
  const auto base = std::min_element(faces.begin(), faces.end(), [](const PolyhedronFace& a, const PolyhedronFace& b) {
    return a.Centroid[2] < b.Centroid[2];
  });
  const PolyhedronFace plane = *base;
  for (PolyhedronFace& f : faces) {
    f.Depth = -(plane.a * f.Centroid[0] + plane.b * f.Centroid[1] + plane.c * f.Centroid[2] + plane.d);
    if (!std::isfinite(f.Depth)) return false;
  }
  std::rotate(faces.begin(), base, base + 1);
  std::stable_sort(faces.begin() + 1, faces.end(),
                   [](const PolyhedronFace& a, const PolyhedronFace& b) { return a.Depth < b.Depth; });
  hull.Faces = std::move(faces);
  return true;
}

// Step 4's flat layout: corner 0 at the origin, corner 1 on the negative
// x axis, the others by the law of cosines.
void LayFlat(const CGPolyhedron& hull, const PolyhedronFace& f, FoldFace& net) {
  const size_t n = f.Vertices.size();
  net.Corners.assign(n, WideVec{0, 0, 0});
  if (n < 2) return;
  const WideVec& a = hull.Points[static_cast<size_t>(f.Vertices[0])];
  const WideVec& b = hull.Points[static_cast<size_t>(f.Vertices[1])];
  const double ab = Length(Minus(b, a));
  net.Corners[1] = {-ab, 0, 0};
  for (size_t i = 2; i < n; ++i) {
    const WideVec& c = hull.Points[static_cast<size_t>(f.Vertices[i])];
    const double ac = Length(Minus(c, a));
    const double bc = Length(Minus(c, b));
    const double denominator = 2 * ac * ab;
    const double cosq = denominator != 0 ? Clamped((ac * ac + ab * ab - bc * bc) / denominator) : 1.0;
    const double sinq = std::sqrt(1 - cosq * cosq);
    net.Corners[i] = {-ac * cosq, ac * sinq, 0};
  }
}

// A box of zero width or height gives 0 across it.
void TextureCoordinates(FoldFace& net) {
  double lo[2] = {0, 0}, hi[2] = {0, 0};
  if (!net.Corners.empty()) {
    lo[0] = hi[0] = net.Corners[0].x;
    lo[1] = hi[1] = net.Corners[0].y;
  }
  for (const WideVec& c : net.Corners) {
    lo[0] = std::min(lo[0], c.x), hi[0] = std::max(hi[0], c.x);
    lo[1] = std::min(lo[1], c.y), hi[1] = std::max(hi[1], c.y);
  }
  const double w = hi[0] - lo[0], h = hi[1] - lo[1];
  net.TexCoords.clear();
  for (const WideVec& c : net.Corners)
    net.TexCoords.push_back({w > 0 ? (c.x - lo[0]) / w : 0.0, h > 0 ? (c.y - lo[1]) / h : 0.0, 0});
}

std::uint64_t EdgeKey(std::int32_t u, std::int32_t v) {
  return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(u)) << 32) | static_cast<std::uint32_t>(v);
}

double Norm3(const double n[3]) { return std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]); }

// Step 5: the neighbour across each edge (none where the hull is open) and
// the angle between the two faces' normals.
void LinkNeighbours(const CGPolyhedron& hull, std::vector<FoldFace>& net,
                    const std::unordered_map<std::uint64_t, int>& byEdge) {
  for (size_t i = 0; i < net.size(); ++i) {
    const std::vector<std::int32_t>& vs = hull.Faces[i].Vertices;
    FoldFace& f = net[i];
    f.Neighbours.assign(vs.size(), -1);
    f.FoldAngles.assign(vs.size(), 0.0);
    for (size_t k = 0; k < vs.size(); ++k) {
      const auto across = byEdge.find(EdgeKey(vs[(k + 1) % vs.size()], vs[k]));
      if (across == byEdge.end()) continue;
      const FoldFace& nb = net[static_cast<size_t>(across->second)];
      f.Neighbours[k] = across->second;
      const double lengths = Norm3(f.Normal) * Norm3(nb.Normal);
      const double dot = f.Normal[0] * nb.Normal[0] + f.Normal[1] * nb.Normal[1] + f.Normal[2] * nb.Normal[2];
      f.FoldAngles[k] = std::acos(lengths > 0 ? Clamped(dot / lengths) : 1.0);
    }
  }
}

// Step 6: the root tilts the flat net onto the base face's plane.
void PlaceRoot(const CGPolyhedron& hull, FoldFace& root, double netOffset[3]) {
  const PolyhedronFace& base = hull.Faces[0];
  const WideVec& p0 = hull.Points[static_cast<size_t>(base.Vertices[0])];
  const WideVec& p1 = hull.Points[static_cast<size_t>(base.Vertices[1])];
  netOffset[0] = p0.x, netOffset[1] = p0.y, netOffset[2] = p0.z;
  const WideVec e = UnitIfLong(Minus(p0, p1));
  const WideVec m = UnitIfLong({-base.a, -base.b, -base.c});
  WideVec w{1, 0, 0};
  root.HingeDirection = 0;
  root.FoldAngle = 0;
  if (std::fabs(m.x) > kTiny || std::fabs(m.y) > kTiny) {
    w = UnitIfLong({-m.y, m.x, 0});
    root.HingeDirection = NetDirection(-m.y, m.x);
    root.FoldAngle = std::acos(Clamped(m.z)) * kDegrees;
  }
  root.OwnDirection = std::acos(Clamped(kvmath::Dot(w, e))) * kDegrees;
  if (kvmath::Dot(kvmath::Cross(w, e), m) < 0) root.OwnDirection = 360 - root.OwnDirection;
  root.InTree = 1;
  root.Level = 0;
}

int IndexOf(const std::vector<int>& list, int value) {
  const auto it = std::find(list.begin(), list.end(), value);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

// Step 7's attachment of face `i` to `parent` across their shared edge.
void Attach(std::vector<FoldFace>& net, int i, int parent) {
  FoldFace& f = net[static_cast<size_t>(i)];
  FoldFace& p = net[static_cast<size_t>(parent)];
  p.Children.push_back(i);
  f.Parent = parent;
  f.Level = p.Level + 1;
  f.ParentEdge = IndexOf(f.Neighbours, parent);
  f.EdgeInParent = IndexOf(p.Neighbours, i);
  const size_t pn = p.Corners.size();
  const WideVec& h0 = p.Corners[static_cast<size_t>(f.EdgeInParent)];
  const WideVec& h1 = p.Corners[(static_cast<size_t>(f.EdgeInParent) + 1) % pn];
  f.HingePoint[0] = h1.x, f.HingePoint[1] = h1.y, f.HingePoint[2] = h1.z;
  f.HingeDirection = NetDirection(h1.x - h0.x, h1.y - h0.y);
  f.FoldAngle = f.FoldAngles[static_cast<size_t>(f.ParentEdge)] * kDegrees;
  const size_t n = f.Corners.size();
  const WideVec& q = f.Corners[static_cast<size_t>(f.ParentEdge)];
  const WideVec& r = f.Corners[(static_cast<size_t>(f.ParentEdge) + 1) % n];
  const WideVec& o = f.Corners[0];
  const double qo = Length(Minus(q, o)), qr = Length(Minus(q, r)), ro = Length(Minus(r, o));
  const double denominator = 2 * qo * qr;
  f.Offset[0] = f.Offset[1] = f.Offset[2] = 0;
  if (std::fabs(denominator) > kTiny) {
    const double cosp = Clamped((qo * qo + qr * qr - ro * ro) / denominator);
    f.Offset[0] = -qo * cosp;
    f.Offset[1] = qo * std::sqrt(1 - cosp * cosp);
  }
  f.OwnDirection = NetDirection(q.x - r.x, r.y - q.y);
  f.InTree = 1;
}

// Step 7: passes until one attaches nothing, so faces an open hull never
// joins to the base stay out of the tree instead of looping for ever.
int AttachAll(std::vector<FoldFace>& net) {
  int deepest = 0;
  for (bool attached = true; attached;) {
    attached = false;
    for (size_t i = 0; i < net.size(); ++i) {
      FoldFace& f = net[i];
      if (f.InTree || f.Corners.size() < 3) continue;
      int best = -1;
      for (int nb : f.Neighbours) {
        // A malformed hull may name a neighbour that does not name this
        // face back: no hinge there.
        if (nb < 0 || !net[static_cast<size_t>(nb)].InTree) continue;
        if (IndexOf(net[static_cast<size_t>(nb)].Neighbours, static_cast<int>(i)) < 0) continue;
        if (best < 0 || net[static_cast<size_t>(nb)].Depth < net[static_cast<size_t>(best)].Depth) best = nb;
      }
      if (best < 0) continue;
      Attach(net, static_cast<int>(i), best);
      deepest = std::max(deepest, f.Level);
      attached = true;
    }
  }
  return deepest;
}

bool Finite(const double* v, size_t n) {
  return std::all_of(v, v + n, [](double x) { return std::isfinite(x); });
}

void WarnWhenTooDeep(int deepest) {
  if (!GlContextCurrent()) return;
  GLint stack = 0;
  glGetIntegerv(GL_MAX_MODELVIEW_STACK_DEPTH, &stack);
  if (deepest >= stack - 2) KvMessageBox(QString::fromUtf8(kTextMatrixStackFull));
}

}  // namespace

int NextNetTexture() {
  const int number = g_nNextNetTexture;
  g_nNextNetTexture = number >= kLastTexture ? kFirstTexture : number + 1;
  return number;
}

// A hull whose edges are too long to square (coordinates from about 1e154
// on) lays out none.
bool FiniteNetLayout(const std::vector<FoldFace>& net) {
  return std::all_of(net.begin(), net.end(), [](const FoldFace& f) {
    const double angles[] = {f.HingeDirection, f.FoldAngle, f.OwnDirection};
    return Finite(f.HingePoint, 3) && Finite(f.Offset, 3) && Finite(angles, 3) &&
           std::all_of(f.Corners.begin(), f.Corners.end(),
                       [](const WideVec& c) { return std::isfinite(c.x) && std::isfinite(c.y) && std::isfinite(c.z); });
  });
}

double NetDirection(double x, double y) {
  const double length = std::sqrt(x * x + y * y);
  const double g = length > 0 ? std::acos(Clamped(x / length)) : 0.0;
  if (y < -kTiny) return (6.283185307179586 - g) * kDegrees;
  if (std::fabs(y) <= kTiny) return g > 1.57 ? 180.0 : 0.0;
  return g * kDegrees;
}

void CGFold::BuildNet(CGPolyhedron& hull) {
  NetFaces.clear();
  HasRoot = false;
  DeepestLevel = 0;
  if (hull.Faces.empty()) return;
  m_bDefined = SortByDepth(hull);
  if (!m_bDefined) return;
  size_t edges = 0;
  for (const PolyhedronFace& f : hull.Faces) edges += f.Vertices.size();
  std::unordered_map<std::uint64_t, int> byEdge;
  byEdge.reserve(edges);
  NetFaces.resize(hull.Faces.size());
  for (size_t j = 0; j < hull.Faces.size(); ++j) {
    const PolyhedronFace& f = hull.Faces[j];
    FoldFace& net = NetFaces[j];
    LayFlat(hull, f, net);
    const size_t n = f.Vertices.size();
    for (size_t k = 0; k < n; ++k) byEdge.emplace(EdgeKey(f.Vertices[k], f.Vertices[(k + 1) % n]), static_cast<int>(j));
    net.Normal[0] = f.a, net.Normal[1] = f.b, net.Normal[2] = f.c;
    net.Depth = f.Depth;
    TextureCoordinates(net);
    net.TextureNumber = NextNetTexture();
  }
  LinkNeighbours(hull, NetFaces, byEdge);
  if (NetFaces[0].Corners.size() < 3) return;  // no base to hang the net on
  PlaceRoot(hull, NetFaces[0], NetOffset);
  HasRoot = true;
  DeepestLevel = AttachAll(NetFaces);
  if (!FiniteNetLayout(NetFaces)) {
    NetFaces.clear();
    HasRoot = false;
    DeepestLevel = 0;
    m_bDefined = false;
    return;
  }
  PrepareChains();
  WarnWhenTooDeep(DeepestLevel);
}
