// Light 0 of the view takes the light of the display preferences.
#pragma once

struct CDisplayPrefs;

// Sets ambient, diffuse, specular and position of GL light 0, in this order,
// in the current context.  The position is given in eye coordinates, so the
// light stays with the viewer instead of turning with the scene.
void ApplyLight0(const CDisplayPrefs& prefs);

// The drawing defaults of the preferences in the current context: line
// width, point size, light 0, and the clear colour (red, green, blue of
// `background`).
void ApplyDrawingDefaults(const CDisplayPrefs& prefs, const float* background);
