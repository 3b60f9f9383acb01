// The pages of the every-class document (everyclass.h), each built on the
// current page by constructors, as the commands build their cells.
#pragma once
#include <QString>
#include <utility>
#include <vector>

#include "cells/primitives/cgverfree.h"
#include "cells/solids/pagebuilder.h"
#include "model/cgpage.h"

class CKavrelDoc;

// The page builder of the solids answering ids, its points named
// automatically.
class CellMaker : public CPageBuilder {
 public:
  explicit CellMaker(CGPage& page) : CPageBuilder(page), page(page) {}

  template <class T, class... Args>
  WORD Add(Args&&... args) {
    return Cell<T>(std::forward<Args>(args)...)->m_nId;
  }
  template <class T, class... Args>
  WORD AddPoint(Args&&... args) {
    return Point<T>(page.GetNewName(1), std::forward<Args>(args)...)->m_nId;
  }
  WORD Free(float x, float y, float z) { return AddPoint<CGVerFreeXyz>(x, y, z); }
  // Selects exactly these cells, in this order.
  void Select(std::initializer_list<WORD> ids);

  CGPage& page;
};

// Returns the cells the document's own tool records: a few of the page's
// cells over point and value inputs.
std::vector<WORD> BuildPointsPage(CKavrelDoc& doc);
void BuildValuesPage(CKavrelDoc& doc);
void BuildPathsPage(CKavrelDoc& doc);
// `model`: the 3DS file the model cell shows.
void BuildSolidsPage(CKavrelDoc& doc, const QString& model);
