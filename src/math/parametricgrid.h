// Sampling a parametric surface x(u, v), y(u, v), z(u, v) over a rectangle
// of its parameters into a grid of points with normals and texture
// coordinates, and the coordinate forms that surfaces and curves share.
#pragma once
#include <functional>
#include <vector>

// The three values of an expression triple read as a point: form 0
// Cartesian (x, y, z); form 1 spherical (radius, polar angle from the z
// axis, azimuth); form 2 cylindrical (radius, angle, height).  An unknown
// form leaves `out` as it was.
void CombineCoordinateForm(int form, const double values[3], double out[3]);

// No grid direction holds more samples than this, whatever its range and
// step: a huge range or a tiny step gives the same rectangle more coarsely.
inline constexpr int kMaxSurfaceSamples = 1000;

// trunc(|b - a| / step + 2), at most kMaxSurfaceSamples; 0 when the step is
// not a positive finite number or the range is not finite.
int SurfaceSampleCount(double a, double b, double step);

// s = u uScale + uOffset, t = v vScale + vOffset.
struct TextureMapping {
  double uScale = 0, uOffset = 0, vScale = 0, vOffset = 0;
  bool IsFinite() const;
};

// The mapping of the rectangle onto texture coordinates 0 to 1; a direction
// of zero width gets scale and offset 0 rather than an infinite scale.
TextureMapping RectangleMapping(double uA, double uB, double vA, double vB);

// The rectangle sampled at `columns` values of u from uA to uB and `rows`
// values of v from vA to vB (either may run backwards).
struct GridRange {
  double uA = 0, uB = 0, vA = 0, vB = 0;
  int columns = 0, rows = 0;
  double Du() const { return (uB - uA) / (columns - 1); }
  double Dv() const { return (vB - vA) / (rows - 1); }
};

using SurfaceEvaluator = std::function<void(double u, double v, double out[3])>;

// The sampled surface.  Points and normals are kept for one more row and
// column before the rectangle (at vA - dv and uA - du), the neighbours that
// the normals of row 0 and column 0 are taken from; the storage is kept
// while the counts stay, so resampling allocates nothing.
class ParametricGrid {
 public:
  // Samples every point and each point's normal
  // (P - L) x (P - B), L the point a column before and B a row before.  A
  // product that is degenerate relative to its two differences falls back
  // to (B - D) x (L - D), D the diagonal neighbour, and then to P itself
  // (or a normal along z near the origin).  Normals are not normalised.
  void Sample(const GridRange& range, const SurfaceEvaluator& evaluate);

  int Rows() const { return m_rows; }
  int Columns() const { return m_columns; }
  // Row i and column j of the rectangle (0-based).
  const double* Point(int i, int j) const { return &m_points[Index(i, j)]; }
  const double* Normal(int i, int j) const { return &m_normals[Index(i, j)]; }
  double U(int j) const { return m_uA + j * m_du; }
  double V(int i) const { return m_vA + i * m_dv; }
  bool Empty() const { return m_rows < 2 || m_columns < 2; }
  void Clear();

 private:
  std::size_t Index(int i, int j) const {
    return 3 * (static_cast<std::size_t>(i + 1) * static_cast<std::size_t>(m_columns + 1) + static_cast<std::size_t>(j + 1));
  }
  void ComputeNormal(int i, int j);

  int m_rows = 0, m_columns = 0;
  double m_uA = 0, m_du = 0, m_vA = 0, m_dv = 0;
  std::vector<double> m_points;
  std::vector<double> m_normals;
};
