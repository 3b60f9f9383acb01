#include "view/viewrenderer.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <QDir>
#include <cmath>

#include "formula/drawing/formulapictures.h"
#include "math/mathglobals.h"
#include "model/drawing/viewtext.h"
#include "model/globals.h"
#include "platform/notifier.h"
#include "render/framedtext.h"
#include "render/glrelease.h"
#include "render/glresources.h"
#include "render/projection.h"
#include "render/textureglyphs.h"
#include "render/textures.h"
#include "render/viewlight.h"
#include "view/pointerplacement.h"
#include "view/shapelists.h"
#include "view/viewtexts.h"

namespace {

QString PicturePath(int number) {
  return QDir(g_strProgramFolder).filePath(QStringLiteral("Images/Img%1.jpg").arg(number));
}

void DeleteListBlock(GLuint& first, GLsizei range) {
  if (first != 0) glDeleteLists(first, range);
  first = 0;
}

// The polygon stipple: diagonal hatching every 8 pixels.
void SetHatchStipple() {
  static const GLuint kRows[8] = {0x40404040, 0x20202020, 0x10101010, 0x08080808,
                                  0x04040404, 0x02020202, 0x01010101, 0x80808080};
  GLubyte pattern[128];
  for (int row = 0; row < 32; ++row) {
    const GLuint bits = kRows[row % 8];
    for (int b = 0; b < 4; ++b) pattern[row * 4 + b] = static_cast<GLubyte>(bits >> (24 - 8 * b));
  }
  glPolygonStipple(pattern);
}

}  // namespace

CViewRenderer::CViewRenderer() = default;

CViewRenderer::~CViewRenderer() {
  if (g_pTextrueText == m_textureText.get()) g_pTextrueText = nullptr;
}

bool CViewRenderer::IsInitialised() const { return m_generation != 0 && m_generation == GlGeneration(); }

void CViewRenderer::SetFixedState() {
  const auto& bg = g_prefs.background;
  glClearColor(bg[0], bg[1], bg[2], 1);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glColor4f(0, 0, 1, 1);
  glLineStipple(1, 0x03FF);
  glShadeModel(GL_FLAT);
  glClearDepth(1);
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_POINT_SMOOTH);
  glEnable(GL_LINE_SMOOTH);
  glLineWidth(g_prefs.fLineWidth);
  glPointSize(g_prefs.fPointSize);
  glPolygonOffset(1.6f, 1.0f);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glHint(GL_POINT_SMOOTH_HINT, GL_NICEST);
  glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
  glHint(GL_POLYGON_SMOOTH_HINT, GL_NICEST);
  SetHatchStipple();
  glEnable(GL_AUTO_NORMAL);
  glEnable(GL_NORMALIZE);
}

void CViewRenderer::SetLight() {
  static const GLfloat kModelAmbient[4] = {0.2f, 0.2f, 0.2f, 1.0f};
  static const GLfloat kSpecular[4] = {0.5f, 0.5f, 0.5f, 1.0f};
  glLightModelfv(GL_LIGHT_MODEL_AMBIENT, kModelAmbient);
  ApplyLight0(g_prefs);
  glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_TRUE);
  glEnable(GL_LIGHT0);
  glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
  glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, kSpecular);
  glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 40.0f);
  glDisable(GL_LIGHTING);
}

bool CViewRenderer::LoadTextures() {
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
  glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
  // The three replaceable pictures, last first.  A picture the document put
  // there (no longer the program's own) is kept and uploaded again.
  bool loaded = true;
  for (int slot = 2; slot >= 0 && loaded; --slot)
    if (g_textureSlots[slot].noCopy) loaded = LoadTextureImage(slot, true, PicturePath(slot + 1));
  UploadPendingTextures();
  for (int slot = 3; slot < kPictureTextureCount && loaded; ++slot)
    loaded = LoadTextureFromImage(g_nPictureTextures[slot], PicturePath(slot + 1));
  glBindTexture(GL_TEXTURE_2D, 0);
  return loaded;
}

bool CViewRenderer::InitOpenGL() {
  // A new context: names of any earlier one are dead and only forgotten.
  BeginGlGeneration();
  m_generation = GlGeneration();
  g_nShapeListBase = g_nTextListBase = g_nLabelListBase = 0;
  for (GLuint& name : g_nPictureTextures) name = 0;

  glEnableClientState(GL_VERTEX_ARRAY);
  glVertexPointer(3, GL_FLOAT, 0, g_pVertexArray);
  SetFixedState();
  SetLight();
  const bool texturesLoaded = LoadTextures();
  // Glyph textures of an earlier context died with it: forgotten, not deleted.
  if (g_pTextrueText == m_textureText.get()) g_pTextrueText = nullptr;
  m_textureText = std::make_unique<CTextrueText>();
  g_pTextrueText = m_textureText.get();
  // Unlike a failed picture, which only leaves its texture blank, missing
  // lists would leave points, axes and solids undrawable.
  const bool listsBuilt = BuildDisplayLists();
  BuildFontLists();
  BuildTextFontLists();
  SetMarkupMaskRenderer(RenderVodToMaskTextFont);
  return texturesLoaded && listsBuilt;
}

bool CViewRenderer::BuildDisplayLists() {
  const GLuint base = BuildShapeLists();
  if (base == 0) return false;
  g_nShapeListBase = base;
  // Characters 32..127 of each font; the font code compiles them.
  g_nTextListBase = glGenLists(kAsciiListCount);
  g_nLabelListBase = glGenLists(kAsciiListCount);
  CompileAxesGizmo(base);
  for (int i = 0; i < 5; ++i) m_captions[i] = DrawGlText(QString::fromUtf8(kViewCaptions[i]));
  return true;
}

void CViewRenderer::OnSize(int width, int height, double devicePixelRatio) {
  if (width <= 2 || height <= 2) return;
  g_nViewWidth = width;
  g_nViewHeight = height;
  SetTrackballViewSize(width, height);
  const double ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
  m_deviceWidth = static_cast<int>(std::lround(width * ratio));
  m_deviceHeight = static_cast<int>(std::lround(height * ratio));
  // A failed buffer only disables the trace background; the view itself
  // must still follow the new size.
  if (!m_background.FitArea(m_deviceWidth, m_deviceHeight))
    KvMessageBox(QString::fromUtf8(kTextBackgroundNoMemoryResize));

  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  SetProjection(g_nProjection);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glViewport(0, 0, m_deviceWidth, m_deviceHeight);
  SaveProjectionAndViewport();
  g_nViewDeviceHeight = m_deviceHeight;
  g_bBackgroundDirty = 1;
}

void CViewRenderer::PrepareFrame() {
  if (!IsInitialised()) InitOpenGL();
  DrainGlReleases();
  UploadPendingTextures();
  glEnableClientState(GL_VERTEX_ARRAY);
  glVertexPointer(3, GL_FLOAT, 0, g_pVertexArray);
}

void CViewRenderer::Release() {
  if (!IsInitialised()) return;
  DrainGlReleases();
  ReleaseFontLists();
  if (g_pTextrueText == m_textureText.get()) g_pTextrueText = nullptr;
  m_textureText.reset();
  DeleteListBlock(g_nShapeListBase, kShapeListCount);
  DeleteListBlock(g_nTextListBase, kAsciiListCount);
  DeleteListBlock(g_nLabelListBase, kAsciiListCount);
  ReleasePictureTextures();
  if (g_pQuadric) gluDeleteQuadric(g_pQuadric);
  g_pQuadric = nullptr;
  BeginGlGeneration();
  m_generation = 0;
}
