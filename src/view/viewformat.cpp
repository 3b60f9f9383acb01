#include "view/viewformat.h"

QSurfaceFormat ViewSurfaceFormat() {
  QSurfaceFormat format;
  // Stay below 3.0: a compatibility request of 3.0 or more without
  // DeprecatedFunctions silently yields a core profile with no fixed function.
  format.setVersion(2, 1);
  format.setProfile(QSurfaceFormat::CompatibilityProfile);
  format.setDepthBufferSize(24);
  format.setStencilBufferSize(8);
  return format;
}
