// The property rows of the action buttons: each reopens the dialog the
// button was made with, preset from the button, and writes the answer back.
#include <algorithm>
#include <bit>

#include "cells/dynamic/buttons/animationbutton.h"
#include "cells/dynamic/buttons/commandbutton.h"
#include "cells/dynamic/buttons/linkbutton.h"
#include "cells/dynamic/buttons/movebutton.h"
#include "cells/dynamic/buttons/showhidebutton.h"
#include "cells/solids/nets/cgsplit.h"
#include "editing/buttons/actionbuttoncommands.h"
#include "editing/dialogs/buttons/actionbuttondialogs.h"
#include "editing/dialogs/buttons/actionbuttondialogtexts.h"
#include "editing/properties/propertyedits.h"
#include "editing/properties/propertyrows.h"
#include "model/cgbutton.h"
#include "model/cgpage.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "platform/notifier.h"

namespace {
// The name as the dialog returned it, always taken, the label redrawn.
void TakeName(CGCell& cell, const QString& name) {
  cell.m_strName = name;
  cell.m_bLabelStale = true;
}

QString ParentDescription(const CGCell& cell, size_t i) {
  CGCell* parent = cell.ParentAs<CGCell>(i);
  return parent ? parent->GetDescription() : QString();
}

void Done() {
  if (g_pCurPage) PostItemTexts(*g_pCurPage);
}

template <class T>
void PresetSpeed(T& dialog, const CSpeedChoice& speeds, float step) {
  dialog.m_fStep = step;
  dialog.m_nSpeed = speeds.IndexOf(step);
  if (dialog.m_nSpeed == CSpeedChoice::kCustom) dialog.m_fCustom = step;
}

bool EditRange(CGButnAnimation& button) {
  const auto* split = button.ParentAs<CGSplit>(0);
  CDlgBtnAnimation dialog;
  dialog.m_strLabel = button.m_strName;
  dialog.m_strObject = ParentDescription(button, 0);
  dialog.m_fFrom = button.m_fStart;
  dialog.m_fTo = button.m_fEnd;
  PresetSpeed(dialog, kAnimationSpeeds, button.m_fSpeed);
  dialog.m_nDirection = split ? -1 : button.m_nDirection;
  dialog.m_nPlayCount = button.m_bRepeat ? 1 : 0;
  dialog.m_fPause = button.PauseSeconds();
  if (DialogProvider().DoModal(dialog) != IDOK) return true;
  TakeName(button, dialog.m_strLabel);
  button.m_fStart = dialog.m_fFrom;
  button.m_fEnd = split ? std::min(dialog.m_fTo, static_cast<float>(split->m_nPlanes)) : dialog.m_fTo;
  button.m_fSpeed = dialog.m_fStep;
  button.m_nDirection = dialog.m_nDirection;
  button.m_bRepeat = dialog.m_nPlayCount == 1 ? 1 : 0;
  button.SetPauseSeconds(dialog.m_fPause);
  Done();
  return true;
}

bool EditWalk(CGButnAnimation& button) {
  CDlgBtnAnimation2 dialog;
  dialog.m_strLabel = button.m_strName;
  dialog.m_strObject = ParentDescription(button, 0);
  dialog.m_fDuration = button.m_fEnd;
  PresetSpeed(dialog, kWalkSpeeds, button.m_fSpeed);
  if (DialogProvider().DoModal(dialog) != IDOK) return true;
  TakeName(button, dialog.m_strLabel);
  button.m_fEnd = dialog.m_fDuration;
  button.m_fSpeed = dialog.m_fStep;
  Done();
  return true;
}

bool EditAnimation(CKavrelDoc&, CGCell& cell) {
  auto& button = static_cast<CGButnAnimation&>(cell);
  return button.m_nSubKind == CGButnAnimation::kStepping ? EditRange(button) : EditWalk(button);
}

bool EditMove(CKavrelDoc&, CGCell& cell) {
  auto& button = static_cast<CGButnMove&>(cell);
  CDlgBtnMove dialog;
  dialog.m_strLabel = button.m_strName;
  dialog.m_strMoving = ParentDescription(button, 0);
  dialog.m_strTarget = ParentDescription(button, 1);
  PresetSpeed(dialog, kMoveSpeeds, button.m_fSpeed);
  if (DialogProvider().DoModal(dialog) != IDOK) return true;
  TakeTypedName(button, dialog.m_strLabel);
  button.m_fSpeed = dialog.m_fStep;
  Done();
  return true;
}

bool EditShowHide(CKavrelDoc&, CGCell& cell) {
  CDlgBtnShide dialog;
  dialog.m_strLabel = cell.m_strName;
  dialog.m_nAction = cell.m_nSubKind;
  dialog.m_strObjects =
      QString::fromUtf8(kTextShowHideCount).replace(QStringLiteral("%d"), QString::number(cell.m_parents.size()));
  if (DialogProvider().DoModal(dialog) != IDOK) return true;
  TakeTypedName(cell, dialog.m_strLabel);
  cell.m_nSubKind = static_cast<BYTE>(std::clamp(dialog.m_nAction, 0, 3));
  Done();
  return true;
}

bool EditSeries(CKavrelDoc&, CGCell& cell) {
  auto& button = static_cast<CGButnPresentat&>(cell);
  CDlgBtnPresentat dialog;
  dialog.m_strLabel = button.m_strName;
  dialog.m_nOrder = button.IsSerial() ? 1 : 0;
  dialog.m_fPause = button.PauseSeconds();
  dialog.m_nLoopKind = button.m_nParamA;
  dialog.m_nLoopCount = button.m_nPassCount;
  dialog.m_dLoopStart = button.m_dLoopStart;
  dialog.m_dLoopEnd = button.m_dLoopEnd;
  dialog.m_dLoopStep = button.m_dLoopStep;
  dialog.m_nVariable = button.m_nRegister - 1;
  if (DialogProvider().DoModal(dialog) != IDOK) return true;
  TakeName(button, dialog.m_strLabel);
  button.m_nSubKind = dialog.m_nOrder ? 1 : 0;
  button.m_nParamC = std::bit_cast<std::int32_t>(dialog.m_fPause);
  button.m_nParamA = dialog.m_nLoopKind;
  button.m_nPassCount = dialog.m_nLoopCount;
  button.m_dLoopStart = dialog.m_dLoopStart;
  button.m_dLoopEnd = dialog.m_dLoopEnd;
  button.m_dLoopStep = dialog.m_dLoopStep;
  button.m_nRegister = std::clamp(dialog.m_nVariable + 1, 1, 6);
  Done();
  return true;
}

bool EditLink(CKavrelDoc& doc, CGCell& cell) {
  auto& button = static_cast<CGButnLink&>(cell);
  CDlgBtnLink dialog;
  dialog.m_strLabel = button.m_strName;
  dialog.m_nKind = button.IsPageLink() ? 0 : 1;
  dialog.m_strLink = button.m_strPath;
  const std::vector<WORD> pageIds = OfferPages(doc, dialog);
  const auto target = std::find(pageIds.begin(), pageIds.end(), button.m_nPageId);
  if (target != pageIds.end()) dialog.m_nPage = static_cast<int>(target - pageIds.begin());
  if (DialogProvider().DoModal(dialog) != IDOK) return true;
  TakeTypedName(button, dialog.m_strLabel);
  button.m_nSubKind = dialog.m_nKind == 0 ? CGButnLink::kPageLink : CGButnLink::kShellLink;
  button.m_strPath = dialog.m_strLink;
  if (dialog.m_nPage >= 0 && static_cast<size_t>(dialog.m_nPage) < pageIds.size())
    button.m_nPageId = pageIds[static_cast<size_t>(dialog.m_nPage)];
  Done();
  return true;
}

bool EditCommands(CKavrelDoc&, CGCell& cell) {
  auto& button = static_cast<CGButnCommand&>(cell);
  CDlgCmdBtn dialog;
  dialog.m_strLabel = button.m_strName;
  dialog.m_nDelay = button.m_nDelay;
  dialog.m_commands = button.m_commands;
  if (DialogProvider().DoModal(dialog) != IDOK) return true;
  TakeTypedName(button, dialog.m_strLabel);
  button.m_nDelay = dialog.m_nDelay;
  button.m_commands = dialog.m_commands;
  button.m_nNext = 0;
  Done();
  return true;
}

const CPropertyRows rows({
    {PropertyList::Buttons, 10, "CGButnAnimation", EditAnimation},
    {PropertyList::Buttons, 20, "CGButnMove", EditMove},
    {PropertyList::Buttons, 30, "CGButnSHide", EditShowHide},
    {PropertyList::Buttons, 40, "CGButnPresentat", EditSeries},
    {PropertyList::Buttons, 50, "CGButnLink", EditLink},
    {PropertyList::Buttons, 60, "CGButnCommand", EditCommands},
});
}  // namespace
