// The sample documents of assets/Samples: the committed files are exactly
// what tools/makesamples writes, and each loads as the construction it
// shows, the textured face with a picture the program ships.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cmath>
#include <map>

#include "app/classregistration.h"
#include "cells/primitives/cgarc.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgline.h"
#include "cells/primitives/cgverfreeincircle.h"
#include "cells/primitives/cgverfreeinline.h"
#include "makesamples/sampledocuments.h"
#include "model/cgpage.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "support/recorders.h"

namespace KAVREL_FILE_LOCAL {

const QDir kCommitted(QStringLiteral(KAVREL_SOURCE_DIR "/assets/Samples"));

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class SamplesTest : public ::testing::Test {
 protected:
  SamplesTest() { RegisterAllClasses(); }
  SeamRecorders seams;
};

TEST_F(SamplesTest, CommittedSamplesAreWhatTheGeneratorWrites) {
  QTemporaryDir fresh;
  QString failed;
  ASSERT_TRUE(WriteSampleDocuments(fresh.path(), &failed)) << failed.toStdString();
  const QStringList written = QDir(fresh.path()).entryList(QDir::Files, QDir::Name);
  EXPECT_EQ(kCommitted.entryList(QDir::Files, QDir::Name), written);
  EXPECT_EQ(written.size(), static_cast<qsizetype>(SampleDocuments().size()));
  // The program finds them beside itself, as it finds its pictures.
  const QDir besideProgram(QCoreApplication::applicationDirPath() + QStringLiteral("/../Samples"));
  for (const QString& name : written) {
    const QByteArray bytes = FileBytes(QDir(fresh.path()).filePath(name));
    EXPECT_EQ(FileBytes(kCommitted.filePath(name)), bytes)
        << name.toStdString() << " differs: run build/makesamples assets/Samples and commit what it writes";
    EXPECT_EQ(FileBytes(besideProgram.filePath(name)), bytes) << name.toStdString() << " beside the program";
  }
}

float Distance(const float* a, const float* b) {
  return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
}

const float* PointPos(WORD id) {
  const CGCell* cell = g_pCurCells->Lookup(id);
  return cell && cell->IsKindOf(RUNTIME_CLASS(CGVertex)) ? static_cast<const CGVertex*>(cell)->m_vPos : nullptr;
}

TEST_F(SamplesTest, EachSampleLoadsAsItsConstruction) {
  const struct {
    const char* file;
    std::map<std::string, int> classes;  // cells of each class
    int pictured;                        // faces wearing a picture
  } cases[] = {
      {"正方体与面对角线.kv", {{"CGVerFreeXyz", 8}, {"CGLine", 13}, {"CGFace", 6}}, 1},
      {"四面体与棱的中点.kv", {{"CGVerFreeXyz", 4}, {"CGLine", 6}, {"CGFace", 4}, {"CGVerFreeInLine", 6}}, 0},
      {"圆上的点.kv", {{"CGVerFreeXyz", 3}, {"CGArcCenterP", 1}, {"CGVerFreeInCircle", 2}, {"CGLine", 4}}, 0},
  };
  ASSERT_EQ(std::size(cases), SampleDocuments().size());
  for (const auto& c : cases) {
    const QString path = kCommitted.filePath(QString::fromUtf8(c.file));
    CKavrelDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path, true)) << c.file;
    EXPECT_TRUE(seams.notifier->shown.empty()) << c.file;
    EXPECT_FALSE(doc.IsModified()) << c.file << " carries the header";
    ASSERT_EQ(doc.m_pages.size(), 1u) << c.file;
    std::map<std::string, int> classes;
    int pictured = 0;
    for (auto [id, cell] : doc.m_pages.front()->m_cells) {
      ++classes[cell->GetRuntimeClass()->m_lpszClassName];
      EXPECT_TRUE(cell->m_bDefined) << c.file << ": " << cell->m_strName.toStdString();
      if (const auto* line = dynamic_cast<const CGVerFreeInLine*>(cell)) {
        // Bound points sit where their parameter puts them on the edge.
        const CGCell* edge = g_pCurCells->Lookup(line->m_parents[0]);
        const float *a = PointPos(edge->m_parents[0]), *b = PointPos(edge->m_parents[1]);
        for (int i = 0; i < 3; ++i)
          EXPECT_FLOAT_EQ(line->m_vPos[i], a[i] + line->m_fValue * (b[i] - a[i])) << c.file << " " << i;
        EXPECT_FLOAT_EQ(line->m_fValue, 0.5f) << c.file << ": midpoints";
      }
      if (const auto* onCircle = dynamic_cast<const CGVerFreeInCircle*>(cell)) {
        const auto* circle = static_cast<const CGArc*>(g_pCurCells->Lookup(onCircle->m_parents[0]));
        EXPECT_NEAR(Distance(onCircle->m_vPos, circle->Center), 5.0f, 1e-5f) << c.file;
      }
      if (const auto* face = dynamic_cast<const CGFace*>(cell); face && face->Picture() != 0) {
        ++pictured;
        EXPECT_EQ(face->Picture(), kSampleCubePicture) << c.file;
        EXPECT_EQ(face->m_nStyle, kFaceLit) << c.file << ": drawn with its picture";
        const QString picture = QStringLiteral(KAVREL_SOURCE_DIR "/assets/Images/Img%1.jpg").arg(face->Picture());
        EXPECT_FALSE(QImage(picture).isNull()) << picture.toStdString();
      }
    }
    EXPECT_EQ(classes, c.classes) << c.file;
    EXPECT_EQ(pictured, c.pictured) << c.file;
  }
}

}  // namespace
