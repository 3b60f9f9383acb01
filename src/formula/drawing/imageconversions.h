// Pictures turned into the pixel forms the 3D view draws.
//
// One-bit mask: rows bottom-up, each ((width + 31) / 32) * 4 bytes, the
// leftmost pixel in the most significant bit, a set bit for ink.
// Keyed RGBA: 4 bytes per pixel (R, G, B, A), rows bottom-up, width * 4
// bytes per row.
// Both are owned by the caller; an empty vector means none.
#pragma once
#include <QImage>
#include <vector>

#include "formula/logfont.h"
#include "formula/rect.h"

// Pictures of 1, 16, 24 or 32 bits per pixel; others give none.  A pixel is
// ink when R + G + B < 576 (for one-bit pictures: when its colour is dark,
// or, without a colour table, when its bit is 0).  Without keepWhole the
// mask is cropped to its ink in whole bytes across and whole rows down, and
// a picture without ink gives none.
std::vector<BYTE> BitmapToMask(const QImage& bitmap, int* width, int* height, bool keepWhole);

// Pictures of 16, 24 or 32 bits per pixel; pixels of the key colour get
// `alpha`, all others 255.  The picture is consumed.
std::vector<BYTE> BitmapToRgbaKeyed(QImage bitmap, int* width, int* height, COLORREF key, BYTE alpha);

// The clipboard's picture as a mask cropped to its ink.  Transparent parts
// count as the white of a page.  A picture with a side above maxSide is
// scaled down to fit first; cropping to whole bytes keeps the mask within
// a maxSide that is a multiple of 8.
std::vector<BYTE> PasteClipboardImage(int* width, int* height, int maxSide);
// Any picture made a mask the way a pasted one is.
std::vector<BYTE> ImageToPasteMask(QImage image, int* width, int* height, bool keepWhole);

// A copy of a screen rectangle; null for an empty rectangle or without a screen.
QImage CaptureScreenRect(const RECT& rect);
