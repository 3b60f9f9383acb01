#include "commands/circlecommands.h"

#include <functional>

#include "cells/constructed/circlepoints.h"
#include "cells/primitives/arcsbypoints.h"
#include "commands/commandframe.h"
#include "commands/commandtexts.h"
#include "model/cgpage.h"
#include "model/document/commandtable.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"

namespace {
bool ThreePointsOnly() {
  const CSelectionCounts n = CountSelection();
  return n.P == 3 && n.T == 3;
}

using MakeCircle = std::function<CGCell*(WORD id, WORD first, WORD second, WORD third)>;

void CreateCircle(CKavrelDoc& doc, const char* label, const MakeCircle& make) {
  if (!ThreePointsOnly()) return;
  CConstruction build(doc);
  if (!build.MakeRoom(1)) return;
  const std::vector<WORD>& p = g_pCurPage->m_selPoints;
  build.Add(make(build.NextId(), p[0], p[1], p[2]));
  build.Commit(QString::fromUtf8(label));
}

void OnCreateCircleArc(CKavrelDoc& doc) {
  if (!CircleAndTwoPoints()) return;
  const std::vector<WORD> p = SelectedPoints();
  const WORD circle = SelectedCircle();
  CConstruction build(doc);
  if (!build.MakeRoom(1)) return;
  build.Add(new CGArcInCircle(build.NextId(), p[0], p[1], circle));
  build.Commit(QString::fromUtf8(kCmdNameArcOnCircle));
}

const CDocCommandRows rows({
    {ID_CREATE_CIRCLE_ARC, OnCreateCircleArc, OnUpdateCircleAndTwoPoints},
    {ID_CREATE_CIRCLE_3P, OnCreateCircle3p, OnUpdateCreateCircle3p},
    {ID_CREATE_CIRCLE_CP, OnCreateCircleCp, OnUpdateCreateCircle3p},
    {kCmdCreateCirclePointN, OnCreateCirclePointN, OnUpdateCreateCircle3p},
});
}  // namespace

void OnCreateCircle3p(CKavrelDoc& doc) {
  CreateCircle(doc, kCmdNameCircle3P, [](WORD id, WORD a, WORD b, WORD c) {
    return new CGArcCircle3P(id, a, b, c, kArcCircle);
  });
}

void OnCreateCircleCp(CKavrelDoc& doc) {
  CreateCircle(doc, kCmdNameCircleCP, [](WORD id, WORD centre, WORD a, WORD b) {
    return new CGArcCenterP(id, centre, a, b, kArcCircle);
  });
}

void OnCreateCirclePointN(CKavrelDoc& doc) {
  CreateCircle(doc, kCmdNameCirclePointN, [](WORD id, WORD centre, WORD onCircle, WORD axis) {
    return new CGArcPointN(id, centre, onCircle, axis, kArcCircle, 0);
  });
}

void OnUpdateCreateCircle3p(CKavrelDoc&, CCmdUI& ui) { ui.Enable(ThreePointsOnly()); }
