#include "editing/labels/labelcommand.h"

#include <vector>

#include "cells/texts/cgtbvodtext.h"
#include "cells/texts/cgtextmap.h"
#include "editing/labels/captionlabels.h"
#include "editing/labels/labelproperties.h"
#include "editing/labels/labeltexts.h"
#include "editing/properties/propertyedits.h"
#include "model/cgpage.h"
#include "model/document/commandtable.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "platform/commandregistry.h"
#include "platform/commandids.h"
#include "platform/notifier.h"
#include "platform/uibridge.h"

namespace {
// Where the edited cell is looked for: the head of the first of these lists
// that holds anything.
const std::vector<WORD> CGPage::* const kListsInOrder[] = {
    &CGPage::m_selPoints, &CGPage::m_selLines, &CGPage::m_selFaces,   &CGPage::m_selSolids, &CGPage::m_selPaths,
    &CGPage::m_selTexts,  &CGPage::m_selValues, &CGPage::m_selButtons, &CGPage::m_selOthers,
};

CGCell* EditedCell(const CGPage& page) {
  for (const std::vector<WORD> CGPage::*list : kListsInOrder)
    if (!(page.*list).empty()) return page.m_cells.Lookup((page.*list).front());
  return nullptr;
}

// A formula text standing alone; one attached to a point labels it and so
// gets the label dialog.
CGTbVodText* LoneFormulaText(CGCell* cell) {
  if (!cell || dynamic_cast<CGTbMhc*>(cell)) return nullptr;
  return dynamic_cast<CGTbVodText*>(cell);
}

// Yes inverts, text by text, whether each selected formula text scales
// with the view; one that starts scaling gets its texture when it has none.
void AskTextScaling(CGPage& page) {
  const int answer = KvMessageBox(QString::fromUtf8(kTextAskTextScaling), QString::fromUtf8(kCaptionAskTextScaling),
                                  MB_YESNO | MB_ICONQUESTION);
  if (answer != IDYES) return;
  for (WORD id : page.m_selTexts) {
    CGTbVodText* text = LoneFormulaText(page.m_cells.Lookup(id));
    if (!text) continue;
    text->m_dwScalesWithView = text->m_dwScalesWithView ? 0 : 1;
    if (text->m_dwScalesWithView && text->m_texture.Name() == 0) text->RebuildTexture();
  }
}

void EnableWithSelection(CKavrelDoc& doc, CCmdUI& ui) { ui.Enable(doc.OnUpdateNeedSelection()); }

const CDocCommandRows rows({
    {ID_EDIT_LABELMOD, OnEditLabelmod, EnableWithSelection},
});
}  // namespace

void OnEditLabelmod(CKavrelDoc& doc) {
  CGPage* page = g_pCurPage;
  CGCell* cell = page ? EditedCell(*page) : nullptr;
  if (!cell) return;
  if (auto* caption = dynamic_cast<CGTextmap*>(cell))
    EditCaptionLabel(*page, *caption);
  else if (LoneFormulaText(cell))
    AskTextScaling(*page);
  else
    EditSelectionLabelProperties(*page, *cell);
  PostItemTexts(*page);
  doc.SetModifiedFlag();
  UiBridge().UpdateAllViews();
}
