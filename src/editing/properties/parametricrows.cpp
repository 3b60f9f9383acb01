// The property rows of parametric curves and surfaces: their dialogs preset
// from the cell (the expressions offered the cell's parents as No1, No2,
// ...), and on OK the settings written back, the cell compiled again at the
// edit's end.
#include <cmath>

#include "cells/dynamic/paths/curve.h"
#include "cells/dynamic/surfaces/surface.h"
#include "commands/calculationcommands.h"
#include "editing/dialogs/parametric/parametricdialogs.h"
#include "editing/parametriccommands.h"
#include "editing/properties/propertyrows.h"
#include "platform/notifier.h"

namespace {

CDlgCurve CurveDialogOf(const CGCurve& curve) {
  CDlgCurve dialog;
  dialog.m_variables = NewCalculationDialog(curve.m_parents);
  dialog.m_nDisplay = curve.m_nStyle;
  dialog.m_strX = curve.XExpression, dialog.m_strY = curve.YExpression, dialog.m_strZ = curve.ZExpression;
  dialog.m_strFrom = curve.StartExpression, dialog.m_strTo = curve.EndExpression;
  dialog.m_bSegmentColouring = curve.HueOn() ? 1 : 0;
  dialog.m_strColour = curve.m_strLabelExtra;
  dialog.m_fStep = curve.Step;
  dialog.m_nSystem = curve.Form();
  dialog.m_fBreakDistance = curve.BreakDistance();
  return dialog;
}

bool EditCurve(CKavrelDoc&, CGCell& cell) {
  auto& curve = static_cast<CGCurve&>(cell);
  CDlgCurve dialog = CurveDialogOf(curve);
  if (DialogProvider().DoModal(dialog) != IDOK) return true;
  ApplyCurveDisplay(curve, dialog);
  curve.XExpression = dialog.m_strX, curve.YExpression = dialog.m_strY, curve.ZExpression = dialog.m_strZ;
  curve.StartExpression = dialog.m_strFrom, curve.EndExpression = dialog.m_strTo;
  curve.SetHueOn(dialog.m_bSegmentColouring != 0);
  curve.m_strLabelExtra = dialog.m_strColour;
  curve.Step = std::fabs(dialog.m_fStep);
  curve.m_nParamA = dialog.m_nSystem;
  // The expressions are compiled again when the edit's end computes the
  // curve, which samples it whole.
  curve.Compiled = false;
  return true;
}

CDlgSurface SurfaceDialogOf(const CGSurface& surface) {
  CDlgSurface dialog;
  dialog.m_variables = NewCalculationDialog(surface.m_parents);
  dialog.m_strX = surface.XExpression, dialog.m_strY = surface.YExpression, dialog.m_strZ = surface.ZExpression;
  dialog.m_strUFrom = surface.UStartExpression, dialog.m_strUTo = surface.UEndExpression;
  dialog.m_strVFrom = surface.VStartExpression, dialog.m_strVTo = surface.VEndExpression;
  dialog.m_dUStep = surface.UStep, dialog.m_dVStep = surface.VStep;
  dialog.m_nDisplay = surface.m_nStyle;
  dialog.m_nTexture = surface.TextureIndex;
  dialog.m_bTwoSided = surface.TwoSided;
  dialog.m_nMapping = surface.UserTexture != 0 ? CDlgSurface::kMappingUser : 0;
  dialog.m_dMapA = surface.TexUScale, dialog.m_dMapB = surface.TexUOffset;
  dialog.m_dMapC = surface.TexVScale, dialog.m_dMapD = surface.TexVOffset;
  dialog.m_nSystem = surface.Form();
  return dialog;
}

bool EditSurface(CKavrelDoc&, CGCell& cell) {
  auto& surface = static_cast<CGSurface&>(cell);
  CDlgSurface dialog = SurfaceDialogOf(surface);
  if (DialogProvider().DoModal(dialog) != IDOK) return true;
  surface.XExpression = dialog.m_strX, surface.YExpression = dialog.m_strY, surface.ZExpression = dialog.m_strZ;
  surface.UStartExpression = dialog.m_strUFrom, surface.UEndExpression = dialog.m_strUTo;
  surface.VStartExpression = dialog.m_strVFrom, surface.VEndExpression = dialog.m_strVTo;
  surface.UStep = std::fabs(dialog.m_dUStep), surface.VStep = std::fabs(dialog.m_dVStep);
  ApplySurfaceStyle(surface, dialog.m_nDisplay);
  surface.TextureIndex = dialog.m_nTexture;
  surface.TwoSided = dialog.m_bTwoSided;
  surface.UserTexture = dialog.m_nMapping == CDlgSurface::kMappingUser ? 1 : 0;
  surface.TexUScale = dialog.m_dMapA, surface.TexUOffset = dialog.m_dMapB;
  surface.TexVScale = dialog.m_dMapC, surface.TexVOffset = dialog.m_dMapD;
  surface.m_nParamA = dialog.m_nSystem;
  // Compiled again when the edit's end computes the surface.
  surface.Compiled = false;
  return true;
}

const CPropertyRows rows({
    {PropertyList::Paths, 30, "CGCurve", EditCurve},
    {PropertyList::Solids, 10, "CGSurface", EditSurface},
});
}  // namespace
