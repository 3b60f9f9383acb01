#include "view/printing/printedpage.h"

#include "model/cgpage.h"
#include "model/globals.h"
#include "model/viewstate.h"
#include "render/viewglobals.h"

CPrintedPageScope::CPrintedPageScope(CGPage& page)
    : m_pPage(&page),
      m_pPrevious(g_pCurPage),
      m_backgroundDirty(g_bBackgroundDirty),
      m_toolMode(g_nToolMode),
      m_tool(std::move(g_viewTool)) {
  g_viewTool = ViewToolState{};
  g_nToolMode = 1;
  g_bBackgroundDirty = 1;
  if (m_pPrevious) SaveViewStateToPage(*m_pPrevious);
  SetCurrentPage(&page);
  page.RebuildVertexArray();
  LoadViewStateFromPage(page);
  const CReadingPass printing;  // the selection is not stored
  for (auto [id, cell] : page.m_cells) {
    if (!cell->m_bSelected) continue;
    cell->m_bSelected = false;
    m_selected.push_back(cell);
  }
}

CPrintedPageScope::~CPrintedPageScope() {
  for (CGCell* cell : m_selected) cell->m_bSelected = true;
  SetCurrentPage(m_pPrevious);
  if (m_pPrevious) {
    if (m_pPrevious != m_pPage) m_pPrevious->RebuildVertexArray();
    LoadViewStateFromPage(*m_pPrevious);
  }
  g_viewTool = std::move(m_tool);
  g_nToolMode = m_toolMode;
  g_bBackgroundDirty = m_backgroundDirty;
}
