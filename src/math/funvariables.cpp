#include "math/funvariables.h"

#include <algorithm>

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

QString ShortWrittenIn(unsigned id) { return QStringLiteral("#%1").arg(id); }

bool WritesShortIn(const QString& text) {
  for (qsizetype i = text.indexOf(u'#'); i >= 0 && i + 1 < text.size(); i = text.indexOf(u'#', i + 1))
    if (IsDigit(text[i + 1])) return true;
  return false;
}

bool FitWrittenIn(std::vector<WrittenInText>& texts, qsizetype around, qsizetype limit) {
  const auto added = [](const WrittenInText& t) { return t.uses * t.whole.size(); };
  const auto saved = [](const WrittenInText& t) { return t.uses * (t.whole.size() - t.brief.size()); };
  qsizetype length = around;
  for (const WrittenInText& t : texts) length += added(t);
  if (length <= limit) return false;
  std::vector<WrittenInText*> order;
  order.reserve(texts.size());
  for (WrittenInText& t : texts) order.push_back(&t);
  std::stable_sort(order.begin(), order.end(), [&](const auto* a, const auto* b) { return saved(*a) > saved(*b); });
  bool any = false;
  for (WrittenInText* t : order) {
    if (length <= limit || saved(*t) <= 0) break;
    length -= saved(*t);
    WriteShort(*t);
    any = true;
  }
  return any;
}

bool FitValueVariables(const QString& text, std::vector<WrittenInText>& texts, qsizetype limit) {
  for (WrittenInText& t : texts) t.uses = 0;
  const QString around = WriteInValueVariables(text, texts.size(), [&texts](std::size_t k) {
    ++texts[k].uses;
    return QString();
  });
  return FitWrittenIn(texts, around.size(), limit);
}

QString WriteInValueVariables(const QString& text, const std::vector<WrittenInText>& texts) {
  return WriteInValueVariables(text, texts.size(), [&texts](std::size_t k) { return texts[k].whole; });
}
