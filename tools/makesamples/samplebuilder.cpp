#include "samplebuilder.h"

#include <stdexcept>

#include "cells/primitives/arcsbypoints.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgline.h"
#include "cells/primitives/cgverfree.h"
#include "cells/primitives/cgverfreeincircle.h"
#include "cells/primitives/cgverfreeinline.h"
#include "model/autocolor.h"
#include "model/cgpage.h"
#include "model/vertexarray.h"
#include "model/globals.h"

CSampleBuilder::PointSlot CSampleBuilder::NextPoint() {
  if (m_page.m_nNextVertex + 1 > g_nVertexCapacity && !ReserveVertexArray(100))
    throw std::runtime_error("the vertex array cannot grow");
  const WORD id = m_page.m_nNextId++;
  return {id, m_page.m_nNextVertex++};
}

template <class T>
WORD CSampleBuilder::Enter(T* cell) {
  m_page.m_cells.SetAt(cell->m_nId, cell);
  return cell->m_nId;
}

WORD CSampleBuilder::Point(float x, float y, float z) {
  const PointSlot next = NextPoint();
  return Enter(new CGVerFreeXyz(next.id, next.slot, m_page.GetNewName(1), x, y, z));
}

WORD CSampleBuilder::Segment(WORD a, WORD b) { return Enter(new CGLine(m_page.m_nNextId++, a, b, kLineSegment)); }

WORD CSampleBuilder::Face(const std::vector<WORD>& corners) {
  return Enter(new CGFace(m_page.m_nNextId++, corners, NextAutoColor()));
}

WORD CSampleBuilder::CircleCentrePoint(WORD centre, WORD through, WORD inPlane) {
  return Enter(new CGArcCenterP(m_page.m_nNextId++, centre, through, inPlane, kArcCircle));
}

WORD CSampleBuilder::PointOnLine(WORD line, float t) {
  const PointSlot next = NextPoint();
  return Enter(new CGVerFreeInLine(next.id, next.slot, m_page.GetNewName(1), line, t));
}

WORD CSampleBuilder::PointOnCircle(WORD circle, float angle) {
  const PointSlot next = NextPoint();
  return Enter(new CGVerFreeInCircle(next.id, next.slot, m_page.GetNewName(1), circle, angle));
}

CGCell& CSampleBuilder::Cell(WORD id) {
  CGCell* cell = m_page.m_cells.Lookup(id);
  if (!cell) throw std::logic_error("no cell " + std::to_string(id));
  return *cell;
}
