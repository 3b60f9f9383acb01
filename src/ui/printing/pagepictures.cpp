#include "ui/printing/pagepictures.h"

#include <cstring>
#include <memory>
#include <vector>

#include <QByteArray>
#include <QImage>
#include <QList>

namespace {
// zlib's fastest level: packing a page costs about what drawing it did,
// and a view's flat fills still shrink some seventy times.
constexpr int kCompression = 1;

struct CKeptPicture {
  bool drawn = false;
  QSize size;
  QImage::Format format = QImage::Format_Invalid;  // a page drawn as nothing
  QList<QRgb> colours;
  qreal pixelRatio = 1;
  qsizetype rowBytes = 0;  // a line's pixels, without its padding
  QByteArray rows;         // compressed
};

CKeptPicture Keep(const QImage& image) {
  const qsizetype row = (static_cast<qsizetype>(image.width()) * image.depth() + 7) / 8;
  CKeptPicture kept{true,
                    image.size(),
                    image.isNull() ? QImage::Format_Invalid : image.format(),
                    image.colorTable(),
                    image.devicePixelRatio(),
                    row,
                    {}};
  if (image.isNull()) return kept;
  QByteArray rows(row * image.height(), Qt::Uninitialized);
  for (int y = 0; y < image.height(); ++y) std::memcpy(rows.data() + y * row, image.constScanLine(y), row);
  kept.rows = qCompress(rows, kCompression);
  kept.rows.squeeze();  // compressing leaves room for the worst case
  return kept;
}

QImage Unpack(const CKeptPicture& kept) {
  if (kept.format == QImage::Format_Invalid) return {};
  QImage image(kept.size, kept.format);
  const QByteArray rows = qUncompress(kept.rows);
  const qsizetype row = kept.rowBytes;
  if (image.isNull() || rows.size() != row * image.height()) return {};  // out of memory: a frame alone
  image.setColorTable(kept.colours);
  image.setDevicePixelRatio(kept.pixelRatio);
  for (int y = 0; y < image.height(); ++y) std::memcpy(image.scanLine(y), rows.constData() + y * row, row);
  return image;
}
}  // namespace

CPrintJob KeepPagePictures(const CPrintJob& job) {
  if (!job.pageImage || job.pageCount <= 0) return job;
  auto kept = std::make_shared<std::vector<CKeptPicture>>(job.pageCount);
  CPrintJob keeping = job;
  keeping.pageImage = [kept, draw = job.pageImage](int number) {
    if (number < 1 || number > static_cast<int>(kept->size())) return QImage();
    CKeptPicture& page = (*kept)[number - 1];
    if (page.drawn) return Unpack(page);
    QImage image = draw(number);
    page = Keep(image);
    return image;
  };
  return keeping;
}
