#include "formula/drawing/dib.h"

#include <QtEndian>

namespace {

constexpr int kInfoHeaderSize = 40;
constexpr int kFileHeaderSize = 14;

void Put32(QByteArray& out, quint32 v) {
  char bytes[4];
  qToLittleEndian(v, bytes);
  out.append(bytes, 4);
}

void Put16(QByteArray& out, quint16 v) {
  char bytes[2];
  qToLittleEndian(v, bytes);
  out.append(bytes, 2);
}

// Colour-table entries that go with a bit count.
int TableEntries(int bitCount) { return bitCount <= 8 ? 1 << bitCount : 0; }

}  // namespace

QByteArray DdbToDib(const QImage& source, DWORD compression) {
  if (source.isNull() || compression != BI_RGB) return {};
  QImage image;
  int bits;
  switch (source.format()) {
    case QImage::Format_Mono: image = source, bits = 1; break;
    case QImage::Format_MonoLSB: image = source.convertToFormat(QImage::Format_Mono), bits = 1; break;
    case QImage::Format_Indexed8: image = source, bits = 8; break;
    case QImage::Format_RGB888: image = source, bits = 24; break;
    default: image = source.convertToFormat(QImage::Format_RGB32), bits = 32; break;
  }
  const qint64 width = image.width(), height = image.height();
  const qint64 stride = (width * bits + 31) / 32 * 4;
  const int entries = TableEntries(bits);
  QByteArray dib;
  dib.reserve(kInfoHeaderSize + 4 * entries + stride * height);
  Put32(dib, kInfoHeaderSize);
  Put32(dib, static_cast<quint32>(width));
  Put32(dib, static_cast<quint32>(height));
  Put16(dib, 1);
  Put16(dib, static_cast<quint16>(bits));
  Put32(dib, compression);
  Put32(dib, static_cast<quint32>(stride * height));
  for (int i = 0; i < 4; ++i) Put32(dib, 0);  // resolution, colours used, colours important

  const QList<QRgb> table = image.colorTable();
  for (int i = 0; i < entries; ++i) {
    // A one-bit image without a table reads 0 as black, 1 as white.
    const QRgb c = i < table.size() ? table[i] : (i == 0 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    dib.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c))).append('\0');
  }
  for (qint64 y = height - 1; y >= 0; --y) {
    const uchar* line = image.constScanLine(static_cast<int>(y));
    const qsizetype start = dib.size();
    if (bits == 24) {
      for (qint64 x = 0; x < width; ++x)
        dib.append(char(line[3 * x + 2])).append(char(line[3 * x + 1])).append(char(line[3 * x]));
    } else if (bits == 32) {
      const auto* pixels = reinterpret_cast<const QRgb*>(line);
      for (qint64 x = 0; x < width; ++x)
        dib.append(char(qBlue(pixels[x]))).append(char(qGreen(pixels[x]))).append(char(qRed(pixels[x]))).append('\0');
    } else {
      dib.append(reinterpret_cast<const char*>(line), (width * bits + 7) / 8);
    }
    dib.append(stride - (dib.size() - start), '\0');
  }
  return dib;
}

QByteArray BmpFileBytes(const QByteArray& dib) {
  if (dib.size() < kInfoHeaderSize) return {};
  const quint32 headerSize = qFromLittleEndian<quint32>(dib.constData());
  const quint16 bitCount = qFromLittleEndian<quint16>(dib.constData() + 14);
  if (headerSize < kInfoHeaderSize || headerSize > quint32(dib.size())) return {};
  QByteArray file;
  file.reserve(kFileHeaderSize + dib.size());
  file.append("BM", 2);
  Put32(file, static_cast<quint32>(dib.size() + kFileHeaderSize));
  Put16(file, 0);
  Put16(file, 0);
  Put32(file, kFileHeaderSize + headerSize + 4 * TableEntries(bitCount));
  return file + dib;
}
