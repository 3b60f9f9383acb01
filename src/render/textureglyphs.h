// Text drawn as textured quads: every character is rendered once into a
// 64 x 64 alpha texture, and a text is a row of quads, one per character,
// in the current colour with the glyph as coverage.  Cell labels are drawn
// this way as billboards of constant screen size; value captions in their
// own plane at the text pen.  One instance exists while the view's context
// does; the view makes it and deletes it.
#pragma once
#include <GL/gl.h>

#include <QFont>
#include <QString>
#include <memory>
#include <unordered_map>
#include <vector>

#include "render/viewglobals.h"

// One rendered character, measured in pixels of the 64-pixel font.
struct CharInfo {
  GLuint texture = 0;
  float advance = 0;      // pen movement
  float height = 0;       // the cell: ascent plus descent
  int lead = 0;           // from the pen to the ink's left edge
  unsigned inkWidth = 0;  // the ink's width; the texture holds it from its left column
  int trail = 0;          // from the ink's right edge to the next pen
};

// Where DrawTextureTextMixed and DrawTextureText draw next (world units)
// and their character height in pixels; the caller sets it.
struct TextPen {
  float x = 0, y = 0, z = 0;
  int height = 32;
};
extern TextPen g_textPen;

class CTextrueText {
 public:
  static constexpr int kPoolSize = 512;
  // A character met when this many glyphs exist ends the text it is in.
  static constexpr int kMaxGlyphs = 511;
  static constexpr int kGlyphPixels = 64;

  // Needs a current context: makes the texture names and renders the label
  // letters (italic) and digits and signs, the Latin and symbol set and
  // the common Chinese characters.
  CTextrueText();
  CTextrueText(const CTextrueText&) = delete;
  CTextrueText& operator=(const CTextrueText&) = delete;
  // Deletes the textures when the context they were made in is current.
  virtual ~CTextrueText();

  // A label whose first character stands at the world point, facing the
  // viewer; its size on screen follows the label height and, only with
  // label auto-scaling, the view's zoom.  Letters come from the italic
  // label set; digits are smaller and lowered, as indices.  In the current
  // colour, or in `colour` when one is given.
  void DrawTextureLabel(const QString& text, float x, float y, float z, const RGBA* colour = nullptr);
  // At the text pen in the plane z = pen z: label glyphs first, with the
  // smaller digits; DrawTextureText takes upright glyphs only.  Both move
  // the pen along x.
  void DrawTextureTextMixed(const QString& text);
  void DrawTextureText(const QString& text);

  // Labels drawn from the first call to the second are gathered and drawn
  // together by the second, grouped by glyph, under the model-view and GL
  // state then current: drawing them one by one would interleave textured
  // quads with the cells' other primitives, which the driver then cannot
  // merge, and a frame of many labels would cost many times its points.
  // The pass of overlays, whose state does not change between its cells,
  // gathers its labels.
  void BeginLabelBatch();
  void FlushLabelBatch();

  int UsedTextures() const { return m_nUsed; }
  const CharInfo* LabelGlyph(char16_t character) const { return Find(m_label, character); }
  const CharInfo* GeneralGlyph(char16_t character) const { return Find(m_general, character); }

 private:
  using GlyphMap = std::unordered_map<char16_t, std::unique_ptr<CharInfo>>;
  static const CharInfo* Find(const GlyphMap& map, char16_t character);
  void RenderGlyphTexture(char16_t character, GlyphMap& map, const QFont& font);
  void RenderSet(const char16_t* characters, GlyphMap& map, const QFont& font);
  // The glyph in the maps in order, rendered now when it is in none and
  // the pool has room; null when it has none.
  const CharInfo* Glyph(char16_t character, bool labelFirst);
  void DrawPenText(const QString& text, bool mixed);
  // One glyph quad, corners counter-clockwise from the lower left, drawn
  // now or kept for the batch.
  void EmitQuad(const CharInfo& glyph, const float (&corners)[4][3], const GLubyte* colour);

  struct BatchedQuad {
    GLuint texture;
    GLubyte colour[4];
    float s;  // texture width used
    float corners[4][3];
  };

  GLuint m_pool[kPoolSize] = {};
  int m_nUsed = 0;
  GlyphMap m_label;
  GlyphMap m_general;
  QFont m_onDemandFont;
  unsigned m_generation = 0;
  int m_nBatchDepth = 0;
  std::vector<BatchedQuad> m_batch;
};

// The view's instance, null while there is none (nothing is drawn then).
extern CTextrueText* g_pTextrueText;

// The services of the view's instance, for the cells.
void DrawTextureLabel(const QString& text, float x, float y, float z);
void DrawTextureLabel(const QString& text, float x, float y, float z, const RGBA& colour);
void BeginTextureLabelBatch();
void FlushTextureLabelBatch();
void DrawTextureTextMixed(const QString& text);
void DrawTextureText(const QString& text);
