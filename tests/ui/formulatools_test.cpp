// The arithmetic of the formula dialog's tools: typed sizes, the colour
// picker's palette, its place on the screen and its eyedropper cursor, the
// dialog's size for a formula and the tool tips of its buttons.
#include <gtest/gtest.h>

#include <QImage>

#include "ui/colors/palettegrid.h"
#include "ui/formula/sizecombobox.h"
#include "ui/formula/voddlg.h"

namespace KAVREL_FILE_LOCAL {

TEST(FormulaTools, TypedSizesReadAsTwipsOrAreRefused) {
  const struct Row {
    const char* text;
    TypedSize result;
    int twips;
  } rows[] = {
      {"12.5", TypedSize::Valid, 250},
      {"1638", TypedSize::Valid, 32760},
      {"1", TypedSize::Valid, 20},
      {" \t12 \t", TypedSize::Valid, 240},
      {"+5", TypedSize::Valid, 100},
      {"1e2", TypedSize::Valid, 2000},
      {".5e1", TypedSize::Valid, 100},
      {"12.", TypedSize::Valid, 240},
      {"0.9", TypedSize::OutOfRange, 0},
      {"1638.1", TypedSize::OutOfRange, 0},
      {"1639", TypedSize::OutOfRange, 0},
      {"-3", TypedSize::OutOfRange, 0},
      {"0", TypedSize::OutOfRange, 0},
      {"1e999", TypedSize::OutOfRange, 0},
      {"12pt", TypedSize::NotNumber, 0},
      {"abc", TypedSize::NotNumber, 0},
      {"5 5", TypedSize::NotNumber, 0},
      {".", TypedSize::NotNumber, 0},
      {"-", TypedSize::NotNumber, 0},
      {"１２", TypedSize::NotNumber, 0},
      {"", TypedSize::Empty, 0},
      {" \t ", TypedSize::Empty, 0},
  };
  for (const Row& row : rows) {
    int twips = -1;
    const TypedSize result = ParseTypedSize(QString::fromUtf8(row.text), &twips);
    EXPECT_EQ(result, row.result) << '"' << row.text << '"';
    EXPECT_EQ(twips, row.result == TypedSize::Valid ? row.twips : -1) << '"' << row.text << '"';
  }
}

TEST(FormulaTools, PaletteCellsGreysAndIndices) {
  // Colour cells: red from the column's sixth and the row's half, green
  // from the column, blue from the row.
  const struct Cell {
    int c, r;
    QColor colour;
  } cells[] = {
      {0, 0, QColor(0, 0, 0)},      {5, 0, QColor(0, 255, 0)},    {6, 0, QColor(51, 0, 0)},
      {17, 5, QColor(102, 255, 255)}, {0, 6, QColor(153, 0, 0)}, {12, 11, QColor(255, 0, 255)},
      {17, 11, QColor(255, 255, 255)}, {7, 3, QColor(51, 51, 153)},
  };
  for (const Cell& cell : cells)
    EXPECT_EQ(PaletteCellColour(cell.c, cell.r), cell.colour) << "cell " << cell.c << ", " << cell.r;
  const int greys[] = {255, 232, 209, 186, 163, 140, 117, 94, 71, 48, 23, 0};
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(PaletteGrey(i), greys[i]) << "grey " << i;
    EXPECT_EQ(PaletteIndexColour(i * 19), QColor(greys[i], greys[i], greys[i])) << "grey cell " << i;
  }
  EXPECT_EQ(PaletteIndexColour(6 * 19 + 1), QColor(153, 0, 0)) << "row 6, first colour column";

  const struct Point {
    int x, y, index;
  } points[] = {
      {0, 0, 0},     {8, 8, 0},        {9, 0, -1},       {0, 9, -1},  {10, 0, 1},   {15, 15, 20},
      {185, 115, 227}, {189, 5, -1},   {190, 5, -1},     {5, 119, -1}, {5, 120, -1}, {-1, 5, -1},
      {100, 60, 6 * 19 + 10},
  };
  for (const Point& p : points)
    EXPECT_EQ(PaletteIndexAt({p.x, p.y}), p.index) << "point " << p.x << ", " << p.y;
  EXPECT_EQ(PaletteCellRect(20), QRect(10, 10, 9, 9));
}

TEST(FormulaTools, PaletteStaysOnTheScreen) {
  const QSize screen(1920, 1080);
  const struct Row {
    const char* name;
    int left, bottom;
    QPoint at;
  } rows[] = {
      {"below the button", 100, 200, {100, 199}},
      {"at the left edge", -5, 200, {0, 199}},
      {"shifted from the right edge", 1800, 200, {1729, 199}},
      {"just fits above the bottom", 100, 931, {100, 930}},
      {"near the bottom: above", 100, 932, {100, 781}},
  };
  for (const Row& row : rows) EXPECT_EQ(PalettePosition(row.left, row.bottom, screen), row.at) << row.name;
}

TEST(FormulaTools, ColourCodesAndTheEyedropper) {
  EXPECT_EQ(ColourCode(QColor(255, 0, 0)), QStringLiteral("#FF0000"));
  EXPECT_EQ(ColourCode(QColor(1, 0xAB, 0x0C)), QStringLiteral("#01AB0C"));
  QBitmap bitmap, mask;
  EyedropperBitmaps(&bitmap, &mask);
  ASSERT_EQ(bitmap.size(), QSize(32, 32));
  const QImage bits = bitmap.toImage().convertToFormat(QImage::Format_RGB32);
  const QImage shape = mask.toImage().convertToFormat(QImage::Format_RGB32);
  // Black is bitmap and mask set, white the mask alone, clear neither,
  // inverted the bitmap alone.
  enum Pixel { Clear, Black, White, Inverted };
  const auto pixel = [&](int x, int y) {
    const bool b = bits.pixel(x, y) == qRgb(0, 0, 0), m = shape.pixel(x, y) == qRgb(0, 0, 0);
    return m ? (b ? Black : White) : (b ? Inverted : Clear);
  };
  const struct Row {
    int x, y;
    Pixel expected;
  } rows[] = {
      {0, 0, Clear},  {12, 0, Black}, {15, 0, Clear},  {12, 1, White}, {14, 1, Black}, {11, 1, Black},
      {1, 14, White}, {0, 14, Black}, {2, 15, Clear},  {0, 15, Black}, {20, 5, Clear}, {5, 20, Clear},
  };
  for (const Row& row : rows) EXPECT_EQ(pixel(row.x, row.y), row.expected) << "pixel " << row.x << ", " << row.y;
}

TEST(FormulaTools, TheDialogFitsItsFormulaOnTheScreen) {
  const QSize screen(1920, 1080);
  const struct Row {
    const char* name;
    QSize formula;
    QPoint at;
    QSize size;
  } rows[] = {
      {"2000 wide at x = 100", {2000, 100}, {100, 100}, {1808, 256}},
      {"tiny", {10, 10}, {100, 100}, {600, 256}},
      {"wide and tall", {700, 300}, {0, 0}, {740, 420}},
      {"tall near the bottom", {100, 2000}, {100, 100}, {600, 916}},
      {"nothing", {0, 0}, {0, 0}, {600, 256}},
  };
  for (const Row& row : rows) EXPECT_EQ(FittedDialogSize(row.formula, row.at, screen), row.size) << row.name;
}

TEST(FormulaTools, ToolTipsFollowTheFirstNewline) {
  const struct Row {
    QString text, tip;
  } rows[] = {
      {QString::fromUtf8("为选择的结构设置颜色\n颜色"), QString::fromUtf8("颜色")},
      {QString::fromUtf8("粗体"), QString::fromUtf8("粗体")},
      {QStringLiteral("a\nb\nc"), QStringLiteral("b\nc")},
      {QString(100, u'x'), QString(80, u'x')},
      {QString(), QString()},
  };
  for (const Row& row : rows) EXPECT_EQ(ToolTipOfCommandText(row.text), row.tip) << row.text.toStdString();
}

}  // namespace
