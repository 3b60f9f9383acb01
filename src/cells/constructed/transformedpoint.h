// What the translated, rotated, scaled and mirrored points share beyond
// every constructed point: reading point and value parents, a record with
// fixed numbers after the point record, and descriptions that hold both
// parents' names and fixed numbers.
#pragma once
#include <initializer_list>

#include "cells/primitives/constructedpoint.h"

class CGTransformedPoint : public CGConstructedPoint {
 protected:
  using CGConstructedPoint::CGConstructedPoint;

  // The position of parent i while it is a defined point, else null.
  const float* PointPos(size_t i) const;
  // The value of parent i (any cell: a measurement, a calculation) while it
  // is defined and a number.
  bool ParentValue(size_t i, float& value) const;
  // The image found: placed when finite, else undefined (parents near the
  // float limit), so a saved page always reopens.
  void PlaceImage(const float p[3]) { PlaceIfFinite(p); }
  // The point record, then `values` in order; loading fails on a value that
  // is not a number.
  void SerializeFixed(CArchive& ar, std::initializer_list<float*> values);
  // Only the values, for a record that goes on after its base's.
  void SerializeFloats(CArchive& ar, std::initializer_list<float*> values);
  // `format` with each %.4f replaced by the next of `numbers` (four
  // decimals) and each %s by the next of `names`.
  static QString Describe(const char* format, std::initializer_list<double> numbers,
                          std::initializer_list<QString> names);
};
