#include "cells/solids/bodies/bodymeshes.h"

#include <GL/glu.h>

#include <cmath>
#include <initializer_list>

#include "render/glresources.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kQuadricSlices = 24;

// The quadric forms: filled ones generate texture coordinates for the call.
bool FillQuadric() {
  if (!g_pQuadric) return false;
  gluQuadricDrawStyle(g_pQuadric, GLU_FILL);
  gluQuadricNormals(g_pQuadric, GLU_SMOOTH);
  gluQuadricTexture(g_pQuadric, GL_TRUE);
  return true;
}
bool WireQuadric() {
  if (!g_pQuadric) return false;
  gluQuadricDrawStyle(g_pQuadric, GLU_LINE);
  gluQuadricNormals(g_pQuadric, GLU_SMOOTH);
  return true;
}
void EndFill() { gluQuadricTexture(g_pQuadric, GL_FALSE); }

constexpr float kT = 1.73205080756887729f;
constexpr float kTetraV[4][3] = {{kT, kT, kT}, {kT, -kT, -kT}, {-kT, kT, -kT}, {-kT, -kT, kT}};
constexpr int kTetraF[4][3] = {{0, 1, 3}, {2, 1, 0}, {3, 2, 0}, {1, 2, 3}};
constexpr float kOctaV[6][3] = {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}};
constexpr int kOctaF[8][3] = {{0, 4, 2}, {1, 2, 4}, {0, 3, 4}, {1, 4, 3}, {0, 2, 5}, {1, 5, 2}, {0, 5, 3}, {1, 3, 5}};
constexpr float kX = 0.525731112119133606f;
constexpr float kZ = 0.850650808352039932f;
constexpr float kIcoV[12][3] = {{-kX, 0, kZ}, {kX, 0, kZ}, {-kX, 0, -kZ}, {kX, 0, -kZ}, {0, kZ, kX}, {0, kZ, -kX},
                                {0, -kZ, kX}, {0, -kZ, -kX}, {kZ, kX, 0}, {-kZ, kX, 0}, {kZ, -kX, 0}, {-kZ, -kX, 0}};
constexpr int kIcoF[20][3] = {{0, 4, 1}, {0, 9, 4}, {9, 5, 4}, {4, 5, 8}, {4, 8, 1}, {8, 10, 1}, {8, 3, 10},
                              {5, 3, 8}, {5, 2, 3}, {2, 7, 3}, {7, 10, 3}, {7, 6, 10}, {7, 11, 6}, {11, 0, 6},
                              {0, 1, 6}, {6, 1, 10}, {9, 0, 11}, {9, 11, 2}, {9, 2, 5}, {7, 2, 11}};
constexpr int kIcoE[30][2] = {{0, 1}, {0, 4}, {0, 6},  {1, 4}, {1, 6},  {0, 9}, {0, 11}, {1, 8},  {1, 10}, {4, 9},
                              {6, 11}, {4, 8}, {6, 10}, {9, 11}, {8, 10}, {2, 3}, {2, 5},  {2, 7},  {3, 5},  {3, 7},
                              {2, 9}, {2, 11}, {3, 8}, {3, 10}, {5, 9},  {7, 11}, {5, 8}, {7, 10}, {4, 5},  {6, 7}};
constexpr int kDodecaF[12][5] = {{0, 1, 9, 16, 5},    {1, 0, 3, 18, 7},    {1, 7, 11, 10, 9},  {11, 7, 18, 19, 6},
                                 {8, 17, 16, 9, 10},  {2, 14, 15, 6, 19},  {2, 13, 12, 4, 14}, {2, 19, 18, 3, 13},
                                 {3, 0, 5, 12, 13},   {6, 15, 8, 10, 11},  {4, 17, 8, 15, 14}, {4, 12, 5, 16, 17}};
float g_dodecaV[20][3];
bool g_bDodecaReady = false;

struct BoxFace {
  int v[4];
  float n[3];
};
constexpr BoxFace kBoxFaces[6] = {{{0, 1, 2, 3}, {-1, 0, 0}}, {{3, 2, 6, 7}, {0, 1, 0}}, {{7, 6, 5, 4}, {1, 0, 0}},
                                  {{4, 5, 1, 0}, {0, -1, 0}}, {{5, 6, 2, 1}, {0, 0, 1}}, {{7, 4, 0, 3}, {0, 0, -1}}};

void Normalise(float v[3]) {
  const float l = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
  if (l > 0) v[0] /= l, v[1] /= l, v[2] /= l;
}

void Cross(const float a[3], const float b[3], float out[3]) {
  out[0] = a[1] * b[2] - a[2] * b[1];
  out[1] = a[2] * b[0] - a[0] * b[2];
  out[2] = a[0] * b[1] - a[1] * b[0];
}

template <std::size_t N>
void DrawTriangles(const float (*v)[3], const int (&faces)[N][3], GLenum primitive) {
  for (std::size_t i = N; i-- > 0;) DrawSubdividedTriangle(v[faces[i][0]], v[faces[i][1]], v[faces[i][2]], primitive);
}

// One face of the textured cube: colour, normal, then (s, t) and the corner
// in half edges for each of its four vertices.
struct TexturedFace {
  float colour[3];
  float normal[3];
  float v[4][5];
};
// Two faces per texture: 1 for z, 2 for y, 3 for x.
constexpr TexturedFace kTexturedFaces[6] = {
    {{1, 0, 1}, {0, 0, 1}, {{0, 0, -1, -1, 1}, {1, 0, 1, -1, 1}, {1, 1, 1, 1, 1}, {0, 1, -1, 1, 1}}},
    {{1, 0, 0}, {0, 0, -1}, {{1, 0, -1, -1, -1}, {1, 1, -1, 1, -1}, {0, 1, 1, 1, -1}, {0, 0, 1, -1, -1}}},
    {{0, 0, 1}, {0, 1, 0}, {{0, 1, -1, 1, -1}, {0, 0, -1, 1, 1}, {1, 0, 1, 1, 1}, {1, 1, 1, 1, -1}}},
    {{0, 1, 1}, {0, -1, 0}, {{1, 1, -1, -1, -1}, {0, 1, 1, -1, -1}, {0, 0, 1, -1, 1}, {1, 0, -1, -1, 1}}},
    {{1, 1, 0}, {1, 0, 0}, {{1, 0, 1, -1, -1}, {1, 1, 1, 1, -1}, {0, 1, 1, 1, 1}, {0, 0, 1, -1, 1}}},
    {{0, 1, 0}, {-1, 0, 0}, {{0, 0, -1, -1, -1}, {1, 0, -1, -1, 1}, {1, 1, -1, 1, 1}, {0, 1, -1, 1, -1}}},
};

void Mix(const float a[3], const float b[3], float out[3]) {  // (2a + b) / 3
  for (int k = 0; k < 3; ++k) out[k] = (2 * a[k] + b[k]) / 3;
}

}  // namespace

void DrawQuadricSphereWire(double radius, int slices, int stacks) {
  if (WireQuadric()) gluSphere(g_pQuadric, radius, slices, stacks);
}
void DrawQuadricSphereTextured(double radius, int slices, int stacks) {
  if (!FillQuadric()) return;
  gluSphere(g_pQuadric, radius, slices, stacks);
  EndFill();
}
void DrawQuadricConeWire(double base, double height, int stacks) {
  if (WireQuadric()) gluCylinder(g_pQuadric, base, 0, height, kQuadricSlices, stacks);
}
void DrawQuadricConeTextured(double base, double height, int slices, int stacks) {
  if (!FillQuadric()) return;
  gluCylinder(g_pQuadric, base, 0, height, slices, stacks);
  EndFill();
}
void DrawQuadricDiskWire(double inner, double outer, int loops) {
  if (WireQuadric()) gluDisk(g_pQuadric, inner, outer, kQuadricSlices, loops);
}
void DrawQuadricDiskTextured(double inner, double outer, int loops) {
  if (!FillQuadric()) return;
  gluDisk(g_pQuadric, inner, outer, kQuadricSlices, loops);
  EndFill();
}
void DrawQuadricCylinderWire(double base, double top, double height, int slices, int stacks) {
  if (WireQuadric()) gluCylinder(g_pQuadric, base, top, height, slices, stacks);
}
void DrawQuadricCylinderTextured(double base, double top, double height, int slices, int stacks) {
  if (!FillQuadric()) return;
  gluCylinder(g_pQuadric, base, top, height, slices, stacks);
  EndFill();
}

void DrawBox(GLenum primitive, float edge) {
  const float h = edge / 2;
  const float v[8][3] = {{-h, -h, -h}, {-h, -h, h}, {-h, h, h}, {-h, h, -h},
                         {h, -h, -h},  {h, -h, h},  {h, h, h},  {h, h, -h}};
  for (int i = 5; i >= 0; --i) {
    glBegin(primitive);
    glNormal3fv(kBoxFaces[i].n);
    for (int k : kBoxFaces[i].v) glVertex3fv(v[k]);
    glEnd();
  }
}

void DrawTexturedCube(float edge) {
  const float h = edge / 2;
  glEnable(GL_TEXTURE_2D);
  for (int texture = 0; texture < 3; ++texture) {
    glBindTexture(GL_TEXTURE_2D, g_nPictureTextures[texture]);
    glBegin(GL_QUADS);
    for (int f = 2 * texture; f < 2 * texture + 2; ++f) {
      const TexturedFace& face = kTexturedFaces[f];
      glColor3fv(face.colour);
      glNormal3fv(face.normal);
      for (const auto& v : face.v) glTexCoord2f(v[0], v[1]), glVertex3f(v[2] * h, v[3] * h, v[4] * h);
    }
    glEnd();
  }
  glDisable(GL_TEXTURE_2D);
}

void DrawSubdividedTriangle(const float a[3], const float b[3], const float c[3], GLenum primitive) {
  float A[3] = {a[0], a[1], a[2]}, B[3] = {b[0], b[1], b[2]}, C[3] = {c[0], c[1], c[2]};
  Normalise(A), Normalise(B), Normalise(C);
  const float ac[3] = {A[0] - C[0], A[1] - C[1], A[2] - C[2]};
  const float cb[3] = {C[0] - B[0], C[1] - B[1], C[2] - B[2]};
  float n[3];
  Cross(ac, cb, n);
  Normalise(n);
  glBegin(primitive);
  glNormal3fv(n);
  glVertex3fv(A);
  glVertex3fv(C);
  glVertex3fv(B);
  glEnd();
}

void DrawTetrahedron(GLenum primitive) { DrawTriangles(kTetraV, kTetraF, primitive); }
void DrawOctahedron(GLenum primitive) { DrawTriangles(kOctaV, kOctaF, primitive); }
void DrawIcosahedron(GLenum primitive) { DrawTriangles(kIcoV, kIcoF, primitive); }

void InitDodecahedron() {
  if (g_bDodecaReady) return;
  const double a = std::sqrt(2 / (3 + std::sqrt(5.0)));
  const double b = 1 + std::sqrt(6 / (3 + std::sqrt(5.0)) - 2 + 2 * a);
  const double v[20][3] = {{-a, 0, b}, {a, 0, b},   {-1, -1, -1}, {-1, -1, 1}, {-1, 1, -1}, {-1, 1, 1}, {1, -1, -1},
                           {1, -1, 1}, {1, 1, -1},  {1, 1, 1},    {b, a, 0},   {b, -a, 0},  {-b, a, 0}, {-b, -a, 0},
                           {-a, 0, -b}, {a, 0, -b}, {0, b, a},    {0, b, -a},  {0, -b, a},  {0, -b, -a}};
  for (int i = 0; i < 20; ++i)
    for (int k = 0; k < 3; ++k) g_dodecaV[i][k] = static_cast<float>(v[i][k]);
  g_bDodecaReady = true;
}

void DrawPentagon(int a, int b, int c, int d, int e, GLenum primitive) {
  const float* va = g_dodecaV[a];
  const float* vb = g_dodecaV[b];
  const float* vc = g_dodecaV[c];
  const float ab[3] = {va[0] - vb[0], va[1] - vb[1], va[2] - vb[2]};
  const float bc[3] = {vb[0] - vc[0], vb[1] - vc[1], vb[2] - vc[2]};
  float n[3];
  Cross(ab, bc, n);
  Normalise(n);
  glBegin(primitive);
  glNormal3fv(n);
  for (int i : {a, b, c, d, e}) glVertex3fv(g_dodecaV[i]);
  glEnd();
}

void DrawDodecahedron(GLenum primitive) {
  InitDodecahedron();
  for (const auto& f : kDodecaF) DrawPentagon(f[0], f[1], f[2], f[3], f[4], primitive);
}

void DrawTorus(float tube, float ring) {
  constexpr double kDeg = kPi / 180;
  for (int i = 0; i < 36; ++i) {
    const double t0 = i * 10.0, t1 = t0 + 10.0;
    glBegin(GL_QUAD_STRIP);
    for (int j = 1; j <= 13; ++j) {
      const double phi = j * 30.0;
      const double dist = ring + tube * std::cos(phi * kDeg);
      for (double theta : {t1, t0}) {
        const double ct = std::cos(theta * kDeg), st = std::sin(theta * kDeg), cp = std::cos(phi * kDeg);
        glTexCoord2d(theta / 360, phi / 360);
        glNormal3d(ct * cp, -st * cp, std::sin(phi * kDeg));
        glVertex3d(ct * dist, -st * dist, tube * std::sin(phi * kDeg));
      }
    }
    glEnd();
  }
}

void DrawSquare(GLenum primitive, float s) {
  glBegin(primitive);
  glNormal3f(0, 0, 1);
  glTexCoord2f(0, 0), glVertex3f(-s, -s, 0);
  glTexCoord2f(1, 0), glVertex3f(s, -s, 0);
  glTexCoord2f(1, 1), glVertex3f(s, s, 0);
  glTexCoord2f(0, 1), glVertex3f(-s, s, 0);
  glEnd();
}

void DrawBond(const float p[3], const float q[3], int wire) {
  constexpr float kBondLength = 0.3504874f;
  glPushMatrix();
  glTranslatef(p[0], p[1], p[2]);
  const float d[3] = {q[0] - p[0], q[1] - p[1], q[2] - p[2]};
  double angle = std::acos(std::fmax(-1.0, std::fmin(1.0, d[2] / kBondLength))) * 180 / kPi;
  if (!std::isfinite(angle)) angle = 0;
  if (std::fabs(d[0]) > 0.000001f || std::fabs(d[1]) > 0.000001f)
    glRotated(angle, -d[1], d[0], 0);
  else if (d[2] < 0)
    glRotated(180, 1, 0, 0);
  glScalef(0.015f, 0.015f, 0.35f);
  if (wire)
    DrawQuadricCylinderWire(1, 1, 1, 6, 2);
  else
    DrawQuadricCylinderTextured(1, 1, 1, 6, 2);
  glPopMatrix();
}

void DrawC60(int wire) {
  float p[3], q[3];
  for (const auto& e : kIcoE) {
    for (int side = 0; side < 2; ++side) {
      Mix(kIcoV[e[side]], kIcoV[e[1 - side]], p);
      glPushMatrix();
      glTranslatef(p[0], p[1], p[2]);
      if (wire)
        DrawQuadricSphereWire(0.08, 9, 9);
      else
        DrawQuadricSphereTextured(0.08, 9, 9);
      glPopMatrix();
    }
  }
  glColor3f(0, 0, 1);
  for (const auto& f : kIcoF) {
    const float* va = kIcoV[f[0]];
    const float* vb = kIcoV[f[1]];
    const float* vc = kIcoV[f[2]];
    Mix(vb, va, p), Mix(vb, vc, q), DrawBond(p, q, wire);
    Mix(vc, vb, p), Mix(vc, va, q), DrawBond(p, q, wire);
    Mix(va, vc, p), Mix(va, vb, q), DrawBond(p, q, wire);
  }
  for (const auto& e : kIcoE) {
    Mix(kIcoV[e[0]], kIcoV[e[1]], p), Mix(kIcoV[e[1]], kIcoV[e[0]], q);
    DrawBond(p, q, wire);
  }
}
