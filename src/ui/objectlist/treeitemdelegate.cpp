#include "ui/objectlist/treeitemdelegate.h"

#include <QLineEdit>

#include "ui/objectlist/viewtree.h"

CTreeItemDelegate::CTreeItemDelegate(CViewTree* tree) : QStyledItemDelegate(tree), m_pTree(tree) {}

void CTreeItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  if (!m_pTree->IsDropTarget(index)) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  QStyleOptionViewItem highlighted(option);
  highlighted.state |= QStyle::State_Selected | QStyle::State_Active;
  QStyledItemDelegate::paint(painter, highlighted, index);
}

void CTreeItemDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  auto* edit = qobject_cast<QLineEdit*>(editor);
  if (!edit) return;
  edit->setText(m_pTree->NameForEditing(m_pTree->ItemFromIndex(index)));
  edit->selectAll();
}

void CTreeItemDelegate::setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const {
  if (auto* edit = qobject_cast<QLineEdit*>(editor)) m_pTree->EndRename(m_pTree->ItemFromIndex(index), edit->text());
}
