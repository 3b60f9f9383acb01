// The hull, net and cut commands: each asks its dialog first, then builds
// (commands/solids/hullcommands.h).
#include <cmath>

#include "commands/commandframe.h"
#include "commands/solids/hullcommands.h"
#include "commands/solids/hullcommandtexts.h"
#include "editing/dialogs/solids/polyhedrondialogs.h"
#include "model/cgpage.h"
#include "model/document/commandtable.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/notifier.h"

namespace {

constexpr int kSelectedPointsSet = 0;
constexpr int kBoxSet = 1;
constexpr int kFewestHullPoints = 4;

void OnPolyhedron(CKavrelDoc& doc) {
  if (!g_pCurPage) return;
  CDlgPolyhedron dialog;
  dialog.m_nDisplay = 2;
  dialog.m_nVertexSet = CountSelection().P <= 3 ? kBoxSet : kSelectedPointsSet;
  if (DialogProvider().DoModal(dialog) != IDOK) return;
  std::vector<double> points;
  if (dialog.m_nVertexSet == kSelectedPointsSet) {
    points = SelectedPointCoordinates();
    if (points.size() < 3 * kFewestHullPoints) {
      KvMessageBox(QString::fromUtf8(kTextFourPointsNeeded));
      return;
    }
  } else {
    points = PresetHullPoints(dialog.m_nVertexSet);
  }
  AddHull(doc, points, dialog.m_strLabel, dialog.m_nDisplay, dialog.m_bHideObject);
}

void OnFold(CKavrelDoc& doc) {
  const WORD hull = SelectedHull();
  if (!hull) return;
  CDlgFold dialog;
  if (DialogProvider().DoModal(dialog) != IDOK) return;
  AddNet(doc, hull, dialog.m_strLabel, dialog.m_nDisplay, dialog.m_nUnfolding, dialog.m_bHideObject);
}

void OnTiSplit(CKavrelDoc& doc) {
  const WORD hull = SelectedHull();
  if (!hull) return;
  const int faces = CountSelection().F;
  CDlgSplit dialog;
  if (faces > 0) {
    dialog.m_nPlanes = faces;
    dialog.m_strInfo = QString::fromUtf8(kTextFacePlanes);
  }
  if (DialogProvider().DoModal(dialog) != IDOK) return;
  AddCut(doc, hull, dialog.m_nPlanes, faces > 0, std::abs(dialog.m_dShift), dialog.m_nDisplay, dialog.m_strLabel);
}

const CDocCommandRows rows({
    {ID_POLYHEDRON, OnPolyhedron},
    {ID_FOLD, OnFold, OnUpdatePolyhedronOne},
    {ID_TI_SPLIT, OnTiSplit, OnUpdatePolyhedronOne},
});

}  // namespace
