// The colour gallery's custom colour (2027) and opacity (2028): each opens
// its dialog with the last colour or opacity, taken from the first selected
// cell, and changes the selected cells on OK.  Not recorded in the undo
// history.
#include <algorithm>

#include "cells/texts/cgtbvodtext.h"
#include "editing/dialogs/display/displaydialogs.h"
#include "editing/graphing/parametriccolor.h"
#include "model/cgpage.h"
#include "model/document/commandtable.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "model/selection.h"
#include "platform/commandids.h"
#include "platform/notifier.h"
#include "platform/uibridge.h"

namespace {
void OnCustomColor(CKavrelDoc& doc) {
  TakeColorFromSelection();
  const CColorCommandState& state = ColorCommandState();
  CDlgCustomColor dialog;
  dialog.m_crColor = static_cast<COLORREF>(state.rgb[0] | state.rgb[1] << 8 | state.rgb[2] << 16);
  if (DialogProvider().DoModal(dialog) != IDOK) return;
  if (!ApplyColorToSelection(dialog.m_crColor)) return;
  g_pCurPage->ClearSelection();
  doc.SetModifiedFlag();
  UiBridge().UpdateAllViews();
}

// Opacity in percent as an alpha byte, in single precision and truncated
// as the stored documents expect (50 gives 127).
BYTE AlphaOf(int opacity) { return static_cast<BYTE>(static_cast<float>(opacity) * 255.0f / 100.0f); }

void OnOpacity(CKavrelDoc& doc) {
  TakeColorFromSelection();
  CColorCommandState& state = ColorCommandState();
  CDlgAlpha dialog;
  dialog.m_nOpacity = state.opacity;
  dialog.m_strText = OpacityText(state.opacity);
  if (DialogProvider().DoModal(dialog) != IDOK) return;
  state.opacity = std::clamp(dialog.m_nOpacity, 0, 100);
  CGPage* page = g_pCurPage;
  if (!page) return;
  for (CGCell* cell : page->SelectedCells()) {
    cell->m_rgbaColor.a = AlphaOf(state.opacity);
    if (auto* text = dynamic_cast<CGTbVodText*>(cell)) text->RebuildTexture();
    doc.SetModifiedFlag();
  }
  page->ClearSelection();
  UiBridge().UpdateAllViews();
}

const CDocCommandRows rows({
    {kCmdCustomColor, OnCustomColor},
    {ID_COLOR28, OnOpacity},
});
}  // namespace
