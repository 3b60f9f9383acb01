// The label command: which cell and which dialog a selection gets, the
// caption's forms and names (any name reads back as typed), the formula
// texts' scaling question, the label dialog's selection-wide colour and
// scaling, the tail after every answer, and the saved document.
#include <QTemporaryDir>
#include <functional>

#include "cells/dynamic/measures/geometricmeasures.h"
#include "cells/dynamic/parameters/usercalculation.h"
#include "cells/primitives/cgline.h"
#include "cells/revolution/roundsolids.h"
#include "cells/texts/cgtbvodtext.h"
#include "editing/dialogs/labels/labeldialogs.h"
#include "editing/labels/captionlabels.h"
#include "editing/labels/labelcommand.h"
#include "editing/labels/labelproperties.h"
#include "formula/bintree.h"
#include "platform/commandids.h"
#include "support/commandpage.h"
#include "support/documentfiles.h"

namespace KAVREL_FILE_LOCAL {
// A(0,0,0) B(3,0,0) C(0,4,0), the segment AB, the distance |AB|, a
// calculation of twice it and the distance from C to AB.
struct Figure : CommandPage {
  Figure() {
    a = Point(0, 0, 0);
    b = Point(3, 0, 0);
    c = Point(0, 4, 0);
    ab = Line(a, b);
    distance = Enter(new CGTmVarDistancePP(Page().m_nNextId++, a, b));
    Find(distance)->Recalculate();
    twice = Enter(new CGTmVarCalculator(Page().m_nNextId++, {distance}, QStringLiteral("No1*2"), QString()));
    Find(twice)->Recalculate();
    cToAb = Enter(new CGTmVarDistancePL(Page().m_nNextId++, c, ab));
    Find(cToAb)->Recalculate();
  }
  CGTextmap& Distance() const { return *As<CGTextmap>(distance); }
  // The item-text notices posted so far, as "wParam/lParam".
  std::vector<std::string> ItemTexts() const {
    std::vector<std::string> texts;
    for (const BridgeMessage& m : Messages(WM_ITEM_TEXTS))
      texts.push_back(std::to_string(m.wParam) + "/" + std::to_string(m.lParam));
    return texts;
  }
  std::string PageTexts() const { return "0/" + std::to_string(Page().m_nId); }
  // Saved, reopened and saved again: the same bytes.
  void ExpectSavedAlike() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("labels.kv"));
    ASSERT_TRUE(doc.OnSaveDocument(path));
    const QByteArray saved = DocumentBytes(doc);
    CKavrelDoc reopened;
    ASSERT_TRUE(reopened.OnOpenDocument(path, false));
    EXPECT_EQ(DocumentBytes(reopened), saved);
  }
  WORD a, b, c, ab, distance, twice, cToAb;
};

TEST(LabelCommand, NothingSelectedDoesNothing) {
  Figure p;
  EXPECT_FALSE(p.Run(ID_EDIT_LABELMOD)) << "disabled without a selection";
  p.Page().m_bSelected = 1;  // the page alone: enabled, yet no cell
  EXPECT_TRUE(p.Run(ID_EDIT_LABELMOD));
  OnEditLabelmod(p.doc);
  EXPECT_TRUE(p.dialogs->Offered<CDlgPropertyLabel>().empty());
  EXPECT_TRUE(p.dialogs->Offered<CDlgLabelVod>().empty());
  EXPECT_FALSE(p.doc.IsModified());
  EXPECT_TRUE(p.ItemTexts().empty());
  EXPECT_EQ(p.seams.bridge->viewUpdates, 0);
}

TEST(LabelCommand, TheHeadOfTheFirstListHoldingACellIsEdited) {
  const struct Row {
    const char* what;
    std::function<std::vector<WORD>(Figure&)> selection;
    std::function<WORD(Figure&)> edited;
    bool caption;
  } rows[] = {
      {"a value before a point", [](Figure& p) { return std::vector<WORD>{p.distance, p.b, p.a}; },
       [](Figure& p) { return p.b; }, false},
      {"a line before a value", [](Figure& p) { return std::vector<WORD>{p.twice, p.ab}; },
       [](Figure& p) { return p.ab; }, false},
      {"values alone: the first", [](Figure& p) { return std::vector<WORD>{p.twice, p.distance}; },
       [](Figure& p) { return p.twice; }, true},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    Figure p;
    p.Select(r.selection(p));
    ASSERT_TRUE(p.Run(ID_EDIT_LABELMOD));
    const QString name = p.Find(r.edited(p))->m_strName;
    if (r.caption) {
      ASSERT_EQ(p.dialogs->Offered<CDlgLabelVod>().size(), 1u);
      EXPECT_EQ(p.dialogs->Offered<CDlgLabelVod>()[0].m_strLabel, name);
    } else {
      ASSERT_EQ(p.dialogs->Offered<CDlgPropertyLabel>().size(), 1u);
      EXPECT_EQ(p.dialogs->Offered<CDlgPropertyLabel>()[0].m_strLabel, name);
    }
    // Cancelled: still the tail.
    EXPECT_EQ(p.ItemTexts(), std::vector<std::string>{p.PageTexts()});
    EXPECT_TRUE(p.doc.IsModified());
    EXPECT_EQ(p.seams.bridge->viewUpdates, 1);
  }
}

TEST(LabelCommand, ACaptionWithoutMarkupTakesItsWrappedNameEvenOnCancel) {
  Figure p;
  p.Distance().m_strVodName.clear();
  p.Select({p.distance});
  ASSERT_TRUE(p.Run(ID_EDIT_LABELMOD));
  const CDlgLabelVod offered = p.dialogs->Offered<CDlgLabelVod>().at(0);
  EXPECT_EQ(offered.m_strLabel, QStringLiteral("|AB|"));
  EXPECT_EQ(offered.m_strVod, QStringLiteral("<#><l><e>|AB|</e></l></#>"));
  EXPECT_EQ(offered.m_nKind, CDlgLabelVod::AUTOMATIC);
  EXPECT_EQ(offered.m_nFormat, CDlgLabelVod::TEXT);
  EXPECT_EQ(p.Distance().m_strVodName, QStringLiteral("<#><l><e>|AB|</e></l></#>"));
  EXPECT_TRUE(p.doc.IsModified());
  EXPECT_EQ(p.ItemTexts(), std::vector<std::string>{p.PageTexts()});
  p.ExpectSavedAlike();
}

CDlgLabelVod Answer(int format, int kind, const char* label, const QString& vod) {
  CDlgLabelVod answer;
  answer.m_nFormat = format;
  answer.m_nKind = kind;
  answer.m_strLabel = QString::fromUtf8(label);
  answer.m_strVod = vod;
  return answer;
}

TEST(LabelCommand, TheCaptionTakesItsFormAndName) {
  const QString formula = QStringLiteral("<#><l><e>d</e><_><#><l><e>1</e></l></#></_></l></#>");
  const struct Row {
    const char* what;
    bool fixedBefore;
    CDlgLabelVod answer;
    QString name, vod;
    bool fixed;
    BYTE style;
    bool changed = true;  // the caption's record: computed again at the edit's end
  } rows[] = {
      {"custom text", false, Answer(CDlgLabelVod::TEXT, CDlgLabelVod::CUSTOM, "h", ""), "h", "<#><l><e>h</e></l></#>", true, 0},
      {"custom formula", false, Answer(CDlgLabelVod::FORMULA, CDlgLabelVod::CUSTOM, "h", formula), "h", formula, true, 1},
      {"custom text unchanged keeps the mark-up", true,
       Answer(CDlgLabelVod::TEXT, CDlgLabelVod::CUSTOM, "|AB|", "x"), "|AB|", "<e>|AB|</e>", true, 0, false},
      {"automatic: named after the points", true,
       Answer(CDlgLabelVod::TEXT, CDlgLabelVod::AUTOMATIC, "h", "x"), "|AB|", "<e>|AB|</e>", false, 0},
      {"a name that holds mark-up", false,
       Answer(CDlgLabelVod::TEXT, CDlgLabelVod::CUSTOM, "a</e><f>b", ""), "a</e><f>b", "<#><l><e>a<</e><e>/e><f>b</e></l></#>", true, 0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    Figure p;
    p.Distance().m_bNameFixed = r.fixedBefore;
    if (r.changed) {
      p.Distance().m_fValue = 0;  // both stale
      p.Find(p.twice)->m_fValue = 0;
    }
    p.Select({p.distance});
    p.dialogs->Ok(r.answer);
    ASSERT_TRUE(p.Run(ID_EDIT_LABELMOD));
    EXPECT_EQ(p.Distance().m_strName, r.name);
    EXPECT_EQ(p.Distance().m_strVodName, r.vod);
    EXPECT_EQ(p.Distance().m_bNameFixed, r.fixed);
    EXPECT_EQ(p.Distance().m_nStyle, r.style);
    EXPECT_TRUE(p.Distance().m_bLabelStale);
    // The caption and its dependant are computed at the edit's end.
    EXPECT_FLOAT_EQ(p.Distance().m_fValue, 3);
    EXPECT_FLOAT_EQ(p.Find(p.twice)->m_fValue, 6);
    EXPECT_EQ(p.ItemTexts(), std::vector<std::string>{p.PageTexts()});
    p.ExpectSavedAlike();
  }
}

TEST(LabelCommand, AnyCaptionNameReadsBackAsTyped) {
  for (const char* name : {"h", "", "a</b", "<<x", "</", "a\"b'c α 第一", "x</e></l></#>y"}) {
    SCOPED_TRACE(name);
    const QString markup = CaptionMarkupOfName(QString::fromUtf8(name));
    CBinTree tree;
    tree.SetVod(markup);
    // The linear text ends every run with a comma; the names hold none.
    EXPECT_EQ(tree.GetText(2).remove(u','), QString::fromUtf8(name));
    EXPECT_EQ(tree.GetText(0), markup);
  }
  EXPECT_EQ(CaptionMarkupOfName(QString(20000, QChar(u'长'))).size(), 20000 + 21);
}

TEST(LabelCommand, FormulaTextsAreAskedAndEachOneInverted) {
  for (const int answer : {IDYES, IDNO}) {
    SCOPED_TRACE(answer);
    Figure p;
    const QString markup = QStringLiteral("<#><l><e>A</e></l></#>");
    auto* still = new CGTbVodText(p.Page().m_nNextId++, markup, 0xFFFFFF, 0);
    auto* scaling = new CGTbVodText(p.Page().m_nNextId++, markup, 0xFFFFFF, 1);
    p.Select({p.Enter(still), p.Enter(scaling)});
    p.seams.notifier->answers.push_back(answer);
    ASSERT_TRUE(p.Run(ID_EDIT_LABELMOD));
    ASSERT_EQ(p.seams.notifier->shown.size(), 1u);
    EXPECT_EQ(p.seams.notifier->shown[0].text, QString::fromUtf8("改变自动缩放属性？"));
    EXPECT_EQ(p.seams.notifier->shown[0].caption, QString::fromUtf8("VOD文本属性修改"));
    EXPECT_EQ(p.seams.notifier->shown[0].type, unsigned(MB_YESNO | MB_ICONQUESTION));
    const bool yes = answer == IDYES;
    EXPECT_EQ(still->m_dwScalesWithView, yes ? 1u : 0u);
    EXPECT_EQ(scaling->m_dwScalesWithView, yes ? 0u : 1u);
    EXPECT_GT(still->m_nWidth, 0u) << "rendered for its texture";
    EXPECT_TRUE(p.dialogs->Offered<CDlgPropertyLabel>().empty());
    EXPECT_TRUE(p.doc.IsModified());
    EXPECT_EQ(p.ItemTexts(), std::vector<std::string>{p.PageTexts()});
    p.ExpectSavedAlike();
  }
}

TEST(LabelCommand, AFormulaTextOnAPointGetsTheLabelDialog) {
  Figure p;
  const WORD text = p.Enter(new CGTbMhc(p.Page().m_nNextId++, QStringLiteral("<#><l><e>P</e></l></#>"), 0xFFFFFF, p.a));
  p.Select({text});
  ASSERT_TRUE(p.Run(ID_EDIT_LABELMOD));
  EXPECT_TRUE(p.seams.notifier->shown.empty());
  EXPECT_EQ(p.dialogs->Offered<CDlgPropertyLabel>().size(), 1u);
}

TEST(LabelCommand, TheLabelDialogNamesColoursAndScalesTheSelection) {
  const struct Row {
    const char* what;
    const char* selection;
    std::function<void(CDlgPropertyLabel&)> answer;
    std::function<void(Figure&)> expect;
  } rows[] = {
      {"a point renamed", "A",
       [](CDlgPropertyLabel& d) { d.m_strLabel = "M"; },
       [](Figure& p) {
         EXPECT_TRUE(p.Find(p.a)->m_bNameFixed);
         EXPECT_TRUE(p.Find(p.a)->m_bLabelStale);
         EXPECT_EQ(p.Find(p.ab)->m_strName, QStringLiteral("MB"));
       }},
      {"scaling off for three points, not the solid", "A B C S",
       [](CDlgPropertyLabel& d) { d.m_bAutoScale = 0; },
       [](Figure& p) {
         for (WORD id : {p.a, p.b, p.c}) EXPECT_EQ(p.Find(id)->m_nLabelMode, 1) << id;
         EXPECT_EQ(p.Find(p.Named(QStringLiteral("S")))->m_nLabelMode, 0);
       }},
      {"scaling unchanged leaves the others", "A B",
       [](CDlgPropertyLabel& d) { d.m_bShowLabel = 0; },
       [](Figure& p) {
         EXPECT_EQ(p.Find(p.a)->m_nLabelMode, 1) << "the edited one keeps its own";
         EXPECT_EQ(p.Find(p.b)->m_nLabelMode, 0);
         EXPECT_TRUE(p.Find(p.a)->m_bLabelHidden);
       }},
      {"red for the selection", "A B",
       [](CDlgPropertyLabel& d) {
         d.m_crColor = 0x0000FF;
         d.m_bColorChanged = 1;
       },
       [](Figure& p) {
         for (WORD id : {p.a, p.b}) {
           const RGBA& c = p.Find(id)->m_rgbaLabel;
           EXPECT_TRUE(c.r == 255 && c.g == 0 && c.b == 0) << id;
         }
         EXPECT_NE(p.Find(p.c)->m_rgbaLabel.r, 255);
       }},
      {"red for the point only", "A B",
       [](CDlgPropertyLabel& d) { d.m_crColor = 0x0000FF; },
       [](Figure& p) {
         EXPECT_EQ(p.Find(p.a)->m_rgbaLabel.r, 255);
         EXPECT_NE(p.Find(p.b)->m_rgbaLabel.r, 255);
       }},
      {"a line named automatically again", "AB",
       [](CDlgPropertyLabel& d) { d.m_bAutoName = 1; },
       [](Figure& p) {
         EXPECT_FALSE(p.Find(p.ab)->m_bNameFixed);
         EXPECT_EQ(p.Find(p.ab)->m_strName, QStringLiteral("AB"));
         EXPECT_EQ(p.Find(p.cToAb)->m_strName, QStringLiteral("d ( C, AB)")) << "descendants relabelled";
       }},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    Figure p;
    CGCell* solid = p.Find(p.Enter(new CGSphere(p.Page().m_nNextId++, 0, 0, 0, 1, 1, 0, 0)));
    solid->m_strName = QStringLiteral("S");
    if (std::string(r.what).starts_with("scaling unchanged")) p.Find(p.a)->m_nLabelMode = 1;
    p.SelectNamed(QString::fromUtf8(r.selection));
    if (std::string(r.what).starts_with("a line")) {
      // Named by hand before: the line "L", the distance to it read so.
      p.Find(p.ab)->m_bNameFixed = true;
      p.Find(p.ab)->m_strName = QStringLiteral("L");
      p.Find(p.cToAb)->m_strName = QStringLiteral("d ( C, L)");
    }
    CDlgPropertyLabel answer = LabelPropertiesOf(*p.Find(p.Page().m_selAll.front()));
    r.answer(answer);
    p.dialogs->Ok(answer);
    ASSERT_TRUE(p.Run(ID_EDIT_LABELMOD));
    r.expect(p);
    EXPECT_EQ(p.ItemTexts(), std::vector<std::string>{p.PageTexts()});
    EXPECT_TRUE(p.doc.IsModified());
    p.ExpectSavedAlike();
  }
}

TEST(LabelCommand, CancelChangesNoCell) {
  Figure p;
  p.Select({p.a, p.b});
  std::map<WORD, QByteArray> before;
  const auto records = [&p] {
    std::map<WORD, QByteArray> bytes;
    for (auto [id, cell] : p.Page().m_cells) {
      CArchive ar;
      cell->Serialize(ar);
      bytes[id] = ar.Bytes();
    }
    return bytes;
  };
  before = records();
  p.dialogs->Cancel<CDlgPropertyLabel>();
  ASSERT_TRUE(p.Run(ID_EDIT_LABELMOD));
  p.Select({p.distance});
  p.dialogs->Cancel<CDlgLabelVod>();
  ASSERT_TRUE(p.Run(ID_EDIT_LABELMOD));
  EXPECT_EQ(records(), before);
  EXPECT_EQ(p.ItemTexts().size(), 2u);
}
}  // namespace
