#include "formula/drawing/painterdc.h"

#include <QPen>
#include <QPolygon>

CPainterDC::CPainterDC(QImage* image) : m_image(image) {
  if (m_image && !m_image->isNull()) {
    m_painter = std::make_unique<QPainter>(m_image);
    m_painter->setRenderHint(QPainter::Antialiasing, false);
  }
}

CPainterDC::~CPainterDC() {
  if (m_painter) m_painter->end();
}

void CPainterDC::SetWindowOrigin(int x, int y) {
  m_origin = {x, y};
  if (m_painter) m_painter->setTransform(QTransform::fromTranslate(-x, -y));
}

QSize CPainterDC::TextExtent(const QString& text) {
  RealizeFont();
  return m_qtFont.Extent(text);
}

void CPainterDC::TextOut(int x, int y, const QString& text) {
  RealizeFont();
  if (m_painter) m_qtFont.Draw(*m_painter, x, y, text, QColorFromRef(TextColor()));
}

void CPainterDC::Polyline(const std::vector<QPoint>& points) {
  if (!m_painter || points.size() < 2) return;
  const FormulaPen& pen = Pen();
  // Wide pens end round, as wide logical pens do; one-pixel lines end flat.
  m_painter->setPen(QPen(QColorFromRef(pen.colour), pen.width, Qt::SolidLine,
                         pen.width > 1 ? Qt::RoundCap : Qt::FlatCap, Qt::RoundJoin));
  m_painter->drawPolyline(points.data(), static_cast<int>(points.size()));
}

void CPainterDC::FillPolygon(const std::vector<QPoint>& points, COLORREF colour) {
  if (!m_painter || points.size() < 3) return;
  m_painter->setPen(Qt::NoPen);
  m_painter->setBrush(QColorFromRef(colour));
  m_painter->drawPolygon(points.data(), static_cast<int>(points.size()));
  m_painter->setBrush(Qt::NoBrush);
}

void CPainterDC::FillRect(const RECT& rect, COLORREF colour) {
  if (!m_painter || rect.IsEmpty()) return;
  m_painter->fillRect(rect.left, rect.top, rect.Width(), rect.Height(), QColorFromRef(colour));
}

void CPainterDC::FocusRect(const RECT& rect) {
  if (!m_painter || rect.IsEmpty()) return;
  // Every other pixel of the outline is inverted; the raster engine paints
  // straight into the image, so the pixel below can be read first.
  auto invert = [this](int x, int y) {
    const QPoint device = QPoint(x, y) - m_origin;
    if (!m_image->rect().contains(device)) return;
    const QRgb below = m_image->pixel(device);
    m_painter->fillRect(x, y, 1, 1, QColor(255 - qRed(below), 255 - qGreen(below), 255 - qBlue(below)));
  };
  auto dot = [&](int x, int y) {
    if (((x - rect.left) + (y - rect.top)) % 2 == 0) invert(x, y);
  };
  const int last = rect.bottom - 1, lastColumn = rect.right - 1;
  for (int x = rect.left; x <= lastColumn; ++x) {
    dot(x, rect.top);
    if (last > rect.top) dot(x, last);
  }
  for (int y = rect.top + 1; y < last; ++y) {
    dot(rect.left, y);
    if (lastColumn > rect.left) dot(lastColumn, y);
  }
}
