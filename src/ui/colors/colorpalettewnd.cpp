#include "ui/colors/colorpalettewnd.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <qdrawutil.h>

#include "ui/colors/palettegrid.h"

namespace {
// The more-colours button: three overlapping squares on white.
class CMoreColoursButton : public QAbstractButton {
 public:
  explicit CMoreColoursButton(QWidget* parent) : QAbstractButton(parent) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    qDrawShadePanel(&painter, rect(), palette(), isDown(), 1);
    const QColor squares[] = {Qt::red, Qt::green, Qt::yellow};
    for (int i = 0; i < 3; ++i) {
      const QRect square(3 + 2 * i, 3 + 2 * i, 5, 5);
      painter.fillRect(square, squares[i]);
      painter.setPen(Qt::black);
      painter.drawRect(square.adjusted(0, 0, -1, -1));
    }
  }
};

constexpr QPoint kClientOrigin(1, 1);
}  // namespace

CColorPaletteWnd::CColorPaletteWnd(QWidget* owner, const QColor& start, const QCursor& eyedropper, QPoint at)
    : QWidget(owner, Qt::Popup | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_crCurrent(start),
      m_crStart(start),
      m_cursor(eyedropper) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Palatte"));
  setFixedSize(kPaletteWidth, kPaletteHeight);
  setMouseTracking(true);
  auto* more = new CMoreColoursButton(this);
  more->setGeometry(kMoreColoursRect.translated(kClientOrigin));
  connect(more, &QAbstractButton::clicked, this, &CColorPaletteWnd::moreColoursPressed);
  move(at);
  show();
}

void CColorPaletteWnd::PressAt(QPoint point) {
  m_ptPress = point;
  m_bMoved = false;
  update();
}

void CColorPaletteWnd::Select(int index) {
  if (index == m_nSelected) return;
  m_nSelected = index;
  update();
}

std::optional<QColor> CColorPaletteWnd::ScreenPixel(QPoint global) {
  QScreen* screen = QGuiApplication::screenAt(global);
  if (!screen) return std::nullopt;
  const QPoint local = global - screen->geometry().topLeft();
  const QPixmap pixel = screen->grabWindow(0, local.x(), local.y(), 1, 1);
  if (pixel.isNull()) return std::nullopt;
  return QColor(pixel.toImage().pixel(0, 0));
}

void CColorPaletteWnd::mousePressEvent(QMouseEvent* event) {
  // Not the base class's: a press outside must not close the palette, it
  // starts an eyedropper click.
  if (event->button() == Qt::LeftButton) PressAt(ClientOf(event->position().toPoint()));
}

void CColorPaletteWnd::mouseMoveEvent(QMouseEvent* event) {
  const QPoint client = ClientOf(event->position().toPoint());
  if (client == m_ptPress) {
    setCursor(m_cursor);
    return;
  }
  m_bMoved = true;
  const QRect area(QPoint(0, 0), size() - QSize(2, 2));
  if (area.contains(client) && client.y() < kPaletteGridHeight) {
    const int index = PaletteIndexAt(client);
    if (index != m_nSelected && index >= 0) m_crCurrent = PaletteIndexColour(index);
    Select(index);
  } else if (area.contains(client)) {
    m_crCurrent = m_crStart;
    update();
    setCursor(Qt::ArrowCursor);
    return;
  } else if (const std::optional<QColor> pixel = ScreenPixel(event->globalPosition().toPoint())) {
    m_crCurrent = *pixel;
    update();
  }
  setCursor(m_cursor);
}

void CColorPaletteWnd::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (!m_bMoved && ClientOf(event->position().toPoint()) != m_ptPress) return;
  emit released(m_crCurrent);
}

void CColorPaletteWnd::keyPressEvent(QKeyEvent* event) {
  // Esc gives up the palette without a colour.
  if (event->key() == Qt::Key_Escape) {
    m_crCurrent = m_crStart;
    emit released(m_crCurrent);
    return;
  }
  QWidget::keyPressEvent(event);
}

void CColorPaletteWnd::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::Shadow));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  painter.translate(kClientOrigin);
  painter.fillRect(QRect(0, 0, width() - 2, height() - 2), Qt::white);
  painter.setPen(palette().color(QPalette::Dark));
  for (int x = 9; x <= 179; x += 10) painter.drawLine(x, 0, x, kPaletteGridHeight);
  for (int y = 9; y <= 119; y += 10) painter.drawLine(0, y, 190, y);
  for (int index = 0; index < kPaletteGridColumns * kPaletteRows; ++index)
    painter.fillRect(PaletteCellRect(index), PaletteIndexColour(index));
  if (m_nSelected >= 0) {
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(PaletteCellRect(m_nSelected).adjusted(-1, -1, 0, 0));
  }
  painter.setPen(Qt::black);
  painter.fillRect(kPreviewRect, m_crCurrent);
  painter.drawRect(kPreviewRect.adjusted(-1, -1, 0, 0));
  QFont font(QStringLiteral("宋体"));
  font.setPixelSize(12);
  painter.setFont(font);
  painter.drawText(QRect(kCodeTextAt, QSize(80, 16)), Qt::AlignLeft | Qt::AlignTop, ColourCode(m_crCurrent));
}
