// The tree of the object list: a root for the document, one item per page,
// under each page one item per cell (ascending ids), under each cell one
// sub-item per parent.  Check boxes mirror the selection both ways.  The
// frame forwards the private messages of the document, the pages and the
// undo commands to the operations below.
//
// Items carry their level, their id (cell id or page id) and hence the
// datum the messages use for pages (40000 + page id) without 16-bit wrap.
#pragma once
#include <QPersistentModelIndex>
#include <QTreeWidget>
#include <utility>
#include <vector>

#include "model/document/kavreldoc.h"
#include "platform/uibridge.h"

class CGCell;
class CGPage;
class ITreeDocument;
class CTreeItemDelegate;
class QTimer;

inline constexpr int kPageDatumBase = 40000;

class CViewTree : public QTreeWidget {
  Q_OBJECT

 public:
  enum Level { kRootLevel, kPageLevel, kCellLevel, kParentLevel };

  explicit CViewTree(QWidget* parent = nullptr);
  ~CViewTree() override;
  using QTreeWidget::edit;

  void SetDocument(ITreeDocument* doc) { m_pDoc = doc; }
  ITreeDocument* Document() const { return m_pDoc; }

  // --- Items --------------------------------------------------------------
  static Level ItemLevel(const QTreeWidgetItem* item);
  static WORD ItemId(const QTreeWidgetItem* item);
  QTreeWidgetItem* RootItem() const { return topLevelItemCount() ? topLevelItem(0) : nullptr; }
  // The page item of the current page; null when absent.
  QTreeWidgetItem* FindCurrentPageItem() const;
  QTreeWidgetItem* FindPageItem(WORD pageId) const;
  // What a click on the item acts on: the item's page, or its cell when the
  // page is current (a cell of another page names its page).
  std::pair<TreeItemKind, WORD> GetItemCellId(const QTreeWidgetItem* item) const;
  // The cell child of a page item with this id.
  static QTreeWidgetItem* FindChildItem(QTreeWidgetItem* item, WORD id);
  // Deletes the cell items of these ids under the page item, in time linear
  // in the page; whether every one was there.
  bool RemoveCellItems(QTreeWidgetItem* pageItem, const std::vector<WORD>& ids);
  static void SetCheckRecursive(QTreeWidgetItem* item, bool check);
  QTreeWidgetItem* ItemFromIndex(const QModelIndex& index) const { return itemFromIndex(index); }

  // --- Filling ------------------------------------------------------------
  // Everything anew: the root and every page with its cells.
  void FillObjectList();
  // The current page's cells anew (0x812 and the refresh command).
  void FillPageTree();

  // --- Private messages ---------------------------------------------------
  LRESULT AddNewestCells(int change);                               // 0x80E, no list
  LRESULT AddRemoveCells(const std::vector<WORD>& ids, bool add);   // 0x80E with a list
  LRESULT OnPageListChanged(int code, CGPage* newPage);             // 0x80F
  LRESULT OnSelectionChanged(int code, LPARAM value);               // 0x810
  LRESULT OnTextsChanged(int code, LPARAM value);                   // 0x811

  // --- Pages --------------------------------------------------------------
  // Checks that delta neighbours of the current page exist, moves the page
  // in the document and numbers every page item from its position.
  bool RenumberPageItems(int delta);
  void MovePageUp() { RenumberPageItems(-1); }
  void MovePageDown() { RenumberPageItems(+1); }
  void SelectPrevPage();
  void SelectNextPage();
  // Drops the current page's item on another page item.
  bool DropPageOn(QTreeWidgetItem* target);
  // While the current page's item is dragged a 40 ms timer scrolls the
  // tree near its edges (AutoScrollStep); each drag counts its ticks anew.
  void BeginPageDrag();
  void EndPageDrag();
  const QTimer* DragTimer() const { return m_pDragTimer; }
  // One tick of that timer with the pointer at a point of the viewport.
  void AutoScrollTick(const QPoint& viewportPos);
  // The page item under a point of the viewport becomes the drop target,
  // drawn highlighted; any other place clears it.
  void TrackDropTarget(const QPoint& viewportPos);
  QTreeWidgetItem* DropTarget() const;
  bool IsDropTarget(const QModelIndex& index) const { return index.isValid() && index == m_dropTarget; }
  void CollapseToPages();
  void SelectCurrentPageItem();
  // The root takes the document's title again (it was saved under a new name).
  void RetitleRoot();

  // --- Clicks and renaming --------------------------------------------------
  void ClickCheckBox(QTreeWidgetItem* item);
  void ClickLabel(QTreeWidgetItem* item);
  QString NameForEditing(const QTreeWidgetItem* item) const;
  // Pages and the current page's cells can be renamed in place.
  bool CanRenameInPlace(const QTreeWidgetItem* item) const;
  // Renames the item's object; a blank text is refused and changes nothing.
  void EndRename(QTreeWidgetItem* item, const QString& text);

 signals:
  // A click changed the selection: the ribbon colour button follows.
  void selectionClicked();
  // The context menu asks for the property dialog of the clicked object.
  void propertyRequested();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void startDrag(Qt::DropActions actions) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dragLeaveEvent(QDragLeaveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  QTreeWidgetItem* MakeItem(Level level, WORD id, const QString& text, int image);
  QTreeWidgetItem* InsertCellItem(QTreeWidgetItem* pageItem, CGCell& cell, bool mirrorParents);
  void AddPageItem(CGPage& page, int position);
  void FillCells(QTreeWidgetItem* pageItem, CGPage& page);
  void RemoveCellItem(QTreeWidgetItem* pageItem, WORD id);
  void RewriteCellTexts(QTreeWidgetItem* pageItem);
  // Every page item takes its position and name from the document and the
  // items are ordered by position.
  void RenumberFromDocument();
  bool OnCheckIndicator(const QModelIndex& index, const QPoint& pos) const;
  void SetCheck(QTreeWidgetItem* item, bool check);
  void FocusTree();

  ITreeDocument* m_pDoc = nullptr;
  CTreeItemDelegate* m_pDelegate = nullptr;
  QTimer* m_pDragTimer = nullptr;
  int m_nScrollTicks = 0;
  QPersistentModelIndex m_dropTarget;
};

// Where a drag near an edge scrolls on the tick-th tick (counted from 1) of
// the drag timer: -1 a line up, +1 a line down, 0 not now.  Within 10
// pixels of the top or bottom of the area the pace quickens with depth d:
// every (6 - d / 10)-th tick, every tick from 50 pixels on.
int AutoScrollStep(int y, int top, int bottom, int tick);

// Item texts.
QString PageItemText(int position, const QString& name);
QString CellItemText(CGCell& cell);
QString ParentItemText(CGCell& cell);
// The picture of a cell's item by its class.
int TreeImageIndex(const CGCell& cell);
