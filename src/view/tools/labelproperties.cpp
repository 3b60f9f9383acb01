#include "view/tools/labelproperties.h"

#include "model/cgcell.h"
#include "model/cgpage.h"
#include "model/kindtests.h"
#include "model/selection.h"
#include "platform/notifier.h"
#include "platform/uibridge.h"

namespace {
COLORREF ColorWordOf(const RGBA& c) { return c.r | (c.g << 8) | (c.b << 16); }

RGBA RgbaOf(COLORREF word, BYTE alpha) {
  return {static_cast<BYTE>(word & 0xFF), static_cast<BYTE>((word >> 8) & 0xFF), static_cast<BYTE>((word >> 16) & 0xFF),
          alpha};
}

// The descendants of the cell, marked and collected in ascending order.
std::vector<WORD> DescendantsOf(CGPage& page, CGCell& cell) {
  cell.MarkDescendants();
  std::vector<WORD> ids;
  page.CollectDirtyIds(ids);
  return ids;
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
    // A value's caption shows its name: it is composed again at once.
    if (IsKindOfAnyClassName(&cell, {"CGTmVariable", "CGTmVector"})) cell.Recalculate();
    page.UpdateLabels(DescendantsOf(page, cell));
  } else if (answer.m_bAutoName == cell.m_bNameFixed) {
    cell.m_bNameFixed = !answer.m_bAutoName;
    cell.UpdateLabel();
    cell.m_bLabelStale = true;
    const std::vector<WORD> ids = DescendantsOf(page, cell);
    page.UpdateLabels(ids);
    page.RecalculateCells(ids);
  }
  cell.m_bLabelHidden = !answer.m_bShowLabel;
  cell.m_rgbaLabel = RgbaOf(answer.m_crColor, cell.m_rgbaLabel.a);
  if (answer.m_bColorChanged) SetSelectionLabelColor(answer.m_crColor);
  cell.m_nLabelMode = answer.m_bAutoScale ? 0 : 1;
  UiBridge().Post(UiTarget::Frame, WM_ITEM_TEXTS, 0, page.m_nId);
}

bool EditLabelProperties(CGPage& page, CGCell& cell) {
  CDlgPropertyLabel data = LabelPropertiesOf(cell);
  if (DialogProvider().DoModal(data) != IDOK) return false;
  ApplyLabelProperties(page, cell, data);
  return true;
}
