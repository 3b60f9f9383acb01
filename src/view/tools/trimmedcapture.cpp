#include "view/tools/trimmedcapture.h"

#include <algorithm>

namespace {
constexpr int kMargin = 4;
constexpr QRgb kRgbMask = 0x00FFFFFF;
}  // namespace

std::optional<QRect> TrimmedCaptureRect(const QImage& picture, QRgb background) {
  if (picture.isNull()) return std::nullopt;
  // A picture already in this format is shared, not copied.
  const QImage rgb = picture.convertToFormat(QImage::Format_ARGB32);
  const int width = rgb.width(), height = rgb.height();
  const QRgb paper = background & kRgbMask;
  int left = width, right = -1, top = height, bottom = -1;
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    int first = 0;
    while (first < width && (row[first] & kRgbMask) == paper) ++first;
    if (first == width) continue;
    int last = width - 1;
    while ((row[last] & kRgbMask) == paper) --last;
    left = std::min(left, first);
    right = std::max(right, last);
    top = std::min(top, y);
    bottom = y;
  }
  if (right < 0) return std::nullopt;
  if (left > kMargin) left -= kMargin;
  if (top > kMargin) top -= kMargin;
  if (width - 1 - right > kMargin) right += kMargin;
  if (height - 1 - bottom > kMargin) bottom += kMargin;
  return QRect(QPoint(left, top), QPoint(right, bottom));
}
