#include "view/tools/gltoolsurface.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "render/projection.h"
#include "render/viewglobals.h"
#include "view/clickpick.h"
#include "view/pointerplacement.h"

namespace {
// The box pick draws what the select tool may select.
constexpr int kBoxPickMode = 3;
constexpr int kMinBoxPixels = 2;
}  // namespace

template <class Fn>
auto CGlToolSurface::WithContext(Fn fn) {
  if (m_hooks.makeCurrent) m_hooks.makeCurrent();
  struct Done {
    const CGlSurfaceHooks& hooks;
    ~Done() {
      if (hooks.doneCurrent) hooks.doneCurrent();
    }
  } done{m_hooks};
  return fn();
}

double CGlToolSurface::Ratio() const {
  const double ratio = m_hooks.devicePixelRatio ? m_hooks.devicePixelRatio() : 1.0;
  return ratio > 0 ? ratio : 1.0;
}

int CGlToolSurface::Device(int v) const { return static_cast<int>(std::lround(v * Ratio())); }

ToolPick CGlToolSurface::Pick(int x, int y, bool labelsOnly) {
  ToolPick pick;
  pick.hit = WithContext([&] { return ::PickObjects(Device(x), Device(y), &pick.kind, &pick.id, labelsOnly); });
  return pick;
}

// The placements read only the saved matrices: no context is needed.
void CGlToolSurface::PlaceOnGrid(int x, int y, double p[3]) {
  SnapToGrid(Device(x), Device(y), false, &p[0], &p[1], &p[2]);
}

void CGlToolSurface::PlaceVertically(int x, int y, double p[3]) {
  SnapToGrid(Device(x), Device(y), true, &p[0], &p[1], &p[2]);
}

bool CGlToolSurface::PlaceOnPlane(int x, int y, double p[3], float* s, float* t) {
  double placed[3];
  if (!ScreenToWorld(Device(x), Device(y), &placed[0], &placed[1], &placed[2], s, t)) return false;
  std::copy_n(placed, 3, p);
  return true;
}

void CGlToolSurface::AimRay(int x, int y) { UnprojectPointer(Device(x), Device(y)); }

std::vector<PickHit> CGlToolSurface::PickBox(int x0, int y0, int x1, int y1) {
  const double centreX = (Device(x0) + Device(x1)) / 2.0;
  const double centreY = g_nViewDeviceHeight - (Device(y0) + Device(y1)) / 2.0;
  const double width = std::max(kMinBoxPixels, std::abs(Device(x1) - Device(x0)));
  const double height = std::max(kMinBoxPixels, std::abs(Device(y1) - Device(y0)));
  return WithContext([&] { return PickPageInWindow(centreX, centreY, width, height, {kBoxPickMode}, false); });
}

QImage CGlToolSurface::Grab(const QRect& box) {
  const QImage view = m_hooks.picture ? m_hooks.picture() : QImage();
  const double ratio = Ratio();
  const QRect device(static_cast<int>(std::lround(box.x() * ratio)), static_cast<int>(std::lround(box.y() * ratio)),
                     static_cast<int>(std::lround(box.width() * ratio)),
                     static_cast<int>(std::lround(box.height() * ratio)));
  if (view.isNull()) {
    QImage empty(device.size(), QImage::Format_ARGB32);
    empty.fill(Qt::transparent);
    return empty;
  }
  return view.convertToFormat(QImage::Format_ARGB32).copy(device);
}

void CGlToolSurface::CaptureBackground() {
  if (m_hooks.captureBackground) m_hooks.captureBackground();
}

void CGlToolSurface::Redraw() {
  if (m_hooks.redraw) m_hooks.redraw();
}
