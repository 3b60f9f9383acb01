// The application looks (commands 325 to 335): each is the Fusion style
// (check boxes outlined to stand out on any list) with a palette of its own.  The chosen look is kept in the settings value
// "ApplicationLook" and applied at start.
#pragma once
#include <QPalette>

class QSettings;

inline constexpr int kDefaultApplicationLook = 331;

bool IsApplicationLook(int id);
QPalette ApplicationLookPalette(int id);
// Installs the style and palette of the look for the whole program.
void ApplyApplicationLook(int id);
// The stored look, the default when none or out of range.
int ReadApplicationLook(QSettings& settings);
void WriteApplicationLook(QSettings& settings, int id);
