// The five centres of the triangle on three selected points and its two
// angle bisectors, each taking the points in selection order.
#include <functional>

#include "cells/constructed/bisectors.h"
#include "cells/constructed/trianglecentres.h"
#include "cells/primitives/cgline.h"
#include "commands/commandframe.h"
#include "commands/commandtexts.h"
#include "model/cgpage.h"
#include "model/document/commandtable.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"

namespace {
using MakeOfTriangle = std::function<CGCell*(const CNewPoint& n, WORD a, WORD b, WORD c)>;

template <class T>
CGCell* Make(const CNewPoint& n, WORD a, WORD b, WORD c) {
  return new T(n.id, n.slot, n.name, a, b, c);
}

void Centre(CKavrelDoc& doc, const char* label, const MakeOfTriangle& make) {
  const std::vector<WORD> p = SelectedPoints();
  if (p.size() != 3) return;
  BuildOnePoint(doc, label, [&](const CNewPoint& n) { return make(n, p[0], p[1], p[2]); });
}

// The bisector's point D, then the ray from the vertex B through it.
void Bisector(CKavrelDoc& doc, const char* label, const MakeOfTriangle& make) {
  const std::vector<WORD> p = SelectedPoints();
  if (p.size() != 3) return;
  CConstruction build(doc);
  if (!build.MakeRoom(2, 1, CConstruction::kGrowBy100)) return;
  const CNewPoint d = build.NextPoint();
  build.Add(make(d, p[0], p[1], p[2]));
  build.Add(new CGLine(build.NextId(), p[1], d.id, kLineRay));
  build.Commit(QString::fromUtf8(label));
}

const CDocCommandRows rows({
    {ID_CREATE_POINT_TRIANGLE_G, [](CKavrelDoc& doc) { Centre(doc, kCmdNameCentroid, Make<CGVerBarycenter>); },
     OnUpdateThreePoints},
    {ID_CREATE_POINT_TRIANGLE_O, [](CKavrelDoc& doc) { Centre(doc, kCmdNameCircumcentre, Make<CGVerExcenter>); },
     OnUpdateThreePoints},
    {ID_CREATE_POINT_TRIANGLE_I, [](CKavrelDoc& doc) { Centre(doc, kCmdNameIncentre, Make<CGVerIncenter>); },
     OnUpdateThreePoints},
    {ID_CREATE_POINT_TRIANGLE_H, [](CKavrelDoc& doc) { Centre(doc, kCmdNameOrthocentre, Make<CGVerOrthocenter>); },
     OnUpdateThreePoints},
    {ID_CREATE_POINT_TRIANGLE_E, [](CKavrelDoc& doc) { Centre(doc, kCmdNameExcentre, Make<CGVerEscenter>); },
     OnUpdateThreePoints},
    {ID_CREATE_LINE_ANGLE, [](CKavrelDoc& doc) { Bisector(doc, kCmdNameBisector, Make<CGVerBisectorA>); },
     OnUpdateThreePoints},
    {ID_CREATE_LINE_ANGLE_E,
     [](CKavrelDoc& doc) { Bisector(doc, kCmdNameExteriorBisector, Make<CGVerBisectorEA>); }, OnUpdateThreePoints},
});
}  // namespace
