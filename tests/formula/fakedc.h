// A drawing context with fixed metrics, so layout tests do not depend on
// installed fonts, and a record of everything drawn.
//
// Every character is half the font's |height| wide (its |width| when the
// font sets one), and a text's cell is |height| tall; height 0 counts as 16.
#pragma once
#include <QString>
#include <vector>

#include "formula/bintree.h"
#include "formula/formuladc.h"

class CFakeMetricsDC : public CFormulaDC {
 public:
  struct Text { int x, y; QString text; LOGFONT font; COLORREF colour; };
  struct Lines { std::vector<QPoint> points; FormulaPen pen; };
  struct Polygon { std::vector<QPoint> points; COLORREF colour; };

  static int CellHeight(const LOGFONT& lf);
  static int CharWidth(const LOGFONT& lf);

  QSize TextExtent(const QString& text) override;
  void TextOut(int x, int y, const QString& text) override;
  void Polyline(const std::vector<QPoint>& points) override;
  void FillPolygon(const std::vector<QPoint>& points, COLORREF colour) override;
  void FillRect(const RECT& rect, COLORREF colour) override;
  void FocusRect(const RECT& rect) override;

  std::vector<Text> texts;
  std::vector<Lines> lines;
  std::vector<Polygon> polygons;
  std::vector<RECT> fills;
  std::vector<RECT> focusRects;
  std::vector<QString> measured;  // every text measured, in order
};

// Reads `vod` into `tree` with the default height `height`, selects the
// tree's default font into `dc` and lays the formula out on it.
void LayOutOnFake(CBinTree& tree, const QString& vod, CFakeMetricsDC& dc, int height = 35);
