#include "formula/control/formulaclipboard.h"

#include <QRegularExpression>

#include "formula/bintree.h"
#include "formula/boxnode.h"
#include "formula/rownode.h"
#include "formula/textnode.h"

QByteArray FormulaClipboardRecord(const QString& vod) {
  QByteArray bytes;
  bytes.reserve((vod.size() + 1) * 2);
  for (QChar c : vod) bytes.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
  return bytes.append('\0').append('\0');
}

std::optional<QString> ReadFormulaClipboardRecord(const QByteArray& record) {
  const qsizetype size = record.size();
  if (size < 2 || size % 2 != 0 || size > CBinTree::kMaxVodFileBytes) return std::nullopt;
  QString text;
  for (qsizetype i = 0; i < size; i += 2) {
    const char16_t unit = char16_t(uchar(record[i]) | (uchar(record[i + 1]) << 8));
    if (unit == 0) return text;
    text += QChar(unit);
  }
  return std::nullopt;  // no terminator
}

namespace {
QString WithoutControlCharacters(const QString& line) {
  QString out;
  out.reserve(line.size());
  for (QChar c : line)
    if (c.unicode() >= 0x20) out += c;
  return out;
}

CRowNode* RowOfLine(const QString& line) {
  const QString text = WithoutControlCharacters(line);
  return text.isEmpty() ? new CRowNode : new CRowNode(nullptr, new CTextNode(text));
}
}  // namespace

PastedText NodeFromPlainText(const QString& text) {
  if (text.isEmpty()) return {};
  if (text.size() > kMaxPastedTextLength) return {nullptr, true};
  static const QRegularExpression lineBreak(QStringLiteral("\r?\n"));
  QStringList lines = text.split(lineBreak);
  if (lines.size() == 1) return {RowOfLine(text), false};
  PastedText pasted;
  if (lines.size() > kMaxPastedLines) {
    lines = lines.mid(0, kMaxPastedLines);
    pasted.cut = true;
  }
  auto* box = new CBoxNode;
  for (const QString& line : lines) box->AppendChild(RowOfLine(line));
  pasted.node = box;
  return pasted;
}
