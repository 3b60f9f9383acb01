// The view onto a face: the turn and shift that show the selected face
// head-on, left for the view to animate to.
#pragma once

// Where the view's animated transition starts and ends (the view runs it).
// Rotations are quaternions w, x, y, z.
struct CViewTransition {
  float startTranslate[3];
  float startRotate[4];
  float targetRotate[4];
  float targetTranslate[3];
};
extern CViewTransition g_viewTransition;

// With exactly one face selected on the current page, defined and with
// three first corners that span a plane: the start of the transition
// becomes the current view, its target the view that lays the face parallel
// to the screen, first edge pointing right, its centroid at the centre
// 50 units in front of the eye; true.  Otherwise false, nothing changed.
bool EnterPlaneMode();
