// Moving between the pages of the document, and the object list's clicks.
#include <algorithm>
#include <new>

#include "model/cgbutton.h"
#include "model/cgcell.h"
#include "model/cgpage.h"
#include "model/document/docservices.h"
#include "model/document/doctexts.h"
#include "model/document/kavreldoc.h"
#include "model/document/usertool.h"
#include "model/globals.h"
#include "model/runningbuttons.h"
#include "model/selection.h"
#include "model/undo/cmdcells.h"
#include "model/viewstate.h"
#include "platform/notifier.h"
#include "platform/uibridge.h"

namespace {
constexpr UINT kWmCommand = 0x0111;
}  // namespace

bool EndPendingTool(CGPage& page) {
  QString name;
  if (page.m_pToolRecord && page.m_pToolRecord->IsKindOf(RUNTIME_CLASS(CRecord)))
    name = static_cast<const CRecord&>(*page.m_pToolRecord).m_strName;
  const int done = page.EndToolInstance();
  if (done > 0) {
    page.m_undo.Submit(std::make_unique<CCmdAddCells>(done, QString::fromUtf8(kCmdNameUseTool) + name));
    return true;
  }
  if (done == -1) {
    if (CCmd* command = page.m_undo.CurrentCommand()) command->SetCanUndo(FALSE);
    page.m_undo.UpdateMenu();
  }
  return false;
}

CGPage* CKavrelDoc::CurrentPage() const { return g_pCurPage; }

void CKavrelDoc::ApplyColorScheme(bool currentOnly) {
  if (currentOnly) {
    if (CGPage* page = CurrentPage()) page->ApplyColorScheme();
  } else {
    for (const auto& page : m_pages) page->ApplyColorScheme();
  }
  SetModifiedFlag();
  UiBridge().UpdateAllViews();
}

void CKavrelDoc::InvalidateTextLayouts() {
  for (const auto& page : m_pages) page->MarkTextmapsChanged();
}

void CKavrelDoc::SwitchToPage(CGPage* page) {
  if (!page) return;
  g_bBackgroundDirty = 1;  // the captured traces belong to the page being left
  if (CGPage* current = g_pCurPage) {
    StopRunningButtons();
    SaveViewStateToPage(*current);
    g_bTraceDirty = false;
    UiBridge().Send(UiTarget::View, kWmCommand, ID_INK_ERASE, 0);
    if (EndPendingTool(*current)) SetModifiedFlag();
    current->ClearSelection();
    current->ClearHover();
  }
  SetCurrentPage(page);
  page->RebuildVertexArray();
  g_nToolMode = 1;
  BindUndoMenu(*page);
  if (!page->m_bThreeView) SaveWholeViewport();
  SetStatusBarText(QString::fromUtf8(kTextCurrentPage) + page->m_strName, 2);
  LoadViewStateFromPage(*page);
  UiBridge().UpdateTranslationSliders();
  page->m_nTimerJob = 5;  // the next tick stops any rotation
  UiBridge().UpdateAllViews();
  StartAutoRunButton(*page);
}

void StartAutoRunButton(CGPage& page) {
  if (page.m_nAutoButton == 0) return;
  const CGCell* cell = page.m_nAutoButton > 0 && page.m_nAutoButton <= 0xFFFF
                           ? page.m_cells.Lookup(static_cast<WORD>(page.m_nAutoButton))
                           : nullptr;
  if (!cell || !cell->IsKindOf(RUNTIME_CLASS(CGButton)))
    page.m_nAutoButton = 0;
  else
    UiBridge().Post(UiTarget::View, WM_CELL_COMMAND, cell->m_nId, 0);
}

CGPage* CKavrelDoc::FindPageById(WORD id, int* position) const {
  int n = 0;
  for (const auto& page : m_pages) {
    ++n;
    if (page->m_nId == id) {
      if (position) *position = n;
      return page.get();
    }
  }
  if (position) *position = n;
  return nullptr;
}

void CKavrelDoc::GotoPageById(WORD id, bool fromLink) {
  if (fromLink && !ViewFocus().HasFocus()) {
    KvMessageBox(QString::fromUtf8(kTextDialogOpenNoLinkSwitch));
    return;
  }
  CGPage* page = FindPageById(id);
  if (!page) {
    if (fromLink)
      KvMessageBox(QString::fromUtf8(kTextLinkPageMissing), QString::fromUtf8(kTextLinkInvalidCaption),
                   MB_OK | MB_ICONERROR);
    return;
  }
  if (page != g_pCurPage) SwitchToPage(page);
}

namespace {
// The position of the current page in the list; -1 when it is none of them.
int CurrentIndex(const std::vector<std::unique_ptr<CGPage>>& pages) {
  const auto it = std::find_if(pages.begin(), pages.end(), [](const auto& p) { return p.get() == g_pCurPage; });
  return it == pages.end() ? -1 : static_cast<int>(it - pages.begin());
}
}  // namespace

CGPage* CKavrelDoc::OnCreatePage() {
  if (m_nLastPageId == 0xFFFF) return nullptr;  // a further id would repeat one
  auto page = std::make_unique<CGPage>();
  page->m_nId = ++m_nLastPageId;
  page->m_strName = DefaultPageName(page->m_nId);
  CGPage* made = page.get();
  const int at = CurrentIndex(m_pages);
  m_pages.insert(at < 0 ? m_pages.end() : m_pages.begin() + at + 1, std::move(page));
  // The object list places the item by the page's place in the list, so
  // the page is listed before the frame hears of it.
  UiBridge().Send(UiTarget::Frame, WM_PAGE_ITEM, 1, reinterpret_cast<LPARAM>(made));
  SwitchToPage(made);
  return made;
}

void CKavrelDoc::DeleteCurrentPage() {
  CGPage* page = g_pCurPage;
  const int at = CurrentIndex(m_pages);
  if (!page || at < 0) return;
  if (m_pages.size() > 1) {
    // The object list drops the item while the page is still current.
    UiBridge().Send(UiTarget::Frame, WM_PAGE_ITEM, 2, reinterpret_cast<LPARAM>(page));
    const bool last = at + 1 == static_cast<int>(m_pages.size());
    SwitchToPage(m_pages[last ? at - 1 : at + 1].get());
    m_pages.erase(m_pages.begin() + at);
    return;
  }
  StopRunningButtons();
  if (const auto& close = DocumentServices().closeMedia) close();
  m_pages.clear();  // the page stops being current as it goes
  g_bTraceDirty = false;
  UiBridge().ResetConstructionStep();  // the tool stays; the vertices it holds went
  g_bBackgroundDirty = 1;  // the captured traces belonged to the page just deleted
  AppendFirstPage();
  m_nLastPageId = 1;
  SetStatusBarText(QString::fromUtf8(kTextCurrentPage) + g_pCurPage->m_strName, 2);
  UiBridge().FillObjectList();
}

bool CKavrelDoc::InsertPastedPage(std::unique_ptr<CGPage> page) {
  if (!page || m_nLastPageId == 0xFFFF) return false;  // a further id would repeat one
  page->m_nId = static_cast<WORD>(m_nLastPageId + 1);
  page->m_strName = DefaultPageName(page->m_nId);
  // The copy was taken while its page was selected as a whole; the pasted
  // page starts with nothing selected, so a later delete asks about cells.
  page->m_bSelected = 0;
  CGPage* made = page.get();
  CGPage* const shown = g_pCurPage;
  const int at = CurrentIndex(m_pages);
  m_pages.insert(at < 0 ? m_pages.end() : m_pages.begin() + at + 1, std::move(page));
  m_nLastPageId = made->m_nId;
  try {
    UiBridge().Send(UiTarget::Frame, WM_PAGE_ITEM, 1, reinterpret_cast<LPARAM>(made));
    SwitchToPage(made);
    made->m_dirtyIds = made->ComputeAsOpened();
  } catch (const std::bad_alloc&) {
    // Memory ran out while the page came in: it goes again and the page
    // that was shown comes back.
    UiBridge().Send(UiTarget::Frame, WM_PAGE_ITEM, 2, reinterpret_cast<LPARAM>(made));
    if (shown) SwitchToPage(shown);
    m_pages.erase(std::find_if(m_pages.begin(), m_pages.end(), [made](const auto& p) { return p.get() == made; }));
    --m_nLastPageId;
    throw;
  }
  UiBridge().Send(UiTarget::Frame, WM_REBUILD_PAGE_TREE, 0, made->m_nId);
  SetModifiedFlag();
  return true;
}

QString DefaultPageName(int number) {
  if (number >= 1 && number <= 10) return QString::asprintf(kFormatDefaultPageName, kPageNumerals[number - 1]);
  return QString::asprintf(kFormatNumberedPageName, number);
}

void CKavrelDoc::GotoNextPage() {
  if (!ViewFocus().TakeFocus()) {
    KvMessageBox(QString::fromUtf8(kTextDialogOpenNoPageSwitch));
    return;
  }
  const int at = CurrentIndex(m_pages);
  if (at >= 0 && at + 1 < static_cast<int>(m_pages.size())) SwitchToPage(m_pages[at + 1].get());
}

void CKavrelDoc::GotoPrevPage() {
  if (!ViewFocus().TakeFocus()) {
    KvMessageBox(QString::fromUtf8(kTextDialogOpenNoPageSwitch));
    return;
  }
  const int at = CurrentIndex(m_pages);
  if (at > 0) SwitchToPage(m_pages[at - 1].get());
}

bool CKavrelDoc::OnUpdateViewPagedown() const {
  const int at = CurrentIndex(m_pages);
  return at >= 0 && at + 1 < static_cast<int>(m_pages.size());
}

bool CKavrelDoc::OnUpdateViewPageup() const { return CurrentIndex(m_pages) > 0; }

bool CKavrelDoc::OnUpdateNeedSelection() const {
  const CGPage* page = g_pCurPage;
  return page && (page->m_bSelected || !page->m_selAll.empty());
}

int CKavrelDoc::SelectFromTree(TreeItemKind kind, WORD id, BOOL fromCheckBox, BOOL checked) {
  CGPage* page = g_pCurPage;
  if (kind == TreeItemKind::None || !page) return kTreeNothing;
  int result = kTreeNothing;
  if (kind == TreeItemKind::Page) {
    if (id != page->m_nId) {
      GotoPageById(id, false);
      result = kTreeOtherPage;
    } else if (fromCheckBox && checked) {
      SelectAllOfKind(0);
      page->m_bSelected = 0;
      result = kTreeSelectedAll;
    } else {
      page->ClearSelection();
      result = kTreeSelectionCleared;
    }
  } else if (CGCell* cell = page->m_cells.Lookup(id)) {
    if (!fromCheckBox) {
      page->ClearSelection();
      page->SelectCell(id);
      result = kTreeSelectedAlone;
    } else if (cell->m_bSelected == (checked != 0)) {
      result = kTreeAlreadySo;
    } else if (checked) {
      page->SelectCell(id);
      result = kTreeAddedToSelection;
    } else {
      DeselectCell(id);
      result = kTreeRemovedFromSelection;
    }
  }
  UiBridge().UpdateAllViews();
  return result;
}
