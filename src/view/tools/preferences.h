// The preferences dialog's data and what its buttons do: the program-wide
// display defaults (ten colours, the label and measurement fonts, default
// sizes, frame rate, light 0 and two mouse switches), the four preset
// schemes, "apply now" (the cells recoloured at once) and the view's
// command, which applies the values on OK.
#pragma once
#include <QString>
#include <array>
#include <functional>

#include "platform/dialogprovider.h"
#include "platform/types.h"

class CMouseTools;

// The preset schemes: whiteboard projection, web illustration, black-screen
// show and printout.
enum class PreferencePreset { Whiteboard, WebPicture, BlackScreen, Printout };

class CDlgPreferonces : public CDialogDataOf<CDlgPreferonces> {
 public:
  static constexpr float kMinLineWidth = 0.5f, kMaxLineWidth = 5.0f;
  static constexpr float kMinPointSize = 0.5f, kMaxPointSize = 10.0f;
  static constexpr int kMinFrameRate = 1, kMaxFrameRate = 100;
  // The font heights applied, in pixels, whatever size was typed.
  static constexpr int kMinFontPixels = 8, kMaxFontPixels = 500;
  enum ColorIndex { kBackground, kSelection, kFreePoint, kFixedPoint, kLine, kCurve, kLabel, kMeasure, kText, kTable };

  // Filled from the program-wide values.
  CDlgPreferonces();

  // Writes the members into the program-wide values; a change of either
  // font face or height sets m_bFontsChanged (which only the caller clears).
  // The view puts line width, point size and light 0 into effect.
  void ApplySettings();
  // A preset scheme into the members (nothing program-wide changes).
  void ApplyPreset(PreferencePreset preset);

  std::array<COLORREF, 10> m_colors{};  // red in the low byte; by ColorIndex
  QString m_strLabelFont;
  QString m_strMeasureFont;
  QString m_strMeasureSize;  // in points, as typed
  QString m_strLabelSize;
  BOOL m_bCurrentPageOnly = 1;
  BOOL m_bFontsChanged = 0;
  float m_fLineWidth = 2.0f;
  float m_fPointSize = 6.0f;
  int m_nFrameRate = 25;
  BOOL m_bNoDoubleClick = 0;
  BOOL m_bScreenRotation = 0;
  std::array<float, 4> m_lightAmbient{}, m_lightDiffuse{}, m_lightSpecular{}, m_lightPosition{};
  // What "apply now" does with the values read from the controls; the
  // command sets it.
  std::function<void(CDlgPreferonces&)> m_applyNow;
};

// A font height in pixels shown as points, and a typed size in points as
// the height applied (a text that is no number counts as 0).
int FontPointsOfPixels(int pixels);
int FontPixelsOfPoints(const QString& points);

// "Apply now": the settings applied, the font lists rebuilt when the fonts
// changed (the flag is cleared), the cells of the current page, or of every
// page, recoloured by the scheme and every text laid out anew.
void ApplyPreferencesNow(CMouseTools& tools, CDlgPreferonces& dialog);

// The preferences command: on OK with a document the settings are applied
// and the page shown takes the background; the cells keep their colours.
void OnEditPreferonces(CMouseTools& tools);
