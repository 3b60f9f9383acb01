#include "render/viewray.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "render/viewglobals.h"

void ComputeViewRay(const double modelview[16], double winX, double winY) {
  double nearPoint[3];
  double farPoint[3];
  if (!gluUnProject(winX, winY, 0.0, modelview, g_dProjection, g_nViewport, &nearPoint[0],
                    &nearPoint[1], &nearPoint[2]) ||
      !gluUnProject(winX, winY, 1.0, modelview, g_dProjection, g_nViewport, &farPoint[0],
                    &farPoint[1], &farPoint[2]))
    return;
  for (int i = 0; i < 3; ++i) {
    g_dRayNear[i] = nearPoint[i];
    g_dRayFar[i] = farPoint[i];
    g_fViewDir[i] = static_cast<float>(nearPoint[i] - farPoint[i]);
  }
}

void ComputeViewDirection() {
  double modelview[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
  ComputeViewRay(modelview, 600, 400);
}
