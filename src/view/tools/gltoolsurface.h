// The tool surface over the view's OpenGL state: picks and placements run
// the GL and ray services of view/clickpick.h and view/pointerplacement.h
// with the saved matrices.  The owner says how to make its context current
// around GL work, how a frame is drawn into a picture and how a redraw is
// asked for; headless tests leave a context current and say nothing.
#pragma once
#include <functional>

#include "view/tools/toolsurface.h"

struct CGlSurfaceHooks {
  std::function<void()> makeCurrent;  // none: a context is current already
  std::function<void()> doneCurrent;
  std::function<QImage()> picture;  // the view as shown (device pixels)
  std::function<void()> redraw;
  std::function<void()> captureBackground;
  std::function<double()> devicePixelRatio;  // none: 1
  std::function<void()> stopSpin;
  std::function<void(bool fontsChanged)> applyDisplayPrefs;
};

class CGlToolSurface : public IToolSurface {
 public:
  explicit CGlToolSurface(CGlSurfaceHooks hooks = {}) : m_hooks(std::move(hooks)) {}

  ToolPick Pick(int x, int y, bool labelsOnly) override;
  void PlaceOnGrid(int x, int y, double p[3]) override;
  void PlaceVertically(int x, int y, double p[3]) override;
  bool PlaceOnPlane(int x, int y, double p[3], float* s, float* t) override;
  void AimRay(int x, int y) override;
  std::vector<PickHit> PickBox(int x0, int y0, int x1, int y1) override;
  QImage Grab(const QRect& box) override;
  void CaptureBackground() override;
  void Redraw() override;
  void ApplyDisplayPrefs(bool fontsChanged) override {
    if (m_hooks.applyDisplayPrefs) m_hooks.applyDisplayPrefs(fontsChanged);
  }
  void StopSpin() override {
    if (m_hooks.stopSpin) m_hooks.stopSpin();
  }

 private:
  double Ratio() const;
  int Device(int v) const;
  // Runs GL work with the owner's context current.
  template <class Fn>
  auto WithContext(Fn fn);

  CGlSurfaceHooks m_hooks;
};
