#include "formula/drawing/imageconversions.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <algorithm>

#include "platform/clipboard.h"
#include "render/picturefile.h"

namespace {

size_t MaskStride(int width) { return (static_cast<size_t>(width) + 31) / 32 * 4; }

// Colour components of a 16-bit pixel, as the 16-bit conversions have
// always read them: the high byte, then the bits shifted into the byte.
void Components16(quint16 pixel, int* r, int* g, int* b) {
  *r = pixel >> 8;
  *g = (pixel >> 3) & 0xFC;
  *b = (pixel << 3) & 0xFF;
}

// Ink test of one pixel of a picture of 16, 24 or 32 bits.
class InkTest {
 public:
  explicit InkTest(const QImage& image) : m_image(image) {}
  bool operator()(int x, int y) const {
    int r, g, b;
    if (m_image.depth() == 16) {
      Components16(reinterpret_cast<const quint16*>(m_image.constScanLine(y))[x], &r, &g, &b);
    } else {
      const QRgb c = m_image.pixel(x, y);
      r = qRed(c), g = qGreen(c), b = qBlue(c);
    }
    return r + g + b < 576;
  }

 private:
  const QImage& m_image;
};

// Ink of a one-bit picture: a dark table colour, or bit 0 without a table.
bool MonoInk(const QImage& image, int x, int y) {
  const uchar* line = image.constScanLine(y);
  const int bit = image.format() == QImage::Format_MonoLSB ? (line[x >> 3] >> (x & 7)) & 1
                                                           : (line[x >> 3] >> (7 - (x & 7))) & 1;
  if (image.colorCount() < 2) return bit == 0;
  const QRgb c = image.color(bit);
  return qRed(c) + qGreen(c) + qBlue(c) < 576;
}

// The mask cut down to the rows and byte columns holding ink.
std::vector<BYTE> CropToInk(const std::vector<BYTE>& mask, int width, int height, int* outWidth, int* outHeight) {
  const size_t stride = MaskStride(width);
  const int byteColumns = (width + 7) / 8;
  int firstRow = height, lastRow = -1, firstByte = byteColumns, lastByte = -1;
  for (int row = 0; row < height; ++row) {
    const BYTE* line = mask.data() + stride * static_cast<size_t>(row);
    for (int i = 0; i < byteColumns; ++i) {
      if (!line[i]) continue;
      firstRow = std::min(firstRow, row);
      lastRow = std::max(lastRow, row);
      firstByte = std::min(firstByte, i);
      lastByte = std::max(lastByte, i);
    }
  }
  if (lastRow < 0) return {};
  const int keptBytes = lastByte - firstByte + 1;
  const int keptRows = lastRow - firstRow + 1;
  const size_t keptStride = MaskStride(keptBytes * 8);
  std::vector<BYTE> out(keptStride * static_cast<size_t>(keptRows), 0);
  for (int row = 0; row < keptRows; ++row)
    std::copy_n(mask.data() + stride * static_cast<size_t>(firstRow + row) + firstByte, keptBytes,
                out.data() + keptStride * static_cast<size_t>(row));
  *outWidth = keptBytes * 8;
  *outHeight = keptRows;
  return out;
}

}  // namespace

std::vector<BYTE> BitmapToMask(const QImage& bitmap, int* width, int* height, bool keepWhole) {
  const int depth = bitmap.depth();
  if (bitmap.isNull() || (depth != 1 && depth != 16 && depth != 24 && depth != 32)) return {};
  const int w = bitmap.width(), h = bitmap.height();
  const size_t stride = MaskStride(w);
  std::vector<BYTE> mask(stride * static_cast<size_t>(h), 0);
  const InkTest ink(bitmap);
  for (int y = 0; y < h; ++y) {
    BYTE* line = mask.data() + stride * static_cast<size_t>(h - 1 - y);
    for (int x = 0; x < w; ++x)
      if (depth == 1 ? MonoInk(bitmap, x, y) : ink(x, y)) line[x >> 3] |= BYTE(0x80 >> (x & 7));
  }
  if (keepWhole) {
    *width = w;
    *height = h;
    return mask;
  }
  return CropToInk(mask, w, h, width, height);
}

std::vector<BYTE> BitmapToRgbaKeyed(QImage bitmap, int* width, int* height, COLORREF key, BYTE alpha) {
  const int depth = bitmap.depth();
  if (bitmap.isNull() || (depth != 16 && depth != 24 && depth != 32)) return {};
  const int keyR = key & 0xFF, keyG = (key >> 8) & 0xFF, keyB = (key >> 16) & 0xFF;
  const int w = bitmap.width(), h = bitmap.height();
  std::vector<BYTE> rgba(static_cast<size_t>(w) * static_cast<size_t>(h) * 4);
  BYTE* out = rgba.data();
  for (int y = h - 1; y >= 0; --y) {
    for (int x = 0; x < w; ++x) {
      int r, g, b;
      if (depth == 16) {
        Components16(reinterpret_cast<const quint16*>(bitmap.constScanLine(y))[x], &r, &g, &b);
      } else {
        const QRgb c = bitmap.pixel(x, y);
        r = qRed(c), g = qGreen(c), b = qBlue(c);
      }
      *out++ = BYTE(r);
      *out++ = BYTE(g);
      *out++ = BYTE(b);
      *out++ = r == keyR && g == keyG && b == keyB ? alpha : 255;
    }
  }
  bitmap = QImage();
  *width = w;
  *height = h;
  return rgba;
}

std::vector<BYTE> PasteClipboardImage(int* width, int* height, int maxSide) {
  return ImageToPasteMask(ScaledWithin(Clipboard().Image(), maxSide), width, height, false);
}

std::vector<BYTE> ImageToPasteMask(QImage image, int* width, int* height, bool keepWhole) {
  if (image.isNull()) return {};
  if (image.hasAlphaChannel()) {
    QImage page(image.size(), QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.drawImage(0, 0, image);
    painter.end();
    image = page;
  }
  return BitmapToMask(image, width, height, keepWhole);
}

QImage CaptureScreenRect(const RECT& rect) {
  if (rect.IsEmpty()) return {};
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  return screen->grabWindow(0, rect.left, rect.top, rect.Width(), rect.Height()).toImage();
}
