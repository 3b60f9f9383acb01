// Captions whose text is mark-up: the formula is drawn once into a one-bit
// mask, compiled as a bitmap into the caller's first list, with the frame
// of the caption in the second.  The formula renderer lives above this
// layer, so the view installs it; until then mark-up shows nothing.
#pragma once
#include <GL/gl.h>

#include <QString>
#include <functional>
#include <vector>

#include "platform/types.h"

// Renders mark-up in the text font into a one-bit mask: rows bottom-up,
// each padded to 4 bytes, leftmost pixel in the high bit.  Sets the width,
// height and baseline (pixels from the top) and returns the bits; returns
// nothing when the mark-up holds no formula.
using MarkupMaskRenderer =
    std::function<std::vector<BYTE>(int* width, int* height, const QString& markup, int* baseline)>;
// Installs the renderer (an empty one: none) and returns the old one.
MarkupMaskRenderer SetMarkupMaskRenderer(MarkupMaskRenderer renderer);

// Plain text (not both beginning with "<" and ending with ">") gives
// DrawGlTextDC of it.  Mark-up is compiled into the two lists from
// `listPair` (made here when it is 0; without lists the "too many
// characters" message of framed texts and an empty result): the bitmap,
// which leaves the raster position beside the formula, and the frame, two
// rectangles in world units, the second one text line high and 3.6 * n
// wide.  `height` receives the bitmap's height in pixels.  The result is
// one character naming the first list; empty when no mask results.
QString DrawGlTextFramed(const QString& text, GLuint& listPair, int& height, int n);
