// The shipped 3DS models of assets/Models: the committed files are exactly
// what tools/makemodels writes, they are copied beside the program, and
// each loads as a model with its textures and no message.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "cells/solids/model3ds/cgmodel3ds.h"
#include "makemodels/shippedmodels.h"
#include "support/recorders.h"

namespace KAVREL_FILE_LOCAL {

const QDir kCommitted(QStringLiteral(KAVREL_SOURCE_DIR "/assets/Models"));

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(ShippedModels, CommittedModelsAreWhatTheGeneratorWrites) {
  QTemporaryDir fresh;
  QString failed;
  ASSERT_TRUE(WriteShippedModels(fresh.path(), &failed)) << failed.toStdString();
  const QStringList written = QDir(fresh.path()).entryList(QDir::Files, QDir::Name);
  EXPECT_EQ(kCommitted.entryList(QDir::Files, QDir::Name), written);
  const QDir besideProgram(QCoreApplication::applicationDirPath() + QStringLiteral("/../Models"));
  for (const QString& name : written) {
    const QByteArray bytes = FileBytes(QDir(fresh.path()).filePath(name));
    EXPECT_EQ(FileBytes(kCommitted.filePath(name)), bytes)
        << name.toStdString() << " differs: run build/makemodels assets/Models and commit what it writes";
    EXPECT_EQ(FileBytes(besideProgram.filePath(name)), bytes) << name.toStdString() << " beside the program";
  }
}

TEST(ShippedModels, EachLoadsWithItsTexturesAndNoMessage) {
  const struct {
    const char* file;
    int objects, materials, faces, textured;
  } rows[] = {{"cube.3ds", 1, 1, 12, 1}, {"house.3ds", 6, 5, 66, 0}, {"icosahedron.3ds", 1, 1, 20, 0}};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.file);
    SeamRecorders seams;
    const CGModel3ds model(1, kCommitted.filePath(QString::fromLatin1(r.file)), CGModel3ds::kLit);
    EXPECT_TRUE(model.m_bDefined);
    EXPECT_TRUE(seams.notifier->shown.empty());
    EXPECT_EQ(model.Model.objectCount, r.objects);
    EXPECT_EQ(model.Model.materialCount, r.materials);
    EXPECT_EQ(model.Model.FaceTotal(), r.faces);
    int textured = 0;
    for (const ModelRun3ds& run : model.Mesh().runs) textured += run.texture >= 0;
    EXPECT_EQ(textured, r.textured);
  }
}

}  // namespace
