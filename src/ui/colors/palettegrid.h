// The layout of the colour picker's palette: a grey column and 216 colours
// in 10-pixel cells over a white band with the preview, the colour's code
// and the more-colours button.  Points are in the palette's client area.
#pragma once
#include <QBitmap>
#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

inline constexpr int kPaletteWidth = 191;
inline constexpr int kPaletteHeight = 150;
inline constexpr int kPaletteGridHeight = 120;  // the cells; the band below
inline constexpr int kPaletteGridColumns = 19;  // the grey column, then 18 colours
inline constexpr int kPaletteRows = 12;
inline const QRect kPreviewRect(QPoint(5, 125), QPoint(39, 142));
inline const QPoint kCodeTextAt(80, 127);
inline const QRect kMoreColoursRect(167, 126, 16, 16);

// Grey cell i (0 .. 11) of the first column.
int PaletteGrey(int i);
// The colour cell in colour column c (0 .. 17) and row r (0 .. 11).
QColor PaletteCellColour(int c, int r);
// The colour of a cell index (row x 19 + column, column 0 the greys).
QColor PaletteIndexColour(int index);
// The cell index under a point of the grid area; -1 on a grid line or
// outside the grid.
int PaletteIndexAt(QPoint client);
// The cell's rectangle (its 9 x 9 pixels).
QRect PaletteCellRect(int index);

// The palette's top-left corner on the screen for a button whose left edge
// is `left` and whose bottom edge (the first pixel row below it) is
// `bottom`: below the button, kept on screen sideways, above it near the
// bottom of the screen.
QPoint PalettePosition(int left, int bottom, QSize screen);

// "#RRGGBB" in capitals.
QString ColourCode(const QColor& colour);

// The eyedropper's 16 x 16 picture as a cursor bitmap and mask (AND and XOR
// masks turned into the toolkit's black, white, clear and inverting pixels),
// placed at the top left of a 32 x 32 cursor; hot spot (0, 15).
void EyedropperBitmaps(QBitmap* bitmap, QBitmap* mask);
inline const QPoint kEyedropperHotSpot(0, 15);
