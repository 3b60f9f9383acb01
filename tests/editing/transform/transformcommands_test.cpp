// The transformation commands: marks set by their six commands, the four
// transformations built as the dialog's answer chooses, the images selected
// and undone as one step, the values kept for the next dialog, and the
// answers and marks that make nothing.
#include <QTemporaryDir>
#include <cmath>
#include <functional>
#include <optional>

#include "cells/constructed/circlepoints.h"
#include "cells/constructed/mirrors.h"
#include "cells/constructed/rotations.h"
#include "cells/constructed/scalings.h"
#include "cells/constructed/translations.h"
#include "cells/dynamic/parameters/userparameter.h"
#include "cells/dynamic/vectors/vectorvalues.h"
#include "cells/primitives/arcsbypoints.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgline.h"
#include "editing/dialogs/transform/transformdialogs.h"
#include "editing/transform/transformglobals.h"
#include "editing/transform/transformmarks.h"
#include "model/selection.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "platform/processstate.h"
#include "support/commandpage.h"

namespace KAVREL_FILE_LOCAL {
// A(1,0,0) B(3,0,0) C(1,2,0), the face ABC and segments AB, AC; D(0,0,0)
// E(0,0,2) and the line DE; F(2,0,0); the scalar t = 30 and the vector u = E - D.
struct TransformPage : CommandPage {
  WORD a = Point(1, 0, 0), b = Point(3, 0, 0), c = Point(1, 2, 0);
  WORD abc = Face({a, b, c}), ab = Line(a, b), ac = Line(a, c);
  WORD d = Point(0, 0, 0), e = Point(0, 0, 2), de = Line(d, e), f = Point(2, 0, 0);
  WORD t = Enter(new CGTmVarParameter(Page().m_nNextId++, QStringLiteral("t"), 30));
  WORD u = Enter(new CGTmVectorPP(Page().m_nNextId++, d, e));
  CTransformMarks& Marks() { return Page().m_marks; }
  std::vector<WORD> NewSince(WORD first) const {
    std::vector<WORD> ids;
    for (WORD id = first; id < Page().m_nNextId; ++id) ids.push_back(id);
    return ids;
  }
  bool Enabled(unsigned command) { return CommandRegistry().Query(command).m_bEnabled; }
};

std::string Marks(const CTransformMarks& m) {
  const CVectorMark& v = m.MarkVector;
  const CAngleMark& g = m.MarkAngle;
  const CRatioMark& r = m.MarkRatio;
  char text[160];
  std::snprintf(text, sizeof text, "c%d a%d m%d v%d:%d,%d,%d g%d:%d,%d,%d,%d r%d:%d,%d,%d,%d,%d,%d", m.MarkCenter,
                m.MarkAxis, m.MarkMirror, v.kind, v.start, v.end, v.value, g.kind, g.a, g.b, g.c, g.value, r.kind,
                r.value, r.segment1, r.segment2, r.a, r.b, r.c);
  return text;
}

TEST(TransformMarks, EachCommandMarksItsSelectionWithoutUndoOrModifying) {
  using P = TransformPage;
  struct Row {
    const char* name;
    unsigned command;
    std::vector<WORD P::*> selected;
    bool direct;           // the handler called without its rule
    std::string expected;  // the marks after; empty: disabled and unchanged
  } const rows[] = {
      {"centre", ID_TRANS_MARKCENTER, {&P::d}, false, "c7 a0 m0 v0:0,0,0 g0:0,0,0,0 r0:0,0,0,0,0,0"},
      {"centre, a line besides", ID_TRANS_MARKCENTER, {&P::de, &P::e}, false, "c8 a0 m0 v0:0,0,0 g0:0,0,0,0 r0:0,0,0,0,0,0"},
      {"centre of two points", ID_TRANS_MARKCENTER, {&P::d, &P::e}, false, ""},
      {"axis", ID_TRANS_MARKAXIS, {&P::de, &P::a}, false, "c0 a9 m0 v0:0,0,0 g0:0,0,0,0 r0:0,0,0,0,0,0"},
      {"axis of two lines", ID_TRANS_MARKAXIS, {&P::ab, &P::de}, false, ""},
      {"mirror", ID_TRANS_MARKMIRROR, {&P::abc, &P::d}, false, "c0 a0 m4 v0:0,0,0 g0:0,0,0,0 r0:0,0,0,0,0,0"},
      {"mirror of nothing", ID_TRANS_MARKMIRROR, {}, false, ""},
      {"vector by P, Q", ID_TRANS_MARKVECTOR, {&P::e, &P::d}, false, "c0 a0 m0 v1:8,7,0 g0:0,0,0,0 r0:0,0,0,0,0,0"},
      {"vector value", ID_TRANS_MARKVECTOR, {&P::u}, false, "c0 a0 m0 v2:0,0,12 g0:0,0,0,0 r0:0,0,0,0,0,0"},
      {"vector of a scalar", ID_TRANS_MARKVECTOR, {&P::t}, false, ""},
      {"angle ABC", ID_TRANS_MARKANGLE, {&P::a, &P::b, &P::c}, false, "c0 a0 m0 v0:0,0,0 g1:1,2,3,0 r0:0,0,0,0,0,0"},
      {"angle value", ID_TRANS_MARKANGLE, {&P::t}, false, "c0 a0 m0 v0:0,0,0 g2:0,0,0,11 r0:0,0,0,0,0,0"},
      {"angle of a vector", ID_TRANS_MARKANGLE, {&P::u}, false, ""},
      {"angle called with two points", ID_TRANS_MARKANGLE, {&P::a, &P::b}, true, "c0 a0 m0 v0:0,0,0 g0:0,0,0,0 r1:11,0,0,0,0,0"},
      {"ratio of two segments", ID_TRANS_MARKRATIO, {&P::ac, &P::ab}, false, "c0 a0 m0 v0:0,0,0 g0:0,0,0,0 r2:0,6,5,0,0,0"},
      {"ratio value", ID_TRANS_MARKRATIO, {&P::t}, false, "c0 a0 m0 v0:0,0,0 g0:0,0,0,0 r1:11,0,0,0,0,0"},
      {"ratio by A, B, C", ID_TRANS_MARKRATIO, {&P::a, &P::f, &P::b}, false, "c0 a0 m0 v0:0,0,0 g0:0,0,0,0 r3:0,0,0,1,10,2"},
      {"ratio called with one point", ID_TRANS_MARKRATIO, {&P::a}, true, "c0 a0 m0 v0:0,0,0 g1:1,2,3,0 r1:11,0,0,0,0,0"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TransformPage p;
    ASSERT_EQ(p.u, 12);
    if (row.direct) p.Marks().MarkAngle = {1, p.a, p.b, p.c, 0}, p.Marks().MarkRatio = {1, p.t, 0, 0, 0, 0, 0};
    std::vector<WORD> selected;
    for (auto member : row.selected) selected.push_back(p.*member);
    p.Select(selected);
    const std::string before = Marks(p.Marks());
    EXPECT_EQ(p.Enabled(row.command), !row.expected.empty() && !row.direct);
    p.ExpectNothingMade([&] {
      if (row.direct)
        (row.command == ID_TRANS_MARKANGLE ? OnTransMarkAngle : OnTransMarkRatio)(p.doc);
      else
        p.Run(row.command);
    });
    EXPECT_EQ(Marks(p.Marks()), row.expected.empty() ? before : row.expected);
    EXPECT_EQ(p.Page().m_selAll, selected);
  }
}

// Runs the command and checks the one step `label`: the n + m new cells
// are exactly the selection, the object list ticks them, undo takes them
// all and redo brings them back.  Returns the new cells.
std::vector<WORD> ExpectTransformed(TransformPage& p, unsigned command, const char* label) {
  const WORD first = p.Page().m_nNextId;
  const int steps = p.Page().m_undo.GetCount();
  EXPECT_TRUE(p.Run(command));
  const std::vector<WORD> made = p.NewSince(first);
  EXPECT_EQ(p.Page().m_undo.GetCount(), steps + 1);
  EXPECT_EQ(p.Page().m_undo.CurrentCommand()->GetName(), QString::fromUtf8(label));
  EXPECT_EQ(p.Page().m_selAll, made);
  for (WORD id : made) EXPECT_TRUE(p.Find(id)->m_bSelected) << id;
  const auto ticks = p.Messages(WM_SELECTION_CHANGED);
  EXPECT_TRUE(!ticks.empty() && ticks.back().wParam == 11 && ticks.back().lParam == 40000 + p.Page().m_nId);
  EXPECT_TRUE(p.doc.IsModified());
  EXPECT_TRUE(p.Page().m_undo.Undo());
  EXPECT_EQ(p.Page().m_nNextId, first);
  for (WORD id : made) EXPECT_FALSE(p.Find(id)) << id;
  EXPECT_TRUE(p.Page().m_undo.Redo());
  EXPECT_EQ(p.Summary(p.NewSince(first)), p.Summary(made));
  p.Select(made);
  return made;
}

TEST(TransformCommands, EachBuildsTheImagesItsAnswerChooses) {
  using P = TransformPage;
  using Setup = std::function<void(P&)>;
  struct Row {
    const char* name;
    unsigned command;
    std::vector<WORD P::*> selected;
    Setup setup;  // marks and the dialog's answer
    std::string made;
    std::function<void(P&, const std::vector<WORD>&)> check;
  };
  const auto none = [](P&, const std::vector<WORD>&) {};
  const auto images = [](P& p, const std::vector<WORD>& made) {
    QStringList names;
    for (WORD id : made) names << p.Find(id)->m_strName;
    return names.join(' ');
  };
  const Row rows[] = {
      {"triangle by a marked vector", ID_TRANS_TRANSLATE, {&P::abc},
       [](P& p) {
         p.Marks().MarkVector = {1, p.d, p.e, 0};
         CDlgTransTranslate answer;
         answer.m_nChoice = 0;
         p.dialogs->Ok(answer);
       },
       "CGVerTranslate(A,D,E) CGVerTranslate(B,D,E) CGVerTranslate(C,D,E) CGFace(A',B',C')",
       [&](P& p, const std::vector<WORD>& made) {
         EXPECT_EQ(images(p, made), QString::fromUtf8("A' B' C' A'B'C'"));
         EXPECT_EQ(p.At(made[1]), (std::vector<float>{3, 0, 2}));
         const CDlgTransTranslate offered = p.dialogs->Offered<CDlgTransTranslate>().at(0);
         EXPECT_EQ(offered.m_nChoice, 0);
         EXPECT_EQ(offered.m_strMarked, QString::fromUtf8("DE=(0.0000, 0.0000, 2.0000)"));
       }},
      {"a point by a typed vector", ID_TRANS_TRANSLATE, {&P::a},
       [](P& p) {
         CDlgTransTranslate answer;
         answer.m_nChoice = 1, answer.m_fX = 1, answer.m_fY = 2, answer.m_fZ = 3;
         p.dialogs->Ok(answer);
       },
       "CGVerTranslateStc(A)",
       [](P& p, const std::vector<WORD>& made) {
         EXPECT_EQ(p.At(made[0]), (std::vector<float>{2, 2, 3}));
         const CDlgTransTranslate offered = p.dialogs->Offered<CDlgTransTranslate>().at(0);
         EXPECT_EQ(offered.m_nChoice, 1);
         EXPECT_EQ(std::vector<float>({offered.m_fX, offered.m_fY, offered.m_fZ}), (std::vector<float>{0, 0, 1}));
         EXPECT_FALSE(offered.Opening().markedRadio);
         EXPECT_EQ(std::vector<float>(g_vTranslate, g_vTranslate + 3), (std::vector<float>{1, 2, 3}));
       }},
      {"by a vector value", ID_TRANS_TRANSLATE, {&P::a},
       [](P& p) {
         p.Marks().MarkVector = {2, 0, 0, p.u};
         p.dialogs->Ok(CDlgTransTranslate());
       },
       "CGVerTranslateM(A,DE)", none},
      {"about the centre by a fixed 90", ID_TRANS_ROTATE, {&P::a},
       [](P& p) {
         p.Marks().MarkCenter = p.d;
         CDlgTransRotate answer;
         answer.m_nAxisChoice = 2, answer.m_nAngleChoice = 1, answer.m_fDegrees = 90;
         p.dialogs->Ok(answer);
       },
       "CGVerRotateX(A,D)",
       [](P& p, const std::vector<WORD>& made) {
         const auto* image = p.As<CGVerRotateX>(made[0]);
         EXPECT_EQ(image->Angle, 1.5707964f);
         EXPECT_EQ(image->m_nParamA, 1);
         const CDlgTransRotate offered = p.dialogs->Offered<CDlgTransRotate>().at(0);
         EXPECT_EQ(offered.m_nAxisChoice, 2);
         EXPECT_EQ(offered.m_nMarks, 2);
         EXPECT_EQ(offered.m_nAngleChoice, 1);
         EXPECT_EQ(offered.m_strCentre, QString::fromUtf8("旋转中心：点D"));
         EXPECT_FALSE(offered.Opening().axisRadio[0]);
       }},
      {"about the axis line by the angle ABC", ID_TRANS_ROTATE, {&P::f},
       [](P& p) {
         p.Marks().MarkAxis = p.de;
         p.Marks().MarkAngle = {1, p.b, p.a, p.c, 0};
         p.dialogs->Ok(CDlgTransRotate());
       },
       "CGVerRotateXA(F,DE,B,A,C)",
       [](P& p, const std::vector<WORD>& made) {
         EXPECT_EQ(p.As<CGCell>(made[0])->m_nParamA, 0);
         EXPECT_NEAR(p.At(made[0])[1], 2, 1e-5);
         const CDlgTransRotate offered = p.dialogs->Offered<CDlgTransRotate>().at(0);
         EXPECT_EQ(offered.m_strAxis, QString::fromUtf8("有向直线：DE"));
         EXPECT_EQ(offered.m_strAngle, QString::fromUtf8(" ∠BAC=90.0000°"));
         EXPECT_EQ(offered.m_nMarks, 1);
       }},
      {"about the axis line by a value", ID_TRANS_ROTATE, {&P::a},
       [](P& p) {
         p.Marks().MarkAxis = p.de;
         p.Marks().MarkAngle = {2, 0, 0, 0, p.t};
         p.dialogs->Ok(CDlgTransRotate());
       },
       "CGVerRotateXA2(A,DE,t)", none},
      {"a typed zero axis with a marked angle", ID_TRANS_ROTATE, {&P::a},
       [](P& p) {
         p.Marks().MarkAngle = {1, p.b, p.a, p.c, 0};
         CDlgTransRotate answer;
         answer.m_nAxisChoice = 1, answer.m_nAngleChoice = 0, answer.m_fDegrees = 45;
         p.dialogs->Ok(answer);
       },
       "CGVerRotateA(A,B,A,C)",
       [](P& p, const std::vector<WORD>& made) {
         const auto* image = p.As<CGVerRotateA>(made[0]);
         EXPECT_EQ(std::vector<float>(image->Direction, image->Direction + 3), (std::vector<float>{0, 0, 1}));
         EXPECT_EQ(std::vector<float>(g_vRotateAxisDir, g_vRotateAxisDir + 3), (std::vector<float>{0, 0, 1}));
         EXPECT_EQ(g_fRotateDegrees, 90) << "the angle was marked";
       }},
      {"a typed slanted axis with the angle ABC", ID_TRANS_ROTATE, {&P::a},
       [](P& p) {
         p.Marks().MarkAngle = {1, p.b, p.a, p.c, 0};
         CDlgTransRotate answer;
         answer.m_nAxisChoice = 1, answer.m_nAngleChoice = 0, answer.m_fDegrees = 45;
         answer.m_fVx = 0, answer.m_fVy = 3, answer.m_fVz = 4;
         answer.m_fPx = 2, answer.m_fPy = 1, answer.m_fPz = 0;
         p.dialogs->Ok(answer);
       },
       "CGVerRotateA(A,B,A,C)",
       [](P& p, const std::vector<WORD>& made) {
         const auto* image = p.As<CGVerRotateA>(made[0]);
         EXPECT_EQ(std::vector<float>(image->Direction, image->Direction + 3), (std::vector<float>{0, 0.6f, 0.8f}));
         EXPECT_EQ(std::vector<float>(image->AxisPoint, image->AxisPoint + 3), (std::vector<float>{2, 1, 0}));
         // A - O = (-1, -1, 0) turned a quarter about u = (0, 0.6, 0.8):
         // u x (A - O) + u (u . (A - O)) = (0.8, -1.16, 0.12).
         const std::vector<float> at = p.At(made[0]), want = {2.8f, -0.16f, 0.12f};
         for (int k = 0; k < 3; ++k) EXPECT_NEAR(at[k], want[k], 1e-5) << k;
         EXPECT_EQ(std::vector<float>(g_vRotateAxisDir, g_vRotateAxisDir + 3), (std::vector<float>{0, 3, 4}));
         EXPECT_EQ(std::vector<float>(g_vRotateAxisPoint, g_vRotateAxisPoint + 3), (std::vector<float>{2, 1, 0}));
         EXPECT_EQ(g_fRotateDegrees, 90) << "the angle was marked";
       }},
      {"a typed axis is passed as a unit vector", ID_TRANS_ROTATE, {&P::a},
       [](P& p) {
         CDlgTransRotate answer;
         answer.m_nAxisChoice = 1, answer.m_nAngleChoice = 1, answer.m_fVz = 4, answer.m_fDegrees = 180;
         p.dialogs->Ok(answer);
       },
       "CGVerRotate(A)",
       [](P& p, const std::vector<WORD>& made) {
         EXPECT_EQ(p.As<CGVerRotate>(made[0])->Direction[2], 1);
         EXPECT_EQ(g_vRotateAxisDir[2], 4) << "kept as typed";
         EXPECT_EQ(g_fRotateDegrees, 180);
         EXPECT_NEAR(p.At(made[0])[0], -1, 1e-5);
       }},
      {"a value ratio without a centre", ID_TRANS_DILATE, {&P::a},
       [](P& p) {
         p.Marks().MarkRatio = {1, p.t, 0, 0, 0, 0, 0};
         CDlgTransScale answer;
         answer.m_nChoice = 1;
         p.dialogs->Ok(answer);
       },
       "CGVerScaleO(A)",
       [](P& p, const std::vector<WORD>& made) {
         EXPECT_EQ(p.At(made[0]), (std::vector<float>{0.5f, 0, 0}));
         const CDlgTransScale offered = p.dialogs->Offered<CDlgTransScale>().at(0);
         EXPECT_EQ(offered.m_nChoice, 1);
         EXPECT_EQ(offered.m_strCentre, QString::fromUtf8("缩放中心：原点 O（0,0,0）"));
         EXPECT_EQ(offered.m_strRatio, "t");
       }},
      {"centre and value", ID_TRANS_DILATE, {&P::a},
       [](P& p) {
         p.Marks().MarkCenter = p.f, p.Marks().MarkRatio = {1, p.t, 0, 0, 0, 0, 0};
         p.dialogs->Ok(CDlgTransScale());
       },
       "CGVerScaleM(A,F,t)",
       [](P& p, const std::vector<WORD>&) {
         EXPECT_EQ(p.dialogs->Offered<CDlgTransScale>().at(0).m_strCentre,
                   QString::fromUtf8("缩放中心：F(2.0000, 0.0000, 0.0000)"));
       }},
      {"centre and two segments", ID_TRANS_DILATE, {&P::a},
       [](P& p) {
         p.Marks().MarkCenter = p.f, p.Marks().MarkRatio = {2, 0, p.ac, p.ab, 0, 0, 0};
         p.dialogs->Ok(CDlgTransScale());
       },
       "CGVerScaleL(A,F,AC,AB)",
       [](P& p, const std::vector<WORD>&) {
         EXPECT_EQ(p.dialogs->Offered<CDlgTransScale>().at(0).m_strRatio, QString::fromUtf8(" |AC|：|AB|"));
       }},
      {"centre and three points", ID_TRANS_DILATE, {&P::a},
       [](P& p) {
         p.Marks().MarkCenter = p.f, p.Marks().MarkRatio = {3, 0, 0, 0, p.a, p.f, p.b};
         p.dialogs->Ok(CDlgTransScale());
       },
       "CGVerScaleP(A,F,A,F,B)",
       [](P& p, const std::vector<WORD>&) {
         EXPECT_EQ(p.dialogs->Offered<CDlgTransScale>().at(0).m_strRatio, QString::fromUtf8(" → AF：AB"));
       }},
      {"centre and a fixed -2", ID_TRANS_DILATE, {&P::a},
       [](P& p) {
         p.Marks().MarkCenter = p.f;
         CDlgTransScale answer;
         answer.m_nChoice = 1, answer.m_fFactor = -2;
         p.dialogs->Ok(answer);
       },
       "CGVerScale(A,F)",
       [](P& p, const std::vector<WORD>& made) {
         EXPECT_EQ(p.At(made[0]), (std::vector<float>{4, 0, 0}));
         EXPECT_EQ(g_fScaleRatio, -2);
       }},
      {"in the marked point before axis and face", ID_TRANS_DEFLECT, {&P::a},
       [](P& p) {
         p.Marks().MarkCenter = p.f, p.Marks().MarkAxis = p.de, p.Marks().MarkMirror = p.abc;
         CDlgTransDeflect answer;
         answer.m_nChoice = 0;
         p.dialogs->Ok(answer);
       },
       "CGVerSymmetryP(A,F)",
       [](P& p, const std::vector<WORD>&) {
         const CDlgTransDeflect offered = p.dialogs->Offered<CDlgTransDeflect>().at(0);
         EXPECT_EQ(offered.m_nChoice, 0);
         EXPECT_EQ(offered.m_strPoint, QString::fromUtf8("F(2.0000, 0.0000, 0.0000)"));
         EXPECT_EQ(offered.m_strAxis, "DE");
         EXPECT_EQ(offered.m_bPoint + offered.m_bAxis + offered.m_bFace, 3);
       }},
      {"in the axis before the face", ID_TRANS_DEFLECT, {&P::a},
       [](P& p) {
         p.Marks().MarkAxis = p.de, p.Marks().MarkMirror = p.abc;
         CDlgTransDeflect answer;
         answer.m_nChoice = 1;
         p.dialogs->Ok(answer);
       },
       "CGVerSymmetryL(A,DE)",
       [](P& p, const std::vector<WORD>&) { EXPECT_EQ(p.dialogs->Offered<CDlgTransDeflect>().at(0).m_nChoice, 1); }},
      {"in the face", ID_TRANS_DEFLECT, {&P::f},
       [](P& p) {
         p.Marks().MarkMirror = p.abc;
         CDlgTransDeflect answer;
         answer.m_nChoice = 2;
         p.dialogs->Ok(answer);
       },
       "CGVerSymmetryF(F,ABC)", none},
      {"in the Z axis chosen", ID_TRANS_DEFLECT, {&P::a},
       [](P& p) {
         CDlgTransDeflect answer;
         answer.ChooseElement(3);
         p.dialogs->Ok(answer);
       },
       "CGVerSymmetry(A)",
       [](P& p, const std::vector<WORD>& made) {
         EXPECT_EQ(p.As<CGVerSymmetry>(made[0])->Kind, 3);
         EXPECT_EQ(g_nReflectKind, 3);
         EXPECT_EQ(p.dialogs->Offered<CDlgTransDeflect>().at(0).m_nMask, 7);
       }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ResetProcessState();
    TransformPage p;
    std::vector<WORD> selected;
    for (auto member : row.selected) selected.push_back(p.*member);
    p.Select(selected);
    row.setup(p);
    const char* label = row.command == ID_TRANS_TRANSLATE ? "添加图元平移"
                        : row.command == ID_TRANS_ROTATE  ? "添加图元旋转"
                        : row.command == ID_TRANS_DILATE  ? "添加图元缩放"
                                                          : "添加图元反射";
    const std::vector<WORD> made = ExpectTransformed(p, row.command, label);
    EXPECT_EQ(p.Summary(made), row.made);
    row.check(p, made);
  }
}
}  // namespace

namespace KAVREL_FILE_LOCAL {
CDlgTransTranslate FixedVector(float x, float y, float z) {
  CDlgTransTranslate answer;
  answer.m_nChoice = CDlgTransTranslate::kFixed, answer.m_fX = x, answer.m_fY = y, answer.m_fZ = z;
  return answer;
}

TEST(TransformCommands, ImagesOfImagesTakeOneMoreApostropheAndTheOfferedValuesFollow) {
  TransformPage p;
  p.Select({p.a});
  p.dialogs->Ok(FixedVector(1, 2, 3));
  ExpectTransformed(p, ID_TRANS_TRANSLATE, "添加图元平移");
  p.dialogs->Ok(FixedVector(1, 2, 3));
  const std::vector<WORD> again = ExpectTransformed(p, ID_TRANS_TRANSLATE, "添加图元平移");
  EXPECT_EQ(p.Summary(again), "CGVerTranslateStc(A')");
  EXPECT_EQ(p.Find(again[0])->m_strName, "A''");
  EXPECT_EQ(p.At(again[0]), (std::vector<float>{3, 4, 6}));
  const auto offered = p.dialogs->Offered<CDlgTransTranslate>();
  ASSERT_EQ(offered.size(), 2u);
  EXPECT_EQ(std::vector<float>({offered[1].m_fX, offered[1].m_fY, offered[1].m_fZ}), (std::vector<float>{1, 2, 3}));
}

TEST(TransformCommands, TheNextRotationOffersTheAngleTypedOnlyWithATypedAxis) {
  using Dlg = CDlgTransRotate;
  const struct Row {
    const char* name;
    int axis, angle;
    float offeredNext;
  } rows[] = {
      {"typed axis, typed angle", Dlg::kFixedAxis, Dlg::kFixedAngle, 30},
      {"marked axis, typed angle", Dlg::kMarkedAxis, Dlg::kFixedAngle, 90},
      {"marked centre, typed angle", Dlg::kCentreAxis, Dlg::kFixedAngle, 90},
      {"typed axis, marked angle", Dlg::kFixedAxis, Dlg::kMarkedAngle, 90},
      {"marked axis, marked angle", Dlg::kMarkedAxis, Dlg::kMarkedAngle, 90},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ResetProcessState();
    TransformPage p;
    p.Marks().MarkAxis = p.de, p.Marks().MarkCenter = p.d, p.Marks().MarkAngle = {1, p.b, p.a, p.c, 0};
    p.Select({p.f});
    Dlg answer;
    answer.m_nAxisChoice = row.axis, answer.m_nAngleChoice = row.angle, answer.m_fDegrees = 30;
    answer.m_fVz = 1;
    p.dialogs->Ok(answer);
    ExpectTransformed(p, ID_TRANS_ROTATE, "添加图元旋转");
    p.dialogs->Cancel<Dlg>();
    p.Run(ID_TRANS_ROTATE);
    const auto offered = p.dialogs->Offered<Dlg>();
    ASSERT_EQ(offered.size(), 2u);
    EXPECT_EQ(offered[0].m_fDegrees, 90);
    EXPECT_EQ(offered[1].m_fDegrees, row.offeredNext);
  }
}

TEST(TransformCommands, ClosesTheSelectionOverDefiningPointsOnceEach) {
  TransformPage p;
  // A segment and one of its end points: that point once.
  p.Select({p.ab, p.b});
  p.dialogs->Ok(FixedVector(0, 0, 1));
  EXPECT_EQ(p.Summary(ExpectTransformed(p, ID_TRANS_TRANSLATE, "添加图元平移")),
            "CGVerTranslateStc(B) CGVerTranslateStc(A) CGLine(A',B')");
  // A circle through three points: its points and one circle.
  const WORD circle = p.Enter(new CGArcCircle3P(p.Page().m_nNextId++, p.a, p.b, p.c, kArcCircle));
  p.Select({circle});
  p.dialogs->Ok(FixedVector(0, 0, 1));
  EXPECT_EQ(p.Summary(ExpectTransformed(p, ID_TRANS_TRANSLATE, "添加图元平移")),
            "CGVerTranslateStc(A) CGVerTranslateStc(B) CGVerTranslateStc(C) CGArcCircle3P(A',B',C')");
  // An arc inside a circle is neither closed over nor imaged, nor enabling.
  const WORD inCircle = p.Enter(new CGArcInCircle(p.Page().m_nNextId++, p.a, p.b, circle));
  p.Select({inCircle});
  p.dialogs->Ok(FixedVector(0, 0, 1));
  p.ExpectNothingMade([&] { EXPECT_FALSE(p.Run(ID_TRANS_TRANSLATE)); });
  p.Select({inCircle, p.f});
  p.dialogs->Ok(FixedVector(0, 0, 1));
  EXPECT_EQ(p.Summary(ExpectTransformed(p, ID_TRANS_TRANSLATE, "添加图元平移")), "CGVerTranslateStc(F)");
}

TEST(TransformCommands, ImagesTakeTheSourcesLookButAFreePointsColourStaysTheDependentOne) {
  TransformPage p;
  p.dialogs->Ok(FixedVector(0, 0, 1));
  p.Select({p.a});
  const WORD image = ExpectTransformed(p, ID_TRANS_TRANSLATE, "添加图元平移")[0];
  CGCell& dependent = *p.Find(image);
  const RGBA dependentColour = dependent.m_rgbaColor;
  EXPECT_FALSE(dependentColour == p.Find(p.a)->m_rgbaColor);
  dependent.m_rgbaColor = RGBA{10, 20, 30, 255};
  dependent.m_nStyle = 2, dependent.m_fSize = 7, dependent.m_bHidden = 1, dependent.m_bLabelHidden = 0;
  p.Select({image});
  p.dialogs->Ok(FixedVector(0, 0, 1));
  const CGCell& second = *p.Find(ExpectTransformed(p, ID_TRANS_TRANSLATE, "添加图元平移")[0]);
  EXPECT_TRUE(second.m_rgbaColor == (RGBA{10, 20, 30, 255}));
  EXPECT_EQ(std::make_tuple(second.m_nStyle, second.m_fSize, second.m_bHidden, second.m_bLabelHidden),
            std::make_tuple(BYTE(2), 7.0f, BOOL(1), BOOL(0)));
}

TEST(TransformCommands, CancelAndUnmarkedChoicesMakeNothing) {
  struct Row {
    const char* name;
    unsigned command;
    std::function<void(TransformPage&)> answer;
  } const rows[] = {
      {"translate cancelled", ID_TRANS_TRANSLATE, [](TransformPage& p) { p.dialogs->Cancel<CDlgTransTranslate>(); }},
      {"rotate cancelled", ID_TRANS_ROTATE, [](TransformPage& p) { p.dialogs->Cancel<CDlgTransRotate>(); }},
      {"scale cancelled", ID_TRANS_DILATE, [](TransformPage& p) { p.dialogs->Cancel<CDlgTransScale>(); }},
      {"reflect cancelled", ID_TRANS_DEFLECT, [](TransformPage& p) { p.dialogs->Cancel<CDlgTransDeflect>(); }},
      {"a marked vector that is not there", ID_TRANS_TRANSLATE, [](TransformPage& p) { p.dialogs->Ok(CDlgTransTranslate()); }},
      {"a marked axis that is not there", ID_TRANS_ROTATE, [](TransformPage& p) { p.dialogs->Ok(CDlgTransRotate()); }},
      {"a marked ratio without a centre", ID_TRANS_DILATE, [](TransformPage& p) { p.dialogs->Ok(CDlgTransScale()); }},
      // Beyond 1e38 degrees the angle in float radians would be infinite.
      {"a typed angle radians cannot hold", ID_TRANS_ROTATE,
       [](TransformPage& p) {
         CDlgTransRotate answer;
         answer.m_nAxisChoice = 1, answer.m_nAngleChoice = 1, answer.m_fVz = 1, answer.m_fDegrees = 2e38f;
         p.dialogs->Ok(answer);
       }},
      {"a marked centre whose creation was undone, its id taken again", ID_TRANS_ROTATE,
       [](TransformPage& p) {
         p.Select({p.ab}), p.Run(ID_CREATE_POINT_MIDDLE);
         const WORD midpoint = static_cast<WORD>(p.Page().m_nNextId - 1);
         p.Select({midpoint}), p.Run(ID_TRANS_MARKCENTER);
         p.Page().m_undo.Undo();
         p.Select({p.ac}), p.Run(ID_CREATE_POINT_MIDDLE);
         ASSERT_NE(p.As<CGVertex>(midpoint), nullptr);
         p.Select({p.abc});
         CDlgTransRotate answer;
         answer.m_nAxisChoice = CDlgTransRotate::kCentreAxis, answer.m_nAngleChoice = CDlgTransRotate::kFixedAngle;
         answer.m_fDegrees = 90;
         p.dialogs->Ok(answer);
       }},
      {"a mask outside 1 to 7", ID_TRANS_DEFLECT,
       [](TransformPage& p) {
         CDlgTransDeflect answer;
         answer.m_nMask = 0;
         p.dialogs->Ok(answer);
       }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TransformPage p;
    p.Select({p.abc});
    row.answer(p);
    p.ExpectNothingMade([&] { EXPECT_TRUE(p.Run(row.command)); });
    EXPECT_EQ(p.Page().m_selAll, std::vector<WORD>{p.abc});
    EXPECT_EQ(p.Page().m_selPoints, std::vector<WORD>{}) << "the closing points are given back";
    EXPECT_FALSE(p.Find(p.a)->m_bSelected);
    EXPECT_EQ(g_nReflectKind, 7);
  }
}

TEST(TransformCommands, AMarkCountsOnlyWhileItsCellIsOfItsKind) {
  TransformPage p;
  // Marks naming cells of other kinds (ids given back and taken again).
  p.Marks().MarkCenter = p.de;   // a line
  p.Marks().MarkAxis = p.a;      // a point
  p.Marks().MarkMirror = p.ab;   // a line
  p.Marks().MarkVector = {2, 0, 0, p.t};  // a scalar, not a vector
  p.Marks().MarkAngle = {2, 0, 0, 0, p.u};  // a vector, not a scalar
  p.Marks().MarkRatio = {3, 0, 0, 0, p.a, p.ab, p.c};
  p.Select({p.f});
  for (int k = 0; k < 4; ++k) {
    p.dialogs->Cancel<CDlgTransTranslate>();
    p.dialogs->Cancel<CDlgTransRotate>();
    p.dialogs->Cancel<CDlgTransScale>();
    p.dialogs->Cancel<CDlgTransDeflect>();
  }
  for (unsigned command : {ID_TRANS_TRANSLATE, ID_TRANS_ROTATE, ID_TRANS_DILATE, ID_TRANS_DEFLECT}) p.Run(command);
  EXPECT_EQ(p.dialogs->Offered<CDlgTransTranslate>().at(0).m_nChoice, 1);
  const CDlgTransRotate rotate = p.dialogs->Offered<CDlgTransRotate>().at(0);
  EXPECT_EQ(std::make_tuple(rotate.m_nAxisChoice, rotate.m_nMarks, rotate.m_nAngleChoice), std::make_tuple(1, 0, 1));
  const CDlgTransScale scale = p.dialogs->Offered<CDlgTransScale>().at(0);
  EXPECT_EQ(scale.m_nChoice, 1);
  const CDlgTransDeflect deflect = p.dialogs->Offered<CDlgTransDeflect>().at(0);
  EXPECT_EQ(std::make_tuple(deflect.m_nChoice, deflect.m_bPoint, deflect.m_bAxis, deflect.m_bFace),
            std::make_tuple(3, BYTE(0), BYTE(0), BYTE(0)));
  // The stale vector, angle and ratio marks are reset; the others kept.
  EXPECT_EQ(Marks(p.Marks()), "c9 a1 m5 v0:0,0,11 g0:0,0,0,12 r0:0,0,0,1,5,3");
}

TEST(TransformCommands, ADegenerateMarkedAxisGivesUndefinedImages) {
  TransformPage p;
  const WORD g = p.Point(0, 0, 0);
  const WORD flat = p.Line(p.d, g);  // both ends at the origin
  p.Marks().MarkAxis = flat;
  p.Select({p.a});
  CDlgTransRotate answer;
  answer.m_nAxisChoice = 0, answer.m_nAngleChoice = 1, answer.m_fDegrees = 90;
  p.dialogs->Ok(answer);
  const WORD image = ExpectTransformed(p, ID_TRANS_ROTATE, "添加图元旋转")[0];
  EXPECT_FALSE(p.Find(image)->m_bDefined);
}

TEST(TransformCommands, APageWithoutIdsForAllImagesGetsTheMessageAndNothing) {
  TransformPage p;
  p.Select({p.abc});
  p.Page().m_nNextId = CGPage::kMaxCellId - 2;  // room for three cells, four needed
  p.dialogs->Ok(FixedVector(0, 0, 1));
  p.ExpectNothingMade([&] { p.Run(ID_TRANS_TRANSLATE); });
  EXPECT_EQ(p.seams.notifier->Texts().size(), 1u);
  EXPECT_EQ(p.Page().m_selPoints, std::vector<WORD>{});
  EXPECT_FALSE(p.Find(p.a)->m_bSelected);
}

TEST(TransformCommands, TheMirrorItemOfTheFaceMenuIsTheMirrorMark) {
  TransformPage p;
  p.Select({p.abc});
  EXPECT_TRUE(p.Enabled(ID_TRANS_MARKMIRROR));
  p.Run(ID_TRANS_MARKMIRROR);
  EXPECT_EQ(p.Marks().MarkMirror, p.abc);
  EXPECT_FALSE(p.doc.IsModified());
}
}  // namespace

namespace KAVREL_FILE_LOCAL {
TEST(TransformCommands, ImagesOfImagesSurviveSavingAndReopening) {
  TransformPage p;
  p.Marks().MarkVector = {1, p.d, p.e, 0};
  p.Select({p.abc});
  for (int k = 0; k < 2; ++k) {
    p.dialogs->Ok(CDlgTransTranslate());
    ExpectTransformed(p, ID_TRANS_TRANSLATE, "添加图元平移");
  }
  const std::string before = p.Summary(p.NewSince(p.f + 3));
  std::vector<std::vector<float>> places;
  for (const char* name : {"A'", "B'", "C'", "A''", "B''", "C''"}) places.push_back(p.At(p.Named(name)));
  QTemporaryDir folder;
  const QString path = folder.filePath("images.kv");
  ASSERT_TRUE(p.doc.OnSaveDocument(path));
  ASSERT_TRUE(p.doc.OnOpenDocument(path, true));
  EXPECT_EQ(p.Summary(p.NewSince(p.f + 3)), before);
  EXPECT_EQ(before,
            "CGVerTranslate(A,D,E) CGVerTranslate(B,D,E) CGVerTranslate(C,D,E) CGFace(A',B',C') "
            "CGVerTranslate(A',D,E) CGVerTranslate(B',D,E) CGVerTranslate(C',D,E) CGFace(A'',B'',C'')");
  int k = 0;
  for (const char* name : {"A'", "B'", "C'", "A''", "B''", "C''"}) EXPECT_EQ(p.At(p.Named(name)), places[k++]) << name;
  EXPECT_EQ(places[3], (std::vector<float>{1, 0, 4}));
  EXPECT_EQ(p.Marks().MarkVector.kind, 0) << "marks are not stored";
}
}  // namespace
