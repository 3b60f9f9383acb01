#include "editing/dialogs/transform/transformdialogs.h"

#include <iterator>

namespace {
// The masks of the fixed elements in list order: the origin, the X, Y and
// Z axes, the YOZ, XOZ and XOY planes.
constexpr BYTE kMasks[CDlgTransDeflect::kElements] = {7, 6, 5, 3, 1, 2, 4};
}  // namespace

CTranslateControls CDlgTransTranslate::Opening() const {
  CTranslateControls controls;
  if (m_nChoice == kFixed)
    controls.markedRadio = false;
  else
    controls.fields = false;
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
  if (m_nAngleChoice == kFixedAngle)
    controls.markedAngleRadio = false;
  else
    controls.angleField = false;
  return controls;
}

CScaleControls CDlgTransScale::Opening() const {
  CScaleControls controls;
  if (m_nChoice == kFixed)
    controls.markedRadio = false;
  else
    controls.factorField = false;
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
