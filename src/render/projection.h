// The three projections of the view and the mouse ray.  One pixel of the
// client area is g_fUnitsPerPixel world units at the view's default depth
// (eye z = -50) in every mode, and the window centre is x = y = 0 there.
#pragma once

enum ProjectionMode { kProjCentral = 0, kProjOrthographic = 1, kProjOblique = 2 };

// The model-view matrix saved by the render pass after the page transform;
// the mouse ray and picking unproject with it.
extern double g_dModelView[16];

// The column-major matrix of a projection mode for a client area of
// width x height pixels at unitsPerPixel; false (out untouched) for any
// other mode.  Needs no GL context, so a page switch can compute it.
bool ProjectionMatrix(int mode, int width, int height, double unitsPerPixel, double out[16]);

// Multiplies the current GL matrix (the caller has selected the projection
// stack and loaded the identity) by the projection of `mode` for the view
// size and zoom of the process-wide view state; any other mode leaves it.
void SetProjection(int mode);

// Reads the current projection matrix and viewport into g_dProjection and
// g_nViewport, and the model-view matrix into g_dModelView.
void SaveProjectionAndViewport();
void SaveModelView();

// The world-to-text-layer matrix (columns first; a point p maps to M p / w):
// it takes a point of the scene to the point of the text layer (identity
// model-view, eye depth -50) on the same pixel, so that texts attached to
// points can be picked in that layer.  Set each frame and before each pick.
extern double g_dWorldToText[16];
// P^-1 Z P S for the projection P and the scene's model-view S, Z putting
// every clip-space depth at that of eye depth -50.  False (out untouched)
// when P cannot be inverted.  Needs no GL context.
bool WorldToTextMatrix(const double projection[16], const double modelview[16], double out[16]);
// g_dWorldToText from the saved g_dProjection and the current model-view.
void SaveWorldToText();

// Height of the view's client area in device pixels.  Pointer rows (y down)
// become window rows (y up) with it, whatever viewport is current: in the
// three-view layout the viewport is one quadrant, and flipping with its
// height would put every pointer in the lower quadrants in the wrong place.
extern int g_nViewDeviceHeight;

// The ray under a pointer position in client device pixels (y down):
// unprojects (x, g_nViewDeviceHeight - y) at depth 0 and 1 with the saved
// model-view, projection and viewport into g_dRayNear, g_dRayFar and
// g_fViewDir.  Needs no GL context.
void ComputeMouseRay(int x, int y);
