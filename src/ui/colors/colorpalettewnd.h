// The colour picker's palette: a borderless pop-up of 191 x 150 pixels that
// holds the mouse while it is open.  Moving over a cell takes its colour,
// moving over the white band brings back the colour it opened with, and
// moving anywhere else on the screen takes the colour of the pixel there
// (an eyedropper).  Releasing the button reports the colour to the owner
// (released), except after a press and release at the opening point.
#pragma once
#include <QColor>
#include <QCursor>
#include <QWidget>
#include <optional>

class CColorPaletteWnd : public QWidget {
  Q_OBJECT

 public:
  // Shown at once, its top-left corner at the screen point `at`, starting
  // from the owner's colour.
  CColorPaletteWnd(QWidget* owner, const QColor& start, const QCursor& eyedropper, QPoint at);

  QColor CurrentColour() const { return m_crCurrent; }
  QColor StartColour() const { return m_crStart; }
  int SelectedIndex() const { return m_nSelected; }
  // A press: the one on the owner that opened the palette, at its screen
  // point, or a click inside the palette, at its client point.
  void PressAt(QPoint point);
  // The palette's client point of a widget point (inside its border).
  static QPoint ClientOf(QPoint widgetPoint) { return widgetPoint - QPoint(1, 1); }

 signals:
  void released(const QColor& colour);
  void moreColoursPressed();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Select(int index);
  // The colour of the screen pixel at a screen point; none where the
  // platform does not let us read it.
  static std::optional<QColor> ScreenPixel(QPoint global);

  QColor m_crCurrent;
  QColor m_crStart;
  int m_nSelected = -1;
  QPoint m_ptPress;
  bool m_bMoved = false;
  QCursor m_cursor;
};
