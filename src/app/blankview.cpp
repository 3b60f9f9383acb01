#include "app/blankview.h"

#include <GL/gl.h>

#include "app/viewformat.h"
#include "model/globals.h"

BlankView::BlankView(QWidget* parent) : QOpenGLWidget(parent) { setFormat(ViewSurfaceFormat()); }

void BlankView::paintGL() {
  const auto& bg = g_prefs.background;
  glClearColor(bg[0], bg[1], bg[2], bg[3]);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
}
