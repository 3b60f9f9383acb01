// The page's automatic button, run when the page is shown: set from the
// one selected button, cleared on this page or on every page.  None of
// these records an undo step.
#include "model/cgpage.h"
#include "model/document/commandtable.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"

namespace {
void OnAutoButton(CKavrelDoc& doc) {
  CGPage* page = g_pCurPage;
  if (!page || page->m_selButtons.size() != 1) return;
  page->m_nAutoButton = page->m_selButtons.front();
  doc.SetModifiedFlag();
}

void OnUpdateAutoButton(CKavrelDoc&, CCmdUI& ui) { ui.Enable(g_pCurPage && g_pCurPage->m_selButtons.size() == 1); }

void OnAutoButtonDelete(CKavrelDoc& doc) {
  if (!g_pCurPage) return;
  g_pCurPage->m_nAutoButton = 0;
  doc.SetModifiedFlag();
}

void OnUpdateAutoButtonDelete(CKavrelDoc&, CCmdUI& ui) { ui.Enable(g_pCurPage && g_pCurPage->m_nAutoButton != 0); }

void OnAutoDeleteAll(CKavrelDoc& doc) {
  for (const auto& page : doc.m_pages) page->m_nAutoButton = 0;
  doc.SetModifiedFlag();
}

const CDocCommandRows rows({
    {ID_AUTOBTN, OnAutoButton, OnUpdateAutoButton},
    {ID_AUTOBTNDEL, OnAutoButtonDelete, OnUpdateAutoButtonDelete},
    {ID_AUTODELALL, OnAutoDeleteAll},
});
}  // namespace
