// The metafile player: a formula preview written record by record as the
// metafile format lays them out, drawn where its window maps it; damaged
// and hostile metafiles draw what comes before the damage.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QtEndian>

#include "richtext/keptobjects.h"
#include "richtext/wmfplayer.h"
#include "support/wmfwriter.h"

namespace KAVREL_FILE_LOCAL {

int Ink(const QImage& image, QRect area) {
  int ink = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) ink += qGray(image.pixel(x, y)) < 128;
  return ink;
}

TEST(WmfPlayer, DrawsWhereTheWindowMapsIt) {
  const QByteArray preview = FormulaPreviewWmf();
  const struct {
    const char* name;
    QByteArray wmf;
    bool played;
    int frameInk, textInk;  // at least
  } rows[] = {
      {"a formula preview", preview, true, 100, 10},
      {"with the placeable header", PlaceableWmf(preview), true, 100, 10},
      {"cut inside the font record", preview.left(preview.indexOf("Symbol")), true, 100, 0},
      {"a polyline claiming 30000 points", WmfHeader() + WmfRecord(0x0325, {30000, 1, 1}), true, 0, 0},
      {"a record longer than the file", WmfHeader() + WmfRecord(0x041B, {40, 90, 10, 10}).left(10), true, 0, 0},
      {"no metafile", "GIF89a", false, 0, 0},
  };
  for (const auto& row : rows) {
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    EXPECT_EQ(PlayWmf(row.wmf, painter, QRectF(0, 0, 200, 100)), row.played) << row.name;
    painter.end();
    const int frame = Ink(image, QRect(18, 18, 5, 64)) + Ink(image, QRect(18, 18, 164, 5));
    EXPECT_GE(frame, row.frameInk) << row.name;
    if (row.frameInk == 0) { EXPECT_EQ(frame, 0) << row.name; }
    EXPECT_GE(Ink(image, QRect(90, 30, 40, 42)), row.textInk) << row.name;
  }
  const KeptPicture kept = ReadKeptPicture("{\\pict\\wmetafile8\\picw2646\\pich1323 " + preview.toHex() + "}",
                                           QStringLiteral("pict"));
  EXPECT_EQ(kept.size.toSize(), QSize(100, 50)) << "hundredths of a millimetre";
  ASSERT_FALSE(kept.image.isNull());
  EXPECT_EQ(qAlpha(kept.image.pixel(2, 2)), 0) << "clear outside the drawing";
}

TEST(WmfPlayer, TextInItsCharacterSet) {
  const struct {
    QByteArray bytes;
    int charSet;
    const char* text;
  } rows[] = {
      {"ab+", 2, "αβ+"},  {"\xB1\xB3\xD6\xE5", 2, "±≥√∑"}, {"\x7F\x10", 2, "  "},
      {"\xB9\xB4", 134, "勾"}, {"\xE9", 0, "é"},
  };
  for (const auto& row : rows)
    EXPECT_EQ(DecodeMetafileText(row.bytes, row.charSet), QString::fromUtf8(row.text)) << row.text;
}

}  // namespace
