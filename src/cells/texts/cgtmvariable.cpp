// The value texts of measured and calculated values.
#include "cells/texts/cgtextmap.h"
#include "cells/texts/textcelltexts.h"
#include "cells/texts/textlayer.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "model/valueformat.h"
#include "platform/numberformat.h"
#include "render/glcontext.h"

IMPLEMENT_SERIAL(CGTmVariable, CGTextmap)

namespace {
constexpr int kKindAngle = 2;
// The format is chosen on the single-precision degrees, the text printed
// from the double-precision ones.
constexpr float kDegreesPerRadianF = 57.29578f;
constexpr double kDegreesPerRadian = 57.2957795131;
}  // namespace

QString CGTmVariable::FormatValue() const {
  if (m_nParamA == kKindAngle) {
    const QString format = ChooseNumberFormat(m_fValue * kDegreesPerRadianF, m_fSize);
    return FormatNumber(format, m_fValue * kDegreesPerRadian) + QString::fromUtf8(kTextDegreeSign);
  }
  return FormatNumber(ChooseNumberFormat(m_fValue, m_fSize), m_fValue);
}

QString CGTmVariable::ValueText(bool afterName) const {
  if (!m_bDefined) return QString::fromUtf8(afterName ? kTextValueUndefinedNamed : kTextValueUndefined);
  return afterName ? QString::fromUtf8(kTextValueEquals) + FormatValue() : FormatValue();
}

void CGTmVariable::UpdateLabel() {
  m_strValueText = ValueText(m_nStyle == 1);
  m_bLabelStale = true;
}

void CGTmVariable::UpdateValueText() {
  const bool framed = m_nStyle == 1 && !m_bLabelHidden;
  m_strValueText = ValueText(framed && !m_strName.isEmpty());
  // While a file loads or an undo runs there is no context to make lists
  // in: the next draw makes them.
  if (!GlContextCurrent()) {
    m_bLabelStale = true;
    return;
  }
  if (framed && !m_bLabelStale && ReuseFramedList()) return;
  RebuildLists(1);
}

void CGTmVariable::DrawForPick(int mode) {
  if (mode == 2 || !TextLayerShows(*this)) return;
  PickCaption();
}

int CountSelectedVariables() {
  const CGPage* page = g_pCurPage;
  if (!page) return 0;
  int count = 0;
  for (WORD id : page->m_selValues) {
    const CGCell* cell = page->m_cells.Lookup(id);
    if (cell && cell->IsKindOf(RUNTIME_CLASS(CGTmVariable))) ++count;
  }
  return count;
}
