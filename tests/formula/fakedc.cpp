#include "fakedc.h"

#include <cstdlib>

int CFakeMetricsDC::CellHeight(const LOGFONT& lf) {
  const int height = std::abs(LayoutHeight(lf));
  return height ? height : 16;
}

int CFakeMetricsDC::CharWidth(const LOGFONT& lf) {
  return lf.lfWidth ? std::abs(lf.lfWidth) : std::max(CellHeight(lf) / 2, 1);
}

QSize CFakeMetricsDC::TextExtent(const QString& text) {
  measured.push_back(text);
  return {static_cast<int>(text.size()) * CharWidth(Font()), CellHeight(Font())};
}

void CFakeMetricsDC::TextOut(int x, int y, const QString& text) { texts.push_back({x, y, text, Font(), TextColor()}); }

void CFakeMetricsDC::Polyline(const std::vector<QPoint>& points) { lines.push_back({points, Pen()}); }

void CFakeMetricsDC::FillPolygon(const std::vector<QPoint>& points, COLORREF colour) {
  polygons.push_back({points, colour});
}

void CFakeMetricsDC::FillRect(const RECT& rect, COLORREF) { fills.push_back(rect); }

void CFakeMetricsDC::FocusRect(const RECT& rect) { focusRects.push_back(rect); }

void LayOutOnFake(CBinTree& tree, const QString& vod, CFakeMetricsDC& dc, int height) {
  tree.m_lfDefault.lfHeight = height;
  tree.SetVod(vod);
  dc.SelectFont(tree.m_lfDefault);
  tree.Layout(dc);
}
