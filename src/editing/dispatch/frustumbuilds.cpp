#include "editing/dispatch/frustumbuilds.h"

#include <memory>
#include <utility>

#include "cells/constrained/follower.h"
#include "cells/constrained/linepoints.h"
#include "cells/constrained/turningpoints.h"
#include "cells/constructed/mirrors.h"
#include "cells/constructed/rotations.h"
#include "cells/constructed/scalings.h"
#include "cells/constructed/translations.h"
#include "cells/primitives/cgverfree.h"
#include "cells/solids/solidbuilders.h"
#include "commands/solids/solidconstruction.h"
#include "editing/dispatch/dispatchtexts.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "model/undo/cmdcells.h"
#include "platform/uibridge.h"

namespace {
constexpr float kQuarterTurn = 1.5707964f;
constexpr BYTE kMirrorInZAxis = 3;  // negates x and y
constexpr BYTE kAxisFromLine = 0;
constexpr float kBottomScale = -0.5f;
constexpr float kUprightRadius = 10.0f;
constexpr float kUprightAngle = 2.4f;
constexpr float kTopDistance = 5.0f;
constexpr float kApexHeight = 16.0f;

// A point's name and whether it is fixed; swapped with the point's own.
struct CNameState {
  QString name;
  bool fixed;
};

void SwapName(WORD id, CNameState& other) {
  CGCell* point = g_pCurPage->m_cells.Lookup(id);
  if (!point) return;
  std::swap(point->m_strName, other.name);
  std::swap(point->m_bNameFixed, other.fixed);
  point->m_bLabelStale = true;
  point->UpdateLabel();
  UiBridge().Post(UiTarget::Frame, WM_ITEM_TEXTS, 0, g_pCurPage->m_nId);
}

void Edges(CSolidConstruction& build, const WORD top[4], const WORD bottom[4]) {
  build.Loop({top[0], top[1], top[2], top[3]});
  build.Loop({bottom[0], bottom[1], bottom[2], bottom[3]});
  build.Segments({{top[0], bottom[0]}, {top[1], bottom[1]}, {top[2], bottom[2]}, {top[3], bottom[3]}});
}

// The two square faces, then the four sides.
void Faces(CSolidConstruction& build, const WORD top[4], const WORD bottom[4]) {
  build.Face({top[0], top[1], top[2], top[3]});
  build.Face({bottom[0], bottom[1], bottom[2], bottom[3]});
  for (int k = 0; k < 4; ++k) {
    const int next = (k + 1) % 4;
    build.Face({top[k], top[next], bottom[next], bottom[k]});
  }
}
}  // namespace

void BuildCentredFrustum(CKavrelDoc& doc, WORD a) {
  if (!PointOnPage(a)) return;
  CSolidConstruction build(doc);
  if (!build.MakeRoom(25, 7)) return;
  CNameState former{QStringLiteral("A"), true};
  SwapName(a, former);
  const WORD b = build.Point<CGVerRotate>(Auto(), a, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f, 0.0f, kQuarterTurn);
  const WORD c = build.Point<CGVerSymmetry>(Auto(), a, kMirrorInZAxis);
  const WORD d = build.Point<CGVerSymmetry>(Auto(), b, kMirrorInZAxis);
  const WORD top[4] = {a, b, c, d};
  WORD bottom[4];
  const char* names[4] = {"A1", "B1", "C1", "D1"};
  for (int k = 0; k < 4; ++k) bottom[k] = build.Point<CGVerScaleO>(Named(names[k]), top[(k + 2) % 4], kBottomScale);
  Edges(build, top, bottom);
  Faces(build, top, bottom);
  // The frustum's cells and the corner's renaming, undone and redone together.
  build.Frame().Commit(std::make_unique<CCmdAddCellsAndChange>(
      build.Count(), QString::fromUtf8(kCmdNameSquareFrustum), [a, former]() mutable { SwapName(a, former); }));
}

void BuildFrustumAboutLine(CKavrelDoc& doc, WORD line) {
  const CGCell* axis = g_pCurPage ? g_pCurPage->m_cells.Lookup(line) : nullptr;
  if (!axis || axis->m_parents.size() < 2) return;
  const WORD p = axis->m_parents[0], q = axis->m_parents[1];
  CSolidConstruction build(doc);
  if (!build.MakeRoom(26, 8)) return;
  const WORD a = build.Point<CGVerFreeUpright>(Auto(), p, q);
  auto* upright = static_cast<CGVerFreeUpright*>(g_pCurPage->m_cells.Lookup(a));
  upright->SetRadius(kUprightRadius);
  upright->SetAngle(kUprightAngle);
  // The frustum's other corners are made from this one: computed now, not at the edit's end.
  upright->Recalculate();
  const WORD b = build.Point<CGVerRotateX>(Auto(), a, line, kQuarterTurn, kAxisFromLine);
  const WORD c = build.Point<CGVerSymmetryP>(Auto(), a, p);
  const WORD d = build.Point<CGVerSymmetryP>(Auto(), b, p);
  const WORD a1 = build.Point<CGVerFreeParVecPP>(Auto(), q, p, a);
  build.SetDistance(a1, kTopDistance);
  const WORD b1 = build.Point<CGVerRotateX>(Auto(), a1, line, kQuarterTurn, kAxisFromLine);
  const WORD c1 = build.Point<CGVerSymmetryP>(Auto(), a1, q);
  const WORD d1 = build.Point<CGVerSymmetryP>(Auto(), b1, q);
  const WORD top[4] = {a, b, c, d};
  const WORD bottom[4] = {a1, b1, c1, d1};
  Edges(build, top, bottom);
  Faces(build, top, bottom);
  build.Commit(kCmdNameSquareFrustum);
}

void BuildStandardFrustum(CKavrelDoc& doc) {
  CSolidConstruction build(doc);
  if (!build.MakeRoom(29, 10)) return;
  const WORD p1 = build.Point<CGVerFreeXyz>(Auto(), -6.0f, -6.0f, -5.0f);
  const WORD p2 = build.Point<CGVerFreeHenchman>(Auto(), 6.0f, -6.0f, -5.0f, p1);
  const QString p4Name = build.DrawName();
  const WORD p3 = build.Point<CGVerFreeUprightEquid>(Auto(), p1, p2);
  const WORD p4 = build.Point<CGVerTranslate>(Named(p4Name), p2, p1, p3);
  const std::vector<WORD> base{p1, p2, p4, p3};
  build.Loop(base);
  const WORD face = build.Face(base);
  const WORD o = build.Point<CGVerScale>(Auto(), p1, p4, 0.5f);
  build.Hide(o, true);
  const WORD v = build.Point<CGVerFreePerpen>(Named("V"), o, p1, p2);
  build.Hide(v, true);
  build.SetDistance(v, kApexHeight);
  if (!build.Adopt(BuildFrustum(v, face))) return;
  build.Commit(kCmdNameSquareFrustum);
}
