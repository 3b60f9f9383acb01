#include "ui/colors/palettegrid.h"

#include <QImage>
#include <algorithm>
#include <array>

namespace {
constexpr int kCell = 10;  // 9 pixels and a grid line

// The eyedropper masks, top row first, leftmost pixel in the highest bit.
constexpr std::array<unsigned, 16> kAndMask = {0xFFF1, 0xFFE0, 0xFFC0, 0xFF00, 0xFF81, 0xFF03, 0xFE07, 0xFC17,
                                               0xF83F, 0xF07F, 0xE0FF, 0xC1FF, 0x83FF, 0x87FF, 0x0FFF, 0x3FFF};
constexpr std::array<unsigned, 16> kXorMask = {0x0000, 0x000C, 0x0008, 0x0010, 0x0000, 0x0040, 0x00E0, 0x01C0,
                                               0x0380, 0x0700, 0x0E00, 0x1C00, 0x3800, 0x3000, 0x4000, 0x0000};
constexpr int kCursorSize = 32;
}  // namespace

int PaletteGrey(int i) {
  if (i < 10) return 255 - 23 * i;
  return i == 10 ? 23 : 0;
}

QColor PaletteCellColour(int c, int r) { return QColor(51 * (3 * (r / 6) + c / 6), 51 * (c % 6), 51 * (r % 6)); }

QColor PaletteIndexColour(int index) {
  const int row = index / kPaletteGridColumns, column = index % kPaletteGridColumns;
  if (column == 0) return QColor(PaletteGrey(row), PaletteGrey(row), PaletteGrey(row));
  return PaletteCellColour(column - 1, row);
}

int PaletteIndexAt(QPoint p) {
  if (p.x() < 0 || p.y() < 0 || p.y() >= kPaletteGridHeight || p.x() >= kPaletteGridColumns * kCell) return -1;
  if (p.x() % kCell == kCell - 1 || p.y() % kCell == kCell - 1) return -1;
  return p.y() / kCell * kPaletteGridColumns + p.x() / kCell;
}

QRect PaletteCellRect(int index) {
  return {index % kPaletteGridColumns * kCell, index / kPaletteGridColumns * kCell, kCell - 1, kCell - 1};
}

QPoint PalettePosition(int left, int bottom, QSize screen) {
  const int x = std::clamp(left, 0, std::max(0, screen.width() - kPaletteWidth));
  int y = bottom - 1;
  if (y > screen.height() - kPaletteHeight) y -= kPaletteHeight;
  return {x, y};
}

QString ColourCode(const QColor& c) {
  return QStringLiteral("#%1%2%3")
      .arg(c.red(), 2, 16, QLatin1Char('0'))
      .arg(c.green(), 2, 16, QLatin1Char('0'))
      .arg(c.blue(), 2, 16, QLatin1Char('0'))
      .toUpper();
}

void EyedropperBitmaps(QBitmap* bitmap, QBitmap* mask) {
  // AND 0 XOR 0 black, AND 0 XOR 1 white, AND 1 XOR 0 clear, AND 1 XOR 1
  // inverted: the toolkit's mask is the AND mask inverted, its bitmap set
  // where the two masks agree.
  QImage bits(kCursorSize, kCursorSize, QImage::Format_MonoLSB);
  QImage shape(kCursorSize, kCursorSize, QImage::Format_MonoLSB);
  // Index 1 is a set bit: the toolkit's colour 1.
  const QList<QRgb> table{qRgb(255, 255, 255), qRgb(0, 0, 0)};
  bits.setColorTable(table);
  shape.setColorTable(table);
  bits.fill(0);
  shape.fill(0);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      const bool a = (kAndMask[y] >> (15 - x)) & 1;
      const bool o = (kXorMask[y] >> (15 - x)) & 1;
      bits.setPixel(x, y, a == o ? 1 : 0);
      shape.setPixel(x, y, a ? 0 : 1);
    }
  *bitmap = QBitmap::fromImage(bits);
  *mask = QBitmap::fromImage(shape);
}
