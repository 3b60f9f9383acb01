#include "editing/dialogs/properties/primitivedialogs.h"

#include "editing/dialogs/properties/propertydialogtexts.h"

CDlgPropertyPoint::CDlgPropertyPoint() : m_strValueCaption(QString::fromUtf8(kTextDefaultValueCaption)) {}

CDlgPropertyPoint::Controls CDlgPropertyPoint::ControlStates() const {
  Controls c;
  c.xyEditable = m_nCoordMode != 0;
  c.zEditable = m_nCoordMode == 1;
  c.value1Enabled = c.value1Editable = m_nValueMode >= 1;
  c.value2Shown = c.value2Editable = m_nValueMode >= 2;
  c.value3Shown = c.value3Editable = m_nValueMode >= 3;
  return c;
}
