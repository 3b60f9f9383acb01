#include "render/picturefile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageIOHandler>
#include <QImageReader>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>

#include "platform/filebytes.h"
#include "render/picturetexts.h"

namespace {
// Little-endian fields of a bitmap's headers.
quint32 U32(const QByteArray& b, int at) {
  return quint32(uchar(b[at])) | quint32(uchar(b[at + 1])) << 8 | quint32(uchar(b[at + 2])) << 16 |
         quint32(uchar(b[at + 3])) << 24;
}
quint16 U16(const QByteArray& b, int at) { return quint16(uchar(b[at]) | uchar(b[at + 1]) << 8); }

// Compression kinds whose pixel bytes follow from the size and depth alone.
bool IsUncompressed(quint32 compression) { return compression == 0 || compression == 3 || compression == 6; }

// The pixel bytes a bitmap's headers declare, -1 when they do not say
// (compressed rows), 0 for a zero side.
qint64 DeclaredBitmapBytes(const QByteArray& b) {
  constexpr int kFileHeader = 14;
  const quint32 infoSize = U32(b, kFileHeader);
  qint64 width = 0, height = 0;
  int depth = 0;
  if (infoSize == 12) {  // the old core header: 16-bit sides
    width = U16(b, 18);
    height = U16(b, 20);
    depth = U16(b, 24);
  } else {
    if (b.size() < kFileHeader + 20 || !IsUncompressed(U32(b, 30))) return -1;
    width = static_cast<qint32>(U32(b, 18));
    height = std::llabs(static_cast<qint32>(U32(b, 22)));
    depth = U16(b, 28);
  }
  if (width <= 0 || height <= 0) return 0;
  const qint64 rowBytes = (width * depth + 31) / 32 * 4;  // at most 2^31 * 2^16 bits
  if (rowBytes > 0 && height > std::numeric_limits<qint64>::max() / rowBytes) return std::numeric_limits<qint64>::max();
  return rowBytes * height;
}
}  // namespace

QString PictureShortfall(const QByteArray& bytes) {
  if (bytes.size() < 26 || !bytes.startsWith("BM")) return {};
  const qint64 declared = DeclaredBitmapBytes(bytes);
  if (declared == 0) return QString::fromUtf8(kReasonPictureNoSide);
  if (declared > 0 && declared > bytes.size() - qint64(U32(bytes, 10))) return QString::fromUtf8(kReasonPictureCut);
  return {};
}

QSize FittedPictureSize(QSize size, int maxSide) {
  if (maxSide <= 0 || size.isEmpty()) return size;
  // Four bytes a decoded pixel.
  const double maxPixels = double(kMaxDecodedPictureMegabytes) * (1 << 20) / 4;
  const double scale = std::min({std::sqrt(maxPixels / (double(size.width()) * size.height())),
                                 double(maxSide) / size.width(), double(maxSide) / size.height()});
  if (scale >= 1) return size;
  // Rounded down, so the fitted size never passes either bound.
  return QSize(std::max(1, int(size.width() * scale)), std::max(1, int(size.height() * scale)));
}

CPictureRead DecodePictureIn(const QByteArray& bytes, const QByteArray& format, int maxSide) {
  CPictureRead read;
  read.reason = PictureShortfall(bytes);
  if (read.Failed()) {
    read.code = QImageReader::InvalidDataError;
    return read;
  }
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  QSize declared, fitted, fraction;
  for (bool first = true;; first = false) {
    buffer.seek(0);
    QImageReader reader(&buffer, format);
    reader.setAllocationLimit(kMaxDecodedPictureMegabytes);
    if (first) fraction = declared = reader.size(), fitted = FittedPictureSize(declared, maxSide);
    if (fitted != declared) reader.setScaledSize(fitted);
    if (reader.read(&read.image)) break;
    // A decoder that scales while decoding (JPEG) first decodes at the
    // smallest of the whole, a half, a quarter or an eighth that is not
    // smaller than asked, which may pass the allocation limit itself: then
    // the next fraction is asked for.
    fraction = QSize(std::max(1, fraction.width() / 2), std::max(1, fraction.height() / 2));
    if (fitted == declared || qint64(fraction.width()) * 8 < declared.width() ||
        !reader.supportsOption(QImageIOHandler::ScaledSize)) {
      read.code = reader.error();
      read.reason = reader.errorString();
      if (read.reason.isEmpty()) read.reason = QStringLiteral("?");
      read.image = QImage();
      return read;
    }
    fitted = fitted.boundedTo(fraction);
  }
  // Formats that tell their size only while decoding.
  const QSize after = FittedPictureSize(read.image.size(), maxSide);
  if (after != read.image.size()) read.image = read.image.scaled(after, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return read;
}

CPictureRead DecodePicture(const QByteArray& bytes, const QByteArray& formatHint, int maxSide) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  // The content decides; the suffix serves formats without a signature.
  const QByteArray format = QImageReader::imageFormat(&buffer);
  return DecodePictureIn(bytes, format.isEmpty() ? formatHint : format, maxSide);
}

CPictureRead ReadPicture(const QString& path, int maxSide) {
  FileFailure failure = FileFailure::None;
  const std::optional<QByteArray> bytes = ReadFileBytes(path, &failure, kMaxPictureFileBytes);
  if (!bytes) {
    CPictureRead read;
    read.code = failure == FileFailure::NotFound ? QImageReader::FileNotFoundError : QImageReader::DeviceError;
    read.reason = PathAndReason(path, FileFailureReason(failure, false, kMaxPictureFileBytes));
    return read;
  }
  return DecodePicture(*bytes, QFileInfo(path).suffix().toLower().toLatin1(), maxSide);
}

QImage ScaledWithin(QImage picture, int maxSide) {
  const int w = picture.width(), h = picture.height();
  if (w <= maxSide && h <= maxSide) return picture;
  // The longer side becomes maxSide; the other keeps the proportion,
  // rounded, and at least one pixel.
  const double scale = static_cast<double>(maxSide) / std::max(w, h);
  const int width = std::clamp(static_cast<int>(std::lround(w * scale)), 1, maxSide);
  const int height = std::clamp(static_cast<int>(std::lround(h * scale)), 1, maxSide);
  return picture.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
