// The parametric colour: which selections it serves and with which dialog,
// what OK builds, and what undo gives the targets back.  Then the dialog
// rules of the axis scale and the property rows of both cells.
#include "cells/dynamic/graphing/colormodifier.h"
#include "cells/dynamic/graphing/scaleline.h"
#include "cells/dynamic/measures/pointreadings.h"
#include "cells/dynamic/vectors/vectorvalues.h"
#include "editing/dialogs/graphing/graphingdialogs.h"
#include "editing/graphing/parametriccolor.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "support/commandpage.h"

namespace KAVREL_FILE_LOCAL {

// Points A, B and C; the x readings a, b, c of A, B and C; a vector v
// (A to B) and a face on A B C.
struct ColorScene : CommandPage {
  ColorScene() {
    const std::vector<WORD> p = Points(3);
    for (int k = 0; k < 3; ++k) {
      values[k] = Enter(new CGTmVarCoordX(Page().m_nNextId++, p[k]));
      Find(values[k])->m_strName = QString(QChar('a' + k));
    }
    vector = Enter(new CGTmVectorPP(Page().m_nNextId++, p[0], p[1]));
    Find(vector)->m_strName = QStringLiteral("v");
    face = Face(p);
    Find(face)->m_strName = QStringLiteral("F");
    Find(face)->m_rgbaColor = RGBA{10, 20, 30, 40};
  }
  WORD values[3];
  WORD vector, face;
};

TEST(ParametricColor, TheSelectionDecidesTheForm) {
  struct Row {
    const char* selection;
    bool enabled;
    int kind;  // the dialog's, 0: none opened
  } const rows[] = {
      {"a", false, 0},       {"a F", true, 1},      {"a b F", true, 1},   {"a b c F", true, 3},
      {"a b c", true, 1},    {"v F", true, 0},      {"v a F", true, 0},   {"a v F", true, 1},
      {"F", false, 0},       {"a b c v F", true, 3}, {"a b v F", true, 0},  // three values wanted, v is none
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.selection);
    ColorScene p;
    p.SelectNamed(QString::fromUtf8(row.selection));
    EXPECT_EQ(CommandRegistry().Query(ID_COLOR29).m_bEnabled, row.enabled);
    p.Run(ID_COLOR29);  // cancelled
    const auto offered = p.dialogs->Offered<CDlgParametricColor>();
    EXPECT_EQ(offered.size(), row.kind ? 1u : 0u);
    if (!offered.empty()) {
      EXPECT_EQ(offered[0].m_nKind, row.kind);
      EXPECT_EQ(offered[0].m_strLabel, QStringLiteral("Parametric Color"));
    }
  }
}

TEST(ParametricColor, OkBuildsTheModifierAndUndoGivesTheColoursBack) {
  ColorScene p;
  p.SelectNamed("a b c F");
  CDlgParametricColor answer;
  answer.m_strLabel = QStringLiteral("heat");
  answer.m_nColorModel = 1;  // HSL
  answer.m_fFrom = 0;
  answer.m_fTo = 10;
  answer.m_nOption = 7;
  p.dialogs->Ok(answer);
  const WORD id = p.Page().m_nNextId;
  ASSERT_TRUE(p.Run(ID_COLOR29));
  EXPECT_EQ(p.Summary({id}), "CGMdfColor(a,b,c,F)");
  EXPECT_EQ(p.Page().m_selAll, (std::vector<WORD>{p.face})) << "the values leave the selection";
  ASSERT_NE(p.Page().m_undo.CurrentCommand(), nullptr);
  EXPECT_EQ(p.Page().m_undo.CurrentCommand()->GetName(), QStringLiteral("添加参数颜色"));
  const auto* m = p.As<CGMdfColor>(id);
  EXPECT_EQ(m->m_strName, QStringLiteral("heat"));
  EXPECT_EQ(m->m_nSubKind, kModifierHsl);
  EXPECT_EQ(m->m_fMax, 10.0f);
  EXPECT_EQ(m->m_nOption, 7);
  EXPECT_EQ(p.Find(p.face)->m_rgbaColor.a, 40);
  const RGBA coloured = p.Find(p.face)->m_rgbaColor;
  ASSERT_TRUE(p.Page().m_undo.Undo());
  EXPECT_EQ(p.Find(id), nullptr);
  const RGBA back = p.Find(p.face)->m_rgbaColor;
  EXPECT_TRUE(back.r == 10 && back.g == 20 && back.b == 30 && back.a == 40) << "the face's own colour";
  ASSERT_TRUE(p.Page().m_undo.Redo());
  EXPECT_EQ(p.Find(p.face)->m_rgbaColor.r, coloured.r);
  EXPECT_EQ(p.Find(p.face)->m_rgbaColor.g, coloured.g);
}

TEST(ParametricColor, StepZeroTakesColourAndOpacityFromTheFirstSelected) {
  ColorScene p;
  p.Find(p.values[0])->m_rgbaColor = RGBA{1, 2, 3, 128};
  p.SelectNamed("a F");
  p.Run(ID_COLOR29);
  const CColorCommandState& s = ColorCommandState();
  EXPECT_EQ(s.rgb[0] + s.rgb[1] * 10 + s.rgb[2] * 100, 321);
  EXPECT_EQ(s.opacity, 50);
}

TEST(ScaleLineDialog, SpacingIndicesAndTheTwoRefusals) {
  struct Row {
    float spacing;
    int index;
  } const rows[] = {{0.1f, 0}, {2, 4}, {1.9999999f, 4}, {2.5f, 4}, {1000, 12}, {5000, 12}, {0.05f, 0}, {-1, 0}};
  for (const Row& row : rows) EXPECT_EQ(ScaleSpacingIndex(row.spacing), row.index) << row.spacing;
  EXPECT_STREQ(ScaleSpacingText(4), "2");
  EXPECT_EQ(ScaleSpacingValue(12), 1000.0f);

  CDlgProScaleLine d;
  d.m_nTickSpacing = 5;  // "5" over a value spacing of "2"
  EXPECT_STREQ(CheckTickChoice(d), "刻度线间距不能大于刻度值间距！");
  EXPECT_EQ(d.m_nTickSpacing, 4);
  EXPECT_EQ(CheckTickChoice(d), nullptr);
  d.m_nLabelSpacing = 2;
  EXPECT_STREQ(CheckLabelChoice(d), "刻度值间距不能小于刻度线间距！");
  EXPECT_EQ(d.m_nLabelSpacing, 4);
}

TEST(ScaleLineDialog, ThePropertyRowsOpenAndWriteBack) {
  ColorScene p;
  p.SelectNamed("a F");
  p.dialogs->Ok(CDlgParametricColor());
  ASSERT_TRUE(p.Run(ID_COLOR29));
  const WORD modifier = p.Page().m_nNextId - 1;
  CDlgParametricColor grey;
  grey.m_strLabel = QStringLiteral("g");
  grey.m_nColorModel = 1;
  p.dialogs->Ok(grey);
  p.Select({modifier});
  ASSERT_TRUE(p.Run(ID_EDIT_PROPERTY));
  const auto offered = p.dialogs->Offered<CDlgParametricColor>();
  ASSERT_EQ(offered.size(), 2u);
  EXPECT_EQ(offered[1].m_nKind, 1);
  EXPECT_EQ(offered[1].m_strLabel, QStringLiteral("Parametric Color"));
  const auto* m = p.As<CGMdfColor>(modifier);
  EXPECT_EQ(m->m_strName, QStringLiteral("g"));
  EXPECT_EQ(m->m_nSubKind, kModifierGrey);
  const RGBA c = p.Find(p.face)->m_rgbaColor;
  EXPECT_TRUE(c.r == c.g && c.g == c.b) << "grey now";

  ASSERT_TRUE(p.Run(ID_CREATE_BASE_2D));
  const WORD scale = p.Page().m_nNextId - 1;
  CDlgProScaleLine answer;
  answer.m_nAxisType = 1;
  answer.m_bHideY = 1;
  answer.m_bAutoSpacing = 0;
  answer.m_nLabelSpacing = 6;
  answer.m_nTickSpacing = 3;
  answer.m_nGrid = 1;
  p.dialogs->Ok(answer);
  p.Select({scale});
  ASSERT_TRUE(p.Run(ID_EDIT_PROPERTY));
  const auto shown = p.dialogs->Offered<CDlgProScaleLine>();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_TRUE(shown[0].m_bAutoSpacing && shown[0].m_nLabelSpacing == 4 && shown[0].m_nGrid == 0);
  const auto* s = p.As<CGScaleline>(scale);
  EXPECT_EQ(s->m_nSubKind, 1);
  EXPECT_EQ(s->m_nStyle, 1);
  EXPECT_EQ(s->AutoSpacing, 0);
  EXPECT_EQ(s->LabelSpacing, 10.0f);
  EXPECT_EQ(s->TickSpacing, 1.0f);
  EXPECT_EQ(s->GridMode(), 1);
}

}  // namespace
