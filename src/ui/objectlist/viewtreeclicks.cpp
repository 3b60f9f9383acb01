// Clicks in the object list select in the document: a check box adds to or
// removes from the selection, a label selects its object alone, a right
// click opens the property dialog; labels are renamed in place.
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPersistentModelIndex>

#include "model/cgpage.h"
#include "model/globals.h"
#include "ui/objectlist/treedocument.h"
#include "ui/objectlist/treeitemdelegate.h"
#include "ui/objectlist/viewtree.h"

bool CViewTree::OnCheckIndicator(const QModelIndex& index, const QPoint& pos) const {
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  option.rect = visualRect(index);
  m_pDelegate->initStyleOption(&option, index);
  const QRect box = style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, this);
  return box.contains(pos);
}

void CViewTree::ClickCheckBox(QTreeWidgetItem* item) {
  if (!item) return;
  const bool wasChecked = item->checkState(0) == Qt::Checked;
  setCurrentItem(item);
  auto [kind, id] = GetItemCellId(item);
  if (kind == TreeItemKind::None || !m_pDoc) return;
  // The document's answer may rebuild items; this one must still exist.
  const QPersistentModelIndex keep(indexFromItem(item));
  int result = m_pDoc->SelectFromTree(kind, id, true, !wasChecked);
  if (result == kTreeOtherPage && keep.isValid()) {
    std::tie(kind, id) = GetItemCellId(item);
    result = m_pDoc->SelectFromTree(kind, id, true, !wasChecked);
  }
  if (result == kTreeNothing || !keep.isValid()) return;
  if (result == kTreeSelectedAll) {
    SetCheckRecursive(item, true);
    SetCheck(item, false);
  } else if (result == kTreeSelectionCleared) {
    SetCheck(item, true);
  }
  // What the tree control does with any click on a box: it flips.
  SetCheck(item, item->checkState(0) != Qt::Checked);
  emit selectionClicked();
}

void CViewTree::ClickLabel(QTreeWidgetItem* item) {
  auto [kind, id] = GetItemCellId(item);
  if (kind == TreeItemKind::None || !m_pDoc) return;
  const QPersistentModelIndex keep(indexFromItem(item));
  int result = m_pDoc->SelectFromTree(kind, id, false, true);
  if (result != kTreeOtherPage) {
    if (QTreeWidgetItem* pageItem = FindCurrentPageItem())
      for (int i = 0; i < pageItem->childCount(); ++i) SetCheckRecursive(pageItem->child(i), false);
  } else {
    if (!keep.isValid()) return;
    std::tie(kind, id) = GetItemCellId(item);
    if (kind != TreeItemKind::Cell) {
      emit selectionClicked();
      return;
    }
    result = m_pDoc->SelectFromTree(kind, id, false, true);
  }
  if (result == kTreeSelectedAlone && keep.isValid()) SetCheck(item, true);
  emit selectionClicked();
}

void CViewTree::mousePressEvent(QMouseEvent* event) {
  const QModelIndex index = indexAt(event->position().toPoint());
  QTreeWidgetItem* item = index.isValid() ? itemFromIndex(index) : nullptr;
  const bool left = event->button() == Qt::LeftButton;
  if (item && left && OnCheckIndicator(index, event->position().toPoint())) {
    ClickCheckBox(item);
    event->accept();
    return;
  }
  QTreeWidget::mousePressEvent(event);
  if (item && left && visualRect(index).contains(event->position().toPoint())) ClickLabel(item);
}

void CViewTree::contextMenuEvent(QContextMenuEvent* event) {
  FocusTree();
  if (event->reason() != QContextMenuEvent::Mouse) return;
  const QModelIndex index = indexAt(event->pos());
  if (!index.isValid() || !visualRect(index).contains(event->pos())) return;
  QTreeWidgetItem* item = itemFromIndex(index);
  const QPersistentModelIndex keep(index);
  ClickLabel(item);
  if (keep.isValid()) setCurrentItem(itemFromIndex(keep));
  emit propertyRequested();
  FocusTree();
}

QString CViewTree::NameForEditing(const QTreeWidgetItem* item) const {
  if (!item || !m_pDoc) return {};
  const TreeItemKind kind = ItemLevel(item) == kPageLevel ? TreeItemKind::Page : TreeItemKind::Cell;
  return m_pDoc->GetObjectName(kind, ItemId(item));
}

void CViewTree::EndRename(QTreeWidgetItem* item, const QString& text) {
  if (!item || !m_pDoc || ItemId(item) == 0) return;
  // A blank name would leave a label and an item with nothing to show: the
  // old name stays.
  if (text.trimmed().isEmpty()) return;
  const WORD id = ItemId(item);
  if (ItemLevel(item) == kPageLevel) {
    m_pDoc->RenameObject(TreeItemKind::Page, id, text);
    item->setText(0, PageItemText(PagePosition(*m_pDoc, id), text));
    return;
  }
  m_pDoc->RenameObject(TreeItemKind::Cell, id, text);
  if (QTreeWidgetItem* pageItem = FindCurrentPageItem()) RewriteCellTexts(pageItem);
}

bool CViewTree::CanRenameInPlace(const QTreeWidgetItem* item) const {
  if (!item || !m_pDoc || ItemId(item) == 0) return false;
  // Cell names are looked up on the current page: a cell of another page
  // would rename the current page's cell of the same number.
  return ItemLevel(item) < kCellLevel || GetItemCellId(item).first == TreeItemKind::Cell;
}

bool CViewTree::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
  if (!CanRenameInPlace(itemFromIndex(index))) return false;
  return QTreeWidget::edit(index, trigger, event);
}
