// The one-object rows of values, texts and cells with nothing to set: what
// each dialog is offered, what OK writes back and recomputes, what a
// cancelled or empty answer leaves, and the messages of the rest.
#include <bit>
#include <tuple>

#include "cells/dynamic/measures/geometricmeasures.h"
#include "cells/dynamic/parameters/usercalculation.h"
#include "cells/dynamic/parameters/userparameter.h"
#include "cells/dynamic/vectors/vectorvalues.h"
#include "cells/solids/cgsection.h"
#include "cells/texts/cgtbvodtext.h"
#include "cells/texts/cgtextbit.h"
#include "cells/texts/inkmarks.h"
#include "editing/dialogs/inputdialogs.h"
#include "editing/dialogs/properties/imagepropertydialog.h"
#include "editing/dialogs/properties/pagepropertydialog.h"
#include "editing/editingtestsupport.h"
#include "formula/calculator/calculatordata.h"
#include "formula/control/formuladialogs.h"
#include "platform/commandids.h"
#include "richtext/rteditdata.h"
#include "support/commandpage.h"

namespace KAVREL_FILE_LOCAL {
constexpr float kRad = 0.017453292f;

struct ValuePage : CommandPage {
  // t, and c = t * 2 over it.
  ValuePage() {
    t = Enter(new CGTmVarParameter(Page().m_nNextId++, QStringLiteral("t"), 1));
    c = Enter(new CGTmVarCalculator(Page().m_nNextId++, {t}, QStringLiteral("No1*2"), QString()));
  }
  CGTmVarParameter& T() { return *As<CGTmVarParameter>(t); }
  CGTmVarCalculator& C() { return *As<CGTmVarCalculator>(c); }
  WORD t, c;
};

TEST(PropertyRows, AParameterTakesTheAnswerTheIntegerChoiceWinningAndItsDependantsFollow) {
  const struct Row {
    const char* what;
    int kind;  // the parameter's before
    float value;
    CDlgParameter answer;
    float made, minimum, maximum, accumulator;
    int madeKind;
  } rows[] = {
      {"integer at 2.5", 0, 1, [] { CDlgParameter a; a.m_fValue = 2.5f, a.m_bInteger = 1; return a; }(), 3, -10, 10,
       2.5f, 1},
      {"integer at -2.5", 0, 1, [] { CDlgParameter a; a.m_fValue = -2.5f, a.m_bInteger = 1; return a; }(), -3, -10,
       10, -2.5f, 1},
      {"angle in degrees", 0, 1,
       [] { CDlgParameter a; a.m_fValue = 45, a.m_fStart = 0, a.m_fEnd = 90, a.m_bAngle = 1; return a; }(),
       45 * kRad, 0, 90 * kRad, 0, 2},
      {"integer wins over angle", 2, 1,
       [] { CDlgParameter a; a.m_fValue = 7.5f, a.m_bInteger = 1, a.m_bAngle = 1; return a; }(), 8, -10, 10, 7.5f, 1},
      {"plain number", 1, 4, [] { CDlgParameter a; a.m_fValue = 0.25f, a.m_fStart = -1, a.m_fEnd = 1; return a; }(),
       0.25f, -1, 1, 0, 0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    ValuePage p;
    p.T().m_nParamA = r.kind;
    p.T().m_fValue = r.value;
    p.Select({p.t});
    CDlgParameter answer = r.answer;
    answer.m_strName = QStringLiteral("t");
    p.dialogs->Ok(answer);
    ASSERT_TRUE(p.Run(ID_EDIT_PROPERTY));
    const CGTmVarParameter& t = p.T();
    EXPECT_EQ(t.m_fValue, r.made);
    EXPECT_EQ(t.Minimum(), r.minimum);
    EXPECT_EQ(t.Maximum(), r.maximum);
    EXPECT_EQ(t.m_nParamA, r.madeKind);
    if (r.madeKind == 1) {
      EXPECT_EQ(t.Accumulator(), r.accumulator);
    }
    EXPECT_EQ(p.C().m_fValue, r.made * 2) << "the calculation over it";
    const std::vector<BridgeMessage> notices = p.Messages(WM_ITEM_TEXTS);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_TRUE(notices[0].wParam == 0 && notices[0].lParam == p.Page().m_nId);
  }
}

TEST(PropertyRows, AnAngleParameterOpensInDegreesAndARenameKeepsTheNameUnfixed) {
  ValuePage p;
  p.T().m_nParamA = 2;
  p.T().m_fValue = 30 * kRad;
  p.T().SetRange(0, 90 * kRad);
  p.T().m_nSubKind = 0;
  p.Select({p.t});
  CDlgParameter answer;
  answer.m_strName = QStringLiteral("角α");
  p.dialogs->Ok(answer);
  ASSERT_TRUE(p.Run(ID_EDIT_PROPERTY));
  const CDlgParameter offered = p.dialogs->Offered<CDlgParameter>().at(0);
  EXPECT_EQ(offered.m_fValue, 30 * kRad * 57.29578f);
  EXPECT_EQ(offered.m_fEnd, 90 * kRad * 57.29578f);
  EXPECT_TRUE(offered.m_bAngle && !offered.m_bInteger && !offered.m_bShowSlider && offered.m_strName == "t");
  EXPECT_EQ(p.T().m_strName, QStringLiteral("角α"));
  EXPECT_FALSE(p.T().m_bNameFixed);
}

TEST(PropertyRows, ACancelledDialogChangesNoByteButStillModifies) {
  ValuePage p;
  const QByteArray before = PageBytes(p.Page());
  for (const std::vector<WORD>& selection : {std::vector<WORD>{p.t}, {p.c}, {}}) {
    p.Select(selection);
    ASSERT_TRUE(p.Run(ID_EDIT_PROPERTY));  // unscripted: cancelled
  }
  EXPECT_EQ(PageBytes(p.Page()), before);
  EXPECT_TRUE(p.doc.IsModified());
  EXPECT_EQ(p.seams.bridge->viewUpdates, 3);
  EXPECT_EQ(p.dialogs->Offered<CDlgParameter>().size() + p.dialogs->Offered<CDlgCalculator>().size() +
                p.dialogs->Offered<CDlgPageProperty>().size(),
            3u);
}

TEST(PropertyRows, ACalculationIsEditedWithItsVariablesAndRenamedUnlessItsNameIsFixed) {
  for (bool fixed : {false, true}) {
    SCOPED_TRACE(fixed ? "fixed name" : "automatic name");
    ValuePage p;
    p.T().m_fValue = 2;
    p.C().Recalculate();
    if (fixed) p.C().m_strName = QStringLiteral("mine"), p.C().m_bNameFixed = true;
    p.Select({p.c});
    CDlgCalculator answer;
    answer.m_strExpression = QStringLiteral("No1*10");
    answer.m_bShowAsAngle = 1;
    p.dialogs->Ok(answer);
    ASSERT_TRUE(p.Run(ID_EDIT_PROPERTY));
    const CDlgCalculator offered = p.dialogs->Offered<CDlgCalculator>().at(0);
    EXPECT_EQ(offered.m_strCaption, QString::fromUtf8("编辑计算"));
    EXPECT_EQ(offered.m_strExpression, QStringLiteral("No1*2"));
    EXPECT_EQ(offered.m_valueNames, std::vector<QString>{QStringLiteral("t")});
    EXPECT_EQ(offered.m_values, std::vector<double>{2.0});
    const CGTmVarCalculator& c = p.C();
    EXPECT_EQ(c.m_strFormula, QStringLiteral("No1*10"));
    EXPECT_EQ(c.m_fValue, 20);
    EXPECT_EQ(c.m_nParamA, 2);
    EXPECT_EQ(c.m_strName, fixed ? QStringLiteral("mine") : QStringLiteral("[t]*10"));
    CGTmVarCalculator automatic(0, {p.t}, QStringLiteral("No1*10"), QString());
    EXPECT_EQ(c.m_dwParam3, automatic.m_dwParam3) << "the class of the formula's root";
  }
}

TEST(PropertyRows, AVectorAnsweredYesSwitchesItsFormBothWays) {
  CommandPage p;
  const std::vector<WORD> ab = {p.Point(0, 0, 0), p.Point(4, 0, 0)};
  const WORD v = p.Enter(new CGTmVectorPP(p.Page().m_nNextId++, ab[0], ab[1]));
  const QString description = p.Find(v)->GetDescription();
  p.Select({v});
  p.seams.notifier->answers = {IDYES, IDYES, IDNO};
  std::vector<int> forms;
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(p.Run(ID_EDIT_PROPERTY));
    forms.push_back(p.Find(v)->m_nParamA);
  }
  EXPECT_EQ(forms, (std::vector<int>{1, 0, 0}));
  const std::vector<ShownMessage>& shown = p.seams.notifier->shown;
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[0].text, description + QString::fromUtf8(" (4.00, 0.00, 0.00)\n\n是否想要不显示z值（二维形式）？"));
  EXPECT_EQ(shown[1].text, description + QString::fromUtf8(" (4.00, 0.00)\n\n是否还要显示z值（三维形式）？"));
  EXPECT_EQ(shown[0].caption, QString::fromUtf8("坐标形式"));
  EXPECT_EQ(shown[0].type, unsigned(MB_YESNO | MB_ICONQUESTION));
}

TEST(PropertyRows, CellsWithNothingToSetSayWhatTheyAre) {
  CommandPage p;
  const WORD a = p.Point(0, 0, 0), b = p.Point(3, 4, 0);
  const WORD measure = p.Enter(new CGTmVarDistancePP(p.Page().m_nNextId++, a, b));
  CGCell* cells[] = {new CGInkmarks, new CGSection, new CGTextbit};
  for (CGCell* cell : cells) cell->m_nId = p.Page().m_nNextId++, p.Enter(cell);
  const unsigned information = MB_OK | MB_ICONINFORMATION;
  const std::vector<std::tuple<WORD, QString, unsigned>> expected = {
      {cells[0]->m_nId, QString::fromUtf8("这是画笔留下的墨迹！"), MB_OK},
      {cells[1]->m_nId, QString::fromUtf8("这是多面体与平面的截面图\n\n改变平面的位置可以动态显示截面图形"), MB_OK},
      {cells[2]->m_nId, cells[2]->GetDescription(), information},
      {measure, p.Find(measure)->GetDescription(), information},
  };
  for (const auto& [id, text, type] : expected) {
    p.Select({id});
    ASSERT_TRUE(p.Run(ID_EDIT_PROPERTY));
    const ShownMessage shown = p.seams.notifier->shown.back();
    EXPECT_TRUE(shown.text == text && !text.isEmpty() && shown.caption.isEmpty() && shown.type == type) << id;
  }
  EXPECT_EQ(p.seams.notifier->shown.size(), expected.size());
  EXPECT_EQ(p.seams.bridge->viewUpdates, 4);
}

TEST(PropertyRows, TextsTakeTheirEditorsAnswerOnlyWhenItHoldsSomething) {
  CommandPage p;
  auto* image = new CGTbImage(p.Page().m_nNextId++, 2, 1, std::vector<BYTE>(8));
  const WORD imageId = p.Enter(image);
  auto* formula = new CGTbVodText(p.Page().m_nNextId++, QStringLiteral("<#><l><e>A</e></l></#>"), 0xFFFFFF, 0);
  formula->m_nSubKind = 4;
  const WORD formulaId = p.Enter(formula);
  auto* rich = new CGTextbit(p.Page().m_nNextId++, 32, 1, std::vector<BYTE>(4, 0xFF));
  rich->m_nSubKind = 1;
  rich->m_strVodName = QStringLiteral("{\\rtf1 old}");
  rich->m_dwParam1 = std::bit_cast<DWORD>(300.0f);
  rich->m_dwParam2 = std::bit_cast<DWORD>(1e30f);  // beyond any editor: the default
  const WORD richId = p.Enter(rich);

  CDlgImagePropy zoom;
  zoom.m_fWidthScale = 1.2f, zoom.m_fHeightScale = -0.5f;
  p.dialogs->Ok(zoom);
  p.Select({imageId});
  ASSERT_TRUE(p.Run(ID_EDIT_PROPERTY));
  EXPECT_EQ(p.dialogs->Offered<CDlgImagePropy>().at(0).m_strSize, image->GetDescription());
  EXPECT_TRUE(image->ZoomX() == 1.2f && image->ZoomY() == -0.5f);

  // An empty formula changes nothing; another is rendered anew.
  CVodDlg empty;
  empty.m_strVod = QStringLiteral("<#><l></l></#>");
  empty.m_bEmpty = 1;
  CVodDlg wider;
  wider.m_strVod = QStringLiteral("<#><l><e>A+B+C+D</e></l></#>");
  wider.m_bEmpty = 0;
  p.dialogs->Ok(empty);
  p.dialogs->Ok(wider);
  p.Select({formulaId});
  const DWORD width = formula->m_nWidth;
  ASSERT_TRUE(p.Run(ID_EDIT_PROPERTY));
  EXPECT_EQ(formula->m_strMarkup, QStringLiteral("<#><l><e>A</e></l></#>"));
  ASSERT_TRUE(p.Run(ID_EDIT_PROPERTY));
  EXPECT_EQ(formula->m_strMarkup, wider.m_strVod);
  EXPECT_GT(formula->m_nWidth, width);
  EXPECT_EQ(p.dialogs->Offered<CVodDlg>().at(0).m_crBack, 0xFFFFFFu);

  // No picture back: the text stays; a picture: it is the text now.
  CDlgRtEdit none;
  CDlgRtEdit edited;
  edited.m_strText = QStringLiteral("{\\rtf1 new}");
  edited.m_strTitle = QStringLiteral("new");
  edited.m_mask.assign(24, 0xFF), edited.m_nMaskWidth = 40, edited.m_nMaskHeight = 3;
  p.dialogs->Ok(none);
  p.dialogs->Ok(edited);
  p.Select({richId});
  ASSERT_TRUE(p.Run(ID_EDIT_PROPERTY));
  EXPECT_EQ(rich->m_strVodName, QStringLiteral("{\\rtf1 old}"));
  ASSERT_TRUE(p.Run(ID_EDIT_PROPERTY));
  const CDlgRtEdit offered = p.dialogs->Offered<CDlgRtEdit>().at(0);
  EXPECT_EQ(std::make_tuple(offered.m_strText, offered.m_nContentWidth, offered.m_nContentHeight),
            std::make_tuple(QStringLiteral("{\\rtf1 old}"), 300, CDlgRtEdit::kDefaultContentHeight));
  EXPECT_EQ(std::make_tuple(rich->m_strVodName, rich->m_strName, rich->m_nWidth, rich->m_nHeight),
            std::make_tuple(edited.m_strText, edited.m_strTitle, 40u, 3u));
  EXPECT_TRUE(rich->HasPicture());
}

}  // namespace
