// The property rows of the view buttons (属性 on one selected button).
#include "editing/buttons/viewbuttonproperties.h"

#include "cells/dynamic/buttons/viewbuttons.h"
#include "editing/properties/propertyedits.h"
#include "editing/properties/propertyrows.h"
#include "model/globals.h"
#include "platform/notifier.h"

namespace {
void ShowRun(const CGViewButton& button, CViewButtonRun& run) {
  run.m_strLabel = button.m_strName;
  run.m_nDirection = button.m_bReturn ? 1 : 0;
  run.m_nPlayCount = button.m_bRepeat ? 1 : 0;
  run.m_fDuration = button.m_fDuration;
  run.m_fPause = button.PauseSeconds();
}

// The label by the name rule, the run's settings, and a run that starts
// from its first step at the next click.
void TakeRun(CGViewButton& button, const CViewButtonRun& run) {
  TakeTypedName(button, run.m_strLabel);
  button.m_bReturn = run.m_nDirection == 1 ? 1 : 0;
  button.m_bRepeat = run.m_nPlayCount == 1;
  button.m_fDuration = run.m_fDuration;
  button.SetPauseSeconds(run.m_fPause);
  button.m_nTick = 0;
}

template <class Button>
bool EditViewButton(CKavrelDoc&, CGCell& cell) {
  auto& button = static_cast<Button&>(cell);
  auto dialog = DialogOf(button);
  if (DialogProvider().DoModal(dialog) != IDOK) return true;
  WriteBack(button, dialog);
  if (g_pCurPage) PostItemTexts(*g_pCurPage);
  return true;
}

const CPropertyRows rows({
    {PropertyList::Buttons, 70, "CGButnRotate", EditViewButton<CGButnRotate>},
    {PropertyList::Buttons, 80, "CGButnTranslate", EditViewButton<CGButnTranslate>},
    {PropertyList::Buttons, 90, "CGButnScale", EditViewButton<CGButnScale>},
});
}  // namespace

CDlgViewRotate DialogOf(const CGButnRotate& button) {
  CDlgViewRotate dialog;
  ShowRun(button, dialog);
  dialog.m_pairs[0] = {button.StartW(), button.AngleDegrees()};
  for (int i = 1; i < 4; ++i) dialog.m_pairs[i] = {button.m_fStart[i - 1], button.m_fAxis[i - 1]};
  return dialog;
}

CDlgViewTrans DialogOf(const CGButnTranslate& button) {
  CDlgViewTrans dialog;
  ShowRun(button, dialog);
  for (int i = 0; i < 3; ++i) dialog.m_centres[i] = {button.m_fStart[i], button.m_fTarget[i]};
  return dialog;
}

CDlgViewScale DialogOf(const CGButnScale& button) {
  CDlgViewScale dialog;
  ShowRun(button, dialog);
  dialog.m_fStart = button.m_fStart;
  dialog.m_fTarget = button.m_fTarget;
  return dialog;
}

void WriteBack(CGButnRotate& button, const CDlgViewRotate& answer) {
  TakeRun(button, answer);
  button.SetStartW(answer.m_pairs[0].start);
  button.SetAngleDegrees(answer.m_pairs[0].other);
  for (int i = 1; i < 4; ++i) {
    button.m_fStart[i - 1] = answer.m_pairs[i].start;
    button.m_fAxis[i - 1] = answer.m_pairs[i].other;
  }
}

void WriteBack(CGButnTranslate& button, const CDlgViewTrans& answer) {
  TakeRun(button, answer);
  for (int i = 0; i < 3; ++i) {
    button.m_fStart[i] = answer.m_centres[i].start;
    button.m_fTarget[i] = answer.m_centres[i].other;
  }
}

void WriteBack(CGButnScale& button, const CDlgViewScale& answer) {
  TakeRun(button, answer);
  button.m_fStart = answer.m_fStart;
  button.m_fTarget = answer.m_fTarget;
}
