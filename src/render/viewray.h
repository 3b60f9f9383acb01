// The ray under a window point (g_dRayNear, g_dRayFar, g_fViewDir), which
// the drags and several drawing passes read.
#pragma once

// Unprojects window point (winX, winY) with the given model-view matrix and
// the saved g_dProjection and g_nViewport at depth 0 and 1 and stores the
// ray.  A singular matrix leaves the ray as it was.
void ComputeViewRay(const double modelview[16], double winX, double winY);

// The ray under the fixed window point (600, 400), with the model-view
// matrix current in GL; the round solids call it before drawing their
// outlines, the view before picking.
void ComputeViewDirection();
