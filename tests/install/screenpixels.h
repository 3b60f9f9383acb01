// What the install test looks for on a picture of the screen: the red of
// the view's x axis (the view has drawn) and the dark squares of the
// checkerboard picture (Images/Img4.jpg), which nothing else draws.
#pragma once
#include <QImage>
#include <cstdlib>

inline bool IsAxisRed(QRgb p) { return qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60; }

inline bool IsCheckerNavy(QRgb p) {
  return std::abs(qRed(p) - 32) <= 12 && std::abs(qGreen(p) - 32) <= 12 && std::abs(qBlue(p) - 96) <= 12;
}

inline int CountPixels(const QImage& image, bool (*wanted)(QRgb)) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  int count = 0;
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x) count += wanted(row[x]) ? 1 : 0;
  }
  return count;
}
