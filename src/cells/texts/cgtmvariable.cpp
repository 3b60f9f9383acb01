// The value texts of measured and calculated values.
#include "cells/texts/cgtextmap.h"

#include "cells/texts/textcelltexts.h"
#include "cells/texts/textlayer.h"
#include "cells/texts/valuetext.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "model/valueformat.h"

IMPLEMENT_SERIAL(CGTmVariable, CGTextmap)

namespace {
// The format is chosen on the single-precision degrees, the text printed
// from the double-precision ones.
constexpr float kDegreesPerRadianF = 57.29578f;
constexpr double kDegreesPerRadian = 57.2957795131;

// The fixed words of value texts, made once.
struct ValueWords {
  QString equals = QString::fromUtf8(kTextValueEquals);
  QString undefinedNamed = QString::fromUtf8(kTextValueUndefinedNamed);
  QString undefined = QString::fromUtf8(kTextValueUndefined);
  QString degree = QString::fromUtf8(kTextDegreeSign);
};
const ValueWords& Words() {
  static const ValueWords words;
  return words;
}

void Compose(const CGTmVariable& v, bool afterName, ValueTextBuffer& out) {
  if (!v.m_bDefined) return out.Add(afterName ? Words().undefinedNamed : Words().undefined);
  if (afterName) out.Add(Words().equals);
  v.AddValue(out, v.ShowsDegrees());
}
}  // namespace

void CGTmVariable::AddValue(ValueTextBuffer& out, bool degrees) const {
  const float chosenOn = degrees ? m_fValue * kDegreesPerRadianF : m_fValue;
  const double shown = degrees ? m_fValue * kDegreesPerRadian : m_fValue;
  out.AddNumber(shown, ChooseNumberDecimals(chosenOn, m_fSize));
  if (degrees) out.Add(Words().degree);
}

QString CGTmVariable::FormatValue() const {
  ValueTextBuffer text;
  AddValue(text, ShowsDegrees());
  return text.View().toString();
}

QString CGTmVariable::ValueText(bool afterName) const {
  ValueTextBuffer text;
  Compose(*this, afterName, text);
  return text.View().toString();
}

void CGTmVariable::UpdateLabel() {
  // In place, so that the text has room to grow while a point is dragged.
  ValueTextBuffer text;
  Compose(*this, m_nStyle == 1, text);
  AssignInPlace(m_strValueText, text.View());
  m_bValueTextDue = false;
  m_bLabelStale = true;
}

void CGTmVariable::ComposeValueText() {
  const bool framed = m_nStyle == 1 && !m_bLabelHidden;
  ValueTextBuffer text;
  Compose(*this, framed && !m_strName.isEmpty(), text);
  ShowValueText(text.View());
}

void CGTmVariable::DrawForPick(int mode) {
  if (mode == 2 || !TextLayerShows(*this)) return;
  ComposeIfDue();  // the box is as wide as the text's lists
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
