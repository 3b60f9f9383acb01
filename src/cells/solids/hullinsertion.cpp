#include "cells/solids/hullinsertion.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "cells/solids/hullinsertionengine.h"
#include "math/orient3d.h"

namespace hullengine {

Insertion::Insertion(const double* xyz, int count, Pass pass, const double* shown)
    : m_xyz(xyz), m_shown(shown), m_count(count), m_tolerance(HullTolerance(xyz, count)), m_exact(pass == Pass::kExact),
      m_toTheEnd(pass == Pass::kFlat), m_state(static_cast<size_t>(count), kWitness),
      m_incident(static_cast<size_t>(count), 0), m_bucket(static_cast<size_t>(count), -1),
      m_edgeIn(static_cast<size_t>(count)), m_edgeOut(static_cast<size_t>(count)) {
  m_facePoints.resize(4 * static_cast<size_t>(count) + 16);
  // Room for the faces made over the whole run (about 6 per point in
  // random order), so that the pools are not copied as they grow.
  const size_t faces = 8 * static_cast<size_t>(count) + 16;
  m_faces.reserve(faces);
  m_alive.reserve(faces);
  m_faceMark.reserve(faces);
  m_links.reserve(faces);
  m_verts.reserve(3 * faces);
  m_twins.reserve(3 * faces);
  // No coordinate difference exceeds the box diagonal D; the normal's
  // components then err by at most 8 u D^2 and the product with q - A by
  // at most 46 u D^3 (u = 2^-53).
  const double diagonal = BoxDiagonal(xyz, count);
  m_sideBound = 64 * 1.1102230246251565e-16 * diagonal * diagonal * diagonal;
  m_touchMark.assign(static_cast<size_t>(count), 0);
  if (!m_exact)  // the marks of the check of a described step
    for (auto* marks : {&m_nextMark, &m_next, &m_inMark, &m_outMark, &m_seenMark}) marks->assign(static_cast<size_t>(count), 0);
}

int Insertion::TurnSign(const Face& f, int i, int p) const {
  const double n[3] = {f.a, f.b, f.c};
  return HullTurnSign(n, At(Vertex(f, i)), At(Vertex(f, i + 1)), At(p), m_tolerance);
}

bool Insertion::InsidePolygon(const Face& f, int p) const {
  bool positive = false, negative = false;
  for (int i = 0; i < f.count; ++i) {
    const int s = TurnSign(f, i, p);
    positive |= s > 0;
    negative |= s < 0;
  }
  return !positive || !negative;
}

void Insertion::SetPlane(Face& f) const {
  const double *A = At(f.corner[0]), *B = At(f.corner[1]), *C = At(f.corner[2]);
  const double ux = B[0] - A[0], uy = B[1] - A[1], uz = B[2] - A[2];
  const double vx = C[0] - A[0], vy = C[1] - A[1], vz = C[2] - A[2];
  f.a = f.normal[0] = uy * vz - uz * vy;
  f.b = f.normal[1] = uz * vx - ux * vz;
  f.c = f.normal[2] = ux * vy - uy * vx;
  // Every non-zero normal is made unit: a short one would put later points
  // "in" the face, and they would be dropped.
  const double length = std::sqrt(f.a * f.a + f.b * f.b + f.c * f.c);
  if (length > 0) {
    f.a /= length;
    f.b /= length;
    f.c /= length;
  }
  f.d = -(f.a * A[0] + f.b * A[1] + f.c * A[2]);
}

void Insertion::ShowRealPoints() {
  m_xyz = m_shown;
  m_tolerance = HullTolerance(m_xyz, m_count);
  for (size_t f = 0; f < m_faces.size(); ++f)
    if (m_alive[f]) SetPlane(m_faces[f]);
}

int Insertion::MakeFace(int i, int j, int k) {
  Face f;
  f.corner[0] = i;
  f.corner[1] = j;
  f.corner[2] = k;
  SetPlane(f);
  f.first = static_cast<int>(m_verts.size());
  f.count = 3;
  f.pointsFirst = m_poolSize;
  f.pointsCount = 0;
  for (int v : {i, j, k}) {
    m_verts.push_back(v);
    m_twins.push_back(-1);
    ++m_incident[static_cast<size_t>(v)];
  }
  m_faces.push_back(f);
  m_alive.push_back(1);
  m_faceMark.push_back(0);
  return static_cast<int>(m_faces.size()) - 1;
}

void Insertion::Enqueue(int f, int after) {
  const Face& face = m_faces[static_cast<size_t>(f)];
  const int* list = m_facePoints.data() + face.pointsFirst;
  const int* end = list + face.pointsCount;
  for (const int* q = std::upper_bound(list, end, after); q != end; ++q)
    if (m_state[static_cast<size_t>(*q)] == kWaiting) {
      m_links.push_back({f, m_bucket[static_cast<size_t>(*q)]});
      m_bucket[static_cast<size_t>(*q)] = static_cast<int>(m_links.size()) - 1;
      return;
    }
}

void Insertion::TestCandidates(int h, int f, int g, int p) {
  // Both lists ascend by point number and end in kEnd: merged, each point
  // is tested once and the new list ascends too.  No branch depends on the
  // points, which come in no predictable order.
  const int reach = m_faces[static_cast<size_t>(f)].pointsCount + (g >= 0 ? m_faces[static_cast<size_t>(g)].pointsCount : 0) + 1;
  if (m_poolSize + reach > static_cast<int>(m_facePoints.size()))
    m_facePoints.resize(std::max(2 * m_facePoints.size(), static_cast<size_t>(m_poolSize + reach)));
  const Face made = m_faces[static_cast<size_t>(h)];
  const double floor = -m_tolerance;
  const int* x = m_facePoints.data() + m_faces[static_cast<size_t>(f)].pointsFirst;
  const int* y = g >= 0 ? m_facePoints.data() + m_faces[static_cast<size_t>(g)].pointsFirst : &kEnd;
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
    if (m_exact) {
      out += q != p && ExactSide(made, q) > 0;
      continue;
    }
    out += (made.a * c[0] + made.b * c[1] + made.c * c[2] + made.d >= floor) & (q != p);
  }
  *out = kEnd;
  m_faces[static_cast<size_t>(h)].pointsFirst = m_poolSize;
  m_faces[static_cast<size_t>(h)].pointsCount = static_cast<int>(out - start);
  m_poolSize += m_faces[static_cast<size_t>(h)].pointsCount + 1;
}

void Insertion::RewriteList(int f, int drop, int add) {
  Face& face = m_faces[static_cast<size_t>(f)];
  m_scratchList.assign(m_facePoints.begin() + face.pointsFirst, m_facePoints.begin() + face.pointsFirst + face.pointsCount);
  m_scratchList.erase(std::remove(m_scratchList.begin(), m_scratchList.end(), drop), m_scratchList.end());
  if (add >= 0 && !std::binary_search(m_scratchList.begin(), m_scratchList.end(), add))
    m_scratchList.insert(std::upper_bound(m_scratchList.begin(), m_scratchList.end(), add), add);
  face.pointsFirst = m_poolSize;
  face.pointsCount = 0;
  for (int q : m_scratchList) AddConflict(f, q);
  CloseList(f);
}

void Insertion::KillFace(int f) {
  m_alive[static_cast<size_t>(f)] = 0;
  const Face& face = m_faces[static_cast<size_t>(f)];
  for (int i = 0; i < face.count; ++i) {
    const int v = Vertex(face, i);
    --m_incident[static_cast<size_t>(v)];
    m_dropped.push_back(v);
  }
}

bool Insertion::Above(const Face& h, int q) const {
  return m_exact ? ExactSide(h, q) > 0 : Offset(h, q) >= -m_tolerance;
}

bool Insertion::Run(const std::vector<int>& order, HullInsertionResult& out) {
  out = HullInsertionResult();
  int a = order.front(), b = a;
  const int c = order.size() < 2 ? -1 : FindFirstTriangle(m_xyz, order, m_tolerance, &a, &b);
  out.Line[0] = a;
  out.Line[1] = b;
  if (order.size() < 2) return true;
  out.Shape = InsertedShape::kLine;
  if (c < 0) return true;
  const int C = order[static_cast<size_t>(c)];
  MakeFace(a, b, C);
  MakeFace(a, C, b);
  std::fill(m_twins.begin(), m_twins.begin() + 3, 1);
  std::fill(m_twins.begin() + 3, m_twins.end(), 0);
  for (int v : {a, b, C}) m_state[static_cast<size_t>(v)] = kVertex;
  for (size_t i = static_cast<size_t>(c) + 1; i < order.size(); ++i) m_state[static_cast<size_t>(order[i])] = kWaiting;
  // Points before C (other than A and B) lie on AB and, like the points
  // left out, are witnesses only.
  for (int f : {0, 1}) {
    m_faces[static_cast<size_t>(f)].pointsFirst = m_poolSize;
    for (int p = 0; p < m_count; ++p)
      if (m_state[static_cast<size_t>(p)] != kVertex && Above(m_faces[static_cast<size_t>(f)], p)) AddConflict(f, p);
    CloseList(f);
    Enqueue(f, -1);
  }
  for (size_t i = static_cast<size_t>(c) + 1; i < order.size() && (!m_failed || m_toTheEnd); ++i) Step(order[i]);
  if (m_failed && !m_toTheEnd) return false;
  if (m_exact) MergeCoplanarFaces();
  if (m_shown) ShowRealPoints();
  out.Shape = InsertedShape::kSurface;
  Output(out);
  return m_exact || (!m_failed && out.WitnessExcess <= m_tolerance);
}

void Insertion::DropPoint(int p, int exitFace) {
  m_steps.back().exitFace = exitFace;
  m_state[static_cast<size_t>(p)] = kWitness;
  for (int g : m_conflicts)
    if (m_alive[static_cast<size_t>(g)]) Enqueue(g, p);
}

void Insertion::Step(int p) {
  m_step = static_cast<int>(m_steps.size());
  m_steps.push_back({p, static_cast<int>(m_faces.size()), INT_MAX});
  // In list order, as a walk over all faces would meet them.
  m_conflicts.clear();
  for (int link = m_bucket[static_cast<size_t>(p)]; link >= 0; link = m_links[static_cast<size_t>(link)].next)
    if (m_alive[static_cast<size_t>(m_links[static_cast<size_t>(link)].face)]) m_conflicts.push_back(m_links[static_cast<size_t>(link)].face);
  std::sort(m_conflicts.begin(), m_conflicts.end());
  if (m_exact) return ExactStep(p);
  m_visible.clear();
  m_coplanar.clear();
  for (int f : m_conflicts) {
    const Face& face = m_faces[static_cast<size_t>(f)];
    const int side = HullSign(Offset(face, p), m_tolerance);
    if (side > 0) {
      m_visible.push_back(f);
    } else if (side == 0 && InsidePolygon(face, p)) {
      return DropPoint(p, f);  // on the surface
    } else if (side == 0) {
      m_coplanar.push_back(f);
    }
  }
  if (m_visible.empty() && m_coplanar.empty()) return DropPoint(p, INT_MAX);  // inside
  if (StepCloses(p)) return ApplyStep(p);
  m_failed = true;
  if (m_toTheEnd) ExactStep(p);
}

void Insertion::ApplyStep(int p) {
  m_state[static_cast<size_t>(p)] = kVertex;
  m_openIn.clear();
  m_openOut.clear();
  m_dropped.clear();
  m_changed.clear();
  for (int f : m_visible) AddHorizonFaces(f, p);
  for (int f : m_coplanar) Widen(f, p);
  CloseOpenEdges();
  KeepRemovedVerticesAsWitnesses();
  for (int f : m_changed) Enqueue(f, p);
  // Faces in conflict with p that the step kept wait for their next point.
  for (int f : m_conflicts)
    if (m_alive[static_cast<size_t>(f)] && !InRegion(f)) Enqueue(f, p);
}

void Insertion::AddHorizonFaces(int f, int p) {
  const int first = m_faces[static_cast<size_t>(f)].first, count = m_faces[static_cast<size_t>(f)].count;
  for (int i = 0; i < count; ++i) {
    const int u = m_verts[static_cast<size_t>(first + i)], v = m_verts[static_cast<size_t>(first + (i + 1) % count)];
    const int across = m_twins[static_cast<size_t>(first + i)];
    if (InRegion(across)) continue;
    const int h = MakeFace(u, v, p);
    const int slot = m_faces[static_cast<size_t>(h)].first;
    m_changed.push_back(h);
    m_twins[static_cast<size_t>(slot)] = across;
    if (across >= 0) {
      const Face& g = m_faces[static_cast<size_t>(across)];
      for (int j = 0; j < g.count; ++j)
        if (Vertex(g, j) == v && Vertex(g, j + 1) == u) m_twins[static_cast<size_t>(g.first + j % g.count)] = h;
    }
    OpenEdgeTo(v, h, slot + 1);
    OpenEdgeFrom(u, h, slot + 2);
    // Whatever lies on or above the new face lies on or above the face it
    // replaces or the face across uv.
    TestCandidates(h, f, across, p);
  }
  KillFace(f);
}

void Insertion::WidenedList(int f, int p) {
  const Face& face = m_faces[static_cast<size_t>(f)];
  const int n = face.count;
  auto positive = [&](int i) { return TurnSign(face, i, p) > 0; };
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
}

void Insertion::Widen(int f, int p) {
  WidenedList(f, p);
  const Face face = m_faces[static_cast<size_t>(f)];
  const int n = face.count;
  // The new list goes to the end of the pool, with the twins of the edges
  // it keeps; the edges to and from the point wait for theirs.
  const int newFirst = static_cast<int>(m_verts.size()), m = static_cast<int>(m_newList.size());
  for (int j = 0; j < m; ++j) {
    const int from = m_newOld[static_cast<size_t>(j)], to = m_newOld[static_cast<size_t>((j + 1) % m)];
    const int vertex = m_newList[static_cast<size_t>(j)];
    m_verts.push_back(vertex);
    m_twins.push_back(from >= 0 && to == (from + 1) % n ? m_twins[static_cast<size_t>(face.first + from)] : -1);
    if (to < 0) OpenEdgeTo(vertex, f, newFirst + j);
    if (from < 0) OpenEdgeFrom(m_newList[static_cast<size_t>((j + 1) % m)], f, newFirst + j);
    ++m_incident[static_cast<size_t>(vertex)];
  }
  for (int j = 0; j < n; ++j) {
    --m_incident[static_cast<size_t>(Vertex(face, j))];
    m_dropped.push_back(Vertex(face, j));
  }
  m_faces[static_cast<size_t>(f)].first = newFirst;
  m_faces[static_cast<size_t>(f)].count = m;
  RewriteList(f, p, -1);  // a vertex now, no longer a conflict
  m_changed.push_back(f);
}

void Insertion::CloseOpenEdges() {
  // The edge x -> P pairs with P -> x, and P -> y with y -> P.
  for (int x : m_openIn) {
    const OpenEdge& partner = m_edgeOut[static_cast<size_t>(x)];
    m_twins[static_cast<size_t>(m_edgeIn[static_cast<size_t>(x)].slot)] = partner.step == m_step ? partner.face : -1;
  }
  for (int y : m_openOut) {
    const OpenEdge& partner = m_edgeIn[static_cast<size_t>(y)];
    m_twins[static_cast<size_t>(m_edgeOut[static_cast<size_t>(y)].slot)] = partner.step == m_step ? partner.face : -1;
  }
}

void Insertion::KeepRemovedVerticesAsWitnesses() {
  // A vertex no live face holds any more lies inside; while it is on or
  // above a face changed in this step, it stays in that face's conflicts,
  // so that the final check can measure it.
  for (int v : m_dropped) {
    if (m_incident[static_cast<size_t>(v)] != 0 || m_state[static_cast<size_t>(v)] != kVertex) continue;
    m_state[static_cast<size_t>(v)] = kWitness;
    if (m_exact) continue;  // strictly inside the new faces
    for (int f : m_changed)
      if (m_alive[static_cast<size_t>(f)] && Offset(m_faces[static_cast<size_t>(f)], v) >= -m_tolerance) RewriteList(f, -1, v);
  }
}

void Insertion::Output(HullInsertionResult& out) const {
  std::vector<int> live;
  for (int f = 0; f < static_cast<int>(m_faces.size()); ++f)
    if (m_alive[static_cast<size_t>(f)]) live.push_back(f);
  out.Faces.reserve(live.size());
  for (int f : live) {
    const Face& face = m_faces[static_cast<size_t>(f)];
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
      out.Faces[lo].Side = HullSign(Offset(m_faces[static_cast<size_t>(live[lo])], step->point), m_tolerance);
  }
  out.WitnessExcess = Excess(live);
}

double Insertion::Excess(const std::vector<int>& live) const {
  // Every point on or above a face is in its list or one of its corners,
  // unless faces folded where points nearly coincide; while the scan of
  // every point is cheap, it is the measure.
  double excess = 0;
  if (static_cast<double>(m_count) * static_cast<double>(live.size()) <= kScannedPairs) {
    for (int f : live)
      for (int q = 0; q < m_count; ++q) excess = std::max(excess, Offset(m_faces[static_cast<size_t>(f)], q));
    return excess;
  }
  for (int f : live) {
    const Face& face = m_faces[static_cast<size_t>(f)];
    for (int i = 0; i < face.pointsCount; ++i) excess = std::max(excess, Offset(face, m_facePoints[static_cast<size_t>(face.pointsFirst + i)]));
    for (int i = 0; i < face.count; ++i) excess = std::max(excess, Offset(face, Vertex(face, i)));
  }
  return excess;
}

// The three distance tests of the first-triangle search, in their order.
enum class OnLine { kBInside, kAInside, kCInside, kOff };

OnLine Classify(const double* A, const double* B, const double* C, double tolerance) {
  auto dist = [](const double* p, const double* q) {
    const double dx = p[0] - q[0], dy = p[1] - q[1], dz = p[2] - q[2];
    return std::sqrt(dx * dx + dy * dy + dz * dz);
  };
  const double ab = dist(A, B), bc = dist(B, C), ac = dist(A, C);
  if (HullSign(ab + bc - ac, tolerance) == 0) return OnLine::kBInside;
  if (HullSign(ac + ab - bc, tolerance) == 0) return OnLine::kAInside;
  if (HullSign(ac + bc - ab, tolerance) == 0) return OnLine::kCInside;
  return OnLine::kOff;
}

}  // namespace hullengine

double BoxDiagonal(const double* xyz, int count) {
  if (count < 1) return 0;
  double lo[3], hi[3];
  for (int k = 0; k < 3; ++k) lo[k] = hi[k] = xyz[k];
  for (int i = 1; i < count; ++i)
    for (int k = 0; k < 3; ++k) {
      lo[k] = std::min(lo[k], xyz[3 * static_cast<std::ptrdiff_t>(i) + k]);
      hi[k] = std::max(hi[k], xyz[3 * static_cast<std::ptrdiff_t>(i) + k]);
    }
  return std::sqrt((hi[0] - lo[0]) * (hi[0] - lo[0]) + (hi[1] - lo[1]) * (hi[1] - lo[1]) +
                   (hi[2] - lo[2]) * (hi[2] - lo[2]));
}

int HullTurnSign(const double n[3], const double* U, const double* V, const double* Q, double tolerance) {
  const double ex = V[0] - U[0], ey = V[1] - U[1], ez = V[2] - U[2];
  const double qx = Q[0] - U[0], qy = Q[1] - U[1], qz = Q[2] - U[2];
  const double w = n[0] * (ey * qz - ez * qy) + n[1] * (ez * qx - ex * qz) + n[2] * (ex * qy - ey * qx);
  // w is the edge's length times Q's distance from its line.
  return HullSign(w, tolerance * std::sqrt(ex * ex + ey * ey + ez * ez));
}

int FindFirstTriangle(const double* xyz, const std::vector<int>& order, double tolerance, int* a, int* b) {
  using hullengine::OnLine;
  *a = order[0];
  *b = order.size() > 1 ? order[1] : order[0];
  for (size_t i = 2; i < order.size(); ++i) {
    const int c = order[i];
    switch (hullengine::Classify(xyz + 3 * *a, xyz + 3 * *b, xyz + 3 * c, tolerance)) {
      case OnLine::kBInside: *b = c; break;
      case OnLine::kAInside: *a = c; break;
      case OnLine::kCInside: break;
      case OnLine::kOff: return static_cast<int>(i);
    }
  }
  return -1;
}

namespace {

// The numbers of the points with the most extreme offset along each of 14
// directions (the axes and the diagonals), in that order, once each.
std::vector<int> ExtremePoints(const double* xyz, const std::vector<int>& order) {
  static constexpr double kDirections[14][3] = {{1, 0, 0},  {-1, 0, 0},  {0, 1, 0},  {0, -1, 0},  {0, 0, 1},
                                                {0, 0, -1}, {1, 1, 1},   {-1, -1, -1}, {1, 1, -1}, {-1, -1, 1},
                                                {1, -1, 1}, {-1, 1, -1}, {-1, 1, 1},  {1, -1, -1}};
  int best[14];
  double most[14];
  for (int k = 0; k < 14; ++k) best[k] = order.front(), most[k] = -HUGE_VAL;
  for (int p : order) {
    const double* q = xyz + 3 * static_cast<std::ptrdiff_t>(p);
    for (int k = 0; k < 14; ++k) {
      const double along = kDirections[k][0] * q[0] + kDirections[k][1] * q[1] + kDirections[k][2] * q[2];
      if (along > most[k]) most[k] = along, best[k] = p;
    }
  }
  std::vector<int> extremes;
  for (int p : best)
    if (std::find(extremes.begin(), extremes.end(), p) == extremes.end()) extremes.push_back(p);
  return extremes;
}

// The exact pass on the points renumbered with the extreme points first:
// the hull of those holds most of the others, which then drop out of the
// conflict lists at once.  The result is numbered as the input again.
// Whether every point lies within the tolerance of the plane of the first
// triangle.
bool IsFlat(const double* xyz, int count, const std::vector<int>& order) {
  int a = order.front(), b = a;
  const double tolerance = HullTolerance(xyz, count);
  const int c = order.size() < 3 ? -1 : FindFirstTriangle(xyz, order, tolerance, &a, &b);
  if (c < 0) return false;
  auto at = [xyz](int i) { return xyz + 3 * static_cast<std::ptrdiff_t>(i); };
  const double *A = at(a), *B = at(b), *C = at(order[static_cast<size_t>(c)]);
  const double u[3] = {B[0] - A[0], B[1] - A[1], B[2] - A[2]}, v[3] = {C[0] - A[0], C[1] - A[1], C[2] - A[2]};
  const double n[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
  const double length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
  for (int p = 0; p < count; ++p) {
    const double* q = at(p);
    if (std::fabs(n[0] * (q[0] - A[0]) + n[1] * (q[1] - A[1]) + n[2] * (q[2] - A[2])) > tolerance * length) return false;
  }
  return true;
}

// The points snapped to a grid of 2^30 steps across the box's diagonal,
// which is the same grid for the same points at any scale.  A snapped point
// moves by less than 1e-9 of the diagonal.
std::vector<double> Snapped(const double* xyz, int count) {
  double lo[3] = {xyz[0], xyz[1], xyz[2]};
  for (int p = 1; p < count; ++p)
    for (int k = 0; k < 3; ++k) lo[k] = std::min(lo[k], xyz[3 * static_cast<std::ptrdiff_t>(p) + k]);
  const double diagonal = BoxDiagonal(xyz, count), steps = diagonal > 0 ? std::ldexp(1.0, 30) / diagonal : 1;
  std::vector<double> snapped(xyz, xyz + 3 * static_cast<std::ptrdiff_t>(count));
  for (size_t i = 0; i < snapped.size(); ++i) snapped[i] = std::nearbyint((snapped[i] - lo[i % 3]) * steps);
  return snapped;
}

// The exact sides are decided on the snapped points, so that a point that
// lies on a face at one scale and a rounding error off it at another gets
// the same side at both; the planes and the excess are those of the points
// themselves.
bool ExactPass(const double* xyz, int count, const std::vector<int>& order, HullInsertionResult& out) {
  if (IsFlat(xyz, count, order)) return false;
  const std::vector<double> grid = Snapped(xyz, count);
  std::vector<int> from = ExtremePoints(grid.data(), order);  // new number -> input number
  std::vector<std::uint8_t> taken(static_cast<size_t>(count), 0);
  for (int p : from) taken[static_cast<size_t>(p)] = 1;
  for (int p : order)
    if (!taken[static_cast<size_t>(p)]) from.push_back(p), taken[static_cast<size_t>(p)] = 1;
  std::vector<int> renumbered(from.size());
  std::iota(renumbered.begin(), renumbered.end(), 0);
  for (int p = 0; p < count; ++p)
    if (!taken[static_cast<size_t>(p)]) from.push_back(p);  // measured only
  std::vector<double> shown(3 * from.size()), snapped(3 * from.size());
  for (size_t i = 0; i < from.size(); ++i)
    for (size_t k = 0; k < 3; ++k) {
      const size_t at = 3 * static_cast<size_t>(from[i]) + k;
      shown[3 * i + k] = xyz[at];
      snapped[3 * i + k] = grid[at];
    }
  using hullengine::Insertion, hullengine::Pass;
  if (!Insertion(snapped.data(), count, Pass::kExact, shown.data()).Run(renumbered, out)) return false;
  for (int& v : out.Vertices) v = from[static_cast<size_t>(v)];
  for (int& v : out.Line) v = from[static_cast<size_t>(v)];
  return true;
}

}  // namespace

void InsertHullPoints(const double* xyz, int count, const std::vector<int>& order, HullInsertionResult& out) {
  using hullengine::Insertion, hullengine::Pass;
  // The described pass's face order is what stored hulls show; past their
  // size, only the hull itself counts.
  if (count <= kDescribedPassMost && Insertion(xyz, count, Pass::kDescribed).Run(order, out)) return;
  if (!ExactPass(xyz, count, order, out)) Insertion(xyz, count, Pass::kFlat).Run(order, out);
}
