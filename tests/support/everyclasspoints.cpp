// The "points" page of the every-class document: primitives, the points
// bound to them, constrained points and every constructed point.
#include "cells/constrained/dependentpoints.h"
#include "cells/constrained/follower.h"
#include "cells/constrained/linepoints.h"
#include "cells/constrained/turningpoints.h"
#include "cells/constructed/bisectors.h"
#include "cells/constructed/circleplane.h"
#include "cells/constructed/circlepoints.h"
#include "cells/constructed/commonperpen.h"
#include "cells/constructed/extendedfeet.h"
#include "cells/constructed/follower2d.h"
#include "cells/constructed/horizontalcircles.h"
#include "cells/constructed/intersections.h"
#include "cells/constructed/mirrors.h"
#include "cells/constructed/paths/carriers.h"
#include "cells/constructed/paths/combinedpaths.h"
#include "cells/constructed/paths/compoundpaths.h"
#include "cells/constructed/rotations.h"
#include "cells/constructed/scalings.h"
#include "cells/constructed/translations.h"
#include "cells/constructed/trianglecentres.h"
#include "cells/dynamic/parameters/userparameter.h"
#include "cells/dynamic/vectors/vectorvalues.h"
#include "cells/primitives/arcsbypoints.h"
#include "cells/primitives/cgarc.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgline.h"
#include "cells/primitives/cgverfreeincircle.h"
#include "cells/primitives/cgverfreeinface.h"
#include "cells/primitives/cgverfreeinline.h"
#include "cells/primitives/perpendicularfeet.h"
#include "everyclasscells.h"
#include "model/cgvertex.h"
#include "model/vertexarray.h"

void CellMaker::Select(std::initializer_list<WORD> ids) {
  page.ClearSelection();
  for (WORD id : ids) page.SelectCell(id);
}

namespace {
struct Ground {
  WORD a, b, c, d, e, ab, cd, fg, de, abc, abd, circle, wide, onLine, onCircle, k;
};

// Free points, lines, faces, circles and the points bound to them.
Ground Primitives(CellMaker& m) {
  Ground g{};
  g.a = m.Free(0, 0, 0), g.b = m.Free(4, 0, 0), g.c = m.Free(0, 4, 0), g.d = m.Free(0, 0, 4);
  g.e = m.Free(1, 1, 2);
  const WORD f = m.Free(2, -2, 0), h = m.Free(2, 2, 0);
  m.AddPoint<CGVertex>(3.0f, 3.0f, 3.0f);
  m.AddPoint<CGVerFree>(-1.0f, 2.0f, 1.0f);
  g.ab = m.Add<CGLine>(g.a, g.b, BYTE{kLineSegment});
  m.Add<CGLine>(g.a, g.c, BYTE{kLineFull});
  m.Add<CGLine>(g.b, g.d, BYTE{kLineRay});
  g.cd = m.Add<CGLine>(g.c, g.d, BYTE{kLineSegment});
  g.fg = m.Add<CGLine>(f, h, BYTE{kLineFull});
  g.de = m.Add<CGLine>(g.d, g.e, BYTE{kLineFull});
  m.Add<CGLine>(g.e, g.c, BYTE{kLineVector});
  g.abc = m.Add<CGFace>(g.a, g.b, g.c, COLORREF{0x00336699});
  g.abd = m.Add<CGFace>(std::vector<WORD>{g.a, g.b, g.d}, COLORREF{0x00996633});
  m.Add<CGArc>(1.0f, 1.0f, 1.0f, 2.0f, 0.0f, 0.0f, 0.0f, 2.0f, 0.0f, 0.0f, kArcFullTurn, BYTE{kArcArc});
  g.circle = m.Add<CGArcCircle3P>(g.a, g.b, g.c, BYTE{kArcCircle});
  g.wide = m.Add<CGArcCenterP>(g.a, g.b, g.c, BYTE{kArcCircle});  // about A through B and C
  m.Add<CGArcCenterP>(g.a, g.b, g.c, BYTE{kArcSector});
  m.Add<CGArcPointN>(g.a, g.b, g.d, BYTE{kArcDisc}, 1);
  g.onLine = m.AddPoint<CGVerFreeInLine>(g.ab, 0.25f);
  g.onCircle = m.AddPoint<CGVerFreeInCircle>(g.circle, 1.0f);
  m.AddPoint<CGVerFreeInFace>(g.abc, 0.2f, 0.3f);
  m.AddPoint<CGVerFreeInPlane>(g.a, g.b, g.d, 0.5f, 0.25f);
  g.k = m.Add<CGTmVarParameter>(QStringLiteral("k"), 0.75f);
  return g;
}

// Feet, constrained points and intersections.
void Constrained(CellMaker& m, const Ground& g) {
  m.AddPoint<CGVerFootpl>(g.e, g.a, g.b);
  m.AddPoint<CGVerFootpf>(g.e, g.a, g.b, g.c);
  m.AddPoint<CGVerFootplEx>(g.e, g.a, g.b);
  m.AddPoint<CGVerFootpfEx>(g.e, g.a, g.b, g.c);
  m.AddPoint<CGVerMid>(g.ab);
  m.AddPoint<CGVerPerpenEquid>(g.a, g.b, g.c);
  m.AddPoint<CGVerFreeParVector>(1.0f, 1.0f, 0.0f, g.a);
  m.AddPoint<CGVerFreeParVecPP>(g.a, g.b, g.c);
  m.AddPoint<CGVerFreePerpen>(g.a, g.b, g.c);
  m.AddPoint<CGVerFreeUpright>(g.a, g.b);
  m.AddPoint<CGVerFreeUprightEquid>(g.a, g.b);
  m.AddPoint<CGVerFreeEquilateral>(g.a, g.b);
  m.AddPoint<CGVerFreeHenchman>(1.0f, -1.0f, 0.5f, g.a);
  m.AddPoint<CGVerFree2dHenchman>(3.0f, 3.0f, g.b);
  m.AddPoint<CGVerCommonperpen>(g.ab, g.cd);
  m.AddPoint<CGVerIntersectionCF>(BYTE{0}, g.circle, g.abd);
  m.AddPoint<CGVerIntersection>(g.ab, g.fg);
  m.AddPoint<CGVerIntersectionLF>(g.de, g.abc);
  m.AddPoint<CGVerIntersectionLS>(BYTE{0}, g.fg, g.circle);
  m.AddPoint<CGVerIntersectionSS>(BYTE{1}, g.circle, g.wide);
  m.AddPoint<CGVerBisectorA>(g.a, g.b, g.c);
  m.AddPoint<CGVerBisectorEA>(g.a, g.b, g.c);
  m.AddPoint<CGVerBarycenter>(g.a, g.b, g.d);
  m.AddPoint<CGVerExcenter>(g.a, g.b, g.d);
  m.AddPoint<CGVerIncenter>(g.a, g.b, g.d);
  m.AddPoint<CGVerOrthocenter>(g.a, g.b, g.e);
  m.AddPoint<CGVerEscenter>(g.a, g.b, g.d);
}

// Rotations, translations, reflections, scalings and the circles about a
// centre in its horizontal plane.
WORD Transformed(CellMaker& m, const Ground& g) {
  m.AddPoint<CGVerRotate>(g.e, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f, 0.0f, 0.5f);
  m.AddPoint<CGVerRotateXA>(g.e, g.ab, g.a, g.b, g.c, BYTE{0});
  m.AddPoint<CGVerRotateXA2>(g.e, g.ab, g.k, BYTE{0});
  m.AddPoint<CGVerRotateX>(g.e, g.a, 0.5f, BYTE{1});
  m.AddPoint<CGVerRotateA>(g.e, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f, 0.0f, g.a, g.b, g.c);
  m.AddPoint<CGVerRotateA2>(g.e, 0.0f, 1.0f, 0.0f, 1.0f, 0.0f, 0.0f, g.k);
  m.AddPoint<CGVerTranslate>(g.e, g.a, g.b);
  m.AddPoint<CGVerTranslateM>(g.e, m.Add<CGTmVectorPP>(g.a, g.b));
  m.AddPoint<CGVerTranslateStc>(g.e, 1.0f, 2.0f, 3.0f);
  m.AddPoint<CGVerSymmetry>(g.e, BYTE{1});
  m.AddPoint<CGVerSymmetryP>(g.e, g.a);
  m.AddPoint<CGVerSymmetryL>(g.e, g.ab);
  m.AddPoint<CGVerSymmetryF>(g.e, g.abc);
  m.AddPoint<CGVerScaleP>(g.e, g.a, g.b, g.c, g.d);
  m.AddPoint<CGVerScaleL>(g.e, g.a, g.ab, g.cd);
  const WORD scaled = m.AddPoint<CGVerScaleM>(g.e, g.a, g.k);
  m.AddPoint<CGVerScale>(g.e, g.a, 1.5f);
  m.AddPoint<CGVerScaleO>(g.e, 2.0f);
  m.Add<CGArcPoint2>(g.a, g.e, BYTE{kArcCircle});
  m.Add<CGArcCenterR>(g.e, g.k, BYTE{kArcDisc});
  return scaled;
}

// Points carried by a line or a circle, and on paths of several pieces.
void Carried(CellMaker& m, const Ground& g) {
  m.AddPoint<CGVerInCircleRot>(g.onCircle, g.circle, 0.5f);
  m.AddPoint<CGVerInCircleFt>(g.wide, g.onCircle);
  m.AddPoint<CGVerInLineFixedf>(g.ab, 0.75f);
  m.AddPoint<CGVerInLineFt>(g.fg, g.onLine);
  const WORD later = m.AddPoint<CGVerInCircleFixedf>(g.circle, 2.5f);
  m.AddPoint<CGVerInCircleScale>(g.circle, g.a, g.b, 0.5f);
  m.Add<CGArcInCircle>(g.onCircle, later, g.circle);
  const WORD border = m.AddPoint<CGVerFreeInBorder>(std::vector<WORD>{g.a, g.b, g.c}, 0.5f);
  m.AddPoint<CGVerInBorderFt>(std::vector<WORD>{g.a, g.b, g.d}, border);
  m.Select({g.ab, g.circle});
  m.AddPoint<CGVerFreeInPaths>();
  m.page.ClearSelection();
  m.AddPoint<CGVerInPaths>(std::vector<WORD>{g.ab, g.circle}, BYTE{0}, 0.3f);
}
}  // namespace

std::vector<WORD> BuildPointsPage(CKavrelDoc&) {
  CellMaker m(*g_pCurPage);
  m.page.m_strName = QStringLiteral("points");
  ReserveVertexArray(200);
  const Ground g = Primitives(m);
  Constrained(m, g);
  const WORD scaled = Transformed(m, g);
  Carried(m, g);
  m.page.RebuildVertexArray();
  return {g.a, g.b, g.c, g.e, g.k, g.ab, g.abc, g.circle, scaled};
}
