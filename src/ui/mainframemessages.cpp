// The private messages of the document, the pages and the undo commands:
// the frame keeps the colour button and the object list in step.
#include "model/cellmap.h"
#include "model/cgpage.h"
#include "model/document/doctexts.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "platform/commandregistry.h"
#include "ui/commandactions.h"
#include "ui/help/fasthelp.h"
#include "ui/kavrelstatusbar.h"
#include "ui/mainframe.h"
#include "ui/objectlist/objectview.h"
#include "ui/objectlist/viewtree.h"
#include "view/kavrelview.h"

namespace {
// A menu command: the command id in the low word.
constexpr UINT kMessageCommand = 0x0111;
}

LRESULT CMainFrame::OnPrivateMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  CViewTree* tree = Tree();
  LRESULT result = 0;
  switch (message) {
    case WM_CELLS_CHANGED:
      if (lParam == 0)
        result = tree->AddNewestCells(static_cast<int>(static_cast<std::intptr_t>(wParam)));
      else
        result = tree->AddRemoveCells(*reinterpret_cast<const std::vector<WORD>*>(lParam), wParam != 0);
      break;
    case WM_PAGE_ITEM:
      result = tree->OnPageListChanged(static_cast<int>(wParam), reinterpret_cast<CGPage*>(lParam));
      break;
    case WM_SELECTION_CHANGED:
      UpdateColorButton();
      result = tree->OnSelectionChanged(static_cast<int>(wParam), lParam);
      break;
    case WM_ITEM_TEXTS:
      result = tree->OnTextsChanged(static_cast<int>(wParam), lParam);
      break;
    case WM_REBUILD_PAGE_TREE:
      tree->FillPageTree();
      result = 1;
      break;
    case WM_QUICK_HELP_CLOSED:
      // The dialog has closed itself; the frame lets it go and forgets it.
      if (m_pFastHelp && reinterpret_cast<CDlgFastHelp*>(wParam) == m_pFastHelp) {
        m_pFastHelp->deleteLater();
        m_pFastHelp = nullptr;
      }
      return 0;
    case kMessageCommand:
      // Command buttons and page switches route commands like the ribbon.
      return CommandRegistry().Run(static_cast<unsigned>(wParam & 0xFFFF)) ? 1 : 0;
    default:
      return 0;
  }
  // The selection or the page list changed: commands follow at once.
  m_pActions->RefreshSoon();
  return result;
}

LRESULT CMainFrame::SendToView(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_viewHandler) return m_viewHandler(message, wParam, lParam);
  if (message == kMessageCommand) return OnPrivateMessage(message, wParam, lParam);
  return m_pView ? m_pView->OnMessage(message, wParam, lParam) : 0;
}

void CMainFrame::DocumentShown() {
  if (m_pDoc) m_pDoc->m_pMenuOwner = this;
  if (m_pView) m_pView->OnInitialUpdate();
  if (CGPage* page = g_pCurPage) SetStatusText(2, QString::fromUtf8(kTextCurrentPage) + page->m_strName);
  m_pObjectView->FillObjectList();
  UpdateTitle();
  UpdateTranslationSliders();
  RefreshView();
  m_pActions->RefreshSoon();
}

void CMainFrame::RefreshView() {
  if (m_pView) m_pView->update();
}
