// Free-hand ink.  Each stroke of the pen becomes a CStroke, a polyline in
// the text layer (z -50) with the ink colour current when it was drawn;
// saving the pen's strokes makes one CGInkmarks cell of each run of strokes
// of the same colour.  An ink cell draws its strokes in its own first
// colour and size (line width in pixels), offset by its anchor x, y.
#pragma once
#include <memory>
#include <vector>

#include "model/cgcell.h"

class CStroke : public CObject {
  DECLARE_SERIAL(CStroke)

 public:
  // No points, colour (255, 0, 0, 0).
  CStroke() = default;
  // x and y of `count` points given as x, y, z triples; every z becomes -50
  // and the colour is the current ink colour g_rgbaInk.
  CStroke(int count, const float* points);

  // Point count (int32), then x, y of each point.  The colour and z are not
  // stored: a loaded stroke has the default colour and z -50.  Loading
  // fails on a negative count, on more points than bytes left, and on a
  // coordinate that is not a finite number.
  void Serialize(CArchive& ar) override;
  // The line strip in the stroke's own colour.
  virtual void Draw();
  // The line strip alone, in whatever colour is current.
  virtual void DrawForPick();

  int Count() const { return static_cast<int>(m_points.size() / 3); }

  std::vector<float> m_points;  // x, y, z of each point
  RGBA m_rgbaColor{255, 0, 0, 0};
};

class CGInkmarks : public CGCell {
  DECLARE_SERIAL(CGInkmarks)

 public:
  // No strokes, the empty box (minima 8000, maxima -8000).
  CGInkmarks() = default;
  // "Ink Marks", size 3, holding the first stroke, in its colour.
  CGInkmarks(WORD id, std::unique_ptr<CStroke> first);

  // Appends the stroke and widens the box over its points (x and y).
  void AddStroke(std::unique_ptr<CStroke> stroke);

  // The common record, the box (minimum x, maximum x, minimum y, maximum y)
  // and the strokes as an object array.  Loading fails on an empty entry
  // or a box or anchor that is not finite.
  void Serialize(CArchive& ar) override;
  // Hidden or in a three-view page: nothing; undefined ink still draws.
  void Draw() override;
  // Pick modes 3 and above: each stroke under (4, id).
  void DrawForPick(int mode) override;
  QString GetDescription() override;

  std::vector<std::unique_ptr<CStroke>> m_strokes;
  float m_fMinX = 8000;
  float m_fMaxX = -8000;
  float m_fMinY = 8000;
  float m_fMaxY = -8000;
};

// The pen's strokes, in drawing order, as ink cells under the ids firstId,
// firstId + 1, ...: a new cell begins with the first stroke and with every
// stroke whose red, green and blue differ from the current cell's.  Each
// cell is anchored at minus the view's translation x, y (the ink stays
// where it was drawn) and takes the preference line width as its size.
std::vector<std::unique_ptr<CGInkmarks>> GroupStrokesIntoInk(std::vector<std::unique_ptr<CStroke>> strokes,
                                                             WORD firstId);
// How many ink cells GroupStrokesIntoInk makes of these strokes.
int CountInkCells(const std::vector<std::unique_ptr<CStroke>>& strokes);
