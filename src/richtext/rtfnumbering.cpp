#include "richtext/rtfnumbering.h"

#include <algorithm>

#include "richtext/rtfformat.h"

namespace {

struct StyleWord {
  const char* word;
  QTextListFormat::Style style;
};

constexpr StyleWord kStyles[] = {
    {"pnlvlblt", QTextListFormat::ListDisc},         {"pndec", QTextListFormat::ListDecimal},
    {"pnlcltr", QTextListFormat::ListLowerAlpha},    {"pnucltr", QTextListFormat::ListUpperAlpha},
    {"pnlcrm", QTextListFormat::ListLowerRoman},     {"pnucrm", QTextListFormat::ListUpperRoman},
};

constexpr int kMaxStart = 32767;  // the rich edit's numbering start is a 16-bit value

}  // namespace

bool ApplyNumberingWord(RtfNumbering& numbering, const QByteArray& word, long param) {
  for (const StyleWord& s : kStyles) {
    if (word == s.word) {
      numbering.style = s.style;
      return true;
    }
  }
  if (word == "pnstart") {
    numbering.start = static_cast<int>(std::clamp<long>(param, 0, kMaxStart));
    return true;
  }
  return false;
}

QTextListFormat ListFormatOf(const RtfNumbering& numbering) {
  QTextListFormat f;
  f.setStyle(numbering.style);
  f.setNumberPrefix(numbering.before);
  f.setNumberSuffix(numbering.after);
  f.setProperty(rtf::kNumberStart, numbering.start);
  return f;
}

RtfNumbering NumberingOf(const QTextListFormat& list) {
  RtfNumbering n;
  n.style = list.style();
  n.start = list.hasProperty(rtf::kNumberStart) ? list.intProperty(rtf::kNumberStart) : 1;
  n.before = list.numberPrefix();
  n.after = list.numberSuffix();
  return n;
}

QByteArray NumberingGroup(const RtfNumbering& numbering, void (*appendText)(QByteArray&, const QString&)) {
  QByteArray out("{\\*\\pn");
  const auto* style = std::find_if(std::begin(kStyles), std::end(kStyles),
                                   [&](const StyleWord& s) { return s.style == numbering.style; });
  if (style == std::begin(kStyles) || style == std::end(kStyles))
    out.append("\\pnlvlblt\\pnindent0");
  else
    out.append("\\pnlvlbody\\pnindent0\\pnstart").append(QByteArray::number(numbering.start)).append('\\')
        .append(style->word);
  if (!numbering.before.isEmpty()) {
    out.append("{\\pntxtb ");
    appendText(out, numbering.before);
    out.append('}');
  }
  if (!numbering.after.isEmpty()) {
    out.append("{\\pntxta ");
    appendText(out, numbering.after);
    out.append('}');
  }
  out.append('}');
  return out;
}
