#include "view/pagetransform.h"

#include <GL/gl.h>

#include "math/mathglobals.h"
#include "math/quaternion.h"
#include "model/globals.h"

void MultPageTransform() {
  glTranslatef(g_fViewTranslate[0], g_fViewTranslate[1], g_fViewTranslate[2]);
  // The rotation of the normalised quaternion: for a unit quaternion the
  // turn by 2 acos(w) about (x, y, z), and a drifted one never scales.
  double rotation[16];
  QuatToRotationMatrix(ViewQuaternion, rotation);
  glMultMatrixd(rotation);
  glScalef(g_fViewScale, g_fViewScale, g_fViewScale);
}
