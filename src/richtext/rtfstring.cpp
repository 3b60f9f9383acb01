#include "richtext/rtfstring.h"

QString PackRtfString(const QByteArray& rtf) {
  const qsizetype units = (rtf.size() + 1) / 2;
  QString packed(units + 1, QChar(0));
  for (qsizetype i = 0; i < units; ++i) {
    const auto low = static_cast<unsigned char>(rtf[2 * i]);
    const auto high = 2 * i + 1 < rtf.size() ? static_cast<unsigned char>(rtf[2 * i + 1]) : 0;
    packed[i] = QChar(static_cast<char16_t>(low | (high << 8)));
  }
  return packed;
}

QByteArray UnpackRtfString(const QString& packed) {
  QByteArray rtf;
  rtf.reserve(packed.size() * 2);
  for (QChar unit : packed) {
    const char16_t u = unit.unicode();
    if (u == 0) break;
    rtf.append(static_cast<char>(u & 0xFF));
    if (u >> 8) rtf.append(static_cast<char>(u >> 8));
    else break;  // only the last unit of an odd stream has a zero high half
  }
  return rtf;
}
