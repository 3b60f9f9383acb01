// How the solvers find their carriers: by id in the current page, of the
// kind they read and defined.
#pragma once
#include "model/cellmap.h"
#include "model/cgcell.h"
#include "model/globals.h"

template <class T>
T* DefinedCell(WORD id) {
  CGCell* cell = g_pCurCells ? g_pCurCells->Lookup(id) : nullptr;
  return cell && cell->m_bDefined && cell->IsKindOf(T::ThisClass()) ? static_cast<T*>(cell) : nullptr;
}
