#include "view/shapelists.h"

#include <GL/glu.h>

#include <cmath>
#include <cstdlib>

#include "model/autocolor.h"
#include "model/drawing/viewtext.h"
#include "model/globals.h"
#include "render/glresources.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

template <class Body>
void Compile(GLuint base, GLuint offset, Body body) {
  glNewList(base + offset, GL_COMPILE);
  body();
  glEndList();
}

void UnitCircle() {
  glBegin(GL_LINE_LOOP);
  for (float a = 0; a < 6.2831855f; a += 0.1f) glVertex2f(std::cos(a), std::sin(a));
  glEnd();
}

// A cone of 8 facets from the apex at the origin back to a ring at z = -1,
// with its edges outlined at width 1.
void ArrowHead() {
  const float d = 0.14142136f;
  const float ring[9][2] = {{0.2f, 0}, {d, d}, {0, 0.2f}, {-d, d}, {-0.2f, 0},
                            {-d, -d},  {0, -0.2f}, {d, -d}, {0.2f, 0}};
  glBegin(GL_TRIANGLE_FAN);
  glVertex3f(0, 0, 0);
  for (const auto& p : ring) glVertex3f(p[0], p[1], -1);
  glEnd();
  glLineWidth(1);
  glBegin(GL_LINE_LOOP);
  for (int pair = 0; pair < 4; ++pair) {
    glVertex3f(0, 0, 0);
    glVertex3f(ring[2 * pair][0], ring[2 * pair][1], -1);
    glVertex3f(ring[2 * pair + 1][0], ring[2 * pair + 1][1], -1);
  }
  glEnd();
  glLineWidth(g_prefs.fLineWidth);
}

// Three layers of rings of hue by angle, saturation by radius and lightness
// by height.
void ColourSolid() {
  for (int k = -1; k <= 1; ++k) {
    const double lightness = (k + 2) / 4.0;
    const float z = 5.0f * k;
    for (int j = 0; j < 5 - 2 * std::abs(k); ++j) {
      const double inner = 2.0 * (std::abs(k) + j), outer = inner + 2;
      const double saturation = (2 * std::abs(k) + j) / 4.0;
      glBegin(GL_QUAD_STRIP);
      for (int i = 0; i <= 12; ++i) {
        const double a = i * kPi / 6;
        double rgb[3];
        HslToRgb(rgb, i / 12.0, saturation, lightness);
        glColor3dv(rgb);
        glVertex3d(inner * std::cos(a), inner * std::sin(a), z);
        glVertex3d(outer * std::cos(a), outer * std::sin(a), z);
      }
      glEnd();
    }
  }
}

void Grid() {
  const float width = g_prefs.fLineWidth;
  if (width > 1) glLineWidth(width - 1);
  glBegin(GL_LINES);
  for (int i = -12; i <= 12; ++i) {
    glVertex3f(-12, i, 0);
    glVertex3f(12, i, 0);
    glVertex3f(i, -12, 0);
    glVertex3f(i, 12, 0);
  }
  glEnd();
  glLineWidth(width);
}

template <class Shape>
void Textured(GLUquadric* q, Shape shape) {
  gluQuadricTexture(q, GL_TRUE);
  gluQuadricDrawStyle(q, GLU_FILL);
  gluQuadricNormals(q, GLU_SMOOTH);
  shape();
  gluQuadricTexture(q, GL_FALSE);
}

template <class Shape>
void Wire(GLUquadric* q, Shape shape) {
  gluQuadricTexture(q, GL_FALSE);
  gluQuadricDrawStyle(q, GLU_LINE);
  gluQuadricNormals(q, GLU_SMOOTH);
  shape();
}

// One arrow of the gizmo: list 1 turned from +z onto its axis, tip at 12,
// and its letter 0.2 beyond the tip.
struct GizmoArrow {
  float colour[3];
  float tip[3];
  float angle, axis[3];
  const char* label;
};

void DrawGizmoArrow(GLuint base, const GizmoArrow& arrow) {
  glColor3fv(arrow.colour);
  glPushMatrix();
  glTranslatef(arrow.tip[0], arrow.tip[1], arrow.tip[2]);
  if (arrow.angle != 0) glRotatef(arrow.angle, arrow.axis[0], arrow.axis[1], arrow.axis[2]);
  glCallList(base + kListArrowHead);
  glPopMatrix();
  const float beyond = 12.2f / 12.0f;
  glRasterPos3f(arrow.tip[0] * beyond, arrow.tip[1] * beyond, arrow.tip[2] * beyond);
  CallTextLists(DrawGlText(QString::fromLatin1(arrow.label)));
}

}  // namespace

GLuint BuildShapeLists() {
  const GLuint base = glGenLists(kShapeListCount);
  if (base == 0) return 0;
  if (!g_pQuadric) g_pQuadric = gluNewQuadric();
  GLUquadric* q = g_pQuadric;
  Compile(base, kListUnitCircle, UnitCircle);
  Compile(base, kListArrowHead, ArrowHead);
  Compile(base, kListColourSolid, ColourSolid);
  Compile(base, kListGrid, Grid);
  if (q) {
    Compile(base, kListDisk, [q] { Textured(q, [q] { gluDisk(q, 0, 1, 24, 2); }); });
    Compile(base, kListSphere, [q] { Textured(q, [q] { gluSphere(q, 1, 48, 24); }); });
    Compile(base, kListCylinder, [q] { Textured(q, [q] { gluCylinder(q, 1, 1, 1, 48, 12); }); });
    Compile(base, kListCone, [q] { Textured(q, [q] { gluCylinder(q, 1, 0, 1, 48, 12); }); });
    Compile(base, kListWireCylinder, [q] { Wire(q, [q] { gluCylinder(q, 1, 1, 1, 24, 5); }); });
    Compile(base, kListWireDisk, [q] { Wire(q, [q] { gluDisk(q, 0, 1, 24, 1); }); });
    Compile(base, kListWireCylinderSide, [q] { Wire(q, [q] { gluCylinder(q, 1, 1, 1, 24, 5); }); });
    Compile(base, kListWireCone, [q] { Wire(q, [q] { gluCylinder(q, 1, 0, 1, 24, 5); }); });
    Compile(base, kListWireSphere, [q] { Wire(q, [q] { gluSphere(q, 1, 24, 12); }); });
  }
  return base;
}

void CompileAxesGizmo(GLuint base) {
  static const GizmoArrow kArrows[] = {
      {{0, 0, 1}, {0, 0, 12}, 0, {0, 0, 0}, "z"},
      {{1, 0, 0}, {12, 0, 0}, 90, {0, 1, 0}, "x"},
      {{0, 1, 0}, {0, 12, 0}, -90, {1, 0, 0}, "y"},
  };
  Compile(base, kListAxesGizmo, [base] {
    for (const GizmoArrow& arrow : kArrows) DrawGizmoArrow(base, arrow);
    glColor3f(0.5f, 0.5f, 0);
    glRasterPos3f(0, 0, 0);
    CallTextLists(DrawGlText(QStringLiteral("o")));
    glBegin(GL_LINES);
    for (const GizmoArrow& arrow : kArrows) {
      glColor3fv(arrow.colour);
      glVertex3f(0, 0, 0);
      glVertex3fv(arrow.tip);
    }
    glEnd();
  });
}
