// The view's seams scripted for tests: a tool surface whose picks and
// placed pointers the test sets before each mouse event, and a timer that
// only records, ticked by hand.
#pragma once
#include <algorithm>
#include <array>
#include <functional>
#include <vector>

#include "render/viewglobals.h"
#include "view/motion/viewtimer.h"
#include "view/tools/toolsurface.h"

class ScriptedSurface : public IToolSurface {
 public:
  ToolPick Pick(int, int, bool labelsOnly) override {
    ++picks;
    lastLabelsOnly = labelsOnly;
    return pick;
  }
  void PlaceOnGrid(int, int, double p[3]) override { std::copy(grid.begin(), grid.end(), p); }
  void PlaceVertically(int, int, double p[3]) override { p[2] = height; }
  bool PlaceOnPlane(int, int, double p[3], float* s, float* t) override {
    std::copy(plane.begin(), plane.end(), p);
    *s = planeAt[0];
    *t = planeAt[1];
    return planeOk;
  }
  // A ray straight down through `aim` (world x, y).
  void AimRay(int, int) override {
    for (int i = 0; i < 3; ++i) {
      g_dRayNear[i] = i < 2 ? aim[i] : 100;
      g_dRayFar[i] = i < 2 ? aim[i] : -100;
      g_fViewDir[i] = static_cast<float>(g_dRayNear[i] - g_dRayFar[i]);
    }
  }
  std::vector<PickHit> PickBox(int x0, int y0, int x1, int y1) override {
    box = {x0, y0, x1, y1};
    return boxHits;
  }
  QImage Grab(const QRect& rect) override {
    grabbed = rect;
    return picture.isNull() ? QImage(rect.size(), QImage::Format_ARGB32) : picture.copy(rect);
  }
  void CaptureBackground() override {
    if (capture) capture();
  }
  void Redraw() override { ++redraws; }
  void ApplyDisplayPrefs(bool fontsChanged) override { displayPrefs.push_back(fontsChanged); }
  void StopSpin() override {
    if (stopSpin) stopSpin();
  }

  ToolPick pick;  // nothing hit
  std::array<double, 3> grid{0, 0, 0}, plane{0, 0, 0};
  double height = 0;
  std::array<float, 2> planeAt{0.25f, 0.5f};  // the plane coordinates of `plane`
  bool planeOk = true;
  std::array<double, 2> aim{0, 0};
  std::vector<PickHit> boxHits;
  int picks = 0, redraws = 0;
  bool lastLabelsOnly = false;
  std::vector<bool> displayPrefs;  // each time the GL state took the preferences: whether fonts changed
  std::array<int, 4> box{};
  QRect grabbed;
  QImage picture;  // what Grab cuts from, when set
  std::function<void()> stopSpin, capture;
};

class RecordingTimer : public IViewTimer {
 public:
  void Start(int periodMs) override { running = true, period = periodMs, ++starts; }
  void Stop() override { running = false; }
  bool running = false;
  int period = 0, starts = 0;
};
