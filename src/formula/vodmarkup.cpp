#include "formula/vodmarkup.h"

#include "formula/node.h"

int VodKindOfTag(QStringView tag) {
  if (tag.size() != 1) return -1;
  switch (tag[0].unicode()) {
    case '!': return VOD_HEADER;
    case '#': return VOD_BOX;
    case 'l': return VOD_ROW;
    case 'd': return VOD_STANDARD;
    case 'e': return VOD_TEXT;
    case 'f': return VOD_DIVISION;
    case 'r': return VOD_SQRT;
    case 'n': return VOD_NTHROOT;
    case '^': return VOD_SUP;
    case '_': return VOD_SUB;
    case 'c': return VOD_SUPB;
    case 'i': return VOD_INTEGRAL;
    case 's': return VOD_SUM;
    case 't': return VOD_LIM;
    case 'b': return VOD_BRACE;
    case 'v': return VOD_VECTOR;
    case 'm': return VOD_MATRIX;
    case 'a': return VOD_ARROWS;
    default: return -1;
  }
}

std::vector<TextRunPiece> TextRunPieces(bool plain, QStringView text) {
  std::vector<TextRunPiece> pieces;
  auto add = [&](qsizetype start, qsizetype end) {
    // Only a run without attributes can start with "<".
    if (!plain && start < end && text[start] == QLatin1Char('<')) {
      qsizetype lead = start;
      while (lead < end && text[lead] == QLatin1Char('<')) ++lead;
      pieces.push_back({start, lead - start, true});
      if (lead == end) return;
      start = lead;
    }
    pieces.push_back({start, end - start, plain});
  };
  qsizetype start = 0;
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] == QLatin1Char('<') && text[i + 1] == QLatin1Char('/')) {
      add(start, i + 1);
      start = i + 1;
    }
  }
  add(start, text.size());
  return pieces;
}

QString TextRunMarkup(const QString& attributes, const QString& text) {
  const bool plain = attributes.size() == 1;  // just ">"
  QString out;
  for (const TextRunPiece& piece : TextRunPieces(plain, text)) {
    out += QStringLiteral("<e");
    out += piece.plain ? QStringLiteral(">") : attributes;
    out += QStringView(text).mid(piece.start, piece.length);
    out += QStringLiteral("</e>");
  }
  return out;
}

QString TailTextMarkup(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (QChar c : text) {
    if (c == QLatin1Char('<') && out.isEmpty()) continue;
    if (c == QLatin1Char('/') && out.endsWith(QLatin1Char('<'))) continue;
    out += c;
  }
  return out;
}

QString BracketPairMarkup(const QString& pair) {
  if (!pair.contains(QLatin1Char('<')) && !pair.contains(QLatin1Char('>'))) return pair;
  QString escaped;
  for (QChar c : pair) {
    if (c == QLatin1Char('<'))
      escaped += QLatin1Char('&');
    else if (c == QLatin1Char('>'))
      escaped += QLatin1Char('%');
    else if (c == QLatin1Char(':'))
      continue;  // would end the mark's tag
    else if (c == QLatin1Char('/') && escaped.isEmpty())
      continue;  // would make it a closing mark
    else
      escaped += c;
  }
  return QLatin1Char('<') + escaped + QLatin1Char('>');
}

QString UnescapeUnknownTag(QStringView tag) {
  QString out = tag.toString();
  out.replace(QLatin1Char('&'), QLatin1Char('<'));
  out.replace(QLatin1Char('%'), QLatin1Char('>'));
  return out;
}
