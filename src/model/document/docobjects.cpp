// Names and places the object list asks the document about: the name of a
// page or cell by item id, renaming, and moving the current page.
#include <algorithm>

#include "model/cellmap.h"
#include "model/cgcell.h"
#include "model/cgpage.h"
#include "model/document/doctexts.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "platform/editscope.h"
#include "platform/uibridge.h"

namespace {
CGCell* CellOfItem(TreeItemKind kind, WORD id) {
  return kind == TreeItemKind::Cell && g_pCurCells ? g_pCurCells->Lookup(id) : nullptr;
}
}  // namespace

QString CKavrelDoc::GetObjectName(TreeItemKind kind, WORD id) const {
  if (kind == TreeItemKind::Page) {
    const CGPage* page = FindPageById(id);
    return page ? page->m_strName : QString();
  }
  const CGCell* cell = CellOfItem(kind, id);
  return cell ? cell->m_strName : QString();
}

bool CKavrelDoc::RenameObject(TreeItemKind kind, WORD id, const QString& name) {
  // An edit of its own: the name may be committed by a click elsewhere
  // (the field losing the focus), which is no edit of the view's.
  const CEditScope edit;
  if (kind == TreeItemKind::Page) {
    CGPage* page = FindPageById(id);
    if (!page) return false;
    page->m_strName = name;
    if (page == g_pCurPage) SetStatusBarText(QString::fromUtf8(kTextCurrentPage) + name, 2);
  } else {
    CGCell* cell = CellOfItem(kind, id);
    if (!cell) return false;
    cell->m_bNameFixed = true;
    cell->m_strName = name;
    cell->m_bLabelStale = true;
    // Dependants build their labels from their parents' names ("AB"
    // follows "A"); a value's caption shows the new name when the edit's
    // end computes it.
    cell->MarkDescendants();
    CGPage* page = g_pCurPage;
    page->CollectDirtyIds(page->m_dirtyIds);
    page->UpdateLabels(page->m_dirtyIds);
  }
  SetModifiedFlag(true);
  UiBridge().UpdateAllViews();
  return true;
}

bool CKavrelDoc::MovePage(int n) {
  auto& pages = m_pages;
  const auto it = std::find_if(pages.begin(), pages.end(), [](const auto& p) { return p.get() == g_pCurPage; });
  if (it == pages.end() || n == 0) return false;
  const auto from = it - pages.begin();
  const auto to = from + n;
  if (to < 0 || to >= static_cast<std::ptrdiff_t>(pages.size())) return false;
  if (n > 0)
    std::rotate(pages.begin() + from, pages.begin() + from + 1, pages.begin() + to + 1);
  else
    std::rotate(pages.begin() + to, pages.begin() + from, pages.begin() + from + 1);
  SetModifiedFlag(true);
  return true;
}
