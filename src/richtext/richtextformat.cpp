#include "richtext/richtextformat.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace {
RichEffects EffectsOf(const QTextCharFormat& f) {
  RichEffects e;
  e.bold = f.fontWeight() >= QFont::Bold;
  e.italic = f.fontItalic();
  e.underline = f.fontUnderline();
  e.superscript = f.verticalAlignment() == QTextCharFormat::AlignSuperScript;
  e.subscript = f.verticalAlignment() == QTextCharFormat::AlignSubScript;
  return e;
}

void Intersect(RichEffects& all, const RichEffects& one) {
  all.bold = all.bold && one.bold;
  all.italic = all.italic && one.italic;
  all.underline = all.underline && one.underline;
  all.superscript = all.superscript && one.superscript;
  all.subscript = all.subscript && one.subscript;
}
}  // namespace

RichEffects SelectionEffects(const QTextCursor& cursor) {
  if (!cursor.hasSelection()) return EffectsOf(cursor.charFormat());
  const int start = cursor.selectionStart(), end = cursor.selectionEnd();
  RichEffects all{true, true, true, true, true};
  const QTextDocument* doc = cursor.document();
  for (QTextBlock block = doc->findBlock(start); block.isValid() && block.position() < end; block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      const int from = std::max(start, fragment.position());
      const int to = std::min(end, fragment.position() + fragment.length());
      if (from < to) Intersect(all, EffectsOf(fragment.charFormat()));
    }
  }
  return all;
}

QTextCharFormat FormatChange(RichFormat command, const RichEffects& now) {
  QTextCharFormat change;
  switch (command) {
    case RichFormat::Bold: change.setFontWeight(now.bold ? QFont::Normal : QFont::Bold); break;
    case RichFormat::Italic: change.setFontItalic(!now.italic); break;
    case RichFormat::Underline: change.setFontUnderline(!now.underline); break;
    case RichFormat::Superscript:
      change.setVerticalAlignment(now.superscript ? QTextCharFormat::AlignNormal : QTextCharFormat::AlignSuperScript);
      break;
    case RichFormat::Subscript:
      change.setVerticalAlignment(now.subscript ? QTextCharFormat::AlignNormal : QTextCharFormat::AlignSubScript);
      break;
  }
  return change;
}

bool IsChecked(RichFormat command, const RichEffects& now) {
  switch (command) {
    case RichFormat::Bold: return now.bold;
    case RichFormat::Italic: return now.italic;
    case RichFormat::Underline: return now.underline;
    case RichFormat::Superscript: return now.superscript;
    case RichFormat::Subscript: return now.subscript;
  }
  return false;
}
