// The click pick without the items that cannot be under the pointer.  In
// selection mode every item the page draws under its own names costs a
// full trip through the GL pipeline, hit or not; points and segments, which
// a page has by the thousand, are tested on the CPU first and left out when
// their pick geometry projects outside the pick region.  What is left out
// could never have been hit, so the hits and their order stay the same.
#pragma once

class CGCell;

// The pick region in window coordinates and the transform that takes world
// points there (the current model-view, the projection of the current mode,
// the saved viewport).
class PickRegion {
 public:
  // Centre (x, y) in window coordinates (y up), half extents in pixels.
  PickRegion(double x, double y, double halfWidth, double halfHeight);

  // False only when the point, segment or quadrilateral certainly projects
  // outside the region (anything reaching behind the eye may hit).
  bool MayHitPoint(const float p[3]) const;
  bool MayHitSegment(const float a[3], const float b[3]) const;
  bool MayHitQuad(const float corners[4][3]) const;

 private:
  // Window x, y of a world point; false when it lies behind the eye.
  bool Project(const float p[3], double& wx, double& wy) const;
  bool MayHitBox(const float* const* points, int count) const;

  double m_transform[16];  // projection x model-view, column-major
  int m_viewport[4];
  double m_left, m_right, m_bottom, m_top;
};

// Whether a cell's DrawForPick in `mode` might leave a hit in the region:
// false only for points and segments whose every pickable item lies
// outside it; any other cell may.
bool MayBePicked(const CGCell& cell, int mode, const PickRegion& region);

// The page's pick pass (as DrawPageForPick) over the cells that may be hit.
void DrawPageForPickInRegion(int mode, const PickRegion& region);
