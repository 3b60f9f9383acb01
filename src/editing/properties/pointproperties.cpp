#include "editing/properties/pointproperties.h"

#include <memory>
#include <string_view>

#include "cells/constrained/turningpoints.h"
#include "cells/constructed/circlepoints.h"
#include "cells/constructed/paths/carriers.h"
#include "cells/constructed/rotations.h"
#include "cells/constructed/scalings.h"
#include "cells/constructed/translations.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgverfreeinface.h"
#include "editing/dialogs/inputdialogs.h"
#include "editing/dialogs/properties/propertydialogtexts.h"
#include "editing/properties/primitivewriteback.h"
#include "editing/properties/propertyrows.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/kindtests.h"
#include "model/undo/cmdedits.h"
#include "model/undo/cmdtexts.h"
#include "platform/dialogprovider.h"
#include "platform/notifier.h"

namespace {
using namespace primitive_rows;

// The angle field of the two rotated-point classes.
float* RotationAngle(CGVertex& point) {
  if (auto* p = dynamic_cast<CGVerRotateX*>(&point)) return &p->Angle;
  if (auto* p = dynamic_cast<CGVerRotate*>(&point)) return &p->Angle;
  if (auto* p = dynamic_cast<CGVerInCircleRot*>(&point)) return &p->Angle;
  return nullptr;
}

float* Ratio(CGVertex& point) {
  if (auto* p = dynamic_cast<CGVerScale*>(&point)) return &p->Ratio;
  if (auto* p = dynamic_cast<CGVerScaleO*>(&point)) return &p->Ratio;
  if (auto* p = dynamic_cast<CGVerInCircleScale*>(&point)) return &p->Ratio;
  return nullptr;
}

// A point in a face takes a fan triangle that exists in its face and
// weights that keep it inside; the triangle number is checked as typed,
// before it is made a whole number, so no typed value is out of int range.
bool TakeFacePlacement(CGVerFreeInFace& point, const CDlgPropertyPoint& answer) {
  const auto* face = point.DefinedParentAs<CGFace>(0);
  if (!face) return false;
  const float corner = answer.m_fValue1;
  if (!(corner >= 1 && corner < face->CornerCount - 1)) return false;
  if (answer.m_fValue2 < 0 || answer.m_fValue3 < 0 || answer.m_fValue2 + answer.m_fValue3 > 1.0f) return false;
  point.Corner = static_cast<int>(corner);
  point.Weight0 = answer.m_fValue2;
  point.WeightK = answer.m_fValue3;
  return true;
}

// One point class: which values its dialog shows, and how they go back
// when neither its coordinates nor its parameter are edited.
struct PointKind {
  bool (*is)(const CGVertex& point);
  const char* caption;  // null: the dialog's default
  int valueMode;
  bool parameterEdit;  // value 1 is the point's parameter
  bool byPlacement;    // re-placed with ApplyParameter, else placed at the edit's end
  void (*fill)(CGVertex& point, CDlgPropertyPoint& data);
  void (*store)(CGVertex& point, const CDlgPropertyPoint& answer);
};

bool IsFree(const CGVertex& p) { return IsKindOfClassName(&p, "CGVerFree"); }
bool Is(const CGVertex& p, std::initializer_list<std::string_view> classes) { return IsKindOfAnyClassName(&p, classes); }
void Shows(CDlgPropertyPoint& data, float v1, float v2, float v3 = 0) {
  data.m_fValue1 = v1;
  data.m_fValue2 = v2;
  data.m_fValue3 = v3;
}
void Apply(CGVertex& p, const CDlgPropertyPoint&) { p.ApplyParameter(); }
// The edit's end computes the point from what it stores.
void Store(CGVertex&, const CDlgPropertyPoint&) {}
void NoValues(CGVertex&, CDlgPropertyPoint&) {}

// In the order the classes are tested; each test takes subclasses too.
const PointKind kPointKinds[] = {
    {[](const CGVertex& p) {
       return IsFree(p) && Is(p, {"CGVerFreeXyz", "CGVerFree2dHenchman", "CGVerFreeHenchman"});
     },
     nullptr, 0, false, true, NoValues, Apply},
    {[](const CGVertex& p) { return IsFree(p) && Is(p, {"CGVerFreeUpright"}); }, kTextPolarCaption, 2, false, true,
     [](CGVertex& p, CDlgPropertyPoint& d) {
       const auto& u = static_cast<CGVerFreeUpright&>(p);
       Shows(d, u.Radius(), u.Angle());
     },
     [](CGVertex& p, const CDlgPropertyPoint& a) {
       auto& u = static_cast<CGVerFreeUpright&>(p);
       u.SetRadius(a.m_fValue1);
       u.SetAngle(a.m_fValue2);
       u.ApplyParameter();
     }},
    {[](const CGVertex& p) { return IsFree(p) && Is(p, {"CGVerFreeInFace"}); }, kTextPlacementCaption, 3, false, true,
     [](CGVertex& p, CDlgPropertyPoint& d) {
       const auto& f = static_cast<CGVerFreeInFace&>(p);
       Shows(d, static_cast<float>(f.Corner), f.Weight0, f.WeightK);
     },
     [](CGVertex& p, const CDlgPropertyPoint& a) {
       TakeFacePlacement(static_cast<CGVerFreeInFace&>(p), a);
       p.ApplyParameter();
     }},
    {[](const CGVertex& p) { return IsFree(p) && Is(p, {"CGVerFreeInPlane"}); }, kTextPlacementCaption, 2, false, true,
     [](CGVertex& p, CDlgPropertyPoint& d) {
       const auto& f = static_cast<CGVerFreeInPlane&>(p);
       Shows(d, f.WeightA, f.WeightB);
     },
     [](CGVertex& p, const CDlgPropertyPoint& a) {
       auto& f = static_cast<CGVerFreeInPlane&>(p);
       f.WeightA = a.m_fValue1;
       f.WeightB = a.m_fValue2;
       f.ApplyParameter();
     }},
    // The points bound to a path by their parameter.
    {IsFree, nullptr, 1, true, true, NoValues, Apply},
    {[](const CGVertex& p) { return Is(p, {"CGVerTranslateStc"}); }, kTextTranslationCaption, 3, false, false,
     [](CGVertex& p, CDlgPropertyPoint& d) {
       const auto& t = static_cast<CGVerTranslateStc&>(p);
       Shows(d, t.Vector[0], t.Vector[1], t.Vector[2]);
     },
     [](CGVertex& p, const CDlgPropertyPoint& a) {
       auto& t = static_cast<CGVerTranslateStc&>(p);
       t.Vector[0] = a.m_fValue1;
       t.Vector[1] = a.m_fValue2;
       t.Vector[2] = a.m_fValue3;
     }},
    {[](const CGVertex& p) { return Is(p, {"CGVerRotateX", "CGVerRotate"}); }, kTextRotationCaption, 1, false, false,
     [](CGVertex& p, CDlgPropertyPoint& d) { d.m_fValue1 = Degrees(*RotationAngle(p)); },
     [](CGVertex& p, const CDlgPropertyPoint& a) { *RotationAngle(p) = Radians(a.m_fValue1); }},
    {[](const CGVertex& p) { return Is(p, {"CGVerScale", "CGVerScaleO"}); }, kTextRatioCaption, 1, false, false,
     [](CGVertex& p, CDlgPropertyPoint& d) { d.m_fValue1 = *Ratio(p); },
     [](CGVertex& p, const CDlgPropertyPoint& a) { *Ratio(p) = a.m_fValue1; }},
    {[](const CGVertex& p) { return Is(p, {"CGVerInCircleRot"}); }, kTextCircleRotationCaption, 1, false, false,
     [](CGVertex& p, CDlgPropertyPoint& d) { d.m_fValue1 = Degrees(*RotationAngle(p)); },
     [](CGVertex& p, const CDlgPropertyPoint& a) { *RotationAngle(p) = Radians(a.m_fValue1); }},
    {[](const CGVertex& p) { return Is(p, {"CGVerInCircleScale"}); }, kTextDivisionCaption, 1, false, false,
     [](CGVertex& p, CDlgPropertyPoint& d) { d.m_fValue1 = *Ratio(p); },
     [](CGVertex& p, const CDlgPropertyPoint& a) {
       *Ratio(p) = a.m_fValue1;
       // The ratio is not stored: the typed one places the stored angle now,
       // and the ratio is found again from it, as a reopen finds it.
       p.Recalculate();
       static_cast<CGVerInCircleScale&>(p).TakeRatioFromPlace();
     }},
    {[](const CGVertex& p) {
       return Is(p, {"CGVerInLineFixedf", "CGVerInCircleFixedf", "CGVerInCurveFixedf", "CGVerInLocusFixedf"}) ||
              (Is(p, {"CGVerInPaths", "CGVerInBorder"}) && p.m_nSubKind == 0);
     },
     kTextFixedParameterCaption, 1, true, false, NoValues, Store},
    {[](const CGVertex&) { return true; }, nullptr, 0, false, false, NoValues, Store},
};

const PointKind& KindOf(const CGVertex& point) {
  for (const PointKind& kind : kPointKinds)
    if (kind.is(point)) return kind;
  return std::end(kPointKinds)[-1];
}

int CoordinateMode(const CGVertex& point) {
  if (point.m_parents.empty() || IsKindOfClassName(&point, "CGVerFreeHenchman")) return 1;
  return IsKindOfClassName(&point, "CGVerFree2dHenchman") ? 2 : 0;
}

void SubmitPointEdit(CGPage& page, const CGVertex& point, const char* name) {
  page.m_undo.Submit(std::make_unique<CCmdModifiPoint>(point.m_nId, QString::fromUtf8(name)));
}

// Coordinates typed for a point placed by them (all three in mode 1, x and
// y in mode 2); an edit that changes them is one undo step.
void TakeCoordinates(CGPage& page, CGVertex& point, int mode, const CDlgPropertyPoint& answer) {
  const float typed[3] = {answer.m_x, answer.m_y, answer.m_z};
  if (typed[0] != point.m_vPos[0] || typed[1] != point.m_vPos[1] || typed[2] != point.m_vPos[2])
    SubmitPointEdit(page, point, kCmdNameModifyCoordinates);
  point.m_vPos[0] = typed[0];
  point.m_vPos[1] = typed[1];
  if (mode == 1) point.m_vPos[2] = typed[2];
  point.ApplyParameter();
}

void TakeParameter(CGPage& page, CGVertex& point, const PointKind& kind, float value) {
  if (point.m_fValue != value) SubmitPointEdit(page, point, kCmdNameModifyPoint);
  point.m_fValue = value;
  if (kind.byPlacement) point.ApplyParameter();
}

bool EditPointProperties(CKavrelDoc&, CGCell& cell) {
  CGPage* page = g_pCurPage;
  auto* point = dynamic_cast<CGVertex*>(&cell);
  if (!page || !point) return false;
  CDlgPropertyPoint data = PointPropertiesOf(*point);
  if (DialogProvider().DoModal(data) != IDOK) return true;
  // An angle too large for float radians changes nothing.
  if (const QString refused = data.m_bValue1Degrees ? RefusedDegrees(data.m_fValue1) : QString(); !refused.isEmpty())
    KvMessageBox(refused);
  else
    ApplyPointProperties(*page, *point, data);
  return true;
}

const CPropertyRows rows({
    {PropertyList::Points, 10, "CGVertex", EditPointProperties},
});
}  // namespace

CDlgPropertyPoint PointPropertiesOf(CGVertex& point) {
  CDlgPropertyPoint data;
  data.m_strDescription = point.GetDescription();
  data.m_strLabel = point.m_strName;
  data.m_bHideObject = point.m_bHidden;
  data.m_bHideLabel = point.m_bLabelHidden;
  data.m_x = point.m_vPos[0];
  data.m_y = point.m_vPos[1];
  data.m_z = point.m_vPos[2];
  data.m_fValue1 = point.m_fValue;
  data.m_fSize = point.m_fSize;
  data.m_nShape = point.m_nStyle / 2;
  data.m_nVisibility = point.m_nStyle & 1;
  const PointKind& kind = KindOf(point);
  if (kind.caption) data.m_strValueCaption = QString::fromUtf8(kind.caption);
  data.m_nValueMode = kind.valueMode;
  kind.fill(point, data);
  data.m_bValue1Degrees = RotationAngle(point) != nullptr;
  data.m_nCoordMode = CoordinateMode(point);
  return data;
}

void ApplyPointProperties(CGPage& page, CGVertex& point, const CDlgPropertyPoint& answer) {
  TakeTypedName(point, answer.m_strLabel);
  point.m_bHidden = answer.m_bHideObject;
  point.m_bLabelHidden = answer.m_bHideLabel;
  point.m_fSize = answer.m_fSize;
  point.m_nStyle = static_cast<BYTE>(answer.m_nShape * 2 + answer.m_nVisibility);
  if (answer.m_bApplyToPage) {
    for (auto [id, cell] : page.m_cells) {
      if (!cell->IsKindOf(CGVertex::ThisClass())) continue;
      cell->m_nStyle = point.m_nStyle;
      cell->m_fSize = point.m_fSize;
    }
  }
  // The modes the dialog was opened with, as the point's class gives them.
  const PointKind& kind = KindOf(point);
  const int coordinateMode = CoordinateMode(point);
  if (coordinateMode != 0) {
    TakeCoordinates(page, point, coordinateMode, answer);
  } else if (kind.valueMode == 1 && kind.parameterEdit) {
    TakeParameter(page, point, kind, answer.m_fValue1);
  } else {
    kind.store(point, answer);
  }
  // The cells named after the point take their names now; the edit's end
  // computes them.
  CollectDescendants(page, point);
  page.UpdateLabels(page.m_dirtyIds);
  if (point.m_bLabelStale) PostItemTexts(page);
}
