// The axis scale: the tick marks, tick labels and optional grid of a pair
// of plane coordinate axes.  Its parents are the origin and the four end
// points (negative x, positive x, negative y, positive y), whose values are
// their signed positions along the axes; the scale follows them live.
#pragma once
#include <cstdint>

#include "model/cgcell.h"

class CGScaleline : public CGCell {
  DECLARE_SERIAL(CGScaleline)

 public:
  CGScaleline() = default;
  // Registers with the five parents (current page), colour 1 from the line
  // colour preference, labels shown, then recalculates.
  CGScaleline(WORD id, WORD origin, WORD xNegEnd, WORD xPosEnd, WORD yNegEnd, WORD yPosEnd, float tickSpacing,
              float labelSpacing);

  // The common record, then the automatic-spacing flag and both spacings.
  void Serialize(CArchive& ar) override;
  // Undefined when the origin or an end is undefined or an end lies on the
  // wrong side of the origin; fields read before the failing step keep
  // their new values.
  void Recalculate() override;
  void DrawVisibleEdges() override;
  void DrawForPick(int mode) override;
  QString GetDescription() override;
  // Five parents, all points.
  bool FitsLoadedPage(const CCellMap& cells) const override;

  // The grid mode lives in the fourth label word of the common record.
  int GridMode() const { return m_nLabelExtra[2]; }
  void SetGridMode(int mode) { m_nLabelExtra[2] = mode; }

  float Origin[3] = {0, 0, 0};
  float XMin = 0, XMax = 0, YMin = 0, YMax = 0;
  std::int32_t AutoSpacing = 1;
  float TickSpacing = 2.0f;
  float LabelSpacing = 2.0f;
};

// World units per pixel over the view scale, as the scale draws with.
float ScalePixel();
