#include "richtext/rtfwriter.h"

#include <QColor>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextList>

#include <cmath>
#include <vector>

#include "richtext/rtfformat.h"
#include "richtext/rtfnumbering.h"

namespace {

void AppendUnicode(QByteArray& out, char16_t u) {
  out.append("\\u").append(QByteArray::number(static_cast<int16_t>(u))).append('?');
}

bool IsPlainAscii(char16_t u) { return u >= 0x20 && u < 0x7F; }

// Appends text, escaping what RTF reserves.
void AppendText(QByteArray& out, const QString& text) {
  for (QChar ch : text) {
    const char16_t u = ch.unicode();
    if (u == '\\' || u == '{' || u == '}') {
      out.append('\\').append(static_cast<char>(u));
    } else if (u == '\t') {
      out.append("\\tab ");
    } else if (u == QChar::LineSeparator || u == '\n') {
      out.append("\\line ");
    } else if (IsPlainAscii(u)) {
      out.append(static_cast<char>(u));
    } else {
      AppendUnicode(out, u);
    }
  }
}

// A font name is written character for character, so that it reads back
// the same and two names stay two: its ';' (which would end it) and every
// character that is not plain ASCII as \uN.
void AppendFontName(QByteArray& out, const QString& name) {
  for (QChar ch : name) {
    if (IsPlainAscii(ch.unicode()) && ch != u';') AppendText(out, QString(ch));
    else AppendUnicode(out, ch.unicode());
  }
}

int IndexOf(std::vector<QString>& list, const QString& item) {
  for (size_t i = 0; i < list.size(); ++i)
    if (list[i] == item) return static_cast<int>(i);
  list.push_back(item);
  return static_cast<int>(list.size() - 1);
}

int ColorIndex(std::vector<QRgb>& list, QRgb rgb) {
  for (size_t i = 0; i < list.size(); ++i)
    if (list[i] == rgb) return static_cast<int>(i + 1);  // entry 0 is the automatic colour
  list.push_back(rgb);
  return static_cast<int>(list.size());
}

QString FamilyOf(const QTextCharFormat& f, const QTextDocument& doc) {
  const QStringList families = f.fontFamilies().toStringList();
  return families.isEmpty() ? doc.defaultFont().family() : families.first();
}

// The twips kept by the reader when present, else the pixel measure converted.
int Twips(const QTextBlockFormat& f, int key, double pixels) {
  return f.hasProperty(key) ? f.intProperty(key) : static_cast<int>(std::lround(pixels * rtf::kTwipsPerPixel));
}

void AppendWord(QByteArray& out, const char* word, int value) {
  if (value != 0) out.append('\\').append(word).append(QByteArray::number(value));
}

void AppendParagraph(QByteArray& out, const QTextBlockFormat& f) {
  out.append("\\pard");
  const Qt::Alignment a = f.alignment() & Qt::AlignHorizontal_Mask;
  if (a & Qt::AlignHCenter) out.append("\\qc");
  else if (a & Qt::AlignJustify) out.append("\\qj");
  else if (a & (Qt::AlignRight | Qt::AlignTrailing)) out.append("\\qr");
  AppendWord(out, "li", Twips(f, rtf::kLeftIndent, f.leftMargin()));
  AppendWord(out, "ri", Twips(f, rtf::kRightIndent, f.rightMargin()));
  AppendWord(out, "fi", Twips(f, rtf::kFirstIndent, f.textIndent()));
  AppendWord(out, "sb", Twips(f, rtf::kSpaceBefore, f.topMargin()));
  AppendWord(out, "sa", Twips(f, rtf::kSpaceAfter, f.bottomMargin()));
  int spacing = 0, multiple = 0;
  if (f.hasProperty(rtf::kLineSpacing)) {
    spacing = f.intProperty(rtf::kLineSpacing);
    multiple = f.intProperty(rtf::kLineMultiple);
  } else if (f.lineHeightType() == QTextBlockFormat::ProportionalHeight && f.lineHeight() != 100) {
    spacing = static_cast<int>(std::lround(f.lineHeight() * 240 / 100));
    multiple = 1;
  } else if (f.lineHeightType() == QTextBlockFormat::MinimumHeight) {
    spacing = static_cast<int>(std::lround(f.lineHeight() * rtf::kTwipsPerPixel));
  } else if (f.lineHeightType() == QTextBlockFormat::FixedHeight) {
    spacing = -static_cast<int>(std::lround(f.lineHeight() * rtf::kTwipsPerPixel));
  }
  if (spacing != 0) {
    AppendWord(out, "sl", spacing);
    out.append("\\slmult").append(QByteArray::number(multiple));
  }
  out.append(' ');
}

}  // namespace

QByteArray WriteRtf(const QTextDocument& doc) {
  std::vector<QString> fonts;
  std::vector<QRgb> colors;
  QByteArray body;
  body.reserve(doc.characterCount() * 2);
  for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
    AppendParagraph(body, block.blockFormat());
    if (const QTextList* list = block.textList()) {
      // The number as text first, for readers that know no numbering.
      body.append("{\\pntext ");
      AppendText(body, list->itemText(block));
      body.append("\\tab}").append(NumberingGroup(NumberingOf(list->format()), AppendText));
    }
    QByteArray previous;  // the words of the text fragment before, in this paragraph
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      const QTextCharFormat f = fragment.charFormat();
      QByteArray words("\\plain\\f");
      words.append(QByteArray::number(IndexOf(fonts, FamilyOf(f, doc))));
      const double points = f.fontPointSize() > 0 ? f.fontPointSize() : 12.0;
      words.append("\\fs").append(QByteArray::number(std::lround(points * 2)));
      if (f.fontWeight() >= QFont::DemiBold) words.append("\\b");
      if (f.fontItalic()) words.append("\\i");
      if (f.fontUnderline()) words.append("\\ul");
      if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript) words.append("\\super");
      else if (f.verticalAlignment() == QTextCharFormat::AlignSubScript) words.append("\\sub");
      if (f.hasProperty(QTextFormat::ForegroundBrush))
        words.append("\\cf").append(QByteArray::number(ColorIndex(colors, f.foreground().color().rgb())));
      words.append(' ');
      const QByteArray kept = f.property(rtf::kKeptGroup).toByteArray();
      // Formats that differ only in what RTF does not store (an unknown
      // font, say) are one run: read back, they are one fragment.
      if (!kept.isEmpty() || words != previous) body.append(words);
      previous = kept.isEmpty() ? words : QByteArray();
      if (kept.isEmpty()) {
        AppendText(body, fragment.text());
      } else {
        // Adjacent equal groups share one fragment; text typed next to a
        // group may have taken its format and is written as text.
        for (QChar ch : fragment.text())
          if (ch == QChar::ObjectReplacementCharacter) body.append(kept);
          else AppendText(body, QString(ch));
      }
    }
    body.append("\\par\r\n");
  }
  if (fonts.empty()) fonts.push_back(doc.defaultFont().family());

  QByteArray out("{\\rtf1\\ansi\\ansicpg936\\deff0\\uc1{\\fonttbl");
  for (size_t i = 0; i < fonts.size(); ++i) {
    out.append("{\\f").append(QByteArray::number(static_cast<int>(i))).append("\\fnil\\fcharset134 ");
    AppendFontName(out, fonts[i]);
    out.append(";}");
  }
  out.append("}\r\n");
  if (!colors.empty()) {
    out.append("{\\colortbl ;");
    for (QRgb c : colors)
      out.append("\\red").append(QByteArray::number(qRed(c))).append("\\green").append(QByteArray::number(qGreen(c)))
          .append("\\blue").append(QByteArray::number(qBlue(c))).append(';');
    out.append("}\r\n");
  }
  out.append(body).append("}\r\n");
  return out;
}
