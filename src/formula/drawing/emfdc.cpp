#include "formula/drawing/emfdc.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace {

constexpr DWORD kMapText = 1;          // one logical unit is one pixel
constexpr DWORD kTransparent = 1;      // text leaves the background alone
constexpr DWORD kSolidPen = 0;
constexpr DWORD kDottedPen = 2;
constexpr DWORD kStockNullPen = 0x80000008;
constexpr DWORD kCompatibleGraphics = 1;

// The reference device: a 96-dpi screen of 1920 x 1440 pixels, 508 x 381 mm.
constexpr int kDeviceWidth = 1920, kDeviceHeight = 1440;
constexpr int kDeviceWidthMm = 508, kDeviceHeightMm = 381;
constexpr double kHundredthsMmPerPixel = 2540.0 / 96.0;

// A record being built: type and size first, the size filled in at the end.
class Record {
 public:
  explicit Record(DWORD type) {
    U32(type);
    U32(0);
  }
  Record& U32(DWORD v) {
    char bytes[4];
    qToLittleEndian<quint32>(v, bytes);
    m_data.append(bytes, 4);
    return *this;
  }
  Record& I32(int v) { return U32(static_cast<DWORD>(v)); }
  Record& F32(float v) {
    DWORD bits;
    std::memcpy(&bits, &v, 4);
    return U32(bits);
  }
  Record& Rect(int left, int top, int right, int bottom) { return I32(left).I32(top).I32(right).I32(bottom); }
  Record& Bytes(int count, char value = 0) {
    m_data.append(count, value);
    return *this;
  }
  // UTF-16LE, padded with zeros to whole units of `fieldChars` characters
  // (0: to a multiple of four bytes).
  Record& Utf16(const QString& text, int fieldChars = 0) {
    qsizetype written = 0;
    for (QChar c : text) {
      if (fieldChars && written == fieldChars) break;
      char bytes[2];
      qToLittleEndian<quint16>(c.unicode(), bytes);
      m_data.append(bytes, 2);
      ++written;
    }
    if (fieldChars) return Bytes(2 * int(fieldChars - written));
    return Pad();
  }
  Record& Pad() { return Bytes(int((4 - m_data.size() % 4) % 4)); }
  qsizetype Size() const { return m_data.size(); }
  QByteArray Done() {
    qToLittleEndian<quint32>(static_cast<quint32>(m_data.size()), m_data.data() + 4);
    return m_data;
  }

 private:
  QByteArray m_data;
};

int ToHundredthsMm(int pixels) { return static_cast<int>(pixels * kHundredthsMmPerPixel + 0.5); }

}  // namespace

CEmfDC::CEmfDC() {
  Append(Record(EMR_SETMAPMODE).U32(kMapText).Done());
  Append(Record(EMR_SETBKMODE).U32(kTransparent).Done());
}

void CEmfDC::Append(const QByteArray& record) {
  m_records += record;
  ++m_nRecords;
}

DWORD CEmfDC::NewHandle() {
  if (!m_freeHandles.empty()) {
    const DWORD handle = m_freeHandles.back();
    m_freeHandles.pop_back();
    return handle;
  }
  return m_nHandles++;
}

void CEmfDC::Replace(DWORD* slot, DWORD handle) {
  Append(Record(EMR_SELECTOBJECT).U32(handle).Done());
  if (*slot) {
    Append(Record(EMR_DELETEOBJECT).U32(*slot).Done());
    m_freeHandles.push_back(*slot);
  }
  *slot = handle;
}

void CEmfDC::UsePen(const PenState& pen) {
  if (m_bPenKnown && m_hPen && m_pen == pen) return;
  const DWORD handle = NewHandle();
  Append(Record(EMR_CREATEPEN).U32(handle).U32(pen.style).I32(pen.width).I32(0).U32(pen.colour).Done());
  Replace(&m_hPen, handle);
  m_pen = pen;
  m_bPenKnown = true;
}

void CEmfDC::UseNullPen() {
  if (m_bPenKnown && !m_hPen) return;
  Append(Record(EMR_SELECTOBJECT).U32(kStockNullPen).Done());
  if (m_hPen) {
    Append(Record(EMR_DELETEOBJECT).U32(m_hPen).Done());
    m_freeHandles.push_back(m_hPen);
    m_hPen = 0;
  }
  m_bPenKnown = true;
}

void CEmfDC::UseBrush(COLORREF colour) {
  if (m_bBrushKnown && m_crBrush == colour) return;
  const DWORD handle = NewHandle();
  Append(Record(EMR_CREATEBRUSHINDIRECT).U32(handle).U32(0).U32(colour).U32(0).Done());
  Replace(&m_hBrush, handle);
  m_crBrush = colour;
  m_bBrushKnown = true;
}

void CEmfDC::UseFont() {
  const LOGFONT& lf = Font();
  if (m_bFontKnown && m_font == lf) return;
  const DWORD handle = NewHandle();
  // A logical font with the panose extension, all of it zero beyond the font.
  Record record(EMR_EXTCREATEFONTINDIRECTW);
  record.U32(handle).I32(lf.lfHeight).I32(lf.lfWidth).I32(lf.lfEscapement).I32(lf.lfOrientation).I32(lf.lfWeight);
  for (BYTE b : {lf.lfItalic, lf.lfUnderline, lf.lfStrikeOut, lf.lfCharSet, lf.lfOutPrecision, lf.lfClipPrecision,
                 lf.lfQuality, lf.lfPitchAndFamily})
    record.Bytes(1, static_cast<char>(b));
  record.Utf16(FitFaceName(lf.lfFaceName), 32);
  record.Bytes(64 * 2 + 32 * 2 + 6 * 4 + 10 + 2);
  Append(record.Done());
  Replace(&m_hFont, handle);
  m_font = lf;
  m_bFontKnown = true;
}

void CEmfDC::UseTextColour() {
  if (m_bTextColourKnown && m_crText == TextColor()) return;
  Append(Record(EMR_SETTEXTCOLOR).U32(TextColor()).Done());
  m_crText = TextColor();
  m_bTextColourKnown = true;
}

void CEmfDC::Include(int left, int top, int right, int bottom) {
  if (right <= left || bottom <= top) return;
  if (!m_bAny) {
    m_bounds = {left, top, right, bottom};
    m_bAny = true;
    return;
  }
  m_bounds = {std::min(m_bounds.left, left), std::min(m_bounds.top, top), std::max(m_bounds.right, right),
              std::max(m_bounds.bottom, bottom)};
}

void CEmfDC::TextOut(int x, int y, const QString& text) {
  if (text.isEmpty()) return;
  UseFont();
  UseTextColour();
  RealizeFont();
  const QSize extent = m_qtFont.Extent(text);
  Include(x, y, x + extent.width(), y + extent.height());
  const int count = static_cast<int>(text.size());
  constexpr int kStringOffset = 76;
  Record record(EMR_EXTTEXTOUTW);
  record.Rect(x, y, x + extent.width() - 1, y + extent.height() - 1);
  record.U32(kCompatibleGraphics).F32(float(kHundredthsMmPerPixel)).F32(float(kHundredthsMmPerPixel));
  const int dxOffset = kStringOffset + (count * 2 + 3) / 4 * 4;
  record.I32(x).I32(y).I32(count).I32(kStringOffset).U32(0).Rect(0, 0, -1, -1).I32(dxOffset);
  record.Utf16(text);
  // Each character's advance, as the layout measured it.
  for (QChar c : text) record.I32(m_qtFont.Extent(QString(c)).width());
  Append(record.Done());
}

void CEmfDC::PointsRecord(DWORD type, const std::vector<QPoint>& points) {
  int left = points[0].x(), right = left, top = points[0].y(), bottom = top;
  for (const QPoint& p : points) {
    left = std::min(left, p.x());
    right = std::max(right, p.x());
    top = std::min(top, p.y());
    bottom = std::max(bottom, p.y());
  }
  Include(left, top, right + 1, bottom + 1);
  Record record(type);
  record.Rect(left, top, right, bottom).U32(static_cast<DWORD>(points.size()));
  for (const QPoint& p : points) record.I32(p.x()).I32(p.y());
  Append(record.Done());
}

void CEmfDC::Polyline(const std::vector<QPoint>& points) {
  if (points.size() < 2) return;
  UsePen({kSolidPen, Pen().width, Pen().colour});
  PointsRecord(EMR_POLYLINE, points);
}

void CEmfDC::FillPolygon(const std::vector<QPoint>& points, COLORREF colour) {
  if (points.size() < 3) return;
  UseNullPen();
  UseBrush(colour);
  PointsRecord(EMR_POLYGON, points);
}

void CEmfDC::FillRect(const RECT& rect, COLORREF colour) {
  if (rect.IsEmpty()) return;
  FillPolygon({{rect.left, rect.top}, {rect.right, rect.top}, {rect.right, rect.bottom}, {rect.left, rect.bottom}},
              colour);
}

void CEmfDC::FocusRect(const RECT& rect) {
  if (rect.IsEmpty()) return;
  // A metafile cannot invert what another program draws below; a dotted
  // black outline is what the mark looks like on a white page.
  UsePen({kDottedPen, 1, 0});
  const int r = rect.right - 1, b = rect.bottom - 1;
  PointsRecord(EMR_POLYLINE, {{rect.left, rect.top}, {r, rect.top}, {r, b}, {rect.left, b}, {rect.left, rect.top}});
}

RECT CEmfDC::Bounds(const RECT& area) const {
  const RECT bounds{std::max(m_bounds.left, area.left), std::max(m_bounds.top, area.top),
                    std::min(m_bounds.right, area.right), std::min(m_bounds.bottom, area.bottom)};
  return m_bAny && !bounds.IsEmpty() ? bounds : RECT{};
}

QByteArray CEmfDC::Finish(const RECT& area) const {
  const RECT bounds = Bounds(area);
  const QString description = QStringLiteral("xxz") + QChar(0) + QChar(0);
  constexpr int kHeaderFixedSize = 108;
  const QByteArray eof = Record(EMR_EOF).U32(0).U32(16).U32(20).Done();

  Record header(EMR_HEADER);
  header.Rect(bounds.left, bounds.top, std::max(bounds.right - 1, bounds.left),
              std::max(bounds.bottom - 1, bounds.top));
  header.Rect(ToHundredthsMm(bounds.left), ToHundredthsMm(bounds.top), ToHundredthsMm(bounds.right),
              ToHundredthsMm(bounds.bottom));
  const qsizetype headerSize = kHeaderFixedSize + (description.size() * 2 + 3) / 4 * 4;
  header.U32(kSignature).U32(0x10000);
  header.U32(static_cast<DWORD>(headerSize + m_records.size() + eof.size()));
  header.U32(m_nRecords + 2);
  header.U32(m_nHandles);  // a 16-bit handle count followed by a reserved 16-bit zero
  header.U32(static_cast<DWORD>(description.size())).U32(kHeaderFixedSize);
  header.U32(0);  // no palette
  header.I32(kDeviceWidth).I32(kDeviceHeight).I32(kDeviceWidthMm).I32(kDeviceHeightMm);
  header.U32(0).U32(0).U32(0);  // no pixel format, no OpenGL records
  header.I32(kDeviceWidthMm * 1000).I32(kDeviceHeightMm * 1000);
  header.Utf16(description);
  return header.Done() + m_records + eof;
}
