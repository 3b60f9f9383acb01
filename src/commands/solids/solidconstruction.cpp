#include "commands/solids/solidconstruction.h"

#include "cells/primitives/cgface.h"
#include "cells/primitives/cgline.h"
#include "model/autocolor.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/globals.h"

QString CSolidConstruction::DrawName() { return g_pCurPage->GetNewName(1); }

CNewPoint CSolidConstruction::Take(const CPointName& name) {
  switch (name.kind) {
    case CPointName::kFixed:
      if (!name.text.isEmpty()) return m_build.NextPoint(name.text);
      break;
    case CPointName::kAuto:
      return m_build.NextPoint();
    case CPointName::kNone:
      break;
  }
  return m_build.NextNamelessPoint();
}

void CSolidConstruction::Segments(std::initializer_list<std::pair<WORD, WORD>> ends) {
  for (const auto& [a, b] : ends) Cell<CGLine>(a, b, BYTE{kLineSegment});
}

void CSolidConstruction::Loop(const std::vector<WORD>& corners) {
  for (size_t i = 0; i < corners.size(); ++i) Segments({{corners[i], corners[(i + 1) % corners.size()]}});
}

WORD CSolidConstruction::Face(const std::vector<WORD>& corners) {
  // The colour is drawn before the face takes its id, as the builders do.
  const COLORREF colour = NextAutoColor();
  return Cell<CGFace>(corners, colour);
}

void CSolidConstruction::SetDistance(WORD id, float distance) {
  CGCell* point = g_pCurPage->m_cells.Lookup(id);
  point->m_fValue = distance;
  // The solid's next cells are made from this point: computed now, not at the edit's end.
  point->Recalculate();
}

void CSolidConstruction::Hide(WORD id, bool label) {
  CGCell* point = g_pCurPage->m_cells.Lookup(id);
  if (label)
    point->m_bLabelHidden = 1;
  else
    point->m_bHidden = 1;
}

bool CSolidConstruction::Adopt(int count) {
  if (count <= 0) return false;
  m_build.Adopt(count);
  return true;
}

WORD PointOnPage(WORD id) {
  const CGCell* cell = id && g_pCurPage ? g_pCurPage->m_cells.Lookup(id) : nullptr;
  return cell && cell->IsKindOf(RUNTIME_CLASS(CGVertex)) ? id : 0;
}

CPosition PositionOf(WORD point) {
  const auto* p = PointOnPage(point) ? static_cast<const CGVertex*>(g_pCurPage->m_cells.Lookup(point)) : nullptr;
  return p ? CPosition{p->m_vPos[0], p->m_vPos[1], p->m_vPos[2]} : CPosition{0, 0, 0};
}
