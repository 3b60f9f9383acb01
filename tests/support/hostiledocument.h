// A document built to make link repair slow: the point A (id 1) and
// `cells` plain cells, each listing A as its parent `repeats` times, while
// A's child list names the first cell `repeats * cells` times.  At 1,000 by
// 1,000 its file is about 4 MB.
#pragma once
#include <QByteArray>
#include <memory>
#include <vector>

#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/document/kavreldoc.h"
#include "platform/archive.h"

inline QByteArray HostileLinksDocument(int cells, int repeats) {
  CKavrelDoc doc;
  doc.OnNewDocument();
  CGPage& page = *doc.m_pages.front();
  auto* a = new CGVertex(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), 0, 0, 0);
  page.m_cells.SetAt(a->m_nId, a);
  a->m_children.assign(static_cast<size_t>(cells) * repeats, WORD(2));
  for (int i = 0; i < cells; ++i) {
    auto* cell = new CGCell;
    cell->m_nId = page.m_nNextId++;
    cell->m_parents.assign(static_cast<size_t>(repeats), a->m_nId);
    page.m_cells.SetAt(cell->m_nId, cell);
  }
  page.RebuildVertexArray();
  CArchive ar;
  doc.Serialize(ar);
  return ar.Bytes();
}
