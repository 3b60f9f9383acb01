#include "render/textureglyphs.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/processstate.h"
#include "render/glrelease.h"
#include "render/glyphraster.h"
#include "render/pixelunpack.h"
#include "render/projection.h"
#include "render/texttexts.h"
#include "render/viewglobals.h"

TextPen g_textPen;
CTextrueText* g_pTextrueText;

namespace {

const ProcessStateReset reset([] {
  g_textPen = TextPen();
  g_pTextrueText = nullptr;  // its owner deletes it with the context
});

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

struct Vec {
  float x, y, z;
  Vec operator+(const Vec& o) const { return {x + o.x, y + o.y, z + o.z}; }
  Vec operator-(const Vec& o) const { return {x - o.x, y - o.y, z - o.z}; }
  Vec operator*(float k) const { return {x * k, y * k, z * k}; }
};

Vec Normalised(double x, double y, double z) {
  const double length = std::sqrt(x * x + y * y + z * z);
  if (!(length > 0)) return {0, 0, 0};
  return {static_cast<float>(x / length), static_cast<float>(y / length), static_cast<float>(z / length)};
}

// The corners of a glyph quad from p, `across` and `up` its sides.
void Corners(const Vec& p, const Vec& across, const Vec& up, float (&out)[4][3]) {
  const Vec corners[4] = {p, p + across, p + across + up, p + up};
  for (int i = 0; i < 4; ++i) {
    out[i][0] = corners[i].x;
    out[i][1] = corners[i].y;
    out[i][2] = corners[i].z;
  }
}

// Texture coordinates of the corners: columns up to the ink's width, all
// 64 rows.
void TexturedCorners(float s, const float (&corners)[4][3]) {
  const float tex[4][2] = {{0, 0}, {s, 0}, {s, 1}, {0, 1}};
  for (int i = 0; i < 4; ++i) {
    glTexCoord2fv(tex[i]);
    glVertex3fv(corners[i]);
  }
}

GlyphFontRequest GlyphFont(const QString& face, bool italic) {
  return {face, CTextrueText::kGlyphPixels, true, italic};
}

}  // namespace

CTextrueText::CTextrueText() : m_generation(GlGeneration()) {
  glGenTextures(kPoolSize, m_pool);
  const QString latin = QStringLiteral("Times New Roman");
  const QFont songti = MakeGlyphFont(GlyphFont(QString::fromUtf16(kSongtiFaceName), false));
  const QFont upright = MakeGlyphFont(GlyphFont(latin, false));
  RenderSet(kLabelLetters, m_label, MakeGlyphFont(GlyphFont(latin, true)));
  RenderSet(kLabelDigitsAndSigns, m_label, upright);
  RenderSet(kLatinAndSymbols, m_general, upright);
  RenderSet(kCommonChinese, m_general, songti);
  m_onDemandFont = songti;
  glBindTexture(GL_TEXTURE_2D, 0);
}

CTextrueText::~CTextrueText() {
  if (m_generation == GlGeneration()) glDeleteTextures(kPoolSize, m_pool);
}

const CharInfo* CTextrueText::Find(const GlyphMap& map, char16_t character) {
  const auto found = map.find(character);
  return found == map.end() ? nullptr : found->second.get();
}

void CTextrueText::RenderSet(const char16_t* characters, GlyphMap& map, const QFont& font) {
  for (const char16_t* c = characters; *c; ++c) RenderGlyphTexture(*c, map, font);
}

void CTextrueText::RenderGlyphTexture(char16_t character, GlyphMap& map, const QFont& font) {
  if (m_nUsed >= kPoolSize) return;
  const GlyphRaster raster = RasteriseCharacter(font, character);
  auto glyph = std::make_unique<CharInfo>();
  glyph->texture = m_pool[m_nUsed++];
  glyph->advance = static_cast<float>(raster.advance);
  glyph->height = static_cast<float>(raster.ascent + raster.descent);
  if (!raster.ink.isEmpty()) {
    glyph->lead = raster.ink.left() - raster.origin.x();
    glyph->inkWidth = static_cast<unsigned>(raster.ink.width());
  }
  glyph->trail = raster.advance - glyph->lead - static_cast<int>(glyph->inkWidth);

  // The cell from its top row, the ink from its left column, as alpha with
  // the bottom row first (texture row 0 is the quad's bottom edge).
  constexpr int n = kGlyphPixels;
  std::vector<GLubyte> alpha(static_cast<size_t>(n) * n, 0);
  const int left = raster.origin.x() + glyph->lead;
  const int top = raster.origin.y() - raster.ascent;
  const QImage& picture = raster.coverage;
  for (int row = 0; row < n; ++row) {
    const int y = top + n - 1 - row;
    if (y < 0 || y >= picture.height()) continue;
    const uchar* line = picture.constScanLine(y);
    for (int x = 0; x < n && left + x < picture.width(); ++x)
      if (left + x >= 0) alpha[static_cast<size_t>(row) * n + x] = line[left + x];
  }
  glBindTexture(GL_TEXTURE_2D, glyph->texture);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  // Clamped, so filtering at the quad's edges does not pull in ink from
  // the opposite edge of the texture.
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  const ScopedUnpack unpack(1);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA, n, n, 0, GL_ALPHA, GL_UNSIGNED_BYTE, alpha.data());
  map[character] = std::move(glyph);
}

const CharInfo* CTextrueText::Glyph(char16_t character, bool labelFirst) {
  if (labelFirst)
    if (const CharInfo* glyph = Find(m_label, character)) return glyph;
  if (const CharInfo* glyph = Find(m_general, character)) return glyph;
  if (m_nUsed >= kMaxGlyphs) return nullptr;
  RenderGlyphTexture(character, m_general, m_onDemandFont);
  return Find(m_general, character);
}

void CTextrueText::DrawTextureLabel(const QString& text, float x, float y, float z, const RGBA* colour) {
  if (text.isEmpty()) return;
  // A gathered quad needs its colour; asking GL for the current one would
  // cost the merging the batch is for, so callers that know it pass it.
  GLubyte rgba[4] = {colour ? colour->r : BYTE(0), colour ? colour->g : BYTE(0), colour ? colour->b : BYTE(0),
                     colour ? colour->a : BYTE(255)};
  if (m_nBatchDepth > 0 && !colour) {
    GLfloat current[4];
    glGetFloatv(GL_CURRENT_COLOR, current);
    for (int i = 0; i < 4; ++i) rgba[i] = static_cast<GLubyte>(std::lround(std::clamp(current[i], 0.0f, 1.0f) * 255));
  }
  const GLubyte* quadColour = m_nBatchDepth > 0 || colour ? rgba : nullptr;
  // The screen's right and up directions in the world, from the model-view
  // matrix of the frame.
  const double* m = g_dModelView;
  const Vec right = Normalised(m[0], m[4], m[8]);
  const Vec up = Normalised(m[1], m[5], m[9]);
  Vec pen{x, y, z};
  float size = static_cast<float>(g_prefs.nLabelFontHeight + 4) / kGlyphPixels;
  if (!g_prefs.bLabelAutoScale) size /= g_fViewScale;
  const bool immediate = m_nBatchDepth == 0;
  if (immediate) glEnable(GL_TEXTURE_2D);
  for (const QChar c : text) {
    const CharInfo* glyph = Glyph(c.unicode(), true);
    if (!glyph) break;
    const bool digit = IsDigit(c.unicode());
    const float k = (digit ? 0.75f * size : size) * g_fUnitsPerPixel;
    const float width = static_cast<float>(glyph->inkWidth) * k, height = glyph->height * k;
    Vec p = pen + right * (static_cast<float>(glyph->lead) * k);
    if (digit) p = p - up * (0.05f * height);
    float corners[4][3];
    Corners(p, right * width, up * height, corners);
    EmitQuad(*glyph, corners, quadColour);
    pen = pen + right * (glyph->advance * k);
  }
  if (immediate) glDisable(GL_TEXTURE_2D);
}

void CTextrueText::DrawPenText(const QString& text, bool mixed) {
  if (text.isEmpty()) return;
  const float u = g_fUnitsPerPixel;
  const Vec right{1, 0, 0}, up{0, 1, 0};
  glEnable(GL_TEXTURE_2D);
  for (const QChar c : text) {
    const CharInfo* glyph = Glyph(c.unicode(), mixed);
    if (!glyph) break;
    float s = static_cast<float>(g_textPen.height) / kGlyphPixels;
    float y0 = g_textPen.y;
    if (mixed && IsDigit(c.unicode())) {
      y0 = g_textPen.y - 0.05f * glyph->height * s * u;
      s *= 0.75f;
    }
    const float k = s * u;
    const Vec p{g_textPen.x + static_cast<float>(glyph->lead) * k, y0, g_textPen.z};
    float corners[4][3];
    Corners(p, right * (static_cast<float>(glyph->inkWidth) * k), up * (glyph->height * k), corners);
    EmitQuad(*glyph, corners, nullptr);
    g_textPen.x += glyph->advance * k;
  }
  glDisable(GL_TEXTURE_2D);
}

void CTextrueText::EmitQuad(const CharInfo& glyph, const float (&corners)[4][3], const GLubyte* colour) {
  const float s = static_cast<float>(glyph.inkWidth) / kGlyphPixels;
  if (m_nBatchDepth > 0 && colour) {
    BatchedQuad quad{glyph.texture, {colour[0], colour[1], colour[2], colour[3]}, s, {}};
    std::copy(&corners[0][0], &corners[0][0] + 12, &quad.corners[0][0]);
    m_batch.push_back(quad);
    return;
  }
  glBindTexture(GL_TEXTURE_2D, glyph.texture);
  glBegin(GL_QUADS);
  if (colour) glColor4ubv(colour);
  TexturedCorners(s, corners);
  glEnd();
}

void CTextrueText::BeginLabelBatch() { ++m_nBatchDepth; }

void CTextrueText::FlushLabelBatch() {
  if (m_nBatchDepth == 0 || --m_nBatchDepth > 0) return;
  if (m_batch.empty()) return;
  // Quads of one glyph together: one texture bind and one primitive each.
  std::stable_sort(m_batch.begin(), m_batch.end(),
                   [](const BatchedQuad& a, const BatchedQuad& b) { return a.texture < b.texture; });
  glPushAttrib(GL_CURRENT_BIT | GL_ENABLE_BIT);
  glEnable(GL_TEXTURE_2D);
  for (size_t first = 0; first < m_batch.size();) {
    const GLuint texture = m_batch[first].texture;
    glBindTexture(GL_TEXTURE_2D, texture);
    glBegin(GL_QUADS);
    size_t i = first;
    for (; i < m_batch.size() && m_batch[i].texture == texture; ++i) {
      glColor4ubv(m_batch[i].colour);
      TexturedCorners(m_batch[i].s, m_batch[i].corners);
    }
    glEnd();
    first = i;
  }
  glPopAttrib();
  m_batch.clear();
}

void CTextrueText::DrawTextureTextMixed(const QString& text) { DrawPenText(text, true); }
void CTextrueText::DrawTextureText(const QString& text) { DrawPenText(text, false); }

void DrawTextureLabel(const QString& text, float x, float y, float z) {
  if (g_pTextrueText) g_pTextrueText->DrawTextureLabel(text, x, y, z);
}

void DrawTextureLabel(const QString& text, float x, float y, float z, const RGBA& colour) {
  if (g_pTextrueText) g_pTextrueText->DrawTextureLabel(text, x, y, z, &colour);
}

void BeginTextureLabelBatch() {
  if (g_pTextrueText) g_pTextrueText->BeginLabelBatch();
}

void FlushTextureLabelBatch() {
  if (g_pTextrueText) g_pTextrueText->FlushLabelBatch();
}

void DrawTextureTextMixed(const QString& text) {
  if (g_pTextrueText) g_pTextrueText->DrawTextureTextMixed(text);
}

void DrawTextureText(const QString& text) {
  if (g_pTextrueText) g_pTextrueText->DrawTextureText(text);
}
