#include "ui/colorbutton.h"

#include <QGridLayout>
#include <QMenu>
#include <QPainter>
#include <QWidgetAction>

#include "model/selection.h"
#include "ui/colorpalette.h"
#include "ui/commandactions.h"
#include "ui/commandicons.h"
#include "ui/uitexts.h"
#include "platform/commandids.h"

namespace {
constexpr int kSwatch = 14;

QColor ToQColor(COLORREF c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

QIcon SwatchIcon(const QColor& color) {
  QPixmap pixmap(kSwatch, kSwatch);
  pixmap.fill(color);
  QPainter p(&pixmap);
  p.setPen(QColor(128, 128, 128));
  p.drawRect(0, 0, kSwatch - 1, kSwatch - 1);
  return QIcon(pixmap);
}
}  // namespace

CColorButton::CColorButton(QWidget* parent) : QToolButton(parent) {
  setPopupMode(QToolButton::MenuButtonPopup);
  setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  setAutoRaise(true);
  setIconSize(QSize(32, 32));
  BuildPalette();
  UpdateFace();
}

void CColorButton::BuildPalette() {
  m_pMenu = new QMenu(this);
  auto* grid = new QWidget(m_pMenu);
  auto* layout = new QGridLayout(grid);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->setSpacing(2);

  auto* automatic = new QToolButton(grid);
  automatic->setText(QString::fromUtf8(kTextDefaultColor));
  automatic->setToolTip(QString::fromUtf8(kTextDefaultColorTip));
  automatic->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  automatic->setIcon(SwatchIcon(QColor(Qt::black)));
  automatic->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  layout->addWidget(automatic, 0, 0, 1, kPaletteColumns);
  m_paletteButtons.append(automatic);
  connect(automatic, &QToolButton::clicked, this, [this] {
    m_pMenu->close();
    SetColor(kAutomaticColors);
    emit colorPicked(kAutomaticColors);
  });

  int index = 0;
  for (const CPaletteColor& c : PaletteColors()) {
    auto* swatch = new QToolButton(grid);
    swatch->setAutoRaise(true);
    swatch->setIcon(SwatchIcon(QColor(c.red, c.green, c.blue)));
    swatch->setIconSize(QSize(kSwatch, kSwatch));
    swatch->setToolTip(QString::fromUtf8(c.name));
    layout->addWidget(swatch, 1 + index / kPaletteColumns, index % kPaletteColumns);
    m_paletteButtons.append(swatch);
    const COLORREF color = PaletteColorRef(c);
    connect(swatch, &QToolButton::clicked, this, [this, color] {
      m_pMenu->close();
      SetColor(color);
      emit colorPicked(color);
    });
    ++index;
  }
  auto* holder = new QWidgetAction(m_pMenu);
  holder->setDefaultWidget(grid);
  m_pMenu->addAction(holder);
  setMenu(m_pMenu);
}

void CColorButton::SetColor(COLORREF color) {
  m_crColor = color;
  UpdateFace();
}

void CColorButton::UpdateFace() {
  // The command's tile with a bar of the current colour below it.
  QPixmap face = CommandIcon(ID_VIEW_COLOR).pixmap(32, 32);
  QPainter p(&face);
  const QColor bar = m_crColor == kAutomaticColors ? QColor(Qt::black) : ToQColor(m_crColor);
  p.fillRect(QRect(3, 24, 26, 6), bar);
  p.setPen(Qt::white);
  p.drawRect(QRect(3, 24, 25, 5));
  p.end();
  setIcon(QIcon(face));
}
