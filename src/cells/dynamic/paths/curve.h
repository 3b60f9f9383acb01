// The parametric curve: x(t), y(t), z(t) typed by the user in t and the
// values of its parents (measured values or vectors; parent k is "No" k),
// read in Cartesian (form 0), spherical (1: radius, polar angle from the z
// axis, azimuth) or cylindrical form (2: radius, angle, height), over a
// range whose ends are expressions in the parents' values.  It is sampled
// into a polyline at every recalculation, optionally coloured by a hue
// expression in t; sampling moves no other cell.  The expressions are
// compiled at the first recalculation after construction, loading or an
// edit (Compiled cleared).  A new curve is named by its y expression.
#pragma once
#include <QString>
#include <vector>

#include "cells/dynamic/paths/pathcell.h"
#include "math/funparser.h"

class CGCurve : public CGPathCell {
  DECLARE_SERIAL(CGCurve)

 public:
  // Step 0.1 and break distance 4 until the record is read.
  CGCurve();
  // Over the value parents in order, with the five expression texts, the
  // step, the coordinate form and the hue switch and expression; in the
  // curve colour, break distance 0 (which acts as 4); then sampled.
  CGCurve(WORD id, const std::vector<WORD>& parents, const QString& x, const QString& y, const QString& z,
          const QString& t0, const QString& t1, float step, int form, int hue, const QString& hueExpression);

  // The cell record, then the five expressions and the step.  Loading
  // clears the samples and the compiled flag.
  void Serialize(CArchive& ar) override;
  // Undefined while a parent is undefined or missing, when a range end does
  // not compile or is not finite, when t0 >= t1, or when the step is not a
  // positive finite number; otherwise n samples from t0 to exactly t1, the
  // arrays kept while n stays the same.  The samples themselves are not
  // tested: a point that does not exist is what the expressions give.
  void Recalculate() override;
  QString GetDescription() override;

  // The point at t in the coordinate form (an expression that does not
  // compile counts as 0; an unknown form leaves out as it was), and its hue
  // colour when asked.
  void SampleAt(double out[3], BYTE* colour, double t);
  // The point at fraction f of the range; f outside 0 to 1 (or an empty
  // range) gives the point at t1.
  void SampleAtFraction(double out[3], double f);
  // The point nearest to the view ray, as for the locus; the parameter is t
  // or, in mode 1, the fraction.  False only while the curve has no samples.
  BOOL NearestToRay(float out[3], double* parameter, double* distance, int mode);
  void DrawPolyline() override;

  int Form() const { return m_nParamA; }

  int SampleCount = 0;
  std::vector<double> Samples;     // SampleCount + 1 triples
  std::vector<BYTE> SampleColors;  // 4 SampleCount + 3 bytes, with hue colouring only
  QString XExpression, YExpression, ZExpression;
  QString StartExpression, EndExpression;
  double ParamStart = 0;
  double ParamEnd = 0;
  CFunParser XParser, YParser, ZParser, StartParser, EndParser, HueParser;
  float Step = 0.1f;
  bool Compiled = false;

 protected:
  void DrawLabel() override;
  bool EdgesWhileSelected() const override { return false; }

 private:
  void Compile();
  // Copies the parents' values into the parsers; false at the first
  // undefined or missing parent.
  bool ReadParents();
  // The value of a range-end parser into `end`; false when it does not
  // compile or is not finite.
  static bool RangeEnd(const CFunParser& parser, double& end);
  void Resize(int n);
};
