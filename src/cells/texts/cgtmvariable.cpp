// The value texts of measured and calculated values.
#include "cells/texts/cgtextmap.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "cells/texts/textcelltexts.h"
#include "cells/texts/textlayer.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "model/valueformat.h"
#include "platform/numberformat.h"
#include "render/glcontext.h"

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

// A value text composed on the stack.  The longest is " =", a sign, the
// 41 whole digits of the largest float in degrees, five decimals and "°".
class ValueTextBuffer {
 public:
  void Add(QStringView text) {
    for (QChar c : text) Put(c.unicode());
  }
  void AddAscii(const char* text, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) Put(static_cast<char16_t>(text[i]));
  }
  void Put(char16_t c) {
    if (m_size < kMax) m_text[m_size++] = c;
  }
  QStringView View() const { return {m_text, m_size}; }

 private:
  static constexpr qsizetype kMax = 64;
  char16_t m_text[kMax];
  qsizetype m_size = 0;
};

void AddNumber(const CGTmVariable& v, ValueTextBuffer& out) {
  const bool degrees = v.ShowsDegrees();
  const float chosenOn = degrees ? v.m_fValue * kDegreesPerRadianF : v.m_fValue;
  const double shown = degrees ? v.m_fValue * kDegreesPerRadian : v.m_fValue;
  char digits[64];
  const std::size_t n = FixedDigits(shown, ChooseNumberDecimals(chosenOn, v.m_fSize), digits, sizeof digits);
  if (std::signbit(shown)) out.Put(u'-');
  out.AddAscii(digits, n);
  if (degrees) out.Add(Words().degree);
}

void Compose(const CGTmVariable& v, bool afterName, ValueTextBuffer& out) {
  if (!v.m_bDefined) return out.Add(afterName ? Words().undefinedNamed : Words().undefined);
  if (afterName) out.Add(Words().equals);
  AddNumber(v, out);
}

// Reuses the string's own buffer, which keeps room for a longer number, so
// that a changing value costs no allocation after the first.
void AssignInPlace(QString& target, QStringView text) {
  constexpr qsizetype kRoom = 24;
  if (target.capacity() < text.size()) target.reserve(std::max(text.size(), kRoom));
  target.resize(text.size());
  std::copy(text.begin(), text.end(), target.data());
}
}  // namespace

QString CGTmVariable::FormatValue() const {
  ValueTextBuffer text;
  AddNumber(*this, text);
  return text.View().toString();
}

QString CGTmVariable::ValueText(bool afterName) const {
  ValueTextBuffer text;
  Compose(*this, afterName, text);
  return text.View().toString();
}

void CGTmVariable::UpdateLabel() {
  m_strValueText = ValueText(m_nStyle == 1);
  m_bLabelStale = true;
}

void CGTmVariable::UpdateValueText() {
  const bool framed = m_nStyle == 1 && !m_bLabelHidden;
  ValueTextBuffer text;
  Compose(*this, framed && !m_strName.isEmpty(), text);
  if (text.View() != QStringView(m_strValueText)) {
    AssignInPlace(m_strValueText, text.View());
  } else if (ListsCurrent()) {
    return;
  }
  // While a file loads, an undo runs or a point is dragged there is no
  // context to make lists in: the next draw makes them.
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
