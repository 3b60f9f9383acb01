// Shared pieces of the measured-value tests: a page on which points, lines,
// faces, circles and solids are made from coordinates, and measured values
// built on them as the measurement commands build them.
#pragma once
#include <array>
#include <functional>
#include <initializer_list>

#include "../celltestsupport.h"
#include "cells/dynamic/measures/geometricmeasures.h"
#include "cells/dynamic/measures/pointreadings.h"
#include "cells/dynamic/measures/roundmeasures.h"
#include "cells/primitives/cgarc.h"
#include "cells/revolution/roundsolids.h"

class MeasureTest : public CellTest {
 protected:
  // A measured value under the next id, entered in the page's map.
  template <class T, class... Ids>
  T* New(Ids... parents) {
    auto* cell = new T(page->m_nNextId, static_cast<WORD>(parents)...);
    page->m_cells.SetAt(page->m_nNextId++, cell);
    return cell;
  }
  template <class T, class... Ids>
  std::function<CGTmMeasure*()> Make(Ids... parents) {
    return [=, this] { return New<T>(parents...); };
  }

  WORD P(float x, float y, float z) { return AddPoint(x, y, z)->m_nId; }
  WORD L(WORD a, WORD b, BYTE kind = kLineSegment) { return AddLine(a, b, kind)->m_nId; }
  WORD F(std::initializer_list<std::array<float, 3>> corners) { return FaceOn(corners)->m_nId; }
  // A circle of the kind about the origin in the plane z = 0, from angle
  // `start` to `end`.
  WORD Arc(float r, BYTE kind, float start = 0, float end = kArcFullTurn) {
    return Put(new CGArc(page->m_nNextId, 0, 0, 0, r, 0, 0, 0, r, 0, start, end, kind));
  }
  template <class Kind, class... Values>
  WORD Solid(Values... values) {
    return Put(new Kind(page->m_nNextId, 0.0f, 0.0f, 0.0f, static_cast<float>(values)...));
  }
  WORD Put(CGCell* cell) {
    page->m_cells.SetAt(page->m_nNextId++, cell);
    return cell->m_nId;
  }

  // The value text of the name-equals-value form.
  static QString Caption(CGTmVariable& value) {
    value.m_nStyle = 1;
    value.UpdateValueText();
    return value.CurrentValueText();
  }
};
