// Formulas over measured values call value k (counted from 1) "No" k, in
// the text as typed and in the parser's mark-up alike.  What a person reads
// has each variable written in as the value's name.
#pragma once
#include <QString>
#include <cstddef>
#include <functional>
#include <vector>

// The text with every variable "No" k, 1 <= k <= count, replaced by
// `replacement(k - 1)`.  A variable is the whole digit run after "No", so
// No12 is never No1 followed by "2", and one pass over the text keeps a
// name written in from being taken for a variable in its turn.
QString WriteInValueVariables(const QString& text, std::size_t count,
                              const std::function<QString(std::size_t)>& replacement);

// A name written in from parents whose names are written in from theirs
// would double at every step of a chain that reads its parent twice: past
// this length the parents that make it longest are written in short.
inline constexpr qsizetype kLongestWrittenIn = 400;
// Mark-up spends several characters of tags on each one shown.
inline constexpr qsizetype kLongestMarkupWrittenIn = 4 * kLongestWrittenIn;

// What stands for a parent written in short: "#" and its id, as the object
// list numbers it.
QString ShortWrittenIn(unsigned id);
// Whether the text writes a parent in short ("#" and a digit), itself or
// through a parent's name: its text then changes with that parent's id.
bool WritesShortIn(const QString& text);

// One parent's text to write in, and what stands for it when it is too long.
struct WrittenInText {
  QString whole, brief;
  qsizetype uses = 0;      // how often the text writes it in
  bool shortened = false;  // whole was made brief
};

// Writes the parent short from now on.
inline void WriteShort(WrittenInText& text) {
  text.whole = text.brief;
  text.shortened = true;
}

// The text around the parents is `around` characters long.  While the
// whole texts would make it longer than `limit`, the parent that adds most
// is written short (its whole text becomes the brief one, and it is marked
// shortened); a text that fits is left as it is.  True when one went short.
bool FitWrittenIn(std::vector<WrittenInText>& texts, qsizetype around, qsizetype limit = kLongestWrittenIn);

// Counts how often `text` writes in each value, then fits them.
bool FitValueVariables(const QString& text, std::vector<WrittenInText>& texts, qsizetype limit = kLongestWrittenIn);
// WriteInValueVariables with value k written in as texts[k].whole.
QString WriteInValueVariables(const QString& text, const std::vector<WrittenInText>& texts);
