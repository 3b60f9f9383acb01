// The curve and surface commands, their dialogs' rules and the property
// rows of curves and surfaces: what the dialogs are offered, what OK makes
// or writes back, and what a cancel leaves.
#include <cmath>

#include "cells/dynamic/parameters/userparameter.h"
#include "cells/dynamic/paths/curve.h"
#include "cells/dynamic/surfaces/surface.h"
#include "editing/dialogs/parametric/parametricdialogs.h"
#include "editing/dialogs/parametric/parametrictexts.h"
#include "editing/editingtestsupport.h"
#include "formula/calculator/calculatordata.h"
#include "platform/commandids.h"
#include "support/commandpage.h"

namespace KAVREL_FILE_LOCAL {

QString U8(const char* text) { return QString::fromUtf8(text); }

int Example(const CSurfaceExample (&table)[24], const char* name) {
  for (int i = 0; i < 24; ++i)
    if (QString::fromUtf8(table[i].name) == U8(name)) return i;
  return -1;
}
int Example(const CCurveExample (&table)[20], const char* name) {
  for (int i = 0; i < 20; ++i)
    if (QString::fromUtf8(table[i].name) == U8(name)) return i;
  return -1;
}

TEST(ParametricDialogs, CurveExamplesSetTheirFieldsAndTheSystemBack) {
  CDlgCurve d;
  d.m_strColour = QStringLiteral("t");
  d.m_nDisplay = 3;
  d.ApplyExample(Example(kCurveExamples, "花瓣线"));
  EXPECT_EQ(d.m_nSystem, 1);
  EXPECT_EQ(CDlgCurve::AxisCaptions(d.m_nSystem)[0], QStringLiteral(" r(t)="));
  d.ApplyExample(Example(kCurveExamples, "椭圆"));
  EXPECT_EQ(d.m_nSystem, 0);
  const std::array<QString, 3> captions = CDlgCurve::AxisCaptions(d.m_nSystem);
  EXPECT_EQ(captions, (std::array<QString, 3>{"x(t)=", "y(t)=", "z(t)="}));
  EXPECT_TRUE(d.m_strX == "5*cos(t)" && d.m_strY == "4*sin(t)" && d.m_strZ == "0" && d.m_strFrom == "0" &&
              d.m_strTo == "2*pi" && d.m_fStep == 0.05f);
  EXPECT_TRUE(d.m_strColour == "t" && d.m_nDisplay == 3) << "fields outside the row stay";
  d.ApplyExample(Example(kCurveExamples, "蝶形曲线"));
  EXPECT_EQ(d.m_strTo, QStringLiteral("2*Pi"));
  EXPECT_EQ(CDlgCurve::AxisCaptions(2)[2], QStringLiteral(" z(t)="));
  EXPECT_EQ(CDlgSurface::AxisCaptions(2)[0], U8("ρ(u,v)="));
  EXPECT_EQ(CDlgSurface::AxisCaptions(1)[2], U8("φ(u,v)="));
}

TEST(ParametricDialogs, SurfaceExamplesAndDefaults) {
  CDlgSurface d;
  EXPECT_TRUE(d.m_strX == "5*cos(u)" && d.m_strY == "5*sin(u)" && d.m_strZ == "v" && d.m_strUFrom == "0" &&
              d.m_strUTo == "2*pi" && d.m_strVFrom == "-8" && d.m_strVTo == "8");
  EXPECT_TRUE(d.m_dUStep == 0.2 && d.m_dVStep == 1.0 && d.m_nTexture == 1 && d.m_bTwoSided == 1 && d.m_dMapA == 1 &&
              d.m_dMapC == 1 && d.m_dMapB == 0 && d.m_dMapD == 0 && d.m_nMapping == 0 && d.m_nDisplay == 0);
  d.m_nDisplay = 2;
  d.m_nMapping = 1;
  d.ApplyExample(Example(kSurfaceExamples, "叶片"));
  EXPECT_EQ(d.m_strY, QStringLiteral("u*(3*v^2-u^2-1/3) "));
  EXPECT_TRUE(d.m_nDisplay == 2 && d.m_nMapping == 1) << "fields outside the row stay";
  d.ApplyExample(Example(kSurfaceExamples, "花瓶"));
  EXPECT_TRUE(d.m_nTexture == 2 && d.m_bTwoSided == 1 && d.m_nSystem == 2 && d.m_strVFrom == "-9.4248");
  d.ApplyExample(Example(kSurfaceExamples, "椭球面"));
  EXPECT_DOUBLE_EQ(d.m_dUStep, 3.14159265358979323846 / 12);
  EXPECT_TRUE(d.m_nTexture == 0 && d.m_bTwoSided == 0 && d.m_nSystem == 0 && d.m_strVFrom == "-pi/2");
  EXPECT_EQ(Example(kSurfaceExamples, "曲面3"), 23);
  EXPECT_EQ(Example(kCurveExamples, "对数函数"), 19);
}

TEST(ParametricDialogs, SurfaceTextureControlsFollowDisplayTextureAndMapping) {
  struct Row {
    int display, texture, mapping;
    bool list, choice, twoSided, edits;
  } rows[] = {
      {2, 1, 1, false, false, false, false}, {0, 1, 1, true, true, true, true},
      {1, 1, 1, true, true, false, true},    {0, 0, 1, true, false, true, false},
      {0, 5, 0, true, true, true, false},    {1, 0, 0, true, false, false, false},
  };
  for (const Row& r : rows) {
    const CDlgSurface::Controls c = CDlgSurface::ControlStates(r.display, r.texture, r.mapping);
    EXPECT_TRUE(c.textureList == r.list && c.mappingChoice == r.choice && c.twoSided == r.twoSided &&
                c.mappingEdits == r.edits)
        << r.display << " " << r.texture << " " << r.mapping;
  }
  EXPECT_FALSE(CDlgCurve::StepInRange(2) || CDlgCurve::StepInRange(0.00005f) || !CDlgCurve::StepInRange(1));
  EXPECT_FALSE(CDlgSurface::StepInRange(0.0005) || CDlgSurface::StepInRange(10.5) || !CDlgSurface::StepInRange(10));
}

TEST(ParametricDialogs, ExpressionButtonsEditThroughTheCalculator) {
  CommandPage p;
  CDlgSurface d;
  d.m_variables.AddValue("r", "<e>r</e>", 5, 17);
  CDlgCalculator answer;
  answer.m_strExpression = QStringLiteral("No1");
  p.dialogs->Ok(answer);
  p.dialogs->Cancel<CDlgCalculator>();
  EXPECT_TRUE(d.EditExpression(CDlgSurface::kX));
  EXPECT_FALSE(d.EditExpression(CDlgSurface::kVTo));
  EXPECT_EQ(d.m_strX, QStringLiteral("No1"));
  EXPECT_EQ(d.m_strVTo, QStringLiteral("8"));
  const std::vector<CDlgCalculator> offered = p.dialogs->Offered<CDlgCalculator>();
  ASSERT_EQ(offered.size(), 2u);
  EXPECT_TRUE(offered[0].m_strCaption == U8("编辑参数方程") && offered[0].m_nMode == CDlgCalculator::SURFACE &&
              offered[0].m_strExpression == "5*cos(u)" && offered[0].m_valueNames.at(0) == "r");
  EXPECT_TRUE(offered[1].m_strCaption == U8("编辑参数范围") && offered[1].m_nMode == CDlgCalculator::CALCULATION);

  CDlgCurve c;
  p.dialogs->Cancel<CDlgCalculator>();
  EXPECT_FALSE(c.EditExpression(CDlgCurve::kColour));
  const CDlgCalculator colour = p.dialogs->Offered<CDlgCalculator>().back();
  EXPECT_TRUE(colour.m_strCaption == U8("编辑颜色函数") && colour.m_nMode == CDlgCalculator::CURVE);
}

struct ValuesPage : CommandPage {
  ValuesPage() {
    a = Enter(new CGTmVarParameter(Page().m_nNextId++, QStringLiteral("a"), 2));
    unnamed = Enter(new CGTmVarParameter(Page().m_nNextId++, QString(), 3));
  }
  WORD a, unnamed;
};

TEST(ParametricCommands, TheCurveWithNothingSelected) {
  CommandPage p;
  CDlgCurve answer;
  answer.m_strX = QStringLiteral("t"), answer.m_strY = QStringLiteral("t^2"), answer.m_strZ = QStringLiteral("0");
  answer.m_strFrom = QStringLiteral("-1"), answer.m_strTo = QStringLiteral("1");
  answer.m_nDisplay = 2;
  answer.m_fBreakDistance = 0;
  answer.m_bSegmentColouring = 1;
  answer.m_strColour = QStringLiteral("t");
  p.dialogs->Ok(answer);
  const std::vector<WORD> made = p.ExpectMade(ID_CREATE_CURVE, "CGCurve()", "添加曲线");
  const CDlgCurve offered = p.dialogs->Offered<CDlgCurve>().at(0);
  EXPECT_TRUE(offered.m_strY == "6*sin(t)" && offered.m_strFrom == "-8" && offered.m_strTo == "8" &&
              offered.m_strColour == U8(kCurveCommandDefaults[5]) && offered.m_variables.ValueCount() == 0);
  const CGCurve* curve = p.As<CGCurve>(made.at(0));
  EXPECT_TRUE(curve->m_bDefined && curve->m_nStyle == 2 && curve->BreakDistance() == 4.0f && curve->HueOn() &&
              curve->Step == 0.05f);
  p.ExpectNothingMade([&] { EXPECT_TRUE(p.Run(ID_CREATE_CURVE)); });  // unscripted: cancelled
  p.ExpectNothingMade([&] { EXPECT_TRUE(p.Run(ID_CREATE_SURFACE)); });
}

TEST(ParametricCommands, BothDialogsOfferTheSelectedValuesInSelectionOrder) {
  ValuesPage p;
  p.Select({p.unnamed, p.a});
  CDlgCurve curve;
  curve.m_strX = QStringLiteral("No1"), curve.m_strY = QStringLiteral("No2*t");
  curve.m_strFrom = QStringLiteral("0"), curve.m_strTo = QStringLiteral("1");
  p.dialogs->Ok(curve);
  CDlgSurface surface;
  surface.m_nDisplay = 1;
  p.dialogs->Ok(surface);
  const std::vector<WORD> curves = p.ExpectMade(ID_CREATE_CURVE, "CGCurve(,a)", "添加曲线");
  const std::vector<WORD> surfaces = p.ExpectMade(ID_CREATE_SURFACE, "CGSurface(,a)", "添加曲面");
  const CDlgCalculator offered[] = {p.dialogs->Offered<CDlgCurve>().at(0).m_variables,
                                    p.dialogs->Offered<CDlgSurface>().at(0).m_variables};
  for (const CDlgCalculator& v : offered) {
    ASSERT_EQ(v.ValueCount(), 2u);
    EXPECT_EQ(v.m_valueNames, (std::vector<QString>{QStringLiteral("     "), QStringLiteral("a")}));
    EXPECT_EQ(v.m_values, (std::vector<double>{3, 2}));
  }
  const CGSurface* made = p.As<CGSurface>(surfaces.at(0));
  EXPECT_TRUE(made->m_bDefined && made->m_nStyle == kSurfaceTranslucent);
  EXPECT_EQ(made->m_rgbaColor.a, 90);
  EXPECT_EQ(made->m_rgbaLabel, (RGBA{153, 153, 153, 255}));
  EXPECT_TRUE(p.As<CGCurve>(curves.at(0))->m_bDefined);
}

TEST(ParametricCommands, TheUsersMappingGoesIntoTheSurface) {
  CommandPage p;
  CDlgSurface answer;
  answer.m_nMapping = 1;
  answer.m_dMapA = 2, answer.m_dMapB = 3, answer.m_dMapC = 4, answer.m_dMapD = 5;
  p.dialogs->Ok(answer);
  const std::vector<WORD> made = p.ExpectMade(ID_CREATE_SURFACE, "CGSurface()", "添加曲面");
  const CGSurface* s = p.As<CGSurface>(made.at(0));
  EXPECT_TRUE(s->UserTexture == 1 && s->TexUScale == 2 && s->TexUOffset == 3 && s->TexVScale == 4 &&
              s->TexVOffset == 5 && s->TexSecondCoef == 0 && s->TexFourthCoef == 0);
  EXPECT_EQ(s->m_rgbaColor.a, 255);
}

TEST(ParametricRows, TheSurfaceTakesItsDialogBack) {
  ValuesPage p;
  p.Select({p.a});
  CDlgSurface create;
  create.m_nDisplay = 1;
  create.m_strX = QStringLiteral("No1");
  create.ApplyExample(Example(kSurfaceExamples, "圆柱面"));
  create.m_strX = QStringLiteral("No1");
  create.m_nDisplay = 1;
  p.dialogs->Ok(create);
  const WORD id = p.ExpectMade(ID_CREATE_SURFACE, "CGSurface(a)", "添加曲面").at(0);
  CGSurface& s = *p.As<CGSurface>(id);
  p.Select({id});
  CDlgSurface edit;
  edit.m_nDisplay = 0;
  edit.m_dUStep = -0.3;
  edit.m_strVFrom = QStringLiteral("-No1");
  edit.m_strVTo = QStringLiteral("No1");
  p.dialogs->Ok(edit);
  ASSERT_TRUE(p.Run(ID_EDIT_PROPERTY));
  const CDlgSurface offered = p.dialogs->Offered<CDlgSurface>().back();
  EXPECT_TRUE(offered.m_strX == "No1" && offered.m_nDisplay == 1 && offered.m_nSystem == 2 &&
              offered.m_dVStep == 1.0 && offered.m_variables.ValueCount() == 1);
  EXPECT_EQ(s.m_rgbaColor.a, 255);
  EXPECT_EQ(s.UStep, 0.3);
  EXPECT_EQ(s.m_nStyle, kSurfaceLit);
  EXPECT_TRUE(s.m_bDefined);
  EXPECT_EQ(s.RowCount, 6) << "v from -2 to 2 at the edited step";
}

TEST(ParametricRows, TheCurveTakesItsDialogBackAndItsDependantsFollow) {
  ValuesPage p;
  p.Select({p.a});
  CDlgCurve create;
  create.m_strX = QStringLiteral("t"), create.m_strY = QStringLiteral("No1"), create.m_strZ = QStringLiteral("0");
  create.m_strFrom = QStringLiteral("0"), create.m_strTo = QStringLiteral("1");
  create.m_nSystem = 1;
  p.dialogs->Ok(create);
  const WORD id = p.ExpectMade(ID_CREATE_CURVE, "CGCurve(a)", "添加曲线").at(0);
  CGCurve& curve = *p.As<CGCurve>(id);
  p.Select({id});
  CDlgCurve edit = create;
  edit.m_fStep = -0.25f;
  edit.m_fBreakDistance = 1e-7f;
  edit.m_strTo = QStringLiteral("2");
  edit.m_nSystem = 2;
  p.dialogs->Ok(edit);
  ASSERT_TRUE(p.Run(ID_EDIT_PROPERTY));
  const CDlgCurve offered = p.dialogs->Offered<CDlgCurve>().back();
  EXPECT_TRUE(offered.m_strY == "No1" && offered.m_fStep == 0.05f && offered.m_fBreakDistance == 4.0f &&
              offered.m_nSystem == 1 &&
              offered.m_variables.m_valueNames.at(0) == "a");
  EXPECT_TRUE(curve.Step == 0.25f && curve.BreakDistance() == 4.0f && curve.Form() == 2);
  EXPECT_TRUE(curve.m_bDefined && curve.SampleCount == 10);
}

}  // namespace
