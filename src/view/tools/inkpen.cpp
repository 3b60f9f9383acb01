// The ink pen (tool mode 9): a held button draws a stroke in the text layer
// at depth -50.  Points closer than 0.28 world units to the one before are
// replaced by the next, so a slow hand leaves no clutter; a stroke of one
// point is dropped.
#include <cmath>
#include <memory>

#include "cells/texts/inkmarks.h"
#include "render/viewglobals.h"
#include "view/tools/mousetools.h"
#include "view/toolstate.h"

namespace {
constexpr float kInkDepth = -50.0f;
constexpr float kInkMinStep = 0.28f;
// Beyond this the last point is replaced, never added: a stroke holds at
// most 10000 points.
constexpr std::size_t kInkRoom = 9999;

void AppendInkPoint(std::vector<float>& points, int x, int y) {
  const float u = g_fUnitsPerPixel;
  points.push_back((static_cast<float>(x) - g_nViewWidth / 2.0f) * u);
  points.push_back((g_nViewHeight / 2.0f - static_cast<float>(y)) * u);
  points.push_back(kInkDepth);
}
}  // namespace

void CMouseTools::InkDown(const ToolInput& in) {
  g_viewTool.inkPoints.clear();
  AppendInkPoint(g_viewTool.inkPoints, in.x, in.y);
  g_viewTool.step = 1;
}

void CMouseTools::InkMove(const ToolInput& in) {
  ViewToolState& tool = g_viewTool;
  std::vector<float>& points = tool.inkPoints;
  if (tool.step == 0 || points.empty()) return;
  if ((tool.step == 2 || points.size() / 3 > kInkRoom) && points.size() >= 6) points.resize(points.size() - 3);
  AppendInkPoint(points, in.x, in.y);
  // At least two points now: the one kept before and the new one.
  const std::size_t n = points.size();
  const float reach = std::fabs(points[n - 3] - points[n - 6]) + std::fabs(points[n - 2] - points[n - 5]);
  tool.step = reach <= kInkMinStep ? 2 : 1;
}

bool CMouseTools::InkUp() {
  ViewToolState& tool = g_viewTool;
  tool.step = 0;
  const int count = static_cast<int>(tool.inkPoints.size() / 3);
  if (count < 2) {
    tool.inkPoints.clear();
    return false;
  }
  tool.finishedStrokes.push_back(std::make_unique<CStroke>(count, tool.inkPoints.data()));
  tool.inkPoints.clear();
  return true;
}
