// How a logical font of the mark-up becomes a Qt font: its metrics and how
// its text is drawn.
//
// Heights follow the logical-font rule the mark-up was written for: a
// negative height is the character (em) height in pixels, a positive one the
// cell height (ascent + descent), and 0 asks for a default cell of 16
// pixels.  Qt sizes fonts by em, so a cell height is converted through the
// face's own em-to-cell ratio, measured once per face and style.  A
// non-zero width stretches the glyphs horizontally until the font's average
// character is that wide.
//
// The face "Symbol" keeps the proportions of the symbol font the layout was
// made for (its cell, average width and, for the signs of structures, each
// sign's advance and ink box), while the glyphs come from an installed face
// that has the Unicode signs; each structure sign is fitted into the ink box
// the symbol font's sign would cover, so it fills the room it was given.
#pragma once
#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QSize>
#include <QString>
#include <optional>

#include "formula/logfont.h"

QFont QtFontFor(const LOGFONT& lf);

QColor QColorFromRef(COLORREF colour);

class CQtFont {
 public:
  // Starts with the font a drawing context starts with.
  CQtFont() { Select(FormulaStartFont(21)); }
  void Select(const LOGFONT& lf);

  const QFont& Font() const { return m_font; }
  // Advance width (after stretching, rounded up) and cell height of the text.
  QSize Extent(const QString& text) const;
  // The text with its cell's top-left corner at (x, y).
  void Draw(QPainter& painter, int x, int y, const QString& text, const QColor& colour) const;

 private:
  // Advance of one character before stretching.
  double Advance(QChar c) const;
  void DrawSymbolText(QPainter& painter, int x, int y, const QString& text) const;

  QFont m_font;
  bool m_symbolFace = false;
  double m_em = 0;  // symbol face: the em of the symbol font in pixels
  double m_xScale = 1.0;
  int m_ascent = 0;
  int m_cellHeight = 0;
  std::optional<QFontMetricsF> m_metrics;
};
