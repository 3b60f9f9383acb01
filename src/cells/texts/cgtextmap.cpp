#include "cells/texts/cgtextmap.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "cells/texts/textcelltexts.h"
#include "cells/texts/textlayer.h"
#include "cells/texts/valuetext.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "model/kindtests.h"
#include "platform/archive.h"
#include "render/framedtext.h"
#include "render/glcontext.h"
#include "render/glfontlists.h"
#include "render/rasterposition.h"
#include "render/textureglyphs.h"

IMPLEMENT_SERIAL(CGTextmap, CGCell)
IMPLEMENT_SERIAL(CGTmSingleline, CGTextmap)

namespace {
// The low byte of a whole number, as 8-bit arithmetic keeps it; a value far
// out of range (a caption dragged off to nowhere) must not overflow.
BYTE LowByte(double v) {
  if (!std::isfinite(v)) return 0;
  return static_cast<BYTE>(static_cast<std::int64_t>(std::clamp(v, -1e15, 1e15)));
}
}  // namespace

CGTextmap::CGTextmap() {
  m_strName = QString::fromUtf8(kTextCaptionName);
  m_rgbaColor = g_prefs.rgbaMeasure;
  m_fSize = 0.01f;
  m_nParamB = 1;
  m_bLabelHidden = 0;
  m_dwParam3 = 17;
  m_bLabelStale = true;
}

void CGTextmap::Serialize(CArchive& ar) {
  // Before the common record: laying the text out may count its rows anew.
  if (ar.IsStoring()) ComposeIfDue();
  CGCell::Serialize(ar);
  if (ar.IsStoring()) {
    ar << m_strValueText;
    return;
  }
  ar >> m_strValueText;
  m_bValueTextDue = false;
  CheckLoadedCaption();
}

void CGTextmap::CheckLoadedCaption() {
  for (float v : m_vLabelAnchor)
    if (!std::isfinite(v))
      throw CArchiveException(ArchiveError::BadData, "caption " + std::to_string(m_nId) + " has no place");
  m_strLabelLists.clear();
  m_bLabelStale = true;
}

QString CGTextmap::GetDescription() { return QString::fromUtf8(kTextCaptionDescription); }

void CGTextmap::DragBy(int dx, int dy) {
  const float p = g_fUnitsPerPixel;
  m_vLabelAnchor[0] += static_cast<float>(dx) * p;
  m_vLabelAnchor[1] -= static_cast<float>(dy) * p;
  // Dropped beyond the view's edge it would be drawn nowhere.
  KeepInView(m_vLabelAnchor);
  CGPage* page = g_pCurPage;
  if (!page) return;
  // The place in grid units of 20 pixels, and its cell of the text grid.
  const float g = 1 / (20 * p);
  const float x = m_vLabelAnchor[0] * g;
  const float y = m_vLabelAnchor[1] * g;
  page->m_ptLastText[0] = x;
  page->m_ptLastText[1] = y;
  page->m_nTextSlot =
      LowByte(16 * std::trunc((19.0 - x) / 12) - std::trunc(((11.0 - y) + 0.75) / -1.5) + 1);
}

int CGTextmap::FrameWidthCode() const {
  if (IsKindOfClassName(this, "CGTmVector")) return 3;
  return IsKindOf(RUNTIME_CLASS(CGTmSingleline)) ? 0 : 1;
}

bool CGTextmap::ListsCurrent() const { return !m_bLabelStale && m_nListGeneration == GlGeneration(); }

void CGTextmap::RebuildLists(int widthCode) {
  if (m_nStyle == 1 && !m_bLabelHidden) {
    GLuint pair = m_framedLists.First();
    int height = 0;
    m_strLabelLists = DrawGlTextFramed(m_strVodName, pair, height, widthCode);
    m_framedLists.Adopt(pair, 2);
    m_strLabelLists += DrawGlTextDC(m_strValueText);
    if (height != 0) m_nParamB = height / (g_nTextLineHeight + 5) + 1;
  } else {
    m_strLabelLists = ShowsName() ? DrawGlText(m_strName + QString::fromUtf8(kTextNameEquals)) : QString();
    m_strLabelLists += DrawGlTextDC(m_strValueText);
  }
  m_bLabelStale = false;
  m_nListGeneration = GlGeneration();
}

void CGTextmap::ShowValueText(QStringView text) {
  if (text != QStringView(m_strValueText)) {
    AssignInPlace(m_strValueText, text);
  } else if (ListsCurrent()) {
    return;
  }
  // While a file loads, an undo runs or a point is dragged there is no
  // context to make lists in: the next draw makes them.
  if (!GlContextCurrent()) {
    m_bLabelStale = true;
    return;
  }
  if (m_nStyle == 1 && !m_bLabelHidden && !m_bLabelStale && ReuseFramedList()) return;
  RebuildLists(FrameWidthCode());
}

void CGTextmap::AdoptLists(const QString& lists) {
  m_strLabelLists = lists;
  m_bLabelStale = false;
  m_nListGeneration = GlGeneration();
}

bool CGTextmap::ReuseFramedList() {
  // A plain-text name compiles no list of its own: there is nothing to reuse.
  const GLuint first = m_framedLists.First();
  const QChar framed(static_cast<char16_t>(first));
  if (first == 0 || m_nListGeneration != GlGeneration() || !m_strLabelLists.startsWith(framed)) return false;
  m_strLabelLists = framed + DrawGlTextDC(m_strValueText);
  m_bLabelStale = false;
  return true;
}

void CGTextmap::Draw() {
  if (!TextLayerShows(*this)) return;
  SetTextColour(m_bSelected || m_bHovered ? g_prefs.rgbaSelection : m_rgbaColor);
  const TextLayerMatrix layer;
  ComposeIfDue();
  if (!ListsCurrent()) RebuildLists(FrameWidthCode());
  const float* a = m_vLabelAnchor;
  if (m_nStyle == 1) {
    CallTextListsAt(m_strLabelLists, a[0], a[1], kTextLayerDepth);
    return;
  }
  g_textPen = {a[0], a[1], kTextLayerDepth, g_prefs.nTextFontHeight};
  if (ShowsName()) DrawTextureTextMixed(m_strName + QString::fromUtf8(kTextNameEquals));
  DrawTextureText(m_strValueText);
}

void CGTextmap::PickCaption() const {
  const TextLayerMatrix layer;
  const float p = g_fUnitsPerPixel;
  const float rows = m_nStyle == 1 ? static_cast<float>(m_nParamB) : 1.0f;
  const float width = static_cast<float>(m_strLabelLists.size()) * static_cast<float>(g_nTextCharWidth) * p;
  const float height = static_cast<float>(g_nTextLineHeight) * rows * p;
  const float* a = m_vLabelAnchor;
  PickRect(6, m_nId, a[0], a[1], a[0] + width, a[1] + height);
}

void CGTmSingleline::DrawForPick(int mode) {
  if (mode <= 2 || !m_bDefined || !TextLayerShows(*this)) return;
  PickCaption();
}
