#include "render/outlinetext.h"

#include <GL/glu.h>

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <array>
#include <cmath>
#include <deque>
#include <vector>

#include "render/gllistnames.h"
#include "render/glyphraster.h"

namespace {

constexpr int kListCount = 16;
constexpr double kDepth = 0.2;
// Outlines are taken at this em size and scaled to an em of 1.
constexpr int kEmPixels = 256;

using Vertex = std::array<GLdouble, 3>;
using Contour = std::vector<QPointF>;

// The closed contours of the glyph in em units, y up, without repeated
// points.
std::vector<Contour> GlyphContours(const QFont& font, char16_t character) {
  QPainterPath path;
  path.addText(0, 0, font, QString(QChar(character)));
  const QTransform toEm = QTransform::fromScale(1.0 / kEmPixels, -1.0 / kEmPixels);
  std::vector<Contour> contours;
  for (const QPolygonF& polygon : path.toSubpathPolygons(toEm)) {
    Contour contour;
    for (const QPointF& p : polygon)
      if (contour.empty() || contour.back() != p) contour.push_back(p);
    while (contour.size() > 1 && contour.front() == contour.back()) contour.pop_back();
    if (contour.size() >= 3) contours.push_back(std::move(contour));
  }
  return contours;
}

double SignedArea(const Contour& c) {
  double twice = 0;
  for (size_t i = 0; i < c.size(); ++i) {
    const QPointF& a = c[i];
    const QPointF& b = c[(i + 1) % c.size()];
    twice += a.x() * b.y() - b.x() * a.y();
  }
  return twice / 2;
}

// The tessellator's fans, strips and triangles gathered as plain
// triangles, so that a glyph compiles into one primitive: Mesa's feedback
// and selection modes crash on lists of several fans, strips or loops.
struct Triangulation {
  std::deque<Vertex> vertices;  // stable addresses until the glyph is compiled
  std::vector<const GLdouble*> triangles;
  GLenum type = GL_TRIANGLES;
  std::vector<const GLdouble*> primitive;
};

void GLAPIENTRY BeginPrimitive(GLenum type, void* data) {
  auto* t = static_cast<Triangulation*>(data);
  t->type = type;
  t->primitive.clear();
}

void GLAPIENTRY AddVertex(void* vertex, void* data) {
  static_cast<Triangulation*>(data)->primitive.push_back(static_cast<const GLdouble*>(vertex));
}

void GLAPIENTRY EndPrimitive(void* data) {
  auto* t = static_cast<Triangulation*>(data);
  const std::vector<const GLdouble*>& p = t->primitive;
  auto add = [t](const GLdouble* a, const GLdouble* b, const GLdouble* c) {
    t->triangles.insert(t->triangles.end(), {a, b, c});
  };
  if (t->type == GL_TRIANGLES) {
    for (size_t i = 0; i + 2 < p.size(); i += 3) add(p[i], p[i + 1], p[i + 2]);
  } else if (t->type == GL_TRIANGLE_FAN) {
    for (size_t i = 1; i + 1 < p.size(); ++i) add(p[0], p[i], p[i + 1]);
  } else if (t->type == GL_TRIANGLE_STRIP) {
    // Every second triangle of a strip turns the other way round.
    for (size_t i = 0; i + 2 < p.size(); ++i)
      i % 2 ? add(p[i + 1], p[i], p[i + 2]) : add(p[i], p[i + 1], p[i + 2]);
  }
}

void GLAPIENTRY Combine(const GLdouble coords[3], void*[4], const GLfloat[4], void** out, void* data) {
  auto* t = static_cast<Triangulation*>(data);
  t->vertices.push_back({coords[0], coords[1], coords[2]});
  *out = t->vertices.back().data();
}

GLUtesselator* NewTessellator() {
  GLUtesselator* tess = gluNewTess();
  if (!tess) return nullptr;
  // Overlapping strokes, common in Chinese faces, stay filled: non-zero rule.
  gluTessProperty(tess, GLU_TESS_WINDING_RULE, GLU_TESS_WINDING_NONZERO);
  gluTessCallback(tess, GLU_TESS_BEGIN_DATA, reinterpret_cast<_GLUfuncptr>(&BeginPrimitive));
  gluTessCallback(tess, GLU_TESS_VERTEX_DATA, reinterpret_cast<_GLUfuncptr>(&AddVertex));
  gluTessCallback(tess, GLU_TESS_END_DATA, reinterpret_cast<_GLUfuncptr>(&EndPrimitive));
  gluTessCallback(tess, GLU_TESS_COMBINE_DATA, reinterpret_cast<_GLUfuncptr>(&Combine));
  return tess;
}

// The filled glyph in the plane z = 0, counter-clockwise seen from +z.
std::vector<Vertex> FaceTriangles(GLUtesselator* tess, const std::vector<Contour>& contours) {
  Triangulation t;
  gluTessNormal(tess, 0, 0, 1);
  gluTessBeginPolygon(tess, &t);
  for (const Contour& contour : contours) {
    gluTessBeginContour(tess);
    for (const QPointF& p : contour) {
      t.vertices.push_back({p.x(), p.y(), 0});
      gluTessVertex(tess, t.vertices.back().data(), t.vertices.back().data());
    }
    gluTessEndContour(tess);
  }
  gluTessEndPolygon(tess);
  std::vector<Vertex> out;
  out.reserve(t.triangles.size());
  for (const GLdouble* v : t.triangles) out.push_back({v[0], v[1], v[2]});
  return out;
}

// Front face, back face (wound the other way) and the side walls, one flat
// quad per edge as two triangles, all in one primitive.  Outer contours all
// turn one way and holes the other, so the largest contour (an outer one)
// tells which side of an edge the ink is on.
void Solid(GLUtesselator* tess, const std::vector<Contour>& contours) {
  const std::vector<Vertex> face = tess ? FaceTriangles(tess, contours) : std::vector<Vertex>();
  double largest = 0;
  for (const Contour& c : contours)
    if (std::fabs(SignedArea(c)) > std::fabs(largest)) largest = SignedArea(c);
  const double outward = largest >= 0 ? 1.0 : -1.0;
  glBegin(GL_TRIANGLES);
  glNormal3d(0, 0, 1);
  for (const Vertex& v : face) glVertex3d(v[0], v[1], 0);
  glNormal3d(0, 0, -1);
  for (size_t i = 0; i + 2 < face.size(); i += 3)
    for (size_t k : {i, i + 2, i + 1}) glVertex3d(face[k][0], face[k][1], -kDepth);
  for (const Contour& c : contours) {
    for (size_t i = 0; i < c.size(); ++i) {
      const QPointF& a = c[i];
      const QPointF& b = c[(i + 1) % c.size()];
      glNormal3d(outward * (b.y() - a.y()), outward * (a.x() - b.x()), 0);
      const double quad[4][3] = {{a.x(), a.y(), 0}, {a.x(), a.y(), -kDepth}, {b.x(), b.y(), -kDepth}, {b.x(), b.y(), 0}};
      for (int k : {0, 1, 2, 0, 2, 3}) glVertex3dv(quad[k]);
    }
  }
  glEnd();
}

// The outlines at the front and the back, as one primitive of segments.
void Outlines(const std::vector<Contour>& contours) {
  glBegin(GL_LINES);
  for (const double z : {0.0, -kDepth})
    for (const Contour& c : contours)
      for (size_t i = 0; i < c.size(); ++i) {
        const QPointF& a = c[i];
        const QPointF& b = c[(i + 1) % c.size()];
        glVertex3d(a.x(), a.y(), z);
        glVertex3d(b.x(), b.y(), z);
      }
  glEnd();
}

void CompileOutline(GLuint list, const QFont& font, char16_t character, int format, GLUtesselator* tess) {
  const std::vector<Contour> contours = GlyphContours(font, character);
  const double advance = QFontMetricsF(font).horizontalAdvance(QString(QChar(character))) / kEmPixels;
  glNewList(list, GL_COMPILE);
  if (format == kOutlinePolygons)
    Solid(tess, contours);
  else
    Outlines(contours);
  glTranslated(advance, 0, 0);
  glEndList();
}

}  // namespace

QString BuildOutlineText(const QString& text, GLuint& listBase, const QString& face, int format) {
  if (text.isEmpty()) return {};
  const QString kept = text.left(kListCount);
  if (listBase != 0) GlListNames().Delete(listBase, kListCount);
  listBase = GenerateWordLists(kListCount);
  if (listBase == 0) return {};

  const QFont font = MakeGlyphFont({face, -kEmPixels, true, false});
  GLUtesselator* tess = NewTessellator();
  QString names;
  names.reserve(kept.size());
  for (int i = 0; i < kept.size(); ++i) {
    const GLuint list = listBase + static_cast<GLuint>(i);
    CompileOutline(list, font, kept.at(i).unicode(), format, tess);
    names += QChar(static_cast<char16_t>(list));
  }
  if (tess) gluDeleteTess(tess);
  return names;
}
