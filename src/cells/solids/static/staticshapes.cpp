// The box and the ring shapes: cuboid, prism or pyramid frustum, pyramid
// and polygon.
#include <cmath>
#include <vector>

#include "cells/solids/static/staticbuilder.h"
#include "cells/solids/static/staticshapes.h"

namespace {

// The ring's angles: from -(1/n + 1/2) pi, one step of 2 pi / n per point,
// so points 0 and 1 lie symmetric about x = cx below the centre.
class CRing {
 public:
  explicit CRing(int n)
      : m_fAngle(static_cast<float>((1.0 / n + 0.5) * -3.1415927)), m_fStep(6.2831855f / static_cast<float>(n)) {}
  // The angle of the next point.
  float Next() {
    const float angle = m_fAngle;
    m_fAngle += m_fStep;
    return angle;
  }

 private:
  float m_fAngle;
  float m_fStep;
};

// Ring points of radius r about (cx, cy) at height z, named automatically.
std::vector<WORD> RingPoints(CStaticBuilder& build, float cx, float cy, float z, int n, float r) {
  std::vector<WORD> ring;
  ring.reserve(static_cast<size_t>(n));
  CRing angles(n);
  for (int i = 0; i < n; ++i) {
    const float a = angles.Next();
    ring.push_back(build.Point(cx + std::cos(a) * r, cy + std::sin(a) * r, z));
  }
  return ring;
}

// The corners in reverse order: the face under a ring, seen from below.
std::vector<WORD> Reversed(const std::vector<WORD>& ring) { return {ring.rbegin(), ring.rend()}; }

}  // namespace

int AddStaticCuboid(float cx, float cy, float cz, float length, float width, float height) {
  if (!CStaticBuilder::HasRoom(26, 8)) return 0;
  CStaticBuilder build;
  const float x0 = cx - 0.5f * length, x1 = cx + 0.5f * length;
  const float y0 = cy - 0.5f * width, y1 = cy + 0.5f * width;
  const float z0 = cz - 0.5f * height, z1 = cz + 0.5f * height;
  const WORD p0 = build.Point(x0, y0, z0), p1 = build.Point(x1, y0, z0);
  const WORD p2 = build.Point(x1, y1, z0), p3 = build.Point(x0, y1, z0);
  const WORD p4 = build.Partner(p0, x0, y0, z1), p5 = build.Partner(p1, x1, y0, z1);
  const WORD p6 = build.Partner(p2, x1, y1, z1), p7 = build.Partner(p3, x0, y1, z1);
  const WORD edges[12][2] = {{p0, p1}, {p3, p2}, {p4, p5}, {p7, p6}, {p0, p3}, {p1, p2},
                             {p4, p7}, {p5, p6}, {p0, p4}, {p1, p5}, {p3, p7}, {p2, p6}};
  for (const auto& edge : edges) build.Segment(edge[0], edge[1]);
  build.Face({p0, p3, p2, p1});
  build.Face({p2, p3, p7, p6});
  build.Face({p4, p5, p6, p7});
  build.Face({p0, p1, p5, p4});
  build.Face({p1, p2, p6, p5});
  build.Face({p3, p0, p4, p7});
  return build.Made();
}

int AddStaticPrism(float cx, float cy, float cz, int n, float radius, float height, float ratio) {
  if (n < 3 || !CStaticBuilder::HasRoom(6 * n + 2, 2 * n)) return 0;
  CStaticBuilder build;
  const std::vector<WORD> a = RingPoints(build, cx, cy, cz - height / 2, n, radius);
  std::vector<WORD> b;
  b.reserve(static_cast<size_t>(n));
  CRing angles(n);
  const float top = cz + height / 2;
  for (int i = 0; i < n; ++i) {
    const float t = angles.Next();
    b.push_back(build.Partner(a[i], cx + std::cos(t) * radius * ratio, cy + std::sin(t) * radius * ratio, top));
  }
  build.Segment(a[0], b[0]);
  for (int i = 1; i < n; ++i) {
    build.Segment(a[i], b[i]);
    build.Segment(a[i - 1], a[i]);
    build.Segment(b[i - 1], b[i]);
    build.Face({a[i - 1], a[i], b[i], b[i - 1]});
  }
  build.Segment(a[n - 1], a[0]);
  build.Segment(b[n - 1], b[0]);
  build.Face({a[n - 1], a[0], b[0], b[n - 1]});
  build.Face(Reversed(a));
  build.Face(b);
  return build.Made();
}

int AddStaticPyramid(float cx, float cy, float cz, int n, float radius, float height) {
  if (n < 3 || !CStaticBuilder::HasRoom(4 * n + 2, n + 1)) return 0;
  CStaticBuilder build;
  const std::vector<WORD> a = RingPoints(build, cx, cy, cz - height / 2, n, radius);
  const WORD apex = build.Point(cx, cy, cz + height / 2);
  build.Segment(apex, a[0]);
  for (int i = 1; i < n; ++i) {
    build.Segment(apex, a[i]);
    build.Segment(a[i - 1], a[i]);
    build.Face({apex, a[i - 1], a[i]});
  }
  build.Segment(a[n - 1], a[0]);
  build.Face({apex, a[n - 1], a[0]});
  build.Face(Reversed(a));
  return build.Made();
}

int AddStaticPolygon(float cx, float cy, float cz, int n, float radius) {
  if (n < 3 || !CStaticBuilder::HasRoom(2 * n + 1, n)) return 0;
  CStaticBuilder build;
  const std::vector<WORD> a = RingPoints(build, cx, cy, cz, n, radius);
  for (int i = 1; i < n; ++i) build.Segment(a[i - 1], a[i]);
  build.Segment(a[n - 1], a[0]);
  build.Face(a);
  return build.Made();
}
