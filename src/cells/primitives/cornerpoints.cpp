#include "cells/primitives/cornerpoints.h"

#include "model/cellmap.h"
#include "model/globals.h"

const CGVertex* CornerPoint(WORD id) {
  const CGCell* cell = g_pCurCells ? g_pCurCells->Lookup(id) : nullptr;
  return cell && cell->IsKindOf(RUNTIME_CLASS(CGVertex)) ? static_cast<const CGVertex*>(cell) : nullptr;
}

int CornerSlot(WORD id) {
  const CGVertex* point = CornerPoint(id);
  return point ? point->VertexIndex : 0;
}

QString CornerName(WORD id) {
  const CGVertex* point = CornerPoint(id);
  return point ? point->m_strName : QString();
}

void AppendParent(CGCell& cell, WORD parentId) {
  cell.m_parents.push_back(parentId);
  if (CGCell* parent = g_pCurCells ? g_pCurCells->Lookup(parentId) : nullptr)
    parent->m_children.push_back(cell.m_nId);
}
