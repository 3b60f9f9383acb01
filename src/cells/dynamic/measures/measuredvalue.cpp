#include "cells/dynamic/measures/measuredvalue.h"

#include <array>
#include <cassert>
#include <span>
#include <vector>

#include "cells/dynamic/measures/vectortexts.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgline.h"
#include "cells/primitives/cornerpoints.h"
#include "cells/primitives/formattext.h"
#include "math/funvariables.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"

namespace {
constexpr const char* kMarker = "%s";

// No row has more than four parents; markers beyond them stay empty.
constexpr std::size_t kMostParents = 4;

// Which parents a name writes in short: its mark-up writes them so too.
using ShortParents = std::array<bool, kMostParents>;

// Each place's parent text, at the first place of its parent (same[i]), so
// that a parent named twice is written in one way in both places.
void ParentTexts(const CGCell& cell, bool vods, std::vector<WrittenInText>& texts, std::size_t same[kMostParents]) {
  for (std::size_t i = 0; i < kMostParents; ++i) {
    same[i] = i;
    const CGCell* parent = cell.ParentAs<CGCell>(i);
    if (!parent) continue;
    same[i] = 0;
    while (cell.m_parents[same[i]] != cell.m_parents[i]) ++same[i];
    if (same[i] == i)
      texts[i] = {vods ? parent->m_strVodName : parent->m_strName, vods ? ShortVodLabel(*parent) : ShortLabel(*parent)};
  }
}

// `format` with the parents' names, or VOD names, put in: short where
// `shortened` says so or where whole they would make it too long, which
// `shortened` then says too.
QString FillWithParents(const CGCell& cell, const char* format, bool vods, ShortParents& shortened) {
  const QString pattern = QString::fromUtf8(format);
  const qsizetype markers = pattern.count(QLatin1String(kMarker));
  std::vector<WrittenInText> texts(kMostParents);
  std::size_t same[kMostParents];
  ParentTexts(cell, vods, texts, same);
  for (std::size_t i = 0; i < kMostParents; ++i) {
    if (static_cast<qsizetype>(i) < markers) ++texts[same[i]].uses;
    if (shortened[i]) WriteShort(texts[same[i]]);
  }
  FitWrittenIn(texts, pattern.size() - markers * 2, vods ? kLongestMarkupWrittenIn : kLongestWrittenIn);
  for (std::size_t i = 0; i < kMostParents; ++i) shortened[i] = texts[same[i]].shortened;
  return FillFormat(format, kMarker,
                    {texts[same[0]].whole, texts[same[1]].whole, texts[same[2]].whole, texts[same[3]].whole});
}
}  // namespace

const MeasureTexts* FindMeasureTexts(std::string_view className) {
  for (const auto& table : {std::span<const MeasureTexts>(kMeasureTexts), std::span<const MeasureTexts>(kVectorTexts)})
    for (const MeasureTexts& row : table)
      if (className == row.className) return &row;
  return nullptr;
}

void NameAfterParents(CGCell& cell, const MeasureTexts& texts) {
  ShortParents shortened{};
  cell.m_strName = FillWithParents(cell, texts.name, false, shortened);
  cell.m_strVodName = texts.vodFrom == kVodOfName
                          ? FillFormat(texts.vodName, kMarker, {cell.m_strName})
                          : FillWithParents(cell, texts.vodName, texts.vodFrom == kVodOfParentVods, shortened);
}

QString DescribeAfterParents(const CGCell& cell, const MeasureTexts& texts) {
  ShortParents shortened{};
  return FillWithParents(cell, texts.description, false, shortened);
}

QString ShortLabel(const CGCell& parent) { return ShortWrittenIn(parent.m_nId); }

QString ShortVodLabel(const CGCell& parent) {
  return QStringLiteral("<e>") + ShortLabel(parent) + QStringLiteral("</e>");
}

CGTmMeasure::CGTmMeasure(WORD id, std::span<const WORD> parents) {
  m_nId = id;
  if (g_pCurPage) g_pCurPage->NextTextPosition(m_vLabelAnchor, 1);
  for (WORD parent : parents) AppendParent(*this, parent);
}

const MeasureTexts& CGTmMeasure::Texts() const {
  static constexpr MeasureTexts kNone{"", 0, "", "", kVodOfParentNames, ""};
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
  NameAfterParents(*this, Texts());
  CGTmVariable::UpdateLabel();
}

QString CGTmMeasure::GetDescription() { return DescribeAfterParents(*this, Texts()); }

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
