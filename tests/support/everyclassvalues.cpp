// The "values" page of the every-class document: measured values, vectors,
// parameters and calculations, texts, pictures, colour modifiers, the axis
// scale and buttons of every kind.
#include <QSize>
#include <QTextDocument>

#include "cells/constructed/coordinatespoint.h"
#include "cells/dynamic/buttons/animationbutton.h"
#include "cells/dynamic/buttons/commandbutton.h"
#include "cells/dynamic/buttons/linkbutton.h"
#include "cells/dynamic/buttons/movebutton.h"
#include "cells/dynamic/buttons/showhidebutton.h"
#include "cells/dynamic/buttons/viewbuttons.h"
#include "cells/dynamic/graphing/colormodifier.h"
#include "cells/dynamic/measures/geometricmeasures.h"
#include "cells/dynamic/measures/pointreadings.h"
#include "cells/dynamic/measures/roundmeasures.h"
#include "cells/dynamic/parameters/usercalculation.h"
#include "cells/dynamic/parameters/userparameter.h"
#include "cells/dynamic/vectors/attachedvalue.h"
#include "cells/dynamic/vectors/vectormeasures.h"
#include "cells/dynamic/vectors/vectorvalues.h"
#include "cells/primitives/arcsbypoints.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgline.h"
#include "cells/primitives/cgverfreeinline.h"
#include "cells/revolution/solidsbypoints.h"
#include "cells/texts/cgtbvodtext.h"
#include "cells/texts/cgtextbit.h"
#include "cells/texts/cgtextmap.h"
#include "cells/texts/inkmarks.h"
#include "commands/graphing/axes2dcommand.h"
#include "commands/textcommands.h"
#include "everyclasscells.h"
#include "model/cgbutton.h"
#include "model/vertexarray.h"
#include "platform/commandids.h"
#include "richtext/richtextrender.h"
#include "richtext/rteditdata.h"

namespace {
struct Ground {
  WORD a, b, c, d, ab, cd, abc, abd, arc, cylinder, cone, frustum, sphere, onLine, t;
};

// A cell as the loader makes it by name (the classes below are bases, or
// made by no constructor), given an id and a place.
template <class T>
T* Plain(CellMaker& m, float x, float y) {
  auto* cell = new T;
  cell->m_nId = m.page.m_nNextId++;
  cell->m_vLabelAnchor[0] = x;
  cell->m_vLabelAnchor[1] = y;
  m.page.m_cells.SetAt(cell->m_nId, cell);
  return cell;
}

Ground Measured(CellMaker& m) {
  Ground g{};
  g.a = m.Free(0, 0, 0), g.b = m.Free(3, 4, 0), g.c = m.Free(0, 4, 0), g.d = m.Free(0, 0, 4);
  g.ab = m.Add<CGLine>(g.a, g.b, BYTE{kLineSegment});
  g.cd = m.Add<CGLine>(g.c, g.d, BYTE{kLineFull});
  g.abc = m.Add<CGFace>(g.a, g.b, g.c, COLORREF{0x00336699});
  g.abd = m.Add<CGFace>(g.a, g.b, g.d, COLORREF{0x00336699});
  // The round cells stand on points, so that a tool can record them.
  g.arc = m.Add<CGArcCenterP>(m.Free(1, 1, 1), m.Free(3, 1, 1), m.Free(1, 3, 1), BYTE{kArcSegment});
  const WORD o = m.Free(0, 0, 0), rim = m.Free(1, 0, 0), top = m.Free(0, 0, 2), apex = m.Free(0, 0, 4);
  g.cylinder = m.Add<CGCylinderCPC>(o, rim, top);
  g.cone = m.Add<CGConeCPV>(o, m.Free(3, 0, 0), apex);
  g.frustum = m.Add<CGFrustumCP2>(o, m.Free(2, 0, 0), m.Free(0, 0, 3), m.Free(1, 0, 3));
  g.sphere = m.Add<CGSphereCN>(o, m.Free(0, 0, 3));
  g.onLine = m.AddPoint<CGVerFreeInLine>(g.ab, 0.25f);
  m.Add<CGTmVarDistancePP>(g.a, g.b);
  m.Add<CGTmVarCoordX>(g.b), m.Add<CGTmVarCoordY>(g.b), m.Add<CGTmVarCoordZ>(g.d);
  m.Add<CGTmVarPara>(g.onLine), m.Add<CGTmVarParaPInL>(g.c, g.ab), m.Add<CGTmVarParaPInY>(g.d, g.arc);
  m.Add<CGTmVarDistancePL>(g.c, g.ab), m.Add<CGTmVarDistancePF>(g.d, g.abc), m.Add<CGTmVarDistanceLL>(g.ab, g.cd);
  m.Add<CGTmVarAngleLL>(g.ab, g.cd), m.Add<CGTmVarAngleLF>(g.cd, g.abc), m.Add<CGTmVarAngleFF>(g.abc, g.abd);
  m.Add<CGTmVarAngleP3>(g.a, g.b, g.c), m.Add<CGTmVarArea>(g.abc), m.Add<CGTmVarVolume>(g.a, g.b, g.c, g.d);
  m.Add<CGTmVarRadius>(g.arc), m.Add<CGTmVarAreaCircle>(g.arc), m.Add<CGTmVarLenArc>(g.arc);
  m.Add<CGTmVarAreaCylinder>(g.cylinder), m.Add<CGTmVarAreaCone>(g.cone);
  m.Add<CGTmVarAreaFrustum>(g.frustum), m.Add<CGTmVarAreaSphere>(g.sphere);
  m.Add<CGTmVarVolumeCylinder>(g.cylinder), m.Add<CGTmVarVolumeCone>(g.cone);
  m.Add<CGTmVarVolumeFrustum>(g.frustum), m.Add<CGTmVarVolumeSphere>(g.sphere);
  return g;
}

// Vectors, parameters, calculations and the values only derived from.
void Computed(CellMaker& m, Ground& g) {
  const WORD ab = m.Add<CGTmVectorPP>(g.a, g.b), ac = m.Add<CGTmVectorPP>(g.a, g.c);
  const WORD sum = m.Add<CGTmVectorAdd>(ab, ac);
  m.Add<CGTmVectorMinus>(ab, ac);
  m.Add<CGTmVectorCross>(ab, ac);
  m.Add<CGTmVectorNface>(g.a, g.b, g.c);
  m.Add<CGTmVectorPoint>(g.b);
  const WORD length = m.Add<CGTmVarVectorLength>(sum);
  m.Add<CGTmVectorScaled>(length, ab);
  m.Add<CGTmVarVectorDot>(ab, ac);
  m.Add<CGTmVarVecProduct>(ab, ac, sum);
  m.Add<CGTmVarVectorComponentX>(sum), m.Add<CGTmVarVectorComponentY>(sum), m.Add<CGTmVarVectorComponentZ>(sum);
  m.Add<CGTmVarAfterP>(length, g.b);
  auto* t = m.Cell<CGTmVarParameter>(QStringLiteral("t"), 2.0f);
  t->SetRange(0, 10);
  g.t = t->m_nId;
  m.Add<CGTmVarCalculator>(std::vector<WORD>{g.t, length}, QStringLiteral("No1*No2+1"), QString());
  m.AddPoint<CGVerCoordinates>(std::vector<WORD>{g.t}, 1, 0, 0, 0.0f, 1.5f, -1.0f);
  Plain<CGTextmap>(m, -8, 6)->m_strName = QStringLiteral("text");
  Plain<CGTmSingleline>(m, -8, 5)->m_strName = QStringLiteral("caption");
  Plain<CGTmVariable>(m, -8, 4)->m_fValue = 1.25f;
  Plain<CGTmVector>(m, -8, 3);
  Plain<CGCell>(m, -8, 2);
}

// Formula and rich texts, pictures and ink.
void Texts(CellMaker& m, const Ground& g) {
  const QString formula = QStringLiteral("<#><l><e>A+B</e></l></#>");
  m.Add<CGTbVodText>(formula, DWORD{0xFFFFFF}, DWORD{1});
  m.Add<CGTbMhc>(formula, DWORD{0xFFFFFF}, g.c);
  QTextDocument text;
  text.setPlainText(QString::fromUtf8("勾股定理 a\u00B2 + b\u00B2 = c\u00B2"));
  for (WORD point : {WORD{0}, g.d}) {
    CDlgRtEdit rich;
    TakeRichText(text, QSize(160, 30), true, rich);
    auto* cell = NewRichTextCell(m.page.m_nNextId++, rich, point);
    m.page.m_cells.SetAt(cell->m_nId, cell);
  }
  std::vector<BYTE> rgb(8 * 4 * 3);
  for (size_t i = 0; i < rgb.size(); ++i) rgb[i] = static_cast<BYTE>(i * 7);
  m.Add<CGTbImage>(DWORD{8}, DWORD{4}, std::move(rgb));
  const float low[] = {0, 0, 0, 2, 1, 0}, high[] = {1, 3, 0, 2, 4, 0, 3, 3, 0};
  auto* ink = m.Cell<CGInkmarks>(std::make_unique<CStroke>(2, low));
  ink->AddStroke(std::make_unique<CStroke>(3, high));
}

// The colour modifiers: the base alone, one colouring a face by a value,
// one of three values with nothing to colour yet.
void Modifiers(CellMaker& m, const Ground& g) {
  Plain<CGModifier>(m, 0, 0);
  m.Select({g.t, g.abc, g.ab});
  m.Add<CGMdfColor>(BYTE{kModifierHue}, 0.0f, 10.0f, 0);
  const WORD x = m.Add<CGTmVarCoordX>(g.b), y = m.Add<CGTmVarCoordY>(g.b);
  m.Select({g.t, x, y});
  m.Add<CGMdfColor>(BYTE{kModifierRgb}, -5.0f, 5.0f, 1);
  m.page.ClearSelection();
}

void Buttons(CellMaker& m, CKavrelDoc& doc, const Ground& g) {
  Plain<CGButton>(m, 0, 0);
  const WORD animation =
      m.Add<CGButnAnimation>(QStringLiteral("go"), g.onLine, 0.0f, 1.0f, std::int32_t{0}, BOOL{1}, 0.05f, 0.5f);
  m.Add<CGButnRotate>(QStringLiteral("r"), 0.5f, 0.5f, 0.5f, 0.5f, 0.0f, 0.0f, 1.0f, -90.0f,
                                         BOOL{0}, BOOL{0}, 4.0f, 0.0f);
  m.Add<CGButnTranslate>(QStringLiteral("t"), 1.0f, 2.0f, 3.0f, 4.0f, 5.0f, 6.0f, BOOL{1}, BOOL{0}, 6.0f, 1.0f);
  m.Add<CGButnScale>(QStringLiteral("s"), 0.5f, 2.0f, BOOL{0}, BOOL{1}, 3.0f, 0.0f);
  m.Add<CGButnCommand>(QStringLiteral("c"), std::vector<std::int32_t>{ID_VIEW_PAGEDOWN}, std::int32_t{3});
  m.Add<CGButnLink>(QStringLiteral("first"), BYTE{CGButnLink::kPageLink}, WORD{1}, QString());
  m.Add<CGButnLink>(QStringLiteral("web"), BYTE{CGButnLink::kShellLink}, WORD{0}, QStringLiteral("https://example.org"));
  m.Select({g.abd, g.cd});
  m.Add<CGButnSHide>();
  m.page.ClearSelection();
  const WORD mover = m.Free(1, 1, 1), target = m.Free(2, 3, 1);
  const WORD move = m.Add<CGButnMove>(QStringLiteral("m"), mover, target, 0.5f, BYTE{0});
  m.page.m_selButtons = {animation, move};
  m.Add<CGButnPresentat>(QStringLiteral("series"), BOOL{1}, 0.5f);
  m.page.m_selButtons.clear();
  m.Select({m.Free(-12, -12, 0)});
  OnCreateBase2d(doc);  // the axes about that point and their scale
  m.page.ClearSelection();
}
}  // namespace

void BuildValuesPage(CKavrelDoc& doc) {
  CellMaker m(*g_pCurPage);
  m.page.m_strName = QStringLiteral("values");
  ReserveVertexArray(200);
  Ground g = Measured(m);
  Computed(m, g);
  Texts(m, g);
  Modifiers(m, g);
  Buttons(m, doc, g);
  m.page.RebuildVertexArray();
}
