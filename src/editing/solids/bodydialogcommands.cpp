// The component command and the component's property row: both show the
// component dialog, one to make a body, the other to change the selected one.
#include <algorithm>

#include "cells/solids/bodies/cgsubassembly.h"
#include "commands/solids/bodycommands.h"
#include "editing/dialogs/bodies/subadialog.h"
#include "editing/properties/propertycommand.h"
#include "editing/properties/propertyedits.h"
#include "editing/properties/propertyrows.h"
#include "model/cgpage.h"
#include "model/document/commandtable.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/notifier.h"

namespace {

constexpr int kOwnMaterial = 1;

CGSubassembly* SelectedBody() {
  if (!g_pCurPage || g_pCurPage->m_selOthers.size() != 1) return nullptr;
  CGCell* cell = g_pCurPage->m_cells.Lookup(g_pCurPage->m_selOthers.front());
  return cell && cell->IsKindOf(RUNTIME_CLASS(CGSubassembly)) ? static_cast<CGSubassembly*>(cell) : nullptr;
}

CBodyPlacement PlacementOf(const CCreateSubaDlg& dialog) {
  CBodyPlacement at;
  at.kind = static_cast<BYTE>(std::clamp(dialog.m_nKind, 0, CGSubassembly::kKindCount - 1));
  at.style = static_cast<BYTE>(dialog.m_nDisplay);
  at.materialMode = dialog.m_nMaterialMode;
  at.texture = std::clamp(dialog.m_nTexture, 0, CGSubassembly::kTextureCount);
  at.dragLock = dialog.m_bLock;
  std::copy(dialog.m_fCenter, dialog.m_fCenter + 3, at.centre);
  std::copy(dialog.m_fAxis, dialog.m_fAxis + 3, at.axis);
  at.turn = dialog.m_fTurn;
  std::copy(dialog.m_fScale, dialog.m_fScale + 3, at.scale);
  at.clipMode = ClipModeOf(dialog.m_bClip, dialog.m_bPlane1, dialog.m_bPlane2);
  std::copy(dialog.m_dPlane1, dialog.m_dPlane1 + 4, at.plane1);
  std::copy(dialog.m_dPlane2, dialog.m_dPlane2 + 4, at.plane2);
  return at;
}

void OnCreateSuba(CKavrelDoc& doc) {
  // The one body selected is edited, whatever else is selected with it.
  if (CGSubassembly* body = SelectedBody()) {
    EditCellProperties(doc, PropertyList::Others, *body);
    return;
  }
  CCreateSubaDlg dialog;
  dialog.ApplyOpeningRules();
  if (DialogProvider().DoModal(dialog) != IDOK) return;
  AddBody(doc, PlacementOf(dialog), [&dialog](CGSubassembly& body) {
    if (body.m_nSubKind == 0) body.m_strVodName = dialog.m_strFont;
    if (dialog.m_nMaterialMode == kOwnMaterial) body.TakeCurrentMaterial();
  });
}

bool EditBody(CKavrelDoc&, CGCell& cell) {
  auto& body = static_cast<CGSubassembly&>(cell);
  CCreateSubaDlg dialog;
  dialog.m_bNew = 0;
  dialog.m_nKind = body.m_nSubKind;
  dialog.m_nDisplay = body.m_nStyle ? 1 : 0;
  dialog.m_strLabel = body.m_strName;
  dialog.m_strFont = body.m_strVodName;
  std::copy(body.m_vCenter, body.m_vCenter + 3, dialog.m_fCenter);
  std::copy(body.m_vAxis, body.m_vAxis + 3, dialog.m_fAxis);
  std::copy(body.m_vScale, body.m_vScale + 3, dialog.m_fScale);
  dialog.m_fTurn = body.m_fTurn;
  dialog.m_bClip = body.m_nClipMode != 0;
  dialog.m_bPlane1 = (body.m_nClipMode & 1) != 0;
  dialog.m_bPlane2 = (body.m_nClipMode & 2) != 0;
  std::copy(body.m_dPlane1, body.m_dPlane1 + 4, dialog.m_dPlane1);
  std::copy(body.m_dPlane2, body.m_dPlane2 + 4, dialog.m_dPlane2);
  dialog.m_nMaterialMode = body.m_nMaterialMode;
  dialog.m_nTexture = body.m_nTexture;
  dialog.m_bLock = body.m_nDragLock;
  dialog.ApplyOpeningRules();
  if (DialogProvider().DoModal(dialog) != IDOK) return true;
  const CBodyPlacement at = PlacementOf(dialog);
  if (at.kind != body.m_nSubKind) body.ReleaseTextLists();
  // A new style or font needs the text's lists built anew, as a new text does.
  if (at.style != body.m_nStyle || dialog.m_strFont != body.m_strVodName) body.m_bLabelStale = true;
  body.m_nSubKind = at.kind;
  body.m_nStyle = at.style;
  TakeTypedName(body, dialog.m_strLabel);
  body.m_strVodName = dialog.m_strFont;
  std::copy(at.centre, at.centre + 3, body.m_vCenter);
  std::copy(at.axis, at.axis + 3, body.m_vAxis);
  std::copy(at.scale, at.scale + 3, body.m_vScale);
  body.m_fTurn = at.turn;
  body.m_nClipMode = at.clipMode;
  std::copy(at.plane1, at.plane1 + 4, body.m_dPlane1);
  std::copy(at.plane2, at.plane2 + 4, body.m_dPlane2);
  body.m_nMaterialMode = at.materialMode;
  body.m_nTexture = at.texture;
  body.m_nDragLock = at.dragLock;
  if (g_pCurPage) PostItemTexts(*g_pCurPage);
  return true;
}

const CDocCommandRows rows({
    {ID_CREATE_SUBA, OnCreateSuba},
});

const CPropertyRows propertyRows({
    {PropertyList::Others, 20, "CGSubassembly", EditBody},
});

}  // namespace
