#include "model/viewstate.h"

#include <algorithm>

#include "math/mathglobals.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "render/projection.h"

void SaveViewStateToPage(CGPage& page) {
  std::copy_n(g_fViewTranslate, 3, page.m_vTranslate);
  page.m_qRotate[0] = static_cast<float>(ViewQuaternion.x);
  page.m_qRotate[1] = static_cast<float>(ViewQuaternion.y);
  page.m_qRotate[2] = static_cast<float>(ViewQuaternion.z);
  page.m_qRotate[3] = static_cast<float>(ViewQuaternion.w);
  page.m_fScale = g_fViewScale;
  // The page keeps only what its reopening reads back, and the view shows
  // what the page keeps (a scale button may have driven the scale to 0).
  if (!page.KeepViewInRange()) return;
  std::copy_n(page.m_vTranslate, 3, g_fViewTranslate);
  ViewQuaternion = Quaternion{page.m_qRotate[3], page.m_qRotate[0], page.m_qRotate[1], page.m_qRotate[2]};
  g_fViewScale = page.m_fScale;
}

void LoadViewStateFromPage(const CGPage& page) {
  std::copy_n(page.m_vTranslate, 3, g_fViewTranslate);
  ViewQuaternion = Quaternion{page.m_qRotate[3], page.m_qRotate[0], page.m_qRotate[1], page.m_qRotate[2]};
  g_fViewScale = page.m_fScale;
  g_bLockView = page.m_bLockView ? 1 : 0;
  g_bLockDrag = page.m_bLockDrag ? 1 : 0;
  const int pixels = static_cast<int>(1 / g_fUnitsPerPixel + 0.5f);
  bool changed = false;
  // A page made by code is never checked like a loaded one: 0 would divide by zero.
  if (page.m_nPixelsPerUnit != pixels && page.m_nPixelsPerUnit > 0) {
    g_fUnitsPerPixel = 1.0f / static_cast<float>(page.m_nPixelsPerUnit);
    changed = true;
  }
  if (changed || page.m_nProjection != g_nProjection) {
    g_nProjection = page.m_nProjection;
    ProjectionMatrix(g_nProjection, g_nViewWidth, g_nViewHeight, g_fUnitsPerPixel, g_dProjection);
  }
}

void SaveWholeViewport() {
  g_nViewport[0] = g_nViewport[1] = 0;
  g_nViewport[2] = g_nViewWidth;
  g_nViewport[3] = g_nViewHeight;
}
