// What loci and parametric curves share: a polyline of samples, optionally
// coloured per sample by a hue expression, drawn by the same slots and
// picked under the name 4.  The common record holds their switches: the
// first option word the locus's growing trace or the curve's coordinate
// form, the third option word (a float) the break distance, the second
// label word the hue switch and the option text the hue expression.
#pragma once
#include <QString>
#include <bit>
#include <cmath>

#include "model/cgcell.h"

// No path allocates more samples than this, whatever its range and step.
inline constexpr int kMaxPathSamples = 1000000;

// n = trunc(span / step) + 2, the quotient formed in Real, at most
// kMaxPathSamples; 0 when the step is not a positive finite number or the
// span is not finite.  A step too small for the span gives the cap, never
// an overflow.
template <class Real>
int CappedSampleCount(Real span, Real step) {
  if (!(step > 0) || !std::isfinite(step) || !std::isfinite(span)) return 0;
  const double samples = static_cast<double>(span / step) + 2.0;
  return samples >= kMaxPathSamples ? kMaxPathSamples : static_cast<int>(samples);
}

// The hue h reduced to its fraction (a value that is no finite number
// counts as 0) at saturation 1 and lightness 0.5, as RGBA bytes, alpha 255.
void HueColour(double h, BYTE rgba[4]);

// The distance of s from the view's ray through g_dRayNear and g_dRayFar
// (taken as floats): the distance from the near point, less the part along
// the ray when the ray is not degenerate.  Formed in double: the near point
// lies far away, and in single precision the difference of the two squares
// would lose the small distances that decide which point is nearest.
template <class Real>
double DistanceFromViewRay(const Real s[3]);

// The coarse pass of a nearest-point search: the index of the first
// smallest distance(i), i < n, below 1e30 (0 when there is none), its
// distance in `best`.  A NaN distance is never the smallest.
template <class Distance>
int NearestIndex(int n, Distance distance, double& best) {
  best = 1e30;
  int nearest = 0;
  for (int i = 0; i < n; ++i) {
    const double d = distance(i);
    if (d < best) {
      best = d;
      nearest = i;
    }
  }
  return nearest;
}

// The fine pass around sample `nearest` of n from t0 to t1: its parameter
// t* and the parameters from t* - |dt| in steps of |dt| / 100 while below
// t* + |dt|, the window clipped to the range.  The steps are counted (201
// at most), so a step too small to move t cannot stall the search.
struct FineSearch {
  FineSearch(double t0, double t1, int n, int nearest);
  template <class Visit>
  void ForEach(Visit visit) const {
    for (int j = 0; j <= 200; ++j) {
      const double t = from + j * step;
      if (!(t < to)) return;
      visit(t);
    }
  }
  double around, from, to, step;
};

class CGPathCell : public CGCell {
 public:
  bool HueOn() const { return m_nLabelExtra[0] != 0; }
  void SetHueOn(bool on) { m_nLabelExtra[0] = on ? 1 : 0; }
  float BreakDistance() const { return std::bit_cast<float>(m_nParamC); }
  void SetBreakDistance(float d) { m_nParamC = std::bit_cast<std::int32_t>(d); }
  // Consecutive samples at least this far apart (squared) are not joined;
  // a break distance of 1e-6 or less acts as 4.
  float BreakThreshold() const;

  // Hidden or undefined paths draw nothing.  Style 0 draws solid and 1
  // dashed over everything (Draw); 2 and above in the depth-tested edge
  // passes, 3 and above also dashed behind faces.  Selected paths are drawn
  // over everything in the highlight colour; hue colouring colours each
  // sample unless the path is selected.
  void DrawVisibleEdges() override;
  void DrawHiddenEdges() override;
  void Draw() override;
  void DrawFlat() override;
  // Names (4, id) on the polyline in pick modes 3 and above.
  void DrawForPick(int mode) override;

  // The polyline of the samples shown, shared by every draw slot.
  virtual void DrawPolyline() = 0;

 protected:
  bool IsShown() const { return !m_bHidden && m_bDefined; }
  // The name at the path's last sample.
  virtual void DrawLabel() = 0;
  // Whether a selected path still draws in the depth-tested passes.
  virtual bool EdgesWhileSelected() const = 0;
  // Whether sample colours are to be set while drawing.
  bool ColoursSamples() const { return g_bOwnColors && HueOn() && !m_bSelected; }

 private:
  void DrawEdges();
};

// Registers the classes of loci, curves and the points on them.
void RegisterPathClasses();
