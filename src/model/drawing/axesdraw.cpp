// The coordinate axes of the page passes: space axes whose arrowheads always
// face the viewer and keep their size on screen, and plane axes with ticks
// and numbers spaced to the zoom.
#include <GL/gl.h>

#include <cmath>

#include "model/drawing/pagedraw.h"
#include "model/drawing/viewtext.h"
#include "model/globals.h"
#include "platform/numberformat.h"
#include "render/rasterposition.h"
#include "render/viewray.h"

namespace {

struct Vec3 {
  float x, y, z;
};

void Label(const char* text, float x, float y, float z) {
  CallTextListsAt(DrawGlText(QString::fromLatin1(text)), x, y, z);
}

void Label(const QString& text, float x, float y) {
  CallTextListsAt(DrawGlText(text), x, y, 0);
}

// A filled arrowhead and its outline through the same four points.
void Arrowhead(const Vec3 (&p)[4]) {
  for (GLenum mode : {GL_TRIANGLE_FAN, GL_LINE_LOOP}) {
    glBegin(mode);
    for (const Vec3& v : p) glVertex3f(v.x, v.y, v.z);
    glEnd();
  }
}

void Line(float x0, float y0, float z0, float x1, float y1, float z1) {
  glBegin(GL_LINES);
  glVertex3f(x0, y0, z0);
  glVertex3f(x1, y1, z1);
  glEnd();
}

// The half width of a space-axis arrowhead is h / |component of the view
// direction across the axis|.  Looking straight along an axis that part is
// zero (every standard view does this): that head is seen end-on and is
// left out instead of being drawn from infinite coordinates.
bool ArrowScale(float h, float a, float b, float viewLength, float* k) {
  const float across = std::sqrt(a * a + b * b);
  if (!(across > 1e-6f * viewLength)) return false;
  *k = h / across;
  return true;
}

// Offset that centres an integer label under its tick on the x axis.
float XLabelShift(int v) {
  if (v > 0) return v < 10 ? 0.18f : v < 100 ? 0.38f : v < 1000 ? 0.58f : 0.78f;
  return v >= -9 ? 0.4f : v >= -99 ? 0.6f : v >= -999 ? 0.8f : 1.0f;
}

// Offset that places an integer label left of the y axis.
float YLabelShift(int v) {
  if (v > 0) return v < 10 ? -0.8f : v < 100 ? -1.1f : v < 1000 ? -1.5f : -1.9f;
  return v >= -9 ? -1.0f : v >= -99 ? -1.3f : v >= -999 ? -1.9f : -2.3f;
}

bool NearWhole(double v) { return std::fabs(v - std::round(v)) < 0.001; }

}  // namespace

void DrawSpaceAxes() {
  const float lineWidth = g_prefs.fLineWidth;
  glLineWidth(lineWidth);
  const float s = g_fUnitsPerPixel * 20 / g_fViewScale;
  const float b = 12 - s, n = 12 - 0.75f * s, h = 0.32f * s;
  ComputeViewDirection();
  const float dx = g_fViewDir[0], dy = g_fViewDir[1], dz = g_fViewDir[2];
  const float length = std::sqrt(dx * dx + dy * dy + dz * dz);

  glLineWidth(1);
  float k;
  glColor3f(1, 0, 0);
  if (ArrowScale(h, dy, dz, length, &k))
    Arrowhead({{12, 0, 0}, {b, k * dz, -k * dy}, {n, 0, 0}, {b, -k * dz, k * dy}});
  Label("x", 12, 0, 0.2f);
  glColor3f(0, 1, 0);
  if (ArrowScale(h, dx, dz, length, &k))
    Arrowhead({{0, 12, 0}, {k * dz, b, -k * dx}, {0, n, 0}, {-k * dz, b, k * dx}});
  Label("y", 0, 12, 0.2f);
  glColor3f(0, 0, 1);
  if (ArrowScale(h, dx, dy, length, &k))
    Arrowhead({{0, 0, 12}, {k * dy, -k * dx, b}, {0, 0, n}, {-k * dy, k * dx, b}});
  Label("z", 0, 0, 12);
  glColor3f(0.5f, 0.5f, 0);
  Label("o", 0, 0, 0.2f);

  glLineWidth(lineWidth);
  glColor3f(1, 0, 0);
  Line(0, 0, 0, 12, 0, 0);
  glColor3f(0, 1, 0);
  Line(0, 0, 0, 0, 12, 0);
  glColor3f(0, 0, 1);
  Line(0, 0, 0, 0, 0, 12);
}

PlaneAxisSteps PlaneAxisStepsFor(double zoom) {
  if (zoom < 0.025) return {200, 200};
  if (zoom < 0.05) return {100, 100};
  if (zoom < 0.1) return {50, 50};
  if (zoom < 0.25) return {20, 20};
  if (zoom < 0.5) return {10, 10};
  if (zoom < 0.75) return {5, 5};
  if (zoom < 2) return {2, 2};
  if (zoom < 5) return {1, 1};
  if (zoom < 15) return {1, 0.5f};
  return {1, 0.1f};
}

void DrawPlaneAxes() {
  if (g_nViewHeight <= 64) return;
  const float u = g_fUnitsPerPixel, scale = g_fViewScale;
  const float s = u * 20 / scale;
  const float halfW = (g_nViewWidth - 20) * u / (2 * scale);
  const float halfH = (g_nViewHeight - 20) * u / (2 * scale);
  const float xmin = -halfW - g_fViewTranslate[0] / scale, xmax = halfW - g_fViewTranslate[0] / scale;
  const float ymin = -halfH - g_fViewTranslate[1] / scale, ymax = halfH - g_fViewTranslate[1] / scale;
  // The tick and label loops count across the visible range: a view state
  // that is not finite or far beyond any construction shows no axes.
  const float far = 1e6f;
  if (!(s > 0) || !(std::fabs(xmin) < far && std::fabs(xmax) < far && std::fabs(ymin) < far &&
                    std::fabs(ymax) < far))
    return;
  const PlaneAxisSteps step = PlaneAxisStepsFor(scale / (u * 20.0));
  const bool showX = ymin < 0 && ymax > s;
  const bool showY = xmin < 0 && xmax > s;
  const float xlimit = xmax - 1.2f * s, ylimit = ymax - 1.2f * s;
  // Ticks and labels counted from the first multiple at or inside the
  // minimum (truncation toward zero), by index so no error accumulates.
  const float firstTickX = std::trunc(xmin / step.tick) * step.tick;
  const float firstTickY = std::trunc(ymin / step.tick) * step.tick;
  const int firstLabelX = static_cast<int>(std::trunc(xmin / step.label)) * step.label;
  const int firstLabelY = static_cast<int>(std::trunc(ymin / step.label)) * step.label;

  glLineWidth(2);
  glBegin(GL_LINES);
  if (showX) {
    glVertex2f(xmax, 0);
    glVertex2f(xmin, 0);
    for (int i = 0;; ++i) {
      const float x = firstTickX + i * step.tick;
      if (x > xlimit) break;
      if (std::fabs(x) <= 1e-6f) continue;
      glVertex2f(x, 0.3f * s);
      glVertex2f(x, 0);
    }
  }
  if (showY) {
    glVertex2f(0, ymax);
    glVertex2f(0, ymin);
    for (int i = 0;; ++i) {
      const float y = firstTickY + i * step.tick;
      if (y > ylimit) break;
      if (std::fabs(y) <= 1e-6f) continue;
      glVertex2f(0.3f * s, y);
      glVertex2f(0, y);
    }
  }
  glEnd();

  glLineWidth(1);
  if (showX) {
    Arrowhead({{xmax, 0, 0}, {xmax - s, 0.25f * s, 0}, {xmax - 0.75f * s, 0, 0}, {xmax - s, -0.25f * s, 0}});
    Label(QStringLiteral("x"), xmax - 0.2f * s, -0.8f * s);
  }
  if (showY) {
    Arrowhead({{0, ymax, 0}, {-0.25f * s, ymax - s, 0}, {0, ymax - 0.75f * s, 0}, {0.25f * s, ymax - s, 0}});
    Label(QStringLiteral("y"), -0.8f * s, ymax - 0.2f * s);
  }
  glLineWidth(g_prefs.fLineWidth);
  if (showX && showY) Label(QStringLiteral("o"), -0.68f * s, -0.68f * s);

  if (showX)
    for (int v = firstLabelX; v <= xlimit; v += step.label)
      if (v != 0) Label(QString::number(v), v - XLabelShift(v) * s, -0.8f * s);
  if (showY)
    for (int v = firstLabelY; v <= ylimit; v += step.label)
      if (v != 0) Label(QString::number(v), YLabelShift(v) * s, v - 0.3f * s);

  if (scale >= 20) {
    if (showX)
      for (int i = 0;; ++i) {
        const double v = std::trunc(xmin * 10.0) / 10 + i * 0.1;
        if (v > xlimit) break;
        if (NearWhole(v)) continue;
        Label(FormatNumber("%.1f", v), static_cast<float>(v) - (v > 0 ? 0.58f : 0.8f) * s, -0.8f * s);
      }
    if (showY)
      for (int i = 0;; ++i) {
        const double v = std::trunc(ymin * 10.0) / 10 + i * 0.1;
        if (v > ylimit) break;
        if (NearWhole(v)) continue;
        Label(FormatNumber("%.1f", v), (v > 0 ? -1.2f : -1.6f) * s, static_cast<float>(v) - 0.3f * s);
      }
  }
  glLineWidth(g_prefs.fLineWidth);
}
