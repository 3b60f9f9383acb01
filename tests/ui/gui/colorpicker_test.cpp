// The colour menu and the colour picker on a real display: the swatches and
// their commands, and the picker's palette driven by the mouse: clicks,
// drags onto cells, the white band, the eyedropper over another window
// and the companion's code.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>

#include "support/settle.h"
#include "ui/colors/colormenu.h"
#include "ui/colors/colorpalettewnd.h"
#include "ui/colors/colorpicker.h"
#include "ui/colors/palettegrid.h"

namespace KAVREL_FILE_LOCAL {

void Mouse(QWidget* target, QEvent::Type type, QPoint global, Qt::MouseButtons held) {
  const QPoint local = target->mapFromGlobal(global);
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, local, global, button, held, Qt::NoModifier);
  QApplication::sendEvent(target, &event);
}

TEST(ColorMenu, SixteenSwatchesWithTheirCommands) {
  const QColor colours[16] = {{255, 0, 0},   {0, 255, 0},   {0, 0, 255},     {0, 255, 255},
                              {255, 0, 255}, {255, 255, 0}, {128, 0, 0},     {0, 128, 0},
                              {0, 0, 128},   {0, 128, 128}, {128, 0, 128},   {128, 128, 0},
                              {0, 0, 0},     {128, 128, 128}, {192, 192, 192}, {255, 255, 255}};
  CColorMenu menu;
  std::vector<unsigned> sent;
  QObject::connect(&menu, &CColorMenu::colourCommand, [&](unsigned id) { sent.push_back(id); });
  menu.popup(QPoint(100, 100));
  Settle();
  ASSERT_EQ(menu.actions().size(), 16);
  for (int i = 0; i < 16; ++i) {
    QAction* swatch = menu.Swatch(i);
    EXPECT_EQ(swatch->data().toInt(), i);
    EXPECT_EQ(swatch->property("commandId").toUInt(), 2000u + i);
    EXPECT_EQ(CColorMenu::SwatchColour(i), colours[i]) << "swatch " << i;
    EXPECT_EQ(menu.actionGeometry(swatch).size(), QSize(80, 20)) << "swatch " << i;
    swatch->trigger();
  }
  ASSERT_EQ(sent.size(), 16u);
  for (unsigned i = 0; i < 16; ++i) EXPECT_EQ(sent[i], 2000 + i);
  // Drawn as swatches: the middle of the first is red.
  const QImage picture = menu.grab().toImage();
  const QPoint middle = menu.actionGeometry(menu.Swatch(0)).center();
  EXPECT_EQ(QColor(picture.pixel(middle)), QColor(255, 0, 0));
}

struct Picker {
  Picker() {
    window.resize(200, 80);
    picker = new CColorPicker(&window);
    picker->setGeometry(20, 20, 40, 22);
    companion = new QLineEdit(&window);
    companion->setGeometry(80, 20, 100, 22);
    picker->SetCompanion(companion);
    QObject::connect(picker, &QAbstractButton::clicked, [this] { ++clicks; });
    window.move(300, 300);
    window.show();
    Settle();
    start = picker->Color();
  }
  // Presses the button at its middle: the palette opens under the press.
  CColorPaletteWnd* Press() {
    pressedAt = picker->mapToGlobal(QPoint(20, 11));
    Mouse(picker, QEvent::MouseButtonPress, pressedAt, Qt::LeftButton);
    Settle();
    return picker->Palette();
  }
  // A screen point of the palette's client area.
  static QPoint At(CColorPaletteWnd* palette, QPoint client) { return palette->mapToGlobal(client + QPoint(1, 1)); }

  QWidget window;
  CColorPicker* picker;
  QLineEdit* companion;
  QColor start;
  QPoint pressedAt;
  int clicks = 0;
};

TEST(ColorPicker, ClickingDraggingAndTheWhiteBand) {
  const QPoint cell20(15, 15);  // row 1, column 1: the first colour cell
  const QColor colour20 = PaletteIndexColour(20);
  const struct Row {
    const char* name;
    std::vector<QPoint> moves;   // client points moved over with the button held
    bool clickAfterwards;        // then released where pressed, and a click there
    bool picks;
  } rows[] = {
      {"press and release without moving, then a click on a cell", {}, true, true},
      {"dragged onto a cell", {cell20}, false, true},
      {"over a cell, then into the white band", {cell20, {60, 135}}, false, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Picker p;
    CColorPaletteWnd* palette = p.Press();
    ASSERT_TRUE(palette);
    QPointer<CColorPaletteWnd> alive(palette);
    const QPoint corner = p.picker->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(palette->pos(), PalettePosition(corner.x(), corner.y() + p.picker->height(),
                                              QApplication::primaryScreen()->geometry().size()));
    for (const QPoint& client : row.moves) Mouse(palette, QEvent::MouseMove, Picker::At(palette, client), Qt::LeftButton);
    if (row.clickAfterwards) {
      Mouse(palette, QEvent::MouseButtonRelease, p.pressedAt, Qt::NoButton);
      Settle();
      ASSERT_TRUE(alive) << "still open";
      EXPECT_EQ(p.clicks, 0);
      Mouse(palette, QEvent::MouseMove, Picker::At(palette, cell20), Qt::NoButton);
      EXPECT_EQ(palette->SelectedIndex(), 20);
      Mouse(palette, QEvent::MouseButtonPress, Picker::At(palette, cell20), Qt::LeftButton);
      Mouse(palette, QEvent::MouseButtonRelease, Picker::At(palette, cell20), Qt::NoButton);
    } else {
      if (row.moves.size() > 1) {
        EXPECT_EQ(palette->CurrentColour(), p.start) << "the band restores";
      }
      Mouse(palette, QEvent::MouseButtonRelease, Picker::At(palette, row.moves.back()), Qt::NoButton);
    }
    Settle();
    EXPECT_FALSE(alive) << "closed";
    EXPECT_FALSE(p.picker->IsPaletteOpen());
    EXPECT_EQ(p.clicks, row.picks ? 1 : 0);
    EXPECT_EQ(p.picker->Color(), row.picks ? colour20 : p.start);
    EXPECT_EQ(p.companion->text(), row.picks ? ColourCode(colour20) : QString());
  }
}

TEST(ColorPicker, SetColorReportsAClickAndFillsTheCompanion) {
  Picker p;
  p.picker->SetColor(QColor(255, 0, 0));
  EXPECT_EQ(p.clicks, 1);
  EXPECT_EQ(p.companion->text(), QStringLiteral("#FF0000"));
  EXPECT_EQ(p.picker->Color(), QColor(255, 0, 0));
  // The button shows it.
  const QImage face = p.picker->grab().toImage();
  EXPECT_EQ(QColor(face.pixel(8, 8)), QColor(255, 0, 0));
}

TEST(ColorPicker, ThePaletteShowsCellsSelectionPreviewAndCode) {
  Picker p;
  CColorPaletteWnd* palette = p.Press();
  ASSERT_TRUE(palette);
  Mouse(palette, QEvent::MouseMove, Picker::At(palette, {4, 4}), Qt::LeftButton);  // the white grey cell 0
  ASSERT_EQ(palette->SelectedIndex(), 0);
  const QImage picture = palette->grab().toImage();
  const auto at = [&](int x, int y) { return QColor(picture.pixel(x + 1, y + 1)); };  // client points
  EXPECT_EQ(at(15, 15), PaletteIndexColour(20));
  EXPECT_EQ(at(4, 115), QColor(0, 0, 0)) << "the last grey";
  EXPECT_EQ(at(185, 115), QColor(255, 255, 255));
  int dots = 0;
  for (int y = 0; y < 9; ++y) dots += at(9, y) == QColor(0, 0, 0);
  EXPECT_GT(dots, 2) << "the focus rectangle of cell 0";
  EXPECT_EQ(at(20, 133), QColor(255, 255, 255)) << "the preview";
  EXPECT_EQ(at(4, 133), QColor(0, 0, 0)) << "the preview's frame on the left";
  EXPECT_EQ(at(20, 124), QColor(0, 0, 0)) << "the preview's frame on top";
  int text = 0;
  for (int y = 127; y < 143; ++y)
    for (int x = 80; x < 140; ++x) text += at(x, y).lightness() < 128;
  EXPECT_GT(text, 20) << "the code #FFFFFF";
}

TEST(ColorPicker, TheEyedropperTakesAColourFromAnotherWindow) {
  const QColor known(10, 200, 30);
  QWidget other(nullptr, Qt::FramelessWindowHint);
  QPalette colours = other.palette();
  colours.setColor(QPalette::Window, known);
  other.setPalette(colours);
  other.setAutoFillBackground(true);
  other.setGeometry(800, 500, 80, 80);
  other.show();
  Settle();
  Picker p;
  CColorPaletteWnd* palette = p.Press();
  ASSERT_TRUE(palette);
  const QPoint over = other.mapToGlobal(QPoint(40, 40));
  // Other tests' windows share this screen: bring ours to the top and wait
  // until the screen shows it before the eyedropper reads it.
  const auto shown = [&] {
    other.raise();
    Settle();
    return QGuiApplication::primaryScreen()->grabWindow(0, over.x(), over.y(), 1, 1).toImage().pixelColor(0, 0) ==
           known;
  };
  EXPECT_TRUE(SettleUntil(shown)) << "the screen shows the window";
  Mouse(palette, QEvent::MouseMove, over, Qt::LeftButton);
  EXPECT_EQ(palette->CurrentColour(), known);
  EXPECT_EQ(palette->cursor().shape(), Qt::BitmapCursor) << "the eyedropper";
  Mouse(palette, QEvent::MouseButtonRelease, over, Qt::NoButton);
  Settle();
  EXPECT_EQ(p.picker->Color(), known);
  EXPECT_EQ(p.clicks, 1);
}

}  // namespace
