// The format painter: the last selected point, line, face or circle lends
// its look to the others of its kind.
#include <memory>

#include "cells/primitives/cgarc.h"
#include "editing/restructure/restructure.h"
#include "model/cgpage.h"
#include "model/document/commandtable.h"
#include "model/document/kavreldoc.h"
#include "model/undo/cmdedits.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "platform/uibridge.h"

namespace {
void OnEditStyles(CKavrelDoc& doc) {
  CGPage* page = g_pCurPage;
  if (!page || !FitsStyles(*page)) return;
  std::unique_ptr<CCmdMatchprop> command = CCmdMatchprop::FromSelection(*page);
  if (!command) return;
  page->ClearSelection();
  CCmdMatchprop* styles = command.get();
  page->m_undo.Submit(std::move(command));
  styles->Redo();
  doc.SetModifiedFlag();
  UiBridge().UpdateAllViews();
}

void OnUpdateStyles(CKavrelDoc&, CCmdUI& ui) { ui.Enable(g_pCurPage && FitsStyles(*g_pCurPage)); }

const CDocCommandRows rows({
    {ID_EDIT_STYLES, OnEditStyles, OnUpdateStyles},
});
}  // namespace

bool FitsStyles(const CGPage& page) {
  if (!page.m_selSolids.empty() || !page.m_selTexts.empty() || !page.m_selValues.empty() ||
      !page.m_selButtons.empty() || !page.m_selOthers.empty())
    return false;
  const std::vector<WORD>* chosen = nullptr;
  for (const auto* list : {&page.m_selPoints, &page.m_selLines, &page.m_selFaces, &page.m_selPaths}) {
    if (list->empty()) continue;
    if (chosen) return false;  // two kinds
    chosen = list;
  }
  if (!chosen || chosen->size() < 2) return false;
  if (chosen == &page.m_selPaths)
    for (WORD id : page.m_selPaths) {
      const CGCell* cell = page.m_cells.Lookup(id);
      if (!cell || !cell->IsKindOf(RUNTIME_CLASS(CGArc))) return false;
    }
  return true;
}
