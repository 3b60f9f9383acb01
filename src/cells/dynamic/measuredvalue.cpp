#include "cells/dynamic/measuredvalue.h"

#include <cassert>

#include "cells/primitives/cgface.h"
#include "cells/primitives/cgline.h"
#include "cells/primitives/cornerpoints.h"
#include "cells/primitives/formattext.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"

namespace {
constexpr const char* kMarker = "%s";
}  // namespace

CGTmMeasure::CGTmMeasure(WORD id, std::span<const WORD> parents) {
  m_nId = id;
  if (g_pCurPage) g_pCurPage->NextTextPosition(m_vLabelAnchor, 1);
  for (WORD parent : parents) AppendParent(*this, parent);
}

const MeasureTexts& CGTmMeasure::Texts() const {
  static constexpr MeasureTexts kNone{"", 0, "", "", false, ""};
  const MeasureTexts* row = FindMeasureTexts(GetRuntimeClass()->m_lpszClassName);
  assert(row && "a measured-value class without its row of texts");
  return row ? *row : kNone;
}

void CGTmMeasure::Serialize(CArchive& ar) {
  CGTmVariable::Serialize(ar);
  const std::size_t parents = Texts().parents;
  CheckLoaded(ar, parents == kParentsAsGiven ? m_parents.size() : parents, {});
}

void CGTmMeasure::Recalculate() {
  float value = m_fValue;
  m_bDefined = Measure(value);
  if (m_bDefined) m_fValue = value;
  UpdateValueText();
}

void CGTmMeasure::UpdateLabel() {
  if (m_bNameFixed) return;
  const MeasureTexts& texts = Texts();
  // No row has more than four parents; markers beyond them stay empty.
  const std::initializer_list<QString> names = {ParentName(0), ParentName(1), ParentName(2), ParentName(3)};
  m_strName = FillFormat(texts.name, kMarker, names);
  m_strVodName = texts.vodOfName ? FillFormat(texts.vodName, kMarker, {m_strName})
                                 : FillFormat(texts.vodName, kMarker, names);
  CGTmVariable::UpdateLabel();
}

QString CGTmMeasure::GetDescription() {
  return FillFormat(Texts().description, kMarker, {ParentName(0), ParentName(1), ParentName(2), ParentName(3)});
}

const float* CGTmMeasure::PointParent(std::size_t i) const {
  const CGVertex* point = DefinedParentAs<CGVertex>(i);
  return point ? point->m_vPos : nullptr;
}

bool CGTmMeasure::LineParent(std::size_t i, const float*& a, const float*& b) const {
  const CGLine* line = DefinedParentAs<CGLine>(i);
  const CGVertex *pa, *pb;
  if (!line || !line->Ends(&pa, &pb)) return false;
  a = pa->m_vPos;
  b = pb->m_vPos;
  return true;
}

const CGFace* CGTmMeasure::FaceParent(std::size_t i, const float* corners[3]) const {
  const CGFace* face = DefinedParentAs<CGFace>(i);
  for (int k = 0; face && k < 3; ++k)
    if (!(corners[k] = face->CornerPos(k))) return nullptr;
  return face;
}
