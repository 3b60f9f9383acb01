#include "cells/dynamic/vectors/vectorvalues.h"

#include <cmath>
#include <cstring>

#include "cells/dynamic/measures/measuredvalue.h"
#include "cells/dynamic/measures/vectortexts.h"
#include "cells/primitives/cornerpoints.h"
#include "cells/primitives/formattext.h"
#include "cells/texts/textlayer.h"
#include "cells/texts/valuetext.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "model/valueformat.h"
#include "platform/archive.h"

IMPLEMENT_SERIAL(CGTmVector, CGTextmap)
IMPLEMENT_SERIAL(CGTmVectorPoint, CGTmVector)
IMPLEMENT_SERIAL(CGTmVectorPP, CGTmVector)
IMPLEMENT_SERIAL(CGTmVectorNface, CGTmVector)
IMPLEMENT_SERIAL(CGTmVectorAdd, CGTmVector)
IMPLEMENT_SERIAL(CGTmVectorMinus, CGTmVector)
IMPLEMENT_SERIAL(CGTmVectorCross, CGTmVector)
IMPLEMENT_SERIAL(CGTmVectorScaled, CGTmVector)

namespace {
void Difference(const float* b, const float* a, float out[3]) {
  for (int i = 0; i < 3; ++i) out[i] = b[i] - a[i];
}

void Cross(const float* a, const float* b, float out[3]) {
  out[0] = a[1] * b[2] - b[1] * a[2];
  out[1] = a[2] * b[0] - a[0] * b[2];
  out[2] = a[0] * b[1] - a[1] * b[0];
}
}  // namespace

CGTmVector::CGTmVector(WORD id, std::initializer_list<WORD> parents) {
  m_nId = id;
  if (g_pCurPage) g_pCurPage->NextTextPosition(m_vLabelAnchor, 1);
  CGTmVector::UpdateLabel();  // the first value text, before there are parents to name it by
  for (WORD parent : parents) AppendParent(*this, parent);
}

const MeasureTexts* CGTmVector::Texts() const { return FindMeasureTexts(GetRuntimeClass()->m_lpszClassName); }

void CGTmVector::Serialize(CArchive& ar) {
  CGCell::Serialize(ar);
  float* v = m_vVector;
  if (ar.IsStoring()) {
    ar << v[0] << v[1] << v[2];
    return;
  }
  ar >> v[0] >> v[1] >> v[2];
  const MeasureTexts* row = Texts();
  CheckLoaded(ar, row ? row->parents : m_parents.size(), {v[0], v[1], v[2]});
  CheckLoadedCaption();
}

bool CGTmVector::Compute(float v[3]) {
  CGCell::Recalculate();
  std::memcpy(v, m_vVector, sizeof m_vVector);
  return m_bDefined;
}

void CGTmVector::Recalculate() {
  float v[3];
  // A result beyond single precision would be stored as an infinity that
  // no file can load back.
  m_bDefined = Compute(v) && IsFiniteVector(v);
  if (m_bDefined) std::memcpy(m_vVector, v, sizeof m_vVector);
  m_fValue = m_vVector[0];
  UpdateValueText();
}

void CGTmVector::UpdateLabel() {
  if (const MeasureTexts* row = Texts()) {
    if (m_bNameFixed) return;
    NameAfterParents(*this, *row);
  }
  ShowValue();
}

void CGTmVector::ShowValue() {
  if (m_nStyle != 1) return UpdateValueText();
  // The formula form lays its mark-up out again at the next value text.
  ValueTextBuffer text;
  ComposeValue(text);
  AssignInPlace(m_strValueText, text.View());
  m_bLabelStale = true;
}

void CGTmVector::ComposeValue(ValueTextBuffer& out) const {
  const bool formula = m_nStyle == 1;
  const bool two = ShowsTwoComponents();
  if (!m_bDefined) {
    const char* undefined = kTextVectorUndefined[formula][two];
    return out.AddAscii(undefined, std::strlen(undefined));
  }
  if (formula) out.Put(u'=');
  out.Put(u'(');
  for (int i = 0; i < (two ? 2 : 3); ++i) {
    if (i > 0) out.AddAscii(", ", 2);
    out.AddNumber(m_vVector[i], ChooseNumberDecimals(m_vVector[i], m_fSize));
  }
  out.Put(u')');
}

void CGTmVector::UpdateValueText() {
  ValueTextBuffer text;
  ComposeValue(text);
  ShowValueText(text.View());
}

void CGTmVector::DrawForPick(int mode) {
  if (mode < 3 || !TextLayerShows(*this)) return;
  PickCaption();
}

QString CGTmVector::GetDescription() {
  if (const MeasureTexts* row = Texts()) return DescribeAfterParents(*this, *row);
  return FillFormat(kTextVectorDescription, "%s", {m_strName});
}

bool IsFiniteVector(const float v[3]) {
  return std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]);
}

bool IsValueCell(const CGCell& cell) {
  return cell.IsKindOf(RUNTIME_CLASS(CGTmVariable)) || cell.IsKindOf(RUNTIME_CLASS(CGTmVector));
}

const CGTmVector* CGTmVector::VectorParent(std::size_t i) const { return DefinedParentAs<CGTmVector>(i); }

bool CGTmVectorPoint::Compute(float v[3]) {
  const CGVertex* p = DefinedParentPoint(*this, 0);
  if (!p) return false;
  std::memcpy(v, p->m_vPos, sizeof p->m_vPos);
  return true;
}

bool CGTmVectorPP::Compute(float v[3]) {
  const CGVertex* a = DefinedParentPoint(*this, 0);
  const CGVertex* b = a ? DefinedParentPoint(*this, 1) : nullptr;
  if (!b) return false;
  Difference(b->m_vPos, a->m_vPos, v);
  return true;
}

bool CGTmVectorNface::Compute(float v[3]) {
  const CGVertex* a = DefinedParentPoint(*this, 0);
  const CGVertex* b = a ? DefinedParentPoint(*this, 1) : nullptr;
  const CGVertex* c = b ? DefinedParentPoint(*this, 2) : nullptr;
  if (!c) return false;
  float ab[3], ac[3], n[3];
  Difference(b->m_vPos, a->m_vPos, ab);
  Difference(c->m_vPos, a->m_vPos, ac);
  Cross(ab, ac, n);
  const float length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
  if (!std::isfinite(length)) return false;
  // Collinear or coincident points span no plane: the zero vector, as the
  // degenerate measurements give a fixed number.
  for (int i = 0; i < 3; ++i) v[i] = length > 0 ? n[i] / length : 0.0f;
  return true;
}

namespace {
// The two vectors, when both are there and defined, combined by `op`.
template <class Op>
bool TwoVectors(const CGTmVector* a, const CGTmVector* b, float v[3], Op op) {
  if (!a || !b) return false;
  op(a->m_vVector, b->m_vVector, v);
  return true;
}
}  // namespace

bool CGTmVectorAdd::Compute(float v[3]) {
  return TwoVectors(VectorParent(0), VectorParent(1), v, [](const float* a, const float* b, float* out) {
    for (int i = 0; i < 3; ++i) out[i] = a[i] + b[i];
  });
}

bool CGTmVectorMinus::Compute(float v[3]) {
  return TwoVectors(VectorParent(0), VectorParent(1), v, [](const float* a, const float* b, float* out) {
    for (int i = 0; i < 3; ++i) out[i] = a[i] - b[i];
  });
}

bool CGTmVectorCross::Compute(float v[3]) { return TwoVectors(VectorParent(0), VectorParent(1), v, Cross); }

bool CGTmVectorScaled::Compute(float v[3]) {
  const CGCell* k = DefinedParentAs<CGCell>(0);
  if (!k || !IsValueCell(*k)) return false;
  const CGTmVector* a = VectorParent(1);
  if (!a) return false;
  for (int i = 0; i < 3; ++i) v[i] = k->m_fValue * a->m_vVector[i];
  return true;
}
