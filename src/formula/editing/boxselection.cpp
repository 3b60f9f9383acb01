// Selections across the lines of a box: dragging from the anchor row into
// another row selects from the anchor to the end (or start) of its row, the
// rows between whole, and the far row up to the pointer.
#include <algorithm>

#include "formula/boxnode.h"
#include "formula/editing/caretediting.h"
#include "formula/editing/editingsupport.h"
#include "formula/rownode.h"

namespace {
bool NothingSelected(int result) { return result == SELECT_NONE || result == SELECT_CARET; }
}  // namespace

int CBoxNode::ExtendSelectionTo(int x, int y) {
  if (!m_pAnchorChild) return SELECT_NONE;
  const int a = FindChild(m_pAnchorChild);
  if (a < 0) return SELECT_NONE;
  const int r = RowAtY(*this, std::clamp(y, m_rcPlaced.top, m_rcPlaced.bottom));
  m_nCaret = r;
  if (r == a) {
    ActivateRow(a);
    const int result = m_pActive->ExtendSelectionTo(x, y);
    if (result == SELECT_WHOLE && ChildCount() > 1) return SELECT_PART;
    return result;
  }
  auto* anchor = dynamic_cast<CRowNode*>(m_pAnchorChild);
  auto* far = dynamic_cast<CRowNode*>(ChildAt(r));
  if (!anchor || !far) return SELECT_NONE;
  const bool down = r > a;
  int farResult, anchorResult;
  if (down) {
    anchorResult = anchor->ExtendSelectionToEnd();
    farResult = far->SelectFromStartTo(x, y);
  } else {
    farResult = far->SelectToEndFrom(x, y);
    anchorResult = anchor->ExtendSelectionToStart();
  }
  // A row at an end with nothing selected in it leaves the range.
  int first = std::min(a, r), last = std::max(a, r);
  const bool anchorIn = !NothingSelected(anchorResult), farIn = !NothingSelected(farResult);
  if (!(down ? anchorIn : farIn)) ++first;
  if (!(down ? farIn : anchorIn)) --last;
  if (first > last) {
    ActivateRow(r);
    far->CaretToGap(down ? 0 : far->ChildCount());
    return SELECT_CARET;
  }
  // A row that became an end by that lies wholly inside the range.
  for (int end : {first, last})
    if (!((end == a && anchorIn) || (end == r && farIn)))
      if (auto* row = dynamic_cast<CRowNode*>(ChildAt(end))) row->SelectAll();
  m_pActive = nullptr;
  m_bSelected = 1;
  m_nSelStart = first;
  m_nSelEnd = last;
  const bool whole = anchorResult == SELECT_WHOLE && farResult == SELECT_WHOLE;
  return whole && first == 0 && last == ChildCount() - 1 ? SELECT_WHOLE : SELECT_PART;
}

void CBoxNode::GetSelectionRegion(SelectionGeometry& geometry) {
  if (m_pActive) {
    m_pActive->GetSelectionRegion(geometry);
    // Up and Down aim at this x in the next line.
    if (geometry.kind == GEOMETRY_CARET) m_nSelLeft = geometry.caretTop.x();
    return;
  }
  int first, last;
  if (!SelectedLines(&first, &last)) {
    geometry.kind = GEOMETRY_NONE;
    return;
  }
  int previousLeft = 0, previousRight = 0;
  for (int i = first; i <= last; ++i) {
    CNode* row = ChildAt(i);
    if (i == first || i == last) {
      row->GetSelectionRegion(geometry);
    } else {
      row->m_nSelLeft = row->m_rcPlaced.left;
      row->m_nSelRight = row->m_rcPlaced.right;
      geometry.region += ToQRect(row->m_rcPlaced);
    }
    // The line gap is filled where the selections above and below overlap.
    if (i > first) {
      const int left = std::max(previousLeft, row->m_nSelLeft);
      const int right = std::min(previousRight, row->m_nSelRight);
      const int top = ChildAt(i - 1)->m_rcPlaced.bottom, bottom = row->m_rcPlaced.top;
      if (right > left && bottom > top) geometry.region += QRect(left, top, right - left, bottom - top);
    }
    previousLeft = row->m_nSelLeft;
    previousRight = row->m_nSelRight;
  }
  geometry.kind = GEOMETRY_SELECTION;
}
