#include "render/viewlight.h"

#include <GL/gl.h>

#include "render/viewglobals.h"

void ApplyLight0(const CDisplayPrefs& prefs) {
  glLightfv(GL_LIGHT0, GL_AMBIENT, prefs.lightAmbient.data());
  glLightfv(GL_LIGHT0, GL_DIFFUSE, prefs.lightDiffuse.data());
  glLightfv(GL_LIGHT0, GL_SPECULAR, prefs.lightSpecular.data());
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  glLightfv(GL_LIGHT0, GL_POSITION, prefs.lightPosition.data());
  glPopMatrix();
}

void ApplyDrawingDefaults(const CDisplayPrefs& prefs, const float* background) {
  glLineWidth(prefs.fLineWidth);
  glPointSize(prefs.fPointSize);
  ApplyLight0(prefs);
  glClearColor(background[0], background[1], background[2], 1);
}
