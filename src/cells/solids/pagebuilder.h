// What the builders of solids, division points and tables share: cells
// entered into a page one after another, each taking the page's next id
// (and a point its next vertex slot) as it is made, so ids ascend in the
// order of creation.  No undo step is recorded; the caller wraps the
// returned number of newest cells in one.
#pragma once
#include <QString>
#include <utility>
#include <vector>

#include "cells/primitives/cgface.h"
#include "cells/primitives/cgline.h"
#include "model/cgpage.h"
#include "platform/types.h"

class CGVertex;

class CPageBuilder {
 public:
  explicit CPageBuilder(CGPage& page) : m_page(page) {}

  // A point of class T: (id, slot, name, args...).
  template <class T, class... Args>
  T* Point(const QString& name, Args&&... args) {
    const WORD id = m_page.m_nNextId++;
    const int slot = m_page.m_nNextVertex++;
    return Enter(new T(id, slot, name, std::forward<Args>(args)...));
  }
  // Any other cell of class T: (id, args...).
  template <class T, class... Args>
  T* Cell(Args&&... args) {
    return Enter(new T(m_page.m_nNextId++, std::forward<Args>(args)...));
  }
  CGLine* Segment(WORD a, WORD b) { return Cell<CGLine>(a, b, BYTE{kLineSegment}); }
  // A face in the next colour of the automatic cycle.
  CGFace* Face(const std::vector<WORD>& corners);

  // The cell `id` of the page as a T, or null.
  template <class T>
  T* Find(WORD id) const {
    CGCell* cell = m_page.m_cells.Lookup(id);
    return cell && cell->IsKindOf(T::ThisClass()) ? static_cast<T*>(cell) : nullptr;
  }
  QString NameOf(WORD id) const;

  // Room for `cells` more ids, `points` of them points in the vertex array
  // (grown by `growth` first); false, with the user told, when there is none.
  bool HasRoom(int cells, int points, int growth) const;

 private:
  template <class T>
  T* Enter(T* cell) {
    m_page.m_cells.SetAt(cell->m_nId, cell);
    return cell;
  }

  CGPage& m_page;
};
