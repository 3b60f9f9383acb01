// Shared pieces of the view tests: a current page in the headless context
// and a program folder with fifteen small texture pictures.
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
#include "support/feedback.h"
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
