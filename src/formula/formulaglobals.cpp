#include "formula/formulaglobals.h"

#include "platform/processstate.h"

LOGFONT GlyphFontStart() {
  LOGFONT lf;
  lf.lfHeight = -22;
  lf.lfWeight = FW_NORMAL;
  lf.lfCharSet = SYMBOL_CHARSET;
  lf.lfOutPrecision = 7;  // true-type only
  lf.lfQuality = ANTIALIASED_QUALITY;
  lf.lfFaceName = QStringLiteral("Symbol");
  return lf;
}

LOGFONT g_lfGlyphFont = GlyphFontStart();

namespace {
const ProcessStateReset kReset([] { g_lfGlyphFont = GlyphFontStart(); });
}
