// A value attached to a point: the number of a measured value, or a
// vector's components, drawn in the scene beside a point and moving with
// it.  Parents: the value, then the point.  The caption shows the number
// alone, without a name or " =": angles in degrees, calculations and
// parameters in degrees when their kind says so, a vector as its own value
// text, all with the value's precision step.  The anchor is the point plus
// an offset that only dragging changes.  While the point or the value is
// undefined (or of another kind) the cell is undefined, neither drawn nor
// picked, and keeps its last text and place.
#pragma once
#include <QString>

#include "cells/texts/cgtextmap.h"

class CGTmVarAfterP : public CGTextmap {
  DECLARE_SERIAL(CGTmVarAfterP)

 public:
  // Style 1, the fixed name, offset (0, 0, 0).
  CGTmVarAfterP();
  // Placed 24 pixels left of and 6 below the point at the current zoom.
  CGTmVarAfterP(WORD id, WORD value, WORD point);

  // The caption record, then the offset.  Loading fails (BadData) unless
  // there are two parents and the offset is finite.
  void Serialize(CArchive& ar) override;
  void Recalculate() override;
  // At the anchor in the scene, from the text font's lists; selected or
  // under the mouse in the selection colour, else in the cell's colour
  // while cells choose their own.
  void Draw() override;
  // Pick modes 3 and above: (6, id) over the text, two lines high, at the
  // anchor's depth.
  void DrawForPick(int mode) override;
  QString GetDescription() override;
  // Moves the anchor and the offset alike, so the point carries the new
  // place along.
  void DragBy(int dx, int dy) override;
  float* AnchorOffset() override { return m_vOffset; }

  float m_vOffset[3] = {0, 0, 0};

 private:
  // The text's lists in the current context.
  void LayOut();
};
