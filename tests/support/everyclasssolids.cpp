// The "solids" page of the every-class document: round solids on points, a
// hull with its net, section and cut, the points on the overlap of two
// faces, bodies, a 3DS model and positioning diagrams.
#include "cells/dynamic/buttons/animationbutton.h"
#include "cells/primitives/cgface.h"
#include "cells/revolution/solidsbypoints.h"
#include "cells/solids/bodies/cgsubassembly.h"
#include "cells/solids/cgpolyhedron.h"
#include "cells/solids/cgsection.h"
#include "cells/solids/convexhull.h"
#include "cells/solids/faceoverlap.h"
#include "cells/solids/model3ds/cgmodel3ds.h"
#include "cells/solids/nets/cgfold.h"
#include "cells/solids/nets/cgsplit.h"
#include "commands/solids/staticdiagrams.h"
#include "everyclasscells.h"
#include "model/vertexarray.h"

namespace {
void RoundSolids(CellMaker& m) {
  m.Add<CGCylinder>(-10.0f, 0.0f, 0.0f, 1.0f, 2.0f, 0.0f, 0.0f, 1.0f);
  m.Add<CGCone>(-10.0f, 4.0f, 0.0f, 3.0f, 4.0f, 0.0f, 0.0f, 1.0f);
  m.Add<CGFrustum>(-10.0f, 8.0f, 0.0f, 2.0f, 3.0f, 0.0f, 0.0f, 1.0f, 0.5f);
  m.Add<CGSphere>(-10.0f, 12.0f, 0.0f, 3.0f, 0.0f, 0.0f, 1.0f);
  const WORD c = m.Free(10, 0, 0), r = m.Free(12, 0, 0), t = m.Free(10, 0, 3), r2 = m.Free(11, 0, 3);
  m.Add<CGSphereCN>(c, t);
  m.Add<CGCylinderCPC>(c, r, t);
  m.Add<CGConeCPV>(c, r, t);
  m.Add<CGFrustumCP2>(c, r, t, r2);
}

// The cube 0..2 as a hull, its net and cut with their buttons, and its
// section by the plane z = 1.
void Hull(CellMaker& m) {
  const double cube[] = {0, 0, 0, 2, 0, 0, 2, 2, 0, 0, 2, 0, 0, 0, 2, 2, 0, 2, 2, 2, 2, 0, 2, 2};
  auto* hull = new CGPolyhedron;
  BuildConvexHull(cube, 8, *hull);
  hull->m_nId = m.page.m_nNextId++;
  m.page.m_cells.SetAt(hull->m_nId, hull);
  const WORD net = m.Add<CGFold>(hull->m_nId, QStringLiteral("net"), 2, 1);
  m.Add<CGButnAnimation>(QStringLiteral("fold"), net, 1.0f, 3.0f, std::int32_t{2}, BOOL{0}, 0.03f, 1.0f);
  const WORD p = m.Free(-1, -1, 1), q = m.Free(4, -1, 1), s = m.Free(-1, 4, 1);
  m.Add<CGSection>(hull->m_nId, m.Add<CGFace>(p, q, s, COLORREF{0x00336699}));
  const WORD cut = m.Add<CGSplit>(hull->m_nId, 3, 0, 2.0);
  m.Add<CGButnAnimation>(QStringLiteral("cut"), cut, 0.0f, 3.0f, std::int32_t{0}, BOOL{0}, 0.03f, 0.0f);
}

// Two squares overlapping in the unit square (5..6, 5..6).
void Overlap(CellMaker& m) {
  const auto square = [&m](float x, float y) {
    const std::vector<WORD> corners{m.Free(x, y, 0), m.Free(x + 2, y, 0), m.Free(x + 2, y + 2, 0),
                                    m.Free(x, y + 2, 0)};
    return m.Add<CGFace>(corners, COLORREF{0x00808080});
  };
  const WORD a = square(4, 4), b = square(5, 5);
  m.AddPoint<CGVerFIF>(m.AddPoint<CGVerOverlayFaceFirst>(a, b), 2);
}

void Bodies(CellMaker& m, const QString& model) {
  m.Add<CGSubassembly>(BYTE{2}, BYTE{0}, 0, 0, 0, -10.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f, 30.0f, 2.0f, 2.0f, 2.0f, 3,
                        0.0, 0.0, 1.0, 0.5, 0.0, -1.0, 0.0, 0.0);
  auto* text = m.Cell<CGSubassembly>(BYTE{0}, BYTE{1}, 0, 0, 0, -20.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 1.0f, 1.0f,
                                     1.0f, 0, 0.0, 0.0, 1.0, 0.0, 0.0, -1.0, 0.0, 0.0);
  text->m_strName = QStringLiteral("Kavrel");
  auto* shown = m.Cell<CGModel3ds>(model, BYTE{CGModel3ds::kLit});
  shown->m_fValue = 0.5f;
}

// A small ready-made positioning diagram.
void Diagram(CKavrelDoc& doc) {
  CreateStaticKavrel(doc, [](CStaticShapeValues& values) {
    values.kind = 10;
    values.centre[0] = -20.0f;
    return true;
  });
}
}  // namespace

void BuildSolidsPage(CKavrelDoc& doc, const QString& model) {
  CellMaker m(*g_pCurPage);
  m.page.m_strName = QStringLiteral("solids");
  ReserveVertexArray(200);
  RoundSolids(m);
  Hull(m);
  Overlap(m);
  Bodies(m, model);
  Diagram(doc);
  m.page.RebuildVertexArray();
}
