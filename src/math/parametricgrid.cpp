#include "math/parametricgrid.h"

#include <cmath>

void CombineCoordinateForm(int form, const double v[3], double out[3]) {
  switch (form) {
    case 0:
      out[0] = v[0], out[1] = v[1], out[2] = v[2];
      break;
    case 1: {
      const double w = v[0] * std::sin(v[1]);
      out[0] = w * std::cos(v[2]);
      out[1] = w * std::sin(v[2]);
      out[2] = v[0] * std::cos(v[1]);
      break;
    }
    case 2:
      out[0] = v[0] * std::cos(v[1]);
      out[1] = v[0] * std::sin(v[1]);
      out[2] = v[2];
      break;
    default:
      break;
  }
}

int SurfaceSampleCount(double a, double b, double step) {
  const double span = std::fabs(b - a);
  if (!(step > 0) || !std::isfinite(step) || !std::isfinite(span)) return 0;
  const double samples = span / step + 2.0;
  return samples >= kMaxSurfaceSamples ? kMaxSurfaceSamples : static_cast<int>(samples);
}

bool TextureMapping::IsFinite() const {
  return std::isfinite(uScale) && std::isfinite(uOffset) && std::isfinite(vScale) && std::isfinite(vOffset);
}

TextureMapping RectangleMapping(double uA, double uB, double vA, double vB) {
  TextureMapping m;
  if (uB != uA) {
    m.uScale = 1.0 / (uB - uA);
    m.uOffset = -uA / (uB - uA);
  }
  if (vB != vA) {
    m.vScale = 1.0 / (vB - vA);
    m.vOffset = -vA / (vB - vA);
  }
  return m;
}

namespace {

void Difference(const double* p, const double* q, double out[3]) {
  for (int k = 0; k < 3; ++k) out[k] = p[k] - q[k];
}

double Squared(const double a[3]) { return a[0] * a[0] + a[1] * a[1] + a[2] * a[2]; }

// n = a x b; true when it is degenerate: exactly zero, or tiny against the
// lengths of a and b (an absolute bound would call every product of a fine
// grid degenerate).
bool CrossDegenerate(const double a[3], const double b[3], double n[3]) {
  n[0] = a[1] * b[2] - a[2] * b[1];
  n[1] = a[2] * b[0] - a[0] * b[2];
  n[2] = a[0] * b[1] - a[1] * b[0];
  const double nn = Squared(n);
  return nn == 0 || nn <= 1e-12 * Squared(a) * Squared(b);
}

}  // namespace

void ParametricGrid::Clear() {
  m_rows = m_columns = 0;
  m_points.clear();
  m_normals.clear();
}

void ParametricGrid::Sample(const GridRange& range, const SurfaceEvaluator& evaluate) {
  m_rows = range.rows;
  m_columns = range.columns;
  m_uA = range.uA;
  m_vA = range.vA;
  m_du = range.Du();
  m_dv = range.Dv();
  const std::size_t size = 3 * static_cast<std::size_t>(m_rows + 1) * static_cast<std::size_t>(m_columns + 1);
  if (m_points.size() != size) m_points.assign(size, 0.0);
  for (int i = -1; i < m_rows; ++i)
    for (int j = -1; j < m_columns; ++j) evaluate(U(j), V(i), &m_points[Index(i, j)]);
  if (m_normals.size() != size) m_normals.assign(size, 0.0);
  for (int i = 0; i < m_rows; ++i)
    for (int j = 0; j < m_columns; ++j) ComputeNormal(i, j);
}

void ParametricGrid::ComputeNormal(int i, int j) {
  const double* p = Point(i, j);
  const double* left = Point(i, j - 1);
  const double* below = Point(i - 1, j);
  const double* diagonal = Point(i - 1, j - 1);
  double* n = &m_normals[Index(i, j)];
  double a[3], b[3];
  Difference(p, left, a);
  Difference(p, below, b);
  if (!CrossDegenerate(a, b, n)) return;
  Difference(below, diagonal, a);
  Difference(left, diagonal, b);
  if (!CrossDegenerate(a, b, n)) return;
  if (Squared(p) > 1e-6) {
    n[0] = p[0], n[1] = p[1], n[2] = p[2];
  } else {
    n[2] = 1;
  }
}
