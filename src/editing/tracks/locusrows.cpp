// The property row of the locus: its dialog preset from the cell (the
// colour function offered the locus's measured values as No1, No2, ...),
// and on OK the settings written back, the locus sampled again at the
// edit's end.
#include <cmath>

#include "cells/dynamic/paths/locus.h"
#include "commands/calculationcommands.h"
#include "editing/dialogs/tracks/trackdialogs.h"
#include "editing/properties/propertyedits.h"
#include "editing/properties/propertyrows.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "platform/notifier.h"

namespace {
// Break distances this small stand for the default and are not shown.
constexpr float kNoBreakDistance = 1e-6f;

CDlgLocus LocusDialogOf(CGLocus& locus) {
  CDlgLocus dialog;
  dialog.m_strDescription = locus.GetDescription();
  dialog.m_strLabel = locus.m_strName;
  dialog.m_bHidden = locus.m_bHidden ? 1 : 0;
  dialog.m_fStart = locus.ParamStart;
  dialog.m_fEnd = locus.ParamEnd;
  dialog.m_fStep = locus.Step;
  dialog.m_nDisplay = locus.m_nStyle;
  dialog.m_bFollow = locus.GrowingTrace() ? 1 : 0;
  if (locus.BreakDistance() > kNoBreakDistance) dialog.m_fBreakDistance = locus.BreakDistance();
  dialog.m_bSegmentColouring = locus.HueOn() ? 1 : 0;
  dialog.m_strColour = locus.m_strLabelExtra;
  locus.CollectValueParents();
  dialog.m_variables = NewCalculationDialog(locus.ValueParents);
  return dialog;
}

bool EditLocus(CKavrelDoc&, CGCell& cell) {
  auto& locus = static_cast<CGLocus&>(cell);
  CDlgLocus answer = LocusDialogOf(locus);
  if (DialogProvider().DoModal(answer) != IDOK) return true;
  // The sample count is fixed when the locus is first sampled: a new range,
  // step or colouring samples it afresh when the edit's end computes it.
  const bool resample = locus.ParamStart != answer.m_fStart || locus.ParamEnd != answer.m_fEnd ||
                        locus.Step != std::fabs(answer.m_fStep) || locus.HueOn() != (answer.m_bSegmentColouring != 0);
  locus.m_strName = answer.m_strLabel;
  locus.m_bLabelStale = true;
  locus.m_bHidden = answer.m_bHidden ? TRUE : FALSE;
  locus.m_nStyle = static_cast<BYTE>(answer.m_nDisplay >= 0 && answer.m_nDisplay <= 3 ? answer.m_nDisplay : 0);
  locus.m_nParamA = answer.m_bFollow ? 1 : 0;
  locus.SetHueOn(answer.m_bSegmentColouring != 0);
  locus.m_strLabelExtra = answer.m_strColour;
  if (answer.m_fBreakDistance > kNoBreakDistance) locus.SetBreakDistance(answer.m_fBreakDistance);
  locus.ParamStart = answer.m_fStart;
  locus.ParamEnd = answer.m_fEnd;
  locus.Step = std::fabs(answer.m_fStep);
  if (resample) locus.SampleCount = 0;
  locus.Compiled = false;
  CGPage& page = *g_pCurPage;
  // The cells named after it take its name now.
  page.UpdateLabels(CollectDescendants(page, locus));
  PostItemTexts(page);
  return true;
}

const CPropertyRows rows({
    {PropertyList::Paths, 20, "CGLocus", EditLocus},
});
}  // namespace
