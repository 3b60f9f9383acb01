// The property rows of points, lines, faces, circles and solids, run as the
// property command runs them, with scripted dialog answers: what each
// dialog is offered, what OK writes back, which point edits are undo steps.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <functional>
#include <limits>
#include <optional>

#include "cells/constrained/follower.h"
#include "cells/constructed/follower2d.h"
#include "cells/constructed/paths/carriers.h"
#include "cells/constructed/rotations.h"
#include "cells/constructed/scalings.h"
#include "cells/constructed/translations.h"
#include "cells/primitives/cgarc.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgline.h"
#include "cells/primitives/cgverfreeincircle.h"
#include "cells/primitives/cgverfreeinface.h"
#include "cells/primitives/cgverfreeinline.h"
#include "cells/revolution/roundsolids.h"
#include "editing/dialogs/properties/primitivedialogs.h"
#include "editing/properties/propertyrows.h"
#include "model/autocolor.h"
#include "platform/editscope.h"
#include "platform/processstate.h"
#include "support/commandpage.h"
#include "support/documentfiles.h"
#include "editing/editingtestsupport.h"

namespace KAVREL_FILE_LOCAL {
// Runs the cell's row with Cancel and returns what its dialog was offered.
template <class Dialog>
Dialog Offered(CommandPage& p, PropertyList list, WORD id) {
  p.dialogs->Cancel<Dialog>();
  EXPECT_TRUE(RunPropertyRow(list, p.doc, *p.Find(id)));
  return p.dialogs->Offered<Dialog>().back();
}

// The offered dialog changed by `change`, confirmed with OK, in an edit of
// its own as the property command runs it (or the row alone, outside any).
template <class Dialog>
void Edit(CommandPage& p, PropertyList list, WORD id, const std::function<void(Dialog&)>& change, bool asEdit = true) {
  Dialog answer = Offered<Dialog>(p, list, id);
  change(answer);
  p.dialogs->Ok(answer);
  std::optional<CEditScope> edit;
  if (asEdit) edit.emplace();
  EXPECT_TRUE(RunPropertyRow(list, p.doc, *p.Find(id)));
}

void EditPoint(CommandPage& p, WORD id, const std::function<void(CDlgPropertyPoint&)>& change) {
  Edit<CDlgPropertyPoint>(p, PropertyList::Points, id, change);
}

// A(0,0,0), B(4,0,0), C(0,3,0), D(4,3,0); segment AB; faces ABC and ABDC.
struct Scene {
  CommandPage p;
  WORD a = p.Point(0, 0, 0), b = p.Point(4, 0, 0), c = p.Point(0, 3, 0), d = p.Point(4, 3, 0);
  WORD ab = p.Line(a, b);
  WORD abc = p.Face({a, b, c});
  WORD quad = p.Face({a, b, d, c});

  template <class T, class... Args>
  WORD Add(Args... args) {
    CGPage& page = p.Page();
    const WORD id = page.m_nNextId++;
    const int slot = page.m_nNextVertex++;
    return p.Enter(new T(id, slot, QStringLiteral("P%1").arg(id), args...));
  }
  size_t Steps() const { return static_cast<size_t>(p.Page().m_undo.GetCount()); }
  QString LastStep() const { return p.Page().m_undo.CurrentCommand()->GetName(); }
};

TEST(PointProperties, CaptionsValuesAndCoordinateModesFollowTheClass) {
  Scene s;
  const WORD onLine = s.Add<CGVerFreeInLine>(s.ab, 0.5f);
  struct Row {
    WORD id;
    const char* caption;
    int valueMode, coordMode;
    std::vector<float> values;
  } const rows[] = {
      {s.a, "点的参数值：", 0, 1, {0}},
      {onLine, "点的参数值：", 1, 0, {0.5f}},
      {s.Add<CGVerFreeInFace>(s.quad, 0.25f, 0.5f), "点的位置参数：", 3, 0, {1, 0.25f, 0.5f}},
      {s.Add<CGVerFreeInPlane>(s.a, s.b, s.c, 0.2f, 0.3f), "点的位置参数：", 2, 0, {0.2f, 0.3f}},
      {s.Add<CGVerTranslateStc>(s.a, 1.0f, 2.0f, 3.0f), "平移向量的坐标：", 3, 0, {1, 2, 3}},
      {s.Add<CGVerScaleO>(s.b, 1.5f), "缩放比：", 1, 0, {1.5f}},
      {s.Add<CGVerInLineFixedf>(s.ab, 0.75f), "点的位置参数值：", 1, 0, {0.75f}},
      {s.Add<CGVerFree2dHenchman>(5.0f, 5.0f, s.a), "点的参数值：", 0, 2, {}},
  };
  for (const Row& row : rows) {
    const CDlgPropertyPoint d = Offered<CDlgPropertyPoint>(s.p, PropertyList::Points, row.id);
    EXPECT_EQ(d.m_strValueCaption, QString::fromUtf8(row.caption)) << row.id;
    EXPECT_EQ(d.m_nValueMode, row.valueMode) << row.id;
    EXPECT_EQ(d.m_nCoordMode, row.coordMode) << row.id;
    const float shown[3] = {d.m_fValue1, d.m_fValue2, d.m_fValue3};
    for (size_t i = 0; i < row.values.size(); ++i) EXPECT_EQ(shown[i], row.values[i]) << row.id << " value " << i;
  }
}

TEST(PointProperties, EditsTakeEffectAndOnlyCoordinatesAndParametersAreUndoSteps) {
  Scene s;
  CommandPage& p = s.p;
  const WORD onLine = s.Add<CGVerFreeInLine>(s.ab, 0.5f);

  // A free point moved by typing: one step; undo and redo move its dependants too.
  EditPoint(p, s.a, [](CDlgPropertyPoint& d) { d.m_x = 2; });
  ASSERT_EQ(s.Steps(), 1u);
  EXPECT_EQ(s.LastStep(), QString::fromUtf8("修改点坐标"));
  EXPECT_EQ(p.At(s.a), (std::vector<float>{2, 0, 0}));
  EXPECT_EQ(p.At(onLine), (std::vector<float>{3, 0, 0}));
  p.Page().m_undo.Undo();
  EXPECT_EQ(p.At(s.a), (std::vector<float>{0, 0, 0}));
  EXPECT_EQ(p.At(onLine), (std::vector<float>{2, 0, 0}));
  p.Page().m_undo.Redo();
  EXPECT_EQ(p.At(onLine), (std::vector<float>{3, 0, 0}));

  // OK unchanged: no step, but the point is placed again (its label follows).
  auto* b = p.As<CGVertex>(s.b);
  const std::vector<float> anchor(b->m_vLabelAnchor, b->m_vLabelAnchor + 3);
  b->m_vLabelAnchor[0] = 99;
  EditPoint(p, s.b, [](CDlgPropertyPoint&) {});
  EXPECT_EQ(s.Steps(), 1u);
  EXPECT_EQ(std::vector<float>(b->m_vLabelAnchor, b->m_vLabelAnchor + 3), anchor);

  // A point on a line takes its parameter as one step.
  EditPoint(p, onLine, [](CDlgPropertyPoint& d) { d.m_fValue1 = 0.25f; });
  EXPECT_EQ(s.Steps(), 2u);
  EXPECT_EQ(s.LastStep(), QString::fromUtf8("修改点参数t"));
  EXPECT_EQ(p.At(onLine), (std::vector<float>{2.5f, 0, 0}));
  p.Page().m_undo.Undo();
  EXPECT_EQ(p.Find(onLine)->m_fValue, 0.5f);

  // A point in a plane is placed again by the weights typed.
  const WORD inPlane = s.Add<CGVerFreeInPlane>(s.a, s.b, s.c, 0.2f, 0.3f);
  EditPoint(p, inPlane, [](CDlgPropertyPoint& d) {
    d.m_fValue1 = 0;
    d.m_fValue2 = 1;
  });
  EXPECT_EQ(p.At(inPlane), p.At(s.b));

  // A 2-D follower keeps its leader's z whatever is typed.
  const WORD follower = s.Add<CGVerFree2dHenchman>(5.0f, 5.0f, s.c);
  EditPoint(p, follower, [](CDlgPropertyPoint& d) {
    d.m_x = 6;
    d.m_z = 9;
  });
  EXPECT_EQ(p.At(follower), (std::vector<float>{6, 5, 0}));

  // A point dividing a circle's arc between A and B takes the typed ratio,
  // which is found again from the place it takes, as a reopen finds it:
  // where A and B coincide no ratio can be found and the middle one stands.
  const WORD circle = p.Enter(new CGArc(p.Page().m_nNextId++, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, kArcFullTurn, kArcCircle));
  for (const float bAngle : {2.0f, 0.5f}) {
    const WORD divider =
        s.Add<CGVerInCircleScale>(circle, s.Add<CGVerFreeInCircle>(circle, 0.5f), s.Add<CGVerFreeInCircle>(circle, bAngle), 0.5f);
    EditPoint(p, divider, [](CDlgPropertyPoint& d) { d.m_fValue1 = 0.25f; });
    EXPECT_NEAR(p.As<CGVerInCircleScale>(divider)->Ratio, bAngle == 0.5f ? 0.5f : 0.25f, 1e-5) << bAngle;
  }

  // A rotated point shows degrees and stores the angle from them.
  const WORD turned = s.Add<CGVerRotate>(s.b, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f, 0.0f, 1.5707964f);
  EditPoint(p, turned, [](CDlgPropertyPoint& d) { EXPECT_NEAR(d.m_fValue1, 90, 1e-4); d.m_fValue1 = 90; });
  EXPECT_EQ(p.As<CGVerRotate>(turned)->Angle, 90.0f * 3.1415927f / 180.0f);
  EXPECT_EQ(s.Steps(), 2u) << "class values are not undone";
}

TEST(PointProperties, PointInAFaceTakesOnlyATriangleOfItsFaceAndWeightsInside) {
  struct Row {
    float corner, w0, wk;
    bool taken;
    int storedCorner;
  } const rows[] = {
      {1, 0.2f, 0.3f, true, 1},   {2.5f, 0.2f, 0.3f, true, 2}, {0, 0.2f, 0.3f, false, 1},
      {3, 0.2f, 0.3f, false, 1},  {1, 0.7f, 0.6f, false, 1},   {1, -0.1f, 0.3f, false, 1},
      {1e10f, 0.2f, 0.3f, false, 1}, {-3e9f, 0.2f, 0.3f, false, 1},
  };
  for (const Row& row : rows) {
    Scene s;
    const WORD id = s.Add<CGVerFreeInFace>(s.quad, 0.25f, 0.5f);
    EditPoint(s.p, id, [&](CDlgPropertyPoint& d) {
      d.m_fValue1 = row.corner;
      d.m_fValue2 = row.w0;
      d.m_fValue3 = row.wk;
    });
    const auto* point = s.p.As<CGVerFreeInFace>(id);
    EXPECT_EQ(point->Corner, row.storedCorner) << row.corner;
    EXPECT_EQ(point->Weight0, row.taken ? row.w0 : 0.25f) << row.corner;
    EXPECT_EQ(point->WeightK, row.taken ? row.wk : 0.5f) << row.corner;
  }
}

TEST(PointProperties, ApplyToPageGivesEveryPointTheLookAndNamesFollowTheNameRule) {
  Scene s;
  const WORD fixed = s.Add<CGVerInLineFixedf>(s.ab, 0.75f);
  EditPoint(s.p, s.a, [](CDlgPropertyPoint& d) {
    d.m_nShape = 2;
    d.m_nVisibility = 1;
    d.m_fSize = 7.5f;
    d.m_bApplyToPage = 1;
    d.m_strLabel = QStringLiteral("名 \"x\"\t%d");
  });
  for (WORD id : {s.a, s.b, s.c, s.d, fixed}) {
    EXPECT_EQ(s.p.Find(id)->m_nStyle, 5) << id;
    EXPECT_EQ(s.p.Find(id)->m_fSize, 7.5f) << id;
  }
  EXPECT_EQ(s.p.Find(s.ab)->m_nStyle, 0) << "lines keep theirs";
  EXPECT_EQ(s.p.Find(s.a)->m_strName, QStringLiteral("名 \"x\"\t%d"));
  EXPECT_TRUE(s.p.Find(s.a)->m_bNameFixed);
  EXPECT_FALSE(s.p.Find(s.b)->m_bNameFixed);
  ASSERT_FALSE(s.p.Messages(WM_ITEM_TEXTS).empty());
  EXPECT_EQ(s.p.Messages(WM_ITEM_TEXTS).back().lParam, s.p.Page().m_nId);
}

TEST(PrimitiveProperties, LinesAndFacesWriteBack) {
  Scene s;
  CommandPage& p = s.p;
  const WORD cd = p.Line(s.c, s.d);
  Edit<CDlgPropertyLine>(p, PropertyList::Lines, s.ab, [](CDlgPropertyLine& d) {
    d.m_nDisplayMode = 3;
    d.m_nDashPattern = 4;
    d.m_nLineKind = 1;
    d.m_fWidth = 3.5f;
    d.m_bApplyToPage = 1;
  });
  const auto* ab = p.As<CGLine>(s.ab);
  EXPECT_EQ(ab->DashPattern(), 4);
  EXPECT_EQ(ab->m_nSubKind, kLineRay);
  EXPECT_EQ(p.Find(cd)->m_nStyle, kLineDashedOnTop);
  EXPECT_EQ(p.Find(cd)->m_fSize, 3.5f);
  EXPECT_EQ(p.Find(cd)->m_nSubKind, kLineSegment);

  auto* face = p.As<CGFace>(s.abc);
  const auto mode = [&](int m) { Edit<CDlgPropertyFace>(p, PropertyList::Faces, s.abc, [m](CDlgPropertyFace& d) { d.m_nDisplayMode = m; }); };
  mode(4);
  EXPECT_EQ(face->m_rgbaColor.a, 90);
  mode(3);
  EXPECT_EQ(face->m_rgbaColor.a, 255);
  // Only a face that gets its first picture rebuilds its texture coordinates
  // (the row alone: the edit's end computes the face, which rebuilds them).
  struct Picture {
    DWORD from;
    int to;
    bool rebuilt;
  } const pictures[] = {{0, 1, true}, {1, 5, false}, {5, 0, false}};
  for (const Picture& row : pictures) {
    face->m_dwParam3 = row.from;
    face->TexCoordsDirty = 0;
    Edit<CDlgPropertyFace>(
        p, PropertyList::Faces, s.abc, [&](CDlgPropertyFace& d) { d.m_nTexture = row.to; d.m_nFillPattern = 7; }, false);
    EXPECT_EQ(face->Picture(), row.to) << row.from;
    EXPECT_EQ(face->TexCoordsDirty, row.rebuilt ? 1 : 0) << row.from;
  }
  EXPECT_EQ(face->StipplePattern(), 7);
}

TEST(PrimitiveProperties, FacesBeyondThePicturesTakeTheRollingNumberOnApplyToPage) {
  Scene s;
  std::vector<WORD> faces;
  for (int i = 0; i < 10; ++i) faces.push_back(s.p.Face({s.a, s.b, s.c}));
  s.p.Find(faces[0])->m_dwParam3 = 12;
  for (size_t i = 1; i < faces.size(); ++i) s.p.Find(faces[i])->m_dwParam3 = 16 + i;
  Edit<CDlgPropertyFace>(s.p, PropertyList::Faces, s.abc, [](CDlgPropertyFace& d) {
    d.m_nDisplayMode = 4;
    d.m_nTexture = 2;
    d.m_bApplyToPage = 1;
  });
  std::vector<DWORD> pictures;
  for (WORD id : faces) pictures.push_back(s.p.Find(id)->m_dwParam3);
  EXPECT_EQ(pictures, (std::vector<DWORD>{12, 8, 9, 10, 11, 12, 13, 14, 15, 9}));
  EXPECT_EQ(s.p.Find(s.quad)->m_dwParam3, 0u) << "a face without a picture keeps none";
  for (WORD id : faces) EXPECT_EQ(s.p.Find(id)->m_rgbaColor.a, 90);

  // No picture chosen: every face loses its own.
  Edit<CDlgPropertyFace>(s.p, PropertyList::Faces, s.abc, [](CDlgPropertyFace& d) {
    d.m_nDisplayMode = 3;
    d.m_nTexture = 0;
    d.m_bApplyToPage = 1;
  });
  EXPECT_EQ(s.p.Find(faces[0])->m_dwParam3, 0u);
  EXPECT_EQ(s.p.Find(faces[5])->m_rgbaColor.a, 255);
}

TEST(PrimitiveProperties, CirclesWriteBackAnglesKindsColoursAndPictures) {
  ResetProcessState();
  const COLORREF firstAutomatic = NextAutoColor();
  Scene s;
  CommandPage& p = s.p;
  auto* arc = new CGArc(p.Page().m_nNextId++, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 1.0f, kArcArc);
  const WORD id = p.Enter(arc);
  arc->m_rgbaColor = {10, 20, 30, 255};
  arc->m_rgbaLabel = g_prefs.rgbaLabel;
  const auto edit = [&](const std::function<void(CDlgPropertyCircle&)>& change) {
    Edit<CDlgPropertyCircle>(p, PropertyList::Paths, id, change);
  };
  EXPECT_EQ(Offered<CDlgPropertyCircle>(p, PropertyList::Paths, id).m_nRangeMode, 0);

  edit([](CDlgPropertyCircle& d) {
    d.m_nRangeMode = 1;
    d.m_fStart = 400;
    d.m_fEnd = 40;
  });
  EXPECT_NEAR(arc->StartAngle, 0.6981317f, 1e-6);
  EXPECT_FLOAT_EQ(arc->EndAngle, arc->StartAngle + kArcFullTurn);
  EXPECT_EQ(arc->AutoRange, 0);

  // Arc to disc with a label-coloured second colour: a new fill, the old outline.
  edit([](CDlgPropertyCircle& d) {
    d.m_nKind = 2;
    d.m_nDisplayMode = 2;
    d.m_nTexture = 5;
  });
  EXPECT_EQ(arc->m_rgbaColor, (RGBA{BYTE(firstAutomatic), BYTE(firstAutomatic >> 8), BYTE(firstAutomatic >> 16), 90}));
  EXPECT_EQ(arc->m_rgbaLabel, (RGBA{10, 20, 30, g_prefs.rgbaLabel.a}));
  EXPECT_EQ(arc->Picture(), 5);

  // Back to a circle: the colours swap, the picture stays, the alpha is opaque.
  edit([](CDlgPropertyCircle& d) {
    d.m_nKind = 0;
    d.m_nDisplayMode = 1;
    d.m_nTexture = 7;
  });
  EXPECT_EQ(arc->m_rgbaColor, (RGBA{10, 20, 30, 255}));
  EXPECT_EQ(arc->Picture(), 5);
  EXPECT_EQ(arc->m_nSubKind, kArcCircle);
}

TEST(PrimitiveProperties, SolidsTakeStyleAlphaAndPicture) {
  CommandPage p;
  const WORD id = p.Enter(new CGSphere(p.Page().m_nNextId++, 0, 0, 0, 3, 0, 0, 3));
  Edit<CDlgPropertySolid>(p, PropertyList::Solids, id, [](CDlgPropertySolid& d) {
    d.m_nDisplayMode = 3;
    d.m_nTexture = 4;
    d.m_bHideObject = 1;
  });
  const CGCell* solid = p.Find(id);
  EXPECT_EQ(solid->m_rgbaColor.a, 90);
  EXPECT_EQ(solid->m_dwParam3, 4u);
  EXPECT_EQ(solid->m_bHidden, 1);
  Edit<CDlgPropertySolid>(p, PropertyList::Solids, id, [](CDlgPropertySolid& d) { d.m_nDisplayMode = 2; });
  EXPECT_EQ(solid->m_rgbaColor.a, 255);
}

TEST(PrimitiveProperties, DialogsOfferTheCellAndCancelLeavesThePageByteForByte) {
  Scene s;
  CommandPage& p = s.p;
  const WORD arc = p.Enter(new CGArc(p.Page().m_nNextId++, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 1.0f, kArcArc));
  const WORD sphere = p.Enter(new CGSphere(p.Page().m_nNextId++, 0, 0, 0, 3, 0, 0, 3));
  for (WORD id : {s.a, s.ab, s.abc, arc, sphere}) {
    CGCell* cell = p.Find(id);
    cell->m_bLabelHidden = 0;
    cell->m_bHidden = 1;
    cell->m_nLabelExtra[2] = 5;
    cell->m_fSize = 2.5f;
  }
  const QByteArray before = PageBytes(p.Page());
  const auto common = [&](const CPropertyCommon& d, WORD id) {
    EXPECT_EQ(d.m_strDescription, p.Find(id)->GetDescription()) << id;
    EXPECT_EQ(d.m_strLabel, p.Find(id)->m_strName) << id;
    EXPECT_EQ(d.m_bHideLabel, 0) << id;
    EXPECT_EQ(d.m_bHideObject, 1) << id;
  };
  common(Offered<CDlgPropertyPoint>(p, PropertyList::Points, s.a), s.a);
  const CDlgPropertyLine line = Offered<CDlgPropertyLine>(p, PropertyList::Lines, s.ab);
  common(line, s.ab);
  EXPECT_EQ(line.m_nDashPattern, 5);
  EXPECT_EQ(line.m_fWidth, 2.5f);
  const CDlgPropertyFace face = Offered<CDlgPropertyFace>(p, PropertyList::Faces, s.abc);
  common(face, s.abc);
  EXPECT_EQ(face.m_nFillPattern, 5);
  const CDlgPropertyCircle circle = Offered<CDlgPropertyCircle>(p, PropertyList::Paths, arc);
  common(circle, arc);
  EXPECT_EQ(circle.m_nKind, kArcArc);
  EXPECT_NEAR(circle.m_fEnd, 57.29578f, 1e-4);
  const CDlgPropertySolid solid = Offered<CDlgPropertySolid>(p, PropertyList::Solids, sphere);
  EXPECT_EQ(solid.m_strDescription, p.Find(sphere)->GetDescription());
  EXPECT_EQ(solid.m_bHideObject, 1);
  EXPECT_EQ(PageBytes(p.Page()), before);
  EXPECT_EQ(s.Steps(), 0u);
}

TEST(PrimitiveProperties, EditedCellsSaveReopenAndSaveAlike) {
  Scene s;
  CommandPage& p = s.p;
  const WORD arc = p.Enter(new CGArc(p.Page().m_nNextId++, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 1.0f, kArcArc));
  EditPoint(p, s.a, [](CDlgPropertyPoint& d) { d.m_x = 1.25f; d.m_strLabel = QString(300, QChar(u'点')); });
  Edit<CDlgPropertyLine>(p, PropertyList::Lines, s.ab, [](CDlgPropertyLine& d) { d.m_nDisplayMode = 3; d.m_nDashPattern = 5; });
  Edit<CDlgPropertyFace>(p, PropertyList::Faces, s.abc, [](CDlgPropertyFace& d) { d.m_nDisplayMode = 3; d.m_nTexture = 3; });
  Edit<CDlgPropertyCircle>(p, PropertyList::Paths, arc, [](CDlgPropertyCircle& d) { d.m_nKind = 3; d.m_nRangeMode = 1; d.m_fEnd = 120; });
  // Degrees whose radians a float cannot hold: the range message, and the
  // cell keeps all it had (an infinite angle would make the file unopenable).
  const WORD turned = s.Add<CGVerRotate>(s.b, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f, 0.0f, 1.0f);
  EditPoint(p, turned, [](CDlgPropertyPoint& d) { d.m_fValue1 = 2e38f; d.m_strLabel = QStringLiteral("T"); });
  Edit<CDlgPropertyCircle>(p, PropertyList::Paths, arc, [](CDlgPropertyCircle& d) { d.m_fStart = -2e38f; d.m_nKind = 0; });
  // Followers typed far from their leader, near zero, at the float limit
  // and at -0 beside the leader's +0: each stands where its rounded offset
  // from the leader puts it, as the reopened document places it.
  const WORD leader = p.Point(-4, 0, -4);
  for (const WORD follower :
       {s.Add<CGVerFreeHenchman>(1.0f, 1.0f, 1.0f, leader), s.Add<CGVerFree2dHenchman>(1.0f, 1.0f, leader)}) {
    EditPoint(p, follower, [](CDlgPropertyPoint& d) {
      d.m_x = 1e-6f;
      d.m_y = -0.0f;
      d.m_z = -std::numeric_limits<float>::max();
    });
    EXPECT_NEAR(p.At(follower)[0], 1e-6f, 5e-7f) << follower;
  }
  EXPECT_EQ(p.As<CGVerRotate>(turned)->Angle, 1.0f);
  EXPECT_NE(p.Find(turned)->m_strName, QStringLiteral("T"));
  EXPECT_EQ(p.Find(arc)->m_nSubKind, 3);
  EXPECT_EQ(p.seams.notifier->Texts(),
            std::vector<QString>(2, QString::fromUtf8("请输入一个介于 -1e+38 和 1e+38 之间的数。")));
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("edited.kv"));
  ASSERT_TRUE(p.doc.OnSaveDocument(path));
  const QByteArray saved = DocumentBytes(p.doc);
  CKavrelDoc reopened;
  ASSERT_TRUE(reopened.OnOpenDocument(path, false));
  EXPECT_EQ(DocumentBytes(reopened), saved);
  EXPECT_EQ(g_pCurPage->m_cells.Lookup(s.abc)->m_nStyle, 3);
  EXPECT_EQ(g_pCurPage->m_cells.Lookup(s.abc)->m_dwParam3, 3u);
  EXPECT_EQ(g_pCurPage->m_cells.Lookup(s.a)->m_strName, QString(300, QChar(u'点')));
}
}  // namespace
