// Layout and signs of the structures.  Every kind lays out its boxes first
// (a missing box counts as its kind's default size) and then places them
// and its sign relative to its own top-left corner, in integers truncating
// toward zero.
#include <algorithm>
#include <cstdlib>

#include "formula/boxnode.h"
#include "formula/formuladc.h"
#include "formula/formulaglobals.h"
#include "formula/nodeframe.h"
#include "formula/structurenodes.h"

namespace {
// Sizes of a missing base (28 x 37, baseline 18) and a missing script (20 x 20).
constexpr CStandardNode::Extent kMissingBase{28, 37, 18};
constexpr CStandardNode::Extent kMissingScript{20, 20, 0};

int Trunc(double value) { return static_cast<int>(value); }

// Temporarily selects a font, restoring the previous one at scope end.
class FontScope {
 public:
  FontScope(CFormulaDC& dc, const LOGFONT& font) : m_dc(dc), m_previous(dc.SelectFont(font)) {}
  ~FontScope() { m_dc.SelectFont(m_previous); }

 private:
  CFormulaDC& m_dc;
  LOGFONT m_previous;
};
}  // namespace

CStandardNode::Extent CStandardNode::LayOutBox(CFormulaDC& dc, CNode* box, Extent missing) {
  if (!box) return missing;
  box->Layout(dc);
  return {box->m_rcLayout.Width(), box->m_rcLayout.Height(), box->m_nBaseline};
}

CStandardNode::Extent CStandardNode::LayOutBox(CFormulaDC& dc, CNode* box) { return LayOutBox(dc, box, Extent{}); }

void CStandardNode::Place(CNode* box, int x, int y) {
  if (box) box->m_rcLayout = box->m_rcLayout.Moved(x, y);
}

LOGFONT CStandardNode::GlyphFont(std::int32_t height, std::int32_t width) {
  LOGFONT lf = g_lfGlyphFont;
  lf.lfHeight = ClampFontHeight(height);
  lf.lfWidth = ClampFontHeight(width);
  return lf;
}

void CStandardNode::MeasureSign(CFormulaDC& dc) {
  FontScope font(dc, GlyphFont(Trunc(1.25 * LayoutHeight(m_lf)), 0));
  MeasureText(dc);
}

void CStandardNode::DrawSign(CFormulaDC& dc) {
  FontScope font(dc, GlyphFont(Trunc(1.25 * LayoutHeight(m_lf)), 0));
  CNode::DrawText(dc);
}

void CStandardNode::Offset(int x, int y) {
  CNode::Offset(x, y);
  for (CNode* box : {m_pFirst, m_pSecond})
    if (box) box->Offset(m_rcPlaced.left, m_rcPlaced.top);
}

void CStandardNode::Draw(CFormulaDC& dc) {
  CNodeFrame frame(dc, *this);
  DrawText(dc);
  for (CNode* box : {m_pFirst, m_pSecond})
    if (box) box->Draw(dc);
}

void CStandardNode::DrawSelection(CFormulaDC& dc) {
  if (m_pActive) m_pActive->DrawSelection(dc);
}

void CStandardNode::Layout(CFormulaDC& dc) {
  CNodeFrame frame(dc, *this);
  const Extent a = LayOutBox(dc, m_pFirst), c = LayOutBox(dc, m_pSecond);
  MeasureText(dc);
  const int tw = m_rcInner.Width(), th = m_rcInner.Height();
  const int b = std::max({th / 2, a.b, c.b});
  Place(m_pFirst, 0, b - a.b);
  int x = m_pFirst ? a.w + 1 : 0;
  m_rcInner = m_rcInner.Moved(x, b - th / 2);
  x += tw + 1;
  Place(m_pSecond, x, b - c.b);
  const int width = m_pSecond ? x + c.w + 1 : x;
  m_rcLayout = {0, 0, width, std::max({a.h + b - a.b, th + b - th / 2, c.h + b - c.b})};
  m_nBaseline = b;
}

void CDivisionNode::Layout(CFormulaDC& dc) {
  CNodeFrame frame(dc, *this);
  const Extent n = LayOutBox(dc, m_pFirst), d = LayOutBox(dc, m_pSecond);
  const int m = std::max({n.w, d.w, 0}) + 5;
  m_rcInner = {0, n.h + 1, m, n.h + 6};
  Place(m_pFirst, (m - n.w) / 2, 0);
  Place(m_pSecond, (m - d.w) / 2, n.h + 7);
  m_rcLayout = {0, 0, m + 2, n.h + d.h + 8};
  m_nBaseline = n.h + 3;
}

void CDivisionNode::DrawText(CFormulaDC& dc) {
  const int y = m_rcPlacedInner.top + 2;
  dc.Line(m_rcPlacedInner.left, y, m_rcPlacedInner.right, y);
}

void CNthRootNode::Layout(CFormulaDC& dc) {
  CNodeFrame frame(dc, *this);
  const Extent r = LayOutBox(dc, m_pFirst, kMissingBase), index = LayOutBox(dc, m_pSecond);
  const int rise = r.h + 2;
  const int g = 16 + rise / 10;
  const int m = Trunc(0.85 * g);
  const int k = rise - Trunc(0.64 * rise);
  int x0 = 0, y0 = 2, indexX = 0, indexY = 2;
  if (m <= index.w)
    x0 = index.w - m;
  else
    indexX = m - index.w;
  if (k >= index.h)
    indexY = k - index.h + 2;
  else
    y0 = index.h - k + 2;
  Place(m_pSecond, indexX, indexY);
  m_rcInner = {x0, y0, x0 + g + r.w, y0 + rise};
  Place(m_pFirst, x0 + g + 2, y0 + 2);
  m_rcLayout = {0, 0, x0 + g + r.w + 4, y0 + rise};
  m_nBaseline = r.b + 2 + y0;
}

void CNthRootNode::DrawText(CFormulaDC& dc) {
  const RECT& inner = m_rcPlacedInner;
  const int t = inner.Height();
  const int g = 16 + t / 10;
  {
    FontScope font(dc, GlyphFont(Trunc(1.18 * t + 1.0), Trunc(1.16 * g + 1.0)));
    dc.DrawTextInRect(inner, QStringLiteral("\uF0D6"), ALIGN_VCENTER);
  }
  dc.Line(m_rcPlaced.right, inner.top, inner.left + g, inner.top);
}

void CSupNode::Layout(CFormulaDC& dc) {
  CNodeFrame frame(dc, *this);
  const Extent base = LayOutBox(dc, m_pFirst, kMissingBase), script = LayOutBox(dc, m_pSecond, kMissingScript);
  const int d = base.h > 1.5 * script.h ? script.h / 4 : script.h - base.h / 2;
  Place(m_pFirst, 0, d);
  Place(m_pSecond, base.w, 0);
  m_rcInner = {};
  m_rcLayout = {0, 0, base.w + script.w, base.h + d};
  m_nBaseline = base.b + d;
}

void CSubNode::Layout(CFormulaDC& dc) {
  CNodeFrame frame(dc, *this);
  const Extent base = LayOutBox(dc, m_pFirst, kMissingBase), script = LayOutBox(dc, m_pSecond, kMissingScript);
  const int d = base.h <= 2 * script.h ? base.h / 2 : base.h - script.h;
  Place(m_pFirst, 0, 0);
  Place(m_pSecond, base.w, d);
  m_rcInner = {};
  m_rcLayout = {0, 0, base.w + script.w, script.h + d};
  m_nBaseline = base.b;
}

void CSupbNode::Layout(CFormulaDC& dc) {
  CNodeFrame frame(dc, *this);
  const Extent lower = LayOutBox(dc, m_pFirst, kMissingBase), upper = LayOutBox(dc, m_pSecond, kMissingScript);
  int hr = 14, br = 7;
  auto* parent = dynamic_cast<CStandardNode*>(m_pParent);
  if (parent && parent->m_nKind == VOD_STANDARD && parent->m_pFirst) {
    hr = parent->m_pFirst->m_rcLayout.Height();
    br = parent->m_pFirst->m_nBaseline;
  }
  const int d = hr > 1.5 * upper.h ? upper.h / 4 : upper.h - hr / 2;
  const int y = hr <= 2 * lower.h ? d + hr / 2 : d + hr - lower.h;
  Place(m_pSecond, 0, 0);
  Place(m_pFirst, 0, y);
  m_rcInner = {};
  m_rcLayout = {0, 0, std::max(lower.w, upper.w), lower.h + y};
  m_nBaseline = br + d;
}

void CIntegralNode::Layout(CFormulaDC& dc) {
  CNodeFrame frame(dc, *this);
  const Extent lower = LayOutBox(dc, m_pFirst), upper = LayOutBox(dc, m_pSecond);
  MeasureSign(dc);
  const int tw = m_rcInner.Width(), th = m_rcInner.Height();
  const int t = tw + 4;
  const int d = th > 1.5 * upper.h ? upper.h / 4 : upper.h - th / 2;
  m_rcInner = m_rcInner.Moved(0, d);
  m_nBaseline = d + th / 2;
  Place(m_pSecond, t, 0);
  const int y = th > 2 * lower.h ? d + th - lower.h : d + th / 2;
  Place(m_pFirst, t, y);
  m_rcLayout = {0, 0, t + 2 + std::max(lower.w, upper.w), y + lower.h};
}

void CStandardNode::StackAroundSign(Extent lower, Extent upper) {
  const int tw = m_rcInner.Width(), th = m_rcInner.Height();
  const int m = tw >= lower.w && tw >= upper.w ? tw : std::max(lower.w, upper.w);
  Place(m_pSecond, (m - upper.w) / 2, 0);
  const int y = m_pSecond ? upper.h - Trunc(0.16 * th) : 0;
  m_rcInner = m_rcInner.Moved((m - tw) / 2, y);
  const int below = y + Trunc(0.95 * th);
  Place(m_pFirst, (m - lower.w) / 2, below);
  m_rcLayout = {0, 0, m, below + lower.h};
  m_nBaseline = y + th / 2;
}

void CSumNode::Layout(CFormulaDC& dc) {
  CNodeFrame frame(dc, *this);
  const Extent lower = LayOutBox(dc, m_pFirst), upper = LayOutBox(dc, m_pSecond);
  MeasureSign(dc);
  StackAroundSign(lower, upper);
}

void CLimNode::Layout(CFormulaDC& dc) {
  CNodeFrame frame(dc, *this);
  const Extent lower = LayOutBox(dc, m_pFirst), upper = LayOutBox(dc, m_pSecond);
  MeasureText(dc);
  StackAroundSign(lower, upper);
}

namespace {
// A bracket side given as a blank stays open; a pair too short for a side
// leaves it open as well.
bool OpenSide(const QString& pair, int side) { return pair.size() <= side || pair[side] == u' '; }
}  // namespace

void CBraceNode::Layout(CFormulaDC& dc) {
  CNodeFrame frame(dc, *this);
  Extent content{0, 37, 0};
  int g = 20;
  if (m_pFirst) {
    content = LayOutBox(dc, m_pFirst);
    const int f = LayoutHeight(m_pFirst->m_lf);
    g = Trunc(0.3 * std::abs(f) + 0.06 * content.h + 2.0);
  }
  const bool openLeft = OpenSide(m_strText, 0), openRight = OpenSide(m_strText, 1);
  int top = 0;
  if ((openLeft || openRight) && content.h >= 71) {
    top = 15;
    g = 4 * g / 5;
  }
  m_rcInner = {0, top, g, content.h - top + 4};
  const int left = openLeft ? 0 : g;
  Place(m_pFirst, left, 2);
  m_rcLayout = {0, 0, left + content.w + (openRight ? 0 : g), content.h + 4};
  m_nBaseline = content.h / 2 + 2;
}

void CBraceNode::DrawText(CFormulaDC& dc) {
  const RECT& inner = m_rcPlacedInner;
  FontScope font(dc, GlyphFont(Trunc(1.34 * inner.Height()), inner.Width()));
  const unsigned align = ALIGN_HCENTER | ALIGN_BOTTOM;
  if (!OpenSide(m_strText, 0)) dc.DrawTextInRect(inner, m_strText.mid(0, 1), align);
  if (!OpenSide(m_strText, 1))
    dc.DrawTextInRect(inner.Moved(m_rcPlaced.Width() - inner.Width(), 0), m_strText.mid(1, 1), align);
}

void CVectorNode::Layout(CFormulaDC& dc) {
  CNodeFrame frame(dc, *this);
  const Extent content = LayOutBox(dc, m_pFirst, {32, 37, 18});
  int a, width;
  if (m_nType != 2) {
    const int f = LayoutHeight(m_pFirst ? m_pFirst->m_lf : m_lf);
    a = std::abs(f / 3);
    width = std::max(content.w, a + 4);
    m_rcInner = {1, 0, width - 2, a};
  } else {
    a = Trunc(0.2 * content.w);
    width = content.w;
    m_rcInner = {0, 0, content.w, a};
  }
  Place(m_pFirst, (width - content.w) / 2, a);
  m_rcLayout = {0, 0, width, content.h + a};
  m_nBaseline = content.b + a;
}

void CVectorNode::DrawText(CFormulaDC& dc) {
  const RECT& r = m_rcPlacedInner;
  const int s = r.Height(), yM = r.top + s / 2, q = Trunc(0.42 * s);
  if (m_nType == 0) {
    dc.Line(r.left, yM, r.right - s + q, yM);
    dc.FillPolygon({{r.right, yM}, {r.right - s, yM - q}, {r.right - s + q, yM}, {r.right - s, yM + q}, {r.right, yM}},
                   m_crColor);
  } else if (m_nType == 1) {
    dc.Line(r.left, yM, r.right, yM);
  } else {
    m_strText = QStringLiteral("\u2312");
    LOGFONT lf = GlyphFont(2 * s, Trunc(0.6 * r.Width()));
    lf.lfFaceName = kSongtiFace;
    lf.lfCharSet = GB2312_CHARSET;
    FontScope font(dc, lf);
    dc.DrawTextInRect({r.left, r.top, r.right, r.top + 2 * s}, m_strText, ALIGN_HCENTER | ALIGN_VCENTER);
  }
}

void CArrowsNode::Layout(CFormulaDC& dc) {
  CNodeFrame frame(dc, *this);
  const Extent above = LayOutBox(dc, m_pFirst), below = LayOutBox(dc, m_pSecond);
  const int f = std::abs(LayoutHeight(m_lf));
  const int a = (2 * f + 3) / 5;
  const int m = f + std::max({above.w, below.w, 0});
  m_rcInner = {0, above.h + 1, m, above.h + 1 + a};
  Place(m_pFirst, (m - above.w) / 2, 0);
  Place(m_pSecond, (m - below.w) / 2, above.h + a + 2);
  m_rcLayout = {0, 0, m, above.h + below.h + a + 3};
  m_nBaseline = above.h + 1 + a / 2;
}
