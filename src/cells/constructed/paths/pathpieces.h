// The pieces that points on paths ride: a path's cells are read through the
// owner's parents, a piece at a fraction u of its own range (a locus is
// sampled without moving it), the piece nearest to the mouse ray, and the
// arc-length fractions of a combined path.
#pragma once
#include <QString>
#include <cstddef>
#include <initializer_list>
#include <vector>

#include "cells/primitives/constructedpoint.h"
#include "model/cgvertex.h"

class CArchive;

// Which pieces a compound path accepts: the edges of a polygon given by its
// corner points, the lines, circles, loci and curves, or both.
enum PieceKinds : unsigned { kPolygonEdges = 1, kCurvedPieces = 2 };

// The compound parameter t brought into [0, n] (t = n stays n) and split
// into the piece i and the fraction u on it.  False for a t that is no
// number, or one too large to fall back into the range.
bool SplitCompound(float t, int n, int& piece, float& u);

// The point at compound parameter t on the first n parents of `cell`: the
// piece's point at its fraction.  A polygon edge runs from its corner to
// the next parent, the last back to parent 0.  False when the piece (or the
// edge's far corner) is undefined, missing or of a kind not in `kinds`, or
// when the point found is not finite.
bool CompoundPoint(const CGCell& cell, int n, float t, unsigned kinds, float out[3]);

// The piece of the first n parents nearest to the mouse ray: a polygon's
// edges when parent 0 is a point, else every line, circle, curve and locus
// (other and undefined pieces are skipped).  Of equally near pieces the
// first wins.  False when a piece could not answer (the ray along a
// circle's plane, a locus whose traced point is missing there) or no piece
// was measured.
struct NearestPiece {
  int index = -1;
  float u = 0;
  float at[3] = {0, 0, 0};
};
bool NearestPieceToRay(const CGCell& cell, int n, NearestPiece& nearest);

// The cumulative arc-length fractions c_0 .. c_(n-1) (c_(n-1) = 1) of a
// combined path over the first n parents (lines and circle-type cells).
// False when a piece is undefined or of another kind, or the path has no
// length.
bool CombinedFractions(const CGCell& cell, int n, std::vector<double>& fractions);
// A combined parameter brought into [0, 1]: the whole turns dropped, 1
// stays 1.  False for a t that is no number.
bool WrapCombined(float& t);
// The point at combined parameter t (already wrapped) on the pieces the
// fractions were measured over; false where the piece t falls in has no
// length, or the piece is gone.
bool CombinedPoint(const CGCell& cell, const std::vector<double>& fractions, float t, float out[3]);

// A description: the format's %d or %f filled with `number`, then each %s
// with the next name (names go in last, so a name holding "%d" stays).
QString DescribePath(const char* format, const QString& number, std::initializer_list<QString> names);

// A point on a path at a fixed parameter (mode 0, the sub-kind byte) or,
// in any other mode, at the parameter of a point or scalar value that
// follows the pieces as the last parent.  Only the point record is stored.
class CGVerOnPathByMode : public CGConstructedPoint {
 public:
  // The point record; loading fails without a piece (and, in a following
  // mode, the source point after it).
  void Serialize(CArchive& ar) override;

 protected:
  CGVerOnPathByMode() : CGConstructedPoint(1) {}
  CGVerOnPathByMode(WORD id, int slot, const QString& name, const std::vector<WORD>& parents, BYTE mode, float t);
  // Mode 0 keeps the value; a following mode copies the source's, which
  // must be a defined point.
  bool FollowSource();
  // The parents less the followed point.
  int PieceCount() const;
  // The fixed text with the parameter, or the following one with the
  // source's name.
  QString Describe(const char* fixed, const char* following) const;
};

// The piece count N after the point record of the paths that store it:
// loading fails unless N >= 1, the parents are the N pieces and `extra`
// more, and position, label offset and value are numbers.
void SerializePieceCount(CArchive& ar, CGVertex& cell, int& pieces, std::size_t extra);

// Registers the classes of the points on paths and carriers and of the
// numeric intersections.
void RegisterPathPointClasses();
