#include "cells/solids/hullinsertion.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdint>

// How the conflicts are kept.  A face lists the points it is in conflict
// with in ascending order, written once when it is made (merging the two
// lists it is made from, so each candidate is tested once).  Points are
// inserted in ascending order too, so the point being inserted is the
// first waiting entry of every list it is in: each live face waits in the
// bucket of its first waiting entry, and a point's bucket holds exactly the
// faces it is in conflict with.  Points that are no longer waiting stay in
// the lists as witnesses, measured by the final check.
namespace {

// Faces are never moved or reused: a face's index is its place in the
// insertion's list order (faces are appended, and removing one keeps the
// order of the rest).
struct Face {
  double a, b, c, d;
  int first, count;              // its vertices (and twins) in the vertex pool
  int pointsFirst, pointsCount;  // the points in conflict with it, in the point pool
};

// Ends every conflict list; above every point number.
constexpr int kEnd = INT_MAX;

enum PointState : std::uint8_t { kWaiting, kVertex, kWitness };

struct Link {
  int face, next;
};

std::uint64_t EdgeKey(int u, int v) {
  return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(u)) << 32) | static_cast<std::uint32_t>(v);
}

class Insertion {
 public:
  Insertion(const double* xyz, int count);
  void Run(const std::vector<int>& order, HullInsertionResult& out);

 private:
  // A new edge to or from the point being inserted, waiting for its twin.
  struct OpenEdge {
    int step = -1, face = -1, slot = -1;
  };
  struct StepRecord {
    int point, firstFace, exitFace;
  };

  const double* At(int p) const { return m_xyz + 3 * static_cast<std::ptrdiff_t>(p); }
  double Offset(const Face& f, int p) const {
    const double* q = At(p);
    return f.a * q[0] + f.b * q[1] + f.c * q[2] + f.d;
  }
  // w of edge u -> v for point p: how far p lies on the inner side of the edge.
  double EdgeTurn(const Face& f, int u, int v, int p) const;
  bool InsidePolygon(const Face& f, int p) const;
  int Vertex(const Face& f, int i) const { return m_verts[f.first + i % f.count]; }

  int MakeFace(int i, int j, int k);
  // A point into the conflict list of face h, whose list ends the pool.
  void AddConflict(int h, int q) {
    if (m_poolSize + 2 > static_cast<int>(m_facePoints.size())) m_facePoints.resize(2 * m_facePoints.size() + 2);
    m_facePoints[m_poolSize++] = q;
    ++m_faces[h].pointsCount;
  }
  // Ends face h's list, which ends the pool.
  void CloseList(int h) { AddConflict(h, kEnd), --m_faces[h].pointsCount; }
  // Puts face f into the bucket of its first waiting point after `after`.
  void Enqueue(int f, int after);
  // The points of faces f and g (-1: none) on or above the new face h.
  void TestCandidates(int h, int f, int g, int p);
  // Face f's list again at the end of the pool, less `drop`, plus `add`.
  void RewriteList(int f, int drop, int add);
  void KillFace(int f);
  void Step(int p);
  void AddHorizonFaces(int f, int p);
  void Widen(int f, int p);
  void OpenEdgeTo(int from, int face, int slot) {
    m_edgeIn[from] = {m_step, face, slot};
    m_openIn.push_back(from);
  }
  void OpenEdgeFrom(int to, int face, int slot) {
    m_edgeOut[to] = {m_step, face, slot};
    m_openOut.push_back(to);
  }
  // Whether the directed edge is among the marked ones: a plain scan while
  // they are few (most steps), else a search of them sorted.
  static constexpr size_t kShortMarkList = 48;
  bool IsMarked(std::uint64_t key) const {
    if (m_marked.size() > kShortMarkList) return std::binary_search(m_marked.begin(), m_marked.end(), key);
    bool found = false;
    for (std::uint64_t k : m_marked) found |= k == key;
    return found;
  }
  void CloseOpenEdges();
  void KeepRemovedVerticesAsWitnesses();
  void Output(HullInsertionResult& out) const;

  const double* m_xyz;
  int m_count;
  std::vector<PointState> m_state;
  std::vector<int> m_incident;  // per point: live faces it is a vertex of
  std::vector<int> m_bucket;    // per point: the faces waiting for it
  std::vector<Link> m_links;
  std::vector<Face> m_faces;
  std::vector<std::uint8_t> m_alive;
  std::vector<int> m_verts, m_twins;  // per face slot: vertex, face across the edge from it
  // The conflict lists, each ending in kEnd; only [0, m_poolSize) is in use.
  std::vector<int> m_facePoints;
  int m_poolSize = 0;
  std::vector<OpenEdge> m_edgeIn, m_edgeOut;  // per point: the new edge from it to / to it from P
  std::vector<StepRecord> m_steps;
  int m_step = 0;
  // Scratch of one step.
  std::vector<int> m_conflicts, m_visible, m_coplanar, m_openIn, m_openOut, m_dropped, m_changed;
  std::vector<std::uint64_t> m_marked;
  std::vector<int> m_newList, m_newOld, m_scratchList;
};

Insertion::Insertion(const double* xyz, int count)
    : m_xyz(xyz), m_count(count), m_state(static_cast<size_t>(count), kWitness),
      m_incident(static_cast<size_t>(count), 0), m_bucket(static_cast<size_t>(count), -1),
      m_edgeIn(static_cast<size_t>(count)), m_edgeOut(static_cast<size_t>(count)) {
  m_facePoints.resize(16 * static_cast<size_t>(count) + 16);
}

double Insertion::EdgeTurn(const Face& f, int u, int v, int p) const {
  const double *U = At(u), *V = At(v), *Q = At(p);
  const double ex = V[0] - U[0], ey = V[1] - U[1], ez = V[2] - U[2];
  const double qx = Q[0] - U[0], qy = Q[1] - U[1], qz = Q[2] - U[2];
  return f.a * (ey * qz - ez * qy) + f.b * (ez * qx - ex * qz) + f.c * (ex * qy - ey * qx);
}

bool Insertion::InsidePolygon(const Face& f, int p) const {
  bool positive = false, negative = false;
  for (int i = 0; i < f.count; ++i) {
    const int s = HullSign(EdgeTurn(f, Vertex(f, i), Vertex(f, i + 1), p));
    positive |= s > 0;
    negative |= s < 0;
  }
  return !positive || !negative;
}

int Insertion::MakeFace(int i, int j, int k) {
  const double *A = At(i), *B = At(j), *C = At(k);
  const double ux = B[0] - A[0], uy = B[1] - A[1], uz = B[2] - A[2];
  const double vx = C[0] - A[0], vy = C[1] - A[1], vz = C[2] - A[2];
  Face f;
  f.a = uy * vz - uz * vy;
  f.b = uz * vx - ux * vz;
  f.c = ux * vy - uy * vx;
  // Every non-zero normal is made unit: a short one would put later points
  // "in" the face, and they would be dropped.
  const double length = std::sqrt(f.a * f.a + f.b * f.b + f.c * f.c);
  if (length > 0) {
    f.a /= length;
    f.b /= length;
    f.c /= length;
  }
  f.d = -(f.a * A[0] + f.b * A[1] + f.c * A[2]);
  f.first = static_cast<int>(m_verts.size());
  f.count = 3;
  f.pointsFirst = m_poolSize;
  f.pointsCount = 0;
  for (int v : {i, j, k}) {
    m_verts.push_back(v);
    m_twins.push_back(-1);
    ++m_incident[v];
  }
  m_faces.push_back(f);
  m_alive.push_back(1);
  return static_cast<int>(m_faces.size()) - 1;
}

void Insertion::Enqueue(int f, int after) {
  const Face& face = m_faces[f];
  const int* list = m_facePoints.data() + face.pointsFirst;
  const int* end = list + face.pointsCount;
  for (const int* q = std::upper_bound(list, end, after); q != end; ++q)
    if (m_state[*q] == kWaiting) {
      m_links.push_back({f, m_bucket[*q]});
      m_bucket[*q] = static_cast<int>(m_links.size()) - 1;
      return;
    }
}

void Insertion::TestCandidates(int h, int f, int g, int p) {
  // Both lists ascend by point number and end in kEnd: merged, each point
  // is tested once and the new list ascends too.  No branch depends on the
  // points, which come in no predictable order.
  const int reach = m_faces[f].pointsCount + (g >= 0 ? m_faces[g].pointsCount : 0) + 1;
  if (m_poolSize + reach > static_cast<int>(m_facePoints.size()))
    m_facePoints.resize(std::max(2 * m_facePoints.size(), static_cast<size_t>(m_poolSize + reach)));
  const Face made = m_faces[h];
  const int* x = m_facePoints.data() + m_faces[f].pointsFirst;
  const int* y = g >= 0 ? m_facePoints.data() + m_faces[g].pointsFirst : &kEnd;
  int* const start = m_facePoints.data() + m_poolSize;
  int* out = start;
  for (int qx = *x, qy = *y;;) {
    const int q = std::min(qx, qy);
    if (q == kEnd) break;
    x += qx == q;
    y += qy == q;
    qx = *x;
    qy = *y;
    const double* c = At(q);
    *out = q;
    out += (made.a * c[0] + made.b * c[1] + made.c * c[2] + made.d >= -kHullTolerance) & (q != p);
  }
  *out = kEnd;
  m_faces[h].pointsFirst = m_poolSize;
  m_faces[h].pointsCount = static_cast<int>(out - start);
  m_poolSize += m_faces[h].pointsCount + 1;
}

void Insertion::RewriteList(int f, int drop, int add) {
  m_scratchList.assign(m_facePoints.begin() + m_faces[f].pointsFirst,
                       m_facePoints.begin() + m_faces[f].pointsFirst + m_faces[f].pointsCount);
  m_scratchList.erase(std::remove(m_scratchList.begin(), m_scratchList.end(), drop), m_scratchList.end());
  if (add >= 0 && !std::binary_search(m_scratchList.begin(), m_scratchList.end(), add))
    m_scratchList.insert(std::upper_bound(m_scratchList.begin(), m_scratchList.end(), add), add);
  m_faces[f].pointsFirst = m_poolSize;
  m_faces[f].pointsCount = 0;
  for (int q : m_scratchList) AddConflict(f, q);
  CloseList(f);
}

void Insertion::KillFace(int f) {
  m_alive[f] = 0;
  const Face& face = m_faces[f];
  for (int i = 0; i < face.count; ++i) {
    const int v = Vertex(face, i);
    --m_incident[v];
    m_dropped.push_back(v);
  }
}

void Insertion::Run(const std::vector<int>& order, HullInsertionResult& out) {
  out = HullInsertionResult();
  int a = order.front(), b = a;
  const int c = order.size() < 2 ? -1 : FindFirstTriangle(m_xyz, order, &a, &b);
  out.Line[0] = a;
  out.Line[1] = b;
  if (order.size() < 2) return;
  out.Shape = InsertedShape::kLine;
  if (c < 0) return;
  const int C = order[static_cast<size_t>(c)];
  MakeFace(a, b, C);
  MakeFace(a, C, b);
  std::fill(m_twins.begin(), m_twins.begin() + 3, 1);
  std::fill(m_twins.begin() + 3, m_twins.end(), 0);
  for (int v : {a, b, C}) m_state[v] = kVertex;
  for (size_t i = static_cast<size_t>(c) + 1; i < order.size(); ++i) m_state[order[i]] = kWaiting;
  // Points before C (other than A and B) lie on AB and, like the points
  // left out, are witnesses only.
  for (int f : {0, 1}) {
    m_faces[f].pointsFirst = m_poolSize;
    for (int p = 0; p < m_count; ++p)
      if (m_state[p] != kVertex && HullSign(Offset(m_faces[f], p)) >= 0) AddConflict(f, p);
    CloseList(f);
    Enqueue(f, -1);
  }
  for (size_t i = static_cast<size_t>(c) + 1; i < order.size(); ++i) Step(order[i]);
  out.Shape = InsertedShape::kSurface;
  Output(out);
}

void Insertion::Step(int p) {
  m_step = static_cast<int>(m_steps.size());
  m_steps.push_back({p, static_cast<int>(m_faces.size()), INT_MAX});
  // In list order, as a walk over all faces would meet them.
  m_conflicts.clear();
  for (int link = m_bucket[p]; link >= 0; link = m_links[link].next)
    if (m_alive[m_links[link].face]) m_conflicts.push_back(m_links[link].face);
  std::sort(m_conflicts.begin(), m_conflicts.end());
  m_visible.clear();
  m_coplanar.clear();
  for (int f : m_conflicts) {
    const Face& face = m_faces[f];
    if (HullSign(Offset(face, p)) > 0) {
      m_visible.push_back(f);
    } else if (InsidePolygon(face, p)) {
      m_steps.back().exitFace = f;  // on the surface: dropped
      m_state[p] = kWitness;
      for (int g : m_conflicts) Enqueue(g, p);
      return;
    } else {
      m_coplanar.push_back(f);
    }
  }
  if (m_conflicts.empty()) {
    m_state[p] = kWitness;  // inside
    return;
  }
  m_state[p] = kVertex;
  // The directed edges of every face that sees the point or holds it in its
  // plane: a visible face's edge whose reverse is not among them is on the
  // horizon.
  m_marked.clear();
  for (int f : m_conflicts) {
    const Face& face = m_faces[f];
    for (int i = 0; i < face.count; ++i) m_marked.push_back(EdgeKey(Vertex(face, i), Vertex(face, i + 1)));
  }
  if (m_marked.size() > kShortMarkList) std::sort(m_marked.begin(), m_marked.end());
  m_openIn.clear();
  m_openOut.clear();
  m_dropped.clear();
  m_changed.clear();
  for (int f : m_visible) AddHorizonFaces(f, p);
  for (int f : m_coplanar) Widen(f, p);
  CloseOpenEdges();
  KeepRemovedVerticesAsWitnesses();
  for (int f : m_changed) Enqueue(f, p);
}

void Insertion::AddHorizonFaces(int f, int p) {
  const int first = m_faces[f].first, count = m_faces[f].count;
  for (int i = 0; i < count; ++i) {
    const int u = m_verts[first + i], v = m_verts[first + (i + 1) % count];
    if (IsMarked(EdgeKey(v, u))) continue;
    const int across = m_twins[first + i];
    const int h = MakeFace(u, v, p);
    const int slot = m_faces[h].first;
    m_changed.push_back(h);
    m_twins[slot] = across;
    if (across >= 0) {
      const Face& g = m_faces[across];
      for (int j = 0; j < g.count; ++j)
        if (Vertex(g, j) == v && Vertex(g, j + 1) == u) m_twins[g.first + j] = h;
    }
    OpenEdgeTo(v, h, slot + 1);
    OpenEdgeFrom(u, h, slot + 2);
    // Whatever lies on or above the new face lies on or above the face it
    // replaces or the face across uv.
    TestCandidates(h, f, across, p);
  }
  KillFace(f);
}

void Insertion::Widen(int f, int p) {
  const Face face = m_faces[f];
  const int n = face.count;
  auto positive = [&](int i) { return HullSign(EdgeTurn(face, Vertex(face, i), Vertex(face, i + 1), p)) > 0; };
  m_newList.clear();
  m_newOld.clear();
  auto append = [&](int oldIndex) {
    m_newList.push_back(oldIndex < 0 ? p : Vertex(face, oldIndex));
    m_newOld.push_back(oldIndex);
  };
  // From the first edge the point lies inside of, keep the vertices along
  // the edges it lies inside of, then the point, then the rest of those
  // edges' starts: the vertices it sees past are left out.
  int k = 0;
  while (k < n && !positive(k)) ++k;
  const int K = Vertex(face, k);
  append(k % n);
  int i = k % n;
  for (int guard = 0; guard < n && positive(i) && Vertex(face, i + 1) != K; ++guard) {
    i = (i + 1) % n;
    append(i);
  }
  append(-1);
  for (int j = (i + 1) % n, guard = 0; guard < n && Vertex(face, j) != K; j = (j + 1) % n, ++guard)
    if (positive(j)) append(j);
  // The new list goes to the end of the pool, with the twins of the edges
  // it keeps; the edges to and from the point wait for theirs.
  const int newFirst = static_cast<int>(m_verts.size()), m = static_cast<int>(m_newList.size());
  for (int j = 0; j < m; ++j) {
    const int from = m_newOld[j], to = m_newOld[(j + 1) % m];
    m_verts.push_back(m_newList[j]);
    m_twins.push_back(from >= 0 && to == (from + 1) % n ? m_twins[face.first + from] : -1);
    if (to < 0) OpenEdgeTo(m_newList[j], f, newFirst + j);
    if (from < 0) OpenEdgeFrom(m_newList[(j + 1) % m], f, newFirst + j);
    ++m_incident[m_newList[j]];
  }
  for (int j = 0; j < n; ++j) {
    --m_incident[Vertex(face, j)];
    m_dropped.push_back(Vertex(face, j));
  }
  m_faces[f].first = newFirst;
  m_faces[f].count = m;
  RewriteList(f, p, -1);  // a vertex now, no longer a conflict
  m_changed.push_back(f);
}

void Insertion::CloseOpenEdges() {
  // The edge x -> P pairs with P -> x, and P -> y with y -> P.
  for (int x : m_openIn) {
    const OpenEdge& partner = m_edgeOut[x];
    m_twins[m_edgeIn[x].slot] = partner.step == m_step ? partner.face : -1;
  }
  for (int y : m_openOut) {
    const OpenEdge& partner = m_edgeIn[y];
    m_twins[m_edgeOut[y].slot] = partner.step == m_step ? partner.face : -1;
  }
}

void Insertion::KeepRemovedVerticesAsWitnesses() {
  // A vertex no live face holds any more lies inside; while it is on or
  // above a face changed in this step, it stays in that face's conflicts,
  // so that the final check can measure it.
  for (int v : m_dropped) {
    if (m_incident[v] != 0 || m_state[v] != kVertex) continue;
    m_state[v] = kWitness;
    for (int f : m_changed)
      if (m_alive[f] && HullSign(Offset(m_faces[f], v)) >= 0) RewriteList(f, -1, v);
  }
}

void Insertion::Output(HullInsertionResult& out) const {
  std::vector<int> live;
  for (int f = 0; f < static_cast<int>(m_faces.size()); ++f)
    if (m_alive[f]) live.push_back(f);
  out.Faces.reserve(live.size());
  for (int f : live) {
    const Face& face = m_faces[f];
    out.Faces.push_back({static_cast<int>(out.Vertices.size()), face.count, face.a, face.b, face.c, face.d, 0});
    out.Vertices.insert(out.Vertices.end(), m_verts.begin() + face.first, m_verts.begin() + face.first + face.count);
  }
  // A face's side is that of the last point whose walk over the list
  // reached it: a point dropped on the surface stopped its walk at the face
  // that held it.  Going back over the steps, the faces still open form one
  // run of the list.
  size_t lo = 0, hi = live.size();
  for (auto step = m_steps.rbegin(); step != m_steps.rend() && lo < hi; ++step) {
    while (hi > lo && live[hi - 1] >= step->firstFace) --hi;
    for (; lo < hi && live[lo] <= step->exitFace; ++lo)
      out.Faces[lo].Side = HullSign(Offset(m_faces[live[lo]], step->point));
  }
  double excess = 0;
  for (int f : live) {
    const Face& face = m_faces[f];
    for (int i = 0; i < face.pointsCount; ++i) {
      const int q = m_facePoints[face.pointsFirst + i];
      if (m_state[q] == kWitness) excess = std::max(excess, Offset(face, q));
    }
  }
  out.WitnessExcess = excess;
}

// The three distance tests of the first-triangle search, in their order.
enum class OnLine { kBInside, kAInside, kCInside, kOff };

OnLine Classify(const double* A, const double* B, const double* C) {
  auto dist = [](const double* p, const double* q) {
    const double dx = p[0] - q[0], dy = p[1] - q[1], dz = p[2] - q[2];
    return std::sqrt(dx * dx + dy * dy + dz * dz);
  };
  const double ab = dist(A, B), bc = dist(B, C), ac = dist(A, C);
  if (HullSign(ab + bc - ac) == 0) return OnLine::kBInside;
  if (HullSign(ac + ab - bc) == 0) return OnLine::kAInside;
  if (HullSign(ac + bc - ab) == 0) return OnLine::kCInside;
  return OnLine::kOff;
}

}  // namespace

int FindFirstTriangle(const double* xyz, const std::vector<int>& order, int* a, int* b) {
  *a = order[0];
  *b = order.size() > 1 ? order[1] : order[0];
  for (size_t i = 2; i < order.size(); ++i) {
    const int c = order[i];
    switch (Classify(xyz + 3 * *a, xyz + 3 * *b, xyz + 3 * c)) {
      case OnLine::kBInside: *b = c; break;
      case OnLine::kAInside: *a = c; break;
      case OnLine::kCInside: break;
      case OnLine::kOff: return static_cast<int>(i);
    }
  }
  return -1;
}

void InsertHullPoints(const double* xyz, int count, const std::vector<int>& order, HullInsertionResult& out) {
  Insertion(xyz, count).Run(order, out);
}
