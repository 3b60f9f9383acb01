#include "editing/iterations/iteratecommand.h"

#include <vector>

#include "cells/dynamic/iterations/iteration.h"
#include "cells/texts/cgtextmap.h"
#include "commands/commandframe.h"
#include "editing/dialogs/iterations/iteratedialog.h"
#include "editing/iterations/iteratetexts.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/document/commandtable.h"
#include "model/globals.h"
#include "model/undo/cmdcells.h"
#include "platform/commandregistry.h"
#include "platform/commandids.h"
#include "platform/notifier.h"

namespace {
const CDocCommandRows rows({
    {ID_TRANS_ITERATE, OnTransIterate, OnUpdateTransIterate},
});

bool Refuse(const char* text, const char* caption) {
  KvMessageBox(QString::fromUtf8(text), QString::fromUtf8(caption), MB_OK | MB_ICONERROR);
  return false;
}

void MarkDescendantsOf(CGPage& page, const std::vector<WORD>& ids) {
  for (WORD id : ids)
    if (CGCell* cell = page.m_cells.Lookup(id)) cell->MarkDescendants();
}

// A new iteration hides the labels of the cells it draws; undoing it shows
// them again as they were, redoing hides them again.
class CCmdAddIterate : public CCmdAddCell {
 public:
  CCmdAddIterate(const QString& name, std::vector<WORD> relabelled)
      : CCmdAddCell(name), m_relabelled(std::move(relabelled)) {}
  BOOL Undo() override {
    if (!CCmdAddCell::Undo()) return 0;
    PutLabels(0);
    return 1;
  }
  BOOL Redo() override {
    PutLabels(1);
    return CCmdAddCell::Redo();
  }

 private:
  void PutLabels(BOOL hidden) const {
    for (WORD id : m_relabelled)
      if (CGCell* cell = g_pCurPage ? g_pCurPage->m_cells.Lookup(id) : nullptr) cell->m_bLabelHidden = hidden;
  }
  std::vector<WORD> m_relabelled;
};

// The drawn candidates (the pre-images' descendants) whose labels are shown.
std::vector<WORD> ShownLabels(CGPage& page, const std::vector<WORD>& preImages) {
  MarkDescendantsOf(page, preImages);
  std::vector<WORD> marked, shown;
  page.CollectDirtyIds(marked);
  for (WORD id : marked)
    if (const CGCell* cell = page.m_cells.Lookup(id); cell && !cell->m_bLabelHidden) shown.push_back(id);
  return shown;
}

}  // namespace

bool CheckIterationSources(CGPage& page) {
  std::vector<WORD> marked;
  MarkDescendantsOf(page, page.m_selPoints);
  for (WORD id : page.m_selValues) {
    CGCell* value = page.m_cells.Lookup(id);
    if (!value) continue;
    if (!value->m_parents.empty()) {
      page.CollectDirtyIds(marked);
      return Refuse(kTextValueNotFree, kCaptionValueNotFree);
    }
    value->MarkDescendants();
  }
  page.CollectDirtyIds(marked);

  int points = 0, values = 0;
  for (WORD id : marked) {
    const CGCell* cell = page.m_cells.Lookup(id);
    if (!cell) continue;
    const bool isPoint = cell->IsKindOf(RUNTIME_CLASS(CGVertex));
    const bool isValue = cell->IsKindOf(RUNTIME_CLASS(CGTmVariable));
    if ((isPoint || isValue) && cell->m_bSelected) return Refuse(kTextSourceConflict, kCaptionSourceConflict);
    points += isPoint ? 1 : 0;
    values += isValue ? 1 : 0;
  }
  if ((!page.m_selPoints.empty() && points == 0) || (!page.m_selValues.empty() && values == 0))
    return Refuse(kTextNoFirstImage, kCaptionNoFirstImage);
  return true;
}

void OnUpdateTransIterate(CKavrelDoc&, CCmdUI& ui) {
  const CSelectionCounts n = CountSelection();
  ui.Enable(n.P > 0 || (n.V > 0 && CountSelectedVariables() == n.V));
}

void OnTransIterate(CKavrelDoc& doc) {
  CGPage* page = g_pCurPage;
  if (!page || !CheckIterationSources(*page)) return;
  CDlgIterate dialog;
  dialog.Initialise();
  if (DialogProvider().DoModal(dialog) != IDOK) return;
  CConstruction build(doc);
  if (!build.MakeRoom(1)) return;
  const std::vector<WORD> shown = dialog.m_maps.empty() ? std::vector<WORD>{} : ShownLabels(*page, dialog.m_maps[0]);
  build.Add(new CGIterate(build.NextId(), dialog.m_nSources, dialog.m_nPointSources, dialog.m_nDepth, dialog.m_maps));
  std::vector<WORD> relabelled;
  for (WORD id : shown)
    if (const CGCell* cell = page->m_cells.Lookup(id); cell && cell->m_bLabelHidden) relabelled.push_back(id);
  build.Commit(std::make_unique<CCmdAddIterate>(QString::fromUtf8(kCmdNameIterate), std::move(relabelled)));
}
