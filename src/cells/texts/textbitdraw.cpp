// Drawing and picking of text bitmaps, images and point-following texts.
#include <GL/gl.h>

#include "cells/texts/cgtextbit.h"
#include "cells/texts/textlayer.h"
#include "model/globals.h"
#include "render/pixelunpack.h"
#include "render/projection.h"
#include "render/rasterposition.h"

namespace {
constexpr float kFrameGap = 0.04f;          // the selection frame's distance from the picture
constexpr float kHandleHalf = 0.15f;        // the drawn resize handle
constexpr float kHandlePickHalf = 0.3f;     // the picked resize handle, and the pull of the picture's quad
constexpr RGBA kHandleColour{51, 102, 255, 255};

float Sign(float v) { return v < 0 ? -1.0f : 1.0f; }
}  // namespace

bool CGTextbit::IsShown() const { return m_bDefined && TextLayerShows(*this); }

void CGTextbit::Draw() {
  if (!IsShown() || !HasPicture()) return;
  const TextLayerMatrix layer;
  const float p = g_fUnitsPerPixel;
  const float* a = m_vLabelAnchor;
  const GLsizei w = static_cast<GLsizei>(m_nWidth), h = static_cast<GLsizei>(m_nHeight);
  {
    const ScopedUnpack unpack(4);  // rows of whole 32-bit words
    if (!m_bLabelHidden) {
      SetTextColour(m_rgbaLabel);
      const RasterPosition shadow(a[0] + 3 * p, a[1] + 2 * p, kTextLayerDepth);
      glBitmap(w, h, 0, 0, 0, 0, Pixels().data());
    }
    SetTextColour(m_rgbaColor);
    const RasterPosition at(a[0], a[1], kTextLayerDepth);
    glBitmap(w, h, 0, 0, 0, 0, Pixels().data());
  }
  if (m_bSelected) {
    SetSelectionColour();
    const float x = a[0] - kFrameGap, y = a[1] - kFrameGap;
    OutlineRect(x, y, x + static_cast<float>(m_nWidth + 2) * p, y + static_cast<float>(m_nHeight + 2) * p);
  }
}

void CGTextbit::DrawForPick(int mode) {
  if (mode < 3 || !IsShown()) return;
  const TextLayerMatrix layer;
  const float p = g_fUnitsPerPixel;
  const float* a = m_vLabelAnchor;
  PickRect(7, m_nId, a[0], a[1], a[0] + static_cast<float>(m_nWidth) * p, a[1] + static_cast<float>(m_nHeight) * p);
}

void CGTbImage::DrawFill() {
  if (!IsShown() || !HasPicture()) return;
  const TextLayerMatrix layer;
  const float* a = m_vLabelAnchor;
  const float zx = ZoomX(), zy = ZoomY();
  {
    const ScopedUnpack unpack(4);  // rows padded to 4 bytes
    glPushAttrib(GL_DEPTH_BUFFER_BIT | GL_PIXEL_MODE_BIT);
    glDepthMask(GL_FALSE);
    glPixelZoom(zx, zy);
    {
      const RasterPosition at(a[0], a[1], kTextLayerDepth);
      glDrawPixels(static_cast<GLsizei>(m_nWidth), static_cast<GLsizei>(m_nHeight), GL_RGB, GL_UNSIGNED_BYTE,
                   Pixels().data());
    }
    glPopAttrib();
  }
  if (!m_bSelected) return;
  // The frame starts outside the anchor corner, against the zoom's direction.
  const float p = g_fUnitsPerPixel;
  const float x0 = a[0] - kFrameGap * Sign(zx), y0 = a[1] - kFrameGap * Sign(zy);
  const float x1 = x0 + static_cast<float>(m_nWidth + 2) * p * zx;
  const float y1 = y0 + static_cast<float>(m_nHeight + 2) * p * zy;
  SetSelectionColour();
  OutlineRect(x0, y0, x1, y1);
  SetTextColour(kHandleColour);
  OutlineRect(x1 - kHandleHalf, y1 - kHandleHalf, x1 + kHandleHalf, y1 + kHandleHalf);
}

void CGTbImage::DrawForPick(int mode) {
  if (mode < 3 || !IsShown()) return;
  const TextLayerMatrix layer;
  const float p = g_fUnitsPerPixel;
  const float* a = m_vLabelAnchor;
  const float zx = ZoomX(), zy = ZoomY();
  const float x2 = a[0] + static_cast<float>(m_nWidth) * p * zx;
  const float y2 = a[1] + static_cast<float>(m_nHeight) * p * zy;
  PickRect(7, m_nId, a[0], a[1], x2 - kHandlePickHalf * Sign(zx), y2 - kHandlePickHalf * Sign(zy));
  if (m_bSelected)
    PickRect(12, m_nId, x2 - kHandlePickHalf, y2 - kHandlePickHalf, x2 + kHandlePickHalf, y2 + kHandlePickHalf);
}

void CGTbHenchman::Draw() {
  if (!IsShown() || !HasPicture()) return;
  SetTextColour(m_bSelected ? g_prefs.rgbaSelection : m_rgbaColor);
  const RasterPosition at(m_vLabelAnchor);
  const ScopedUnpack unpack(4);
  glBitmap(static_cast<GLsizei>(m_nWidth), static_cast<GLsizei>(m_nHeight), 0, 0, 0, 0, Pixels().data());
}

void CGTbHenchman::DrawForPick(int mode) {
  if (mode < 3 || !IsShown()) return;
  float m[3];
  if (!MapToTextLayer(m_vLabelAnchor, m)) return;
  const float p = g_fUnitsPerPixel;
  const IdentityModelView identity;
  PickRect(7, m_nId, m[0], m[1], m[0] + static_cast<float>(m_nWidth) * p, m[1] + static_cast<float>(m_nHeight) * p,
           m[2]);
}
