// The locus: the path a traced point describes while a driver (a point that
// runs along a path, or a user parameter) runs through a range of its
// parameter.  It is sampled by really moving the driver through the range
// and recalculating the chain of cells between driver and traced point at
// every sample; every operation that moves the driver puts it and the
// chain back before it returns, so a draw or a drag leaves the page as it
// found it.  Where the traced point does not exist the sample holds the
// marker x = 3e38; the boundaries between existing and missing stretches
// are found by bisection to 1e-8 in the parameter.
//
// Parents: the driver, then the chain (the driver's descendants that are
// also the traced point's ancestors, ascending), last the traced point.
#pragma once
#include <QString>
#include <vector>

#include "cells/dynamic/paths/pathcell.h"
#include "math/funparser.h"

class CGLocus : public CGPathCell {
  DECLARE_SERIAL(CGLocus)

 public:
  // Step 0.1 and no hue expression until the record is read.
  CGLocus();
  // The locus of `traced` as `driver` runs from t0 to t1: collects the
  // chain, registers with driver, chain and traced point, takes the curve
  // colour, break distance 4, step 0.01, the default hue expression (hue
  // off), and samples.
  CGLocus(WORD id, WORD driver, WORD traced, float t0, float t1);

  // The cell record, then the range and the step.  Loading leaves the
  // sample count 0: the load-time recalculation samples again.
  void Serialize(CArchive& ar) override;
  // Samples the whole range (the first time after construction or loading
  // allocating the arrays), or, with the growing trace on, shows the
  // samples up to the driver's value.  Dragging the driver itself changes
  // nothing without the growing trace.  Undefined with no existing sample,
  // a step that is not a positive finite number, a range that is not
  // finite, or parents that no longer form a chain.
  void Recalculate() override;
  QString GetDescription() override;

  // Places the traced point for driver parameter t and leaves it there;
  // its position, or the marker, goes to out, its hue colour to `colour`
  // when asked.  True when the traced point exists.
  BOOL SampleAt(float out[3], BYTE* colour, float t);
  // The same, then the driver put back at its value and the chain
  // recalculated from it, so the page stands as it stood.
  BOOL SampleAtKept(float out[3], float t);
  // The point of the locus nearest to the view ray: the nearest sample,
  // then 1/100 steps over the sample spacing either side of it.  The
  // parameter is t, or in mode 1 the fraction of the range.  False, with
  // the point (1e38, 0, 0), when the traced point does not exist there.
  // The driver and chain are put back.
  BOOL NearestToRay(float out[3], double* parameter, double* distance, int mode);
  // The measured values of the chain, the hue expression's No1, No2, ...
  int CollectValueParents();
  void DrawPolyline() override;

  // The driver's parameter now; 0 without a driver.
  float DriverValue() const;
  bool GrowingTrace() const { return m_nParamA != 0; }

  std::vector<WORD> ValueParents;
  float ParamStart = 0;
  float ParamEnd = 1;
  int SampleCount = 0;
  float Step = 0.1f;
  std::vector<float> Samples;      // SampleCount + 1 triples
  std::vector<BYTE> SampleColors;  // 4 SampleCount + 3 bytes, with hue colouring only
  CFunParser Parser;
  bool Compiled = false;
  int DrawCount = 0;

 protected:
  void DrawLabel() override;
  bool EdgesWhileSelected() const override { return true; }

 private:
  // Resolves driver, chain and traced point (and the value parents) into
  // the cell pointers the sampling runs over; false when one is missing or
  // the last parent is no point.
  bool ResolveChain();
  BOOL SampleResolved(float out[3], BYTE* colour, float t);
  void CompileHue(float t);
  bool AllocateSamples();
  int VisibleCount(float value, float dt) const;
  void SampleRange(float dt);
  // Halves [a, b] down to 1e-8; the traced point exists at a when
  // `existsAtA`.  Each midpoint where it exists replaces sample `slot`.
  bool Bisect(double a, double b, double h, bool existsAtA, int slot);

  std::vector<CGCell*> m_chain;         // driver, chain, traced point
  std::vector<const CGCell*> m_values;  // ValueParents
};
