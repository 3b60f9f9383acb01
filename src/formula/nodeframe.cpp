#include "formula/nodeframe.h"

CNodeFrame::CNodeFrame(CFormulaDC& dc, const CNode& node, DWORD forcedBits) : m_dc(dc) {
  const bool ownFont = ((node.m_dwFontMask | forcedBits) & FONT_ALL) != 0;
  m_bColour = ownFont || node.m_bColorSet;
  if (m_bColour) {
    m_crOldText = dc.SetTextColor(node.m_crColor);
    m_oldPen = dc.SelectPen({node.m_crColor, PenWidthForHeight(node.m_lf.lfHeight)});
  }
  m_bFont = ownFont;
  if (m_bFont) m_oldFont = dc.SelectFont(node.m_lf);
}

CNodeFrame::~CNodeFrame() {
  if (m_bFont) m_dc.SelectFont(m_oldFont);
  if (m_bColour) {
    m_dc.SelectPen(m_oldPen);
    m_dc.SetTextColor(m_crOldText);
  }
}
