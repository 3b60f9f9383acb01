// The ribbon colour button: its face applies the current colour to the
// selection; its arrow opens the palette (the automatic "default colour"
// entry on top, then the 40 named colours, 8 to a row).
#pragma once
#include <QToolButton>

#include "model/autocolor.h"

class QMenu;

class CColorButton : public QToolButton {
  Q_OBJECT

 public:
  explicit CColorButton(QWidget* parent = nullptr);

  // The colour word shown; kAutomaticColors for the automatic entry.
  COLORREF Color() const { return m_crColor; }
  void SetColor(COLORREF color);
  // The palette's entries, for inspection: the automatic one first.
  QList<QToolButton*> PaletteButtons() const { return m_paletteButtons; }

 signals:
  // A colour was picked from the palette (and shown on the button).
  void colorPicked(COLORREF color);

 private:
  void BuildPalette();
  void UpdateFace();

  COLORREF m_crColor = 0;
  QMenu* m_pMenu = nullptr;
  QList<QToolButton*> m_paletteButtons;
};
