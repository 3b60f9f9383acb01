#include "math/funvariables.h"

namespace {
bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }
}  // namespace

QString WriteInValueVariables(const QString& text, std::size_t count,
                              const std::function<QString(std::size_t)>& replacement) {
  constexpr qsizetype kLongestIndex = 5;  // values are counted in 16 bits
  QString out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size();) {
    if (text[i] == u'N' && i + 1 < text.size() && text[i + 1] == u'o') {
      qsizetype end = i + 2;
      while (end < text.size() && IsDigit(text[end])) ++end;
      const QStringView digits = QStringView(text).mid(i + 2, end - i - 2);
      if (!digits.isEmpty() && digits.front() != u'0' && digits.size() <= kLongestIndex) {
        const std::size_t k = digits.toULong();
        if (k <= count) {
          out += replacement(k - 1);
          i = end;
          continue;
        }
      }
    }
    out += text[i++];
  }
  return out;
}
