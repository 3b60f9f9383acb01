#include "cells/constructed/transformedpoint.h"

#include <cmath>

#include "platform/archive.h"
#include "platform/numberformat.h"

const float* CGTransformedPoint::PointPos(size_t i) const {
  const CGVertex* point = DefinedParentAs<CGVertex>(i);
  return point ? point->m_vPos : nullptr;
}

bool CGTransformedPoint::ParentValue(size_t i, float& value) const {
  const CGCell* cell = DefinedParentAs<CGCell>(i);
  if (!cell || !std::isfinite(cell->m_fValue)) return false;
  value = cell->m_fValue;
  return true;
}

void CGTransformedPoint::SerializeFixed(CArchive& ar, std::initializer_list<float*> values) {
  CGConstructedPoint::Serialize(ar);
  SerializeFloats(ar, values);
}

void CGTransformedPoint::SerializeFloats(CArchive& ar, std::initializer_list<float*> values) {
  for (float* v : values) {
    if (ar.IsStoring()) {
      ar << *v;
    } else {
      ar >> *v;
      CheckLoaded(ar, m_parents.size(), {*v});
    }
  }
}

QString CGTransformedPoint::Describe(const char* format, std::initializer_list<double> numbers,
                                     std::initializer_list<QString> names) {
  // One walk over the format, so a name holding "%.4f" or "%s" is shown as
  // it is; markers beyond the values become empty.
  static const QString kName = QStringLiteral("%s"), kNumber = QStringLiteral("%.4f");
  const QString text = QString::fromUtf8(format);
  const QStringView view(text);
  auto number = numbers.begin();
  auto name = names.begin();
  QString out;
  for (qsizetype i = 0; i < text.size();) {
    if (view.sliced(i).startsWith(kName)) {
      if (name != names.end()) out += *name++;
      i += kName.size();
    } else if (view.sliced(i).startsWith(kNumber)) {
      if (number != numbers.end()) out += FormatNumber("%.4f", *number++);
      i += kNumber.size();
    } else {
      out += text[i++];
    }
  }
  return out;
}
