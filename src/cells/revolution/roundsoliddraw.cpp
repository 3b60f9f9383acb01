// How the round solids draw themselves in the page's passes.  The page sets
// each pass's GL state (depth function, dashes, colour writes, lighting);
// a solid only sets colours, its placement, texture and face culling, and
// issues its unit shapes: the view's shared display lists, or for the
// frustum, whose top radius is its own, a quadric made for the one draw.
#include <GL/gl.h>
#include <GL/glu.h>

#include "cells/primitives/celldrawing.h"
#include "cells/revolution/roundsolids.h"
#include "render/glresources.h"
#include "render/viewglobals.h"
#include "render/viewray.h"

namespace {

void OwnColour(const CGCell& cell) {
  if (g_bOwnColors) SetGlColour(cell.m_rgbaColor);
}

void ApplyTurn(const SolidTurn& turn) {
  if (turn.angle != 0) glRotatef(turn.angle, turn.axis[0], turn.axis[1], turn.axis[2]);
}

// The direction toward the viewer in the frame current now.
void ViewDirection(float v[3]) {
  ComputeViewDirection();
  for (int i = 0; i < 3; ++i) v[i] = g_fViewDir[i];
}

void DrawGenerators(const Silhouette& s, float top) {
  if (s.count == 0) return;
  glBegin(GL_LINES);
  for (int i = 0; i < s.count; ++i) {
    glVertex3f(top * s.t[i][0], top * s.t[i][1], 1);
    glVertex3f(s.t[i][0], s.t[i][1], 0);
  }
  glEnd();
}

// The side of radius 1 at z = 0 and k at z = 1.
void FrustumSide(float k, GLenum drawStyle, int slices, int stacks, bool textured) {
  GLUquadric* quadric = gluNewQuadric();
  if (!quadric) return;
  gluQuadricDrawStyle(quadric, drawStyle);
  gluQuadricNormals(quadric, GLU_SMOOTH);
  gluQuadricTexture(quadric, textured ? GL_TRUE : GL_FALSE);
  gluCylinder(quadric, 1, k, 1, slices, stacks);
  gluDeleteQuadric(quadric);
}

}  // namespace

// --- The passes -------------------------------------------------------------

void CGRoundSolid::DrawShape(SolidShape shape) const {
  glPushMatrix();
  const float* origin = Origin();
  glTranslatef(origin[0], origin[1], origin[2]);
  DrawInFrame(shape);
  glPopMatrix();
}

void CGRoundSolid::DrawWireGrid(bool selected) const {
  if (selected)
    SetGlColour(g_prefs.rgbaSelection);
  else
    OwnColour(*this);
  DrawShape(SolidShape::kWireGrid);
}

void CGRoundSolid::DrawVisibleEdges() {
  if (!IsShown()) return;
  if (m_bSelected || m_nStyle == kSolidWireGrid) {
    DrawWireGrid(m_bSelected);
  } else if (m_nStyle == kSolidOutline) {
    OwnColour(*this);
    DrawShape(SolidShape::kSilhouette);
  }
}

void CGRoundSolid::DrawHiddenEdges() {
  if (!IsShown()) return;
  if (m_bSelected) {
    DrawWireGrid(true);
  } else if (m_nStyle == kSolidOutline) {
    OwnColour(*this);
    DrawShape(SolidShape::kSilhouette);
  }
}

void CGRoundSolid::DrawDepthOnly() {
  if (IsShown() && (m_bSelected || m_nStyle == kSolidOutline || m_nStyle == kSolidWireGrid))
    DrawShape(SolidShape::kDepthBody);
}

void CGRoundSolid::DrawLit() {
  if (!IsShown() || m_bSelected || m_nStyle != kSolidLit) return;
  OwnColour(*this);
  DrawSurface(true);
}

void CGRoundSolid::DrawTranslucent() {
  if (!IsShown() || m_bSelected || m_nStyle != kSolidTranslucent) return;
  OwnColour(*this);
  DrawSurface(false);
}

void CGRoundSolid::DrawSurface(bool lit) const {
  const int picture = Picture();
  const GLuint texture = picture >= 1 && picture <= 15 ? g_nPictureTextures[picture - 1] : 0;
  if (texture != 0) {
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    DrawShape(SolidShape::kTexturedSide);
    glDisable(GL_TEXTURE_2D);
    return;
  }
  if (!lit || !HasInside()) {
    DrawShape(SolidShape::kSide);
    return;
  }
  // The outer face in the own colour, the inner one (seen through an open
  // end) in the inside colour.
  glEnable(GL_CULL_FACE);
  glCullFace(GL_BACK);
  DrawShape(SolidShape::kSide);
  glCullFace(GL_FRONT);
  SetGlColour(m_rgbaLabel);
  DrawShape(SolidShape::kSide);
  glDisable(GL_CULL_FACE);
}

void CGRoundSolid::DrawFlat() {
  if (!IsShown()) return;
  SetGlColour(m_rgbaColor);
  DrawShape(SolidShape::kSilhouette);
}

void CGRoundSolid::DrawForPick(int mode) {
  if (!IsShown() || mode < 3) return;
  glLoadName(9);
  glPushName(m_nId);
  DrawShape(m_nStyle == kSolidOutline ? SolidShape::kSilhouette : SolidShape::kPickSide);
  glPopName();
}

// --- Sphere -----------------------------------------------------------------

void CGSphere::DrawInFrame(SolidShape shape) const {
  const float r = Radius;
  switch (shape) {
    case SolidShape::kSilhouette:
    case SolidShape::kPickSide: {
      // The outline is the great circle facing the viewer, and so is the
      // disc a click hits.
      float v[3];
      ViewDirection(v);
      ApplyTurn(FacingTurn(v));
      glScalef(r, r, r);
      CallShapeList(shape == SolidShape::kSilhouette ? kListUnitCircle : kListSphere);
      return;
    }
    case SolidShape::kDepthBody:
      glScalef(0.99f * r, 0.99f * r, 0.99f * r);
      CallShapeList(kListSphere);
      return;
    default:
      ApplyTurn(TurnOntoAxis(PoleVector, SphereAxisCosine(PoleVector, Radius)));
      glScalef(r, r, r);
      CallShapeList(shape == SolidShape::kWireGrid ? kListWireSphere : kListSphere);
  }
}

// --- Cylinder, cone and frustum ---------------------------------------------

void CGAxialSolid::PlaceAlongAxis(float radiusScale, float heightScale) const {
  ApplyTurn(TurnOntoAxis(Axis, AxisCosine(Axis)));
  glScalef(radiusScale * Radius, radiusScale * Radius, heightScale * Height);
}

void CGAxialSolid::DrawInFrame(SolidShape shape) const {
  if (shape == SolidShape::kDepthBody) {
    const Shrink shrink = DepthShrink();
    PlaceAlongAxis(shrink.across, shrink.along);
  } else {
    PlaceAlongAxis(1, 1);
  }
  if (shape != SolidShape::kSilhouette) {
    DrawUnitShape(shape);
    return;
  }
  // Taken after the placement, so that V is in the unit frame.
  float v[3];
  ViewDirection(v);
  Silhouette silhouette;
  const float top = SilhouetteTop(v, silhouette);
  DrawGenerators(silhouette, top);
}

void CGCylinder::DrawUnitShape(SolidShape shape) const {
  switch (shape) {
    case SolidShape::kWireGrid:
      CallShapeList(kListWireCylinderSide);
      return;
    case SolidShape::kDepthBody:
      CallShapeList(kListDisk);
      CallShapeList(kListCylinder);
      glTranslatef(0, 0, 1);
      CallShapeList(kListDisk);
      return;
    default:
      CallShapeList(kListCylinder);
  }
}

float CGCylinder::SilhouetteTop(const float v[3], Silhouette& out) const {
  out = CylinderSilhouette(v);
  return 1;
}

void CGCone::DrawUnitShape(SolidShape shape) const {
  switch (shape) {
    case SolidShape::kWireGrid:
      CallShapeList(kListWireCone);
      return;
    case SolidShape::kDepthBody:
      CallShapeList(kListDisk);
      CallShapeList(kListCone);
      return;
    default:
      CallShapeList(kListCone);
  }
}

float CGCone::SilhouetteTop(const float v[3], Silhouette& out) const {
  out = TaperedSilhouette(v, 0);
  return 0;
}

void CGFrustum::DrawUnitShape(SolidShape shape) const {
  const float k = TopRatio;
  switch (shape) {
    case SolidShape::kWireGrid:
      FrustumSide(k, GLU_LINE, 24, 10, false);
      return;
    case SolidShape::kDepthBody:
      CallShapeList(kListDisk);
      FrustumSide(k, GLU_FILL, 24, 5, false);
      glTranslatef(0, 0, 1);
      glScalef(k, k, 1);
      CallShapeList(kListDisk);
      return;
    case SolidShape::kPickSide:
      FrustumSide(k, GLU_FILL, 24, 5, false);
      return;
    default:
      FrustumSide(k, GLU_FILL, 48, 12, shape == SolidShape::kTexturedSide);
  }
}

float CGFrustum::SilhouetteTop(const float v[3], Silhouette& out) const {
  // A copy: drawing must not change the stored ratio.
  const float k = DrawnTopRatio(TopRatio);
  out = TaperedSilhouette(v, k);
  return k;
}
