#include "shippedmodels.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>

#include "support/writer3ds.h"

namespace {

Mesh3dsSpec Wearing(Mesh3dsSpec mesh, const std::string& material) {
  mesh.material = material;
  return mesh;
}

// A checkerboard of 8 x 8 squares, 64 pixels wide, as a 24-bit bitmap.
QByteArray CheckerPicture() {
  QImage picture(64, 64, QImage::Format_RGB888);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x)
      picture.setPixel(x, y, ((x / 8 + y / 8) % 2) ? qRgb(32, 64, 160) : qRgb(240, 220, 120));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  picture.save(&buffer, "BMP");
  return bytes;
}

// A gable roof over x -4.5..4.5, its ridge along x at height 6.5.
Mesh3dsSpec Roof() {
  Mesh3dsSpec roof;
  roof.name = "roof";
  roof.vertices = {-4.5f, -3.5f, 3.8f, 4.5f, -3.5f, 3.8f, 4.5f, 0, 6.5f,
                   -4.5f, 0,     6.5f, 4.5f, 3.5f,  3.8f, -4.5f, 3.5f, 3.8f};
  roof.faces = {0, 1, 2, 0, 2, 3, 4, 5, 3, 4, 3, 2, 1, 4, 2, 5, 0, 3};
  return roof;
}

QByteArray House() {
  const std::vector<Material3dsSpec> materials = {
      Material3ds("wall", 230, 210, 170), Material3ds("roof", 170, 40, 30), Material3ds("door", 110, 70, 30),
      Material3ds("glass", 140, 190, 230), Material3ds("chimney", 120, 120, 120)};
  return Write3ds(materials, {Wearing(Box3ds("walls", -4, -3, 0, 4, 3, 4), "wall"), Wearing(Roof(), "roof"),
                              Wearing(Box3ds("door", -0.8f, -3.1f, 0, 0.8f, -2.9f, 2.6f), "door"),
                              Wearing(Box3ds("window1", -3.2f, -3.1f, 1.6f, -1.8f, -2.9f, 3), "glass"),
                              Wearing(Box3ds("window2", 1.8f, -3.1f, 1.6f, 3.2f, -2.9f, 3), "glass"),
                              Wearing(Box3ds("chimney", 2, 0.8f, 4.5f, 3, 1.8f, 7), "chimney")});
}

}  // namespace

std::vector<std::pair<QString, QByteArray>> ShippedModelFiles() {
  return {
      {QStringLiteral("checker.bmp"), CheckerPicture()},
      {QStringLiteral("cube.3ds"),
       Write3ds({Material3ds("checker", 255, 255, 255, "checker.bmp")}, {Wearing(Box3ds("cube", -5, -5, -5, 5, 5, 5), "checker")})},
      {QStringLiteral("house.3ds"), House()},
      {QStringLiteral("icosahedron.3ds"),
       Write3ds({Material3ds("blue", 40, 110, 220)}, {Wearing(Icosahedron3ds("icosahedron", 6), "blue")})},
  };
}

bool WriteShippedModels(const QString& folder, QString* failed) {
  for (const auto& [name, bytes] : ShippedModelFiles()) {
    QFile file(QDir(folder).filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
      if (failed) *failed = file.fileName();
      return false;
    }
  }
  return true;
}
