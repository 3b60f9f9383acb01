#include "ui/colors/colormenu.h"

#include <QAction>
#include <QPainter>
#include <QPaintEvent>
#include <qdrawutil.h>

#include "formula/control/formulatables.h"
#include "formula/drawing/qtfont.h"

CColorMenu::CColorMenu(QWidget* parent) : QMenu(parent) {
  // Items are swatches only: no text, no margins, the swatch's own size.
  setStyleSheet(QStringLiteral("QMenu { padding: 0px; border: 1px solid palette(dark); }"
                               "QMenu::item { padding: 0px; margin: 0px; width: %1px; height: %2px; }")
                    .arg(kSwatchWidth)
                    .arg(kSwatchHeight));
  for (int i = 0; i < kSwatchCount; ++i) {
    QAction* action = addAction(QString());
    action->setData(i);
    const unsigned id = kFirstCommand + static_cast<unsigned>(i);
    action->setProperty("commandId", id);
    connect(action, &QAction::triggered, this, [this, id] { emit colourCommand(id); });
  }
}

QColor CColorMenu::SwatchColour(int i) {
  return QColorFromRef(CommandColour(kFirstCommand + static_cast<unsigned>(i)).value_or(0));
}

void CColorMenu::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), palette().color(QPalette::Window));
  for (QAction* action : actions()) {
    const QRect swatch = actionGeometry(action).adjusted(3, 1, -3, -1);
    painter.fillRect(swatch, SwatchColour(action->data().toInt()));
    // Raised, and sunken while it is the item the pointer or keys are on.
    qDrawShadePanel(&painter, swatch, palette(), action == activeAction(), 1);
  }
}
