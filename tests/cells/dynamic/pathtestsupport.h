// Shared pieces of the locus and curve tests: the figures they trace, built
// as the commands build them.
#pragma once
#include <QString>
#include <array>
#include <cmath>
#include <vector>

#include "../freepointtestsupport.h"
#include "cells/constructed/coordinatespoint.h"
#include "cells/dynamic/paths/curve.h"
#include "cells/dynamic/paths/locus.h"
#include "cells/dynamic/paths/pathpoints.h"
#include "cells/dynamic/parameters/usercalculation.h"
#include "cells/dynamic/parameters/userparameter.h"
#include "measuretestsupport.h"
#include "model/autocolor.h"

class PathTest : public MeasureTest {
 protected:
  // P on the circle of radius 2 about the origin in z = 0, A = (4, 0, 0),
  // the segment AP and Q on it at 0.5: Q runs on the circle of radius 1
  // about (2, 0, 0).
  struct Midpoints {
    WORD circle, p, a, ap, q;
  };
  Midpoints MidpointFigure(float angle = 0.7f) {
    Midpoints f{};
    f.circle = Arc(2, kArcCircle);
    f.p = PointOf<CGVerFreeInCircle>(f.circle, angle);
    f.a = P(4, 0, 0);
    f.ap = L(f.a, f.p);
    f.q = PointOf<CGVerFreeInLine>(f.ap, 0.5f);
    return f;
  }

  // A parameter t over [0, 1] and the point (t, sqrt(t - 0.5), 0), which
  // does not exist below t = 0.5 (or, reversed, sqrt(0.5 - t) above it).
  struct HalfFigure {
    WORD t, root, point;
  };
  HalfFigure HalfDefined(bool reversed = false, float value = 0.75f) {
    HalfFigure f{};
    f.t = Param(value, 0, 1)->m_nId;
    f.root = Put(new CGTmVarCalculator(page->m_nNextId, {f.t}, reversed ? "sqrt(0.5-No1)" : "sqrt(No1-0.5)", {}));
    f.point = Put(new CGVerCoordinates(page->m_nNextId, page->m_nNextVertex++, page->GetNewName(1), {f.t, f.root}, 1,
                                       2, 0, 0, 0, 0));
    return f;
  }

  // A point kind on a carrier: (id, slot, name, carrier, parameter).
  template <class T>
  WORD PointOf(WORD carrier, float parameter) {
    return Put(new T(page->m_nNextId, page->m_nNextVertex++, page->GetNewName(1), carrier, parameter));
  }
  CGTmVarParameter* Param(float value, float minimum, float maximum, const char* name = "t") {
    auto* t = new CGTmVarParameter(page->m_nNextId, QString::fromUtf8(name), value);
    t->SetRange(minimum, maximum);
    Put(t);
    return t;
  }
  CGLocus* Locus(WORD driver, WORD traced, float t0, float t1) {
    auto* locus = new CGLocus(page->m_nNextId, driver, traced, t0, t1);
    Put(locus);
    return locus;
  }
  CGCurve* Curve(const std::vector<WORD>& parents, const char* x, const char* y, const char* z, const char* t0,
                 const char* t1, float step = 0.1f, int form = 0, int hue = 0, const char* hueExpression = "") {
    auto* curve = new CGCurve(page->m_nNextId, parents, x, y, z, t0, t1, step, form, hue, hueExpression);
    Put(curve);
    return curve;
  }
  template <class T = CGCell>
  T* Cell(WORD id) {
    return static_cast<T*>(page->m_cells.Lookup(id));
  }
  QByteArray Record(WORD id) { return StoreCell(*Cell(id)); }

  template <class Real>
  static double Distance(const Real* s, double x, double y, double z) {
    return std::sqrt((s[0] - x) * (s[0] - x) + (s[1] - y) * (s[1] - y) + (s[2] - z) * (s[2] - z));
  }
  // The bytes of HslToRgb at saturation 1 and lightness 0.5, alpha a.
  static std::array<BYTE, 4> HueBytes(double h, BYTE a = 255) {
    double rgb[3];
    HslToRgb(rgb, h, 1.0, 0.5);
    return {static_cast<BYTE>(static_cast<int>(rgb[0] * 255 + 0.5)),
            static_cast<BYTE>(static_cast<int>(rgb[1] * 255 + 0.5)),
            static_cast<BYTE>(static_cast<int>(rgb[2] * 255 + 0.5)), a};
  }
  static std::array<BYTE, 4> ColourOf(const std::vector<BYTE>& colours, int i) {
    return {colours[4 * i], colours[4 * i + 1], colours[4 * i + 2], colours[4 * i + 3]};
  }
};
