#include "editing/properties/pageproperties.h"

#include "model/autocolor.h"
#include "model/cgpage.h"
#include "model/document/kavreldoc.h"
#include "platform/notifier.h"
#include "platform/uibridge.h"
#include "render/projection.h"
#include "render/viewglobals.h"

namespace {
// The object list's item-text code of a page's own item; lParam is then
// the page's position counted from 1.
constexpr WPARAM kPageTexts = 2;

float Channel(COLORREF word, int shift) { return static_cast<float>((word >> shift) & 0xFF) / 255.0f; }
}  // namespace

CDlgPageProperty PagePropertiesOf(const CGPage& page) {
  CDlgPageProperty data;
  data.m_strPageName = page.m_strName;
  data.m_nUnitLength = static_cast<int>(1 / g_fUnitsPerPixel + 0.5f);
  data.m_nSliderPos = data.m_nUnitLength;
  data.m_bDashedHidden = page.m_bLitHidesDashed;
  data.m_crBackground = BackgroundColorRef(g_prefs.background.data());
  data.m_nDirection = page.m_nAxisOrientation;
  return data;
}

void ApplyPageProperties(CKavrelDoc& doc, CGPage& page, const CDlgPageProperty& answer) {
  page.m_strName = answer.m_strPageName;
  page.m_bLitHidesDashed = answer.m_bDashedHidden;
  page.m_nAxisOrientation = answer.m_nDirection;
  const float background[4] = {Channel(answer.m_crBackground, 0), Channel(answer.m_crBackground, 8),
                               Channel(answer.m_crBackground, 16), 1.0f};
  for (int k = 0; k < 4; ++k) page.m_rgbaBackground[k] = g_prefs.background[k] = background[k];
  // The view clears with the page's background from its next frame on.
  const bool unitInRange = answer.m_nUnitLength >= CDlgPageProperty::kMinUnitLength &&
                           answer.m_nUnitLength <= CDlgPageProperty::kMaxUnitLength;
  if (unitInRange && answer.m_nUnitLength != page.m_nPixelsPerUnit) {
    page.m_nPixelsPerUnit = answer.m_nUnitLength;
    g_fUnitsPerPixel = static_cast<float>(1.0 / answer.m_nUnitLength);
    ProjectionMatrix(g_nProjection, g_nViewWidth, g_nViewHeight, g_fUnitsPerPixel, g_dProjection);
  }
  int position = 0;
  doc.FindPageById(page.m_nId, &position);
  UiBridge().Post(UiTarget::Frame, WM_ITEM_TEXTS, kPageTexts, position);
}

void EditPageProperties(CKavrelDoc& doc, CGPage& page) {
  CDlgPageProperty dialog = PagePropertiesOf(page);
  if (DialogProvider().DoModal(dialog) == IDOK) ApplyPageProperties(doc, page, dialog);
}
