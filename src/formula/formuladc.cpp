#include "formula/formuladc.h"

#include <cstdlib>

LOGFONT CFormulaDC::SelectFont(const LOGFONT& font) {
  LOGFONT previous = m_font;
  if (!(font == m_font)) {
    m_font = font;
    m_bFontDue = true;
  }
  return previous;
}

void CFormulaDC::RealizeFont() {
  if (!m_bFontDue) return;
  FontChanged();
  m_bFontDue = false;
}

FormulaPen CFormulaDC::SelectPen(const FormulaPen& pen) {
  FormulaPen previous = m_pen;
  m_pen = pen;
  return previous;
}

COLORREF CFormulaDC::SetTextColor(COLORREF colour) {
  COLORREF previous = m_crText;
  m_crText = colour;
  return previous;
}

void CFormulaDC::DrawTextInRect(const RECT& rect, const QString& text, unsigned align) {
  const QSize extent = TextExtent(text);
  int x = rect.left, y = rect.top;
  if (align & ALIGN_HCENTER) x += (rect.Width() - extent.width()) / 2;
  if (align & ALIGN_BOTTOM)
    y = rect.bottom - extent.height();
  else if (align & ALIGN_VCENTER)
    y += (rect.Height() - extent.height()) / 2;
  TextOut(x, y, text);
}

int PenWidthForHeight(std::int32_t height) { return std::abs(ClampFontHeight(height)) / 32 + 1; }
