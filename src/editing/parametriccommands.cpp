#include "editing/parametriccommands.h"

#include "cells/dynamic/paths/curve.h"
#include "cells/dynamic/surfaces/surface.h"
#include "commands/calculationcommands.h"
#include "commands/commandframe.h"
#include "editing/dialogs/parametric/parametricdialogs.h"
#include "editing/dialogs/parametric/parametrictexts.h"
#include "platform/notifier.h"
#include "model/cgpage.h"
#include "model/document/commandtable.h"
#include "platform/commandids.h"

namespace {
constexpr const char* kCmdNameCurve = "添加曲线";
constexpr const char* kCmdNameSurface = "添加曲面";
constexpr float kDefaultBreakDistance = 4.0f;

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

const CDocCommandRows rows({
    {ID_CREATE_CURVE, OnCreateCurve},
    {ID_CREATE_SURFACE, OnCreateSurface},
});
}  // namespace

void ApplyCurveDisplay(CGCurve& curve, const CDlgCurve& dialog) {
  curve.m_nStyle = static_cast<BYTE>(dialog.m_nDisplay);
  curve.SetBreakDistance(dialog.m_fBreakDistance > 1e-6f ? dialog.m_fBreakDistance : kDefaultBreakDistance);
}

void ApplySurfaceStyle(CGSurface& surface, int style) {
  const bool was = surface.m_nStyle == kSurfaceTranslucent;
  const bool is = style == kSurfaceTranslucent;
  surface.m_nStyle = static_cast<BYTE>(style);
  if (was != is) surface.m_rgbaColor.a = is ? kSurfaceTranslucentAlpha : 255;
}

void OnCreateCurve(CKavrelDoc& doc) {
  if (!g_pCurPage) return;
  const std::vector<WORD> values = SelectedValues();
  CDlgCurve dialog;
  dialog.m_variables = NewCalculationDialog(values);
  dialog.m_strX = Text(kCurveCommandDefaults[0]);
  dialog.m_strY = Text(kCurveCommandDefaults[1]);
  dialog.m_strZ = Text(kCurveCommandDefaults[2]);
  dialog.m_strFrom = Text(kCurveCommandDefaults[3]);
  dialog.m_strTo = Text(kCurveCommandDefaults[4]);
  dialog.m_strColour = Text(kCurveCommandDefaults[5]);
  if (DialogProvider().DoModal(dialog) != IDOK) return;
  CConstruction build(doc);
  if (!build.MakeRoom(1)) return;
  auto* curve = build.Add(new CGCurve(build.NextId(), values, dialog.m_strX, dialog.m_strY, dialog.m_strZ,
                                      dialog.m_strFrom, dialog.m_strTo, dialog.m_fStep, dialog.m_nSystem,
                                      dialog.m_bSegmentColouring ? 1 : 0, dialog.m_strColour));
  ApplyCurveDisplay(*curve, dialog);
  build.Commit(Text(kCmdNameCurve));
}

void OnCreateSurface(CKavrelDoc& doc) {
  if (!g_pCurPage) return;
  const std::vector<WORD> values = SelectedValues();
  CDlgSurface dialog;
  dialog.m_variables = NewCalculationDialog(values);
  if (DialogProvider().DoModal(dialog) != IDOK) return;
  CConstruction build(doc);
  if (!build.MakeRoom(1)) return;
  const int userTexture = dialog.m_nMapping == CDlgSurface::kMappingUser ? 1 : 0;
  auto* surface = build.Add(new CGSurface(
      build.NextId(), values, dialog.m_strX, dialog.m_strY, dialog.m_strZ, dialog.m_strUFrom, dialog.m_strUTo,
      dialog.m_strVFrom, dialog.m_strVTo, static_cast<BYTE>(dialog.m_nDisplay), dialog.m_nTexture,
      dialog.m_bTwoSided, userTexture, dialog.m_nSystem, dialog.m_dUStep, dialog.m_dVStep, dialog.m_dMapA, 0,
      dialog.m_dMapB, 0, dialog.m_dMapC, dialog.m_dMapD));
  if (surface->m_nStyle == kSurfaceTranslucent) surface->m_rgbaColor.a = kSurfaceTranslucentAlpha;
  build.Commit(Text(kCmdNameSurface));
}
