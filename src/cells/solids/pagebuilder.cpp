#include "cells/solids/pagebuilder.h"

#include "model/autocolor.h"
#include "model/vertexarray.h"

CGFace* CPageBuilder::Face(const std::vector<WORD>& corners) {
  // The colour is taken when the face is made: one step of the cycle each.
  const COLORREF colour = NextAutoColor();
  return Cell<CGFace>(corners, colour);
}

QString CPageBuilder::NameOf(WORD id) const {
  const CGCell* cell = m_page.m_cells.Lookup(id);
  return cell ? cell->m_strName : QString();
}

bool CPageBuilder::HasRoom(int cells, int points, int growth) const {
  return m_page.HasRoomForCells(cells) && ReserveSlotsFor(m_page, points, growth);
}
