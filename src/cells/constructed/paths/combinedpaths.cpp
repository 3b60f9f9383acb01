#include "cells/constructed/paths/combinedpaths.h"

#include "cells/constructed/paths/pathpieces.h"
#include "cells/constructed/paths/pathpointtexts.h"
#include "cells/primitives/cornerpoints.h"
#include "model/cgpage.h"
#include "model/globals.h"

IMPLEMENT_SERIAL(CGVerFreeInPaths, CGVerFree)
IMPLEMENT_SERIAL(CGVerInPaths, CGVertex)

namespace {
// The point at combined parameter t over measured fractions.
bool PointOnPath(const CGCell& cell, const std::vector<double>& fractions, float t, float out[3]) {
  return WrapCombined(t) && CombinedPoint(cell, fractions, t, out);
}
}  // namespace

// --- Draggable on the path ------------------------------------------------------

CGVerFreeInPaths::CGVerFreeInPaths() { m_fValue = 0.6f; }

CGVerFreeInPaths::CGVerFreeInPaths(WORD id, int slot, const QString& name) : CGVerFree(id, slot, name, 0, 0, 0) {
  if (g_pCurPage)
    for (WORD piece : g_pCurPage->m_selAll)
      if (g_pCurPage->m_cells.Lookup(piece)) AppendParent(*this, piece);
  m_fValue = 0.6f;
  Recalculate();
}

void CGVerFreeInPaths::Serialize(CArchive& ar) {
  CGVerFree::Serialize(ar);
  SerializePieceCount(ar, *this, Pieces, 0);
}

void CGVerFreeInPaths::Recalculate() {
  Pieces = static_cast<int>(m_parents.size());
  float p[3];
  m_bDefined = CombinedFractions(*this, Pieces, m_fractions) && PointOnPath(*this, m_fractions, m_fValue, p);
  if (!m_bDefined) {
    m_fractions.clear();
    return;
  }
  PlaceAt(p);
}

void CGVerFreeInPaths::ApplyParameter() {
  if (!m_bDefined) return;
  float p[3];
  m_bDefined = PointOnPath(*this, m_fractions, m_fValue, p);
  if (m_bDefined) PlaceAt(p);
}

QString CGVerFreeInPaths::GetDescription() { return DescribePath(kTextFreeInPaths, QString::number(Pieces), {}); }

void CGVerFreeInPaths::DragTo() {
  NearestPiece nearest;
  const int n = static_cast<int>(m_fractions.size());
  if (n != static_cast<int>(m_parents.size()) || !NearestPieceToRay(*this, n, nearest)) return;
  const int i = nearest.index;
  const double from = i > 0 ? m_fractions[i - 1] : 0.0;
  m_fValue = static_cast<float>(from + (m_fractions[i] - from) * nearest.u);
  PlaceAt(nearest.at);
}

// --- At a fixed or a followed parameter -----------------------------------------

CGVerInPaths::CGVerInPaths(WORD id, int slot, const QString& name, const std::vector<WORD>& parents, BYTE mode,
                           float t)
    : CGVerOnPathByMode(id, slot, name, parents, mode, t) {
  Recalculate();
}

void CGVerInPaths::Recalculate() {
  std::vector<double> fractions;
  float p[3];
  if (!FollowSource() || !CombinedFractions(*this, PieceCount(), fractions) ||
      !PointOnPath(*this, fractions, m_fValue, p))
    return Undefine();
  PlaceIfFinite(p);
}

QString CGVerInPaths::GetDescription() { return Describe(kTextInPathsFixed, kTextInPathsFollowing); }
