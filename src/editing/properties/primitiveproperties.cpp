// The property rows of a single selected line, face, circle or arc, and
// other solid: each fills its dialog from the cell and, on OK, writes the
// answer back (to every cell of its kind on the page where the dialog's box
// says so) and refreshes what depends on the cell.  Nothing here is undoable.
#include "cells/primitives/cgarc.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgline.h"
#include "editing/dialogs/inputdialogs.h"
#include "editing/dialogs/properties/primitivedialogs.h"
#include "editing/properties/primitivewriteback.h"
#include "editing/properties/propertyrows.h"
#include "model/autocolor.h"
#include "model/cgpage.h"
#include "platform/dialogprovider.h"
#include "platform/notifier.h"
#include "platform/processstate.h"
#include "render/viewglobals.h"

namespace {
using namespace primitive_rows;

// The translucent display style of each kind.
constexpr int kSolidTranslucentStyle = 3;
// The texture numbers of the view's own pictures.
constexpr DWORD kLastPicture = 15;

// The picture given in turn to the page's faces whose number names none of
// the view's pictures: 8 first, then up to 15, then round again from 9.
int g_nRollingTexture = 8;
const ProcessStateReset resetRollingTexture([] { g_nRollingTexture = 8; });

DWORD NextRollingTexture() {
  const int texture = g_nRollingTexture++;
  if (g_nRollingTexture > static_cast<int>(kLastPicture)) g_nRollingTexture = 9;
  return static_cast<DWORD>(texture);
}

template <class Dialog>
void FillCommon(CGCell& cell, Dialog& data) {
  data.m_strDescription = cell.GetDescription();
  data.m_strLabel = cell.m_strName;
  data.m_bHideObject = cell.m_bHidden;
  data.m_bHideLabel = cell.m_bLabelHidden;
}

void TakeCommon(CGCell& cell, const CPropertyCommon& answer) {
  TakeTypedName(cell, answer.m_strLabel);
  cell.m_bHidden = answer.m_bHideObject;
  cell.m_bLabelHidden = answer.m_bHideLabel;
}

// Every cell of the page of class T.
template <class T, class Change>
void ForEachOnPage(CGPage& page, Change change) {
  for (auto [id, cell] : page.m_cells)
    if (cell->IsKindOf(T::ThisClass())) change(static_cast<T&>(*cell));
}

// Shows the dialog filled by `fill`; on OK `take` writes it back.
template <class Dialog, class Cell, class Fill, class Take>
bool Edit(CGCell& cell, Fill fill, Take take) {
  CGPage* page = g_pCurPage;
  auto* typed = dynamic_cast<Cell*>(&cell);
  if (!page || !typed) return false;
  Dialog data;
  fill(*typed, data);
  if (DialogProvider().DoModal(data) == IDOK) take(*page, *typed, data);
  return true;
}

// --- Lines -------------------------------------------------------------------

void TakeLine(CGPage& page, CGLine& line, const CDlgPropertyLine& answer) {
  TakeCommon(line, answer);
  line.m_nStyle = static_cast<BYTE>(answer.m_nDisplayMode);
  line.m_nSubKind = static_cast<BYTE>(answer.m_nLineKind);
  line.m_fSize = answer.m_fWidth;
  line.m_nLabelExtra[2] = answer.m_nDashPattern;
  if (answer.m_bApplyToPage) {
    ForEachOnPage<CGLine>(page, [&](CGLine& other) {
      other.m_nStyle = line.m_nStyle;
      other.m_fSize = line.m_fSize;
    });
  }
  CollectDescendants(page, line);
  page.UpdateLabels(page.m_dirtyIds);
  PostItemTexts(page);
}

bool EditLineProperties(CKavrelDoc&, CGCell& cell) {
  return Edit<CDlgPropertyLine, CGLine>(
      cell,
      [](CGLine& line, CDlgPropertyLine& data) {
        FillCommon(line, data);
        data.m_nDisplayMode = line.m_nStyle;
        data.m_nLineKind = line.m_nSubKind;
        data.m_fWidth = line.m_fSize;
        data.m_nDashPattern = line.DashPattern();
      },
      TakeLine);
}

// --- Faces -------------------------------------------------------------------

// A face whose picture changes from none to one rebuilds its texture
// coordinates before it is drawn with it.
void TakePicture(CGFace& face, DWORD picture) {
  if (face.m_dwParam3 == 0 && picture != 0) face.TexCoordsDirty = 1;
  face.m_dwParam3 = picture;
}

void ApplyFaceModeToPage(CGPage& page, int mode, DWORD picture, int alpha) {
  ForEachOnPage<CGFace>(page, [&](CGFace& face) {
    face.m_nStyle = static_cast<BYTE>(mode);
    if (mode > kFaceStippled) {
      if (picture == 0) {
        face.m_dwParam3 = 0;
      } else if (face.m_dwParam3 > kLastPicture) {
        face.m_dwParam3 = NextRollingTexture();
        face.TexCoordsDirty = 1;
      }
    }
    TakeAlpha(face, alpha);
  });
}

void TakeFace(CGPage& page, CGFace& face, const CDlgPropertyFace& answer) {
  TakeCommon(face, answer);
  face.m_nLabelExtra[2] = answer.m_nFillPattern;
  const int mode = answer.m_nDisplayMode;
  const auto picture = static_cast<DWORD>(answer.m_nTexture);
  if (mode > kFaceStippled) TakePicture(face, picture);
  const int alpha = TranslucencyAlpha(face.m_nStyle, mode, kFaceTranslucent);
  TakeAlpha(face, alpha);
  face.m_nStyle = static_cast<BYTE>(mode);
  if (answer.m_bApplyToPage) ApplyFaceModeToPage(page, mode, picture, alpha);
  CollectDescendants(page, face);
  page.UpdateLabels(page.m_dirtyIds);
  PostItemTexts(page);
}

bool EditFaceProperties(CKavrelDoc&, CGCell& cell) {
  return Edit<CDlgPropertyFace, CGFace>(
      cell,
      [](CGFace& face, CDlgPropertyFace& data) {
        FillCommon(face, data);
        data.m_nDisplayMode = face.m_nStyle;
        data.m_nTexture = static_cast<int>(face.m_dwParam3);
        data.m_nFillPattern = face.StipplePattern();
      },
      TakeFace);
}

// --- Circles and arcs --------------------------------------------------------

bool SameRgb(const RGBA& a, const RGBA& b) { return a.r == b.r && a.g == b.g && a.b == b.b; }
void SetRgb(RGBA& to, const RGBA& from) { to = {from.r, from.g, from.b, to.a}; }

// The colours of a circle that becomes filled or an outline: a filled kind
// is filled in its first colour and outlined in its second.  An outline
// whose second colour is only the label colour gets a new fill colour.
void ExchangeColours(CGArc& arc, bool filledBefore, bool filledAfter) {
  if (filledBefore == filledAfter) return;
  const RGBA first = arc.m_rgbaColor;
  if (filledAfter && SameRgb(arc.m_rgbaLabel, g_prefs.rgbaLabel)) {
    const COLORREF c = NextAutoColor();
    SetRgb(arc.m_rgbaColor, {BYTE(c & 0xFF), BYTE((c >> 8) & 0xFF), BYTE((c >> 16) & 0xFF), 255});
  } else {
    SetRgb(arc.m_rgbaColor, arc.m_rgbaLabel);
  }
  SetRgb(arc.m_rgbaLabel, first);
}

void TakeArcRange(CGArc& arc, const CDlgPropertyCircle& answer) {
  arc.StartAngle = Radians(answer.m_fStart);
  arc.EndAngle = Radians(answer.m_fEnd);
  arc.NormalizeAngles();
  if (arc.EndAngle - arc.StartAngle < 1e-6f) arc.EndAngle = arc.StartAngle + kArcFullTurn;
  arc.AutoRange = answer.m_nRangeMode == 0 ? 1 : 0;
}

void TakeCircle(CGPage& page, CGArc& arc, const CDlgPropertyCircle& answer) {
  // Angles too large for float radians change nothing.
  for (const float degrees : {answer.m_fStart, answer.m_fEnd}) {
    if (const QString refused = RefusedDegrees(degrees); !refused.isEmpty()) {
      KvMessageBox(refused);
      return;
    }
  }
  TakeCommon(arc, answer);
  const int kind = answer.m_nKind;
  ExchangeColours(arc, arc.m_nSubKind > kArcArc, kind > kArcArc);
  arc.m_nSubKind = static_cast<BYTE>(kind);
  TakeAlpha(arc, TranslucencyAlpha(arc.m_nStyle, answer.m_nDisplayMode, kArcTranslucent));
  arc.m_nStyle = static_cast<BYTE>(answer.m_nDisplayMode);
  TakeArcRange(arc, answer);
  arc.m_fSize = answer.m_fWidth;
  if (CDlgPropertyCircle::TextureListEnabled(kind, arc.m_nStyle)) arc.m_dwParam3 = static_cast<DWORD>(answer.m_nTexture);
  // The cells named after it take its name now; the edit's end computes it
  // and them.
  CollectDescendants(page, arc);
  page.UpdateLabels(page.m_dirtyIds);
  PostItemTexts(page);
}

bool EditCircleProperties(CKavrelDoc&, CGCell& cell) {
  return Edit<CDlgPropertyCircle, CGArc>(
      cell,
      [](CGArc& arc, CDlgPropertyCircle& data) {
        FillCommon(arc, data);
        data.m_nKind = arc.m_nSubKind;
        data.m_nDisplayMode = arc.m_nStyle;
        data.m_fStart = Degrees(arc.StartAngle);
        data.m_fEnd = Degrees(arc.EndAngle);
        data.m_fWidth = arc.m_fSize;
        data.m_nTexture = arc.Picture();
        data.m_nRangeMode = arc.AutoRange ? 0 : 1;
      },
      TakeCircle);
}

// --- Other solids ------------------------------------------------------------

bool EditSolidProperties(CKavrelDoc&, CGCell& cell) {
  return Edit<CDlgPropertySolid, CGCell>(
      cell,
      [](CGCell& solid, CDlgPropertySolid& data) {
        data.m_strDescription = solid.GetDescription();
        data.m_bHideObject = solid.m_bHidden;
        data.m_nDisplayMode = solid.m_nStyle;
        data.m_nTexture = static_cast<int>(solid.m_dwParam3);
      },
      [](CGPage&, CGCell& solid, const CDlgPropertySolid& answer) {
        solid.m_bHidden = answer.m_bHideObject;
        TakeAlpha(solid, TranslucencyAlpha(solid.m_nStyle, answer.m_nDisplayMode, kSolidTranslucentStyle));
        solid.m_nStyle = static_cast<BYTE>(answer.m_nDisplayMode);
        solid.m_dwParam3 = static_cast<DWORD>(answer.m_nTexture);
      });
}

const CPropertyRows rows({
    {PropertyList::Lines, 10, "CGLine", EditLineProperties},
    {PropertyList::Faces, 10, "CGFace", EditFaceProperties},
    {PropertyList::Paths, 10, "CGArc", EditCircleProperties},
    {PropertyList::Solids, 1000, "CGCell", EditSolidProperties},
});
}  // namespace
