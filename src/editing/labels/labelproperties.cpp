#include "editing/labels/labelproperties.h"

#include "editing/properties/propertyedits.h"
#include "model/cgcell.h"
#include "model/cgpage.h"
#include "model/selection.h"
#include "platform/notifier.h"

namespace {
COLORREF ColorWordOf(const RGBA& c) { return c.r | (c.g << 8) | (c.b << 16); }

RGBA RgbaOf(COLORREF word, BYTE alpha) {
  return {static_cast<BYTE>(word & 0xFF), static_cast<BYTE>((word >> 8) & 0xFF), static_cast<BYTE>((word >> 16) & 0xFF),
          alpha};
}
}  // namespace

CDlgPropertyLabel LabelPropertiesOf(const CGCell& cell) {
  CDlgPropertyLabel data;
  data.m_strLabel = cell.m_strName;
  data.m_crColor = ColorWordOf(cell.m_rgbaLabel);
  data.m_bShowLabel = !cell.m_bLabelHidden;
  data.m_bAutoName = !cell.m_bNameFixed;
  data.m_bAutoScale = cell.m_nLabelMode == 0;
  return data;
}

void ApplyLabelProperties(CGPage& page, CGCell& cell, const CDlgPropertyLabel& answer) {
  if (answer.m_strLabel != cell.m_strName) {
    cell.m_bNameFixed = true;
    cell.m_strName = answer.m_strLabel;
    cell.m_bLabelStale = true;
    // A value's caption shows its name when the edit's end computes it;
    // the cells named after it take their names again now.
    page.UpdateLabels(CollectDescendants(page, cell));
  } else if (answer.m_bAutoName == cell.m_bNameFixed) {
    cell.m_bNameFixed = !answer.m_bAutoName;
    cell.UpdateLabel();
    cell.m_bLabelStale = true;
    page.UpdateLabels(CollectDescendants(page, cell));
  }
  cell.m_bLabelHidden = !answer.m_bShowLabel;
  cell.m_rgbaLabel = RgbaOf(answer.m_crColor, cell.m_rgbaLabel.a);
  if (answer.m_bColorChanged) SetSelectionLabelColor(answer.m_crColor);
}

bool EditLabelProperties(CGPage& page, CGCell& cell) {
  CDlgPropertyLabel data = LabelPropertiesOf(cell);
  if (DialogProvider().DoModal(data) != IDOK) return false;
  ApplyLabelProperties(page, cell, data);
  cell.m_nLabelMode = data.m_bAutoScale ? 0 : 1;
  PostItemTexts(page);
  return true;
}

void EditSelectionLabelProperties(CGPage& page, CGCell& cell) {
  const CDlgPropertyLabel shown = LabelPropertiesOf(cell);
  CDlgPropertyLabel data = shown;
  if (DialogProvider().DoModal(data) != IDOK) return;
  ApplyLabelProperties(page, cell, data);
  if (data.m_bAutoScale != shown.m_bAutoScale) SetSelectionLabelMode(data.m_bAutoScale);
}
