// A document of texts and pictures opened by the program on a real display
// (xvfb): the view shows them at their anchors, and saving it again writes
// the same bytes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/classregistration.h"
#include "app/kavrelapp.h"
#include "app/mainwindow.h"
#include "cells/texts/cgtextbit.h"
#include "cells/texts/cgtextmap.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/document/docservices.h"
#include "render/projection.h"
#include "support/recorders.h"
#include "view/kavrelview.h"

namespace {

template <class T>
T* Put(CGPage& page, T* cell, float x, float y) {
  cell->m_nId = page.m_nNextId++;
  cell->m_vLabelAnchor[0] = x, cell->m_vLabelAnchor[1] = y;
  page.m_cells.SetAt(cell->m_nId, cell);
  return cell;
}

TEST(TextDocument, OpensShowsTextsAndPicturesAndSavesTheSameBytes) {
  SeamRecorders seams;
  QTemporaryDir folder;
  RegisterAllClasses();
  const QString path = folder.filePath(QStringLiteral("texts.kv"));
  {  // A caption, a mask, a picture (left half red) and a text following point A.
    CKavrelDoc doc;
    doc.OnNewDocument();
    CGPage& page = *doc.m_pages.front();
    auto* caption = Put(page, new CGTmSingleline, 3, -3);
    caption->m_strValueText = QStringLiteral("7.25");
    caption->m_rgbaColor = RGBA{0, 0, 255, 255};
    Put(page, new CGTextbit(0, 32, 4, std::vector<BYTE>(16, 0xF0)), -8, -6);
    std::vector<BYTE> rgb(120 * 20);
    for (int i = 0; i < 800; ++i) rgb[i / 40 * 120 + i % 40 * 3 + (i % 40 < 20 ? 0 : 1)] = 255;
    Put(page, new CGTbImage(0, 40, 20, std::move(rgb)), -5, 2);
    auto* point = Put(page, new CGVertex(0, page.m_nNextVertex++, QStringLiteral("A"), 4, 4, 0), 4, 4);
    const WORD id = page.m_nNextId++;
    page.m_cells.SetAt(id, new CGTbHenchman(id, 8, 2, std::vector<BYTE>(8, 0xFF), point->m_nId));
    ASSERT_TRUE(doc.OnSaveDocument(path));
  }
  CAppEnvironment env;
  env.dataFolder = folder.filePath(QStringLiteral("data"));
  env.settingsFile = folder.filePath(QStringLiteral("settings.ini"));
  env.programFolder = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(".."));
  CKavrelApp app(env);
  ASSERT_TRUE(app.InitInstance({QStringLiteral("kavrel"), path}));
  EXPECT_TRUE(DocumentServices().createImageCell) << "the picture command's cell";
  CKavrelView* view = app.MainWindow()->View();
  QApplication::processEvents();
  const QImage picture = view->grabFramebuffer();
  // Text-layer units to device pixels: 20 pixels a unit from the centre.
  const double k = 20 * view->devicePixelRatioF();
  const auto at = [&](double x, double y) {
    return picture.pixel(static_cast<int>(picture.width() / 2 + x * k), static_cast<int>(picture.height() / 2 - y * k));
  };
  EXPECT_EQ(at(-4.5, 2.5), qRgb(255, 0, 0));
  EXPECT_EQ(at(-3.5, 2.5), qRgb(0, 255, 0));
  int blue = 0;
  for (double x = 3; x < 8; x += 0.05)
    for (double y = -3; y < -1.5; y += 0.05) blue += at(x, y) == qRgb(0, 0, 255);
  EXPECT_GT(blue, 20) << "the caption above its anchor";
  const double* w = g_dWorldToText;  // set with the frame: point A's image lies at depth -50
  EXPECT_NEAR((w[2] * 4 + w[6] * 4 + w[14]) / (w[3] * 4 + w[7] * 4 + w[15]), -50, 1e-6);

  const QString again = folder.filePath(QStringLiteral("again.kv"));
  ASSERT_TRUE(app.Document().OnSaveDocument(again));
  QFile first(path), second(again);
  ASSERT_TRUE(first.open(QIODevice::ReadOnly) && second.open(QIODevice::ReadOnly));
  EXPECT_EQ(first.readAll(), second.readAll());
}

}  // namespace
