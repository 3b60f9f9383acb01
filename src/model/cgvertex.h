// The plain point: a cell with a position and a slot of the shared vertex
// array.  Every point kind derives from it and reuses its record, label and
// drawing; they override how the position is found.
#pragma once
#include "model/cgcell.h"

class CGVertex : public CGCell {
  DECLARE_SERIAL(CGVertex)

 public:
  // The point defaults at the origin, slot 0 (dynamic creation before loading).
  CGVertex();
  // A fixed point in slot `slot` (the caller has reserved room for it): the
  // position is written into the vertex array at once and the label sits
  // 4 pixels right and 4 up (in world units at the current zoom).
  CGVertex(WORD id, int slot, const QString& name, float x, float y, float z);

  // The cell record, then the position and the label offset.
  void Serialize(CArchive& ar) override;

  // Moves the label towards the mouse ray, at most 40 pixels from the point.
  void DragLabel() override;
  // Writes the position into the vertex array and moves the label with it.
  void ApplyParameter() override;
  QString GetDescription() override;
  // Takes p as the position and writes the vertex-array slot and the label
  // anchor, without recalculating (which the path-bound kinds would do).
  void PlaceAt(const float p[3]);
  // The end of a recalculation: p becomes the position and the point is
  // defined, or, when p is not finite (parents near the float limit), the
  // point is undefined and keeps its last position, so a saved page reopens.
  void PlaceIfFinite(const float p[3]);

  // Drawing (cgvertexdraw.cpp).  Styles: 0 a point over everything (Draw),
  // 1 a depth-tested point (DrawVisibleEdges), 2 and 3 only the label, 4 and
  // above a lit ball; the label goes with Draw for even styles and with
  // DrawVisibleEdges for odd ones.
  void Draw() override;
  void DrawVisibleEdges() override;
  void DrawLit() override;
  void DrawLitLate(BOOL bLit) override;
  void DrawFlat() override;
  void DrawForPick(int mode) override;

  float m_vPos[3] = {0, 0, 0};
  int VertexIndex = 0;  // slot in the vertex array, given by the page's refill (not stored)
  float m_vLabelOffset[3] = {0, 0, 0};

 protected:
  void PlaceLabel();
};
