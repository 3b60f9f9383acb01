#include "ui/printing/sheetlayout.h"

#include <algorithm>

namespace {
constexpr int kInset = 20;
}  // namespace

CSheetLayout LayOutSheet(const QRect& printable, const QSize& image) {
  const int width = printable.width(), height = printable.height();
  const int left = printable.left() + width * 8 / 100;
  const int right = printable.left() + width - width * 8 / 100;
  const int top = printable.top() + height * 9 / 100;
  const int bottom = printable.top() + height - height * 9 / 100;
  CSheetLayout sheet;
  sheet.frame = QRect(QPoint(left, top), QSize(right - left, bottom - top));
  const int gap = height * 2 / 100;
  sheet.nameAt = QPoint((left + right) / 2, top - gap);
  sheet.numberAt = QPoint((left + right) / 2, bottom + gap);
  const int innerWidth = right - left - 2 * kInset, innerHeight = bottom - top - 2 * kInset;
  if (image.isEmpty() || innerWidth <= 0 || innerHeight <= 0) return sheet;
  const double scale = std::min(static_cast<double>(innerWidth) / image.width(),
                                static_cast<double>(innerHeight) / image.height());
  const int shownWidth = static_cast<int>(image.width() * scale);
  const int shownHeight = static_cast<int>(image.height() * scale);
  sheet.image = QRect(left + kInset + (innerWidth - shownWidth) / 2, top + kInset + (innerHeight - shownHeight) / 2,
                      shownWidth, shownHeight);
  return sheet;
}
