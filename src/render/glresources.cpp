#include "render/glresources.h"

#include <algorithm>

#include "platform/processstate.h"

GLuint g_nShapeListBase;
GLuint g_nTextListBase;
GLuint g_nLabelListBase;
GLuint g_nPictureTextures[15];
GLUquadric* g_pQuadric;
int g_nAxesMode;
float g_vLabelPickU[3];
float g_vLabelPickV[3];

namespace {
// The names belong to the view's context, which a reset does not end: the
// view releases them itself; here they are only forgotten.
void SetStartValues() {
  g_nShapeListBase = 0;
  g_nTextListBase = 0;
  g_nLabelListBase = 0;
  std::fill_n(g_nPictureTextures, 15, 0u);
  // The quadric is plain memory, not a context object, so it can go now.
  if (g_pQuadric) gluDeleteQuadric(g_pQuadric);
  g_pQuadric = nullptr;
  // No axes, as a new document starts: a document opened at start looks as
  // it does opened later or made new.
  g_nAxesMode = 0;
  std::fill_n(g_vLabelPickU, 3, 0.0f);
  std::fill_n(g_vLabelPickV, 3, 0.0f);
}

const bool started = (SetStartValues(), true);
const ProcessStateReset reset(SetStartValues);
}  // namespace

void CallShapeList(GLuint offset) {
  if (g_nShapeListBase != 0) glCallList(g_nShapeListBase + offset);
}
