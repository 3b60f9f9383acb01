#include "editing/dialogs/transform/transformdialogs.h"

#include <iterator>

namespace {
// The masks of the fixed elements in list order: the origin, the X, Y and
// Z axes, the YOZ, XOZ and XOY planes.
constexpr BYTE kMasks[CDlgTransDeflect::kElements] = {7, 6, 5, 3, 1, 2, 4};

// A choice between a marked element and a typed value: opened on the typed
// value there is no mark, so its radio is off; otherwise the value's field.
void OpenChoice(bool fixed, bool& markedRadio, bool& field) { (fixed ? markedRadio : field) = false; }
}  // namespace

CTranslateControls CDlgTransTranslate::Opening() const {
  CTranslateControls controls;
  OpenChoice(m_nChoice == kFixed, controls.markedRadio, controls.fields);
  return controls;
}

CRotateControls CDlgTransRotate::Opening() const {
  CRotateControls controls;
  if (m_nMarks >= kAxisOnly && m_nMarks <= kAxisAndCentre) {
    controls.axisFields = false;
    if (m_nMarks == kAxisOnly) controls.axisRadio[kCentreAxis] = false;
    if (m_nMarks == kCentreOnly) controls.axisRadio[kMarkedAxis] = false;
  } else {
    controls.axisRadio[kMarkedAxis] = controls.axisRadio[kCentreAxis] = false;
  }
  OpenChoice(m_nAngleChoice == kFixedAngle, controls.markedAngleRadio, controls.angleField);
  return controls;
}

CScaleControls CDlgTransScale::Opening() const {
  CScaleControls controls;
  OpenChoice(m_nChoice == kFixed, controls.markedRadio, controls.factorField);
  return controls;
}

CDeflectControls CDlgTransDeflect::Opening() const {
  CDeflectControls controls;
  controls.list = m_nChoice >= kFixed;
  controls.radio[kPoint] = m_bPoint != 0;
  controls.radio[kAxis] = m_bAxis != 0;
  controls.radio[kFace] = m_bFace != 0;
  return controls;
}

int CDlgTransDeflect::ListPosition(int mask) {
  for (int position = 0; position < kElements; ++position)
    if (kMasks[position] == mask) return position;
  return 0;
}

BYTE CDlgTransDeflect::MaskAt(int position) {
  return position >= 0 && position < static_cast<int>(std::size(kMasks)) ? kMasks[position] : kMasks[0];
}
