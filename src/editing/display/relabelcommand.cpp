// Renaming the selected points in a row: the points take the page's next
// automatic names from a chosen letter and suffix on, in the order they were
// selected, and the cells named after them follow.  Not recorded in the undo
// history; the document is marked modified so the names are not lost.
#include "editing/dialogs/display/displaydialogs.h"
#include "editing/properties/propertyedits.h"
#include "model/cgpage.h"
#include "model/document/commandtable.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/notifier.h"
#include "platform/commandregistry.h"
#include "platform/uibridge.h"

namespace {
BYTE FirstLatin1(const QString& text, BYTE fallback) {
  return text.isEmpty() || text.at(0).unicode() > 0xFF ? fallback : static_cast<BYTE>(text.at(0).unicode());
}

void OnEditLabel(CKavrelDoc& doc) {
  CGPage* page = g_pCurPage;
  if (!page) return;
  CDlgLabel dialog;
  if (DialogProvider().DoModal(dialog) != IDOK) return;
  page->m_chNameLetter = FirstLatin1(dialog.m_strLetter, 'A');
  page->m_chNameSuffix = FirstLatin1(dialog.m_strSuffix, ' ');
  for (WORD id : page->m_selPoints) {
    CGCell* point = page->m_cells.Lookup(id);
    if (!point) continue;
    point->m_strName = page->GetNewName(1);
    point->m_bLabelStale = true;
    if (dialog.m_bShowLabels) point->m_bLabelHidden = 0;
    point->MarkDescendants();
  }
  // The cells named after the points take their names again; the edit's
  // end computes them.
  page->CollectDirtyIds(page->m_dirtyIds);
  page->UpdateLabels(page->m_dirtyIds);
  PostItemTexts(*page);
  doc.SetModifiedFlag();
  UiBridge().UpdateAllViews();
}

const CDocCommandRows rows({
    {ID_EDIT_LABEL, OnEditLabel, [](CKavrelDoc& doc, CCmdUI& ui) { ui.Enable(doc.OnUpdateNeedSelection()); }},
});
}  // namespace
