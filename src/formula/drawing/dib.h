// Packed device-independent bitmaps (the 40-byte info header, a colour
// table, bottom-up pixel rows padded to four bytes) and .bmp files made of
// them, written field by field as the file format lays them out.
#pragma once
#include <QByteArray>
#include <QImage>

#include "platform/types.h"

inline constexpr DWORD BI_RGB = 0;

// The image as an uncompressed packed DIB.  One-bit and 8-bit images keep
// their colour tables (2 and 256 entries); 24-bit images stay 24-bit; any
// other image is written with 32 bits per pixel and no table.  Empty for a
// null image or a compression other than BI_RGB.
QByteArray DdbToDib(const QImage& image, DWORD compression);

// The .bmp file of a packed DIB: "BM", file size = DIB size + 14, two zero
// words, pixel offset = 14 + header size + 4 x colour-table entries; then
// the DIB.  Empty when the DIB is too short to hold its header.
QByteArray BmpFileBytes(const QByteArray& dib);
