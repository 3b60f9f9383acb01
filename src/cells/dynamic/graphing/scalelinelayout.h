// What an axis scale draws, worked out apart from drawing: tick marks,
// labels, the minus signs and fraction bars of π labels, and the grid.
// Positions follow the scale's rules literally: single-precision
// accumulation along each half-axis, offsets in u = 20 pixels.  Every loop
// is bounded (a spacing that is not a positive finite number gives no
// ticks, a half-axis at most kMaxSteps of them, the grid at most kMaxGrid
// lines or circles each side of the origin), so an axis read from a file
// or dragged far out cannot hang the view.
#pragma once
#include <QString>
#include <vector>

struct CScaleInput {
  float origin[3] = {0, 0, 0};
  float xMin = 0, xMax = 0, yMin = 0, yMax = 0;
  float tickSpacing = 2.0f, labelSpacing = 2.0f;
  bool autoSpacing = true;
  bool xOnly = false;          // style byte non-zero
  bool trigonometric = false;  // sub-kind non-zero
  bool labels = true;          // label-hidden flag clear
  int grid = 0;                // 0 none, 1 square, 2 polar
  float p = 0.05f;             // world units per pixel over the view scale
};

struct CScaleSegment {
  float a[3], b[3];
};

// A label's text is composed only when it is drawn: a long axis holds
// thousands of labels, few of them in view.
enum class ScaleText : unsigned char { Whole, Decimal, PiMultiple, Two };
struct CScaleLabel {
  ScaleText kind;
  double value;  // the whole number, the decimal, or the multiple of π
  double x, y, z;
};
// "%d", "%.1f", "π" or "%dπ", or "2" (the denominator of a half).
QString ScaleLabelText(const CScaleLabel& label);

struct CScaleLayout {
  std::vector<CScaleSegment> ticks;        // colour 1
  std::vector<CScaleLabel> labels;         // colour 2
  std::vector<CScaleSegment> strokes;      // minus signs and fraction bars, colour 2
  std::vector<CScaleSegment> thinGrid;     // width 0.5, colour 1
  std::vector<CScaleSegment> thickGrid;    // width 1.0, colour 1
  std::vector<float> circles;              // polar radii, colour 2, width 0.5
  std::vector<CScaleSegment> diameters;    // colour 1, width 0.5
  void Clear();
};

inline constexpr int kMaxScaleSteps = 10000;
inline constexpr int kMaxScaleGrid = 1000;
inline constexpr int kPolarCirclePoints = 63;
inline constexpr int kPolarDiameters = 24;

// The automatic spacing for world units per pixel p: the first of 0.1,
// 0.2, 0.5, 1 ... 1000 whose 1.5-fold exceeds 50 p, else 2000.
float AutomaticScaleSpacing(float p);

// Fills `out` (cleared first; its storage is reused).  With automatic
// spacing on, the input's spacings are first set to the automatic one.
void LayoutScale(CScaleInput& in, CScaleLayout& out);
