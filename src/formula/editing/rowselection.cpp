// Drag selections in a row and the geometry the control draws for the caret
// and the selection.  A drag starts at the anchor (the child or gap the
// press landed on); the range then covers whole children from there to the
// child under the pointer, with runs at its ends selected in part.
#include <algorithm>

#include "formula/editing/caretediting.h"
#include "formula/editing/editingsupport.h"
#include "formula/rownode.h"

namespace {
// Where a partly selected child sits; its selection must not be made whole.
struct PartialEnds {
  int anchor = -1;
  int far = -1;
  bool Has(int index) const { return index == anchor || index == far; }
};

// Every run at an end of [start, end) that lies wholly inside the range is
// selected whole, so the range writes, cuts and draws all of it.
void SelectWholeEndRuns(CRowNode& row, int start, int end, const PartialEnds& partial) {
  if (start >= end) return;
  for (int index : {start, end - 1})
    if (CTextNode* run = AsRun(row.ChildAt(index)); run && !partial.Has(index)) run->SelectAll();
}

int SelectRange(CRowNode& row, int start, int end, int caret) {
  row.CaretToGap(caret);
  if (start >= end) return SELECT_CARET;
  row.m_bSelected = 1;
  row.m_nSelStart = start;
  row.m_nSelEnd = end;
  return SELECT_PART;
}

// A run that ends up alone in the range holds its own selection.
int IntoRun(CRowNode& row, int index, int runResult) {
  row.ActivateChild(index);
  return runResult == SELECT_CARET ? SELECT_CARET : SELECT_PART;
}

// The far end of a drag, child i: a run selects from its start (dragging
// right) or to its end; a structure counts when the pointer passed its
// centre.  False when nothing of it is in the range; *result is the run's.
bool FarEndTakesPart(CRowNode& row, int i, int x, bool right, int* result) {
  CNode* child = row.ChildAt(i);
  if (CTextNode* run = AsRun(child)) {
    *result = right ? run->SelectFromStartTo(x) : run->SelectToEndFrom(x);
    return *result != SELECT_CARET;
  }
  *result = SELECT_PART;
  return right ? x >= CentreX(child) : x <= CentreX(child);
}

// The anchor end: a run keeps its part from the anchor on; a structure
// counts unless the drag started beyond its centre, away from the pointer.
bool AnchorTakesPart(CRowNode& row, int a, bool right) {
  CNode* anchor = row.ChildAt(a);
  if (CTextNode* run = AsRun(anchor)) {
    const int result = right ? run->ExtendSelectionToEnd() : run->ExtendSelectionToStart();
    return result != SELECT_CARET;
  }
  const int start = row.m_ptDragStart.x();
  return right ? start <= CentreX(anchor) : start >= CentreX(anchor);
}

// The pointer is still over the anchor child.
int OnAnchor(CRowNode& row, int a, int x, int y) {
  CNode* anchor = row.ChildAt(a);
  row.ActivateChild(a);
  const int result = anchor->ExtendSelectionTo(x, y);
  if (result != SELECT_NONE) return result == SELECT_CARET ? SELECT_CARET : SELECT_PART;
  const int centre = CentreX(anchor), start = row.m_ptDragStart.x();
  if ((start < centre && x > centre) || (start > centre && x < centre))
    return SelectRange(row, a, a + 1, x > centre ? a + 1 : a);
  row.CaretToGap(x > centre ? a + 1 : a);
  return SELECT_CARET;
}
}  // namespace

int CRowNode::ExtendSelectionTo(int x, int y) {
  x = std::clamp(x, m_rcPlaced.left, m_rcPlaced.right);
  y = std::clamp(y, m_rcPlaced.top, m_rcPlaced.bottom);
  const int n = ChildCount();
  if (n == 0) {
    CaretToGap(0);
    return SELECT_CARET;
  }
  int i = 0;
  while (i < n - 1 && ChildAt(i)->m_rcPlaced.right + 1 <= x) ++i;
  const int anchored = m_pAnchorChild ? FindChild(m_pAnchorChild) : -1;
  if (anchored < 0) m_pAnchorChild = nullptr;
  const int a = anchored >= 0 ? anchored : std::clamp(m_nAnchor, 0, n);
  if (anchored == i) return OnAnchor(*this, a, x, y);

  const bool right = i >= a;
  PartialEnds partial;
  int start = right ? a : i, end = right ? i + 1 : a + (anchored >= 0 ? 1 : 0);
  if (anchored >= 0) {
    if (AnchorTakesPart(*this, a, right)) {
      if (IsRun(ChildAt(a))) partial.anchor = a;
    } else if (right) {
      start = a + 1;
    } else {
      end = a;
    }
  }
  int farResult;
  if (FarEndTakesPart(*this, i, x, right, &farResult)) {
    if (IsRun(ChildAt(i))) partial.far = i;
  } else if (right) {
    end = i;
  } else {
    start = i + 1;
  }
  // Only the run under the pointer is left: it owns the selection itself.
  if (IsRun(ChildAt(i)) && (right ? start == i : end == i + 1) && (partial.far == i || end - start <= 1))
    return IntoRun(*this, i, farResult);
  SelectWholeEndRuns(*this, start, end, partial);
  return SelectRange(*this, start, end, right ? end : start);
}

namespace {
// The start- and end-side selections of an empty row: its placeholder counts
// as selected once the reference x is past its middle, seen from that side.
int SelectEmptyRow(CRowNode& row, int x, bool fromStart) {
  const int centre = CentreX(&row);
  row.CaretToGap(0);
  if (fromStart ? x < centre : x > centre) return SELECT_CARET;
  row.m_bSelected = 1;
  row.m_nSelStart = row.m_nSelEnd = 0;
  return SELECT_WHOLE;
}
}  // namespace

int CRowNode::SelectFromStartTo(int x, int y) {
  if (ChildCount() == 0) return SelectEmptyRow(*this, x, true);
  m_pAnchorChild = nullptr;
  m_nAnchor = 0;
  return ExtendSelectionTo(x, y);
}

int CRowNode::SelectToEndFrom(int x, int y) {
  if (ChildCount() == 0) return SelectEmptyRow(*this, x, false);
  m_pAnchorChild = nullptr;
  m_nAnchor = ChildCount();
  return ExtendSelectionTo(x, y);
}

int CRowNode::ExtendSelectionToStart() {
  if (ChildCount() == 0) return SelectEmptyRow(*this, m_ptDragStart.x(), true);
  return ExtendSelectionTo(m_rcPlaced.left, m_rcPlaced.top);
}

int CRowNode::ExtendSelectionToEnd() {
  if (ChildCount() == 0) return SelectEmptyRow(*this, m_ptDragStart.x(), false);
  return ExtendSelectionTo(m_rcPlaced.right, m_rcPlaced.bottom);
}

namespace {
// A plain caret at x in the row: the caret line spans the row, the base
// line is the row's bottom edge.
void SetCaretLine(CRowNode& row, SelectionGeometry& geometry, int x) {
  const RECT& r = row.m_rcPlaced;
  geometry.lineStart = {r.left, r.bottom};
  geometry.lineEnd = {r.right, r.bottom};
  geometry.caretTop = {x, r.top};
  geometry.caretBottom = {x, r.bottom};
  geometry.kind = GEOMETRY_CARET;
  row.m_nSelLeft = row.m_nSelRight = x;
}

// The format shown at a gap: the run before it, else the run after it, else
// the structure before it, else the row's own.
const CNode& FormatAtGap(const CRowNode& row, int gap) {
  CNode* before = gap > 0 ? row.ChildAt(gap - 1) : nullptr;
  CNode* after = gap < row.ChildCount() ? row.ChildAt(gap) : nullptr;
  if (IsRun(before)) return *before;
  if (IsRun(after)) return *after;
  if (before) return *before;
  return row;
}

void EmptyRowGeometry(CRowNode& row, SelectionGeometry& geometry) {
  const RECT& mark = row.m_rcPlacedInner;
  geometry.lineStart = {mark.left, mark.bottom};
  geometry.lineEnd = {mark.right, mark.bottom};
  geometry.caretTop = {mark.left, mark.top};
  geometry.caretBottom = {mark.left, mark.bottom};
  geometry.colour = row.m_crColor;
  geometry.font = row.m_lf;
  geometry.kind = row.m_bSelected ? GEOMETRY_SELECTION : GEOMETRY_CARET;
  row.m_nSelLeft = row.m_rcPlaced.left;
  row.m_nSelRight = row.m_bSelected ? row.m_rcPlaced.right : row.m_rcPlaced.left;
  if (row.m_bSelected) geometry.region += ToQRect(row.m_rcPlaced);
}

// A range: the runs at its ends add their selected characters, the row adds
// the band between them.
void RangeGeometry(CRowNode& row, int start, int end, SelectionGeometry& geometry) {
  CNode* first = row.ChildAt(start);
  CNode* last = row.ChildAt(end - 1);
  int left = first->m_rcPlaced.left, right = last->m_rcPlaced.right + 2;
  row.m_nSelLeft = left;
  row.m_nSelRight = right;
  if (IsRun(first)) {
    first->GetSelectionRegion(geometry);
    left = first->m_rcPlaced.right;
    row.m_nSelLeft = first->m_nSelLeft;
  }
  if (IsRun(last)) {
    if (last != first) last->GetSelectionRegion(geometry);
    right = last->m_rcPlaced.left;
    row.m_nSelRight = last->m_nSelRight;
  } else {
    geometry.colour = last->m_crColor;
    geometry.font = last->m_lf;
  }
  const RECT& r = row.m_rcPlaced;
  if (right - left >= 1) geometry.region += QRect(left, r.top, right - left, r.Height());
  geometry.kind = GEOMETRY_SELECTION;
}
}  // namespace

void CRowNode::GetSelectionRegion(SelectionGeometry& geometry) {
  if (m_pActive) {
    m_pActive->GetSelectionRegion(geometry);
    CTextNode* run = AsRun(m_pActive);
    if (run && geometry.kind == GEOMETRY_SELECTION) {
      m_nSelLeft = run->m_nSelLeft;
      m_nSelRight = run->m_nSelRight;
    } else if (run) {
      SetCaretLine(*this, geometry, run->GetCaretPoint().x());
    }
    return;
  }
  if (ChildCount() == 0) {
    EmptyRowGeometry(*this, geometry);
    return;
  }
  int start, end;
  if (SelectedRange(&start, &end)) {
    RangeGeometry(*this, start, end, geometry);
    return;
  }
  const int gap = std::clamp(m_nCaret, 0, ChildCount());
  SetCaretLine(*this, geometry, gap < ChildCount() ? ChildAt(gap)->m_rcPlaced.left : m_rcPlaced.right);
  const CNode& format = FormatAtGap(*this, gap);
  geometry.colour = format.m_crColor;
  geometry.font = format.m_lf;
}
