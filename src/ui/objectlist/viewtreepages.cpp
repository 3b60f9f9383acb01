// Pages in the object list: stepping to the previous or next page, moving
// the current page by command or by dragging its item onto another page
// (the tree scrolls near its edges and highlights the page under the pointer).
// Page items are numbered from the pages' positions in the document, so any
// number of pages keeps its order.
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <functional>

#include "model/cgpage.h"
#include "model/globals.h"
#include "ui/objectlist/treedocument.h"
#include "ui/objectlist/viewtree.h"

int PagePosition(const ITreeDocument& doc, WORD pageId) {
  for (int i = 0; i < doc.PageCount(); ++i)
    if (CGPage* page = doc.PageAt(i); page && page->m_nId == pageId) return i + 1;
  return 0;
}

bool CViewTree::RenumberPageItems(int delta) {
  QTreeWidgetItem* current = FindCurrentPageItem();
  QTreeWidgetItem* root = RootItem();
  bool moved = false;
  if (current && root && m_pDoc) {
    const int at = root->indexOfChild(current);
    const bool neighbourExists = at + delta >= 0 && at + delta < root->childCount();
    if (neighbourExists && (delta == 0 || m_pDoc->MovePage(delta))) {
      RenumberFromDocument();
      setCurrentItem(current);
      moved = true;
    }
  }
  FocusTree();
  return moved;
}

void CViewTree::SelectPrevPage() {
  QTreeWidgetItem* current = FindCurrentPageItem();
  QTreeWidgetItem* root = RootItem();
  if (!current || !root || !m_pDoc) return;
  const int at = root->indexOfChild(current);
  if (at <= 0) return;
  QTreeWidgetItem* previous = root->child(at - 1);
  setCurrentItem(previous);
  FocusTree();
  if (ItemLevel(previous) == kPageLevel) m_pDoc->GotoPageById(ItemId(previous));
}

void CViewTree::SelectNextPage() {
  QTreeWidgetItem* current = FindCurrentPageItem();
  QTreeWidgetItem* root = RootItem();
  if (!current || !root || !m_pDoc) return;
  const int at = root->indexOfChild(current);
  if (at + 1 >= root->childCount()) return;
  QTreeWidgetItem* next = root->child(at + 1);
  setCurrentItem(next);
  FocusTree();
  if (ItemLevel(next) == kPageLevel) m_pDoc->GotoPageById(ItemId(next));
}

bool CViewTree::DropPageOn(QTreeWidgetItem* target) {
  QTreeWidgetItem* dragged = FindCurrentPageItem();
  if (!dragged || !target || target == dragged || ItemLevel(target) != kPageLevel || !m_pDoc) return false;
  const int from = PagePosition(*m_pDoc, ItemId(dragged));
  const int to = PagePosition(*m_pDoc, ItemId(target));
  if (from == 0 || to == 0) return false;
  return RenumberPageItems(to - from);
}

void CViewTree::CollapseToPages() {
  QTreeWidgetItem* root = RootItem();
  if (!root) return;
  const std::function<void(QTreeWidgetItem*)> collapse = [&collapse](QTreeWidgetItem* item) {
    for (int i = 0; i < item->childCount(); ++i) collapse(item->child(i));
    item->setExpanded(false);
  };
  for (int i = 0; i < root->childCount(); ++i) collapse(root->child(i));
}

void CViewTree::SelectCurrentPageItem() {
  if (QTreeWidgetItem* item = FindCurrentPageItem()) setCurrentItem(item);
  FocusTree();
}

int AutoScrollStep(int y, int top, int bottom, int tick) {
  int depth = 0, direction = 0;
  if (y < top + 10) {
    depth = top + 10 - y;
    direction = -1;
  } else if (y > bottom - 10) {
    depth = y - bottom + 10;
    direction = 1;
  }
  if (direction == 0) return 0;
  const int period = std::max(1, 6 - depth / 10);
  return tick % period == 0 ? direction : 0;
}

void CViewTree::BeginPageDrag() {
  m_nScrollTicks = 0;
  setAutoScroll(false);  // the drag timer scrolls, at its own pace
  m_pDragTimer->start();
}

void CViewTree::EndPageDrag() {
  m_pDragTimer->stop();
  setAutoScroll(true);
  TrackDropTarget(QPoint(-1, -1));
}

void CViewTree::AutoScrollTick(const QPoint& viewportPos) {
  const int step = AutoScrollStep(viewportPos.y(), 0, viewport()->height(), ++m_nScrollTicks);
  if (step != 0)
    verticalScrollBar()->triggerAction(step < 0 ? QAbstractSlider::SliderSingleStepSub
                                                : QAbstractSlider::SliderSingleStepAdd);
}

void CViewTree::TrackDropTarget(const QPoint& viewportPos) {
  const QModelIndex index = indexAt(viewportPos);
  const QTreeWidgetItem* item = index.isValid() ? itemFromIndex(index) : nullptr;
  const QModelIndex target = item && ItemLevel(item) == kPageLevel ? index : QModelIndex();
  if (target == m_dropTarget) return;
  m_dropTarget = target;
  viewport()->update();
}

QTreeWidgetItem* CViewTree::DropTarget() const {
  return m_dropTarget.isValid() ? itemFromIndex(m_dropTarget) : nullptr;
}

void CViewTree::startDrag(Qt::DropActions actions) {
  // Only the current page can be dragged.
  QTreeWidgetItem* item = currentItem();
  if (!item || item != FindCurrentPageItem()) return;
  BeginPageDrag();
  QTreeWidget::startDrag(actions);  // returns when the drag ends
  EndPageDrag();
}

void CViewTree::dragMoveEvent(QDragMoveEvent* event) {
  const QPoint at = event->position().toPoint();
  TrackDropTarget(at);
  QTreeWidgetItem* target = itemAt(at);
  if (event->source() == this && target && ItemLevel(target) == kPageLevel && target != FindCurrentPageItem())
    event->acceptProposedAction();
  else
    event->ignore();
}

void CViewTree::dragLeaveEvent(QDragLeaveEvent* event) {
  TrackDropTarget(QPoint(-1, -1));
  QTreeWidget::dragLeaveEvent(event);
}

void CViewTree::dropEvent(QDropEvent* event) {
  QTreeWidgetItem* target = itemAt(event->position().toPoint());
  if (event->source() == this) DropPageOn(target);
  // The items were placed by the document's order: nothing for the view
  // to move or remove.
  event->setDropAction(Qt::IgnoreAction);
  event->accept();
}
