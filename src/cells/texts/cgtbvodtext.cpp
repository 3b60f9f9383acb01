#include "cells/texts/cgtbvodtext.h"

#include <new>

#include "cells/primitives/formattext.h"
#include "cells/texts/textcelltexts.h"
#include "formula/drawing/formulapictures.h"
#include "platform/archive.h"
#include "render/viewglobals.h"

IMPLEMENT_SERIAL(CGTbVodText, CGTextbit)
IMPLEMENT_SERIAL(CGTbMhc, CGTbVodText)

namespace {
COLORREF Rgb(const RGBA& c) {
  return static_cast<COLORREF>(c.r) | static_cast<COLORREF>(c.g) << 8 | static_cast<COLORREF>(c.b) << 16;
}
}  // namespace

// --- CGTbVodText ---------------------------------------------------------------

CGTbVodText::CGTbVodText() {
  m_rgbaColor.a = 0;
  m_strName = QString::fromUtf8(kTextFormulaName);
}

CGTbVodText::CGTbVodText(WORD id, const QString& markup, DWORD option, DWORD scalesWithView) : CGTbVodText() {
  m_nId = id;
  m_strMarkup = markup;
  m_dwOption = option;
  m_dwScalesWithView = scalesWithView;
  RebuildTexture();
  PlaceNewText();
}

std::size_t CGTbVodText::RowBytes(DWORD width) const { return 4 * static_cast<std::size_t>(width); }

void CGTbVodText::RebuildTexture() {
  int width = 0, height = 0;
  SetPixels(RenderVodToMask(Rgb(m_rgbaColor), m_dwOption, m_strMarkup, m_rgbaColor.a, &width, &height));
  m_bPictureDue = false;
  if (Pixels().empty()) width = height = 0;
  m_nWidth = static_cast<DWORD>(width);
  m_nHeight = static_cast<DWORD>(height);
  m_texture.MarkStale();
}

void CGTbVodText::EnsurePicture() {
  if (!m_bPictureDue) return;
  try {
    RebuildTexture();
  } catch (const std::bad_alloc&) {
    m_bPictureDue = false;
    SetPixels({});
  }
}

void CGTbVodText::TakeBackdrop(COLORREF background) {
  m_dwOption = background;
  RebuildTexture();
}

void CGTbVodText::Serialize(CArchive& ar) {
  // The text bitmap's own part of the record is not written: the size and
  // pixels follow the formula's fields, and only on request.
  CGCell::Serialize(ar);
  const bool pictures = ar.Context().bStoreFormulaPictures;
  if (ar.IsStoring()) {
    ar << m_strMarkup << m_dwOption << m_fStoredScale << m_dwScalesWithView << m_dwStoredWord << m_strStoredText;
    if (pictures) {
      // Rendered for the store when not yet drawn; memory running out
      // refuses the save rather than store a blank picture.
      if (m_bPictureDue) RebuildTexture();
      SerializePicture(ar);
    }
    return;
  }
  ar >> m_strMarkup >> m_dwOption >> m_fStoredScale >> m_dwScalesWithView >> m_dwStoredWord >> m_strStoredText;
  RequireFinite({m_vLabelAnchor[0], m_vLabelAnchor[1]});
  if (!pictures) {
    // A few bytes of mark-up can render to a large picture: only its size
    // now, its pixels when it is shown.
    int width = 0, height = 0;
    MeasureVodMask(m_strMarkup, &width, &height);
    m_nWidth = static_cast<DWORD>(width);
    m_nHeight = static_cast<DWORD>(height);
    SetPixels({});
    m_bPictureDue = true;
    m_texture.MarkStale();
    return;
  }
  m_bPictureDue = false;
  SerializePicture(ar);
  if (m_dwScalesWithView != 0) m_dwScalesWithView = 1;
  m_texture.MarkStale();
}

void CGTbVodText::DragBy(int dx, int dy) {
  // The stored anchor keeps its meaning (text-layer units before the zoom),
  // so saved documents place the text where they always did.
  const float zoom = ScalesWithView() && g_fViewScale > 0 ? g_fViewScale : 1.0f;
  const float step = g_fUnitsPerPixel / zoom;
  m_vLabelAnchor[0] += static_cast<float>(dx) * step;
  m_vLabelAnchor[1] -= static_cast<float>(dy) * step;
}

QString CGTbVodText::GetDescription() {
  return FillFormat(kTextFormulaDescription, "%d", {QString::number(m_nWidth), QString::number(m_nHeight)});
}

// --- CGTbMhc -------------------------------------------------------------------

CGTbMhc::CGTbMhc() {
  m_dwScalesWithView = 1;
  m_strName = QString::fromUtf8(kTextPointFormulaName);
}

CGTbMhc::CGTbMhc(WORD id, const QString& markup, DWORD option, WORD point) : CGTbVodText(id, markup, option, 1) {
  m_strName = QString::fromUtf8(kTextPointFormulaName);
  FollowPoint(point);
  Recalculate();
}

void CGTbMhc::Serialize(CArchive& ar) {
  CGTbVodText::Serialize(ar);
  SerializeOffset(ar, m_vOffset);
}

void CGTbMhc::Recalculate() { PlaceAtPoint(m_vOffset); }

QString CGTbMhc::GetDescription() { return FillFormat(kTextPointFormulaDescription, "%s", {FollowedPointName()}); }

void CGTbMhc::DragBy(int dx, int dy) { DragWithOffset(dx, dy, m_vOffset); }
