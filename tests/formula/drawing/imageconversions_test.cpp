// Pictures to one-bit masks and keyed RGBA pixels, clipboard pictures,
// packed DIBs and .bmp file headers.
#include <gtest/gtest.h>

#include <QPainter>
#include <QtEndian>

#include "formula/drawing/dib.h"
#include "formula/drawing/imageconversions.h"
#include "platform/clipboard.h"

namespace KAVREL_FILE_LOCAL {

QImage White(int w, int h, QImage::Format format = QImage::Format_RGB32) {
  QImage image(w, h, format);
  if (format == QImage::Format_Mono)
    image.fill(1);  // the default one-bit table is black, white
  else
    image.fill(Qt::white);
  return image;
}

bool Bit(const std::vector<BYTE>& mask, int width, int x, int rowFromBottom) {
  const size_t stride = (static_cast<size_t>(width) + 31) / 32 * 4;
  return mask[stride * size_t(rowFromBottom) + size_t(x / 8)] & (0x80 >> (x % 8));
}

quint32 U32(const QByteArray& bytes, int offset) { return qFromLittleEndian<quint32>(bytes.constData() + offset); }
quint16 U16(const QByteArray& bytes, int offset) { return qFromLittleEndian<quint16>(bytes.constData() + offset); }

TEST(BitmapToMask, InkIsAColourMeanBelow192) {
  struct Case { QRgb colour; bool ink; } cases[] = {
      {qRgb(191, 192, 192), true},  {qRgb(192, 192, 192), false}, {qRgb(0, 0, 0), true},
      {qRgb(255, 255, 66), false},  {qRgb(255, 255, 65), true},
  };
  for (auto format : {QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_RGB888}) {
    for (const Case& c : cases) {
      QImage image = White(1, 1, format);
      image.setPixel(0, 0, c.colour);
      int w = 0, h = 0;
      const auto mask = BitmapToMask(image, &w, &h, true);
      ASSERT_EQ(mask.size(), 4u);
      EXPECT_EQ(Bit(mask, 1, 0, 0), c.ink) << std::hex << c.colour << " format " << std::dec << format;
    }
  }
}

TEST(BitmapToMask, RowsRunBottomUpWithTheLeftmostPixelInTheTopBit) {
  QImage image = White(33, 3);
  image.setPixel(0, 0, qRgb(0, 0, 0));   // top-left
  image.setPixel(32, 2, qRgb(0, 0, 0));  // bottom row, last column
  image.setPixel(9, 1, qRgb(0, 0, 0));
  int w = 0, h = 0;
  const auto mask = BitmapToMask(image, &w, &h, true);
  EXPECT_EQ(w, 33);
  EXPECT_EQ(h, 3);
  ASSERT_EQ(mask.size(), 3u * 8);  // ((33 + 31) / 32) * 4 bytes a row
  EXPECT_EQ(mask[0 * 8 + 4], 0x80);  // bottom row first
  EXPECT_EQ(mask[1 * 8 + 1], 0x40);
  EXPECT_EQ(mask[2 * 8 + 0], 0x80);
  int set = 0;
  for (BYTE b : mask) set += __builtin_popcount(b);
  EXPECT_EQ(set, 3);
}

TEST(BitmapToMask, CropsToInkInWholeBytesUnlessKeptWhole) {
  int w = -1, h = -1;
  EXPECT_TRUE(BitmapToMask(White(20, 5), &w, &h, false).empty());
  EXPECT_EQ(w, -1);  // nothing written without a mask

  const auto whole = BitmapToMask(White(20, 5), &w, &h, true);
  EXPECT_EQ(whole.size(), 5u * 4);
  EXPECT_EQ(w, 20);

  QImage one = White(40, 6);
  one.setPixel(13, 2, qRgb(0, 0, 0));
  const auto single = BitmapToMask(one, &w, &h, false);
  EXPECT_EQ(w, 8);
  EXPECT_EQ(h, 1);
  ASSERT_EQ(single.size(), 4u);
  EXPECT_EQ(single[0], 0x04);  // pixel 13 is bit 5 of byte column 1

  QImage two = White(40, 6);
  two.setPixel(3, 1, qRgb(0, 0, 0));
  two.setPixel(17, 4, qRgb(0, 0, 0));
  const auto pair = BitmapToMask(two, &w, &h, false);
  EXPECT_EQ(w, 24);
  EXPECT_EQ(h, 4);
  EXPECT_TRUE(Bit(pair, w, 17, 0));
  EXPECT_TRUE(Bit(pair, w, 3, 3));
}

TEST(BitmapToMask, OneBitAndSixteenBitPicturesAndOtherDepths) {
  int w = 0, h = 0;
  QImage mono(9, 1, QImage::Format_Mono);
  mono.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
  mono.fill(0);
  mono.setPixel(8, 0, 1);
  auto mask = BitmapToMask(mono, &w, &h, true);
  EXPECT_TRUE(Bit(mask, 9, 8, 0));
  EXPECT_FALSE(Bit(mask, 9, 0, 0));

  // Without a colour table a 0 bit is ink.
  QImage bare(9, 1, QImage::Format_Mono);
  bare.setColorTable({});
  std::fill_n(bare.bits(), bare.sizeInBytes(), uchar(0xFF));
  bare.scanLine(0)[1] = 0x7F;
  mask = BitmapToMask(bare, &w, &h, true);
  EXPECT_TRUE(Bit(mask, 9, 8, 0));
  EXPECT_FALSE(Bit(mask, 9, 7, 0));

  // 16 bits: the high byte, (p >> 3) & 0xFC and (p << 3) & 0xFF are summed.
  QImage rgb16(2, 1, QImage::Format_RGB16);
  auto* pixels = reinterpret_cast<quint16*>(rgb16.scanLine(0));
  pixels[0] = 0xFFFF;  // 255 + 252 + 248
  pixels[1] = 0xBF00;  // 191 + 224 + 0
  mask = BitmapToMask(rgb16, &w, &h, true);
  EXPECT_FALSE(Bit(mask, 2, 0, 0));
  EXPECT_TRUE(Bit(mask, 2, 1, 0));

  QImage indexed(2, 2, QImage::Format_Indexed8);
  EXPECT_TRUE(BitmapToMask(indexed, &w, &h, true).empty());
  EXPECT_TRUE(BitmapToMask(QImage(), &w, &h, true).empty());
}

TEST(BitmapToRgbaKeyed, KeyColourGetsTheAlphaAndRowsRunBottomUp) {
  QImage image = White(2, 2);
  image.setPixel(0, 0, qRgb(10, 20, 30));
  image.setPixel(1, 1, qRgb(254, 255, 255));
  int w = 0, h = 0;
  const auto rgba = BitmapToRgbaKeyed(image, &w, &h, 0xFFFFFF, 7);
  ASSERT_EQ(rgba.size(), 16u);
  EXPECT_EQ(w, 2);
  EXPECT_EQ(h, 2);
  const std::vector<BYTE> expected = {
      255, 255, 255, 7,   254, 255, 255, 255,  // bottom row
      10,  20,  30,  255, 255, 255, 255, 7,    // top row
  };
  EXPECT_EQ(rgba, expected);

  // The key is 0x00BBGGRR: red in the low byte.
  QImage red = White(1, 1);
  red.setPixel(0, 0, qRgb(255, 0, 0));
  EXPECT_EQ(BitmapToRgbaKeyed(red, &w, &h, 0x0000FF, 0)[3], 0);
  EXPECT_EQ(BitmapToRgbaKeyed(red, &w, &h, 0xFF0000, 0)[3], 255);

  QImage rgb16(1, 1, QImage::Format_RGB16);
  reinterpret_cast<quint16*>(rgb16.scanLine(0))[0] = 0x1234;
  EXPECT_EQ(BitmapToRgbaKeyed(rgb16, &w, &h, 0, 0), (std::vector<BYTE>{0x12, 0x44, 0xA0, 255}));

  EXPECT_TRUE(BitmapToRgbaKeyed(QImage(1, 1, QImage::Format_Mono), &w, &h, 0, 0).empty());
}

class ClipboardPicture : public ::testing::Test {
 protected:
  void SetUp() override { m_previous = SetClipboard(std::make_unique<MemoryClipboard>()); }
  void TearDown() override { SetClipboard(std::move(m_previous)); }
  std::unique_ptr<IClipboard> m_previous;
};

TEST_F(ClipboardPicture, IsCroppedToItsInkAndTransparencyCountsAsPaper) {
  int w = -1, h = -1;
  EXPECT_TRUE(PasteClipboardImage(&w, &h, 64).empty());
  Clipboard().SetImage(White(30, 30));
  EXPECT_TRUE(PasteClipboardImage(&w, &h, 64).empty());

  QImage clear(30, 30, QImage::Format_ARGB32);
  clear.fill(Qt::transparent);  // transparent black
  clear.setPixel(20, 10, qRgba(0, 0, 0, 255));
  Clipboard().SetImage(clear);
  const auto mask = PasteClipboardImage(&w, &h, 64);
  EXPECT_EQ(w, 8);
  EXPECT_EQ(h, 1);
  ASSERT_EQ(mask.size(), 4u);
  EXPECT_EQ(mask[0], 0x08);
}

TEST(CaptureScreenRect, EmptyRectangleGivesNothing) {
  EXPECT_TRUE(CaptureScreenRect({5, 5, 5, 20}).isNull());
  EXPECT_TRUE(CaptureScreenRect({5, 5, 2, 20}).isNull());
}

TEST(Dib, HeaderTableAndFileHeaderFollowTheBitCount) {
  struct Case { QImage image; int bits, entries, stride; } cases[] = {
      {White(5, 3), 32, 0, 20}, {White(5, 3, QImage::Format_RGB888), 24, 0, 16},
      {White(33, 2, QImage::Format_Mono), 1, 2, 8},
      {White(3, 2, QImage::Format_ARGB32).convertToFormat(QImage::Format_Indexed8), 8, 256, 4},
  };
  for (const Case& c : cases) {
    const QByteArray dib = DdbToDib(c.image, BI_RGB);
    const int pixels = c.stride * c.image.height();
    ASSERT_EQ(dib.size(), 40 + 4 * c.entries + pixels) << c.bits;
    EXPECT_EQ(U32(dib, 0), 40u);
    EXPECT_EQ(int(U32(dib, 4)), c.image.width());
    EXPECT_EQ(int(U32(dib, 8)), c.image.height());
    EXPECT_EQ(U16(dib, 12), 1);
    EXPECT_EQ(U16(dib, 14), c.bits);
    EXPECT_EQ(U32(dib, 16), BI_RGB);
    EXPECT_EQ(int(U32(dib, 20)), pixels);

    const QByteArray file = BmpFileBytes(dib);
    ASSERT_EQ(file.size(), dib.size() + 14);
    EXPECT_EQ(file.left(2), QByteArray("BM"));
    EXPECT_EQ(int(U32(file, 2)), dib.size() + 14);
    EXPECT_EQ(U32(file, 6), 0u);
    EXPECT_EQ(int(U32(file, 10)), 14 + 40 + 4 * c.entries) << c.bits;
    QImage back;
    ASSERT_TRUE(back.loadFromData(file, "BMP")) << c.bits;
    EXPECT_EQ(back.size(), c.image.size());
    EXPECT_EQ(back.pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu) << c.bits;
  }
  EXPECT_TRUE(DdbToDib(QImage(), BI_RGB).isEmpty());
  EXPECT_TRUE(DdbToDib(White(1, 1), 1).isEmpty());
  EXPECT_TRUE(BmpFileBytes(QByteArray(39, '\0')).isEmpty());
  QByteArray headerOnly(40, '\0');
  headerOnly[0] = 40;
  EXPECT_EQ(BmpFileBytes(headerOnly).size(), 54) << "a header without pixels still makes a file";
  QImage bare = White(8, 1, QImage::Format_Mono);
  bare.setColorTable({});
  EXPECT_EQ(DdbToDib(bare, BI_RGB).mid(40, 8), QByteArray("\0\0\0\0\xFF\xFF\xFF\0", 8)) << "no table: 0 black, 1 white";
}

TEST(Dib, PixelsRunBottomUpInBlueGreenRedOrder) {
  QImage image = White(1, 2);
  image.setPixel(0, 0, qRgb(1, 2, 3));
  const QByteArray dib = DdbToDib(image, BI_RGB);
  EXPECT_EQ(dib.mid(40, 8), QByteArray("\xFF\xFF\xFF\x00\x03\x02\x01\x00", 8));
  const QByteArray rgb = DdbToDib(image.convertToFormat(QImage::Format_RGB888), BI_RGB);
  EXPECT_EQ(rgb.mid(40, 8), QByteArray("\xFF\xFF\xFF\x00\x03\x02\x01\x00", 8)) << "24 bits, rows padded";
}

}  // namespace
