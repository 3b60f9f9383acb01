#include "formula/drawing/qtfont.h"

#include <QHashFunctions>
#include <QImage>
#include <cmath>
#include <cstdlib>
#include <unordered_map>

#include "formula/drawing/symbolfont.h"

namespace {

constexpr int kDefaultCellHeight = 16;
constexpr int kRatioProbePixels = 200;
constexpr BYTE kNonAntialiased = 3;

// Metrics are taken on an image so that they match what is drawn on one.
const QImage& MetricsDevice() {
  static const QImage device(1, 1, QImage::Format_RGB32);
  return device;
}

// Em height per cell height of a face and style.  Not a QHash: its insert
// ends the program when memory runs out, and laying out formula texts (an
// open, a save's read-back) must be able to refuse instead.
double EmPerCell(const QFont& font) {
  static std::unordered_map<QString, double> cache;
  const QString key = font.families().join(u'|') + QLatin1Char('/') + QString::number(font.weight()) +
                      QLatin1Char('/') + QString::number(font.italic());
  if (const auto it = cache.find(key); it != cache.end()) return it->second;
  QFont probe = font;
  probe.setPixelSize(kRatioProbePixels);
  const QFontMetricsF metrics(probe, &MetricsDevice());
  const double cell = metrics.ascent() + metrics.descent();
  const double ratio = cell > 0 ? kRatioProbePixels / cell : 1.0;
  cache.emplace(key, ratio);
  return ratio;
}

int CellHeight(const LOGFONT& lf) {
  const int height = ClampFontHeight(lf.lfHeight);
  return height ? height : kDefaultCellHeight;
}

// The em of a symbol-face font: a cell height holds ascent and descent.
double SymbolEm(const LOGFONT& lf) {
  const int height = CellHeight(lf);
  return height < 0 ? -height : height / (kSymbolAscent + kSymbolDescent);
}

}  // namespace

QFont QtFontFor(const LOGFONT& lf) {
  QFont font;
  const bool symbolFace = IsSymbolFace(lf.lfFaceName);
  if (symbolFace)
    font.setFamilies(SymbolSignFaces());
  else if (!lf.lfFaceName.isEmpty())
    font.setFamily(lf.lfFaceName);
  const int weight = lf.lfWeight <= 0 ? FW_NORMAL : std::min(lf.lfWeight, 1000);
  font.setWeight(static_cast<QFont::Weight>(weight));
  font.setItalic(lf.lfItalic != 0);
  font.setUnderline(lf.lfUnderline != 0);
  font.setStrikeOut(lf.lfStrikeOut != 0);
  // Advances add up character by character, as the layout measures them.
  font.setKerning(false);
  font.setStyleStrategy(lf.lfQuality == kNonAntialiased
                            ? QFont::NoAntialias
                            : QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
  const int height = CellHeight(lf);
  double pixels;
  if (symbolFace)
    pixels = SymbolEm(lf);
  else
    pixels = height < 0 ? -height : height * EmPerCell(font);
  font.setPixelSize(std::max(static_cast<int>(std::lround(pixels)), 1));
  return font;
}

QColor QColorFromRef(COLORREF colour) {
  return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

void CQtFont::Select(const LOGFONT& lf) {
  m_font = QtFontFor(lf);
  m_symbolFace = IsSymbolFace(lf.lfFaceName);
  m_metrics.emplace(m_font, &MetricsDevice());
  double average;
  if (m_symbolFace) {
    m_em = SymbolEm(lf);
    m_ascent = static_cast<int>(std::lround(kSymbolAscent * m_em));
    m_cellHeight = static_cast<int>(std::lround((kSymbolAscent + kSymbolDescent) * m_em));
    average = kSymbolAverageWidth * m_em;
  } else {
    m_ascent = static_cast<int>(std::lround(m_metrics->ascent()));
    m_cellHeight = m_ascent + static_cast<int>(std::lround(m_metrics->descent()));
    average = m_metrics->averageCharWidth();
  }
  const int width = std::abs(ClampFontHeight(lf.lfWidth));
  m_xScale = width > 0 && average > 0 ? width / average : 1.0;
}

double CQtFont::Advance(QChar c) const {
  if (m_symbolFace) {
    if (const SymbolSignBox* box = FindSymbolSignBox(SymbolCode(c))) return box->advance * m_em / 1000.0;
  }
  return m_metrics->horizontalAdvance(SymbolToUnicode(c, m_symbolFace));
}

QSize CQtFont::Extent(const QString& text) const {
  double advance;
  if (m_symbolFace) {
    advance = 0;
    for (QChar c : text) advance += Advance(c);
  } else {
    advance = m_metrics->horizontalAdvance(MapSymbolText(text, false));
  }
  // Rounded up, so drawn glyphs never reach into the next item's box.
  return {static_cast<int>(std::ceil(advance * m_xScale - 1e-6)), m_cellHeight};
}

void CQtFont::Draw(QPainter& painter, int x, int y, const QString& text, const QColor& colour) const {
  if (text.isEmpty()) return;
  painter.save();
  painter.setFont(m_font);
  painter.setPen(colour);
  if (m_symbolFace) {
    DrawSymbolText(painter, x, y, text);
  } else {
    painter.translate(x, y);
    painter.scale(m_xScale, 1.0);
    painter.drawText(QPointF(0, m_ascent), MapSymbolText(text, false));
  }
  painter.restore();
}

void CQtFont::DrawSymbolText(QPainter& painter, int x, int y, const QString& text) const {
  const QTransform base = painter.transform();
  const double baseline = y + m_ascent, k = m_em / 1000.0;
  double pen = x;
  for (QChar c : text) {
    const QString sign(SymbolToUnicode(c, true));
    const SymbolSignBox* box = FindSymbolSignBox(SymbolCode(c));
    const QRectF ink = box ? m_metrics->tightBoundingRect(sign) : QRectF();
    painter.setTransform(base);
    if (box && !ink.isEmpty()) {
      // The installed glyph stretched over the symbol font's ink box.
      const QRectF target(pen + box->left * k * m_xScale, baseline + box->top * k,
                          (box->right - box->left) * k * m_xScale, (box->bottom - box->top) * k);
      painter.translate(target.left(), target.top());
      painter.scale(target.width() / ink.width(), target.height() / ink.height());
      painter.translate(-ink.left(), -ink.top());
      painter.drawText(QPointF(0, 0), sign);
    } else {
      painter.translate(pen, baseline);
      painter.scale(m_xScale, 1.0);
      painter.drawText(QPointF(0, 0), sign);
    }
    pen += Advance(c) * m_xScale;
  }
}
