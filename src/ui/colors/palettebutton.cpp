#include "ui/colors/palettebutton.h"

#include <QPainter>
#include <QPixmap>
#include <QToolButton>

#include "platform/commandregistry.h"
#include "ui/colors/colormenu.h"

namespace {
// The sixteen swatches four by four, as the button's face.
QIcon SwatchIcon() {
  constexpr int kCell = 4;
  QPixmap pixmap(4 * kCell, 4 * kCell);
  QPainter painter(&pixmap);
  for (int i = 0; i < CColorMenu::kSwatchCount; ++i)
    painter.fillRect((i % 4) * kCell, (i / 4) * kCell, kCell, kCell, CColorMenu::SwatchColour(i));
  return QIcon(pixmap);
}
}  // namespace

QToolButton* MakePaletteButton() {
  auto* button = new QToolButton;
  button->setObjectName(QStringLiteral("palette"));
  button->setIcon(SwatchIcon());
  button->setAutoRaise(true);
  button->setPopupMode(QToolButton::InstantPopup);
  auto* menu = new CColorMenu(button);
  QObject::connect(menu, &CColorMenu::colourCommand, button, [](unsigned id) { CommandRegistry().Run(id); });
  button->setMenu(menu);
  return button;
}
