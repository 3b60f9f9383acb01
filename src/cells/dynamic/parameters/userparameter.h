// The user parameter: a named number without parents that the user sets,
// read by calculations, curves and buttons like any measured value.  It
// shows as a caption and, with the slider flag (sub-kind 1), a 100-pixel
// slider under it whose handle the mouse drags.  The second and third value
// words hold the slider's range; an integer parameter (kind 1) keeps its
// unrounded slider position in the third option word and shows it rounded.
// Everything is stored in the caption record.
#pragma once
#include <QString>

#include "cells/texts/cgtextmap.h"

class CGTmVarParameter : public CGTmVariable {
  DECLARE_SERIAL(CGTmVarParameter)

 public:
  CGTmVarParameter() = default;
  // At the page's next text position, named `name` (its mark-up the name
  // too), holding `value`.
  CGTmVarParameter(WORD id, const QString& name, float value);

  // The caption record.  A record with parents, or whose value, range or
  // (for an integer parameter) slider position is not a finite number,
  // fails the load (BadData): dragging would spread it to every dependant.
  void Serialize(CArchive& ar) override;
  // Nothing derives the value: both only show it again.
  void Recalculate() override { UpdateValueText(); }
  void ApplyParameter() override { UpdateValueText(); }
  // The caption, then the slider when shown.
  void Draw() override;
  // Names (6, id) on the caption, (13, id) on the slider's handle; nothing
  // in pick mode 2.
  void DrawForPick(int mode) override;
  QString GetDescription() override;

  // Follows the view's horizontal mouse movement g_nMouseDeltaX: one pixel
  // moves the handle one pixel along the track, the value staying within
  // the range.  Only with the slider shown.
  void DragSlider();

  bool HasSlider() const { return m_nSubKind == 1; }
  float Minimum() const;
  float Maximum() const;
  void SetRange(float minimum, float maximum);
  float Accumulator() const;
  void SetAccumulator(float position);
  // A range of 1e-6 or less becomes 0 to 10, kept in the fields.
  void KeepRangeUsable();
  // Where the handle stands on the track, 0 to 1.
  float SliderPosition() const;
};
