// The insertion engine behind InsertHullPoints, shared by its two source
// files: hullinsertion.cpp (the conflict lists and the steps as described)
// and hullinsertionregion.cpp (whether a step closes the surface, and the
// exact step taken when it would not).
//
// How the conflicts are kept.  A face lists the points it is in conflict
// with (on or above it within the tolerance) in ascending order, written
// once when it is made (merging the two lists it is made from, so each
// candidate is tested once).  Points are inserted in ascending order too, so
// the point being inserted is the first waiting entry of every list it is
// in: each live face waits in the bucket of its first waiting entry, and a
// point's bucket holds exactly the faces it is in conflict with.  Points
// that are no longer waiting stay in the lists, measured by the final check.
#pragma once
#include <climits>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "cells/solids/hullinsertion.h"
#include "math/orient3d.h"

namespace hullengine {

// Faces are never moved or reused: a face's index is its place in the
// insertion's list order (faces are appended, and removing one keeps the
// order of the rest).
struct Face {
  double a, b, c, d;
  double normal[3];              // (B - A) x (C - A) of its corners, not made unit
  int corner[3];                 // the three points A, B, C its plane was made from
  int first, count;              // its vertices (and twins) in the vertex pool
  int pointsFirst, pointsCount;  // the points in conflict with it, in the point pool
};

// Ends every conflict list; above every point number.
constexpr int kEnd = INT_MAX;

enum PointState : std::uint8_t { kWaiting, kVertex, kWitness };

struct Link {
  int face, next;
};

// Two passes.  The described one decides within the tolerance, merging
// points into faces whose plane they lie in; it stops at the first step
// that would not close the surface, or ends with a point farther than the
// tolerance outside.  The exact one then decides every side exactly, so
// that each step removes a disc of triangles and the surface stays convex,
// and afterwards merges neighbouring triangles whose corners lie within the
// tolerance of a common plane.
// Points that all lie within the tolerance of one plane are taken by the
// described pass only (kFlat), which then goes on past a failing step with
// the exact step.
enum class Pass { kDescribed, kExact, kFlat };

class Insertion {
 public:
  // shown: where the points really are, when xyz holds them snapped to a
  // grid (the exact pass); the result's planes and excess are measured there.
  Insertion(const double* xyz, int count, Pass pass, const double* shown = nullptr);
  // False when the described pass fails.
  bool Run(const std::vector<int>& order, HullInsertionResult& out);

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
  int TurnSign(const Face& f, int i, int p) const;
  bool InsidePolygon(const Face& f, int p) const;
  int Vertex(const Face& f, int i) const { return m_verts[static_cast<size_t>(f.first + i % f.count)]; }
  int Twin(const Face& f, int i) const { return m_twins[static_cast<size_t>(f.first + i % f.count)]; }

  int MakeFace(int i, int j, int k);
  // The unit normal and offset of face f from its corners.
  void SetPlane(Face& f) const;
  // Goes over to the shown points for the result: planes, tolerance.
  void ShowRealPoints();
  // A point into the conflict list of face h, whose list ends the pool.
  void AddConflict(int h, int q) {
    if (m_poolSize + 2 > static_cast<int>(m_facePoints.size())) m_facePoints.resize(2 * m_facePoints.size() + 2);
    m_facePoints[static_cast<size_t>(m_poolSize++)] = q;
    ++m_faces[static_cast<size_t>(h)].pointsCount;
  }
  // Ends face h's list, which ends the pool.
  void CloseList(int h) { AddConflict(h, kEnd), --m_faces[static_cast<size_t>(h)].pointsCount; }
  // Puts face f into the bucket of its first waiting point after `after`.
  void Enqueue(int f, int after);
  // The points of faces f and g (-1: none) on or above the new face h.
  void TestCandidates(int h, int f, int g, int p);
  // Face f's list again at the end of the pool, less `drop`, plus `add`.
  void RewriteList(int f, int drop, int add);
  void KillFace(int f);
  void Step(int p);
  void DropPoint(int p, int exitFace);
  // Removes the faces of m_visible (their rim, the edges to faces outside
  // the region, gets triangles to p) and widens those of m_coplanar.
  void ApplyStep(int p);
  void AddHorizonFaces(int f, int p);
  // The vertex list of face f widened to take p in: m_newList, and in
  // m_newOld the old position of each (-1 for p).
  void WidenedList(int f, int p);
  void Widen(int f, int p);
  void OpenEdgeTo(int from, int face, int slot) {
    m_edgeIn[static_cast<size_t>(from)] = {m_step, face, slot};
    m_openIn.push_back(from);
  }
  void OpenEdgeFrom(int to, int face, int slot) {
    m_edgeOut[static_cast<size_t>(to)] = {m_step, face, slot};
    m_openOut.push_back(to);
  }
  void CloseOpenEdges();
  void KeepRemovedVerticesAsWitnesses();
  void Output(HullInsertionResult& out) const;
  // Whether q lies on or above the new face h: within the tolerance in the
  // described pass, strictly and exactly in the exact one.
  bool Above(const Face& h, int q) const;
  // The exact side of q (+1 above, 0 in, -1 below the plane of h's corners),
  // from the unit-free normal when its error bound settles it.
  int ExactSide(const Face& h, int q) const {
    const double *A = At(h.corner[0]), *Q = At(q);
    const double det = h.normal[0] * (Q[0] - A[0]) + h.normal[1] * (Q[1] - A[1]) + h.normal[2] * (Q[2] - A[2]);
    if (det > m_sideBound) return 1;
    if (det < -m_sideBound) return -1;
    return kvmath::Orient3dSign(A, At(h.corner[1]), At(h.corner[2]), Q);
  }
  void MergeCoplanarFaces();
  bool CanMerge(const Face& base, int slot) const;
  void Merge(int base, int slot);
  double Excess(const std::vector<int>& live) const;
  // Up to this many point-face pairs, the excess is measured by a scan.
  static constexpr double kScannedPairs = 1 << 20;

  // --- hullinsertionregion.cpp
  int NewStamp() { return ++m_stamps; }
  bool InRegion(int f) const { return f >= 0 && m_faceMark[static_cast<size_t>(f)] == m_region; }
  // Whether removing m_visible and widening m_coplanar leaves a closed
  // surface: the faces form a disc with one rim, every kept edge keeps its
  // twin, and the new edges to p pair up into one fan.
  bool StepCloses(int p);
  bool WideningKeepsTwins(int f, int kept);
  bool KeptReverse(int g, int u, int v, int kept) const;
  bool RimIsOneLoop(int start, int edges);
  bool RegionIsConnected();
  bool NewEdgesPair(int p, int& patchVertices, int& patchFaces, int& patchSides);
  bool NoteEdgeToP(int x, bool in);
  bool RimTrianglesConvex(int p) const;
  // The step decided by the exact side of p: the faces that see it, grown
  // as a disc from the one it lies farthest in front of, are removed.
  void ExactStep(int p);
  bool Sees(const Face& f, int p) const;
  bool CanJoinDisc(int f) const;
  void JoinDisc(int f);

  const double* m_xyz;
  const double* m_shown;
  int m_count;
  double m_tolerance;
  double m_sideBound;  // the error bound of ExactSide's floating evaluation
  bool m_exact, m_toTheEnd, m_failed = false;
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
  std::vector<int> m_newList, m_newOld, m_scratchList, m_queue, m_ins, m_outs;
  // Marks, valid while equal to a stamp of the current step: per face
  // (region, candidate), per slot (edge kept by a widening), per point.
  int m_stamps = 0, m_region = 0;
  std::vector<int> m_faceMark, m_slotMark;
  std::vector<int> m_nextMark, m_next, m_inMark, m_outMark, m_seenMark, m_touchMark;
};

}  // namespace hullengine
