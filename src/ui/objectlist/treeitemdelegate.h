// Draws the object list's items and edits their names in place: the edit
// box starts with the object's bare name (not the item text), and ending the
// edit renames the object instead of writing the item.
#pragma once
#include <QStyledItemDelegate>

class CViewTree;

class CTreeItemDelegate : public QStyledItemDelegate {
 public:
  explicit CTreeItemDelegate(CViewTree* tree);

  // Public for the tree's hit test of the check boxes.
  using QStyledItemDelegate::initStyleOption;

  // The drop target of a page drag is drawn like a selected item.
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

 private:
  CViewTree* m_pTree;
};
