// The "Symbol" face of the mark-up.  Its characters sit at U+F020..U+F0FF
// (and, in that face, at 0x20..0xFF), the code points of the old symbol
// font; no installed font draws those, so every drawing context maps them
// to the Unicode signs they stand for and draws them in a face that has them.
#pragma once
#include <QString>

#include "formula/logfont.h"

// True for the face "Symbol" (any case).
bool IsSymbolFace(const QString& face);

// The Unicode sign a symbol-font character stands for: always for the
// private-use range, also for 0x20..0xFF when `symbolFace`.  Characters with
// no sign in the font stand for themselves.
QChar SymbolToUnicode(QChar c, bool symbolFace);
QString MapSymbolText(const QString& text, bool symbolFace);

// The symbol font's code (0x20..0xFF) whose sign is `sign`, the lowest where
// several share it; 0 when no code has that sign.
int SymbolCodeOfSign(QChar sign);

// Installed faces that hold the signs, in order of preference.
QStringList SymbolSignFaces();

// The symbol font's code (0x20..0xFF) of a character of a symbol-face text,
// 0 for characters outside its range.
int SymbolCode(QChar c);

// Proportions of the symbol font the formula layout was measured with, in
// em units: its cell, and its average character width (which a font width
// is relative to).  Signs drawn in another face keep these, so that a
// structure's sign fills the room its layout gives it.
inline constexpr double kSymbolAscent = 1.005;
inline constexpr double kSymbolDescent = 0.219;
inline constexpr double kSymbolAverageWidth = 0.5;

// Advance and ink box (thousandths of an em; y grows downwards from the
// baseline) of the signs structures draw: sum, product, integral, radical
// and the brackets.
struct SymbolSignBox {
  int advance, left, top, right, bottom;
};
// The box of a symbol code, or null for codes drawn as they come.
const SymbolSignBox* FindSymbolSignBox(int code);
