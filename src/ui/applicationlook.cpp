#include "ui/applicationlook.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QSettings>
#include <QStyleFactory>
#include <QStyleOption>

namespace {
const char* const kLookKey = "ApplicationLook";

struct LookColors {
  QColor window, button, base, alternate, text, highlight, mid;
};

QPalette MakePalette(const LookColors& c) {
  QPalette p;
  p.setColor(QPalette::Window, c.window);
  p.setColor(QPalette::Button, c.button);
  p.setColor(QPalette::Base, c.base);
  p.setColor(QPalette::AlternateBase, c.alternate);
  p.setColor(QPalette::WindowText, c.text);
  p.setColor(QPalette::ButtonText, c.text);
  p.setColor(QPalette::Text, c.text);
  p.setColor(QPalette::ToolTipBase, c.base);
  p.setColor(QPalette::ToolTipText, c.text);
  p.setColor(QPalette::Highlight, c.highlight);
  p.setColor(QPalette::HighlightedText, Qt::white);
  p.setColor(QPalette::Light, c.button.lighter(125));
  p.setColor(QPalette::Midlight, c.button.darker(106));
  p.setColor(QPalette::Mid, c.mid);
  p.setColor(QPalette::Dark, c.mid.darker(130));
  p.setColor(QPalette::Shadow, c.mid.darker(200));
  // On a dark window the highlight blue is too dark to read as a link.
  const QColor link = c.text.lightness() > 128 ? c.highlight.lighter(150) : c.highlight;
  p.setColor(QPalette::Link, link);
  p.setColor(QPalette::LinkVisited, link);
  const QColor disabled = c.text.lightness() > 128 ? c.text.darker(180) : QColor(150, 150, 150);
  for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
    p.setColor(QPalette::Disabled, role, disabled);
  return p;
}
// Fusion outlines check boxes in a shade of the window colour, which all but
// vanishes on the list's base, and entirely on a dark one: the outline is
// drawn again between the text and the base colour.
class CLookStyle final : public QProxyStyle {
 public:
  CLookStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (element != PE_IndicatorCheckBox) return;
    const QColor text = option->palette.color(QPalette::Text);
    const QColor base = option->palette.color(QPalette::Base);
    const QColor edge = QColor::fromRgbF(0.6f * text.redF() + 0.4f * base.redF(), 0.6f * text.greenF() + 0.4f * base.greenF(),
                                         0.6f * text.blueF() + 0.4f * base.blueF());
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(edge);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
    painter->restore();
  }
};
}  // namespace

bool IsApplicationLook(int id) { return id >= 325 && id <= 335; }

QPalette ApplicationLookPalette(int id) {
  switch (id) {
    case 331:  // blue
      return MakePalette({QColor(223, 233, 245), QColor(232, 239, 248), Qt::white, QColor(241, 246, 252),
                          QColor(30, 40, 60), QColor(61, 127, 209), QColor(160, 180, 205)});
    case 332:  // black
      return MakePalette({QColor(53, 53, 56), QColor(62, 62, 66), QColor(40, 40, 43), QColor(50, 50, 54),
                          QColor(235, 235, 235), QColor(42, 130, 218), QColor(90, 90, 96)});
    case 333:  // silver
      return MakePalette({QColor(233, 235, 238), QColor(241, 242, 244), Qt::white, QColor(245, 246, 248),
                          QColor(35, 35, 40), QColor(106, 123, 143), QColor(170, 175, 182)});
    case 334:  // aqua
      return MakePalette({QColor(222, 240, 237), QColor(232, 245, 243), Qt::white, QColor(240, 249, 247),
                          QColor(25, 50, 50), QColor(42, 157, 143), QColor(150, 190, 185)});
    case 335:  // light cyan
      return MakePalette({QColor(236, 243, 250), QColor(244, 248, 252), Qt::white, QColor(246, 250, 253),
                          QColor(30, 40, 55), QColor(51, 153, 255), QColor(170, 190, 210)});
    default: {
      QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"));
      QPalette standard = fusion ? fusion->standardPalette() : QPalette();
      delete fusion;
      return standard;
    }
  }
}

void ApplyApplicationLook(int id) {
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
  if (!dynamic_cast<CLookStyle*>(QApplication::style())) QApplication::setStyle(new CLookStyle);
  QApplication::setPalette(ApplicationLookPalette(id));
}

int ReadApplicationLook(QSettings& settings) {
  const int id = settings.value(QLatin1String(kLookKey), kDefaultApplicationLook).toInt();
  return IsApplicationLook(id) ? id : kDefaultApplicationLook;
}

void WriteApplicationLook(QSettings& settings, int id) { settings.setValue(QLatin1String(kLookKey), id); }
