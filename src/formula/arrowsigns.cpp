// The fourteen arrow signs of CArrowsNode, drawn into its arrow band.
#include "formula/formuladc.h"
#include "formula/structurenodes.h"

namespace {

class ArrowBand {
 public:
  ArrowBand(CFormulaDC& dc, const RECT& band, COLORREF colour)
      : m_dc(dc),
        m_colour(colour),
        L(band.left),
        R(band.right),
        S(band.Height()),
        yM(band.top + S / 2),
        q(static_cast<int>(0.42 * S)),
        s(S - q),
        e(static_cast<int>(0.25 * S)),
        xC((band.left + band.right) / 2) {}

  void Draw(int variant) {
    switch (variant) {
      case 0:
        Line(L, yM, R - s, yM);
        FilledRight(yM);
        break;
      case 1:
        Line(R, yM, L + s, yM);
        FilledLeft(yM);
        break;
      case 2:
        Line(L + s, yM, R - s, yM);
        FilledRight(yM);
        FilledLeft(yM);
        break;
      case 3:
        DoubleLine(L, R - e);
        OpenRight();
        break;
      case 4:
        DoubleLine(L + e, R);
        OpenLeft();
        break;
      case 5:
        DoubleLine(L + e, R - e);
        OpenRight();
        OpenLeft();
        break;
      case 6: DoubleLine(L, R); break;
      case 7:
        Line(L, yM - e, R - s, yM - e);
        FilledRight(yM - e);
        Line(R, yM + e, L + s, yM + e);
        FilledLeft(yM + e);
        break;
      case 8: Harpoons(); break;
      case 9:
        Harpoons();
        LowerStroke();
        break;
      case 10:
        Harpoons();
        UpperStroke();
        break;
      case 11:
        Harpoons();
        LowerStroke();
        UpperStroke();
        break;
      case 12:
        Draw(3);
        CrossStroke();
        break;
      case 13:
        Draw(4);
        CrossStroke();
        break;
      default: break;
    }
  }

 private:
  void Line(int x1, int y1, int x2, int y2) { m_dc.Line(x1, y1, x2, y2); }
  void DoubleLine(int from, int to) {
    Line(from, yM - e, to, yM - e);
    Line(from, yM + e, to, yM + e);
  }
  void FilledRight(int y) { m_dc.FillPolygon({{R, y}, {R - S, y - q}, {R - s, y}, {R - S, y + q}, {R, y}}, m_colour); }
  void FilledLeft(int y) { m_dc.FillPolygon({{L, y}, {L + S, y + q}, {L + s, y}, {L + S, y - q}, {L, y}}, m_colour); }
  void OpenRight() { m_dc.Polyline({{R - s, yM - s}, {R, yM}, {R - s, yM + s}}); }
  void OpenLeft() { m_dc.Polyline({{L + s, yM - s}, {L, yM}, {L + s, yM + s}}); }
  void Harpoons() {
    m_dc.Polyline({{L, yM - e}, {R, yM - e}, {R - s, yM - e - s}});
    m_dc.Polyline({{R, yM + e}, {L, yM + e}, {L + s, yM + e + s}});
  }
  void LowerStroke() { Line(xC + e, yM, xC - s, yM + e + s); }
  void UpperStroke() { Line(xC + s, yM - e - s, xC - e, yM); }
  void CrossStroke() { Line(xC + q, yM - s, xC - q, yM + s); }

  CFormulaDC& m_dc;
  COLORREF m_colour;
  // The band's edges and the arrow proportions, named as the signs use them.
  const int L, R, S, yM, q, s, e, xC;
};

}  // namespace

void CArrowsNode::DrawText(CFormulaDC& dc) { ArrowBand(dc, m_rcPlacedInner, m_crColor).Draw(m_nType); }
