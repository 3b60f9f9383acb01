#include "ui/colors/colorpicker.h"

#include <QBitmap>
#include <QColorDialog>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <qdrawutil.h>

#include "ui/colors/colorpalettewnd.h"
#include "ui/colors/palettegrid.h"

CColorPicker::CColorPicker(QWidget* parent) : QAbstractButton(parent) {
  m_crColor = palette().color(QPalette::Button);
  QBitmap bitmap, mask;
  EyedropperBitmaps(&bitmap, &mask);
  m_cursor = QCursor(bitmap, mask, kEyedropperHotSpot.x(), kEyedropperHotSpot.y());
}

void CColorPicker::SetColor(const QColor& colour) {
  m_crColor = colour;
  emit clicked(false);
  if (m_pCompanion) m_pCompanion->setProperty("text", ColourCode(colour));
  update();
}

void CColorPicker::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QAbstractButton::mousePressEvent(event);
  OpenPalette(event->globalPosition().toPoint());
}

void CColorPicker::OpenPalette(QPoint pressedAt) {
  ClosePalette();
  const QPoint topLeft = mapToGlobal(QPoint(0, 0));
  QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  const QRect area = screen ? screen->geometry() : QRect(0, 0, 1920, 1080);
  const QPoint at = PalettePosition(topLeft.x() - area.x(), topLeft.y() + height() - area.y(), area.size());
  m_pPalette = new CColorPaletteWnd(this, m_crColor, m_cursor, at + area.topLeft());
  connect(m_pPalette, &CColorPaletteWnd::released, this, &CColorPicker::OnReleased);
  connect(m_pPalette, &CColorPaletteWnd::moreColoursPressed, this, &CColorPicker::OnMoreColours);
  m_pPalette->PressAt(pressedAt);
  update();
}

void CColorPicker::ClosePalette() {
  if (m_pPalette) m_pPalette->close();  // deletes itself
  m_pPalette = nullptr;
  update();
}

void CColorPicker::OnReleased(const QColor& colour) {
  ClosePalette();
  if (colour.rgb() != m_crColor.rgb()) SetColor(colour);
}

void CColorPicker::OnMoreColours() {
  ClosePalette();
  QColorDialog dialog(m_crColor, this);
  if (dialog.exec() == QDialog::Accepted) SetColor(dialog.selectedColor());
}

void CColorPicker::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect client = rect();
  painter.fillRect(client, palette().color(QPalette::Button));
  if (!IsPaletteOpen()) qDrawWinButton(&painter, client, palette(), false);
  painter.fillRect(client.adjusted(3, 3, -3, -3), m_crColor);
  // The drop-down mark: a small box with a downward triangle.
  const QRect mark(client.right() - 8, client.bottom() - 6, 6, 4);
  painter.fillRect(mark, palette().color(QPalette::Button));
  painter.setPen(Qt::black);
  for (int i = 0; i < 3; ++i) painter.drawLine(mark.left() + i, mark.top() + i, mark.left() + 4 - i, mark.top() + i);
}
