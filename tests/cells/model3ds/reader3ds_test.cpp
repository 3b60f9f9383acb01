// The 3DS reader on files our own writer makes: one table of chunk layouts
// and what the scene holds after reading, one of broken files that must
// fail cleanly, and the normals.
#include <gtest/gtest.h>

#include <QBuffer>
#include <cmath>
#include <functional>
#include <limits>

#include "cells/solids/model3ds/reader3ds.h"
#include "support/recorders.h"
#include "support/writer3ds.h"

namespace KAVREL_FILE_LOCAL {

const QString kPath = QStringLiteral("/models/m.3ds");

struct Loaded {
  bool ok = false;
  std::vector<QString> messages;
};

Loaded Read(Scene3ds& scene, const QByteArray& bytes) {
  SeamRecorders seams;
  QByteArray copy = bytes;
  QBuffer buffer(&copy);
  buffer.open(QIODevice::ReadOnly);
  Loaded out;
  out.ok = C3dsReader().Load(scene, buffer, kPath);
  for (const ShownMessage& m : seams.notifier->shown) out.messages.push_back(m.caption + "|" + m.text);
  return out;
}

Mesh3dsSpec Triangle(const std::string& name, const std::string& material, bool list = true) {
  Mesh3dsSpec mesh;
  mesh.name = name;
  mesh.vertices = {0, 0, 0, 1, 0, 0, 0, 1, 0};
  mesh.faces = {0, 1, 2};
  mesh.material = material;
  mesh.materialList = list;
  return mesh;
}

const QString kWarning = QStringLiteral("Warning|This 3DS file is over version 3 so it may load incorrectly");

TEST(Reader3ds, LayoutsAndWhatTheSceneHolds) {
  // A diffuse colour stored as three floats (0x0010) instead of bytes.
  C3dsWriter floats;
  floats.Open(0x4D4D).Open(0xAFFF).Open(0xA000).Text("F").Close();
  floats.Open(0xA020).Open(0x0010).Float(0.5f).Float(0.25f).Float(1.0f).Close().Close().Close();
  // A texture coordinate list shorter than the vertex list.
  Mesh3dsSpec shortUv = Triangle("uv", "tex");
  shortUv.uv = {0, 0, 1, 0};
  Mesh3dsSpec fullUv = Triangle("uv", "plain");
  fullUv.uv = {0, 0, 1, 0, 0, 1};
  const struct Row {
    const char* what;
    QByteArray bytes;
    int objects, materials;
    std::vector<QString> messages;
    std::function<void(const Scene3ds&)> check;
  } rows[] = {
      {"main and version only", Write3ds({}, {}), 0, 0, {}, {}},
      {"version 4 warns and goes on", Write3ds({}, {Triangle("t", "", false)}, 4), 1, 0, {kWarning},
       [](const Scene3ds& s) { EXPECT_EQ(s.objects[0].faceCount, 1); }},
      {"no face material list keeps index 0",
       Write3ds({Material3ds("red", 255, 0, 0)}, {Triangle("t", "", false)}), 1, 1, {},
       [](const Scene3ds& s) { EXPECT_EQ(s.objects[0].materialIndex, 0); }},
      {"a list naming no material gives -1", Write3ds({Material3ds("red", 255, 0, 0)}, {Triangle("t", "blue")}), 1, 1,
       {}, [](const Scene3ds& s) { EXPECT_EQ(s.objects[0].materialIndex, -1); }},
      {"no materials at all: unchanged", Write3ds({}, {Triangle("t", "blue")}), 1, 0, {},
       [](const Scene3ds& s) { EXPECT_EQ(s.objects[0].materialIndex, 0); }},
      {"the second of two materials, byte-wise and case-sensitive",
       Write3ds({Material3ds("Wood", 1, 2, 3), Material3ds("wood", 4, 5, 6)}, {Triangle("t", "wood")}), 1, 2, {},
       [](const Scene3ds& s) {
         EXPECT_EQ(s.objects[0].materialIndex, 1);
         EXPECT_EQ(s.materials[1].colour[2], 6);
         EXPECT_STREQ(s.objects[0].name, "t");
       }},
      {"a material without a texture: not textured even with coordinates",
       Write3ds({Material3ds("plain", 9, 9, 9)}, {fullUv}), 1, 1, {},
       [](const Scene3ds& s) {
         EXPECT_FALSE(s.objects[0].textured);
         EXPECT_EQ(s.objects[0].texCoordCount, 3);
       }},
      {"a textured material; coordinates fewer than vertices are dropped",
       Write3ds({Material3ds("tex", 9, 9, 9, "wood.jpg")}, {shortUv}), 1, 1, {},
       [](const Scene3ds& s) {
         EXPECT_TRUE(s.objects[0].textured);
         EXPECT_STREQ(s.materials[0].textureFile, "wood.jpg");
         EXPECT_EQ(s.objects[0].texCoordCount, 0);
         EXPECT_TRUE(s.objects[0].texCoords.empty());
       }},
      {"a colour as floats gives the first float's first bytes", floats.Bytes(), 0, 1, {},
       [](const Scene3ds& s) {
         // 0.5f is 00 00 00 3F.
         EXPECT_EQ(s.materials[0].colour[0], 0x00);
         EXPECT_EQ(s.materials[0].colour[1], 0x00);
         EXPECT_EQ(s.materials[0].colour[2], 0x00);
         EXPECT_STREQ(s.materials[0].name, "F");
       }},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    Scene3ds scene;
    const Loaded loaded = Read(scene, r.bytes);
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.messages, r.messages);
    EXPECT_EQ(scene.objectCount, r.objects);
    EXPECT_EQ(int(scene.objects.size()), r.objects);
    EXPECT_EQ(scene.materialCount, r.materials);
    if (r.objects == 0) {
      for (const Object3ds& o : scene.objects) EXPECT_TRUE(o.normals.empty());
    }
    if (r.check) r.check(scene);
  }
}

TEST(Reader3ds, LoadingTwiceAppendsAndFindsTheEarliestMaterial) {
  Scene3ds scene;
  const QByteArray first = Write3ds({Material3ds("m", 10, 0, 0)}, {Triangle("a", "m")});
  const QByteArray second = Write3ds({Material3ds("m", 20, 0, 0)}, {Triangle("b", "m")});
  ASSERT_TRUE(Read(scene, first).ok);
  ASSERT_TRUE(Read(scene, second).ok);
  EXPECT_EQ(scene.objectCount, 2);
  EXPECT_EQ(scene.materialCount, 2);
  EXPECT_EQ(scene.objects[1].materialIndex, 0);
  EXPECT_EQ(scene.objects[1].normals.size(), 9u);
}

TEST(Reader3ds, BrokenFilesFailWithTheMessageAndLeaveTheSceneAsItWas) {
  const QString notA3ds = QStringLiteral("错误|/models/m.3ds 不是3ds文件!");
  const QByteArray good = Write3ds({Material3ds("m", 1, 2, 3)}, {Triangle("t", "m")});
  C3dsWriter longName;
  longName.Open(0x4D4D).Open(0x4000).Text(std::string(300, 'n')).Close();
  C3dsWriter tooMany;  // 65535 vertices claimed in a 20-byte chunk
  tooMany.Open(0x4D4D).Open(0x4000).Text("o").Open(0x4110).Word(65535).Raw(QByteArray(12, '\0'));
  C3dsWriter shortHeader;  // a sub-chunk claiming 5 bytes
  shortHeader.Open(0x4D4D).Header(0x1234, 5).Raw("abcd");
  C3dsWriter overlong;  // a sub-chunk longer than its parent
  overlong.Open(0x4D4D).Header(0x1234, 100).Raw(QByteArray(20, '\0'));
  C3dsWriter nameWithoutEnd;
  nameWithoutEnd.Open(0x4D4D).Open(0x4000).Raw("abc").Close();
  C3dsWriter deep;
  deep.Open(0x4D4D);
  deep.Open(0x4000).Text("");
  for (int i = 0; i < 200; ++i) deep.Open(0x4100);
  const struct Row {
    const char* what;
    QByteArray bytes;
    bool ok;
  } rows[] = {
      {"not a main chunk", QByteArray("\x4E\x4D\x06\0\0\0", 6), false},
      {"empty", QByteArray(), false},
      {"cut inside a header", good.left(good.size() - 3), false},
      {"bytes after the main chunk are not read", good + QByteArray("junk"), true},
      {"truncated by one byte", good.left(good.size() - 1), false},
      {"a chunk shorter than its header", shortHeader.Bytes(), false},
      {"a chunk longer than its parent", overlong.Bytes(), false},
      {"a count past the chunk, refused before allocating", tooMany.Bytes(), false},
      {"a name with no end", nameWithoutEnd.Bytes(), false},
      {"nesting deeper than any model", deep.Bytes(), false},
      {"a 300-byte name is cut", longName.Bytes(), true},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    Scene3ds scene;
    ASSERT_TRUE(Read(scene, good).ok);
    const Loaded loaded = Read(scene, r.bytes);
    EXPECT_EQ(loaded.ok, r.ok);
    if (!r.ok) {
      EXPECT_EQ(loaded.messages, std::vector<QString>{notA3ds});
      EXPECT_EQ(scene.objectCount, 1);
      EXPECT_EQ(scene.objects.size(), 1u);
      EXPECT_EQ(scene.materialCount, 1);
    }
  }
  Scene3ds scene;
  ASSERT_TRUE(Read(scene, longName.Bytes()).ok);
  EXPECT_EQ(std::string(scene.objects[0].name), std::string(254, 'n'));
}

TEST(Reader3ds, FacesNamingMissingVerticesAreDropped) {
  Mesh3dsSpec mesh = Triangle("t", "", false);
  mesh.faces = {0, 1, 2, 0, 1, 3, 2, 1, 65535};
  Scene3ds scene;
  ASSERT_TRUE(Read(scene, Write3ds({}, {mesh})).ok);
  EXPECT_EQ(scene.objects[0].faceCount, 1);
  EXPECT_EQ(scene.objects[0].faces, (std::vector<std::uint32_t>{0, 1, 2}));
}

TEST(Reader3ds, MissingFileSaysSo) {
  SeamRecorders seams;
  Scene3ds scene;
  EXPECT_FALSE(C3dsReader().Load(scene, QStringLiteral("/nonexistent/x.3ds")));
  ASSERT_EQ(seams.notifier->shown.size(), 1u);
  EXPECT_EQ(seams.notifier->shown[0].text, QStringLiteral("文件 /nonexistent/x.3ds 未找到！\n"));
  EXPECT_EQ(seams.notifier->shown[0].caption, QStringLiteral("错误"));
}

TEST(Reader3ds, CubeNormalsAreUnitAndPointOut) {
  Scene3ds scene;
  ASSERT_TRUE(Read(scene, Write3ds({}, {Box3ds("cube", 0, 0, 0, 10, 10, 10)})).ok);
  const Object3ds& cube = scene.objects[0];
  ASSERT_EQ(cube.vertexCount, 24);
  for (int v = 0; v < cube.vertexCount; ++v) {
    const float* n = &cube.normals[v * 3];
    const float* p = &cube.vertices[v * 3];
    EXPECT_NEAR(std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]), 1.0, 1e-6);
    // Each side's corners carry the side's own outward normal.
    float outward = 0;
    for (int k = 0; k < 3; ++k) outward += n[k] * (p[k] - 5);
    EXPECT_NEAR(outward, 5.0, 1e-4) << "vertex " << v;
  }
}

TEST(Reader3ds, NormalsAverageTheFacesOfAVertexAndAFaceNamingItTwiceAddsNothing) {
  Mesh3dsSpec mesh;
  mesh.name = "m";
  mesh.vertices = {0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 2};
  // Face 0 in z = 0 gives +z, face 2 in x = 0 gives +x; face 1 names vertex
  // 2 twice and has no area.
  mesh.faces = {0, 1, 2, 2, 2, 1, 0, 2, 3};
  mesh.materialList = false;
  Scene3ds scene;
  ASSERT_TRUE(Read(scene, Write3ds({}, {mesh})).ok);
  const std::vector<float>& n = scene.objects[0].normals;
  const float s = 1 / std::sqrt(2.0f);
  const struct {
    int vertex;
    float x, y, z;
  } rows[] = {{0, s, 0, s}, {1, 0, 0, 1}, {2, s, 0, s}, {3, 1, 0, 0}};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.vertex);
    EXPECT_NEAR(n[r.vertex * 3], r.x, 1e-6);
    EXPECT_NEAR(n[r.vertex * 3 + 1], r.y, 1e-6);
    EXPECT_NEAR(n[r.vertex * 3 + 2], r.z, 1e-6);
  }
}

}  // namespace
