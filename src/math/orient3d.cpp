#include "math/orient3d.h"

#include <cmath>
#include <vector>

// Expansions are sums of doubles of increasing magnitude that do not
// overlap; their sign is the sign of the last (largest) component.
namespace kvmath {
namespace {

void TwoSum(double a, double b, double& sum, double& error) {
  sum = a + b;
  const double bv = sum - a, av = sum - bv;
  error = (a - av) + (b - bv);
}

// Adds b to the expansion e, dropping zero components.
void Grow(std::vector<double>& e, double b) {
  size_t out = 0;
  double q = b;
  for (double component : e) {
    double sum, error;
    TwoSum(q, component, sum, error);
    q = sum;
    if (error != 0) e[out++] = error;
  }
  e.resize(out);
  if (q != 0) e.push_back(q);
}

// e times a double, exactly, as a list of terms (not yet an expansion).
void Scale(const std::vector<double>& e, double b, std::vector<double>& terms) {
  terms.clear();
  for (double component : e) {
    const double product = component * b;
    terms.push_back(product);
    terms.push_back(std::fma(component, b, -product));
  }
}

std::vector<double> Product(const std::vector<double>& x, const std::vector<double>& y) {
  std::vector<double> result, terms;
  for (double factor : y) {
    Scale(x, factor, terms);
    for (double t : terms) Grow(result, t);
  }
  return result;
}

std::vector<double> Difference(double a, double b) {
  double d, e;
  TwoSum(a, -b, d, e);
  std::vector<double> result;
  Grow(result, e);
  Grow(result, d);
  return result;
}

int ExactSign(const double a[3], const double b[3], const double c[3], const double d[3]) {
  std::vector<double> u[3], v[3], w[3];  // a - d, b - d, c - d, exactly
  for (int k = 0; k < 3; ++k) {
    u[k] = Difference(a[k], d[k]);
    v[k] = Difference(b[k], d[k]);
    w[k] = Difference(c[k], d[k]);
  }
  // The determinant of the rows u, v, w: the sum over the permutations.
  static constexpr int kPermutations[6][4] = {{0, 1, 2, 1}, {1, 2, 0, 1}, {2, 0, 1, 1},
                                              {0, 2, 1, -1}, {1, 0, 2, -1}, {2, 1, 0, -1}};
  std::vector<double> total;
  for (const auto& p : kPermutations) {
    const std::vector<double> term = Product(Product(u[p[0]], v[p[1]]), w[p[2]]);
    for (double t : term) Grow(total, p[3] * t);
  }
  return total.empty() ? 0 : total.back() > 0 ? 1 : -1;
}

}  // namespace

int Orient3dSign(const double a[3], const double b[3], const double c[3], const double d[3]) {
  const double adx = a[0] - d[0], ady = a[1] - d[1], adz = a[2] - d[2];
  const double bdx = b[0] - d[0], bdy = b[1] - d[1], bdz = b[2] - d[2];
  const double cdx = c[0] - d[0], cdy = c[1] - d[1], cdz = c[2] - d[2];
  const double bdxcdy = bdx * cdy, cdxbdy = cdx * bdy;
  const double cdxady = cdx * ady, adxcdy = adx * cdy;
  const double adxbdy = adx * bdy, bdxady = bdx * ady;
  // det(a - d, b - d, c - d) is the negative of the normal-side test.
  const double det = adz * (bdxcdy - cdxbdy) + bdz * (cdxady - adxcdy) + cdz * (adxbdy - bdxady);
  const double permanent = (std::fabs(bdxcdy) + std::fabs(cdxbdy)) * std::fabs(adz) +
                           (std::fabs(cdxady) + std::fabs(adxcdy)) * std::fabs(bdz) +
                           (std::fabs(adxbdy) + std::fabs(bdxady)) * std::fabs(cdz);
  // The bound of the floating evaluation, differences included.
  constexpr double kUnit = 1.1102230246251565e-16;  // 2^-53
  constexpr double kBound = (7.0 + 56.0 * kUnit) * kUnit;
  if (det > kBound * permanent) return -1;
  if (-det > kBound * permanent) return 1;
  return -ExactSign(a, b, c, d);
}

}  // namespace kvmath
