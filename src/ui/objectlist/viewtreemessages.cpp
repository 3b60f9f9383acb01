// The object list follows the document through the private messages that
// the frame forwards: cells added and removed, pages inserted and deleted,
// selection changes and renamed objects.
#include <algorithm>

#include "model/cellmap.h"
#include "model/cgcell.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "ui/objectlist/treedocument.h"
#include "ui/objectlist/viewtree.h"

LRESULT CViewTree::AddNewestCells(int change) {
  QTreeWidgetItem* pageItem = FindCurrentPageItem();
  if (!pageItem || !g_pCurCells) return 0;
  const int next = g_pCurPage->m_nNextId;
  bool allFound = true;
  if (change >= 1) {
    for (int id = next - change; id <= next - 1; ++id) {
      CGCell* cell = id > 0 ? g_pCurCells->Lookup(static_cast<WORD>(id)) : nullptr;
      if (cell)
        InsertCellItem(pageItem, *cell, true);
      else
        allFound = false;
    }
  } else {
    std::vector<WORD> ids;
    for (int id = next + change; id <= next - 1; ++id)
      if (id > 0) ids.push_back(static_cast<WORD>(id));
    allFound = RemoveCellItems(pageItem, ids) && ids.size() == static_cast<size_t>(-change);
  }
  pageItem->setExpanded(true);
  return allFound ? 1 : 0;
}

LRESULT CViewTree::AddRemoveCells(const std::vector<WORD>& ids, bool add) {
  QTreeWidgetItem* pageItem = FindCurrentPageItem();
  if (!pageItem || !g_pCurCells) return 0;
  bool allFound = true;
  if (add) {
    for (WORD id : ids) {
      if (CGCell* cell = g_pCurCells->Lookup(id))
        InsertCellItem(pageItem, *cell, true);
      else
        allFound = false;
    }
  } else {
    allFound = RemoveCellItems(pageItem, ids);
  }
  pageItem->setExpanded(true);
  return allFound ? 1 : 0;
}

LRESULT CViewTree::OnPageListChanged(int code, CGPage* newPage) {
  QTreeWidgetItem* current = FindCurrentPageItem();
  QTreeWidgetItem* root = RootItem();
  // A new page the document lists already: its item goes to the page's
  // place, and every page item takes its number from the list.
  const int listed = code == 1 && newPage && root && m_pDoc ? PagePosition(*m_pDoc, newPage->m_nId) : 0;
  if (listed) {
    QTreeWidgetItem* item = MakeItem(kPageLevel, newPage->m_nId, PageItemText(listed, newPage->m_strName), 0);
    root->insertChild(std::min(listed - 1, root->childCount()), item);
    RenumberFromDocument();
    setCurrentItem(item);
    FocusTree();
    return 1;
  }
  if (!current || !root || !m_pDoc) return 0;
  const int p = PagePosition(*m_pDoc, g_pCurPage->m_nId);
  if (p == 0) return 0;
  const int shift = code == 1 ? +1 : code == 2 ? -1 : 0;
  if (shift == 0) return 0;
  if (code == 1 && !newPage) return 0;
  // The pages behind the current one move one place.
  for (int i = root->indexOfChild(current) + 1; i < root->childCount(); ++i) {
    QTreeWidgetItem* item = root->child(i);
    const int position = PagePosition(*m_pDoc, ItemId(item));
    CGPage* page = m_pDoc->PageAt(position - 1);
    if (!page) return 0;
    item->setText(0, PageItemText(position + shift, page->m_strName));
  }
  if (code == 1) {
    QTreeWidgetItem* item = MakeItem(kPageLevel, newPage->m_nId, PageItemText(p + 1, newPage->m_strName), 0);
    item->setCheckState(0, newPage->m_bSelected ? Qt::Checked : Qt::Unchecked);
    root->insertChild(root->indexOfChild(current) + 1, item);
    setCurrentItem(item);
  } else {
    setCurrentItem(current);
    delete current;
  }
  FocusTree();
  return 1;
}

LRESULT CViewTree::OnSelectionChanged(int code, LPARAM value) {
  QTreeWidgetItem* pageItem = FindCurrentPageItem();
  if (!pageItem || static_cast<WORD>(value) == 0) return 0;
  const bool namesCurrentPage = value - kPageDatumBase == g_pCurPage->m_nId;
  switch (code) {
    case 0:
    case 1:
      SetCheck(FindChildItem(pageItem, static_cast<WORD>(value)), code == 1);
      break;
    case 2:
    case 3:
      if (namesCurrentPage) SetCheckRecursive(pageItem, code == 3);
      break;
    case 4:
      if (namesCurrentPage) {
        setCurrentItem(pageItem);
        FocusTree();
      }
      break;
    case 5:
    case 6:
    case 7:
    case 8:
    case 11:
      for (int i = 0; i < pageItem->childCount(); ++i) {
        QTreeWidgetItem* item = pageItem->child(i);
        if (CGCell* cell = g_pCurCells ? g_pCurCells->Lookup(ItemId(item)) : nullptr)
          SetCheck(item, cell->m_bSelected);
      }
      break;
    case 9:
    case 10:
      FillPageTree();
      break;
    default:
      return 0;
  }
  return 1;
}

LRESULT CViewTree::OnTextsChanged(int code, LPARAM value) {
  QTreeWidgetItem* pageItem = FindCurrentPageItem();
  if (!pageItem || static_cast<WORD>(value) == 0) return 0;
  switch (code) {
    case 0:
      if (value == g_pCurPage->m_nId) RewriteCellTexts(pageItem);
      break;
    case 1: {
      QTreeWidgetItem* item = FindChildItem(pageItem, static_cast<WORD>(value));
      CGCell* cell = g_pCurCells ? g_pCurCells->Lookup(static_cast<WORD>(value)) : nullptr;
      if (item && cell) item->setText(0, CellItemText(*cell));
      break;
    }
    case 2:
      pageItem->setText(0, PageItemText(static_cast<int>(value), g_pCurPage->m_strName));
      break;
    case 3: {
      QTreeWidgetItem* root = RootItem();
      for (int i = 0; i < root->childCount(); ++i)
        root->child(i)->setText(0, PageItemText(i + 1, DefaultPageName(i + 1)));
      break;
    }
    default:
      return 0;
  }
  return 1;
}
