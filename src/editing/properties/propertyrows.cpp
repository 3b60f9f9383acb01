#include "editing/properties/propertyrows.h"

#include <algorithm>

#include "model/cgcell.h"
#include "platform/runtimeclass.h"

namespace {
std::vector<CPropertyRow>& Rows() {
  static std::vector<CPropertyRow> rows;
  return rows;
}

bool ByListAndRank(const CPropertyRow& a, const CPropertyRow& b) {
  return a.list != b.list ? a.list < b.list : a.rank < b.rank;
}
}  // namespace

CPropertyRows::CPropertyRows(std::initializer_list<CPropertyRow> rows) {
  std::vector<CPropertyRow>& all = Rows();
  all.insert(all.end(), rows.begin(), rows.end());
  std::stable_sort(all.begin(), all.end(), ByListAndRank);
}

bool RunPropertyRow(PropertyList list, CKavrelDoc& doc, CGCell& cell) {
  for (const CPropertyRow& row : Rows()) {
    if (row.list != list) continue;
    // Classes of layers this program does not link have no cells to serve.
    const CRuntimeClass* cls = ClassRegistry::FromName(row.className);
    if (cls && cell.IsKindOf(cls) && row.handler(doc, cell)) return true;
  }
  return false;
}

std::vector<CPropertyRow> PropertyRows() { return Rows(); }
