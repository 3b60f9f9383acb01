#include "cells/primitives/perpendicularfeet.h"

#include <cmath>
#include <string>

#include "cells/primitives/cornerpoints.h"
#include "cells/primitives/formattext.h"
#include "math/geometry.h"
#include "platform/archive.h"

IMPLEMENT_SERIAL(CGVerFootpl, CGVertex)
IMPLEMENT_SERIAL(CGVerFootpf, CGVertex)

// --- Shared -----------------------------------------------------------------

CGVerFoot::CGVerFoot(WORD id, int slot, const QString& name, std::initializer_list<WORD> parents)
    : CGVertex(id, slot, name, 0, 0, 0) {
  for (WORD parent : parents) AppendParent(*this, parent);
}

void CGVerFoot::Serialize(CArchive& ar) {
  CGVertex::Serialize(ar);
  if (ar.IsStoring()) return;
  const std::string foot = "foot " + std::to_string(m_nId);
  if (m_parents.size() != ParentCount())
    throw CArchiveException(ArchiveError::BadData, foot + " has " + std::to_string(m_parents.size()) +
                                                       " points, not " + std::to_string(ParentCount()));
  for (const float* values : {m_vPos, m_vLabelOffset})
    for (int i = 0; i < 3; ++i)
      if (!std::isfinite(values[i]))
        throw CArchiveException(ArchiveError::BadData, foot + " holds a value that is not a number");
}

bool CGVerFoot::DefinedParents(const float* pos[], std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    const CGVertex* point = DefinedParentPoint(*this, i);
    if (!point) {
      m_bDefined = false;
      return false;
    }
    pos[i] = point->m_vPos;
  }
  return true;
}

void CGVerFoot::PlaceFoot(const float f[3]) {
  for (int i = 0; i < 3; ++i) m_vPos[i] = f[i];
  CGVertex::ApplyParameter();
  m_bDefined = true;
}

QString CGVerFoot::Describe(const char* format) const {
  auto name = [this](std::size_t i) { return ParentPointName(*this, i); };
  return FillFormat(format, "%s", {name(0), name(1), name(2), name(3)});
}

// --- On a line --------------------------------------------------------------

CGVerFootpl::CGVerFootpl(WORD id, int slot, const QString& name, WORD p, WORD a, WORD b)
    : CGVerFoot(id, slot, name, {p, a, b}) {
  Recalculate();
}

void CGVerFootpl::Recalculate() {
  const float* pos[3];
  if (!DefinedParents(pos, 3)) return;
  float f[3];
  FootOnLine(pos[0], pos[1], pos[2], f);
  PlaceFoot(f);
}

QString CGVerFootpl::GetDescription() { return Describe(kTextFootOnLineDescription); }

// --- On a plane -------------------------------------------------------------

CGVerFootpf::CGVerFootpf(WORD id, int slot, const QString& name, WORD p, WORD a, WORD b, WORD c)
    : CGVerFoot(id, slot, name, {p, a, b, c}) {
  Recalculate();
}

void CGVerFootpf::Recalculate() {
  const float* pos[4];
  if (!DefinedParents(pos, 4)) return;
  float f[3];
  if (!FootOnPlane(pos[0], pos[1], pos[2], pos[3], f)) {
    m_bDefined = false;
    return;
  }
  PlaceFoot(f);
}

QString CGVerFootpf::GetDescription() { return Describe(kTextFootOnPlaneDescription); }
