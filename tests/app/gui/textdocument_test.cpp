// A document of texts, pictures, formula texts and ink opened by the
// program on a real display (xvfb): the view shows them at their anchors,
// and saving it again, with or without the formulas' pictures, and opening
// that writes the same bytes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include "app/classregistration.h"
#include "app/gui/appenvironment.h"
#include "app/kavrelapp.h"
#include "app/mainwindow.h"
#include "cells/texts/cgtbvodtext.h"
#include "cells/texts/cgtextbit.h"
#include "cells/texts/cgtextmap.h"
#include "cells/texts/inkmarks.h"
#include "cells/texts/textlayer.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/document/docservices.h"
#include "render/projection.h"
#include "support/recorders.h"
#include "view/kavrelview.h"

namespace KAVREL_FILE_LOCAL {

const QString kFormula = QStringLiteral("<#><l><e>x+y</e></l></#>");

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
    // A red formula, a green one on A, and a blue stroke along y = -8.
    g_prefs.rgbaText = RGBA{255, 0, 0, 255};
    Put(page, new CGTbVodText(page.m_nNextId, kFormula, 0xFFFFFF, 0), -9, 5);
    g_prefs.rgbaText = RGBA{0, 160, 0, 255};
    Put(page, new CGTbMhc(page.m_nNextId, kFormula, 0xFFFFFF, point->m_nId), 0, 0)->Recalculate();
    g_rgbaInk = RGBA{0, 0, 255, 255};
    const float stroke[] = {-8, -8, 0, -2, -8, 0};
    Put(page, new CGInkmarks(page.m_nNextId, std::make_unique<CStroke>(2, stroke)), 0, 0);
    ASSERT_TRUE(doc.OnSaveDocument(path));
  }
  CKavrelApp app(TestAppEnvironment(folder));
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
  const auto count = [&](float x0, float y0, float x1, float y1, auto match) {
    int n = 0;
    for (float x = x0; x < x1; x += 0.05f)
      for (float y = y0; y < y1; y += 0.05f) n += match(at(x, y));
    return n;
  };
  float a[3] = {4, 4, 0}, m[3];
  ASSERT_TRUE(MapToTextLayer(a, m));
  EXPECT_GT(count(-9, 5, -6, 7, [](QRgb c) { return qRed(c) > 200 && qGreen(c) < 80; }), 20) << "the formula";
  EXPECT_EQ(count(-9, 5, -6, 7, [](QRgb c) { return qRed(c) < 200 && c != qRgb(255, 255, 255); }), 0)
      << "the page between its glyphs";
  EXPECT_GT(count(m[0], m[1], m[0] + 3, m[1] + 2, [](QRgb c) { return qGreen(c) > 120 && qRed(c) < 80; }), 20)
      << "the formula on A";
  EXPECT_GT(count(-7, -8.2f, -3, -7.8f, [](QRgb c) { return c == qRgb(0, 0, 255); }), 40) << "the stroke";

  // Saved again, then with the formulas' pictures, opened and saved again.
  const auto saved = [&](const char* name) {
    QFile file(folder.filePath(QString::fromUtf8(name)));
    return app.Document().OnSaveDocument(file.fileName()) && file.open(QIODevice::ReadOnly) ? file.readAll()
                                                                                              : QByteArray();
  };
  QFile first(path);
  ASSERT_TRUE(first.open(QIODevice::ReadOnly));
  const QByteArray plain = first.readAll();
  EXPECT_EQ(saved("again.kv"), plain);
  app.Document().m_bSaveVodPictures = 1;
  const QByteArray pictures = saved("pictures.kv");
  ASSERT_TRUE(app.Document().OnOpenDocument(folder.filePath(QStringLiteral("pictures.kv")), false));
  EXPECT_EQ(saved("pictures again.kv"), pictures);
  app.Document().m_bSaveVodPictures = 0;
  EXPECT_EQ(saved("plain again.kv"), plain) << "loaded pictures stored without them";
  qsizetype grown = 0;
  for (WORD id : {6, 7}) {
    const auto* text = static_cast<const CGTbVodText*>(g_pCurPage->m_cells.Lookup(id));
    grown += 8 + 4 * static_cast<qsizetype>(text->m_nWidth) * text->m_nHeight;
  }
  EXPECT_EQ(pictures.size(), plain.size() + grown) << "width, height and pixels of each formula";
}

}  // namespace
