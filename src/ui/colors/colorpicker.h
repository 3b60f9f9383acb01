// A button that shows a colour and chooses one: pressing it opens the
// palette (colorpalettewnd.h) below it; the colour released there, or
// chosen from the full colour dialog behind the palette's small button,
// becomes the button's colour.  A new colour is reported as a click of the
// button (clicked) and written as "#RRGGBB" into the companion, a widget
// with a "text" property (a line edit or a label) that the owner assigns.
#pragma once
#include <QAbstractButton>
#include <QColor>
#include <QCursor>
#include <QPointer>

class CColorPaletteWnd;

class CColorPicker : public QAbstractButton {
  Q_OBJECT

 public:
  explicit CColorPicker(QWidget* parent = nullptr);

  QColor Color() const { return m_crColor; }
  // Stores the colour, reports it as a click, fills the companion, repaints.
  void SetColor(const QColor& colour);
  void SetCompanion(QWidget* companion) { m_pCompanion = companion; }

  CColorPaletteWnd* Palette() const { return m_pPalette; }
  bool IsPaletteOpen() const { return m_pPalette != nullptr; }
  const QCursor& EyedropperCursor() const { return m_cursor; }

  QSize sizeHint() const override { return {40, 22}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void OpenPalette(QPoint pressedAt);
  void ClosePalette();
  void OnReleased(const QColor& colour);
  void OnMoreColours();

  QColor m_crColor;
  QPointer<QWidget> m_pCompanion;
  QPointer<CColorPaletteWnd> m_pPalette;
  QCursor m_cursor;
};
