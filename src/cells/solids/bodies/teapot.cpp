#include <GL/gl.h>

#include "cells/solids/bodies/bodymeshes.h"

namespace {

#include "cells/solids/bodies/teapotdata.inc"

constexpr int kRevolvedPatches = 6;
constexpr float kTextureNet[2][2][2] = {{{0, 0}, {1, 0}}, {{0, 1}, {1, 1}}};

// The mirror images of a patch: q reverses the columns and negates y, r
// reverses the columns and negates x, s negates x and y.
void Mirror(int patch, int image, float net[4][4][3]) {
  const bool reverse = image == 1 || image == 2;
  const float fx = image >= 2 ? -1.0f : 1.0f;
  const float fy = image == 1 || image == 3 ? -1.0f : 1.0f;
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) {
      const float* p = kTeapotPoints[kTeapotPatches[patch][i][reverse ? 3 - j : j]];
      net[i][j][0] = p[0] * fx;
      net[i][j][1] = p[1] * fy;
      net[i][j][2] = p[2];
    }
}

}  // namespace

void TeapotNet(int n, float net[4][4][3]) {
  if (n < kRevolvedPatches * 4) {
    Mirror(n / 4, n % 4, net);
    return;
  }
  n -= kRevolvedPatches * 4;
  Mirror(kRevolvedPatches + n / 2, n % 2, net);
}

void DrawTeapot(int grid, GLenum meshMode, double scale) {
  glPushAttrib(GL_ENABLE_BIT | GL_EVAL_BIT);
  glEnable(GL_AUTO_NORMAL);
  glEnable(GL_NORMALIZE);
  glEnable(GL_MAP2_VERTEX_3);
  glEnable(GL_MAP2_TEXTURE_COORD_2);
  glFrontFace(GL_CW);
  glPushMatrix();
  glScaled(0.5 * scale, 0.5 * scale, 0.5 * scale);
  glTranslatef(0, 0, -1.5f);
  float net[4][4][3];
  for (int n = 0; n < kTeapotNets; ++n) {
    TeapotNet(n, net);
    glMap2f(GL_MAP2_TEXTURE_COORD_2, 0, 1, 2, 2, 0, 1, 4, 2, &kTextureNet[0][0][0]);
    glMap2f(GL_MAP2_VERTEX_3, 0, 1, 3, 4, 0, 1, 12, 4, &net[0][0][0]);
    glMapGrid2f(grid, 0, 1, grid, 0, 1);
    glEvalMesh2(meshMode, 0, grid, 0, grid);
  }
  glPopMatrix();
  glFrontFace(GL_CCW);
  glPopAttrib();
}
