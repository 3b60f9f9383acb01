// The character commands of the rich-text editor's bar: each reads which
// effects the selection has throughout and changes one of them.
#pragma once
#include <QTextCharFormat>

class QTextCursor;

enum class RichFormat { Bold, Italic, Underline, Superscript, Subscript };

// Effects every character of the selection has (without a selection: the
// format at the caret).
struct RichEffects {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool superscript = false;
  bool subscript = false;
};

RichEffects SelectionEffects(const QTextCursor& cursor);

// The change `command` merges into a selection with the effects `now`: bold,
// italic and underline toggle (set when the selection is mixed);
// superscript on subscript text sets superscript, on superscript text
// clears it, else sets it; subscript the other way round.
QTextCharFormat FormatChange(RichFormat command, const RichEffects& now);

// Whether `command` shows as checked for a selection with `now`.
bool IsChecked(RichFormat command, const RichEffects& now);
