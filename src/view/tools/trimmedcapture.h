// The picture of the whole view cut to what is drawn on it: the smallest
// rectangle holding every pixel whose red, green or blue differs from the
// background, widened by a 4-pixel margin on each side that has room for
// it (at least 5 pixels to the window's edge).
#pragma once
#include <QImage>
#include <QRect>
#include <optional>

// In the picture's pixels; nothing when it shows the background alone.
std::optional<QRect> TrimmedCaptureRect(const QImage& picture, QRgb background);
