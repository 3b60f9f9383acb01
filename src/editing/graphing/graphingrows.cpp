// The property rows of the colour modifier and the axis scale: the
// modifier opens its colour dialog again, the axis scale its own dialog.
#include "cells/dynamic/graphing/colormodifier.h"
#include "cells/dynamic/graphing/scaleline.h"
#include "editing/dialogs/graphing/graphingdialogs.h"
#include "editing/properties/propertyedits.h"
#include "editing/properties/propertyrows.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "platform/notifier.h"

namespace {
// The name is always taken; the mode keeps its number of values, so a
// modifier never reads targets as values.
bool EditColorModifier(CKavrelDoc&, CGCell& cell) {
  auto& modifier = static_cast<CGMdfColor&>(cell);
  const int form = modifier.ValueCount();
  CDlgParametricColor dialog;
  dialog.m_strLabel = modifier.m_strName;
  dialog.m_nKind = form;
  dialog.m_nColorModel = modifier.m_nSubKind == form ? 0 : 1;
  dialog.m_fFrom = modifier.m_fMin;
  dialog.m_fTo = modifier.m_fMax;
  dialog.m_nOption = modifier.m_nOption;
  if (DialogProvider().DoModal(dialog) != IDOK) return true;
  modifier.m_strName = dialog.m_strLabel;
  modifier.m_bLabelStale = true;
  modifier.m_nSubKind = static_cast<BYTE>(form + (dialog.m_nColorModel != 0 ? 1 : 0));
  modifier.m_fMin = dialog.m_fFrom;
  modifier.m_fMax = dialog.m_fTo;
  modifier.m_nOption = dialog.m_nOption;
  if (g_pCurPage) PostItemTexts(*g_pCurPage);
  return true;
}

bool EditScaleline(CKavrelDoc&, CGCell& cell) {
  auto& scale = static_cast<CGScaleline&>(cell);
  CDlgProScaleLine dialog;
  dialog.m_nAxisType = scale.m_nSubKind != 0 ? 1 : 0;
  dialog.m_bHideY = scale.m_nStyle != 0;
  dialog.m_bAutoSpacing = scale.AutoSpacing != 0;
  dialog.m_nLabelSpacing = ScaleSpacingIndex(scale.LabelSpacing);
  dialog.m_nTickSpacing = ScaleSpacingIndex(scale.TickSpacing);
  dialog.m_nGrid = scale.GridMode();
  if (DialogProvider().DoModal(dialog) != IDOK) return true;
  scale.m_nSubKind = static_cast<BYTE>(dialog.m_nAxisType != 0 ? 1 : 0);
  scale.m_nStyle = static_cast<BYTE>(dialog.m_bHideY ? 1 : 0);
  scale.AutoSpacing = dialog.m_bAutoSpacing ? 1 : 0;
  scale.LabelSpacing = ScaleSpacingValue(dialog.m_nLabelSpacing);
  scale.TickSpacing = ScaleSpacingValue(dialog.m_nTickSpacing);
  scale.SetGridMode(dialog.m_nGrid >= 0 && dialog.m_nGrid <= 2 ? dialog.m_nGrid : 0);
  return true;
}

const CPropertyRows rows({
    {PropertyList::Others, 10, "CGMdfColor", EditColorModifier},
    {PropertyList::Others, 80, "CGScaleline", EditScaleline},
});
}  // namespace
