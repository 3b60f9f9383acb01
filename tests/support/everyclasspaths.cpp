// The "paths" page of the every-class document: loci and curves, the points
// on them and their intersections, compound paths, a track, a surface and
// an iteration.
#include "cells/constructed/numeric/numericintersections.h"
#include "cells/constructed/paths/carriers.h"
#include "cells/constructed/paths/compoundpaths.h"
#include "cells/constructed/translations.h"
#include "cells/dynamic/iterations/iteration.h"
#include "cells/dynamic/parameters/userparameter.h"
#include "cells/dynamic/paths/curve.h"
#include "cells/dynamic/paths/locus.h"
#include "cells/dynamic/paths/pathpoints.h"
#include "cells/dynamic/surfaces/surface.h"
#include "cells/dynamic/tracks/track.h"
#include "cells/primitives/arcsbypoints.h"
#include "cells/primitives/cgline.h"
#include "cells/primitives/cgverfreeincircle.h"
#include "cells/primitives/cgverfreeinline.h"
#include "everyclasscells.h"
#include "model/vertexarray.h"

namespace {
// Loci sampled in 32 steps: the numeric intersections of loci cost the
// square of their samples, at every recomputation.
WORD Coarse(CGLocus* locus) {
  locus->Step = 0.4f;
  locus->Recalculate();
  return locus->m_nId;
}

struct Paths {
  WORD line, small, locus, moved, curve, parabola;
};

// Two loci (the circles about (2, 0) of radius 1 and about (1, 1) of
// radius 1.5), a circle of radius 2 as a curve and the parabola y = x² - 1,
// a circle about (1, 0) of radius 1.5 and the line x = 1.5: each pair
// crosses.
Paths Carriers(CellMaker& m) {
  Paths s{};
  // Everything stands on free points and a parameter, so that a tool can
  // record it.
  const WORD circle = m.Add<CGArcCenterP>(m.Free(0, 0, 0), m.Free(2, 0, 0), m.Free(0, 2, 0), BYTE{kArcCircle});
  const WORD p = m.AddPoint<CGVerFreeInCircle>(circle, 0.7f);
  const WORD a = m.Free(4, 0, 0);
  const WORD ap = m.Add<CGLine>(a, p, BYTE{kLineSegment});
  const WORD q = m.AddPoint<CGVerFreeInLine>(ap, 0.5f);
  s.locus = Coarse(m.Cell<CGLocus>(p, q, 0.0f, 6.2831f));
  m.Add<CGTrack>(std::vector<WORD>{p, a, ap}, std::vector<WORD>{1, 0, 1}, 0, 0.0f, 6.2831855f, 0.05235988f, BYTE{2},
                  BYTE{1});
  s.small = m.Add<CGArcCenterP>(m.Free(1, 0, 0), m.Free(2.5f, 0, 0), m.Free(1, 1.5f, 0), BYTE{kArcCircle});
  const WORD p2 = m.AddPoint<CGVerFreeInCircle>(s.small, 0.3f);
  s.moved = Coarse(m.Cell<CGLocus>(p2, m.AddPoint<CGVerTranslateStc>(p2, 0.0f, 1.0f, 0.0f), 0.0f, 6.2831f));
  const WORD two = m.Add<CGTmVarParameter>(QStringLiteral("k"), 2.0f);
  s.curve = m.Add<CGCurve>(std::vector<WORD>{two}, QStringLiteral("No1"), QStringLiteral("t"), QStringLiteral("0"),
                           QStringLiteral("0"), QStringLiteral("6.283185307"), 0.4f, 2, 0, QString());
  s.parabola = m.Add<CGCurve>(std::vector<WORD>{two}, QStringLiteral("t"), QStringLiteral("t*t-No1/2"),
                              QStringLiteral("0"), QStringLiteral("-2"), QStringLiteral("2"), 0.4f, 0, 1,
                              QStringLiteral("t"));
  s.line = m.Add<CGLine>(m.Free(1.5f, -3, 0), m.Free(1.5f, 3, 0), BYTE{kLineFull});
  return s;
}

void OnPaths(CellMaker& m, const Paths& s) {
  const WORD onLocus = m.AddPoint<CGVerFreeInLocus>(s.locus, 2.0f);
  m.AddPoint<CGVerFreeInCurve>(s.curve, 1.0f);
  const WORD onParabola = m.AddPoint<CGVerFreeInCurve>(s.parabola, 0.5f);
  m.AddPoint<CGVerInCurveFixedf>(s.curve, 0.5f);
  m.AddPoint<CGVerInCurveFt>(s.curve, onParabola);
  m.AddPoint<CGVerInLocusFixedf>(s.locus, 1.0f);
  m.AddPoint<CGVerInLocusFt>(s.moved, onLocus);
  m.AddPoint<CGVerIntersectionLG>(BYTE{0}, s.line, s.locus);
  m.AddPoint<CGVerIntersectionLQ>(BYTE{0}, s.line, s.curve);
  m.AddPoint<CGVerIntersectionCQ>(BYTE{0}, s.small, s.curve);
  m.AddPoint<CGVerIntersectionCG>(BYTE{0}, s.small, s.locus);
  m.AddPoint<CGVerIntersectionQQ>(BYTE{0}, s.curve, s.parabola);
  m.AddPoint<CGVerIntersectionGG>(BYTE{0}, s.locus, s.moved);
  m.AddPoint<CGVerIntersectionQG>(BYTE{0}, s.curve, s.locus);
  m.AddPoint<CGVerFreeInBorder>(std::vector<WORD>{s.curve, s.locus}, 1.2f);
  m.AddPoint<CGVerInBorder>(std::vector<WORD>{s.line, s.parabola, s.curve}, BYTE{0}, 1.5f);
}

// A surface over a parameter, and the iteration A -> A, B -> M (halfway
// along AB) at depth 3.
void Repeated(CellMaker& m) {
  const WORD r = m.Add<CGTmVarParameter>(QStringLiteral("r"), 5.0f);
  m.Add<CGSurface>(std::vector<WORD>{r}, QStringLiteral("No1"), QStringLiteral("u"), QStringLiteral("v"),
                    QStringLiteral("0"), QStringLiteral("2*pi"), QStringLiteral("-2"), QStringLiteral("2"), BYTE{0},
                    2, 1, 0, 2, 0.4, 1.0, 1.0, 0.0, 0.0, 0.0, 1.0, 0.0);
  const WORD a = m.Free(-6, -6, 0), b = m.Free(-2, -5, 0);
  const WORD ab = m.Add<CGLine>(a, b, BYTE{kLineSegment});
  const WORD mid = m.AddPoint<CGVerInLineFixedf>(ab, 0.5f);
  m.Add<CGLine>(a, mid, BYTE{kLineSegment});
  std::vector<std::vector<WORD>> arrays{{a, b}, {a, mid}};
  m.Add<CGIterate>(2, 2, 3, arrays);
}
}  // namespace

void BuildPathsPage(CKavrelDoc&) {
  CellMaker m(*g_pCurPage);
  m.page.m_strName = QStringLiteral("paths");
  ReserveVertexArray(200);
  const Paths s = Carriers(m);
  OnPaths(m, s);
  Repeated(m);
  m.page.RebuildVertexArray();
}
