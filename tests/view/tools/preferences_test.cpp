// The preferences: the dialog's values into the program-wide ones, the
// preset schemes, the command on OK and Cancel, and "apply now".
#include <functional>

#include "cells/texts/cgtextmap.h"
#include "support/scripteddialogs.h"
#include "toolfixture.h"
#include "view/tools/preferences.h"

namespace KAVREL_FILE_LOCAL {
using Change = std::function<void(CDlgPreferonces&)>;
constexpr COLORREF Rgb(int r, int g, int b) { return r | (g << 8) | (b << 16); }
const Change kBlackScreen = [](CDlgPreferonces& d) { d.ApplyPreset(PreferencePreset::BlackScreen); };

TEST(Preferences, ApplySettingsWritesTheProgramWideValues) {
  struct Row {
    const char* name;
    Change change;
    std::function<bool()> holds;
    bool fontsChanged;
  };
  const CDisplayPrefs& p = g_prefs;
  const Row rows[] = {
      {"12 points", [](CDlgPreferonces& d) { d.m_strLabelSize = "12"; },
       [&] { return p.nLabelFontHeight == 16 && CDlgPreferonces().m_strLabelSize == "12"; }, true},
      {"1000 points", [](CDlgPreferonces& d) { d.m_strMeasureSize = "1000"; },
       [&] { return p.nTextFontHeight == 500 && CDlgPreferonces().m_strMeasureSize == "375"; }, true},
      {"no number", [](CDlgPreferonces& d) { d.m_strLabelSize = "abc"; }, [&] { return p.nLabelFontHeight == 8; }, true},
      {"leading number", [](CDlgPreferonces& d) { d.m_strLabelSize = " 1.26e1pt"; },
       [&] { return p.nLabelFontHeight == 17; }, true},
      {"measurement font", [](CDlgPreferonces& d) { d.m_strMeasureFont = "宋体"; },
       [&] { return p.strTextFont == QStringLiteral("宋体") && p.strLabelFont == "Times New Roman"; }, true},
      {"the rest",
       [](CDlgPreferonces& d) {
         d.m_colors[CDlgPreferonces::kBackground] = Rgb(51, 102, 255);
         d.m_colors[CDlgPreferonces::kFreePoint] = Rgb(1, 2, 3);
         d.m_colors[CDlgPreferonces::kMeasure] = Rgb(4, 5, 6);
         d.m_fLineWidth = 3.5f, d.m_fPointSize = 7.0f, d.m_nFrameRate = 50, d.m_lightPosition = {1, 2, 3, 0};
         d.m_bNoDoubleClick = d.m_bScreenRotation = 1;
       },
       [&] {
         return p.background == std::array{0.2f, 0.4f, 1.0f, 1.0f} && p.rgbaFreePoint == RGBA{1, 2, 3, 255} &&
                CDlgPreferonces().m_colors[CDlgPreferonces::kBackground] == Rgb(51, 102, 255) &&
                p.rgbaMeasure == RGBA{4, 5, 6, 255} && p.rgbaFixedPoint == RGBA{128, 0, 0, 255} &&
                p.fLineWidth == 3.5f && p.fPointSize == 7.0f && p.nFramesPerSecond == 50 &&
                p.lightPosition == std::array{1.f, 2.f, 3.f, 0.f} && p.bNoDoubleClick == 1 && p.bScreenRotation == 1;
       },
       false},
  };
  for (const Row& row : rows) {
    ToolPage t;
    CDlgPreferonces dialog;
    row.change(dialog);
    dialog.ApplySettings();
    EXPECT_TRUE(row.holds()) << row.name;
    EXPECT_EQ(dialog.m_bFontsChanged, row.fontsChanged ? 1 : 0) << row.name;
  }
}

TEST(Preferences, PresetsSetTheDialogOnly) {
  // The ten colours as RRGGBB, the two sizes, line width and point size.
  const std::pair<PreferencePreset, const char*> rows[] = {
      {PreferencePreset::Whiteboard, "FFFFFF FF00FF FF0000 800000 000080 008000 000000 000000 000098 404040 18 18 2 6"},
      {PreferencePreset::WebPicture, "FFFFFF FF00FF FF0000 800000 000080 008000 000000 800080 000098 404040 12 12 1.5 3"},
      {PreferencePreset::BlackScreen, "000000 FF0000 FFFF00 00FFFF 0000FF 00FF00 FF00FF 00FFFF FFFF00 808080 18 18 1.5 4.5"},
      {PreferencePreset::Printout, "FFFFFF FF0000 000000 000000 000000 000000 000000 000000 000000 404040 12 12 1.5 2"},
  };
  for (const auto& [preset, expected] : rows) {
    ToolPage t;
    g_prefs.lightAmbient = {0, 0, 0, 0};
    CDlgPreferonces d;
    d.m_strLabelFont = "宋体", d.m_nFrameRate = 60, d.m_bScreenRotation = 1;
    d.ApplyPreset(preset);
    QStringList shown;
    for (COLORREF c : d.m_colors) shown << QString::asprintf("%02X%02X%02X", c & 0xFF, (c >> 8) & 0xFF, c >> 16);
    shown << d.m_strLabelSize << d.m_strMeasureSize << QString::number(d.m_fLineWidth) << QString::number(d.m_fPointSize);
    shown << d.m_strLabelFont << d.m_strMeasureFont << QString::number(d.m_nFrameRate) << QString::number(d.m_bScreenRotation);
    EXPECT_EQ(shown.join(' '), QString(expected) + " Times New Roman Times New Roman 25 0");
    EXPECT_EQ(std::tie(d.m_lightAmbient, d.m_lightPosition),
              std::make_tuple(std::array{0.2f, 0.2f, 0.2f, 1.0f}, std::array{200.0f, 100.0f, 300.0f, 1.0f})) << expected;
    EXPECT_EQ(g_prefs.lightAmbient, (std::array{0.f, 0.f, 0.f, 0.f})) << expected;
  }
}

// A single-line text map, to see whether texts are laid out anew.
CGCell* AddTextmap(ToolPage& t) {
  auto* text = new CGTextmap;
  text->m_nId = t.Page().m_nNextId++;
  text->m_nStyle = 1;
  t.Enter(text);
  text->m_bLabelStale = false;
  return text;
}

TEST(Preferences, TheCommandAppliesOnOkWithADocumentAndApplyNowRecolours) {
  struct Row {
    const char* name;
    bool ok, document;
    Change change;
    std::vector<bool> displayPrefs;  // empty: nothing applied
    bool textsAnew;
  };
  const Row rows[] = {
      {"cancel after a preset", false, true, kBlackScreen, {}, false},
      {"ok without a document", true, false, kBlackScreen, {}, false},
      {"ok with the black preset", true, true, kBlackScreen, {false}, false},
      {"ok with a new font size", true, true, [](CDlgPreferonces& d) { d.m_strLabelSize = "12"; }, {true}, true},
  };
  for (const Row& row : rows) {
    ToolPage t;
    const WORD point = t.Point();
    CGCell* text = AddTextmap(t);
    CDlgPreferonces answer;
    row.change(answer);
    row.ok ? t.dialogs->Ok(answer) : t.dialogs->Cancel<CDlgPreferonces>();
    if (!row.document) t.tools.SetDocument(nullptr);
    ASSERT_TRUE(t.Run(ID_EDIT_PREFERONCES)) << row.name;
    const bool applied = !row.displayPrefs.empty();
    EXPECT_EQ(t.doc.IsModified(), applied) << row.name;
    EXPECT_EQ(g_prefs.fPointSize, applied ? answer.m_fPointSize : 6.0f) << row.name;
    EXPECT_EQ(t.Page().m_rgbaBackground[0], g_prefs.background[0]) << row.name;
    EXPECT_EQ(std::tie(t.surface.displayPrefs, t.surface.redraws), std::make_tuple(row.displayPrefs, applied ? 1 : 0))
        << row.name;
    EXPECT_EQ(text->m_bLabelStale, row.textsAnew) << row.name;
    EXPECT_EQ(t.Find(point)->m_rgbaColor, (RGBA{255, 0, 0, 255})) << row.name;  // OK recolours nothing
  }
  // Apply now: the current page's cells, or every page's, recoloured.
  for (const bool currentOnly : {true, false}) {
    ToolPage t;
    const WORD first = t.Point();
    CGPage* firstPage = &t.Page();
    t.doc.OnCreatePage();
    const WORD second = t.Point();
    CGCell* text = AddTextmap(t);
    CDlgPreferonces answer;
    kBlackScreen(answer);
    answer.m_strMeasureSize = "12", answer.m_bCurrentPageOnly = currentOnly;
    ASSERT_TRUE(t.Run(ID_EDIT_PREFERONCES));
    answer.m_applyNow = t.dialogs->Offered<CDlgPreferonces>().at(0).m_applyNow;
    answer.m_applyNow(answer);
    const RGBA yellow{255, 255, 0, 255};
    EXPECT_EQ(t.Find(second)->m_rgbaColor, yellow) << currentOnly;
    EXPECT_EQ(firstPage->m_cells.Lookup(first)->m_rgbaColor == yellow, !currentOnly) << currentOnly;
    EXPECT_EQ(firstPage->m_rgbaBackground[0] + t.Page().m_rgbaBackground[0], currentOnly ? 1.0f : 0.0f) << currentOnly;
    EXPECT_EQ(std::tie(t.surface.displayPrefs, t.surface.redraws, answer.m_bFontsChanged),
              std::make_tuple(std::vector<bool>{true}, 1, 0)) << currentOnly;
    EXPECT_TRUE(text->m_bLabelStale && t.doc.IsModified()) << currentOnly;
  }
}
}  // namespace
