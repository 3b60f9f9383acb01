// The property rows of texts and pictures: a picture opens its zoom dialog,
// a formula text the formula editor, a rich text the rich-text editor; a
// plain bitmap text tells what it is.
#include <bit>
#include <cmath>
#include <utility>

#include "cells/texts/cgtbvodtext.h"
#include "cells/texts/cgtextbit.h"
#include "editing/dialogs/properties/imagepropertydialog.h"
#include "editing/properties/propertyrows.h"
#include "formula/control/formuladialogs.h"
#include "platform/notifier.h"
#include "richtext/rteditdata.h"

namespace {
// Where a text came from (its sub-kind): a plain bitmap, an editable
// formula; any other value an editable rich text.
constexpr BYTE kPlainBitmap = 0;
constexpr BYTE kFormulaText = 4;

bool EditImage(CKavrelDoc&, CGCell& cell) {
  if (cell.m_nSubKind != kPlainBitmap) return false;
  auto& image = static_cast<CGTbImage&>(cell);
  CDlgImagePropy dialog;
  dialog.m_strSize = image.GetDescription();
  dialog.m_fWidthScale = image.ZoomX();
  dialog.m_fHeightScale = image.ZoomY();
  if (DialogProvider().DoModal(dialog) == IDOK) image.SetZoom(dialog.m_fWidthScale, dialog.m_fHeightScale);
  return true;
}

bool DescribeBitmapText(CKavrelDoc&, CGCell& cell) {
  if (cell.m_nSubKind != kPlainBitmap) return false;
  KvMessageBox(cell.GetDescription(), QString(), MB_OK | MB_ICONINFORMATION);
  return true;
}

// Rendered again from the new mark-up; a formula left empty keeps the old.
bool EditFormulaText(CKavrelDoc&, CGCell& cell) {
  auto* text = dynamic_cast<CGTbVodText*>(&cell);
  if (cell.m_nSubKind != kFormulaText || !text) return false;
  CVodDlg dialog;
  dialog.m_strVod = text->m_strMarkup;
  const RGBA& colour = text->m_rgbaColor;
  dialog.m_crText = COLORREF(colour.r | (colour.g << 8) | (colour.b << 16));
  dialog.m_crBack = text->m_dwOption;
  if (DialogProvider().DoModal(dialog) != IDOK || dialog.m_bEmpty) return true;
  text->m_strMarkup = dialog.m_strVod;
  text->m_dwOption = dialog.m_crBack;
  text->RebuildTexture();
  return true;
}

// The editor's text area as the text keeps it (two floats); the editor's
// default size for a text that holds none a dialog could open with.
int KeptSide(DWORD word, int fallback) {
  const float side = std::bit_cast<float>(word);
  return side >= 1.0f && side <= static_cast<float>(CGTextbit::kMaxSide) ? static_cast<int>(side) : fallback;
}

// A mask text edited as rich text; it changes only when the editor hands
// back a picture.  Pictures and formula texts hold other pixels.
bool EditRichText(CKavrelDoc&, CGCell& cell) {
  if (cell.m_nSubKind == kPlainBitmap || cell.m_nSubKind == kFormulaText) return false;
  if (dynamic_cast<CGTbImage*>(&cell) || dynamic_cast<CGTbVodText*>(&cell)) return false;
  auto& text = static_cast<CGTextbit&>(cell);
  CDlgRtEdit dialog;
  dialog.m_strText = text.m_strVodName;
  dialog.m_strTitle = text.m_strName;
  dialog.m_nContentWidth = KeptSide(text.m_dwParam1, CDlgRtEdit::kDefaultContentWidth);
  dialog.m_nContentHeight = KeptSide(text.m_dwParam2, CDlgRtEdit::kDefaultContentHeight);
  if (DialogProvider().DoModal(dialog) != IDOK || dialog.m_mask.empty()) return true;
  text.m_strVodName = dialog.m_strText;
  text.m_nWidth = static_cast<DWORD>(dialog.m_nMaskWidth);
  text.m_nHeight = static_cast<DWORD>(dialog.m_nMaskHeight);
  text.SetPixels(std::move(dialog.m_mask));
  text.m_dwParam3 = 0;  // no texture
  text.m_strName = dialog.m_strTitle;
  text.m_dwParam1 = std::bit_cast<DWORD>(static_cast<float>(dialog.m_nContentWidth));
  text.m_dwParam2 = std::bit_cast<DWORD>(static_cast<float>(dialog.m_nContentHeight));
  return true;
}

const CPropertyRows rows({
    {PropertyList::Texts, 20, "CGTbImage", EditImage},
    {PropertyList::Texts, 30, "CGTextbit", DescribeBitmapText},
    {PropertyList::Texts, 40, "CGTextbit", EditFormulaText},
    {PropertyList::Texts, 50, "CGTextbit", EditRichText},
});
}  // namespace
