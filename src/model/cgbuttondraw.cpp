// The button on screen: its bevelled drawing, its two pick areas, its size
// from the caption and dragging it by its handle.  Everything lies in the
// screen layer (render/screenlayer.h), sized in pixels.
#include <GL/gl.h>

#include "model/cgbutton.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "render/glfontlists.h"
#include "render/glrelease.h"
#include "render/rasterposition.h"
#include "render/screenlayer.h"

namespace {
// Pixels: the tab drawn left of the face and the narrower handle picked
// there, the bevel, and where the caption starts inside the face.
constexpr float kTabWidth = 12;
constexpr float kHandleWidth = 10;
constexpr float kBevel = 2;
constexpr float kCaptionLeft = 15;
constexpr float kCaptionBottom = 7;
// Captions up to this extent keep the smallest button.
constexpr int kNarrowCaption = 30;
constexpr int kLowCaption = 16;

bool ButtonShows(const CGButton& button) { return !button.m_bHidden && !(g_pCurPage && g_pCurPage->m_bThreeView); }
}  // namespace

void CGButton::MeasureCaption() {
  const QSize extent = WindowTextExtent(m_strName);
  m_nWidth = extent.width() <= kNarrowCaption ? 60 : extent.width() + 30;
  m_nHeight = extent.height() <= kLowCaption ? 25 : extent.height() + 9;
}

void CGButton::Draw() {
  if (!ButtonShows(*this)) return;
  if (m_bLabelStale) MeasureCaption();
  // The glyph lists die with the context they were made in.
  if (m_bLabelStale || m_nListGeneration != GlGeneration()) {
    m_strLabelLists = DrawGlTextWnd(m_strName);
    m_nListGeneration = GlGeneration();
    m_bLabelStale = false;
  }
  const TextLayerMatrix layer;
  const float w = g_fUnitsPerPixel;
  const float x0 = m_vLabelAnchor[0];
  const float y0 = m_vLabelAnchor[1];
  const float x1 = x0 + static_cast<float>(m_nWidth) * w;
  const float y1 = y0 - static_cast<float>(m_nHeight) * w;
  const float bevel = kBevel * w;
  SetTextColour(m_bSelected ? g_prefs.rgbaSelection : m_rgbaColor);
  FillRect(x0 - kTabWidth * w, y1, x0, y0);
  // The shadow shows on the right and bottom of a raised button, on the
  // left and top of a pressed one, where the light edge leaves it.
  glColor4f(0.55f, 0.53f, 0.47f, 1.0f);
  FillRect(x0, y1, x1, y0);
  glColor4f(0.92f, 0.92f, 0.92f, 1.0f);
  if (m_bRunning) {
    FillRect(x0 + bevel, y1, x1, y0 - bevel);
    glColor4f(0.80f, 0.78f, 0.72f, 1.0f);  // the face
  } else {
    FillRect(x0, y1 + bevel, x1 - bevel, y0);
    glColor4f(0.88f, 0.86f, 0.80f, 1.0f);
  }
  FillRect(x0 + bevel, y1 + bevel, x1 - bevel, y0 - bevel);
  if (m_bLabelHidden) return;
  SetTextColour(m_rgbaLabel);
  const float pressed = m_bRunning ? w : 0.0f;
  CallTextListsAt(m_strLabelLists, x0 + bevel + kCaptionLeft * w, y1 + bevel + kCaptionBottom * w - pressed,
                  kTextLayerDepth);
}

void CGButton::DrawForPick(int mode) {
  if (mode < 3 || !ButtonShows(*this)) return;
  const TextLayerMatrix layer;
  const float w = g_fUnitsPerPixel;
  const float x0 = m_vLabelAnchor[0];
  const float y0 = m_vLabelAnchor[1];
  const float y1 = y0 - static_cast<float>(m_nHeight) * w;
  PickRect(5, m_nId, x0 - kHandleWidth * w, y1, x0, y0);
  PickRect(10, m_nId, x0, y1, x0 + static_cast<float>(m_nWidth) * w, y0);
}

void CGButton::DragBy() {
  const float w = g_fUnitsPerPixel;
  m_vLabelAnchor[0] += static_cast<float>(g_nMouseDeltaX) * w;
  m_vLabelAnchor[1] -= static_cast<float>(g_nMouseDeltaY) * w;
  const float k = 1 / (20 * w);
  if (g_pCurPage) g_pCurPage->NoteButtonPosition(m_vLabelAnchor[0] * k, m_vLabelAnchor[1] * k);
}
