// The drawing context formulas are laid out on and drawn to: a selected
// font, pen and text colour, text extents, and the few drawing operations
// formula signs need.  The painter context draws into an image, the
// metafile context records an .emf, and tests use fixed fake metrics.
//
// Coordinates are device pixels; a text's position is the top-left corner
// of its character cell, and extents are (advance width, ascent + descent).
#pragma once
#include <QPoint>
#include <QSize>
#include <QString>
#include <vector>

#include "formula/logfont.h"
#include "formula/rect.h"

struct FormulaPen {
  COLORREF colour = 0;
  int width = 1;
  friend bool operator==(const FormulaPen&, const FormulaPen&) = default;
};

// Placement of DrawTextInRect (one line, never clipped).
enum TextAlign : unsigned {
  ALIGN_LEFT_TOP = 0,
  ALIGN_HCENTER = 1,
  ALIGN_VCENTER = 4,
  ALIGN_BOTTOM = 8,
};

class CFormulaDC {
 public:
  CFormulaDC() : m_font(FormulaStartFont(21)) {}
  virtual ~CFormulaDC() = default;
  CFormulaDC(const CFormulaDC&) = delete;
  CFormulaDC& operator=(const CFormulaDC&) = delete;

  // Each returns what was selected before, for the caller to restore.  A
  // font is only noted here and made at its first use (RealizeFont), so a
  // frame restoring its parent's font, as an exception passes too, cannot
  // fail.
  LOGFONT SelectFont(const LOGFONT& font);
  FormulaPen SelectPen(const FormulaPen& pen);
  COLORREF SetTextColor(COLORREF colour);
  const LOGFONT& Font() const { return m_font; }
  const FormulaPen& Pen() const { return m_pen; }
  COLORREF TextColor() const { return m_crText; }

  virtual QSize TextExtent(const QString& text) = 0;
  virtual void TextOut(int x, int y, const QString& text) = 0;
  // Connected lines in the selected pen.
  virtual void Polyline(const std::vector<QPoint>& points) = 0;
  virtual void FillPolygon(const std::vector<QPoint>& points, COLORREF colour) = 0;
  virtual void FillRect(const RECT& rect, COLORREF colour) = 0;
  // A dotted outline that inverts what lies below: the empty-slot mark.
  virtual void FocusRect(const RECT& rect) = 0;

  void Line(int x1, int y1, int x2, int y2) { Polyline({{x1, y1}, {x2, y2}}); }
  void DrawTextInRect(const RECT& rect, const QString& text, unsigned align);

 protected:
  // The font selected since the last use is made: FontChanged, once.
  void RealizeFont();
  virtual void FontChanged() {}

 private:
  LOGFONT m_font;
  bool m_bFontDue = false;
  FormulaPen m_pen;
  COLORREF m_crText = 0;
};

// Pen width that goes with a font height: |height| / 32 + 1.
int PenWidthForHeight(std::int32_t height);
