// The 3DS model's property row: its dialog shows the file and edits the
// centre, the scale, the display mode and the hidden flag.
#include "cells/solids/model3ds/cgmodel3ds.h"
#include "editing/dialogs/models/model3dsdialog.h"
#include "editing/properties/propertyrows.h"
#include "platform/notifier.h"

namespace {

bool EditModel(CKavrelDoc&, CGCell& cell) {
  auto& model = static_cast<CGModel3ds&>(cell);
  CDlg3ds dialog;
  dialog.m_nDisplayMode = model.m_nStyle;
  dialog.m_bHidden = model.m_bHidden;
  dialog.m_strFilePath = model.FilePath;
  dialog.m_fScale = model.Scale;
  dialog.m_fX = model.Position[0];
  dialog.m_fY = model.Position[1];
  dialog.m_fZ = model.Position[2];
  if (DialogProvider().DoModal(dialog) != IDOK) return true;
  model.m_bHidden = dialog.m_bHidden;
  model.Scale = dialog.m_fScale;
  model.Position[0] = dialog.m_fX;
  model.Position[1] = dialog.m_fY;
  model.Position[2] = dialog.m_fZ;
  model.m_nStyle = static_cast<BYTE>(dialog.m_nDisplayMode);
  return true;
}

const CPropertyRows rows({
    {PropertyList::Others, 60, "CGModel3ds", EditModel},
});

}  // namespace
