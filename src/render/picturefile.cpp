#include "render/picturefile.h"

#include <QBuffer>
#include <QFileInfo>
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

CPictureRead DecodePicture(const QByteArray& bytes, const QByteArray& formatHint) {
  CPictureRead read;
  read.reason = PictureShortfall(bytes);
  if (read.Failed()) {
    read.code = QImageReader::InvalidDataError;
    return read;
  }
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  // The content decides; the suffix serves formats without a signature.
  const QByteArray format = QImageReader::imageFormat(&buffer);
  QImageReader reader(&buffer, format.isEmpty() ? formatHint : format);
  reader.setAllocationLimit(kMaxDecodedPictureMegabytes);
  if (!reader.read(&read.image)) {
    read.code = reader.error();
    read.reason = reader.errorString();
    if (read.reason.isEmpty()) read.reason = QStringLiteral("?");
    read.image = QImage();
  }
  return read;
}

CPictureRead ReadPicture(const QString& path) {
  FileFailure failure = FileFailure::None;
  const std::optional<QByteArray> bytes = ReadFileBytes(path, &failure, kMaxPictureFileBytes);
  if (!bytes) {
    CPictureRead read;
    read.code = failure == FileFailure::NotFound ? QImageReader::FileNotFoundError : QImageReader::DeviceError;
    read.reason = PathAndReason(path, FileFailureReason(failure, false, kMaxPictureFileBytes));
    return read;
  }
  return DecodePicture(*bytes, QFileInfo(path).suffix().toLower().toLatin1());
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
