#include "cells/constructed/paths/compoundpaths.h"

#include <cstdint>

#include "cells/constructed/parametersource.h"
#include "cells/constructed/paths/pathpieces.h"
#include "cells/constructed/paths/pathpointtexts.h"
#include "cells/primitives/cornerpoints.h"
#include "platform/archive.h"

IMPLEMENT_SERIAL(CGVerFreeInBorder, CGVerFree)
IMPLEMENT_SERIAL(CGVerInBorderFt, CGVertex)
IMPLEMENT_SERIAL(CGVerInBorder, CGVertex)

// --- Draggable on the path ------------------------------------------------------

CGVerFreeInBorder::CGVerFreeInBorder() { m_fValue = 0.5f; }

CGVerFreeInBorder::CGVerFreeInBorder(WORD id, int slot, const QString& name, const std::vector<WORD>& pieces, float t)
    : CGVerFree(id, slot, name, 0, 0, 0), Pieces(static_cast<int>(pieces.size())) {
  for (WORD piece : pieces) AppendParent(*this, piece);
  m_fValue = t;
  Recalculate();
}

void CGVerFreeInBorder::Serialize(CArchive& ar) {
  CGVerFree::Serialize(ar);
  SerializePieceCount(ar, *this, Pieces, 0);
}

void CGVerFreeInBorder::Recalculate() {
  float p[3];
  if (!CompoundPoint(*this, Pieces, m_fValue, kPolygonEdges | kCurvedPieces, p)) {
    m_bDefined = false;
    return;
  }
  PlaceAt(p);
  m_bDefined = true;
}

QString CGVerFreeInBorder::GetDescription() { return DescribePath(kTextFreeInBorder, QString::number(Pieces), {}); }

void CGVerFreeInBorder::DragTo() {
  NearestPiece nearest;
  if (!NearestPieceToRay(*this, Pieces, nearest)) return;
  m_fValue = static_cast<float>(nearest.index) + nearest.u;
  PlaceAt(nearest.at);
}

// --- The twin on a polygon's border ---------------------------------------------

CGVerInBorderFt::CGVerInBorderFt(WORD id, int slot, const QString& name, const std::vector<WORD>& corners, WORD point)
    : CGConstructedPoint(id, slot, name, corners), Pieces(static_cast<int>(corners.size())) {
  AppendParent(*this, point);
  Recalculate();
}

void CGVerInBorderFt::Serialize(CArchive& ar) {
  CGVertex::Serialize(ar);
  SerializePieceCount(ar, *this, Pieces, 1);
}

void CGVerInBorderFt::Recalculate() {
  const CGCell* source = DefinedSource(*this, Pieces);
  if (!source) return Undefine();
  m_fValue = source->m_fValue;
  float p[3];
  if (!CompoundPoint(*this, Pieces, m_fValue, kPolygonEdges, p)) return Undefine();
  PlaceIfFinite(p);
}

QString CGVerInBorderFt::GetDescription() {
  return DescribePath(kTextInBorderFt, QString::number(Pieces), {ParentName(Pieces)});
}

// --- At a fixed or a followed parameter -----------------------------------------

CGVerInBorder::CGVerInBorder(WORD id, int slot, const QString& name, const std::vector<WORD>& parents, BYTE mode,
                             float t)
    : CGVerOnPathByMode(id, slot, name, parents, mode, t) {
  Recalculate();
}

void CGVerInBorder::Recalculate() {
  float p[3];
  if (!FollowSource() ||
      !CompoundPoint(*this, PieceCount(), m_fValue, kCurvedPieces, p))
    return Undefine();
  PlaceIfFinite(p);
}

QString CGVerInBorder::GetDescription() { return Describe(kTextInBorderFixed, kTextInBorderFollowing); }
