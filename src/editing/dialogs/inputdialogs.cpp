#include "editing/dialogs/inputdialogs.h"

#include <charconv>
#include <cmath>

#include "editing/dialogs/inputdialogtexts.h"

namespace {
// The whole of the trimmed text as a finite float, or false.
template <class Real>
bool ParseFloat(const QString& text, Real& value) {
  const QByteArray bytes = text.trimmed().toLatin1();
  const char* first = bytes.constData();
  const char* last = first + bytes.size();
  if (first != last && *first == '+') ++first;  // from_chars takes no plus sign
  if (first == last || *first == '+') return false;
  Real read = 0;
  const auto [end, error] = std::from_chars(first, last, read);
  if (error != std::errc() || end != last || !std::isfinite(read)) return false;
  value = read;
  return true;
}
}  // namespace

QString ExchangeNumber(const QString& text, float& member) {
  float value = 0;
  if (!ParseFloat(text, value)) return QString::fromUtf8(kTextNotANumber);
  member = value;
  return {};
}

QString ExchangeNumber(const QString& text, double& member) {
  double value = 0;
  if (!ParseFloat(text, value)) return QString::fromUtf8(kTextNotANumber);
  member = value;
  return {};
}

QString ExchangeInteger(const QString& text, int lo, int hi, int& member) {
  bool ok = false;
  const int value = text.trimmed().toInt(&ok, 10);
  if (!ok || value < lo || value > hi) return QString::fromUtf8(kTextIntegerRange).arg(lo).arg(hi);
  member = value;
  return {};
}

QString RangeMessage(double low, double high, bool integer) {
  return QString::fromUtf8(integer ? kTextIntegerRange : kTextNumberRange).arg(low).arg(high);
}

QString RefusedDegrees(float degrees) {
  if (degrees >= -kMaxTypedDegrees && degrees <= kMaxTypedDegrees) return {};
  return RangeMessage(-kMaxTypedDegrees, kMaxTypedDegrees, false);
}

QString CDlgIntersectionNum::Prompt() const {
  const char* form = m_nCount < kMaxCount ? kTextIntersectionPromptFew : kTextIntersectionPromptMany;
  return QString::fromUtf8(form).replace(QStringLiteral("%d"), QString::number(m_nCount));
}

void CDlgParameter::SetInteger(BOOL on) {
  m_bInteger = on ? 1 : 0;
  if (on) m_bAngle = 0;
}

void CDlgParameter::SetAngle(BOOL on) {
  m_bAngle = on ? 1 : 0;
  if (on) m_bInteger = 0;
}
