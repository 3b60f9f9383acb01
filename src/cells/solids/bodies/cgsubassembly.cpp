#include "cells/solids/bodies/cgsubassembly.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "cells/primitives/celldrawing.h"
#include "cells/solids/bodies/bodymeshes.h"
#include "cells/solids/bodies/bodytexts.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "platform/archive.h"
#include "render/currentmaterial.h"
#include "render/glresources.h"
#include "render/outlinetext.h"
#include "render/viewglobals.h"

IMPLEMENT_SERIAL(CGSubassembly, CGCell)

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kRoundSlices = 24;
constexpr int kDiskLoops = 8;
constexpr int kTeapotFilledGrid = 7;
constexpr int kTeapotLineGrid = 10;
// A drag line closer to the kept plane than this moves nothing.
constexpr float kSteepEnough = 10.0f;

void SetColour(const RGBA& c) { glColor3ub(c.r, c.g, c.b); }

}  // namespace

CGSubassembly::CGSubassembly() {
  m_rgbaLabel.r = m_rgbaLabel.g = m_rgbaLabel.b = 153;
  m_strVodName = QString::fromUtf8(kTextBodyDefaultFont);
}

CGSubassembly::CGSubassembly(WORD id, BYTE kind, BYTE style, int materialMode, int texture, int dragLock, float cx,
                             float cy, float cz, float ax, float ay, float az, float turn, float sx, float sy,
                             float sz, int clipMode, double p1a, double p1b, double p1c, double p1d, double p2a,
                             double p2b, double p2c, double p2d)
    : CGSubassembly() {
  m_nId = id;
  m_nSubKind = kind;
  m_nStyle = style;
  m_strName = KindName(kind);
  m_rgbaColor.r = 204, m_rgbaColor.g = 102, m_rgbaColor.b = 0;
  m_nMaterialMode = materialMode;
  m_nTexture = texture;
  m_nDragLock = dragLock;
  m_vCenter[0] = cx, m_vCenter[1] = cy, m_vCenter[2] = cz;
  m_vAxis[0] = ax, m_vAxis[1] = ay, m_vAxis[2] = az;
  if (std::fabs(ax) < 0.0001f && std::fabs(ay) < 0.0001f && std::fabs(az) < 0.0001f) m_vAxis[1] = -1;
  m_fTurn = turn;
  m_vScale[0] = sx, m_vScale[1] = sy, m_vScale[2] = sz;
  m_nClipMode = clipMode;
  const double planes[8] = {p1a, p1b, p1c, p1d, p2a, p2b, p2c, p2d};
  std::copy(planes, planes + 4, m_dPlane1);
  std::copy(planes + 4, planes + 8, m_dPlane2);
  const float ambient[4] = {0.2f, 0.2f, 0.2f, 1}, diffuse[4] = {0.8f, 0.8f, 0.8f, 1};
  std::copy(ambient, ambient + 4, m_fAmbient);
  std::copy(diffuse, diffuse + 4, m_fDiffuse);
  std::copy(ambient, ambient + 4, m_fSpecular);
  m_fShininess = 64;
  m_bLabelStale = true;
}

CGSubassembly::~CGSubassembly() = default;

QString CGSubassembly::KindName(int kind) {
  return kind >= 0 && kind < kKindCount ? QString::fromUtf8(kTextBodyKindNames[kind]) : QString();
}

QString CGSubassembly::GetDescription() { return QString::fromUtf8(kTextBodyDescription) + m_strName; }

// After the cell record: centre, turn, axis, scale, shininess (floats);
// material mode; ambient[i], diffuse[i], specular[i] for i = 0..3; clip
// mode; the two planes (doubles); texture; two reserved int32, four
// reserved floats and the reserved string.  The drag lock is not stored.
void CGSubassembly::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    CGCell::Serialize(ar);
    ar << m_vCenter[0] << m_vCenter[1] << m_vCenter[2] << m_fTurn << m_vAxis[0] << m_vAxis[1] << m_vAxis[2]
       << m_vScale[0] << m_vScale[1] << m_vScale[2] << m_fShininess << m_nMaterialMode;
    for (int i = 0; i < 4; ++i) ar << m_fAmbient[i] << m_fDiffuse[i] << m_fSpecular[i];
    ar << m_nClipMode;
    for (double v : m_dPlane1) ar << v;
    for (double v : m_dPlane2) ar << v;
    ar << m_nTexture << m_nReserved[0] << m_nReserved[1];
    for (float v : m_fReserved) ar << v;
    ar << m_strReserved;
    if (m_nTexture >= 1 && m_nTexture <= 3) ++ar.Context().nPictureUseCount[m_nTexture - 1];
    return;
  }
  CGCell::Serialize(ar);
  ar >> m_vCenter[0] >> m_vCenter[1] >> m_vCenter[2] >> m_fTurn >> m_vAxis[0] >> m_vAxis[1] >> m_vAxis[2] >>
      m_vScale[0] >> m_vScale[1] >> m_vScale[2] >> m_fShininess >> m_nMaterialMode;
  for (int i = 0; i < 4; ++i) ar >> m_fAmbient[i] >> m_fDiffuse[i] >> m_fSpecular[i];
  ar >> m_nClipMode;
  for (double& v : m_dPlane1) ar >> v;
  for (double& v : m_dPlane2) ar >> v;
  ar >> m_nTexture >> m_nReserved[0] >> m_nReserved[1];
  for (float& v : m_fReserved) ar >> v;
  ar >> m_strReserved;
  m_nDragLock = 0;
  m_dwParam3 = 0;
  m_strLabelLists.clear();
  m_bLabelStale = true;
  CheckLoaded();
}

// The kind indexes the kinds table, the texture the view's pictures, and
// the placement and planes reach GL: a record outside that is bad data.
void CGSubassembly::CheckLoaded() const {
  const std::string body = "body " + std::to_string(m_nId);
  if (m_nSubKind >= kKindCount)
    throw CArchiveException(ArchiveError::BadData, body + " of an unknown kind " + std::to_string(m_nSubKind));
  if (m_nTexture < 0 || m_nTexture > kTextureCount)
    throw CArchiveException(ArchiveError::BadData, body + " with an unknown texture " + std::to_string(m_nTexture));
  const float placement[] = {m_vCenter[0], m_vCenter[1], m_vCenter[2], m_fTurn,      m_vAxis[0],
                             m_vAxis[1],   m_vAxis[2],   m_vScale[0],  m_vScale[1], m_vScale[2]};
  const bool finite = std::all_of(std::begin(placement), std::end(placement), [](float v) { return std::isfinite(v); }) &&
                      std::all_of(std::begin(m_dPlane1), std::end(m_dPlane1), [](double v) { return std::isfinite(v); }) &&
                      std::all_of(std::begin(m_dPlane2), std::end(m_dPlane2), [](double v) { return std::isfinite(v); });
  if (!finite) throw CArchiveException(ArchiveError::BadData, body + " holds a value that is not a number");
}

void CGSubassembly::ReleaseTextLists() {
  m_textLists.Release();
  m_dwParam3 = 0;
  m_strLabelLists.clear();
  m_bLabelStale = true;
}

void CGSubassembly::MoveAlongDragLine() {
  if (m_nDragLock) return;
  double t = 0;
  if (g_bDragHorizontal) {
    if (std::fabs(g_fViewDir[2]) < kSteepEnough) return;
    t = (m_vCenter[2] - g_dRayFar[2]) / g_fViewDir[2];
  } else {
    if (std::fabs(g_fViewDir[1]) < kSteepEnough) return;
    t = (m_vCenter[1] - g_dRayFar[1]) / g_fViewDir[1];
  }
  for (int k = 0; k < 3; ++k) m_vCenter[k] = static_cast<float>(g_dRayFar[k] + t * g_fViewDir[k]);
}

void CGSubassembly::DrawBody(bool secondColour) {
  glPushMatrix();
  glTranslatef(m_vCenter[0], m_vCenter[1], m_vCenter[2]);
  if (m_vAxis[0] == 0 && m_vAxis[1] == 0) {
    if (m_vAxis[2] < 0) glRotatef(180, 1, 0, 0);
  } else {
    const double length = std::sqrt(double(m_vAxis[0]) * m_vAxis[0] + double(m_vAxis[1]) * m_vAxis[1] +
                                    double(m_vAxis[2]) * m_vAxis[2]);
    const double c = std::clamp(m_vAxis[2] / length, -1.0, 1.0);
    glRotated(std::acos(c) * 180 / kPi, -m_vAxis[1], m_vAxis[0], 0);
  }
  glRotatef(m_fTurn, 0, 0, 1);
  if (m_bSelected) CallShapeList(kListAxesGizmo);
  if (secondColour)
    SetColour(m_rgbaLabel);
  else if (g_bOwnColors)
    SetColour(m_rgbaColor);
  const bool clip1 = m_nClipMode == 1 || m_nClipMode == 3;
  const bool clip2 = m_nClipMode == 2 || m_nClipMode == 3;
  if (clip1) glClipPlane(GL_CLIP_PLANE1, m_dPlane1), glEnable(GL_CLIP_PLANE1);
  if (clip2) glClipPlane(GL_CLIP_PLANE2, m_dPlane2), glEnable(GL_CLIP_PLANE2);
  glScalef(m_vScale[0], m_vScale[1], m_vScale[2]);
  DrawKind();
  glPopMatrix();
  if (clip1) glDisable(GL_CLIP_PLANE1);
  if (clip2) glDisable(GL_CLIP_PLANE2);
}

void CGSubassembly::DrawKind() {
  const bool wire = m_nStyle != 0;
  const GLenum polygon = wire ? GL_LINE_LOOP : GL_TRIANGLES;
  switch (m_nSubKind) {
    case 0: DrawText(); break;
    case 1: DrawTetrahedron(polygon); break;
    case 2:
      if (m_nTexture != 0 && !wire)
        DrawTexturedCube(1);
      else
        DrawBox(wire ? GL_LINE_LOOP : GL_QUADS, 1);
      break;
    case 3: DrawOctahedron(polygon); break;
    case 4: DrawDodecahedron(wire ? GL_LINE_LOOP : GL_TRIANGLE_FAN); break;
    case 5: DrawIcosahedron(polygon); break;
    case 6: DrawC60(wire ? 1 : 0); break;
    case 7:
    case 9: {
      const double top = m_nSubKind == 7 ? 1 : 0.5;
      if (wire)
        DrawQuadricCylinderWire(1, top, 1, kRoundSlices, kRoundSlices);
      else
        DrawQuadricCylinderTextured(1, top, 1, kRoundSlices, kRoundSlices);
      break;
    }
    case 8:
      if (wire)
        DrawQuadricConeWire(1, 1, kRoundSlices);
      else
        DrawQuadricConeTextured(1, 1, kRoundSlices, kRoundSlices);
      break;
    case 10:
      if (wire)
        DrawQuadricSphereWire(1, kRoundSlices, kRoundSlices);
      else
        DrawQuadricSphereTextured(1, kRoundSlices, kRoundSlices);
      break;
    case 11:
      if (!wire) {
        DrawTorus(0.2f, 1.0f);
        break;
      }
      glPushAttrib(GL_POLYGON_BIT);
      glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
      DrawTorus(0.2f, 1.0f);
      glPopAttrib();
      break;
    case 12: DrawSquare(wire ? GL_LINE_LOOP : GL_QUADS, 1); break;
    case 13:
      if (wire)
        DrawQuadricDiskWire(1, 1, kDiskLoops);
      else
        DrawQuadricDiskTextured(0, 1, kDiskLoops);
      break;
    case 14: DrawTeapot(wire ? kTeapotLineGrid : kTeapotFilledGrid, wire ? GL_LINE : GL_FILL, 1); break;
    default: break;
  }
}

void CGSubassembly::DrawText() {
  if (m_bLabelStale) {
    m_textLists.Release();
    GLuint base = 0;
    m_strLabelLists = BuildOutlineText(m_strName, base, m_strVodName, m_nStyle != 0 ? kOutlineLines : kOutlinePolygons);
    m_textLists.Adopt(base, kTextLists);
    m_dwParam3 = base;
    m_bLabelStale = false;
  }
  if (m_strLabelLists.isEmpty() || !m_textLists.IsValid()) return;
  glListBase(0);
  glCallLists(static_cast<GLsizei>(std::min<qsizetype>(m_strLabelLists.size(), kTextLists)), GL_UNSIGNED_SHORT,
              m_strLabelLists.utf16());
  glFrontFace(GL_CCW);
}

void CGSubassembly::DrawLit() {
  if (m_bHidden || m_nStyle != 0) return;
  glPushAttrib(GL_LIGHTING_BIT);
  if (m_nMaterialMode == 1) {
    glColorMaterial(GL_BACK, GL_AMBIENT_AND_DIFFUSE);
    glMaterialfv(GL_FRONT, GL_AMBIENT, m_fAmbient);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, m_fDiffuse);
    glMaterialfv(GL_FRONT, GL_SPECULAR, m_fSpecular);
    glMaterialf(GL_FRONT, GL_SHININESS, m_fShininess);
  }
  glEnable(GL_CULL_FACE);
  glCullFace(GL_BACK);
  const GLuint texture = m_nTexture >= 1 && m_nTexture <= kTextureCount ? g_nPictureTextures[m_nTexture - 1] : 0;
  if (texture != 0) {
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    DrawBody(false);
    glDisable(GL_TEXTURE_2D);
  } else {
    DrawBody(false);
  }
  glCullFace(GL_FRONT);
  DrawBody(true);
  glDisable(GL_CULL_FACE);
  glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
  glPopAttrib();
}

void CGSubassembly::DrawVisibleEdges() {
  if (m_bHidden || m_nStyle == 0) return;
  DrawBody(false);
}

void CGSubassembly::DrawForPick(int mode) {
  if (m_bHidden || mode < 3 || (g_pCurPage && g_pCurPage->m_bThreeView)) return;
  glLoadName(11);
  glPushName(m_nId);
  DrawBody(false);
  glPopName();
}

bool GiveCurrentMaterialToSelectedBody(CGPage& page) {
  if (page.m_selOthers.size() != 1) return false;
  CGCell* cell = page.m_cells.Lookup(page.m_selOthers.front());
  if (!cell || !cell->IsKindOf(RUNTIME_CLASS(CGSubassembly))) return false;
  auto& body = static_cast<CGSubassembly&>(*cell);
  body.m_nMaterialMode = 1;
  body.TakeCurrentMaterial();
  return true;
}

void CGSubassembly::TakeCurrentMaterial() {
  std::copy(g_curMaterial.ambient.begin(), g_curMaterial.ambient.end(), m_fAmbient);
  std::copy(g_curMaterial.diffuse.begin(), g_curMaterial.diffuse.end(), m_fDiffuse);
  std::copy(g_curMaterial.specular.begin(), g_curMaterial.specular.end(), m_fSpecular);
  m_fShininess = g_curMaterial.shininess;
}
