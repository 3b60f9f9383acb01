// Where a printed sheet puts its parts: a frame 8 % of the printable width
// in from the left and right and 9 % of its height in from the top and
// bottom; the page's name 2 % of the height above the frame and the page
// number as far below it; the page's picture scaled to fit the frame less
// 20 device units on each side, keeping its proportions, centred there.
#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>

struct CSheetLayout {
  QRect frame;
  QRect image;      // empty for a sheet without a picture
  QPoint nameAt;    // centre x and baseline of the name
  QPoint numberAt;  // centre x and top of the page number
};

// `printable` in device units; `image` empty: the frame alone.
CSheetLayout LayOutSheet(const QRect& printable, const QSize& image);
