// The frame: background, the page in one or four views, the tool overlays.
#include <GL/gl.h>

#include "model/cellmap.h"
#include "model/cgpage.h"
#include "model/drawing/pagedraw.h"
#include "model/globals.h"
#include "render/glfontlists.h"
#include "render/glresources.h"
#include "render/projection.h"
#include "render/rasterposition.h"
#include "view/overlays.h"
#include "view/pagetransform.h"
#include "view/threeview.h"
#include "view/toolstate.h"
#include "view/viewrenderer.h"

namespace {
void SetViewport(const int viewport[4]) {
  glViewport(viewport[0], viewport[1], viewport[2], viewport[3]);
  SaveProjectionAndViewport();
}
}  // namespace

bool CViewRenderer::HasCapturedPicture() const { return !g_bBackgroundDirty && m_background.IsAllocated(); }

void CViewRenderer::DrawCapturedPicture() {
  // The window's lower left corner at the view's depth.
  const float u = g_fUnitsPerPixel;
  glRasterPos3f(0.001f - g_nViewWidth * u / 2, 0.001f - g_nViewHeight * u / 2, -50);
  m_background.Draw(m_deviceWidth, m_deviceHeight);
}

void CViewRenderer::DrawBackground(const float colour[3]) {
  if (HasCapturedPicture()) {
    glClear(GL_DEPTH_BUFFER_BIT);
    glDisable(GL_DEPTH_TEST);
    DrawCapturedPicture();
    glEnable(GL_DEPTH_TEST);
  } else {
    glClearColor(colour[0], colour[1], colour[2], 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  }
}

void CViewRenderer::SetWholeViewport() {
  const int whole[4] = {0, 0, m_deviceWidth, m_deviceHeight};
  SetViewport(whole);
}

void CViewRenderer::DrawQuadrantCaption(int caption) {
  const float u = g_fUnitsPerPixel;
  const RGBA& c = g_prefs.rgbaSelection;
  glColor4ub(c.r, c.g, c.b, c.a);
  if (QuadrantCaptionsShown(g_nViewWidth, g_nViewHeight))
    CallTextListsAt(m_captions[caption], (20 - g_nViewWidth / 2) * u, (g_nViewHeight / 2 - 80) * u, 0);
}

bool CViewRenderer::DrawThreeViewQuadrants(const CGPage& page) {
  int viewport[4];
  for (int quadrant : {kQuadrantFront, kQuadrantSide, kQuadrantTop}) {
    QuadrantViewport(quadrant, m_deviceWidth, m_deviceHeight, viewport);
    glViewport(viewport[0], viewport[1], viewport[2], viewport[3]);
    DrawQuadrantCaption(quadrant);
    glPushMatrix();
    glTranslatef(g_fViewTranslate[0], g_fViewTranslate[1], g_fViewTranslate[2]);
    ApplyThreeViewTurns(quadrant, page.m_nAxisOrientation);
    glScalef(g_fViewScale, g_fViewScale, g_fViewScale);
    SaveModelView();
    DrawPageCells();
    glPopMatrix();
  }
  QuadrantViewport(kQuadrantAxonometric, m_deviceWidth, m_deviceHeight, viewport);
  SetViewport(viewport);
  if (!page.m_bFourthQuadrant) return false;
  DrawQuadrantCaption(kQuadrantAxonometric);
  return true;
}

void CViewRenderer::RenderScene() {
  const CReadingPass drawing;  // a frame drawn during an edit is no part of it
  PrepareFrame();
  // The projection commands and page switches change the mode between frames.
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  SetProjection(g_nProjection);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  const CGPage* page = g_pCurPage;
  const float* background = page ? page->m_rgbaBackground : g_prefs.background.data();
  // The last frame of a three-view page left a quadrant as the viewport; the
  // captured picture covers the whole window.
  SetWholeViewport();
  DrawBackground(background);
  if (!page) return;

  const bool threeView = page->m_bThreeView != 0;
  if (threeView && !DrawThreeViewQuadrants(*page)) {
    glFinish();
    return;
  }

  glPushMatrix();
  MultPageTransform();
  SaveModelView();
  SaveWorldToText();
  DrawPageCells();
  if (g_viewTool.colourSolid) CallShapeList(kListColourSolid);
  // The overlays draw over everything.
  glPointSize(g_prefs.fPointSize);
  glDepthFunc(GL_ALWAYS);
  DrawToolOverlays(m_captions[4]);
  glPopMatrix();

  if (HasScreenOverlays()) {
    if (threeView) {
      const int whole[4] = {0, 0, m_deviceWidth, m_deviceHeight};
      glViewport(whole[0], whole[1], whole[2], whole[3]);
    }
    DrawScreenOverlays(background);
    if (threeView) {
      int viewport[4];
      QuadrantViewport(kQuadrantAxonometric, m_deviceWidth, m_deviceHeight, viewport);
      SetViewport(viewport);
    }
  }
  glDepthFunc(GL_LEQUAL);
  glFinish();
}

void CViewRenderer::CaptureBackground() {
  const CReadingPass drawing;  // a picture of the page is no part of an edit
  PrepareFrame();
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  const float* colour = g_pCurPage ? g_pCurPage->m_rgbaBackground : g_prefs.background.data();
  glClearColor(colour[0], colour[1], colour[2], 1);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  if (HasCapturedPicture()) {
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    DrawCapturedPicture();
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
  }
  glPushMatrix();
  MultPageTransform();
  DrawTraceLayer();
  glPopMatrix();
  m_background.Capture(m_deviceWidth, m_deviceHeight);
  glFinish();
}
