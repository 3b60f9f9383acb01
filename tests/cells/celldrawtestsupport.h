// A headless GL context set up as the view sets up its own (depth test,
// standard dash pattern, polygon offset, blending, one light, colour
// material), with a page of cells drawn in pixel units: one world unit is
// one pixel, the origin at the bottom left, larger z nearer the viewer.
#pragma once
#include <GL/gl.h>
#include <GL/glu.h>

#include <memory>
#include <vector>

#include "cells/cellclasses.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgline.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/modelclasses.h"
#include "render/glresources.h"
#include "support/feedback.h"
#include "support/headless_gl.h"

// Pixel tests for the colours the drawing tests paint with.
inline bool IsGreen(QRgb c) { return qGreen(c) > 90 && qRed(c) < 70 && qBlue(c) < 70; }
inline bool IsWhite(QRgb c) { return qRed(c) > 240 && qGreen(c) > 240 && qBlue(c) > 240; }

// GL_SELECT over a 3 x 3 pixel window around (x, y) in window coordinates.
inline Names Pick(CGCell& cell, int mode, int x, int y, int width, int height) {
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPickMatrix(x + 0.5, y + 0.5, 3, 3, viewport);
  glOrtho(0, width, 0, height, -100, 100);
  glMatrixMode(GL_MODELVIEW);
  return SelectNames([&] { cell.DrawForPick(mode); });
}

// A 2 x 2 RGB picture, the bottom row first.
inline GLuint MakePicture(const GLubyte (&texels)[12]) {
  GLuint texture = 0;
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 2, 2, 0, GL_RGB, GL_UNSIGNED_BYTE, texels);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glBindTexture(GL_TEXTURE_2D, 0);
  return texture;
}

// Red, green along the bottom row, blue, yellow above.
inline GLuint MakePicture() {
  const GLubyte texels[] = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 0};
  return MakePicture(texels);
}

class CellGlTest : public HeadlessGlTest {
 protected:
  void SetUp() override {
    HeadlessGlTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    RegisterModelClasses();
    RegisterCellClasses();
    page = std::make_unique<CGPage>();
    SetCurrentPage(page.get());
    g_nAxesMode = 0;
    g_prefs.fLineWidth = 1.0f;  // new cells take it: crisp one-pixel lines
    ViewState();
    PixelProjection();
  }

  void TearDown() override { page.reset(); }

  void ViewState() {
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glColor4f(0, 0, 1, 1);
    glLineStipple(1, 0x03FF);
    glShadeModel(GL_FLAT);
    glClearDepth(1);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glLineWidth(1.0f);
    glPolygonOffset(1.6f, 1.0f);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_NORMALIZE);
    const GLfloat ambient[] = {0.2f, 0.2f, 0.2f, 1};
    const GLfloat diffuse[] = {0.8f, 0.8f, 0.8f, 1};
    const GLfloat specular[] = {1, 1, 1, 1};
    const GLfloat position[] = {200, 100, 300, 1};
    const GLfloat materialSpecular[] = {0.5f, 0.5f, 0.5f, 1};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT0, GL_SPECULAR, specular);
    glLightfv(GL_LIGHT0, GL_POSITION, position);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_TRUE);
    glEnable(GL_LIGHT0);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, materialSpecular);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 40.0f);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
  }

  // The projection the drawing passes and the arrowheads read back.
  void PixelProjection() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, gl.Width(), 0, gl.Height(), -100, 100);
    glGetDoublev(GL_PROJECTION_MATRIX, g_dProjection);
    glGetIntegerv(GL_VIEWPORT, g_nViewport);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
  }

  // The vertex array as the view hands it to GL before drawing.
  static void UseVertexArray() {
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, g_pVertexArray);
  }

  // A point that does not draw itself (so it cannot cover what is tested).
  CGVertex* Point(float x, float y, float z) {
    auto* point = new CGVertex(page->m_nNextId++, page->m_nNextVertex++, page->GetNewName(1), x, y, z);
    point->m_bHidden = 1;
    point->m_bLabelHidden = 1;
    page->m_cells.SetAt(point->m_nId, point);
    return point;
  }

  CGLine* Line(float x0, float y0, float z0, float x1, float y1, float z1, BYTE kind, BYTE style) {
    const WORD a = Point(x0, y0, z0)->m_nId;
    const WORD b = Point(x1, y1, z1)->m_nId;
    auto* line = new CGLine(page->m_nNextId++, a, b, kind);
    line->m_nStyle = style;
    page->m_cells.SetAt(line->m_nId, line);
    return line;
  }

  // An axis-aligned rectangle in plane z, corners counter-clockwise as seen
  // from the viewer (front side towards it) unless `reversed`.
  CGFace* Rect(float x0, float y0, float x1, float y1, float z, BYTE style, RGBA colour,
               bool reversed = false) {
    std::vector<WORD> ids = {Point(x0, y0, z)->m_nId, Point(x1, y0, z)->m_nId,
                             Point(x1, y1, z)->m_nId, Point(x0, y1, z)->m_nId};
    if (reversed) std::swap(ids[1], ids[3]);
    auto* face = new CGFace(page->m_nNextId++, ids, 0);
    face->m_nStyle = style;
    face->m_rgbaColor = colour;
    page->m_cells.SetAt(face->m_nId, face);
    return face;
  }

  // The pixel at window coordinates (x up from the bottom).
  QRgb At(const QImage& image, int x, int y) const { return image.pixel(x, gl.Height() - 1 - y); }

  std::unique_ptr<CGPage> page;
};
