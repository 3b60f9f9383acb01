// A pop-up menu of 16 colour swatches, 80 by 20 pixels each, drawn raised
// and sunken while the pointer is on them.  Item i carries command id
// 2000 + i and item data i; choosing it reports that id, which the formula
// control takes as its colour command.
//
//   auto* menu = new CColorMenu(dialog);
//   connect(menu, &CColorMenu::colourCommand, ctrl, &CFormulaCtrl::RunCommand);
//   menu->popup(button->mapToGlobal(button->rect().bottomLeft()));
#pragma once
#include <QColor>
#include <QMenu>

class CColorMenu : public QMenu {
  Q_OBJECT

 public:
  static constexpr unsigned kFirstCommand = 2000;
  static constexpr int kSwatchCount = 16;
  static constexpr int kSwatchWidth = 80;
  static constexpr int kSwatchHeight = 20;

  explicit CColorMenu(QWidget* parent = nullptr);

  // The swatch colour of item data i (0 .. 15).
  static QColor SwatchColour(int i);
  // The item of data i; its command id is the "commandId" property.
  QAction* Swatch(int i) const { return actions().value(i); }

 signals:
  void colourCommand(unsigned id);

 protected:
  void paintEvent(QPaintEvent* event) override;
};
