#include "formula/node.h"

#include "formula/formuladc.h"

LOGFONT FormulaStartFont(std::int32_t height) {
  LOGFONT lf;
  lf.lfHeight = height;
  lf.lfWeight = FW_BOLD;
  lf.lfQuality = ANTIALIASED_QUALITY;
  lf.lfFaceName = QStringLiteral("Times New Roman");
  return lf;
}

CNode::CNode(int kind, const QString& tag) : m_strTag(tag), m_nKind(kind), m_lf(FormulaStartFont(21)) {}

QString CNode::ToText(bool) const { return {}; }

namespace {
// A face name is written up to the next "," or ">", so those two cannot be
// part of it; dropping them keeps the rest of the mark readable.
QString WritableFaceName(const QString& face) {
  QString out = FitFaceName(face);
  out.remove(QLatin1Char(','));
  out.remove(QLatin1Char('>'));
  return out;
}
}  // namespace

QString CNode::WriteAttributes(DWORD forcedBits) const {
  const DWORD bits = (m_dwFontMask | forcedBits) & FONT_ALL;
  // Most nodes set nothing of their own: no text to build.
  if (!bits && !m_bColorSet && m_nType == 0) return QStringLiteral(">");
  QString out;
  auto add = [&out](const QString& attribute) {
    out += out.isEmpty() ? QLatin1Char(':') : QLatin1Char(',');
    out += attribute;
  };
  if (bits & FONT_FACE) add(QStringLiteral("name=") + WritableFaceName(m_lf.lfFaceName));
  if (bits & FONT_CHARSET) add(QStringLiteral("cset=%1").arg(int(m_lf.lfCharSet)));
  if (bits & FONT_HEIGHT) add(QStringLiteral("size=%1").arg(m_lf.lfHeight));
  if (bits & FONT_WEIGHT) add(QStringLiteral("b=%1").arg(m_lf.lfWeight >= FW_BOLD ? 1 : 0));
  if (bits & FONT_ITALIC) add(QStringLiteral("i=%1").arg(m_lf.lfItalic ? 1 : 0));
  if (bits & FONT_UNDERLINE) add(QStringLiteral("u=%1").arg(m_lf.lfUnderline ? 1 : 0));
  if (m_bColorSet) add(QStringLiteral("color=%1").arg(m_crColor, 0, 16));
  if (m_nType != 0) add(QStringLiteral("type=%1").arg(m_nType));
  out += QLatin1Char('>');
  return out;
}

void CNode::SetFont(COLORREF colour, const LOGFONT& font, bool, int part) {
  if (m_pParent) TakeFontPart(colour, font, part, m_pParent->m_lf, m_pParent->m_crColor);
}

void CNode::TakeFontPart(COLORREF colour, const LOGFONT& font, int part, const LOGFONT& reference,
                         COLORREF referenceColour) {
  LOGFONT given = font;
  given.lfFaceName = FitFaceName(font.lfFaceName);
  // A part's bit is set exactly when it differs from the reference, so the
  // writer emits only what really differs.
  auto take = [&](int code, DWORD bit, auto LOGFONT::*field) {
    if (part != code && part != PART_ALL) return;
    m_lf.*field = given.*field;
    if (m_lf.*field != reference.*field)
      m_dwFontMask |= bit;
    else
      m_dwFontMask &= ~bit;
  };
  take(PART_FACE, FONT_FACE, &LOGFONT::lfFaceName);
  take(PART_FACE, FONT_CHARSET, &LOGFONT::lfCharSet);
  take(PART_HEIGHT, FONT_HEIGHT, &LOGFONT::lfHeight);
  take(PART_WEIGHT, FONT_WEIGHT, &LOGFONT::lfWeight);
  take(PART_ITALIC, FONT_ITALIC, &LOGFONT::lfItalic);
  take(PART_UNDERLINE, FONT_UNDERLINE, &LOGFONT::lfUnderline);
  if (part == PART_COLOR || part == PART_ALL) {
    m_crColor = colour;
    m_bColorSet = colour != referenceColour;
  }
}

void CNode::TakeUnsetFontParts(const LOGFONT& font, COLORREF colour) {
  if (!(m_dwFontMask & FONT_FACE)) m_lf.lfFaceName = font.lfFaceName;
  if (!(m_dwFontMask & FONT_CHARSET)) m_lf.lfCharSet = font.lfCharSet;
  if (!(m_dwFontMask & FONT_HEIGHT)) m_lf.lfHeight = font.lfHeight;
  if (!(m_dwFontMask & FONT_WEIGHT)) m_lf.lfWeight = font.lfWeight;
  if (!(m_dwFontMask & FONT_ITALIC)) m_lf.lfItalic = font.lfItalic;
  if (!(m_dwFontMask & FONT_UNDERLINE)) m_lf.lfUnderline = font.lfUnderline;
  if (!m_bColorSet) m_crColor = colour;
}

void CNode::CopyFontOf(const CNode& other) {
  m_lf.lfFaceName = other.m_lf.lfFaceName;
  m_lf.lfCharSet = other.m_lf.lfCharSet;
  m_lf.lfHeight = other.m_lf.lfHeight;
  m_lf.lfWeight = other.m_lf.lfWeight;
  m_lf.lfItalic = other.m_lf.lfItalic;
  m_lf.lfUnderline = other.m_lf.lfUnderline;
  m_crColor = other.m_crColor;
  m_dwFontMask = other.m_dwFontMask;
  m_bColorSet = other.m_bColorSet;
}

void CNode::ReplaceCaretChild(const CNode* old, CNode* replacement) {
  if (m_pActive == old) m_pActive = replacement;
  if (m_pAnchorChild == old) m_pAnchorChild = replacement;
}

void CNode::ResetCaret() {
  m_nAnchor = m_nCaret = 0;
  m_pAnchorChild = m_pActive = nullptr;
  m_bSelected = 0;
  m_nSelStart = m_nSelEnd = 0;
}

void CNode::MeasureText(CFormulaDC& dc) {
  if (m_strText.isEmpty()) {
    m_rcInner = {};
    return;
  }
  const QSize extent = dc.TextExtent(m_strText);
  m_rcInner = {0, 0, extent.width(), extent.height()};
}

void CNode::Offset(int x, int y) {
  m_rcPlaced = m_rcLayout.Moved(x, y);
  m_rcPlacedInner = m_rcInner.Moved(m_rcPlaced.left, m_rcPlaced.top);
}

void CNode::DrawText(CFormulaDC& dc) { dc.TextOut(m_rcPlacedInner.left, m_rcPlacedInner.top, m_strText); }
