// Whether a described step closes the surface, the exact step, and the
// merging after the exact pass.  A point that several faces hold within the
// tolerance can be "above" one face and "in the plane" of its neighbour
// while a third, farther face is "above" again: removing and widening those
// faces would leave a surface with holes, folds or faces turned inside out.
// Such a step is checked before anything changes, and the described pass
// gives up at it.  The exact step removes the faces that see the point by
// its exact side, grown from the one it lies farthest in front of as one
// disc.
#include <algorithm>
#include <cmath>
#include <limits>

#include "cells/solids/hullinsertionengine.h"
#include "math/orient3d.h"

namespace hullengine {

bool Insertion::StepCloses(int p) {
  m_region = NewStamp();
  for (const auto* faces : {&m_visible, &m_coplanar})
    for (int f : *faces) m_faceMark[static_cast<size_t>(f)] = m_region;
  // The edges each widened face keeps, marked on their slots.
  const int kept = NewStamp();
  m_slotMark.resize(m_verts.size(), 0);
  for (int f : m_coplanar) {
    WidenedList(f, p);
    const Face& face = m_faces[static_cast<size_t>(f)];
    const size_t m = m_newOld.size();
    for (size_t j = 0; j < m; ++j) {
      const int from = m_newOld[j], to = m_newOld[(j + 1) % m];
      if (from >= 0 && to == (from + 1) % face.count) m_slotMark[static_cast<size_t>(face.first + from)] = kept;
    }
  }
  for (int f : m_coplanar)
    if (!WideningKeepsTwins(f, kept)) return false;
  // The rim: the region's edges to faces outside it, one loop.
  const int rim = NewStamp();
  int edges = 0, start = -1;
  for (const auto* faces : {&m_visible, &m_coplanar})
    for (int f : *faces) {
      const Face& face = m_faces[static_cast<size_t>(f)];
      for (int i = 0; i < face.count; ++i) {
        const int across = Twin(face, i), u = Vertex(face, i);
        if (across < 0 || !m_alive[static_cast<size_t>(across)]) return false;
        if (InRegion(across)) continue;
        if (m_nextMark[static_cast<size_t>(u)] == rim) return false;  // the region pinched at u
        m_nextMark[static_cast<size_t>(u)] = rim;
        m_next[static_cast<size_t>(u)] = Vertex(face, i + 1);
        ++edges;
        start = u;
      }
    }
  // No rim: the region is the whole surface, a flat polygon's two faces.
  if ((edges > 0 && !RimIsOneLoop(start, edges)) || !RegionIsConnected()) return false;
  int vertices = 0, faces = 0, sides = 0;
  if (!NewEdgesPair(p, vertices, faces, sides) || !RimTrianglesConvex(p)) return false;
  // What replaces the region is a disc too, or again the whole surface:
  // V - E + F = 1 or 2.
  return vertices - (sides + edges) / 2 + faces == (edges > 0 ? 1 : 2);
}

bool Insertion::WideningKeepsTwins(int f, int kept) {
  // A kept edge keeps its twin: not a removed face, and a widened one that
  // keeps its side too; a dropped edge goes with its twin.
  const Face& face = m_faces[static_cast<size_t>(f)];
  for (int i = 0; i < face.count; ++i) {
    const int across = Twin(face, i);
    const bool keeps = m_slotMark[static_cast<size_t>(face.first + i)] == kept;
    if (!InRegion(across)) {
      if (!keeps) return false;
      continue;
    }
    const bool widened = std::binary_search(m_coplanar.begin(), m_coplanar.end(), across);
    if (!widened ? keeps : keeps != KeptReverse(across, Vertex(face, i + 1), Vertex(face, i), kept)) return false;
  }
  return true;
}

bool Insertion::KeptReverse(int g, int u, int v, int kept) const {
  const Face& face = m_faces[static_cast<size_t>(g)];
  for (int j = 0; j < face.count; ++j)
    if (Vertex(face, j) == u && Vertex(face, j + 1) == v) return m_slotMark[static_cast<size_t>(face.first + j)] == kept;
  return false;
}

bool Insertion::RimIsOneLoop(int start, int edges) {
  const int rim = m_nextMark[static_cast<size_t>(start)];
  int x = start, walked = 0;
  do {
    if (m_nextMark[static_cast<size_t>(x)] != rim || ++walked > edges) return false;
    x = m_next[static_cast<size_t>(x)];
  } while (x != start);
  return walked == edges;
}

bool Insertion::RegionIsConnected() {
  const int reached = NewStamp();
  const int seed = m_visible.empty() ? m_coplanar.front() : m_visible.front();
  m_queue.assign(1, seed);
  m_faceMark[static_cast<size_t>(seed)] = reached;
  for (size_t next = 0; next < m_queue.size(); ++next) {
    const Face& face = m_faces[static_cast<size_t>(m_queue[next])];
    for (int i = 0; i < face.count; ++i) {
      const int across = Twin(face, i);
      if (!InRegion(across)) continue;
      m_faceMark[static_cast<size_t>(across)] = reached;
      m_queue.push_back(across);
    }
  }
  const bool all = m_queue.size() == m_visible.size() + m_coplanar.size();
  for (int f : m_queue) m_faceMark[static_cast<size_t>(f)] = m_region;
  return all;
}

bool Insertion::NoteEdgeToP(int x, bool in) {
  std::vector<int>& mark = in ? m_inMark : m_outMark;
  if (mark[static_cast<size_t>(x)] == m_region) return false;  // a second edge the same way
  mark[static_cast<size_t>(x)] = m_region;
  (in ? m_ins : m_outs).push_back(x);
  return true;
}

bool Insertion::NewEdgesPair(int p, int& patchVertices, int& patchFaces, int& patchSides) {
  // The faces that replace the region: a triangle on each rim edge of a
  // removed face, and each widened face.  Counted for V - E + F.
  const int seen = NewStamp();
  auto see = [&](int x) {
    patchVertices += m_seenMark[static_cast<size_t>(x)] != seen;
    m_seenMark[static_cast<size_t>(x)] = seen;
  };
  m_ins.clear();
  m_outs.clear();
  see(p);
  for (int f : m_visible) {
    const Face& face = m_faces[static_cast<size_t>(f)];
    for (int i = 0; i < face.count; ++i) {
      if (InRegion(Twin(face, i))) continue;
      const int u = Vertex(face, i), v = Vertex(face, i + 1);
      if (!NoteEdgeToP(v, true) || !NoteEdgeToP(u, false)) return false;
      see(u);  // v is the next rim edge's u
      ++patchFaces;
      patchSides += 3;
    }
  }
  for (int f : m_coplanar) {
    WidenedList(f, p);
    const size_t m = m_newList.size();
    for (size_t j = 0; j < m; ++j) {
      see(m_newList[j]);
      if (m_newOld[(j + 1) % m] < 0 && !NoteEdgeToP(m_newList[j], true)) return false;
      if (m_newOld[j] < 0 && !NoteEdgeToP(m_newList[(j + 1) % m], false)) return false;
    }
    ++patchFaces;
    patchSides += static_cast<int>(m);
  }
  for (int x : m_ins)
    if (m_outMark[static_cast<size_t>(x)] != m_region) return false;
  for (int x : m_outs)
    if (m_inMark[static_cast<size_t>(x)] != m_region) return false;
  return true;
}

bool Insertion::RimTrianglesConvex(int p) const {
  // No corner of the face a triangle replaces, nor of the face across its
  // rim edge, lies farther than the tolerance in front of it: the triangle
  // is not turned inside out.
  for (int f : m_visible) {
    const Face& face = m_faces[static_cast<size_t>(f)];
    for (int i = 0; i < face.count; ++i) {
      const int across = Twin(face, i);
      if (InRegion(across)) continue;
      const double *U = At(Vertex(face, i)), *V = At(Vertex(face, i + 1)), *P = At(p);
      const double e[3] = {V[0] - U[0], V[1] - U[1], V[2] - U[2]}, q[3] = {P[0] - U[0], P[1] - U[1], P[2] - U[2]};
      double n[3] = {e[1] * q[2] - e[2] * q[1], e[2] * q[0] - e[0] * q[2], e[0] * q[1] - e[1] * q[0]};
      const double length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
      if (!(length > 0)) return false;
      for (const Face* side : {&face, &m_faces[static_cast<size_t>(across)]})
        for (int j = 0; j < side->count; ++j) {
          const double* W = At(Vertex(*side, j));
          if (n[0] * (W[0] - U[0]) + n[1] * (W[1] - U[1]) + n[2] * (W[2] - U[2]) > m_tolerance * length) return false;
        }
    }
  }
  return true;
}

bool Insertion::Sees(const Face& f, int p) const { return ExactSide(f, p) > 0; }

bool Insertion::CanJoinDisc(int f) const {
  // The edges f shares with the disc form one run, and f's other corners
  // are not on it: the disc stays a disc.
  const Face& face = m_faces[static_cast<size_t>(f)];
  int shared = 0, runs = 0;
  for (int i = 0; i < face.count; ++i) {
    const bool here = InRegion(Twin(face, i)), before = InRegion(Twin(face, i + face.count - 1));
    shared += here;
    runs += here && !before;
    if (!here && !before && m_touchMark[static_cast<size_t>(Vertex(face, i))] == m_region) return false;
  }
  return shared > 0 && shared < face.count && runs == 1;
}

void Insertion::JoinDisc(int f) {
  m_faceMark[static_cast<size_t>(f)] = m_region;
  const Face& face = m_faces[static_cast<size_t>(f)];
  for (int i = 0; i < face.count; ++i) m_touchMark[static_cast<size_t>(Vertex(face, i))] = m_region;
}

void Insertion::ExactStep(int p) {
  const int candidate = NewStamp();
  int seed = -1;
  double best = -std::numeric_limits<double>::infinity();
  for (int f : m_conflicts) {
    const Face& face = m_faces[static_cast<size_t>(f)];
    if (!Sees(face, p)) continue;
    m_faceMark[static_cast<size_t>(f)] = candidate;
    if (Offset(face, p) > best) best = Offset(face, p), seed = f;
  }
  m_region = NewStamp();
  if (seed < 0) return DropPoint(p, INT_MAX);  // on the surface
  JoinDisc(seed);
  for (bool grown = true; grown;) {
    grown = false;
    for (int f : m_conflicts)
      if (m_faceMark[static_cast<size_t>(f)] == candidate && CanJoinDisc(f)) {
        JoinDisc(f);
        grown = true;
      }
  }
  m_visible.clear();
  m_coplanar.clear();
  for (int f : m_conflicts)
    if (InRegion(f)) m_visible.push_back(f);
  ApplyStep(p);
}

void Insertion::MergeCoplanarFaces() {
  // In list order, each face takes in its neighbours whose corners all lie
  // within the tolerance of its plane, as long as any does.  Its plane is a
  // face's plane of the exact hull, which every point lies on or behind.
  for (int f = 0; f < static_cast<int>(m_faces.size()); ++f) {
    if (!m_alive[static_cast<size_t>(f)]) continue;
    for (bool merged = true; merged;) {
      merged = false;
      const Face& face = m_faces[static_cast<size_t>(f)];
      for (int i = 0; i < face.count && !merged; ++i)
        if (CanMerge(face, face.first + i)) {
          Merge(f, face.first + i);
          merged = true;
        }
    }
  }
}

bool Insertion::CanMerge(const Face& base, int slot) const {
  const int across = m_twins[static_cast<size_t>(slot)];
  if (across < 0) return false;
  const Face& g = m_faces[static_cast<size_t>(across)];
  // Only the two ends of the shared edge in common: the merged face is one
  // loop.
  // Within half the tolerance: measured again on the points themselves
  // rather than snapped, no corner comes near the tolerance.
  for (int j = 0; j < g.count; ++j)
    if (!(std::fabs(Offset(base, Vertex(g, j))) <= m_tolerance / 2)) return false;
  int common = 0;
  for (int j = 0; j < g.count; ++j)
    for (int i = 0; i < base.count; ++i) common += Vertex(base, i) == Vertex(g, j);
  return common == 2;
}

void Insertion::Merge(int base, int slot) {
  const Face face = m_faces[static_cast<size_t>(base)];
  const int g = m_twins[static_cast<size_t>(slot)];
  const Face other = m_faces[static_cast<size_t>(g)];
  const int i = slot - face.first, u = Vertex(face, i), v = Vertex(face, i + 1);
  int j = 0;
  while (!(Vertex(other, j) == v && Vertex(other, j + 1) == u)) ++j;
  // From v round the face to u, then on round the other face back to v.
  const int newFirst = static_cast<int>(m_verts.size());
  for (int k = 1; k <= face.count; ++k) {
    m_verts.push_back(Vertex(face, i + k));
    m_twins.push_back(k < face.count ? Twin(face, i + k) : Twin(other, j + 1));
  }
  for (int k = 2; k < other.count; ++k) {
    m_verts.push_back(Vertex(other, j + k));
    m_twins.push_back(Twin(other, j + k));
  }
  m_faces[static_cast<size_t>(base)].first = newFirst;
  m_faces[static_cast<size_t>(base)].count = static_cast<int>(m_verts.size()) - newFirst;
  m_alive[static_cast<size_t>(g)] = 0;
  // The faces across the other face's edges now face the merged one.
  for (int k = 1; k < other.count; ++k) {
    const int across = Twin(other, j + k);
    const Face& h = m_faces[static_cast<size_t>(across)];
    for (int e = 0; e < h.count; ++e)
      if (Twin(h, e) == g) m_twins[static_cast<size_t>(h.first + e)] = base;
  }
}

}  // namespace hullengine
