// Formatting in the formula editor: the character set that goes with a
// face, font heights from point sizes, and a format change applied to the
// selection or, when the whole formula is selected, to the root itself.
#pragma once
#include <QString>
#include <cstdint>

#include "formula/logfont.h"

class CBinTree;

// SYMBOL_CHARSET for "Symbol", GB2312_CHARSET for the Chinese faces
// documents name, else 0.
BYTE CharSetOfFace(const QString& face);

// a * b / c rounded to the nearest, halves away from zero, computed wide;
// -1 when c is 0.
int MulDiv(int a, int b, int c);
// A size in twips, in whole points: (twips + 10) / 20.
int PointsOfTwips(int twips);
// The font height (a cell height, positive) of a size in twips on a screen
// of `dpi` dots per inch.
std::int32_t FontHeightOfTwips(int twips, int dpi);

// Applies one part (FontPart) of `font` and `colour` to the tree's
// selection.  A wholly selected root takes the value itself, marked as set
// where it differs from the tree's defaults, and passes it to every child;
// otherwise only the selected part changes.
void ApplyFormatToSelection(CBinTree& tree, COLORREF colour, const LOGFONT& font, int part);
