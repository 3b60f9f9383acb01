#include "view/tools/preferences.h"

#include <algorithm>
#include <cmath>

#include "model/cgpage.h"
#include "model/document/kavreldoc.h"
#include "platform/notifier.h"
#include "render/viewglobals.h"
#include "view/tools/mousetools.h"

namespace {
// The nine byte colours of the preferences, by ColorIndex from kSelection on.
constexpr RGBA CDisplayPrefs::*kByteColors[9] = {
    &CDisplayPrefs::rgbaSelection, &CDisplayPrefs::rgbaFreePoint, &CDisplayPrefs::rgbaFixedPoint,
    &CDisplayPrefs::rgbaLine,      &CDisplayPrefs::rgbaCurve,     &CDisplayPrefs::rgbaLabel,
    &CDisplayPrefs::rgbaMeasure,   &CDisplayPrefs::rgbaText,      &CDisplayPrefs::rgbaTable};

constexpr COLORREF Rgb(BYTE r, BYTE g, BYTE b) { return r | (g << 8) | (b << 16); }
BYTE Red(COLORREF c) { return c & 0xFF; }
BYTE Green(COLORREF c) { return (c >> 8) & 0xFF; }
BYTE Blue(COLORREF c) { return (c >> 16) & 0xFF; }

struct PresetRow {
  std::array<COLORREF, 10> colors;
  int size;
  float lineWidth, pointSize;
};

// By PreferencePreset.
const PresetRow kPresets[4] = {
    {{Rgb(255, 255, 255), Rgb(255, 0, 255), Rgb(255, 0, 0), Rgb(128, 0, 0), Rgb(0, 0, 128), Rgb(0, 128, 0),
      Rgb(0, 0, 0), Rgb(0, 0, 0), Rgb(0, 0, 152), Rgb(64, 64, 64)},
     18, 2.0f, 6.0f},
    {{Rgb(255, 255, 255), Rgb(255, 0, 255), Rgb(255, 0, 0), Rgb(128, 0, 0), Rgb(0, 0, 128), Rgb(0, 128, 0),
      Rgb(0, 0, 0), Rgb(128, 0, 128), Rgb(0, 0, 152), Rgb(64, 64, 64)},
     12, 1.5f, 3.0f},
    {{Rgb(0, 0, 0), Rgb(255, 0, 0), Rgb(255, 255, 0), Rgb(0, 255, 255), Rgb(0, 0, 255), Rgb(0, 255, 0),
      Rgb(255, 0, 255), Rgb(0, 255, 255), Rgb(255, 255, 0), Rgb(128, 128, 128)},
     18, 1.5f, 4.5f},
    {{Rgb(255, 255, 255), Rgb(255, 0, 0), Rgb(0, 0, 0), Rgb(0, 0, 0), Rgb(0, 0, 0), Rgb(0, 0, 0), Rgb(0, 0, 0),
      Rgb(0, 0, 0), Rgb(0, 0, 0), Rgb(64, 64, 64)},
     12, 1.5f, 2.0f},
};

// The number a size text starts with, as the run-time's atof reads it.
double LeadingNumber(const QString& text) {
  const QString s = text.trimmed();
  const auto digit = [&s](int at) { return at < s.size() && s[at] >= u'0' && s[at] <= u'9'; };
  const auto sign = [&s](int at) { return at < s.size() && (s[at] == u'+' || s[at] == u'-'); };
  int end = sign(0) ? 1 : 0;
  while (digit(end)) ++end;
  if (end < s.size() && s[end] == u'.') ++end;
  while (digit(end)) ++end;
  if (end < s.size() && (s[end] == u'e' || s[end] == u'E')) {
    int exponent = end + 1 + (sign(end + 1) ? 1 : 0);
    if (digit(exponent)) {
      while (digit(exponent)) ++exponent;
      end = exponent;
    }
  }
  bool ok = false;
  const double value = s.left(end).toDouble(&ok);
  return ok ? value : 0.0;
}

// The height replaces the preference when it differs; true then.
bool TakeHeight(int& preference, const QString& points) {
  const int pixels = FontPixelsOfPoints(points);
  if (pixels == preference) return false;
  preference = pixels;
  return true;
}
}  // namespace

int FontPointsOfPixels(int pixels) { return (72 * pixels + 48) / 96; }

int FontPixelsOfPoints(const QString& points) {
  // Clamped before the conversion to int, which a huge size would overflow.
  const double pixels = LeadingNumber(points) * 96 / 72 + 0.5;
  return static_cast<int>(std::clamp(pixels, double(CDlgPreferonces::kMinFontPixels),
                                     double(CDlgPreferonces::kMaxFontPixels)));
}

CDlgPreferonces::CDlgPreferonces() {
  const CDisplayPrefs& p = g_prefs;
  const auto byte = [](float c) { return static_cast<BYTE>(std::clamp(c, 0.0f, 1.0f) * 255); };
  m_colors[kBackground] = Rgb(byte(p.background[0]), byte(p.background[1]), byte(p.background[2]));
  for (int i = 0; i < 9; ++i) {
    const RGBA& c = p.*kByteColors[i];
    m_colors[i + 1] = Rgb(c.r, c.g, c.b);
  }
  m_strLabelFont = p.strLabelFont;
  m_strMeasureFont = p.strTextFont;
  m_strLabelSize = QString::number(FontPointsOfPixels(p.nLabelFontHeight));
  m_strMeasureSize = QString::number(FontPointsOfPixels(p.nTextFontHeight));
  m_fLineWidth = p.fLineWidth;
  m_fPointSize = p.fPointSize;
  m_nFrameRate = p.nFramesPerSecond;
  m_bNoDoubleClick = p.bNoDoubleClick;
  m_bScreenRotation = p.bScreenRotation;
  m_lightAmbient = p.lightAmbient;
  m_lightDiffuse = p.lightDiffuse;
  m_lightSpecular = p.lightSpecular;
  m_lightPosition = p.lightPosition;
}

void CDlgPreferonces::ApplySettings() {
  CDisplayPrefs& p = g_prefs;
  const COLORREF bg = m_colors[kBackground];
  p.background = {Red(bg) / 255.0f, Green(bg) / 255.0f, Blue(bg) / 255.0f, 1.0f};
  for (int i = 0; i < 9; ++i) p.*kByteColors[i] = {Red(m_colors[i + 1]), Green(m_colors[i + 1]), Blue(m_colors[i + 1]), 255};
  if (m_strLabelFont != p.strLabelFont || m_strMeasureFont != p.strTextFont) {
    p.strLabelFont = m_strLabelFont;
    p.strTextFont = m_strMeasureFont;
    m_bFontsChanged = 1;
  }
  if (TakeHeight(p.nLabelFontHeight, m_strLabelSize)) m_bFontsChanged = 1;
  if (TakeHeight(p.nTextFontHeight, m_strMeasureSize)) m_bFontsChanged = 1;
  p.fLineWidth = m_fLineWidth;
  p.fPointSize = m_fPointSize;
  p.nFramesPerSecond = m_nFrameRate;
  p.lightAmbient = m_lightAmbient;
  p.lightDiffuse = m_lightDiffuse;
  p.lightSpecular = m_lightSpecular;
  p.lightPosition = m_lightPosition;
  p.bNoDoubleClick = m_bNoDoubleClick;
  p.bScreenRotation = m_bScreenRotation;
}

void CDlgPreferonces::ApplyPreset(PreferencePreset preset) {
  const PresetRow& row = kPresets[static_cast<int>(preset)];
  m_colors = row.colors;
  m_strLabelSize = m_strMeasureSize = QString::number(row.size);
  m_fLineWidth = row.lineWidth;
  m_fPointSize = row.pointSize;
  const CDisplayPrefs defaults;
  m_lightAmbient = defaults.lightAmbient;
  m_lightDiffuse = defaults.lightDiffuse;
  m_lightSpecular = defaults.lightSpecular;
  m_lightPosition = defaults.lightPosition;
  m_strLabelFont = m_strMeasureFont = QStringLiteral("Times New Roman");
  m_nFrameRate = 25;
  m_bScreenRotation = 0;
}

void ApplyPreferencesNow(CMouseTools& tools, CDlgPreferonces& dialog) {
  dialog.ApplySettings();
  tools.Surface().ApplyDisplayPrefs(dialog.m_bFontsChanged != 0);
  dialog.m_bFontsChanged = 0;
  g_bBackgroundDirty = 1;
  if (CKavrelDoc* doc = tools.Document()) {
    doc->ApplyColorScheme(dialog.m_bCurrentPageOnly != 0);
    doc->InvalidateTextLayouts();
  }
  tools.Surface().Redraw();
}

void OnEditPreferonces(CMouseTools& tools) {
  CDlgPreferonces dialog;
  dialog.m_applyNow = [&tools](CDlgPreferonces& values) { ApplyPreferencesNow(tools, values); };
  if (DialogProvider().DoModal(dialog) != IDOK) return;
  CKavrelDoc* doc = tools.Document();
  if (!doc) return;
  doc->SetModifiedFlag();
  dialog.ApplySettings();
  if (dialog.m_bFontsChanged) doc->InvalidateTextLayouts();
  g_bBackgroundDirty = 1;
  if (CGPage* page = doc->CurrentPage()) std::copy(g_prefs.background.begin(), g_prefs.background.end(), page->m_rgbaBackground);
  tools.Surface().ApplyDisplayPrefs(dialog.m_bFontsChanged != 0);
  tools.Surface().Redraw();
}
