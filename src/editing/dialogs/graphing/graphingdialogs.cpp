#include "editing/dialogs/graphing/graphingdialogs.h"

#include "editing/dialogs/graphing/graphingdialogtexts.h"

namespace {
constexpr const char* kSpacingTexts[kScaleSpacingCount] = {"0.1", "0.2", "0.5", "1",   "2",   "5",   "10",
                                                           "20",  "50",  "100", "200", "500", "1000"};
constexpr float kSpacingValues[kScaleSpacingCount] = {0.1f, 0.2f, 0.5f, 1, 2, 5, 10, 20, 50, 100, 200, 500, 1000};
constexpr float kSpacingSlack = 0.000001f;

int ValidIndex(int index) { return index < 0 || index >= kScaleSpacingCount ? 0 : index; }
}  // namespace

const char* const* ColorModelTexts(int kind) { return kind == 1 ? kTextColorModels1 : kTextColorModels3; }

const char* ScaleSpacingText(int index) { return kSpacingTexts[ValidIndex(index)]; }
float ScaleSpacingValue(int index) { return kSpacingValues[ValidIndex(index)]; }

int ScaleSpacingIndex(float spacing) {
  int found = 0;
  for (int i = 0; i < kScaleSpacingCount; ++i)
    if (kSpacingValues[i] <= spacing + kSpacingSlack) found = i;
  return found;
}

const char* CheckTickChoice(CDlgProScaleLine& data) {
  if (data.m_nTickSpacing <= data.m_nLabelSpacing) return nullptr;
  data.m_nTickSpacing = data.m_nLabelSpacing;
  return kTextTickAboveLabel;
}

const char* CheckLabelChoice(CDlgProScaleLine& data) {
  if (data.m_nLabelSpacing >= data.m_nTickSpacing) return nullptr;
  data.m_nLabelSpacing = data.m_nTickSpacing;
  return kTextLabelBelowTick;
}
