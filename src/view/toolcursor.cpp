#include "view/toolcursor.h"

#include <QPainter>
#include <QPixmap>

namespace {
// A slanted pen whose tip, the hot spot, is the lower left corner.
QCursor PenCursor() {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(2, 29, 22, 9);
  painter.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(2, 29, 22, 9);
  painter.end();
  return QCursor(pixmap, 1, 30);
}
}  // namespace

std::optional<QCursor> ToolCursor(int mode) {
  if (mode == 7 || mode == 8) return QCursor(Qt::CrossCursor);
  if (mode == 9) {
    static const QCursor pen = PenCursor();
    return pen;
  }
  return std::nullopt;
}
