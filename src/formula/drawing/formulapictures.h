// Mark-up turned into the forms the rest of the program keeps or draws:
// normalised mark-up, keyed RGBA textures and one-bit masks with a baseline.
// Formulas are read in "宋体" (character set 134) at height 35 unless the
// text font of the view is asked for.
#pragma once
#include <QString>
#include <vector>

#include "formula/logfont.h"

// The mark-up read and written back whole: normalised, with the default
// font applied.
QString NormalizeVodText(const QString& markup);
// The name the document upgrade knows it by.
inline QString NormalizeVodMarkup(const QString& markup) { return NormalizeVodText(markup); }

// The formula in `text` colour on `background`, as RGBA rows bottom-up;
// background pixels get `alpha`, all others 255.  None for mark-up that
// holds no formula.
std::vector<BYTE> RenderVodToMask(COLORREF text, COLORREF background, const QString& markup, BYTE alpha,
                                  int* width, int* height);

// The size RenderVodToMask gives the mark-up, found without drawing it;
// 0 x 0 for mark-up that holds no formula.
void MeasureVodMask(const QString& markup, int* width, int* height);

// The formula in the view's text font as a one-bit mask of its full size,
// with the pixels from its top to its baseline.  None for mark-up that
// holds no formula; the outputs are then left as they were.
std::vector<BYTE> RenderVodToMaskTextFont(int* width, int* height, const QString& markup, int* baseline);
