#include "cells/primitives/cornerpoints.h"

#include <cmath>

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
  if (CGCell* parent = g_pCurCells ? g_pCurCells->Lookup(parentId) : nullptr) RegisterChild(*parent, cell.m_nId);
}

void RegisterChild(CGCell& parent, WORD child) {
  if (parent.m_children.empty() || parent.m_children.back() != child) parent.m_children.push_back(child);
}

const CGVertex* DefinedParentPoint(const CGCell& cell, std::size_t i) {
  const CGVertex* point = i < cell.m_parents.size() ? CornerPoint(cell.m_parents[i]) : nullptr;
  if (!point || !point->m_bDefined) return nullptr;
  for (float v : point->m_vPos)
    if (!std::isfinite(v)) return nullptr;
  return point;
}

QString ParentPointName(const CGCell& cell, std::size_t i) {
  return i < cell.m_parents.size() ? CornerName(cell.m_parents[i]) : QString();
}
