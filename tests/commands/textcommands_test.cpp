// The formula-text insertion: what the formula dialog is offered, and what
// its answer makes on the page, as one undo step.
#include <bit>

#include "cells/texts/cgtbvodtext.h"
#include "cells/texts/cgtextbit.h"
#include "commands/textcommands.h"
#include "formula/bintree.h"
#include "formula/control/formuladialogs.h"
#include "platform/commandregistry.h"
#include "render/viewglobals.h"
#include "richtext/rteditdata.h"
#include "support/commandpage.h"

namespace KAVREL_FILE_LOCAL {

constexpr unsigned kInsert = 0xFF01;  // a test's own command id
const QString kFormula = QStringLiteral("<#><l><e>x+1</e></l></#>");

CVodDlg Answer(const QString& vod, bool empty) {
  CVodDlg answer;
  answer.m_strVod = vod;
  answer.m_bEmpty = empty ? 1 : 0;
  answer.m_nX = 40, answer.m_nY = 50;
  return answer;
}

// Registers the insertion under kInsert, as the view's command runs it.
void RegisterInsert(CommandPage& p, BOOL asTexture) {
  CommandRegistry().Register(kInsert, [&p, asTexture](unsigned) { InsertVodText(p.doc, asTexture, 70, 80); });
}

TEST(InsertVodText, OffersThePreferencesColoursAndMakesNothingOnCancelOrAnEmptyFormula) {
  const struct Row {
    const char* name;
    bool cancel;
    QString vod;
    bool empty;
  } rows[] = {
      {"cancelled", true, kFormula, false},
      {"an empty formula", false, kEmptyVod, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CommandPage p;
    RegisterInsert(p, TRUE);
    g_prefs.background = {0.5f, 1.0f, 0.0f, 1.0f};
    g_prefs.rgbaMeasure = RGBA{10, 20, 30, 255};
    if (row.cancel)
      p.dialogs->Cancel<CVodDlg>();
    else
      p.dialogs->Ok(Answer(row.vod, row.empty));
    p.ExpectNothingMade([&] { p.Run(kInsert); });
    const std::vector<CVodDlg> offered = p.dialogs->Offered<CVodDlg>();
    ASSERT_EQ(offered.size(), 1u);
    EXPECT_EQ(offered[0].m_crBack, COLORREF(0x00FF7F)) << "red 0.5, green 1, blue 0, times 255 and cut";
    EXPECT_EQ(offered[0].m_crText, COLORREF(0x1E140A));
    EXPECT_TRUE(offered[0].m_strVod == kEmptyVod && offered[0].m_nFontMode == 0);
    EXPECT_EQ(std::make_pair(offered[0].m_nOpenX, offered[0].m_nOpenY), std::make_pair(70, 80));
  }
}

TEST(InsertVodText, MakesAFreeTextOrOneOnTheFirstSelectedPoint) {
  const QString label = QString::fromUtf8("插入VOD彩色文本");
  const struct Row {
    const char* name;
    int points;  // selected
    BOOL asTexture;
    bool follows;
  } rows[] = {
      {"free, as a texture", 0, TRUE, false},
      {"free, from the pixels", 0, FALSE, false},
      {"on the first of two points", 2, TRUE, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CommandPage p;
    RegisterInsert(p, row.asTexture);
    const std::vector<WORD> points = p.Points(2);
    if (row.points) p.Select({points[1], points[0]});
    // The text hides the label of the point it follows, and undo does not
    // show it again: hidden from the start, the point's record stays put.
    p.Find(points[1])->m_bLabelHidden = 1;
    p.dialogs->Ok(Answer(kFormula, false));
    const std::vector<WORD> made = p.ExpectConstruction(kInsert, 1, label);
    ASSERT_EQ(made.size(), 1u);
    auto* text = p.As<CGTbVodText>(made[0]);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->m_nSubKind, 4);
    EXPECT_EQ(text->m_strMarkup, kFormula);
    EXPECT_EQ(text->m_dwOption, COLORREF(0xFFFFFF)) << "the white background";
    auto* follower = dynamic_cast<CGTbMhc*>(text);
    EXPECT_EQ(follower != nullptr, row.follows);
    if (follower) {
      ASSERT_EQ(follower->m_parents.size(), 1u);
      EXPECT_EQ(follower->m_parents[0], points[1]) << "the first selected point";
    } else {
      EXPECT_EQ(text->m_dwScalesWithView, row.asTexture ? 1u : 0u);
    }
    EXPECT_GT(text->m_nWidth, 0u) << "rendered";
  }
}

}  // namespace

namespace KAVREL_FILE_LOCAL {

TEST(InsertRichText, PlacesThePictureWithItsTextsAndSize) {
  const QString label = QString::fromUtf8("插入文本");
  const struct Row {
    const char* name;
    bool cancel;
    bool mask;
    int points;  // selected
  } rows[] = {
      {"cancelled", true, true, 0},
      {"no picture", false, false, 0},
      {"free", false, true, 0},
      {"on the first of two points", false, true, 2},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CommandPage p;
    CommandRegistry().Register(kInsert, [&p](unsigned) { InsertRichText(p.doc); });
    const std::vector<WORD> points = p.Points(2);
    if (row.points) p.Select({points[1], points[0]});
    p.Find(points[1])->m_bLabelHidden = 1;  // as the text leaves it, see above
    CDlgRtEdit answer;
    answer.m_strText = QStringLiteral("{\\rtf1 x}");
    answer.m_strTitle = QStringLiteral("x");
    answer.m_nContentWidth = 40, answer.m_nContentHeight = 3;
    if (row.mask) answer.m_mask.assign(24, 0xFF), answer.m_nMaskWidth = 40, answer.m_nMaskHeight = 3;
    if (row.cancel)
      p.dialogs->Cancel<CDlgRtEdit>();
    else
      p.dialogs->Ok(answer);
    if (row.cancel || !row.mask) {
      p.ExpectNothingMade([&] { p.Run(kInsert); });
      continue;
    }
    const std::vector<WORD> made = p.ExpectConstruction(kInsert, 1, label);
    ASSERT_EQ(made.size(), 1u);
    auto* text = p.As<CGTextbit>(made[0]);
    ASSERT_TRUE(text);
    EXPECT_EQ(std::make_tuple(text->m_nSubKind, text->m_strVodName, text->m_strName),
              std::make_tuple(1, answer.m_strText, answer.m_strTitle));
    EXPECT_EQ(std::make_tuple(std::bit_cast<float>(text->m_dwParam1), std::bit_cast<float>(text->m_dwParam2),
                              text->m_nWidth, text->m_nHeight),
              std::make_tuple(40.0f, 3.0f, 40u, 3u));
    EXPECT_TRUE(text->HasPicture());
    auto* follower = dynamic_cast<CGTbHenchman*>(text);
    EXPECT_EQ(follower != nullptr, row.points > 0);
    if (follower) { EXPECT_EQ(follower->m_parents, std::vector<WORD>{points[1]}) << "the first selected point"; }
  }
}

}  // namespace
