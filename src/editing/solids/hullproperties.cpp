// The property rows of hulls, nets and stepwise cuts: each opens its own
// dialog on the cell and writes the fields back on OK.
#include <algorithm>
#include <cmath>

#include "cells/solids/cgpolyhedron.h"
#include "cells/solids/nets/cgfold.h"
#include "cells/solids/nets/cgsplit.h"
#include "editing/dialogs/solids/polyhedrondialogs.h"
#include "editing/properties/propertyedits.h"
#include "editing/properties/propertyrows.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "platform/notifier.h"

namespace {

void Finish(CGCell& cell, const QString& name) {
  TakeTypedName(cell, name);
  if (g_pCurPage) PostItemTexts(*g_pCurPage);
}

bool EditHull(CKavrelDoc&, CGCell& cell) {
  CDlgPolyhedron dialog;
  dialog.m_bNew = 0;
  dialog.m_nDisplay = cell.m_nStyle;
  dialog.m_bHideObject = cell.m_bHidden;
  dialog.m_strLabel = cell.m_strName;
  if (DialogProvider().DoModal(dialog) != IDOK) return true;
  cell.m_nStyle = static_cast<BYTE>(dialog.m_nDisplay);
  cell.m_bHidden = dialog.m_bHideObject;
  Finish(cell, dialog.m_strLabel);
  return true;
}

bool EditNet(CKavrelDoc&, CGCell& cell) {
  auto& net = static_cast<CGFold&>(cell);
  CDlgFold dialog;
  dialog.m_nDisplay = net.m_nStyle;
  dialog.m_nUnfolding = net.m_nUnfoldMode;
  dialog.m_bHideObject = net.m_bHidden;
  dialog.m_strLabel = net.m_strName;
  if (DialogProvider().DoModal(dialog) != IDOK) return true;
  net.m_nStyle = static_cast<BYTE>(dialog.m_nDisplay);
  net.m_nUnfoldMode = dialog.m_nUnfolding;
  net.m_bHidden = dialog.m_bHideObject;
  Finish(net, dialog.m_strLabel);
  return true;
}

bool EditCut(CKavrelDoc&, CGCell& cell) {
  auto& cut = static_cast<CGSplit&>(cell);
  CDlgSplit dialog;
  dialog.m_bNew = 0;
  dialog.m_bCountFixed = cut.m_bPlanesFromFaces ? 1 : 0;
  dialog.m_strInfo = QString::fromUtf8(kTextFacePlanes);
  dialog.m_strLabel = cut.m_strName;
  dialog.m_nDisplay = cut.m_nStyle;
  dialog.m_nPlanes = cut.m_nPlanes;
  dialog.m_dShift = cut.m_dDistance;
  if (DialogProvider().DoModal(dialog) != IDOK) return true;
  cut.m_nStyle = static_cast<BYTE>(dialog.m_nDisplay);
  // The faces a cut follows bound its plane count.
  const int faces = static_cast<int>(cut.m_parents.size()) - 1;
  cut.m_nPlanes = cut.m_bPlanesFromFaces ? std::clamp(dialog.m_nPlanes, 1, std::max(1, faces))
                                         : std::clamp(dialog.m_nPlanes, 1, CGSplit::kMostPlanes);
  cut.m_dDistance = std::abs(dialog.m_dShift);
  Finish(cut, dialog.m_strLabel);
  return true;
}

const CPropertyRows rows({
    {PropertyList::Others, 30, "CGPolyhedron", EditHull},
    {PropertyList::Others, 40, "CGFold", EditNet},
    {PropertyList::Others, 50, "CGSplit", EditCut},
});

}  // namespace
