#include "support/drawndialogs.h"

#include <iterator>
#include <limits>

#include "editing/dialogs/bodies/subadialog.h"
#include "editing/dialogs/inputdialogs.h"
#include "editing/dialogs/labels/labeldialogs.h"
#include "editing/dialogs/properties/imagepropertydialog.h"
#include "editing/dialogs/properties/primitivedialogs.h"
#include "editing/dialogs/solids/staticdialog.h"
#include "editing/dialogs/transform/transformdialogs.h"
#include "platform/notifier.h"
#include "view/tools/preferences.h"

namespace {
template <class T>
T* As(CDialogData& data) {
  return dynamic_cast<T*>(&data);
}
}  // namespace

QString TypedName(StepDraw& draw) {
  static constexpr const char* kNames[] = {"#1", "#2", "#5", "#12", "#70000", "A#3", "#", "B", "|#4|"};
  return QString::fromUtf8(kNames[draw(std::size(kNames))]);
}

int DrawnDialogs::DoModal(CDialogData& data) {
  const unsigned how = m_draw(8);
  m_answer = how == 0 ? "cancelled" : how >= 4 ? "filled" : "taken as preset";
  if (how == 0) return IDCANCEL;
  if (how >= 4) Fill(data);
  return IDOK;
}

float DrawnDialogs::Number() {
  static constexpr float kMax = std::numeric_limits<float>::max();
  static constexpr float kNumbers[] = {0,     1,      -1,    0.5f,  2,     3,     -2.5f, 7,    10,   45,
                                       90,    180,    360,   -720,  1e-38f, 1e-6f, 1e6f,  1e19f, 2e19f, -1e30f,
                                       1.1e38f, 2e38f, 3e38f, -3e38f, kMax,  -kMax};
  return kNumbers[m_draw(std::size(kNumbers))];
}

COLORREF DrawnDialogs::Colour() {
  static constexpr COLORREF kColours[] = {0x000000, 0xFFFFFF, 0x0000FF, 0x00CCFF, 0x0099FF, 0x808000, 0x030201};
  return kColours[m_draw(std::size(kColours))];
}

void DrawnDialogs::Fill(CDialogData& data) {
  if (auto* d = As<CDlgValue>(data)) {
    d->m_fValue = Number();
  } else if (auto* d = As<CDlgAngle>(data)) {
    d->m_fAngle = Number();
    d->m_nUnit = Choice(0, 1);
  } else if (auto* d = As<CDlgVector>(data)) {
    d->m_x = Number(), d->m_y = Number(), d->m_z = Number();
  } else if (auto* d = As<CDlgParameter>(data)) {
    d->m_fValue = Number(), d->m_fStart = Number(), d->m_fEnd = Number();
  } else if (auto* d = As<DlgDivPoint>(data)) {
    d->m_nN = Choice(DlgDivPoint::kMinN, DlgDivPoint::kMaxN);
    d->m_bOnlyFirst = Choice(0, 1);
  } else if (auto* d = As<CDlgNumber>(data)) {
    d->m_nCount = Choice(CDlgNumber::kMinCount, CDlgNumber::kMaxCount);
  } else if (auto* d = As<CDlgTransTranslate>(data)) {
    d->m_fX = Number(), d->m_fY = Number(), d->m_fZ = Number();
    d->m_nChoice = Choice(0, 1);
  } else if (auto* d = As<CDlgTransRotate>(data)) {
    d->m_nAxisChoice = Choice(0, 2);
    d->m_nAngleChoice = Choice(0, 1);
    d->m_fVx = Number(), d->m_fVy = Number(), d->m_fVz = Number();
    d->m_fPx = Number(), d->m_fPy = Number(), d->m_fPz = Number();
    d->m_fDegrees = Number();
  } else if (auto* d = As<CDlgTransScale>(data)) {
    d->m_fFactor = Number();
    d->m_nChoice = Choice(0, 1);
  } else if (auto* d = As<CDlgPropertyPoint>(data)) {
    d->m_x = Number(), d->m_y = Number(), d->m_z = Number();
    d->m_fValue1 = Number(), d->m_fValue2 = Number(), d->m_fValue3 = Number();
  } else if (auto* d = As<CDlgPropertyCircle>(data)) {
    d->m_nRangeMode = Choice(0, 1);
    d->m_fStart = Number(), d->m_fEnd = Number();
  } else if (auto* d = As<CDlgStaticKavrel>(data)) {
    d->m_fCenterX = Number(), d->m_fCenterY = Number(), d->m_fCenterZ = Number();
    d->m_fAxisX = Number(), d->m_fAxisY = Number(), d->m_fAxisZ = Number();
  } else if (auto* d = As<CCreateSubaDlg>(data)) {
    for (float* v : {d->m_fCenter, d->m_fAxis, d->m_fScale}) v[0] = Number(), v[1] = Number(), v[2] = Number();
    d->m_fTurn = Number();
  } else if (auto* d = As<CDlgImagePropy>(data)) {
    d->m_fWidthScale = Number(), d->m_fHeightScale = Number();
  } else if (auto* d = As<CDlgPropertyLabel>(data); d && m_set != StepSet::kEdits) {
    d->m_strLabel = TypedName(m_draw);
    d->m_bAutoName = Choice(0, 1);
    if (m_set == StepSet::kWide) {
      d->m_crColor = Colour();
      d->m_bColorChanged = Choice(0, 1);
      d->m_bShowLabel = Choice(0, 1);
      d->m_bAutoScale = Choice(0, 1);
    }
  } else if (auto* d = As<CDlgLabelVod>(data); d && m_set == StepSet::kWide) {
    d->m_nFormat = Choice(CDlgLabelVod::TEXT, CDlgLabelVod::FORMULA);
    d->m_nKind = Choice(CDlgLabelVod::AUTOMATIC, CDlgLabelVod::CUSTOM);
    d->m_strLabel = TypedName(m_draw);
  } else if (auto* d = As<CDlgPreferonces>(data)) {
    FillPreferences(*d);
  }
}

void DrawnDialogs::FillPreferences(CDlgPreferonces& d) {
  if (Choice(0, 1)) {
    d.ApplyPreset(static_cast<PreferencePreset>(Choice(0, 3)));
  } else {
    static constexpr const char* kSizes[] = {"8", "12", "72", "0", "x", "1e30"};
    for (COLORREF& c : d.m_colors)
      if (m_draw(3) == 0) c = Colour();
    d.m_strLabelSize = QString::fromLatin1(kSizes[m_draw(std::size(kSizes))]);
    d.m_strMeasureSize = QString::fromLatin1(kSizes[m_draw(std::size(kSizes))]);
    d.m_fLineWidth = Choice(0, 1) ? CDlgPreferonces::kMinLineWidth : CDlgPreferonces::kMaxLineWidth;
    d.m_fPointSize = Choice(0, 1) ? CDlgPreferonces::kMinPointSize : CDlgPreferonces::kMaxPointSize;
  }
  d.m_bCurrentPageOnly = Choice(0, 1);
  const unsigned applied = m_draw(3);
  for (unsigned n = applied; n > 0 && d.m_applyNow; --n) d.m_applyNow(d);
  m_answer += std::string(d.m_bCurrentPageOnly ? ", the page" : ", every page") + ", applied now " +
              std::to_string(applied) + " times";
}
