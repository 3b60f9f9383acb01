// Recolouring: the selection by hand or automatically, the label colour and
// label mode of the selection, and a whole page from the colour scheme.
#include <algorithm>

#include "model/autocolor.h"
#include "model/cgbutton.h"
#include "model/cgcell.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/globals.h"
#include "model/kindtests.h"
#include "model/selection.h"
#include "platform/processstate.h"

constexpr RGBA kStartInk{255, 0, 0, 255};
RGBA g_rgbaInk = kStartInk;

namespace {
const ProcessStateReset reset([] { g_rgbaInk = kStartInk; });

constexpr RGBA kButtonTab{0x33, 0x66, 0xFF, 0xFF};
constexpr RGBA kBlack{0, 0, 0, 255};

RGBA FromColorRef(COLORREF c) {
  return RGBA{static_cast<BYTE>(c), static_cast<BYTE>(c >> 8), static_cast<BYTE>(c >> 16), 255};
}

// Only red, green and blue change; the alpha byte is the cell's.
void SetRgb(RGBA& target, const RGBA& from) {
  target.r = from.r;
  target.g = from.g;
  target.b = from.b;
}

// The selected cells of one kind list.
template <class F>
void ForEachListed(CGPage& page, const std::vector<WORD>& ids, F f) {
  for (WORD id : ids)
    if (CGCell* cell = page.m_cells.Lookup(id)) f(*cell);
}

bool IsColorModifier(const CGCell& cell) { return IsKindOfClassName(&cell, "CGMdfColor"); }

// A plain colour, opaque when colouring automatically.
void Paint(CGCell& cell, const RGBA& color, bool opaque) {
  SetRgb(cell.m_rgbaColor, color);
  if (opaque) cell.m_rgbaColor.a = 255;
}

void PaintPath(CGCell& cell, const RGBA& curve) {
  if (IsKindOfClassName(&cell, "CGArc") && cell.m_nSubKind > 1) {
    SetRgb(cell.m_rgbaLabel, curve);  // a filled kind shows its fill in the second colour
  } else {
    SetRgb(cell.m_rgbaColor, IsKindOfClassName(&cell, "CGInkmarks") ? g_rgbaInk : curve);
  }
  cell.m_rgbaColor.a = 255;
}
}  // namespace

bool ApplyColorToSelection(COLORREF colorRef) {
  CGPage* page = g_pCurPage;
  if (!page) return false;
  const bool automatic = colorRef == kAutomaticColors;
  const CDisplayPrefs& scheme = g_prefs;
  RGBA color = FromColorRef(colorRef);
  bool any = false;
  auto listed = [&](const std::vector<WORD>& ids, auto f) {
    any = any || !ids.empty();
    ForEachListed(*page, ids, f);
  };

  listed(page->m_selPoints, [&](CGCell& cell) {
    if (!automatic) return Paint(cell, color, false);
    const bool free = IsKindOfClassName(&cell, "CGVerFree");
    Paint(cell, free ? scheme.rgbaFreePoint : scheme.rgbaFixedPoint, true);
    SetRgb(cell.m_rgbaLabel, scheme.rgbaLabel);
  });
  if (automatic) color = scheme.rgbaLine;
  listed(page->m_selLines, [&](CGCell& cell) { Paint(cell, color, automatic); });
  listed(page->m_selFaces, [&](CGCell& cell) {
    Paint(cell, automatic ? FromColorRef(NextAutoColor()) : color, automatic);
  });
  listed(page->m_selPaths, [&](CGCell& cell) {
    if (automatic) return PaintPath(cell, scheme.rgbaCurve);
    Paint(cell, color, false);
  });
  if (automatic) color = scheme.rgbaText;
  const COLORREF backdrop = BackgroundColorRef(scheme.background.data());
  listed(page->m_selTexts, [&](CGCell& cell) {
    Paint(cell, color, automatic);
    cell.TakeBackdrop(backdrop);
  });
  if (automatic) color = scheme.rgbaMeasure;
  listed(page->m_selValues, [&](CGCell& cell) { Paint(cell, color, automatic); });
  listed(page->m_selButtons, [&](CGCell& cell) {
    if (!automatic) return Paint(cell, color, false);
    cell.m_rgbaColor = kButtonTab;
    SetRgb(cell.m_rgbaLabel, kBlack);
  });
  if (automatic) color = scheme.rgbaCurve;
  listed(page->m_selSolids, [&](CGCell& cell) { Paint(cell, color, automatic); });
  if (automatic) color = scheme.rgbaLine;
  ForEachListed(*page, page->m_selOthers, [&](CGCell& cell) {
    if (IsColorModifier(cell)) return;  // its colours are its settings, not its look
    Paint(cell, color, automatic);
    any = true;
  });
  return any;
}

void SetSelectionLabelColor(COLORREF colorRef) {
  CGPage* page = g_pCurPage;
  if (!page) return;
  const RGBA color = FromColorRef(colorRef);
  for (const std::vector<WORD>* ids :
       {&page->m_selPoints, &page->m_selLines, &page->m_selFaces, &page->m_selPaths, &page->m_selTexts,
        &page->m_selValues, &page->m_selButtons, &page->m_selSolids, &page->m_selOthers}) {
    const bool others = ids == &page->m_selOthers;
    ForEachListed(*page, *ids, [&](CGCell& cell) {
      if (!(others && IsColorModifier(cell))) SetRgb(cell.m_rgbaLabel, color);
    });
  }
}

void SetSelectionLabelMode(BOOL on) {
  CGPage* page = g_pCurPage;
  if (!page) return;
  for (const std::vector<WORD>* ids : {&page->m_selPoints, &page->m_selLines, &page->m_selFaces, &page->m_selPaths})
    ForEachListed(*page, *ids, [on](CGCell& cell) { cell.m_nLabelMode = on ? 0 : 1; });
}

void CGPage::ApplyColorScheme() {
  const CDisplayPrefs& scheme = g_prefs;
  std::copy(scheme.background.begin(), scheme.background.end(), m_rgbaBackground);
  for (auto [id, cell] : m_cells) {
    SetRgb(cell->m_rgbaLabel, scheme.rgbaLabel);
    if (cell->IsKindOf(RUNTIME_CLASS(CGVertex))) {
      cell->m_fSize = scheme.fPointSize;
      const bool free = IsKindOfClassName(cell, "CGVerFree");
      SetRgb(cell->m_rgbaColor, free ? scheme.rgbaFreePoint : scheme.rgbaFixedPoint);
    } else if (IsKindOfClassName(cell, "CGLine")) {
      SetRgb(cell->m_rgbaColor, scheme.rgbaLine);
      cell->m_fSize = scheme.fLineWidth;
    } else if (IsKindOfClassName(cell, "CGArc")) {
      SetRgb(cell->m_nSubKind > 1 ? cell->m_rgbaLabel : cell->m_rgbaColor, scheme.rgbaCurve);
      cell->m_fSize = scheme.fLineWidth;
    } else if (IsKindOfAnyClassName(cell, {"CGLocus", "CGCurve"})) {
      SetRgb(cell->m_rgbaColor, scheme.rgbaCurve);
      cell->m_fSize = scheme.fLineWidth;
    } else if (cell->IsKindOf(RUNTIME_CLASS(CGButton))) {
      SetRgb(cell->m_rgbaColor, kButtonTab);
      SetRgb(cell->m_rgbaLabel, kBlack);
    } else if (IsKindOfAnyClassName(cell, {"CGTmVariable", "CGTmVector", "CGIterate"})) {
      SetRgb(cell->m_rgbaColor, scheme.rgbaMeasure);
    } else if (IsKindOfAnyClassName(cell, {"CGTextbit", "CGTextmap"})) {
      SetRgb(cell->m_rgbaColor, scheme.rgbaText);
      cell->TakeBackdrop(BackgroundColorRef(m_rgbaBackground));
    } else if (IsKindOfAnyClassName(cell, {"CGSphere", "CGCylinder", "CGCone", "CGFrustum", "CGTrack", "CGSurface"})) {
      SetRgb(cell->m_rgbaColor, scheme.rgbaCurve);
    }
  }
}
