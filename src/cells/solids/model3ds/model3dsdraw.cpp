// The model's mesh, its display list and its drawing passes.
#include <GL/gl.h>

#include <cmath>

#include "cells/solids/model3ds/cgmodel3ds.h"
#include "model/globals.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr GLuint kPickKindModel = 11;
constexpr float kWireWidth = 0.5f;

// The run's texture, and its colour (null: white).
ModelRun3ds LookOf(const Scene3ds& scene, const Object3ds& object, const std::function<bool(int)>& hasTexture,
                   const BYTE*& colour) {
  ModelRun3ds run;
  const int m = object.materialIndex;
  colour = nullptr;
  if (m < 0 || m >= static_cast<int>(scene.materials.size())) return run;
  if (object.textured && hasTexture(m))
    run.texture = m;
  else if (!object.textured || m >= CGModel3ds::kTextureCount)
    colour = scene.materials[m].colour;
  return run;
}

}  // namespace

ModelMesh3ds BuildModelMesh(const Scene3ds& scene, const std::function<bool(int)>& hasTexture) {
  ModelMesh3ds mesh;
  std::size_t total = 0;
  for (const Object3ds& object : scene.objects) total += object.faces.size();
  mesh.vertices.reserve(total);
  static const BYTE kWhite[3] = {255, 255, 255};
  for (const Object3ds& object : scene.objects) {
    const BYTE* colour = nullptr;
    ModelRun3ds run = LookOf(scene, object, hasTexture, colour);
    if (!colour) colour = kWhite;
    const bool uv = run.texture >= 0 && object.texCoordCount > 0;
    run.firstVertex = static_cast<int>(mesh.vertices.size());
    for (std::uint32_t v : object.faces) {
      ModelVertex3ds out{};
      for (int k = 0; k < 3; ++k) {
        out.position[k] = object.vertices[v * 3 + k];
        out.normal[k] = object.normals[v * 3 + k];
        out.rgb[k] = colour[k];
      }
      if (uv) out.uv[0] = object.texCoords[v * 2], out.uv[1] = object.texCoords[v * 2 + 1];
      mesh.vertices.push_back(out);
    }
    run.vertexCount = static_cast<int>(mesh.vertices.size()) - run.firstVertex;
    mesh.runs.push_back(run);
  }
  return mesh;
}

void CGModel3ds::CompileList() {
  bool fresh = false;
  const GLuint list = DisplayList.Acquire(1, &fresh);
  if (list == 0 || (!fresh && !m_bListStale)) return;
  // Textures are made before the list, which records only their names.
  GLuint names[kTextureCount] = {};
  for (const ModelRun3ds& run : m_mesh.runs)
    if (run.texture >= 0 && names[run.texture] == 0) {
      const QImage& picture = m_pictures[run.texture];
      if (TextureNames[run.texture].Bind(picture.width(), picture.height(), picture.constBits()))
        names[run.texture] = TextureNames[run.texture].Name();
    }
  glBindTexture(GL_TEXTURE_2D, 0);
  // The arrays are read while the list is compiled; the view's own vertex
  // array pointer is put back afterwards.
  glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
  const GLsizei stride = sizeof(ModelVertex3ds);
  const ModelVertex3ds* first = m_mesh.vertices.data();
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_NORMAL_ARRAY);
  glVertexPointer(3, GL_FLOAT, stride, first ? first->position : nullptr);
  glNormalPointer(GL_FLOAT, stride, first ? first->normal : nullptr);
  glTexCoordPointer(2, GL_FLOAT, stride, first ? first->uv : nullptr);
  glColorPointer(3, GL_UNSIGNED_BYTE, stride, first ? first->rgb : nullptr);
  glNewList(list, GL_COMPILE);
  for (const ModelRun3ds& run : m_mesh.runs) {
    if (run.vertexCount == 0) continue;
    const bool textured = run.texture >= 0 && names[run.texture] != 0;
    if (textured) {
      glEnable(GL_TEXTURE_2D);
      glBindTexture(GL_TEXTURE_2D, names[run.texture]);
      glEnableClientState(GL_TEXTURE_COORD_ARRAY);
      glDisableClientState(GL_COLOR_ARRAY);
    } else {
      glDisable(GL_TEXTURE_2D);
      glDisableClientState(GL_TEXTURE_COORD_ARRAY);
      glEnableClientState(GL_COLOR_ARRAY);
    }
    glColor3ub(255, 255, 255);
    glDrawArrays(GL_TRIANGLES, run.firstVertex, run.vertexCount);
  }
  glColor3ub(255, 255, 255);
  glDisable(GL_TEXTURE_2D);
  glEndList();
  glPopClientAttrib();
  m_bListStale = false;
}

void CGModel3ds::ApplyTransform() const {
  const double s = Scale;
  glTranslated(Position[0] - s * BoxCentre[0], Position[1] - s * BoxCentre[1], Position[2] - s * BoxCentre[2]);
  const float degrees = m_fValue * 180.0f;
  glRotated(degrees / kPi, 0, 0, 1);
  glScalef(Scale, Scale, Scale);
}

void CGModel3ds::DrawLit() {
  if (!IsShown() || m_nStyle == kWire) return;
  CompileList();
  glPushMatrix();
  ApplyTransform();
  glCallList(DisplayList.First());
  glPopMatrix();
}

void CGModel3ds::DrawVisibleEdges() {
  if (!IsShown() || (m_nStyle != kWire && !m_bSelected)) return;
  if (m_nStyle == kWire) CompileList();
  glPushMatrix();
  ApplyTransform();
  const double* b = Box;
  if (m_bSelected) {
    glColor3f(1.0f, 0.0f, 1.0f);
    glBegin(GL_LINES);
    for (double y : {b[2], b[3]})
      for (double z : {b[4], b[5]}) glVertex3d(b[0], y, z), glVertex3d(b[1], y, z);
    glEnd();
    for (double x : {b[0], b[1]}) {
      glBegin(GL_LINE_LOOP);
      glVertex3d(x, b[2], b[4]), glVertex3d(x, b[3], b[4]), glVertex3d(x, b[3], b[5]), glVertex3d(x, b[2], b[5]);
      glEnd();
    }
  }
  if (m_nStyle == kWire) {
    glLineWidth(kWireWidth);
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    glCallList(DisplayList.First());
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    // The width every other cell draws with, not a fixed one.
    glLineWidth(g_prefs.fLineWidth);
  }
  glPopMatrix();
}

void CGModel3ds::DrawForPick(int mode) {
  if (!IsShown() || mode < 3) return;
  glLoadName(kPickKindModel);
  glPushName(m_nId);
  glPushMatrix();
  ApplyTransform();
  const double* b = Box;
  glBegin(GL_QUADS);
  glVertex3d(b[0], b[2], b[4]), glVertex3d(b[1], b[2], b[4]), glVertex3d(b[1], b[3], b[4]), glVertex3d(b[0], b[3], b[4]);
  glVertex3d(b[0], b[2], b[4]), glVertex3d(b[0], b[3], b[4]), glVertex3d(b[0], b[3], b[5]), glVertex3d(b[0], b[2], b[5]);
  glVertex3d(b[0], b[3], b[4]), glVertex3d(b[1], b[3], b[4]), glVertex3d(b[1], b[3], b[5]), glVertex3d(b[0], b[3], b[5]);
  glEnd();
  glPopMatrix();
  glPopName();
}
