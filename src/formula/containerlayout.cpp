// Layout and drawing of the containers: rows side by side, boxes of stacked
// rows, matrices in a grid.  All arithmetic is in integers truncating
// toward zero.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "formula/boxnode.h"
#include "formula/formuladc.h"
#include "formula/nodeframe.h"
#include "formula/rownode.h"
#include "formula/textnode.h"

void CContainerNode::Layout(CFormulaDC& dc) {
  CNodeFrame frame(dc, *this);
  for (CNode* child : m_arrChildren) child->Layout(dc);
  m_rcLayout = m_rcInner = {};
  m_nBaseline = 0;
}

void CContainerNode::Offset(int x, int y) {
  CNode::Offset(x, y);
  for (CNode* child : m_arrChildren) child->Offset(m_rcPlaced.left, m_rcPlaced.top);
}

void CContainerNode::Draw(CFormulaDC& dc) {
  CNodeFrame frame(dc, *this);
  for (CNode* child : m_arrChildren) child->Draw(dc);
}

void CContainerNode::DrawSelection(CFormulaDC& dc) {
  if (m_pActive) m_pActive->DrawSelection(dc);
}

void CRowNode::Layout(CFormulaDC& dc) {
  CNodeFrame frame(dc, *this);
  if (m_arrChildren.empty()) {
    const int h = std::abs(LayoutHeight(m_lf));
    m_rcLayout = {0, 0, static_cast<int>(0.6 * h), h};
    m_rcInner = {m_rcLayout.left + 1, m_rcLayout.top + 2, m_rcLayout.right - 1, m_rcLayout.bottom - 2};
    m_nBaseline = h / 2;
    return;
  }
  int baseline = 0;
  for (CNode* child : m_arrChildren) {
    child->Layout(dc);
    baseline = std::max(baseline, child->m_nBaseline);
  }
  m_nBaseline = baseline;
  m_rcInner = {0, baseline, 0, baseline};
  int x = 0, bottom = 0;
  for (CNode* child : m_arrChildren) {
    const int down = baseline - child->m_nBaseline;
    child->m_rcLayout = child->m_rcLayout.Moved(x, down);
    x += child->m_rcLayout.Width();
    bottom = std::max(bottom, down + child->m_rcLayout.Height());
  }
  m_rcLayout = {0, 0, x, bottom};
}

void CRowNode::Draw(CFormulaDC& dc) {
  if (m_arrChildren.empty()) {
    CNodeFrame frame(dc, *this);
    dc.FocusRect(m_rcPlaced);
    return;
  }
  CContainerNode::Draw(dc);
}

void CRowNode::DrawSelection(CFormulaDC& dc) {
  if (m_pActive) {
    m_pActive->DrawSelection(dc);
    return;
  }
  int start, end;
  if (m_arrChildren.empty() || !SelectedRange(&start, &end)) return;
  CNodeFrame frame(dc, *this, FONT_ALL);
  // Runs at the ends of the range give only their selected characters.
  auto drawEnd = [&dc](CNode* child) {
    if (dynamic_cast<CTextNode*>(child))
      child->DrawSelection(dc);
    else
      child->Draw(dc);
  };
  drawEnd(ChildAt(start));
  for (int i = start + 1; i < end - 1; ++i) ChildAt(i)->Draw(dc);
  if (end - start >= 2) drawEnd(ChildAt(end - 1));
}

void CBoxNode::Layout(CFormulaDC& dc) {
  CNodeFrame frame(dc, *this);
  const int gap = std::abs(LayoutHeight(m_lf) / 3);
  int width = 0, y = 0;
  for (int i = 0; i < ChildCount(); ++i) {
    CNode* row = ChildAt(i);
    row->Layout(dc);
    if (i > 0) y += gap;
    row->m_rcLayout = row->m_rcLayout.Moved(0, y);
    y += row->m_rcLayout.Height();
    width = std::max(width, row->m_rcLayout.Width());
  }
  m_rcLayout = {0, 0, width, y};
  m_rcInner = {};
  m_nBaseline = y / 2;
}

void CBoxNode::DrawSelection(CFormulaDC& dc) {
  if (m_pActive) {
    m_pActive->DrawSelection(dc);
    return;
  }
  int first, last;
  if (!SelectedLines(&first, &last)) return;
  CNodeFrame frame(dc, *this, FONT_ALL);
  ChildAt(first)->DrawSelection(dc);
  for (int i = first + 1; i < last; ++i) ChildAt(i)->Draw(dc);
  if (last > first) ChildAt(last)->DrawSelection(dc);
}

void CMatrixNode::Layout(CFormulaDC& dc) {
  CNodeFrame frame(dc, *this);
  const int count = ChildCount();
  m_rcInner = {};
  if (count == 0) {
    m_rcLayout = {};
    m_nBaseline = 0;
    return;
  }
  // Columns beyond the cells would hold nothing; a mark-up "type" larger
  // than the number of cells must not size anything.
  const int columns = std::min(Columns(), count);
  const int rows = (count - 1) / columns + 1;
  std::vector<int> rowBaseline(static_cast<size_t>(rows), 0);
  std::vector<int> columnWidth(static_cast<size_t>(columns), 0);
  for (int i = 0; i < count; ++i) {
    CNode* cell = ChildAt(i);
    cell->Layout(dc);
    int& baseline = rowBaseline[static_cast<size_t>(i / columns)];
    baseline = std::max(baseline, cell->m_nBaseline);
    int& width = columnWidth[static_cast<size_t>(i % columns)];
    width = std::max(width, cell->m_rcLayout.Width());
  }
  const int height = LayoutHeight(m_lf);
  const int columnGap = std::abs(height / 2), rowGap = std::abs(height / 3);
  std::vector<int> columnX(static_cast<size_t>(columns), 0);
  for (int j = 1; j < columns; ++j)
    columnX[size_t(j)] = columnX[size_t(j - 1)] + columnWidth[size_t(j - 1)] + columnGap;
  int y = 0, bottom = 0;
  for (int r = 0; r < rows; ++r) {
    const int baseline = rowBaseline[size_t(r)];
    int rowHeight = 0;
    for (int j = 0; j < columns && r * columns + j < count; ++j) {
      CNode* cell = ChildAt(r * columns + j);
      const int width = cell->m_rcLayout.Width(), down = baseline - cell->m_nBaseline;
      cell->m_rcLayout = cell->m_rcLayout.Moved(columnX[size_t(j)] + (columnWidth[size_t(j)] - width) / 2, y + down);
      rowHeight = std::max(rowHeight, down + cell->m_rcLayout.Height());
    }
    bottom = y + rowHeight;
    y = bottom + rowGap;
  }
  m_rcLayout = {0, 0, columnX.back() + columnWidth.back(), bottom};
  m_nBaseline = bottom / 2;
}
