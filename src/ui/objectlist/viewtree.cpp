#include "ui/objectlist/viewtree.h"

#include <QCursor>
#include <QFont>
#include <QHeaderView>
#include <QTimer>

#include "model/cellmap.h"
#include "model/cgcell.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "model/kindtests.h"
#include "ui/objectlist/treedocument.h"
#include "ui/objectlist/treeimages.h"
#include "ui/objectlist/treeitemdelegate.h"
#include "ui/uitexts.h"

namespace {
constexpr int kLevelRole = Qt::UserRole;
constexpr int kIdRole = Qt::UserRole + 1;

QString Format(const char* format, int number, const QString& a) {
  return QString::asprintf(format, number, a.toUtf8().constData());
}
QString Format(const char* format, int number, const QString& a, const QString& b) {
  return QString::asprintf(format, number, a.toUtf8().constData(), b.toUtf8().constData());
}
}  // namespace

QString PageItemText(int position, const QString& name) {
  return Format(kFormatPageItem, position, name);
}
QString CellItemText(CGCell& cell) {
  return Format(kFormatCellItem, cell.m_nId, cell.m_strName, cell.GetDescription());
}
QString ParentItemText(CGCell& cell) {
  return Format(kFormatParentItem, cell.m_nId, cell.m_strName, cell.GetDescription());
}

int TreeImageIndex(const CGCell& cell) {
  struct Kind {
    std::initializer_list<std::string_view> classes;
    int image;
  };
  // First match wins; a free point is a point too, so it comes first.
  static const Kind kinds[] = {
      {{"CGVerFree"}, 2},  {{"CGVertex"}, 1},   {{"CGLine"}, 3},
      {{"CGFace"}, 4},     {{"CGArc"}, 5},      {{"CGCurve"}, 6},
      {{"CGLocus", "CGTrack"}, 7},
      {{"CGTextbit", "CGTmVarAfterP", "CGTmSingleline"}, 8},
      {{"CGTmVariable", "CGTmVector"}, 9},
      {{"CGButton"}, 10},  {{"CGCylinder"}, 11}, {{"CGCone"}, 12},
      {{"CGFrustum"}, 13}, {{"CGSphere"}, 14},   {{"CGIterate"}, 15},
      {{"CGSurface"}, 16},
  };
  for (const Kind& kind : kinds)
    if (IsKindOfAnyClassName(&cell, kind.classes)) return kind.image;
  return kTreeImageOther;
}

CViewTree::CViewTree(QWidget* parent) : QTreeWidget(parent) {
  setHeaderHidden(true);
  setColumnCount(1);
  setRootIsDecorated(true);
  setUniformRowHeights(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
  setDragEnabled(true);
  setAcceptDrops(true);
  setDropIndicatorShown(false);
  setDragDropMode(QAbstractItemView::InternalMove);
  setAutoScroll(true);
  setAutoScrollMargin(10);
  setIconSize(QSize(16, 16));
  header()->setStretchLastSection(false);
  header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  m_pDelegate = new CTreeItemDelegate(this);
  setItemDelegate(m_pDelegate);
  m_pDragTimer = new QTimer(this);
  m_pDragTimer->setInterval(40);
  connect(m_pDragTimer, &QTimer::timeout, this,
          [this] { AutoScrollTick(viewport()->mapFromGlobal(QCursor::pos())); });
}

CViewTree::~CViewTree() = default;

CViewTree::Level CViewTree::ItemLevel(const QTreeWidgetItem* item) {
  return item ? static_cast<Level>(item->data(0, kLevelRole).toInt()) : kRootLevel;
}

WORD CViewTree::ItemId(const QTreeWidgetItem* item) {
  return item ? static_cast<WORD>(item->data(0, kIdRole).toUInt()) : 0;
}

QTreeWidgetItem* CViewTree::MakeItem(Level level, WORD id, const QString& text, int image) {
  auto* item = new QTreeWidgetItem;
  item->setData(0, kLevelRole, static_cast<int>(level));
  item->setData(0, kIdRole, static_cast<unsigned>(id));
  item->setText(0, text);
  item->setIcon(0, TreeImage(image));
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (level != kRootLevel) flags |= Qt::ItemIsEditable;
  if (level == kPageLevel) flags |= Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
  item->setFlags(flags);
  item->setCheckState(0, Qt::Unchecked);
  return item;
}

QTreeWidgetItem* CViewTree::FindPageItem(WORD pageId) const {
  QTreeWidgetItem* root = RootItem();
  for (int i = 0; root && i < root->childCount(); ++i)
    if (ItemId(root->child(i)) == pageId) return root->child(i);
  return nullptr;
}

QTreeWidgetItem* CViewTree::FindCurrentPageItem() const {
  return g_pCurPage ? FindPageItem(g_pCurPage->m_nId) : nullptr;
}

std::pair<TreeItemKind, WORD> CViewTree::GetItemCellId(const QTreeWidgetItem* item) const {
  const std::pair<TreeItemKind, WORD> none{TreeItemKind::None, 0};
  if (!item) return none;
  const Level level = ItemLevel(item);
  if (level == kRootLevel || ItemId(item) == 0) return none;
  if (level == kPageLevel) return {TreeItemKind::Page, ItemId(item)};
  const QTreeWidgetItem* page = item->parent();
  if (page && level == kParentLevel) page = page->parent();
  if (!page || ItemLevel(page) != kPageLevel) return none;
  if (g_pCurPage && ItemId(page) == g_pCurPage->m_nId) return {TreeItemKind::Cell, ItemId(item)};
  return {TreeItemKind::Page, ItemId(page)};
}

namespace {
// Where a child of this id stands or would stand: the cell items of a page
// stand in ascending ids (InsertCellItem, FillCells).
int ChildPlace(const QTreeWidgetItem& item, WORD id) {
  int low = 0, high = item.childCount();
  while (low < high) {
    const int middle = low + (high - low) / 2;
    if (CViewTree::ItemId(item.child(middle)) < id)
      low = middle + 1;
    else
      high = middle;
  }
  return low;
}
}  // namespace

QTreeWidgetItem* CViewTree::FindChildItem(QTreeWidgetItem* item, WORD id) {
  if (!item) return nullptr;
  const int at = ChildPlace(*item, id);
  QTreeWidgetItem* found = at < item->childCount() ? item->child(at) : nullptr;
  return found && ItemId(found) == id ? found : nullptr;
}

bool CViewTree::RemoveCellItems(QTreeWidgetItem* pageItem, const std::vector<WORD>& ids) {
  // A few go one by one; many at once, the kept items taken out and put
  // back in one move each way: one by one, every removal would cost the
  // length of the page.
  constexpr size_t kOneByOne = 32;
  if (ids.size() <= kOneByOne) {
    bool allFound = true;
    for (auto it = ids.rbegin(); it != ids.rend(); ++it) {
      QTreeWidgetItem* item = FindChildItem(pageItem, *it);
      allFound = allFound && item;
      delete item;
    }
    return allFound;
  }
  std::vector<bool> going(0x10000, false);
  size_t wanted = 0;
  for (WORD id : ids) wanted += !going[id], going[id] = true;
  // What the items taken out forget: whether they were open, and the caret.
  // Read and set by the rows of the page's index: an item's own index
  // would search its page for it each time.
  QTreeWidgetItem* const caret = currentItem();
  QTreeWidgetItem* caretCell = caret;
  while (caretCell && caretCell->parent() != pageItem) caretCell = caretCell->parent();
  const QModelIndex page = indexFromItem(pageItem);
  std::vector<bool> open(static_cast<size_t>(pageItem->childCount()));
  for (int i = 0; i < pageItem->childCount(); ++i) open[static_cast<size_t>(i)] = isExpanded(model()->index(i, 0, page));
  QList<QTreeWidgetItem*> kept;
  std::vector<bool> keptOpen;
  size_t removed = 0, at = 0;
  bool caretKept = false;
  for (QTreeWidgetItem* item : pageItem->takeChildren()) {
    const bool wasOpen = open[at++];
    if (going[ItemId(item)]) {
      delete item;
      ++removed;
      continue;
    }
    caretKept = caretKept || item == caretCell;
    kept.push_back(item);
    keptOpen.push_back(wasOpen);
  }
  pageItem->addChildren(kept);
  for (size_t i = 0; i < keptOpen.size(); ++i)
    if (keptOpen[i]) setExpanded(model()->index(static_cast<int>(i), 0, page), true);
  if (caretKept) setCurrentItem(caret);
  return removed == wanted;
}

void CViewTree::SetCheckRecursive(QTreeWidgetItem* item, bool check) {
  if (!item) return;
  item->setCheckState(0, check ? Qt::Checked : Qt::Unchecked);
  for (int i = 0; i < item->childCount(); ++i) SetCheckRecursive(item->child(i), check);
}

void CViewTree::SetCheck(QTreeWidgetItem* item, bool check) {
  if (item) item->setCheckState(0, check ? Qt::Checked : Qt::Unchecked);
}

void CViewTree::FocusTree() { setFocus(Qt::OtherFocusReason); }

QTreeWidgetItem* CViewTree::InsertCellItem(QTreeWidgetItem* pageItem, CGCell& cell, bool mirrorParents) {
  QTreeWidgetItem* item = MakeItem(kCellLevel, cell.m_nId, CellItemText(cell), TreeImageIndex(cell));
  SetCheck(item, cell.m_bSelected);
  // Ordered by the number, not by the text: id 1000 follows 999.
  pageItem->insertChild(ChildPlace(*pageItem, cell.m_nId), item);
  for (WORD parentId : cell.m_parents) {
    CGCell* parent = g_pCurCells ? g_pCurCells->Lookup(parentId) : nullptr;
    if (!parent) continue;
    QTreeWidgetItem* sub = MakeItem(kParentLevel, parentId, ParentItemText(*parent), TreeImageIndex(*parent));
    SetCheck(sub, mirrorParents && parent->m_bSelected);
    item->addChild(sub);
  }
  return item;
}

void CViewTree::FillCells(QTreeWidgetItem* pageItem, CGPage& page) {
  // Descriptions resolve parents through the current map; listing the
  // cells is no part of the edit that may have asked for it.
  const CReadingPass listing;
  CCellMap* const saved = g_pCurCells;
  g_pCurCells = &page.m_cells;
  for (auto [id, cell] : page.m_cells) InsertCellItem(pageItem, *cell, true);
  g_pCurCells = saved;
}

void CViewTree::AddPageItem(CGPage& page, int position) {
  QTreeWidgetItem* root = RootItem();
  QTreeWidgetItem* item = MakeItem(kPageLevel, page.m_nId, PageItemText(position, page.m_strName), kTreeImagePage);
  SetCheck(item, page.m_bSelected);
  root->insertChild(std::min(position - 1, root->childCount()), item);
  FillCells(item, page);
}

void CViewTree::FillObjectList() {
  clear();
  if (!m_pDoc) return;
  QTreeWidgetItem* root = MakeItem(kRootLevel, 0, m_pDoc->Title(), kTreeImageRoot);
  QFont bold = root->font(0);
  bold.setBold(true);
  root->setFont(0, bold);
  root->setCheckState(0, Qt::Checked);
  addTopLevelItem(root);
  for (int i = 0; i < m_pDoc->PageCount(); ++i)
    if (CGPage* page = m_pDoc->PageAt(i)) AddPageItem(*page, i + 1);
  root->setExpanded(true);
  if (QTreeWidgetItem* current = FindCurrentPageItem()) current->setExpanded(true);
}

void CViewTree::RetitleRoot() {
  if (QTreeWidgetItem* root = RootItem(); root && m_pDoc) root->setText(0, m_pDoc->Title());
}

void CViewTree::FillPageTree() {
  QTreeWidgetItem* pageItem = FindCurrentPageItem();
  if (!pageItem || !g_pCurPage) return;
  qDeleteAll(pageItem->takeChildren());
  FillCells(pageItem, *g_pCurPage);
  pageItem->setExpanded(true);
  FocusTree();
}

void CViewTree::RemoveCellItem(QTreeWidgetItem* pageItem, WORD id) {
  delete FindChildItem(pageItem, id);
}

void CViewTree::RewriteCellTexts(QTreeWidgetItem* pageItem) {
  if (!g_pCurCells) return;
  for (int i = 0; i < pageItem->childCount(); ++i) {
    QTreeWidgetItem* item = pageItem->child(i);
    CGCell* cell = g_pCurCells->Lookup(ItemId(item));
    if (!cell) return;
    item->setText(0, CellItemText(*cell));
    for (int k = 0; k < item->childCount(); ++k) {
      QTreeWidgetItem* sub = item->child(k);
      if (CGCell* parent = g_pCurCells->Lookup(ItemId(sub))) sub->setText(0, ParentItemText(*parent));
    }
  }
}

void CViewTree::RenumberFromDocument() {
  QTreeWidgetItem* root = RootItem();
  if (!root || !m_pDoc) return;
  QTreeWidgetItem* caret = currentItem();
  const bool blocked = blockSignals(true);
  std::vector<QTreeWidgetItem*> ordered;
  for (int i = 0; i < m_pDoc->PageCount(); ++i) {
    CGPage* page = m_pDoc->PageAt(i);
    QTreeWidgetItem* item = page ? FindPageItem(page->m_nId) : nullptr;
    if (!item) continue;
    item->setText(0, PageItemText(i + 1, page->m_strName));
    ordered.push_back(item);
  }
  // Reinsert in document order; expanded states survive the move.
  for (size_t i = 0; i < ordered.size(); ++i) {
    QTreeWidgetItem* item = ordered[i];
    if (root->indexOfChild(item) == static_cast<int>(i)) continue;
    const bool expanded = item->isExpanded();
    root->takeChild(root->indexOfChild(item));
    root->insertChild(static_cast<int>(i), item);
    item->setExpanded(expanded);
  }
  blockSignals(blocked);
  if (caret) setCurrentItem(caret);
}
