#include "editing/buttons/actionbuttoncommands.h"

#include <typeinfo>

#include "cells/constrained/follower.h"
#include "cells/constrained/linepoints.h"
#include "cells/constrained/turningpoints.h"
#include "cells/constructed/follower2d.h"
#include "cells/constructed/paths/combinedpaths.h"
#include "cells/constructed/paths/compoundpaths.h"
#include "cells/dynamic/buttons/animationbutton.h"
#include "cells/dynamic/buttons/commandbutton.h"
#include "cells/dynamic/buttons/linkbutton.h"
#include "cells/dynamic/buttons/movebutton.h"
#include "cells/dynamic/buttons/showhidebutton.h"
#include "cells/dynamic/parameters/userparameter.h"
#include "cells/dynamic/paths/curve.h"
#include "cells/dynamic/paths/locus.h"
#include "cells/dynamic/paths/pathpoints.h"
#include "cells/primitives/cgverfree.h"
#include "cells/primitives/cgverfreeincircle.h"
#include "cells/primitives/cgverfreeinface.h"
#include "cells/primitives/cgverfreeinline.h"
#include "cells/solids/nets/cgfold.h"
#include "cells/solids/nets/cgsplit.h"
#include "commands/commandframe.h"
#include "editing/buttons/actionbuttontexts.h"
#include "editing/dialogs/buttons/actionbuttondialogs.h"
#include "model/cgbutton.h"
#include "model/cgpage.h"
#include "model/document/commandtable.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/notifier.h"

namespace {
constexpr float kFullTurn = 6.2831855f;
constexpr float kFiveDegrees = 0.08726646f;
constexpr float kLongRange = 10.0f;

template <class... T>
bool IsAny(const CGCell* cell) {
  return ((dynamic_cast<const T*>(cell) != nullptr) || ...);
}

CGCell* FirstOf(const std::vector<WORD> CGPage::*list) {
  CGPage* page = g_pCurPage;
  if (!page || (page->*list).empty()) return nullptr;
  return page->m_cells.Lookup((page->*list).front());
}

// --- Show/hide ---------------------------------------------------------
bool ShowHideFits() {
  const CGPage* page = g_pCurPage;
  return page && (!page->m_selAll.empty() || page->m_bSelected);
}

// --- Animation ---------------------------------------------------------
bool AnimatedPoint(const CGCell* cell) {
  return dynamic_cast<const CGVerFree*>(cell) &&
         !IsAny<CGVerFreeXyz, CGVerFreeHenchman, CGVerFree2dHenchman, CGVerFreeUpright>(cell);
}

bool AnimationFits() {
  const CSelectionCounts n = CountSelection();
  if (n.P == 1) return AnimatedPoint(FirstOf(&CGPage::m_selPoints));
  if (n.V == 1) return dynamic_cast<CGTmVarParameter*>(FirstOf(&CGPage::m_selValues)) != nullptr;
  if (n.O == 1) return IsAny<CGFold, CGSplit>(FirstOf(&CGPage::m_selOthers));
  return false;
}

// What the animation drives and the range offered for it; walk 1 or 2 for
// a point walking in a face or plane.
struct CAnimationPlan {
  CGCell* driven = nullptr;
  float from = 0;
  float to = 1.0f;
  float step = 0.1f;
  BYTE walk = CGButnAnimation::kStepping;
};

void PlanPointRange(CGCell* point, CAnimationPlan& plan) {
  if (IsAny<CGVerFreeInCircle, CGVerFreeEquilateral, CGVerFreeUprightEquid>(point)) {
    plan.to = kFullTurn;
    plan.step = kFiveDegrees;
  } else if (IsAny<CGVerFreePerpen, CGVerFreeParVector>(point)) {
    plan.to = kLongRange;
  } else if (dynamic_cast<CGVerFreeInCurve*>(point)) {
    if (const auto* curve = point->ParentAs<CGCurve>(0)) {
      plan.from = static_cast<float>(curve->ParamStart);
      plan.to = static_cast<float>(curve->ParamEnd);
      if (plan.from > plan.to) plan.from = 0, plan.to = kLongRange;
    }
  } else if (dynamic_cast<CGVerFreeInLocus*>(point)) {
    if (const auto* locus = point->ParentAs<CGLocus>(0)) plan.from = locus->ParamStart, plan.to = locus->ParamEnd;
  } else if (const auto* border = dynamic_cast<CGVerFreeInBorder*>(point)) {
    plan.to = static_cast<float>(border->Pieces);
  } else if (dynamic_cast<CGVerFreeInPaths*>(point)) {
    plan.to = 1.0f;
  } else if (dynamic_cast<CGVerFreeInFace*>(point)) {
    plan.walk = CGButnAnimation::kWalkInFace;
  } else if (dynamic_cast<CGVerFreeInPlane*>(point)) {
    plan.walk = CGButnAnimation::kWalkInPlane;
  }
}

// A net runs from spread out (1) to folded (2), or, folding level by level,
// to one past its deepest level (as the net's own button does); a cut from
// whole to every plane cut.
bool PlanOtherRange(CGCell* cell, CAnimationPlan& plan) {
  if (const auto* fold = dynamic_cast<CGFold*>(cell)) {
    plan.from = 1.0f;
    plan.to = fold->m_nUnfoldMode == CGFold::kAllAtOnce ? 2.0f : static_cast<float>(fold->DeepestLevel + 1);
    return true;
  }
  if (const auto* split = dynamic_cast<CGSplit*>(cell)) {
    plan.to = static_cast<float>(split->m_nPlanes);
    return true;
  }
  return false;
}

bool PlanAnimation(CAnimationPlan& plan) {
  const CSelectionCounts n = CountSelection();
  if (n.P == 1) {
    plan.driven = FirstOf(&CGPage::m_selPoints);
    if (plan.driven) PlanPointRange(plan.driven, plan);
  } else if (n.V == 1) {
    plan.driven = FirstOf(&CGPage::m_selValues);
  } else if (n.O == 1) {
    plan.driven = FirstOf(&CGPage::m_selOthers);
    if (plan.driven && !PlanOtherRange(plan.driven, plan)) plan.driven = nullptr;
  }
  return plan.driven != nullptr;
}

// A range animation from the dialog; null on Cancel.
CGButnAnimation* AskRange(CConstruction& build, const CAnimationPlan& plan) {
  CDlgBtnAnimation dialog;
  dialog.m_strLabel = QString::fromUtf8(kLabelAnimation);
  dialog.m_strObject = plan.driven->GetDescription();
  dialog.m_fFrom = plan.from;
  dialog.m_fTo = plan.to;
  dialog.m_fStep = plan.step;
  dialog.m_nSpeed = kAnimationSpeeds.IndexOf(plan.step);
  if (dialog.m_nSpeed == CSpeedChoice::kCustom) dialog.m_fCustom = plan.step;
  if (DialogProvider().DoModal(dialog) != IDOK) return nullptr;
  if (!build.MakeRoom(1)) return nullptr;
  auto* button = new CGButnAnimation(build.NextId(), dialog.m_strLabel, plan.driven->m_nId, dialog.m_fFrom,
                                     dialog.m_fTo, dialog.m_nDirection, dialog.m_nPlayCount, dialog.m_fStep, 0);
  button->SetPauseSeconds(dialog.m_fPause);
  button->m_nSubKind = CGButnAnimation::kStepping;
  return button;
}

// A point's walk in its face or plane: the duration in frames is the
// end, the step its speed.
CGButnAnimation* AskWalk(CConstruction& build, const CAnimationPlan& plan) {
  CDlgBtnAnimation2 dialog;
  dialog.m_strLabel = QString::fromUtf8(kLabelAnimation);
  dialog.m_strObject = plan.driven->GetDescription();
  if (DialogProvider().DoModal(dialog) != IDOK) return nullptr;
  if (!build.MakeRoom(1)) return nullptr;
  auto* button = new CGButnAnimation(build.NextId(), dialog.m_strLabel, plan.driven->m_nId, 0,
                                     dialog.m_fDuration, CGButnAnimation::kForward, 0, dialog.m_fStep, 0);
  button->m_nSubKind = plan.walk;
  return button;
}

// --- Move ----------------------------------------------------------------
bool MoveFits() {
  const CSelectionCounts n = CountSelection();
  if (n.P != 2) return false;
  const CGCell* first = FirstOf(&CGPage::m_selPoints);
  if (IsAny<CGVerFreeXyz, CGVerFree2dHenchman, CGVerFreeHenchman>(first)) return true;
  return dynamic_cast<const CGVerFree*>(first) &&
         !IsAny<CGVerFreeUpright, CGVerFreeInPaths, CGVerFreeInBorder>(first);
}

// The carrier the move button drives the point along; -1: none.
int MoveMode(const CGCell* point) {
  if (dynamic_cast<const CGVerFreeInLine*>(point)) return 1;
  if (IsAny<CGVerFreeXyz, CGVerFreeHenchman>(point)) return 0;
  if (dynamic_cast<const CGVerFreeInCircle*>(point)) return 2;
  if (dynamic_cast<const CGVerFreeInCurve*>(point)) return 3;
  if (dynamic_cast<const CGVerFreeInLocus*>(point)) return 4;
  if (dynamic_cast<const CGVerFreeInFace*>(point)) return 5;
  if (dynamic_cast<const CGVerFreeInPlane*>(point)) return 6;
  if (dynamic_cast<const CGVerFree2dHenchman*>(point)) return 8;
  return -1;
}

QString PointText(CGCell& point) { return point.m_strName + QString::fromUtf8(kNameSeparator) + point.GetDescription(); }

// --- Series --------------------------------------------------------------
bool SeriesFits() { return CountSelection().B >= 2; }

void TakeLoop(CGButnPresentat& button, const CDlgBtnPresentat& dialog) {
  button.m_nParamA = dialog.m_nLoopKind;
  if (dialog.m_nLoopKind == CGButnPresentat::kFixedCount) button.m_nPassCount = dialog.m_nLoopCount;
  if (dialog.m_nLoopKind >= CGButnPresentat::kForLoop) button.m_nRegister = dialog.m_nVariable + 1;
  if (dialog.m_nLoopKind == CGButnPresentat::kForLoop) {
    button.m_dLoopStart = dialog.m_dLoopStart;
    button.m_dLoopEnd = dialog.m_dLoopEnd;
    button.m_dLoopStep = dialog.m_dLoopStep;
  }
}

const CDocCommandRows rows({
    {ID_EDIT_BTN_HIDESHOW, OnEditBtnHideshow, EnableWhen<ShowHideFits>},
    {ID_EDIT_BTN_ANIMATION, OnEditBtnAnimation, EnableWhen<AnimationFits>},
    {ID_EDIT_BTN_MOVE, OnEditBtnMove, EnableWhen<MoveFits>},
    {ID_EDIT_BTN_PRESENTAT, OnEditBtnPresentat, EnableWhen<SeriesFits>},
    {ID_EDIT_BTN_LINK, OnEditBtnLink},
    {ID_EDIT_BTN_MEDIA, OnEditBtnMedia},
});
}  // namespace

std::vector<WORD> OfferPages(const CKavrelDoc& doc, CDlgBtnLink& dialog) {
  std::vector<WORD> pageIds;
  for (const auto& page : doc.m_pages) {
    dialog.m_pageNames << page->m_strName;
    pageIds.push_back(page->m_nId);
  }
  return pageIds;
}

bool MoveButtonCarries(const CGCell* point) { return MoveMode(point) >= 0; }

void OnEditBtnHideshow(CKavrelDoc& doc) {
  if (!g_pCurPage) return;
  CConstruction build(doc);
  if (!build.MakeRoom(1)) return;
  build.Add(new CGButnSHide(build.NextId()));
  build.Commit(QString::fromUtf8(kCmdNameShowHideButton));
}

void OnEditBtnAnimation(CKavrelDoc& doc) {
  CAnimationPlan plan;
  if (!PlanAnimation(plan)) return;
  CConstruction build(doc);
  CGButnAnimation* button = plan.walk == CGButnAnimation::kStepping ? AskRange(build, plan) : AskWalk(build, plan);
  if (!button) return;
  build.Add(button);
  build.Commit(QString::fromUtf8(kCmdNameAnimationButton));
}

void OnEditBtnMove(CKavrelDoc& doc) {
  const std::vector<WORD> points = SelectedPoints();
  if (points.size() < 2 || !g_pCurPage) return;
  CGCell* moving = g_pCurPage->m_cells.Lookup(points[0]);
  CGCell* target = g_pCurPage->m_cells.Lookup(points[1]);
  if (!moving || !target) return;
  CDlgBtnMove dialog;
  dialog.m_strMoving = PointText(*moving);
  dialog.m_strTarget = PointText(*target);
  dialog.m_strLabel = moving->m_strName + QString::fromUtf8(kMoveArrow) + target->m_strName;
  if (DialogProvider().DoModal(dialog) != IDOK) return;
  const int mode = MoveMode(moving);
  if (mode < 0) {
    KvMessageBox(QString::fromUtf8(kTextCannotMove), QString(), MB_OK);
    return;
  }
  CConstruction build(doc);
  if (!build.MakeRoom(1)) return;
  build.Add(new CGButnMove(build.NextId(), dialog.m_strLabel, moving->m_nId, target->m_nId, dialog.m_fStep,
                           static_cast<BYTE>(mode)));
  build.Commit(QString::fromUtf8(kCmdNameMoveButton));
}

void OnEditBtnPresentat(CKavrelDoc& doc) {
  if (!g_pCurPage) return;
  CDlgBtnPresentat dialog;
  dialog.m_strLabel = QString::fromUtf8(kLabelSeries);
  if (DialogProvider().DoModal(dialog) != IDOK) return;
  CConstruction build(doc);
  if (!build.MakeRoom(1)) return;
  auto* button = build.Add(new CGButnPresentat(build.NextId(), dialog.m_strLabel, dialog.m_nOrder, dialog.m_fPause));
  TakeLoop(*button, dialog);
  build.Commit(QString::fromUtf8(kCmdNameSeriesButton));
}

void OnEditBtnLink(CKavrelDoc& doc) {
  if (!g_pCurPage) return;
  CDlgBtnLink dialog;
  dialog.m_strLabel = QString::fromUtf8(kLabelLink);
  // The names and ids as offered: the answer's index is read against these.
  const std::vector<WORD> pageIds = OfferPages(doc, dialog);
  const QStringList names = dialog.m_pageNames;
  if (DialogProvider().DoModal(dialog) != IDOK) return;
  const bool pageChosen = dialog.m_nPage >= 0 && static_cast<size_t>(dialog.m_nPage) < pageIds.size();
  const WORD pageId = pageChosen ? pageIds[static_cast<size_t>(dialog.m_nPage)] : 0;
  if (dialog.m_nKind == CGButnLink::kPageLink && pageChosen)
    dialog.m_strLabel = names[dialog.m_nPage];
  CConstruction build(doc);
  if (!build.MakeRoom(1)) return;
  build.Add(new CGButnLink(build.NextId(), dialog.m_strLabel, static_cast<BYTE>(dialog.m_nKind), pageId,
                           dialog.m_strLink));
  build.Commit(QString::fromUtf8(kCmdNameLinkButton));
}

void OnEditBtnMedia(CKavrelDoc& doc) {
  if (!g_pCurPage) return;
  CDlgCmdBtn dialog;
  if (DialogProvider().DoModal(dialog) != IDOK || dialog.m_commands.empty()) return;
  CConstruction build(doc);
  if (!build.MakeRoom(1)) return;
  build.Add(new CGButnCommand(build.NextId(), dialog.m_strLabel, dialog.m_commands, dialog.m_nDelay));
  build.Commit(QString::fromUtf8(kCmdNameCommandButton).arg(dialog.m_strLabel));
}
