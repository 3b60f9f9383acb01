#include "view/overlays.h"

#include <GL/gl.h>

#include <cmath>

#include "commands/commandglobals.h"
#include "model/globals.h"
#include "render/glfontlists.h"
#include "render/rasterposition.h"
#include "view/readouts.h"
#include "view/toolstate.h"

namespace {

constexpr double kViewDepth = -50;
constexpr double kDegree = 3.14159265358979323846 / 180;

void SetColour(const RGBA& c) { glColor4ub(c.r, c.g, c.b, c.a); }

void Vertex(const double p[3]) { glVertex3dv(p); }

// An ASCII text at a raster position, in the colour already set (the
// raster position takes it).
void DrawAsciiText(const QString& text, double x, double y, double z) {
  CallTextListsAt(DrawGlTextDC(text), x, y, z);
}

bool IsConstructionTool(int mode) { return mode >= 2 && mode <= 5; }

// Steps 2 and 3 of the line and polygon tools: the first vertex to P as a
// segment, a ray or a whole line.
void DrawLinePreview(const ViewToolState& tool, bool polygon) {
  const double* a = tool.anchor1;
  const double* p = tool.pointer;
  SetColour(g_prefs.rgbaLine);
  const int type = polygon ? kLineToolSegment : g_nLineType;
  if (type == kLineToolSegment || type == kLineToolVector) {
    glBegin(GL_LINES);
    Vertex(a);
    Vertex(p);
    glEnd();
    return;
  }
  const double d[3] = {p[0] - a[0], p[1] - a[1], p[2] - a[2]};
  if (!(d[0] * d[0] + d[1] * d[1] + d[2] * d[2] > 0.001)) return;
  // Directions at infinity (w = 0): GL draws the ray to the window's edge.
  glBegin(GL_LINES);
  glVertex4d(a[0], a[1], a[2], 1);
  glVertex4d(d[0], d[1], d[2], 0);
  if (type == kLineToolStraight) {
    glVertex4d(a[0], a[1], a[2], 1);
    glVertex4d(-d[0], -d[1], -d[2], 0);
  }
  glEnd();
}

// A circle of 61 points about `centre`: centre + cos t u + sin t v.
void DrawCircleStrip(const double centre[3], const double u[3], const double v[3]) {
  SetColour(g_prefs.rgbaCurve);
  glBegin(GL_LINE_STRIP);
  for (int i = 0; i <= 60; ++i) {
    const double t = i * 6 * kDegree;
    const double c = std::cos(t), s = std::sin(t);
    glVertex3d(centre[0] + c * u[0] + s * v[0], centre[1] + c * u[1] + s * v[1],
               centre[2] + c * u[2] + s * v[2]);
  }
  glEnd();
}

// Steps 2 and 3 of the circle tool: a horizontal circle about A1 through P.
void DrawFirstCirclePreview(const ViewToolState& tool) {
  const double* a = tool.anchor1;
  const double d[3] = {tool.pointer[0] - a[0], tool.pointer[1] - a[1], tool.pointer[2] - a[2]};
  if (d[0] == 0 && d[1] == 0) return;
  const double v[3] = {d[1], -d[0], 0};
  DrawCircleStrip(a, d, v);
}

// Steps 4 and 5 of the circle tool: the hint, and the circle about A1
// through A2 in the plane that holds P.
void DrawSecondCirclePreview(const ViewToolState& tool, const QString& hint) {
  const double u = g_fUnitsPerPixel;
  const double* a1 = tool.anchor1;
  const double* p = tool.pointer;
  SetColour(g_prefs.rgbaFreePoint);
  CallTextListsAt(hint, p[0] + 20 * u, p[1] - 16 * u, p[2] - 16 * u);

  const double a[3] = {tool.anchor2[0] - a1[0], tool.anchor2[1] - a1[1], tool.anchor2[2] - a1[2]};
  const double c[3] = {p[0] - a1[0], p[1] - a1[1], p[2] - a1[2]};
  const double aa = a[0] * a[0] + a[1] * a[1] + a[2] * a[2];
  // No radius yet (A2 on A1): no circle, and no division by its length.
  if (aa == 0) return;
  const double k = (c[0] * a[0] + c[1] * a[1] + c[2] * a[2]) / aa;
  const double cp[3] = {c[0] - k * a[0], c[1] - k * a[1], c[2] - k * a[2]};
  const double cpLength = std::sqrt(cp[0] * cp[0] + cp[1] * cp[1] + cp[2] * cp[2]);
  if (cpLength == 0) return;  // P on the line A1A2: no plane
  const double scale = std::sqrt(aa) / cpLength;
  const double v[3] = {cp[0] * scale, cp[1] * scale, cp[2] * scale};
  DrawCircleStrip(a1, a, v);
}

// Steps 4 and above of the polygon tool: its vertices, the open outline to
// P and the translucent polygon closed by P.
void DrawPolygonPreview(const ViewToolState& tool) {
  std::vector<const double*> corners = {tool.anchor1, tool.anchor2};
  if (tool.step >= 6) {
    corners.push_back(tool.anchor3);
    for (const PolygonCorner& c : tool.furtherCorners) corners.push_back(c.pos);
  }
  SetColour(g_prefs.rgbaSelection);
  glBegin(GL_POINTS);
  for (const double* c : corners) Vertex(c);
  glEnd();
  SetColour(g_prefs.rgbaLine);
  glBegin(GL_LINE_STRIP);
  for (const double* c : corners) Vertex(c);
  Vertex(tool.pointer);
  glEnd();
  glColor4f(1, 1, 0, 0.35f);
  glBegin(GL_POLYGON);
  for (const double* c : corners) Vertex(c);
  Vertex(tool.pointer);
  glEnd();
}

void DrawConstructionPreview(const ViewToolState& tool, int mode, const QString& circleHint) {
  const bool circle = mode == 5, polygon = mode == 4;
  if (tool.step == 2 || tool.step == 3) {
    if (circle)
      DrawFirstCirclePreview(tool);
    else
      DrawLinePreview(tool, polygon);
  } else if (tool.step == 4 || tool.step == 5) {
    if (polygon) DrawPolygonPreview(tool);
    if (circle) DrawSecondCirclePreview(tool, circleHint);
  } else if (tool.step >= 6 && polygon) {
    DrawPolygonPreview(tool);
  }
}

// A world point at the view's depth under a client pixel.
void ScreenVertex(double px, double py) {
  const double u = g_fUnitsPerPixel;
  glVertex3d((px - g_nViewWidth / 2.0) * u, (g_nViewHeight / 2.0 - py) * u, kViewDepth);
}

void DrawBox(const ViewToolState& tool, int mode, const float background[3]) {
  glEnable(GL_LINE_STIPPLE);
  glColor3f(1 - background[0], 1 - background[1], 1 - background[2]);
  const int* start = tool.boxStart;
  int corner[2] = {tool.boxCorner[0], tool.boxCorner[1]};
  // A click without a drag copies a box of the last size.
  if (mode == 8 && std::abs(corner[0] - start[0]) < 2 && std::abs(corner[1] - start[1]) < 2) {
    corner[0] = start[0] + tool.lastBoxSize[0];
    corner[1] = start[1] + tool.lastBoxSize[1];
  }
  glBegin(GL_LINE_LOOP);
  ScreenVertex(start[0], start[1]);
  ScreenVertex(corner[0], start[1]);
  ScreenVertex(corner[0], corner[1]);
  ScreenVertex(start[0], corner[1]);
  glEnd();
  if (mode == 8) {
    const double u = g_fUnitsPerPixel;
    DrawAsciiText(FormatBoxSizeText(std::abs(corner[0] - start[0]), std::abs(corner[1] - start[1])),
                  (corner[0] - g_nViewWidth / 2.0) * u, (g_nViewHeight / 2.0 - corner[1]) * u, kViewDepth);
  }
  glDisable(GL_LINE_STIPPLE);
}

void DrawInkInProgress(const ViewToolState& tool) {
  glLineWidth(g_prefs.fLineWidth);
  SetColour(g_rgbaInk);
  glBegin(GL_LINE_STRIP);
  for (std::size_t i = 0; i + 2 < tool.inkPoints.size(); i += 3) glVertex3fv(&tool.inkPoints[i]);
  glEnd();
}

// A rectangle about the window centre at the view's depth.
void CentredLoop(double halfWidth, double halfHeight) {
  glBegin(GL_LINE_LOOP);
  glVertex3d(-halfWidth, -halfHeight, kViewDepth);
  glVertex3d(halfWidth, -halfHeight, kViewDepth);
  glVertex3d(halfWidth, halfHeight, kViewDepth);
  glVertex3d(-halfWidth, halfHeight, kViewDepth);
  glEnd();
}

bool HasInkInProgress(const ViewToolState& tool) { return g_nToolMode == 9 && tool.inkPoints.size() >= 6; }
bool HasBox(const ViewToolState& tool) { return (g_nToolMode == 7 || g_nToolMode == 8) && tool.step != 0; }

}  // namespace

void DrawCoordinateGuides(double x, double y, double z) {
  glEnable(GL_LINE_STIPPLE);
  SetColour(g_prefs.rgbaTable);
  glBegin(GL_LINE_STRIP);
  glVertex3d(0, 0, 0);
  glVertex3d(x, 0, 0);
  glVertex3d(x, y, 0);
  glVertex3d(0, y, 0);
  glVertex3d(0, 0, 0);
  glVertex3d(0, 0, z);
  glVertex3d(0, y, z);
  glVertex3d(0, y, 0);
  glEnd();
  glBegin(GL_LINE_STRIP);
  glVertex3d(0, 0, z);
  glVertex3d(x, 0, z);
  glVertex3d(x, 0, 0);
  glEnd();
  glDisable(GL_LINE_STIPPLE);
  SetColour(g_prefs.rgbaCurve);
  glBegin(GL_LINES);
  glVertex3d(x, y, z);
  glVertex3d(x, y, 0);
  glVertex3d(x, y, z);
  glVertex3d(x, 0, z);
  glVertex3d(x, y, z);
  glVertex3d(0, y, z);
  glEnd();
}

void DrawToolOverlays(const QString& circleHint) {
  const ViewToolState& tool = g_viewTool;
  const int mode = g_nToolMode;
  const double* p = tool.pointer;
  const double u = g_fUnitsPerPixel;
  if (mode == 1) {
    if (!tool.pointDragged || !tool.coordinateLines) return;
    DrawCoordinateGuides(p[0], p[1], p[2]);
    SetColour(g_prefs.rgbaSelection);
    DrawAsciiText(FormatCoordinateReadout(p[0], p[1], p[2], true), p[0] + 0.2 * 20 * u, p[1] + 0.3 * 20 * u,
                  p[2] + 0.2 * 20 * u);
    return;
  }
  if (!IsConstructionTool(mode)) return;
  SetColour(g_prefs.rgbaSelection);
  glBegin(GL_POINTS);
  Vertex(p);
  glEnd();
  DrawAsciiText(FormatCoordinateReadout(p[0], p[1], p[2], false), p[0] + 4 * u, p[1] + 4 * u, p[2] + 4 * u);
  if (tool.coordinateLines) DrawCoordinateGuides(p[0], p[1], p[2]);
  DrawConstructionPreview(tool, mode, circleHint);
}

bool HasScreenOverlays() {
  const ViewToolState& tool = g_viewTool;
  return tool.pageFrame || HasBox(tool) || HasInkInProgress(tool) || tool.resolutionBoundary ||
         !tool.finishedStrokes.empty();
}

void DrawScreenOverlays(const float background[3]) {
  const ViewToolState& tool = g_viewTool;
  const double u = g_fUnitsPerPixel;
  const double halfW = g_nViewWidth * u / 2, halfH = g_nViewHeight * u / 2;
  if (tool.pageFrame) {
    SetColour(g_prefs.rgbaSelection);
    CentredLoop(halfW - 0.08, halfH - 0.08);
  } else if (HasBox(tool)) {
    DrawBox(tool, g_nToolMode, background);
  } else if (HasInkInProgress(tool)) {
    DrawInkInProgress(tool);
  }
  if (tool.resolutionBoundary) {
    glColor3f(1, 0, 0);
    CentredLoop(512 * u, 384 * u);
    SetColour(g_prefs.rgbaTable);
    CentredLoop(360 * u, 275 * u);
  }
  if (!tool.finishedStrokes.empty()) {
    glLineWidth(g_prefs.fLineWidth);
    for (const auto& stroke : tool.finishedStrokes) stroke->Draw();
  }
}
