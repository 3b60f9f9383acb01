// Shared pieces of the view tests: a current page in the headless context,
// a program folder with fifteen small texture pictures, and GL feedback
// capture that tells what a drawing call really drew.
#pragma once
#include <GL/gl.h>

#include <QColor>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <array>
#include <memory>
#include <vector>

#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/globals.h"
#include "support/headless_gl.h"

// A folder holding Images/Img1.jpg ... Img15.jpg, 8 x 8 pixels of distinct
// flat colours, made once per test program.
inline const QString& PictureFolder() {
  static QTemporaryDir dir;
  static const bool made = [] {
    QDir(dir.path()).mkpath(QStringLiteral("Images"));
    for (int i = 1; i <= 15; ++i) {
      QImage picture(8, 8, QImage::Format_RGB32);
      picture.fill(QColor::fromHsv((i * 24) % 360, 255, 200));
      picture.save(QDir(dir.path()).filePath(QStringLiteral("Images/Img%1.jpg").arg(i)), "JPEG", 95);
    }
    return true;
  }();
  (void)made;
  static const QString path = dir.path();
  return path;
}

// What a drawing call sent down the pipeline, from GL feedback mode with
// colours: every vertex as x, y (window coordinates), z and its colour.
struct FeedbackVertex {
  float x, y, z;
  float rgba[4];
};
struct Captured {
  int points = 0, lines = 0, polygons = 0, bitmaps = 0;
  std::vector<FeedbackVertex> vertices;
  bool overflow = false;
};

template <class DrawFn>
Captured CaptureFeedback(DrawFn draw) {
  static std::vector<GLfloat> buffer(1 << 21);
  glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR, buffer.data());
  glRenderMode(GL_FEEDBACK);
  draw();
  const GLint count = glRenderMode(GL_RENDER);
  Captured out;
  if (count < 0) {
    out.overflow = true;
    return out;
  }
  auto vertex = [&](GLint& i) {
    FeedbackVertex v{buffer[i], buffer[i + 1], buffer[i + 2], {buffer[i + 3], buffer[i + 4], buffer[i + 5], buffer[i + 6]}};
    i += 7;
    out.vertices.push_back(v);
  };
  for (GLint i = 0; i < count;) {
    const GLint token = static_cast<GLint>(buffer[i++]);
    switch (token) {
      case GL_POINT_TOKEN: ++out.points; vertex(i); break;
      case GL_LINE_TOKEN:
      case GL_LINE_RESET_TOKEN: ++out.lines; vertex(i); vertex(i); break;
      case GL_POLYGON_TOKEN: {
        ++out.polygons;
        const GLint n = static_cast<GLint>(buffer[i++]);
        for (GLint k = 0; k < n; ++k) vertex(i);
        break;
      }
      case GL_BITMAP_TOKEN:
      case GL_DRAW_PIXEL_TOKEN:
      case GL_COPY_PIXEL_TOKEN: ++out.bitmaps; vertex(i); break;
      case GL_PASS_THROUGH_TOKEN: ++i; break;
      default: ADD_FAILURE() << "unknown feedback token " << token; return out;
    }
  }
  return out;
}

// The headless context with an empty current page, a projection of one GL
// unit per pixel around the origin and the client vertex array in place.
class PageGlTest : public HeadlessGlTest {
 protected:
  QSize ViewSize() const override { return {64, 64}; }
  void SetUp() override {
    HeadlessGlTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    page = std::make_unique<CGPage>();
    SetCurrentPage(page.get());
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-32, 32, -32, 32, -100, 100);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, g_pVertexArray);
  }

  CGVertex* AddPoint(float x, float y, float z) {
    auto* point = new CGVertex(page->m_nNextId++, page->m_nNextVertex++, page->GetNewName(1), x, y, z);
    page->m_cells.SetAt(point->m_nId, point);
    return point;
  }

  std::unique_ptr<CGPage> page;
};
