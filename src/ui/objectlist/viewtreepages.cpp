// Pages in the object list: stepping to the previous or next page, moving
// the current page by command or by dragging its item onto another page.
// Page items are numbered from the pages' positions in the document, so any
// number of pages keeps its order.
#include <QDragMoveEvent>
#include <functional>
#include <QDropEvent>

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

void CViewTree::startDrag(Qt::DropActions actions) {
  // Only the current page can be dragged.
  QTreeWidgetItem* item = currentItem();
  if (item && item == FindCurrentPageItem()) QTreeWidget::startDrag(actions);
}

void CViewTree::dragMoveEvent(QDragMoveEvent* event) {
  QTreeWidget::dragMoveEvent(event);  // auto-scroll near the edges
  QTreeWidgetItem* target = itemAt(event->position().toPoint());
  if (event->source() == this && target && ItemLevel(target) == kPageLevel && target != FindCurrentPageItem())
    event->acceptProposedAction();
  else
    event->ignore();
}

void CViewTree::dropEvent(QDropEvent* event) {
  QTreeWidgetItem* target = itemAt(event->position().toPoint());
  if (event->source() == this) DropPageOn(target);
  // The items were placed by the document's order: nothing for the view
  // to move or remove.
  event->setDropAction(Qt::IgnoreAction);
  event->accept();
}
