// The 3DS model cell without GL: how a new model is sized, what its mesh
// wears, where its textures are found, and that reading it again replaces
// what it held.
#include <gtest/gtest.h>

#include <QDir>
#include <cmath>

#include "model3dsfiles.h"

namespace KAVREL_FILE_LOCAL {

class Model3ds : public ::testing::Test {
 protected:
  SeamRecorders seams;
  ModelFiles files;
};

TEST_F(Model3ds, NewModelsAreSizedToADiagonalOf30OrKeepScale1) {
  Mesh3dsSpec point;
  point.name = "p";
  point.vertices = {1, 2, 3, 1, 2, 3, 1, 2, 3};
  point.faces = {0, 1, 2};
  const struct Row {
    const char* what;
    QByteArray bytes;
    bool defined;
    float scale;
  } rows[] = {
      // Diagonal sqrt(64 + 36 + 0) = 10: radius 5, scale 15 / 5.
      {"box diagonal 10", Write3ds({}, {FlatRectangle("r", -3, 1, 5, 7)}), true, 3.0f},
      {"a model that is one point", Write3ds({}, {point}), true, 1.0f},
      {"a file that fails to load", QByteArray("not a model"), false, 1.0f},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    const auto model = files.Model(files.Write(QStringLiteral("m.3ds"), r.bytes));
    EXPECT_EQ(model->m_bDefined, r.defined);
    EXPECT_EQ(model->Scale, r.scale);
    EXPECT_TRUE(std::isfinite(model->Scale));
    EXPECT_EQ(model->Position[0], 0.0f);
    EXPECT_EQ(model->Position[2], 0.0f);
    EXPECT_EQ(model->m_strName, QStringLiteral("m.3ds"));
    EXPECT_EQ(model->m_nStyle, CGModel3ds::kLit);
  }
  const auto model = files.Model(files.Write(QStringLiteral("box.3ds"), rows[0].bytes));
  EXPECT_EQ(model->BoxCentre[0], 1.0);
  EXPECT_EQ(model->BoxCentre[1], 4.0);
  EXPECT_EQ(model->Radius, 5.0);
  EXPECT_EQ(model->GetDescription(), QString::fromUtf8("3dsMax模型"));
}

TEST_F(Model3ds, TheDefaultModelStandsBelowTheOrigin) {
  const CGModel3ds model;
  EXPECT_EQ(model.Position[2], -10.0f);
  EXPECT_EQ(model.Scale, 1.0f);
  EXPECT_TRUE(model.FilePath.isEmpty());
}

TEST_F(Model3ds, ObjectsWearTheirMaterialsColourOrWhite) {
  const std::vector<Material3dsSpec> two = {ModelMaterial("red", 200, 10, 20), ModelMaterial("blue", 5, 6, 250)};
  const struct Row {
    const char* what;
    std::vector<Material3dsSpec> materials;
    Mesh3dsSpec mesh;
    int r, g, b;
  } rows[] = {
      {"an untextured material", two, FlatRectangle("o", 0, 0, 1, 1, "blue"), 5, 6, 250},
      {"a name matching no material", two, FlatRectangle("o", 0, 0, 1, 1, "green"), 255, 255, 255},
      {"no face material list: material 0", two, FlatRectangle("o", 0, 0, 1, 1), 200, 10, 20},
      {"a file without materials", {}, FlatRectangle("o", 0, 0, 1, 1, "red"), 255, 255, 255},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    const auto model = files.Model(files.Write(QStringLiteral("m.3ds"), Write3ds(row.materials, {row.mesh})));
    const ModelMesh3ds& mesh = model->Mesh();
    ASSERT_EQ(mesh.runs.size(), 1u);
    EXPECT_EQ(mesh.runs[0].texture, -1);
    ASSERT_EQ(mesh.vertices.size(), 6u);
    for (const ModelVertex3ds& v : mesh.vertices) {
      EXPECT_EQ(v.rgb[0], row.r);
      EXPECT_EQ(v.rgb[1], row.g);
      EXPECT_EQ(v.rgb[2], row.b);
    }
  }
  EXPECT_TRUE(seams.notifier->shown.empty());
}

TEST_F(Model3ds, ReadingAgainReplacesTheModelInsteadOfAddingToIt) {
  const auto model = files.Model(files.Write(QStringLiteral("m.3ds"), Write3ds({}, {Box3ds("b", 0, 0, 0, 1, 1, 1)})));
  model->ReadFiles();
  model->ReadFiles();
  EXPECT_EQ(model->Model.objectCount, 1);
  EXPECT_EQ(model->Model.objects.size(), 1u);
  EXPECT_EQ(model->Mesh().vertices.size(), 36u);
}

TEST_F(Model3ds, TexturesAreFoundBesideTheModelInAnyCaseAndEncoding) {
  files.Picture(QStringLiteral("WOOD.PNG"), qRgb(0, 200, 0));
  files.Picture(QString::fromUtf8("木纹.png"), qRgb(0, 0, 200));
  const std::string gbk = "\xC4\xBE\xCE\xC6.png";
  const std::vector<Material3dsSpec> materials = {
      ModelMaterial("case", 1, 1, 1, "wood.png"), ModelMaterial("gbk", 1, 1, 1, gbk),
      ModelMaterial("utf8", 1, 1, 1, "\xE6\x9C\xA8\xE7\xBA\xB9.png"),
      ModelMaterial("windows", 1, 1, 1, "C:\\textures\\Wood.png")};
  std::vector<Mesh3dsSpec> meshes;
  for (const char* name : {"case", "gbk", "utf8", "windows"}) meshes.push_back(FlatRectangle(name, 0, 0, 1, 1, name));
  const QString before = QDir::currentPath();
  const auto model = files.Model(files.Write(QStringLiteral("m.3ds"), Write3ds(materials, meshes)));
  EXPECT_TRUE(seams.notifier->shown.empty()) << seams.notifier->shown[0].text.toStdString();
  EXPECT_EQ(QDir::currentPath(), before);
  ASSERT_EQ(model->Mesh().runs.size(), 4u);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(model->Mesh().runs[i].texture, i) << i;
}

TEST_F(Model3ds, AMissingTextureIsSaidOnceAndTheModelStays) {
  const std::vector<Material3dsSpec> materials = {ModelMaterial("a", 9, 9, 9, "none1.png"),
                                                  ModelMaterial("b", 9, 9, 9, "none2.png")};
  const auto model = files.Model(files.Write(
      QStringLiteral("m.3ds"), Write3ds(materials, {FlatRectangle("a", 0, 0, 1, 1, "a"), FlatRectangle("b", 0, 0, 1, 1, "b")})));
  EXPECT_TRUE(model->m_bDefined);
  EXPECT_EQ(seams.notifier->Texts(),
            std::vector<QString>{QString::fromUtf8("纹理未能全部装入\n\n请检查文件位置及格式是否正确！")});
  // A textured object whose picture is missing is drawn white.
  EXPECT_EQ(model->Mesh().runs[0].texture, -1);
  EXPECT_EQ(model->Mesh().vertices[0].rgb[0], 255);
}

TEST_F(Model3ds, OnlyTheFirstHundredMaterialsGetTextures) {
  files.Picture(QStringLiteral("t.png"), qRgb(10, 20, 30));
  std::vector<Material3dsSpec> materials;
  for (int i = 0; i < 101; ++i) materials.push_back(ModelMaterial("m" + std::to_string(i), 7, 8, BYTE(i), "t.png"));
  const auto model = files.Model(files.Write(
      QStringLiteral("m.3ds"),
      Write3ds(materials, {FlatRectangle("first", 0, 0, 1, 1, "m0"), FlatRectangle("last", 0, 0, 1, 1, "m100")})));
  EXPECT_TRUE(seams.notifier->shown.empty());
  EXPECT_EQ(model->Model.materials[100].textureIndex, 100);
  EXPECT_EQ(model->Mesh().runs[0].texture, 0);
  EXPECT_EQ(model->Mesh().runs[1].texture, -1);
  EXPECT_EQ(model->Mesh().vertices[6].rgb[2], 100);
}

}  // namespace
