#include "math/mathglobals.h"

#include "math/viewrotation.h"
#include "platform/processstate.h"

Quaternion ViewQuaternion;
int g_nTrackballLastX;
int g_nTrackballLastY;
float g_fTrackballScaleX;
float g_fTrackballScaleY;

namespace {
// 1 / ((size - 1) / 2).  A view squeezed to one pixel or less would divide by
// zero (or flip the sign) and turn the next drag into NaN: count it as two.
float TrackballScale(int pixels) { return static_cast<float>(1.0 / ((pixels > 1 ? pixels - 1 : 1) * 0.5)); }
}  // namespace

void SetTrackballViewSize(int width, int height) {
  g_fTrackballScaleX = TrackballScale(width);
  g_fTrackballScaleY = TrackballScale(height);
}

namespace {
void SetStartValues() {
  SetViewRotation(-75.0, -15.0);
  g_nTrackballLastX = 0;
  g_nTrackballLastY = 0;
  SetTrackballViewSize(800, 600);
}

const bool started = (SetStartValues(), true);
const ProcessStateReset reset(SetStartValues);
}  // namespace
