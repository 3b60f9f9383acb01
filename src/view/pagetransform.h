// The page's view transform as the frame, the trace capture and the pick
// all apply it: translation, the view quaternion's rotation, uniform scale.
#pragma once

// Multiplies the current GL matrix by the transform of the current view state.
void MultPageTransform();
