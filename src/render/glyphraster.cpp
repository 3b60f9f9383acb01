#include "render/glyphraster.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>
#include <algorithm>
#include <vector>

#include "render/fontsubstitutions.h"
#include "render/pixelunpack.h"

namespace {

// The size at which a face's cell-to-em ratio is measured: large enough
// that hinting and rounding do not show in the ratio.
constexpr int kProbePixels = 1000;

QRect InkBox(const QImage& coverage) {
  int left = coverage.width(), right = -1, top = coverage.height(), bottom = -1;
  for (int y = 0; y < coverage.height(); ++y) {
    const uchar* line = coverage.constScanLine(y);
    for (int x = 0; x < coverage.width(); ++x) {
      if (line[x] == 0) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// Whether the face Qt picks for the character has a glyph for it, and
// which face that is: what an empty box on screen would betray.
void CheckCoverage(const QFont& font, const QString& text, GlyphRaster& glyph) {
  QTextLayout layout(text, font);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  for (const QGlyphRun& run : layout.glyphRuns()) {
    const QRawFont raw = run.rawFont();
    // Qt's last fallback, for scripts no installed face covers, is a box
    // engine with no face at all: asking it for its family name reads
    // through a null pointer.  A face without a name table covers nothing.
    if (!raw.isValid() || raw.fontTable("name").isEmpty()) continue;
    glyph.family = raw.familyName();
    if (raw.supportsCharacter(text.at(0))) {
      glyph.covered = true;
      return;
    }
  }
}

}  // namespace

QFont MakeGlyphFont(const GlyphFontRequest& request) {
  EnsureFontSubstitutions();
  QFont font(request.face);
  font.setBold(request.bold);
  font.setItalic(request.italic);
  if (request.height < 0) {
    font.setPixelSize(-request.height);
  } else if (request.height > 0) {
    QFont probe(font);
    probe.setPixelSize(kProbePixels);
    const QFontMetricsF metrics(probe);
    const double cell = metrics.ascent() + metrics.descent();
    const int pixels = cell > 0 ? qRound(request.height * kProbePixels / cell) : request.height;
    font.setPixelSize(std::max(1, pixels));
  }
  return font;
}

GlyphRaster RasteriseCharacter(const QFont& font, char16_t character) {
  GlyphRaster glyph;
  const QString text(QChar{character});
  const QFontMetrics metrics(font);
  glyph.ascent = metrics.ascent();
  glyph.descent = metrics.descent();
  glyph.advance = metrics.horizontalAdvance(text);
  // Room on every side for ink beyond the cell: italic overhang, accents,
  // fallback faces with taller glyphs.
  const int cell = glyph.ascent + glyph.descent;
  const int pad = std::max(cell, 4);
  glyph.coverage = QImage(std::max(glyph.advance, 0) + 2 * pad, cell + 2 * pad, QImage::Format_Grayscale8);
  glyph.coverage.fill(0);
  glyph.origin = QPoint(pad, pad + glyph.ascent);
  {
    QPainter painter(&glyph.coverage);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(glyph.origin, text);
  }
  glyph.ink = InkBox(glyph.coverage);
  CheckCoverage(font, text, glyph);
  return glyph;
}

void CompileGlyphBitmap(GLuint list, const GlyphRaster& glyph) {
  // A blank character (a space) is one clear pixel: Mesa fails to compile
  // a 0 x 0 bitmap into a list (out of memory), and a clear bit draws nothing.
  const QRect ink = glyph.ink.isEmpty() ? QRect(glyph.origin, QSize(1, 1)) : glyph.ink;
  const int width = ink.width();
  const int height = ink.height();
  const int rowBytes = (width + 7) / 8;
  std::vector<GLubyte> bits(static_cast<size_t>(rowBytes) * static_cast<size_t>(height), 0);
  // glBitmap rows run bottom-up, leftmost pixel in the high bit.
  for (int row = 0; row < height; ++row) {
    const uchar* line = glyph.coverage.constScanLine(ink.bottom() - row) + ink.left();
    GLubyte* out = bits.data() + static_cast<size_t>(row) * rowBytes;
    for (int x = 0; x < width; ++x)
      if (line[x] >= 128) out[x >> 3] |= static_cast<GLubyte>(0x80 >> (x & 7));
  }
  const float xorig = static_cast<float>(glyph.origin.x() - ink.left());
  const float yorig = static_cast<float>(ink.bottom() + 1 - glyph.origin.y());

  const ScopedUnpack unpack(1);
  glNewList(list, GL_COMPILE);
  glBitmap(width, height, xorig, yorig, static_cast<float>(glyph.advance), 0, bits.data());
  glEndList();
}
