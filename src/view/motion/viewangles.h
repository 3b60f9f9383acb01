// The fixed orientations of the view: the default position of each
// projection, the three-view page's axonometric angles and the standard
// views, each chosen by the page's three-view orientation (0, 1, 2); and
// the switches of projection and position they come with.
#pragma once

// View angles for SetViewRotation: about x first, then about z (degrees).
// `identity`: the view quaternion becomes exactly (1, 0, 0, 0) instead.
struct ViewAngles {
  double x, z;
  bool identity = false;
};

enum StandardView { kViewFront = 0, kViewLeft = 1, kViewTop = 2 };

// The default angles of projection `mode` (the reset); false for a mode or
// orientation outside the tables, which leaves the rotation as it is.
bool DefaultAngles(int mode, int orientation, ViewAngles* out);
// The axonometric angles a three-view page starts with.
bool ThreeViewAngles(int orientation, ViewAngles* out);
bool StandardViewAngles(StandardView view, int orientation, ViewAngles* out);
// Sets the view quaternion from the angles.
void ApplyViewAngles(const ViewAngles& angles);

// Projection `mode` for the view and the current page, with the saved
// projection matrix computed again (the next frame loads it).
void SwitchProjection(int mode);
// Translation (0, 0, -50) and scale 1.
void SetDefaultPosition();
