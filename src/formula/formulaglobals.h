// Process-wide state of the formula layer.
#pragma once
#include "formula/logfont.h"

// The symbol-font description every structure sign is drawn from: face
// "Symbol", character set 2, height -22, weight 400.  Each drawer takes it,
// sets its own height and width, and selects a font made from it.
extern LOGFONT g_lfGlyphFont;

LOGFONT GlyphFontStart();
