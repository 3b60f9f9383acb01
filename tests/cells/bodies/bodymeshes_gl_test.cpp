// The meshes of the ready-made bodies as GL feedback sees them, and a
// body's placement, clipping and 3D text drawn through its passes.
#include <GL/gl.h>
#include <GL/glu.h>

#include <array>
#include <cmath>

#include "../celldrawtestsupport.h"
#include "cells/solids/bodies/bodymeshes.h"
#include "cells/solids/bodies/cgsubassembly.h"

namespace KAVREL_FILE_LOCAL {

using Vec = std::array<double, 3>;
constexpr double kUnit = 10;  // pixels per body unit

double Length(const Vec& v) { return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]); }
Vec Sub(const Vec& a, const Vec& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
Vec Cross(const Vec& a, const Vec& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
double Dot(const Vec& a, const Vec& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

class BodyMeshes : public CellGlTest {
 protected:
  QSize ViewSize() const override { return {64, 64}; }
  void SetUp() override {
    CellGlTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    g_pQuadric = gluNewQuadric();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-32, 32, -32, 32, -100, 100);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
  }
  void TearDown() override {
    if (g_pQuadric) gluDeleteQuadric(g_pQuadric);
    g_pQuadric = nullptr;
    CellGlTest::TearDown();
  }
  // What `draw` sends, in body units (x, y, z of the body's own frame).
  template <class Fn>
  Captured Capture(Fn draw) {
    Captured c = CaptureFeedback([&] {
      glPushMatrix();
      glScaled(kUnit, kUnit, kUnit);
      draw();
      glPopMatrix();
    });
    EXPECT_FALSE(c.overflow);
    return c;
  }
  static Vec Body(const FeedbackVertex& v) {
    return {(v.x - 32) / kUnit, (v.y - 32) / kUnit, (0.5 - v.z) * 200 / kUnit};
  }
};

TEST_F(BodyMeshes, PolyhedraHaveTheirFacesOnTheirSphereFacingOut) {
  const struct Row {
    const char* name;
    void (*draw)(GLenum);
    GLenum primitive;
    int polygons, corners;
    double radius;
  } rows[] = {
      {"tetrahedron", DrawTetrahedron, GL_TRIANGLES, 4, 3, 1},
      {"octahedron", DrawOctahedron, GL_TRIANGLES, 8, 3, 1},
      {"icosahedron", DrawIcosahedron, GL_TRIANGLES, 20, 3, 1},
      {"dodecahedron", DrawDodecahedron, GL_POLYGON, 12, 5, std::sqrt(3.0)},
      {"cube", [](GLenum p) { DrawBox(p, 1); }, GL_QUADS, 6, 4, std::sqrt(0.75)},
  };
  for (const Row& r : rows) {
    const Captured c = Capture([&] { r.draw(r.primitive); });
    // The pipeline hands polygons on as triangles.
    ASSERT_EQ(c.triangles, r.polygons * (r.corners - 2)) << r.name;
    ASSERT_EQ(c.vertices.size(), size_t(3 * c.triangles)) << r.name;
    for (size_t f = 0; f < c.vertices.size(); f += 3) {
      Vec centre{0, 0, 0};
      for (size_t k = 0; k < 3; ++k) {
        const Vec v = Body(c.vertices[f + k]);
        EXPECT_NEAR(Length(v), r.radius, 1e-4) << r.name << " triangle " << f / 3;
        for (size_t i = 0; i < 3; ++i) centre[i] += v[i];
      }
      const Vec a = Body(c.vertices[f]), b = Body(c.vertices[f + 1]), d = Body(c.vertices[f + 2]);
      EXPECT_GT(Dot(Cross(Sub(b, a), Sub(d, b)), centre), 0) << r.name << " triangle " << f / 3;
    }
    const Captured wire = Capture([&] { r.draw(GL_LINE_LOOP); });
    EXPECT_EQ(wire.lines, r.polygons * r.corners) << r.name;
  }
}

TEST_F(BodyMeshes, TorusDiskAndSquareStayInTheirBounds) {
  const Captured torus = Capture([] { DrawTorus(0.2f, 1.0f); });
  EXPECT_EQ(torus.polygons, 36 * 12 * 2);
  for (const FeedbackVertex& f : torus.vertices) {
    const Vec v = Body(f);
    EXPECT_GE(std::hypot(v[0], v[1]), 0.8 - 1e-4);
    EXPECT_LE(std::hypot(v[0], v[1]), 1.2 + 1e-4);
    EXPECT_LE(std::fabs(v[2]), 0.2 + 1e-4);
  }
  const Captured disk = Capture([] { DrawQuadricDiskWire(1, 1, 8); });
  EXPECT_GT(disk.lines, 0);
  for (const FeedbackVertex& f : disk.vertices) EXPECT_NEAR(Length(Body(f)), 1, 1e-4);
  const Captured square = Capture([] { DrawSquare(GL_QUADS, 1); });
  EXPECT_EQ(square.triangles, 2);
  for (const FeedbackVertex& f : square.vertices) {
    const Vec v = Body(f);
    EXPECT_NEAR(std::fabs(v[0]), 1, 1e-4);
    EXPECT_NEAR(std::fabs(v[1]), 1, 1e-4);
    EXPECT_NEAR(v[2], 0, 1e-4);
  }
}

TEST_F(BodyMeshes, C60HasSixtyAtomsAndNinetyBondsOfOneLength) {
  const Captured atom = Capture([] { DrawQuadricSphereTextured(0.08, 9, 9); });
  const Captured bond = Capture([] {
    const float p[3] = {0, 0, 0}, q[3] = {0.3504874f, 0, 0};
    DrawBond(p, q, 0);
  });
  for (const FeedbackVertex& f : bond.vertices) {
    const Vec v = Body(f);
    EXPECT_GE(v[0], -1e-4);
    EXPECT_LE(v[0], 0.35 + 1e-4);
    EXPECT_NEAR(std::hypot(v[1], v[2]), 0.015, 1e-4);
  }
  glColor3f(1, 0, 0);
  const Captured c60 = Capture([] { DrawC60(0); });
  EXPECT_EQ(c60.polygons, 60 * atom.polygons + 90 * bond.polygons) << atom.polygons << " " << bond.polygons;
  int blue = 0;
  for (const FeedbackVertex& f : c60.vertices) blue += f.rgba[2] > 0.99f && f.rgba[0] < 0.01f ? 1 : 0;
  EXPECT_EQ(blue, 90 * int(bond.vertices.size()));
}

TEST_F(BodyMeshes, TeapotLeavesCounterClockwiseFrontFacesAndItsMirroredPatchesMeet) {
  glFrontFace(GL_CCW);
  const Captured pot = Capture([] { DrawTeapot(7, GL_FILL, 1); });
  EXPECT_EQ(pot.polygons, kTeapotNets * 7 * 7 * 2);
  GLint front = 0;
  glGetIntegerv(GL_FRONT_FACE, &front);
  EXPECT_EQ(front, GL_CCW);
  for (const FeedbackVertex& f : pot.vertices) EXPECT_LE(std::fabs(Body(f)[2]), 0.75 + 1e-3);
  // The quarters of a revolved patch share their seams, and so do the two
  // halves of the handle and of the spout.
  float p[4][4][3], q[4][4][3], r[4][4][3], s[4][4][3];
  auto same = [](const float* a, const float* b) { return a[0] == b[0] && a[1] == b[1] && a[2] == b[2]; };
  for (int patch = 0; patch < 6; ++patch) {
    TeapotNet(4 * patch, p), TeapotNet(4 * patch + 1, q), TeapotNet(4 * patch + 2, r), TeapotNet(4 * patch + 3, s);
    for (int i = 0; i < 4; ++i) {
      EXPECT_TRUE(same(p[i][0], q[i][3])) << patch << " " << i;
      EXPECT_TRUE(same(p[i][3], r[i][0])) << patch << " " << i;
      EXPECT_TRUE(same(q[i][0], s[i][3])) << patch << " " << i;
    }
    if (patch < 5) {
      TeapotNet(4 * patch + 4, q);
      for (int j = 0; j < 4; ++j) EXPECT_TRUE(same(p[3][j], q[0][j])) << "profile " << patch << " " << j;
    }
  }
  for (int half = 24; half < kTeapotNets; half += 2) {
    TeapotNet(half, p), TeapotNet(half + 1, q);
    for (int i = 0; i < 4; ++i) {
      EXPECT_TRUE(same(p[i][0], q[i][3])) << half << " " << i;
      EXPECT_TRUE(same(p[i][3], q[i][0])) << half << " " << i;
    }
  }
}

class BodyPlacement : public BodyMeshes {
 protected:
  CGSubassembly* Make(BYTE kind, float ax, float ay, float az, int clip = 0) {
    auto* body = new CGSubassembly(page->m_nNextId++, kind, 0, 0, 0, 0, 0, 0, 0, ax, ay, az, 0, 1, 1, 1, clip, 0,
                                   0, 1, 0, 0, -1, 0, 0);
    page->m_cells.SetAt(body->m_nId, body);
    return body;
  }
};

TEST_F(BodyPlacement, TheAxisTurnsTheBodysZAxis) {
  const struct Row {
    float axis[3];
    Vec tip;
  } rows[] = {{{1, 0, 0}, {1, 0, 0}}, {{0, 0, -2}, {0, 0, -1}}, {{0, 0, 5}, {0, 0, 1}}, {{0, 0, 0}, {0, -1, 0}}};
  for (const Row& r : rows) {
    CGSubassembly* cone = Make(8, r.axis[0], r.axis[1], r.axis[2]);
    const Captured c = Capture([&] { cone->DrawBody(false); });
    ASSERT_FALSE(c.vertices.empty());
    Vec tip{0, 0, 0};
    double best = -1e9;
    for (const FeedbackVertex& f : c.vertices) {
      const Vec v = Body(f);
      if (Dot(v, r.tip) > best) best = Dot(v, r.tip), tip = v;
    }
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(tip[size_t(k)], r.tip[size_t(k)], 1e-3) << r.axis[2] << " " << k;
  }
}

TEST_F(BodyPlacement, ClipModeThreeKeepsOneQuarterAndHiddenBodiesStayUnseen) {
  CGSubassembly* sphere = Make(10, 0, 0, 1, 3);
  const Captured c = Capture([&] { sphere->DrawBody(false); });
  ASSERT_FALSE(c.vertices.empty());
  for (const FeedbackVertex& f : c.vertices) {
    const Vec v = Body(f);
    EXPECT_GE(v[2], -1e-3);
    EXPECT_LE(v[1], 1e-3);
  }
  GLboolean enabled = GL_TRUE;
  glGetBooleanv(GL_CLIP_PLANE1, &enabled);
  EXPECT_FALSE(enabled);
  sphere->m_bHidden = 1;
  EXPECT_EQ(Capture([&] { sphere->DrawLit(); }).vertices.size(), 0u);
  EXPECT_TRUE(SelectNames([&] { sphere->DrawForPick(3); }).empty());
  sphere->m_bHidden = 0;
  EXPECT_EQ(SelectNames([&] { sphere->DrawForPick(2); }).size(), 0u);
  const Names hits = SelectNames([&] { sphere->DrawForPick(3); });
  ASSERT_EQ(hits.size(), 1u);
  EXPECT_EQ(hits[0], (std::vector<GLuint>{11, sphere->m_nId}));
  EXPECT_EQ(Capture([&] { sphere->DrawVisibleEdges(); }).vertices.size(), 0u);
}

TEST_F(BodyPlacement, ClippedBodyShowsTheSecondColourInside) {
  CGSubassembly* sphere = Make(10, 0, 0, 1, 3);
  sphere->m_vScale[0] = sphere->m_vScale[1] = sphere->m_vScale[2] = 25;
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_LIGHTING);
  glEnable(GL_COLOR_MATERIAL);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  // Seen from (0, 1, -1) of the body, through the open part, onto the
  // inside of the quarter kept.
  glLoadIdentity();
  glRotatef(135, 1, 0, 0);
  g_bOwnColors = 1;
  sphere->DrawLit();
  glDisable(GL_LIGHTING);
  const QImage image = gl.ReadPixels();
  int grey = 0;
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      const QRgb c = image.pixel(x, y);
      grey += std::abs(qRed(c) - qGreen(c)) < 12 && std::abs(qGreen(c) - qBlue(c)) < 12 && qRed(c) < 235 ? 1 : 0;
    }
  EXPECT_GT(grey, 50);
}

TEST_F(BodyPlacement, ATextShowsAtMostSixteenCharacters) {
  CGSubassembly* text = Make(0, 0, 0, 1);
  text->m_strName = QString(20, QChar('A'));
  text->m_bLabelStale = true;
  text->DrawBody(false);
  EXPECT_FALSE(text->m_bLabelStale);
  EXPECT_EQ(text->m_strLabelLists.size(), 16);
  EXPECT_NE(text->m_dwParam3, 0u);
  GLint front = 0;
  glGetIntegerv(GL_FRONT_FACE, &front);
  EXPECT_EQ(front, GL_CCW);
}

}  // namespace
