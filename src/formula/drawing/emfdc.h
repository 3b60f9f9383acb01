// A drawing context that records what is drawn as an Enhanced Metafile
// (.emf), written record by record from the published format so that other
// programs can open the formula as a vector picture: a header, fonts, pens
// and brushes as objects, text as wide-character text-out records with
// their advances, lines as polylines, filled signs as polygons, and the end
// record.  Fonts keep the face names, heights and widths the formula asked
// for, so a program with the same faces draws what the formula drew.
// Extents are measured as the painter context measures them.
#pragma once
#include <QByteArray>

#include "formula/drawing/qtfont.h"
#include "formula/formuladc.h"

class CEmfDC : public CFormulaDC {
 public:
  CEmfDC();

  QSize TextExtent(const QString& text) override {
    RealizeFont();
    return m_qtFont.Extent(text);
  }
  void TextOut(int x, int y, const QString& text) override;
  void Polyline(const std::vector<QPoint>& points) override;
  void FillPolygon(const std::vector<QPoint>& points, COLORREF colour) override;
  void FillRect(const RECT& rect, COLORREF colour) override;
  void FocusRect(const RECT& rect) override;

  // The whole metafile: header, the records so far, and the end record.
  // The picture's bounds are those of everything drawn, kept within
  // `area` (character cells of tall signs reach far beyond their ink).
  QByteArray Finish(const RECT& area) const;
  // The bounds of everything drawn so far within `area`; empty when nothing was.
  RECT Bounds(const RECT& area) const;

  // Record types written, as the format numbers them.
  enum : DWORD {
    EMR_HEADER = 1,
    EMR_POLYGON = 3,
    EMR_POLYLINE = 4,
    EMR_EOF = 14,
    EMR_SETMAPMODE = 17,
    EMR_SETBKMODE = 18,
    EMR_SETTEXTCOLOR = 24,
    EMR_SELECTOBJECT = 37,
    EMR_CREATEPEN = 38,
    EMR_CREATEBRUSHINDIRECT = 39,
    EMR_DELETEOBJECT = 40,
    EMR_EXTCREATEFONTINDIRECTW = 82,
    EMR_EXTTEXTOUTW = 84,
  };
  static constexpr DWORD kSignature = 0x464D4520;  // " EMF"

 protected:
  void FontChanged() override { m_qtFont.Select(Font()); }

 private:
  // Objects are created as they are first needed and replaced (selected,
  // then the old one deleted) when the drawing asks for another.
  struct PenState {
    DWORD style;
    int width;
    COLORREF colour;
    friend bool operator==(const PenState&, const PenState&) = default;
  };
  void UsePen(const PenState& pen);
  void UseNullPen();
  void UseBrush(COLORREF colour);
  void UseFont();
  void UseTextColour();
  DWORD NewHandle();
  void Replace(DWORD* slot, DWORD handle);
  void Include(int left, int top, int right, int bottom);
  void PointsRecord(DWORD type, const std::vector<QPoint>& points);
  void Append(const QByteArray& record);

  CQtFont m_qtFont;
  QByteArray m_records;
  DWORD m_nRecords = 0;
  DWORD m_nHandles = 1;  // index 0 stands for the metafile itself
  std::vector<DWORD> m_freeHandles;
  DWORD m_hPen = 0, m_hBrush = 0, m_hFont = 0;
  bool m_bPenKnown = false, m_bBrushKnown = false, m_bFontKnown = false, m_bTextColourKnown = false;
  PenState m_pen{};
  COLORREF m_crBrush = 0, m_crText = 0;
  LOGFONT m_font;
  bool m_bAny = false;
  RECT m_bounds;  // of everything drawn, exclusive right and bottom
};
