// Selecting all cells or all visible cells of one kind, the parents or the
// children of the selection, or the page itself.  The object list mirrors
// the change through the selection message; the document is not modified.
#include "model/cgpage.h"
#include "model/document/commandtable.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "model/selection.h"
#include "platform/commandids.h"
#include "platform/uibridge.h"

namespace {
// Message codes of the selection message (0x810) for the object list.
enum SelectionCode { kAllSelected = 3, kPageSelected = 4, kPointsSelected = 5, kLinesSelected = 6,
                     kFacesSelected = 7, kCirclesSelected = 8, kParentsSelected = 9, kChildrenSelected = 10 };

LPARAM PageDatum(const CGPage& page) { return 40000 + page.m_nId; }

template <int kind, int code>
void SelectKind(CKavrelDoc&) {
  CGPage* page = g_pCurPage;
  if (!page) return;
  SelectAllOfKind(kind);
  // The visible-kind commands tell the list only when something is selected.
  if (kind == 0 || !page->m_selAll.empty()) UiBridge().Post(UiTarget::Frame, WM_SELECTION_CHANGED, code, PageDatum(*page));
  UiBridge().UpdateAllViews();
}

template <void (*select)(), int code>
void SelectLinked(CKavrelDoc&) {
  CGPage* page = g_pCurPage;
  if (!page) return;
  select();
  UiBridge().Post(UiTarget::Frame, WM_SELECTION_CHANGED, code, PageDatum(*page));
  UiBridge().UpdateAllViews();
}

void SelectPage(CKavrelDoc&) {
  CGPage* page = g_pCurPage;
  if (!page) return;
  page->m_bSelected = 1;
  UiBridge().Send(UiTarget::Frame, WM_SELECTION_CHANGED, kPageSelected, PageDatum(*page));
  UiBridge().UpdateAllViews();
}

const CDocCommandRows rows({
    {ID_EDIT_SELECT_ALL, SelectKind<0, kAllSelected>},
    {ID_SELECT_POINT, SelectKind<1, kPointsSelected>},
    {ID_SELECT_LINE, SelectKind<2, kLinesSelected>},
    {ID_SELECT_FACE, SelectKind<3, kFacesSelected>},
    {kCmdSelectCircles, SelectKind<4, kCirclesSelected>},
    {ID_SELECT_PARENTS, SelectLinked<SelectParents, kParentsSelected>},
    {ID_SELECT_CHILDREN, SelectLinked<SelectChildren, kChildrenSelected>},
    {ID_SELECT_PAGE, SelectPage},
});
}  // namespace
