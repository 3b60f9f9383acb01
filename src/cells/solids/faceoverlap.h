// Points on the common part of two faces, seen from above: only the x and y
// of the faces' corners count, and the points take the z of face A's first
// corner, so they serve faces lying in one horizontal plane (a flat page).
// The first point computes the overlap polygon, keeps it and sits on its
// first corner; each corner point sits on corner n of that polygon.
#pragma once
#include <array>
#include <vector>

#include "cells/primitives/constructedpoint.h"

// x, y and the corner's angle about the polygon's centre.
using OverlapCorner = std::array<double, 3>;
using OverlapPolygon = std::vector<std::array<double, 2>>;

// The overlap of polygons p and q: the corners of each inside (or on the
// border of) the other and the proper crossings of their edges, sorted by
// angle about their mean, a corner within 0.0001 of its predecessor's
// angle dropped.  Empty when they do not meet.
std::vector<OverlapCorner> OverlapOf(const OverlapPolygon& p, const OverlapPolygon& q);

class CGVerOverlayFaceFirst : public CGConstructedPoint {
  DECLARE_SERIAL(CGVerOverlayFaceFirst)

 public:
  CGVerOverlayFaceFirst() : CGConstructedPoint(2) {}
  // Parents face A, face B; placed at once.
  CGVerOverlayFaceFirst(WORD id, int slot, const QString& name, WORD faceA, WORD faceB);

  // The point record only: the polygon is found again.
  void Recalculate() override;
  QString GetDescription() override;

  std::vector<OverlapCorner> Polygon;  // not stored
  float Z = 0;
};

class CGVerFIF : public CGConstructedPoint {
  DECLARE_SERIAL(CGVerFIF)

 public:
  CGVerFIF() : CGConstructedPoint(1) {}
  // Corner n of the first point's polygon; placed at once.
  CGVerFIF(WORD id, int slot, const QString& name, WORD first, int n);

  // The point record, then N.
  void Serialize(CArchive& ar) override;
  // Undefined while the first point is; a negative N sits hidden at the
  // origin, one past the last corner hidden on the last corner; otherwise
  // on corner N, hidden as the first point is.
  void Recalculate() override;
  QString GetDescription() override;

  std::int32_t N = 0;
};
