// The convex hull cell: a fixed polyhedron with its own copy of the
// vertices, built once from the chosen points' coordinates (convexhull.h)
// and never recomputed.  The pieces of a stepwise cut are hulls too; they
// never enter a page and drift apart by their PieceOffset.
#pragma once
#include <QString>
#include <cstdint>
#include <utility>
#include <vector>

#include "math/widevector.h"
#include "model/cgcell.h"

// How a hull-based solid is shown, kept in m_nStyle.
enum HullStyle : BYTE {
  kHullAutoDashed = 0,  // visible edges solid, hidden ones dashed, vertices shown
  kHullSolidLines = 1,  // visible edges only
  kHullLit = 2,         // lit faces; edges only while selected
};

// One face of a hull, counter-clockwise seen from outside; also the record
// of a cutting plane (only a, b, c, d are read then).
struct PolyhedronFace {
  // The plane (0, 0, 1, 0), no vertices.
  PolyhedronFace() = default;
  // The plane a x + b y + c z + d = 0, no vertices.
  PolyhedronFace(double a, double b, double c, double d) : a(a), b(b), c(c), d(d) {}
  // The triangle i, j, k of `points`: normal (Pj - Pi) x (Pk - Pi), of unit
  // length unless it is zero, d = -(n . Pi).
  PolyhedronFace(const std::vector<kvmath::WideVec>& points, int i, int j, int k);

  // a p.x + b p.y + c p.z + d: positive outside.
  double Offset(const kvmath::WideVec& p) const { return a * p.x + b * p.y + c * p.z + d; }

  std::vector<std::int32_t> Vertices;
  double a = 0, b = 0, c = 1, d = 0;
  std::int32_t Side = 0;  // left by the hull's construction; stored, not read
  double Colour[3] = {0, 0, 0};
  double Centroid[3] = {0, 0, 0};  // written by the unfolded net
  double Depth = 0;                // likewise
};

// Where a hull is drawn: Base + (value - 1) x Direction.
struct PieceOffset {
  double Base[3] = {0, 0, 0};
  double Direction[3] = {0, 0, 0};
};

class CGPolyhedron : public CGCell {
  DECLARE_SERIAL(CGPolyhedron)

 public:
  // No vertices, edges or faces; style 1, colour (128, 128, 196, 255).
  CGPolyhedron();
  // Copy the solid (points, edges, faces, offset), the style and the main
  // colour; every other cell field keeps the defaults.
  CGPolyhedron(const CGPolyhedron& other);
  CGPolyhedron& operator=(const CGPolyhedron& other);

  // Empties the points, edges and faces; the offset stays.
  void Clear();

  // The cell record, then the points, edges and faces (the offset is not
  // stored).  Loading fails (BadData) on a count beyond the bytes left, a
  // vertex number outside the points, or a number that is not finite.
  void Serialize(CArchive& ar) override;

  // A hull is fixed: nothing to recompute but that it stands whole again,
  // its cuts starting afresh from it.
  void Recalculate() override { CutCovers = false; }

  void DrawDepthOnly() override;
  void DrawVisibleEdges() override;
  void DrawHiddenEdges() override;
  void Draw() override;
  void DrawLit() override;
  void DrawForPick(int mode) override;
  QString GetDescription() override;

  // A stepwise cut's piece, in the caller's colour: mode 1 the faces with
  // their normals, mode 0 the edges, any other mode nothing.
  void DrawPiece(int mode) const;

  std::vector<kvmath::WideVec> Points;
  std::vector<std::pair<std::int32_t, std::int32_t>> Edges;  // each edge once
  std::vector<PolyhedronFace> Faces;
  PieceOffset Offset;
  // A stepwise cut of this hull stands in for it while it runs.  Not
  // stored: a save in the middle of a cut stores the hull as the cut's
  // computation leaves it, shown, which is what reopening gives.
  bool CutCovers = false;

 private:
  enum class PieceShape { kFaces, kLitFaces, kEdges, kVertices };
  bool IsShown() const { return !m_bHidden && !CutCovers; }
  // Draws the shape moved by Base + (value - 1) x Direction.
  void DrawMoved(PieceShape shape) const;
  void DrawEdgesInOwnColour() const;
};
