// One character of a font drawn by Qt into a grey-level picture, the
// stand-in for the window system's glyph bitmaps: the display-list fonts
// and the glyph textures of the view are both made from it.
#pragma once
#include <GL/gl.h>

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

// A font asked for as the documents describe one: a face name (mapped to an
// installed face), a height in pixels (> 0 the whole cell, ascent plus
// descent; < 0 the character height, the em; 0 Qt's default), bold, italic.
struct GlyphFontRequest {
  QString face;
  int height = 0;
  bool bold = false;
  bool italic = false;
};
QFont MakeGlyphFont(const GlyphFontRequest& request);

struct GlyphRaster {
  QImage coverage;   // Grayscale8, 0 = no ink, 255 = full ink
  QPoint origin;     // the pen on the baseline, in the picture
  QRect ink;         // pixels with any ink; empty for a blank character
  int advance = 0;   // pen movement to the next character, pixels
  int ascent = 0;    // of the font asked for: the cell is ascent + descent
  int descent = 0;
  bool covered = false;  // the face that drew it has a glyph for it (no empty box)
  QString family;        // that face (a fallback face for characters the font lacks)
};

// Draws the character at the pen with Qt's font fallback, so Chinese text
// in a Latin face still gets Chinese glyphs.  Needs the application object.
GlyphRaster RasteriseCharacter(const QFont& font, char16_t character);

// Compiles the character as a glBitmap into `list`: ink where coverage is
// at least half, the origin at the pen, the raster position moved by the
// advance.
void CompileGlyphBitmap(GLuint list, const GlyphRaster& glyph);
