#include "ui/objectlist/treeimages.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>

namespace {
constexpr int kSize = 16;

// The outlines in a dark blue on a light list, a light blue on a dark one.
QColor InkOn(const QColor& base) { return base.lightness() < 128 ? QColor(150, 180, 235) : QColor(40, 70, 140); }

void DrawPicture(QPainter& p, int index, const QColor& ink) {
  const QColor fill(120, 170, 230, 160);
  p.setPen(QPen(ink, 1.2));
  p.setBrush(Qt::NoBrush);
  switch (index) {
    case 0:  // page
      p.setBrush(QColor(250, 250, 245));
      p.drawRect(QRectF(3.5, 1.5, 9, 13));
      p.drawLine(QPointF(5.5, 5), QPointF(10.5, 5));
      p.drawLine(QPointF(5.5, 8), QPointF(10.5, 8));
      p.drawLine(QPointF(5.5, 11), QPointF(9, 11));
      break;
    case 1:  // point
      p.setBrush(ink);
      p.drawEllipse(QPointF(8, 8), 3, 3);
      break;
    case 2:  // free point
      p.setBrush(QColor(220, 40, 40));
      p.setPen(QPen(QColor(140, 20, 20), 1));
      p.drawEllipse(QPointF(8, 8), 3.5, 3.5);
      break;
    case 3:  // line
      p.setPen(QPen(ink, 1.6));
      p.drawLine(QPointF(2, 13), QPointF(14, 3));
      break;
    case 4:  // face
      p.setBrush(fill);
      p.drawPolygon(QPolygonF({QPointF(2, 13), QPointF(8, 2.5), QPointF(14, 13)}));
      break;
    case 5:  // arc or circle
      p.drawEllipse(QPointF(8, 8), 5.5, 5.5);
      break;
    case 6: {  // curve
      QPainterPath path(QPointF(1.5, 11));
      path.cubicTo(QPointF(5, 0), QPointF(10, 16), QPointF(14.5, 4));
      p.drawPath(path);
      break;
    }
    case 7: {  // locus or track
      p.setPen(QPen(QColor(0, 128, 0), 1.2, Qt::DotLine));
      QPainterPath path(QPointF(1.5, 13));
      path.quadTo(QPointF(8, -4), QPointF(14.5, 13));
      p.drawPath(path);
      break;
    }
    case 8:  // text
      p.setFont(QFont(QStringLiteral("serif"), 10, QFont::Bold));
      p.drawText(QRectF(0, 0, kSize, kSize), Qt::AlignCenter, QStringLiteral("T"));
      break;
    case 9:  // value
      p.setFont(QFont(QStringLiteral("sans"), 8, QFont::Bold));
      p.drawText(QRectF(0, 0, kSize, kSize), Qt::AlignCenter, QStringLiteral("x="));
      break;
    case 10:  // button
      p.setBrush(QColor(230, 230, 230));
      p.drawRoundedRect(QRectF(1.5, 4.5, 13, 7), 2, 2);
      p.setBrush(ink);
      p.drawPolygon(QPolygonF({QPointF(6.5, 6), QPointF(10.5, 8), QPointF(6.5, 10)}));
      break;
    case 11:  // cylinder
      p.setBrush(fill);
      p.drawRect(QRectF(3.5, 4, 9, 8));
      p.drawEllipse(QRectF(3.5, 2, 9, 4));
      p.drawEllipse(QRectF(3.5, 10, 9, 4));
      break;
    case 12:  // cone
      p.setBrush(fill);
      p.drawPolygon(QPolygonF({QPointF(8, 1.5), QPointF(3, 12), QPointF(13, 12)}));
      p.drawEllipse(QRectF(3, 10, 10, 4));
      break;
    case 13:  // frustum
      p.setBrush(fill);
      p.drawPolygon(QPolygonF({QPointF(5.5, 3.5), QPointF(10.5, 3.5), QPointF(13, 12), QPointF(3, 12)}));
      p.drawEllipse(QRectF(3, 10, 10, 4));
      break;
    case 14: {  // sphere
      QRadialGradient shade(QPointF(6, 6), 8);
      shade.setColorAt(0, QColor(230, 240, 255));
      shade.setColorAt(1, QColor(90, 140, 210));
      p.setBrush(shade);
      p.drawEllipse(QPointF(8, 8), 6, 6);
      break;
    }
    case 15:  // iteration
      p.drawRect(QRectF(2.5, 2.5, 8, 8));
      p.drawRect(QRectF(5.5, 5.5, 8, 8));
      break;
    case 16: {  // surface
      p.setBrush(fill);
      QPainterPath path(QPointF(1.5, 10));
      path.quadTo(QPointF(6, 4), QPointF(10, 6));
      path.lineTo(QPointF(14.5, 6));
      path.quadTo(QPointF(10, 14), QPointF(6, 12));
      path.closeSubpath();
      p.drawPath(path);
      break;
    }
    case kTreeImageRoot:  // document
      p.setBrush(QColor(255, 220, 120));
      p.drawRect(QRectF(1.5, 4.5, 13, 9));
      p.drawRect(QRectF(1.5, 2.5, 6, 2));
      break;
    default:  // other cells
      p.setBrush(fill);
      p.drawPolygon(QPolygonF({QPointF(8, 1.5), QPointF(14.5, 8), QPointF(8, 14.5), QPointF(1.5, 8)}));
      break;
  }
}

// Draws the picture whenever it is shown, so its ink follows the look in
// force then.
class CTreePictureEngine final : public QIconEngine {
 public:
  explicit CTreePictureEngine(int index) : m_nIndex(index) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->translate(rect.topLeft());
    painter->scale(rect.width() / double(kSize), rect.height() / double(kSize));
    DrawPicture(*painter, m_nIndex, InkOn(QGuiApplication::palette().color(QPalette::Base)));
    painter->restore();
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return scaledPixmap(size, mode, state, 1.0);
  }
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
    QPixmap pixmap(size * scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(&painter, pixmap.rect(), mode, state);
    painter.end();
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
  }
  QIconEngine* clone() const override { return new CTreePictureEngine(m_nIndex); }

 private:
  int m_nIndex;
};
}  // namespace

QIcon TreeImage(int index) {
  if (index < 0 || index >= kTreeImageCount) index = kTreeImageOther;
  return QIcon(new CTreePictureEngine(index));
}
