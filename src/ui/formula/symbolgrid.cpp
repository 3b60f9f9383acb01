#include "ui/formula/symbolgrid.h"

#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

CToolBarPopupWnd::CToolBarPopupWnd(QWidget* owner, const std::vector<QImage>& images, QPoint at)
    : QWidget(owner, Qt::Popup | Qt::FramelessWindowHint), m_images(images) {
  setAttribute(Qt::WA_DeleteOnClose);
  setMouseTracking(true);
  const int count = static_cast<int>(images.size());
  m_nRows = (count + kColumns - 1) / kColumns;
  const QSize image = images.empty() ? QSize(20, 20) : images.front().size();
  m_cell = image + QSize(2, 2);
  m_rcGrid = QRect(1, 1, kColumns * m_cell.width(), m_nRows * m_cell.height());
  setFixedSize(m_rcGrid.size() + QSize(2, 2));
  move(at);
  show();
}

QRect CToolBarPopupWnd::CellRect(int column, int row) const {
  return QRect(m_rcGrid.left() + column * m_cell.width(), m_rcGrid.top() + row * m_cell.height(), m_cell.width(),
               m_cell.height());
}

int CToolBarPopupWnd::IndexAt(QPoint point) const {
  if (!m_rcGrid.contains(point)) return -1;
  const QPoint p = point - m_rcGrid.topLeft();
  const int index = p.y() / m_cell.height() * kColumns + p.x() / m_cell.width();
  return index < static_cast<int>(m_images.size()) ? index : -1;
}

void CToolBarPopupWnd::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Button));
  painter.setPen(palette().color(QPalette::Shadow));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  const QColor window = palette().color(QPalette::Base);
  for (int row = 0; row < m_nRows; ++row)
    for (int column = 0; column < kColumns; ++column) {
      const QRect cell = CellRect(column, row);
      const size_t index = static_cast<size_t>(row * kColumns + column);
      const bool hot = column == m_nHotColumn && row == m_nHotRow && index < m_images.size();
      painter.fillRect(cell, hot ? palette().color(QPalette::Button) : window);
      if (index >= m_images.size()) continue;
      if (hot) qDrawShadePanel(&painter, cell, palette(), false, 1);
      painter.drawImage(cell.topLeft() + QPoint(1, 1), m_images[index]);
      if (hot) {  // blended with the selection colour
        QColor tint = palette().color(QPalette::Highlight);
        tint.setAlpha(80);
        painter.fillRect(cell.adjusted(1, 1, -1, -1), tint);
      }
    }
}

void CToolBarPopupWnd::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if (!m_rcGrid.contains(p)) return;
  const int column = (p.x() - m_rcGrid.left()) / m_cell.width();
  const int row = (p.y() - m_rcGrid.top()) / m_cell.height();
  if (column == m_nHotColumn && row == m_nHotRow) return;
  m_nHotColumn = column;
  m_nHotRow = row;
  update();
}

void CToolBarPopupWnd::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const int index = IndexAt(event->position().toPoint());
  close();
  if (index >= 0) emit symbolPicked(index);
}
