// A drawing context on a QImage through QPainter.  Lines and fills are not
// antialiased (thin strokes stay crisp in one-bit masks); text follows its
// font's quality.  Without an image it only measures.
#pragma once
#include <QImage>
#include <QPainter>
#include <memory>

#include "formula/drawing/qtfont.h"
#include "formula/formuladc.h"

class CPainterDC : public CFormulaDC {
 public:
  explicit CPainterDC(QImage* image = nullptr);
  ~CPainterDC() override;

  // The logical point drawn at the image's top-left corner.
  void SetWindowOrigin(int x, int y);

  QSize TextExtent(const QString& text) override;
  void TextOut(int x, int y, const QString& text) override;
  void Polyline(const std::vector<QPoint>& points) override;
  void FillPolygon(const std::vector<QPoint>& points, COLORREF colour) override;
  void FillRect(const RECT& rect, COLORREF colour) override;
  void FocusRect(const RECT& rect) override;

 protected:
  void FontChanged() override { m_qtFont.Select(Font()); }

 private:
  QImage* m_image;
  std::unique_ptr<QPainter> m_painter;
  CQtFont m_qtFont;
  QPoint m_origin;
};
