#include "cells/constructed/coordinatespoint.h"

#include <string>

#include "cells/constructed/derivedpointtexts.h"
#include "cells/primitives/cornerpoints.h"
#include "cells/primitives/formattext.h"
#include "platform/archive.h"
#include "platform/numberformat.h"

IMPLEMENT_SERIAL(CGVerCoordinates, CGVertex)

CGVerCoordinates::CGVerCoordinates(WORD id, int slot, const QString& name, const std::vector<WORD>& values,
                                   int sourceX, int sourceY, int sourceZ, float x, float y, float z)
    : CGConstructedPoint(id, slot, name, {}), Source{sourceX, sourceY, sourceZ} {
  // A fourth parent would make the saved page refuse to load.
  for (size_t i = 0; i < values.size() && i < kMaxValues; ++i) AppendParent(*this, values[i]);
  const float fixed[3] = {x, y, z};
  PlaceAt(fixed);
  Recalculate();
}

void CGVerCoordinates::Serialize(CArchive& ar) {
  CGVertex::Serialize(ar);
  if (ar.IsStoring()) {
    for (std::int32_t s : Source) ar << s;
    return;
  }
  for (std::int32_t& s : Source) ar >> s;
  const size_t parents = m_parents.size();
  CheckLoadedPoint(ar, parents);
  const std::string point = "coordinates point " + std::to_string(m_nId);
  if (parents > kMaxValues)
    throw CArchiveException(ArchiveError::BadData, point + " has " + std::to_string(parents) + " values");
  for (std::int32_t s : Source)
    if (s < 0 || static_cast<size_t>(s) > parents)
      throw CArchiveException(ArchiveError::BadData,
                              point + " takes value " + std::to_string(s) + " of " + std::to_string(parents));
}

void CGVerCoordinates::Recalculate() {
  for (size_t i = 0; i < m_parents.size(); ++i)
    if (!DefinedParentAs<CGCell>(i)) return Undefine();
  float p[3] = {m_vPos[0], m_vPos[1], m_vPos[2]};
  for (int axis = 0; axis < 3; ++axis) {
    if (Source[axis] <= 0) continue;
    const CGCell* value = ParentAs<CGCell>(static_cast<size_t>(Source[axis]) - 1);
    if (!value) return Undefine();  // an index beyond the parents
    p[axis] = value->m_fValue;
  }
  PlaceIfFinite(p);
}

QString CGVerCoordinates::GetDescription() {
  auto axis = [this](int i) {
    return Source[i] > 0 ? ParentName(static_cast<size_t>(Source[i]) - 1) : FormatNumber("%.4f", m_vPos[i]);
  };
  return FillFormat(kTextCoordinates, "%s", {axis(0), axis(1), axis(2)});
}
