// The property command: which report or dialog a selection gets, the exact
// report texts (parallel planes either way round, a point on a line never
// "nan"), the tail after every box and dialog but a report on an undefined
// cell, and the page dialog's answer.
#include <QTemporaryDir>

#include "cells/dynamic/parameters/userparameter.h"
#include "cells/primitives/cgarc.h"
#include "cells/texts/cgtextbit.h"
#include "editing/dialogs/properties/imagepropertydialog.h"
#include "editing/dialogs/properties/pagepropertydialog.h"
#include "editing/properties/propertyrows.h"
#include "platform/commandids.h"
#include "render/viewglobals.h"
#include "support/commandpage.h"
#include "support/documentfiles.h"

namespace KAVREL_FILE_LOCAL {
// A point row ahead of every other that only answers while a test arms it,
// so the dispatch can be seen to reach the point list.
bool g_bPointRowArmed = false;
WORD g_nPointRowCell = 0;
bool RecordPointRow(CKavrelDoc&, CGCell& cell) {
  if (!g_bPointRowArmed) return false;
  g_nPointRowCell = cell.m_nId;
  return true;
}
const CPropertyRows testRows({{PropertyList::Points, 1, "CGVertex", RecordPointRow}});

// A(0,0,0) B(4,0,0) C(0,3,0) D(0,0,5) E(4,0,5) F(0,3,5); segments AB, DE,
// CD; faces ABC, DEF, FED, ABD and BCA; G = H at (1,1,0) with GH; X on the
// segment YZ, where rounding leaves the squared distance just below 0.
struct Figure : CommandPage {
  Figure() {
    const float at[][3] = {{0, 0, 0}, {4, 0, 0}, {0, 3, 0}, {0, 0, 5}, {4, 0, 5}, {0, 3, 5},
                           {1, 1, 0}, {1, 1, 0}, {2.5f, -0.1f, 0.5f}, {3, 0, 0}, {0.5f, -0.5f, 2.5f}};
    for (const auto& p : at) Point(p[0], p[1], p[2]);
    for (const char* ends : {"AB", "DE", "CD", "GH", "JK"}) Line(N(ends[0]), N(ends[1]));
    for (const char* corners : {"ABC", "DEF", "FED", "ABD", "BCA"}) Face({N(corners[0]), N(corners[1]), N(corners[2])});
  }
  WORD N(char name) const { return Named(QString(QChar(name))); }
};

TEST(PropertyCommand, TwoPrimitivesReportTheirDistanceOrAngle) {
  const struct Row {
    const char* selection;
    const char* text;
    const char* caption;
  } rows[] = {
      {"D AB", "点 D 到直线 AB 距离为 5 \n", "点到直线距离"},
      {"D ABC", "点 D 到平面 ABC 距离为 5 \n", "点到平面距离"},
      {"A B", "点 A 与点 B 距离为 4 \n", "两点间距离"},
      {"DE ABC", "直线 DE 与平面 ABC 平行，距离为 5", "直线与平面关系"},
      {"AB ABC", "直线 AB 在平面 ABC 内", "直线与平面关系"},
      {"CD ABC", "直线 CD 与平面 ABC 相交，所成角为 59.0362°\n", "直线与平面关系"},
      {"AB CD", "直线 AB 与直线 CD 所成角为 90°\n\n距离为 2.57248", "两条直线关系"},
      // Normals the same way and the opposite way: parallel both.
      {"ABC DEF", "平面 ABC 与平面 DEF 平行，距离为 5", "两平面关系"},
      {"ABC FED", "平面 ABC 与平面 FED 平行，距离为 5", "两平面关系"},
      {"ABC BCA", "平面 ABC 与平面 BCA 重合", "两平面关系"},
      {"ABC ABD", "平面 ABC 与平面 ABD 相交，所成角为 90°\n", "两平面关系"},
      {"D AB ABC", "点 D 到直线 AB 距离为 5 \n", "点到直线距离"},
      {"A B AB ABC", "点 A 与点 B 距离为 4 \n", "两点间距离"},
      {"D GH", "点 D 到直线 GH 距离为 5.19615 \n", "点到直线距离"},
      {"I JK", "点 I 到直线 JK 距离为 0 \n", "点到直线距离"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.selection);
    Figure p;
    p.SelectNamed(QString::fromUtf8(r.selection));
    ASSERT_TRUE(p.Run(ID_EDIT_PROPERTY));
    ASSERT_EQ(p.seams.notifier->shown.size(), 1u);
    const ShownMessage& shown = p.seams.notifier->shown[0];
    EXPECT_EQ(shown.text, QString::fromUtf8(r.text));
    EXPECT_EQ(shown.caption, QString::fromUtf8(r.caption));
    EXPECT_EQ(shown.type, unsigned(MB_OK | MB_ICONWARNING));
    EXPECT_TRUE(p.doc.IsModified());
    EXPECT_GT(p.seams.bridge->viewUpdates, 0);
  }
}

TEST(PropertyCommand, AReportOnAnUndefinedCellShowsNothingAndChangesNothing) {
  for (const char* selection : {"D AB", "A B", "AB CD", "ABC DEF"}) {
    SCOPED_TRACE(selection);
    Figure p;
    p.SelectNamed(QString::fromUtf8(selection));
    p.Find(p.Page().m_selAll.back())->m_bDefined = false;  // as an intersection that has none
    ASSERT_TRUE(p.Run(ID_EDIT_PROPERTY));
    EXPECT_TRUE(p.seams.notifier->shown.empty());
    EXPECT_FALSE(p.doc.IsModified());
    EXPECT_EQ(p.seams.bridge->viewUpdates, 0);
  }
}

TEST(PropertyCommand, TheFirstRuleThatHoldsDecides) {
  const struct Row {
    const char* what;
    bool circle, parameter, picture;
    const char* points;
    bool pointRow, pageDialog, pictureDialog;
  } rows[] = {
      {"three points", false, false, false, "A B C", false, true, false},
      {"nothing", false, false, false, "", false, true, false},
      {"a point and a circle", true, false, false, "D", true, false, false},
      {"a value and a picture: the picture's", false, true, true, "", false, false, true},
      {"a point with no row of its own: no dialog", false, false, false, "D", false, false, false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    Figure p;
    std::vector<WORD> ids;
    for (const QString& name : QString::fromUtf8(r.points).split(' ', Qt::SkipEmptyParts)) ids.push_back(p.Named(name));
    if (r.circle)
      ids.push_back(p.Enter(new CGArc(p.Page().m_nNextId++, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, kArcFullTurn, kArcCircle)));
    if (r.parameter) ids.push_back(p.Enter(new CGTmVarParameter(p.Page().m_nNextId++, QStringLiteral("t"), 1)));
    if (r.picture) ids.push_back(p.Enter(new CGTbImage(p.Page().m_nNextId++, 1, 1, std::vector<BYTE>(4))));
    p.Select(ids);
    g_bPointRowArmed = r.pointRow;
    g_nPointRowCell = 0;
    p.dialogs->Cancel<CDlgPageProperty>();
    ASSERT_TRUE(p.Run(ID_EDIT_PROPERTY));
    g_bPointRowArmed = false;
    EXPECT_EQ(g_nPointRowCell, r.pointRow ? p.Named(QStringLiteral("D")) : 0);
    EXPECT_EQ(p.dialogs->Offered<CDlgPageProperty>().size(), r.pageDialog ? 1u : 0u);
    EXPECT_EQ(p.dialogs->Offered<CDlgImagePropy>().size(), r.pictureDialog ? 1u : 0u);
    EXPECT_TRUE(p.seams.notifier->shown.empty());
    // Whatever branch, cancelled or without a dialog: the tail.
    EXPECT_TRUE(p.doc.IsModified());
    EXPECT_GT(p.seams.bridge->viewUpdates, 0);
  }
}

CDlgPageProperty PageAnswer(int unitLength) {
  CDlgPageProperty answer;
  answer.m_strPageName = QString::fromUtf8("第二页 %s \"页\"");
  answer.m_nUnitLength = unitLength;
  answer.m_bDashedHidden = 0;
  answer.m_nDirection = CDlgPageProperty::X_REVERSED;
  answer.m_crBackground = 0x00336699;
  return answer;
}

TEST(PropertyCommand, ThePageDialogSetsThePageTheBackgroundAndTheZoom) {
  CommandPage p;
  p.doc.OnCreatePage();  // the second page, current
  p.dialogs->Ok(PageAnswer(40));
  ASSERT_TRUE(p.Run(ID_EDIT_PROPERTY));
  const CDlgPageProperty offered = p.dialogs->Offered<CDlgPageProperty>().at(0);
  EXPECT_EQ(offered.m_nUnitLength, 20) << "at 0.05 units per pixel";
  EXPECT_EQ(offered.m_nSliderPos, 20);
  EXPECT_EQ(offered.m_nDirection, CDlgPageProperty::Y_SAME);
  EXPECT_EQ(offered.m_crBackground, 0x00FFFFFFu);

  CGPage& page = p.Page();
  EXPECT_EQ(page.m_strName, QString::fromUtf8("第二页 %s \"页\""));
  EXPECT_EQ(page.m_nPixelsPerUnit, 40);
  EXPECT_EQ(g_fUnitsPerPixel, 0.025f);
  EXPECT_EQ(page.m_nAxisOrientation, 2);
  EXPECT_EQ(page.m_bLitHidesDashed, 0);
  const float background[4] = {0x99 / 255.0f, 0x66 / 255.0f, 0x33 / 255.0f, 1.0f};
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(page.m_rgbaBackground[k], background[k]) << k;
    EXPECT_EQ(g_prefs.background[k], background[k]) << k;
  }
  const std::vector<BridgeMessage> texts = p.Messages(WM_ITEM_TEXTS);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_TRUE(texts[0].posted && texts[0].wParam == 2 && texts[0].lParam == 2) << "the second page, counted from 1";

  // The same length again leaves the zoom alone.
  g_fUnitsPerPixel = 0.05f;
  p.dialogs->Ok(PageAnswer(40));
  ASSERT_TRUE(p.Run(ID_EDIT_PROPERTY));
  EXPECT_EQ(g_fUnitsPerPixel, 0.05f);
}

TEST(PropertyCommand, AnEditedPageSavesReopensAndSavesAlike) {
  CommandPage p;
  p.Point(1, 2, 3);
  p.dialogs->Ok(PageAnswer(37));
  ASSERT_TRUE(p.Run(ID_EDIT_PROPERTY));
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("page.kv"));
  ASSERT_TRUE(p.doc.OnSaveDocument(path));
  const QByteArray saved = DocumentBytes(p.doc);
  CKavrelDoc reopened;
  ASSERT_TRUE(reopened.OnOpenDocument(path, false));
  EXPECT_EQ(reopened.m_pages.at(0)->m_strName, QString::fromUtf8("第二页 %s \"页\""));
  EXPECT_EQ(reopened.m_pages.at(0)->m_nPixelsPerUnit, 37);
  EXPECT_EQ(DocumentBytes(reopened), saved);
}

}  // namespace
