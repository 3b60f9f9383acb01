// Model files written by our own 3DS writer into a temporary folder, and
// model cells made from them with the seams recorded.
#pragma once
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <memory>

#include "cells/solids/model3ds/cgmodel3ds.h"
#include "support/recorders.h"
#include "support/writer3ds.h"

class ModelFiles {
 public:
  QString Write(const QString& name, const QByteArray& bytes) const {
    const QString path = QDir(folder.path()).filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
  }
  // A picture of one colour.
  QString Picture(const QString& name, QRgb colour) const {
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(colour);
    const QString path = QDir(folder.path()).filePath(name);
    EXPECT_TRUE(picture.save(path, "PNG"));
    return path;
  }
  std::unique_ptr<CGModel3ds> Model(const QString& path, BYTE mode = CGModel3ds::kLit) const {
    return std::make_unique<CGModel3ds>(WORD(1), path, mode);
  }

  QTemporaryDir folder;
};

inline Material3dsSpec ModelMaterial(const std::string& name, std::uint8_t r, std::uint8_t g, std::uint8_t b,
                                     const std::string& texture = {}) {
  Material3dsSpec m;
  m.name = name;
  m.rgb[0] = r, m.rgb[1] = g, m.rgb[2] = b;
  m.texture = texture;
  return m;
}

// A flat rectangle (two triangles) from (x0, y0) to (x1, y1) in z = 0,
// facing +z, wearing `material`.
inline Mesh3dsSpec FlatRectangle(const std::string& name, float x0, float y0, float x1, float y1,
                                 const std::string& material = {}) {
  Mesh3dsSpec mesh;
  mesh.name = name;
  mesh.vertices = {x0, y0, 0, x1, y0, 0, x1, y1, 0, x0, y1, 0};
  mesh.uv = {0, 0, 1, 0, 1, 1, 0, 1};
  mesh.faces = {0, 1, 2, 0, 2, 3};
  mesh.material = material;
  mesh.materialList = !material.empty();
  return mesh;
}
