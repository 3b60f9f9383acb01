// The show/hide button's targets changed from the selection, the page's
// automatic button set and cleared, and the table command.
#include <chrono>

#include "cells/dynamic/buttons/animationbutton.h"
#include "cells/dynamic/buttons/showhidebutton.h"
#include "cells/dynamic/buttons/viewbuttons.h"
#include "editing/buttons/buttonmembership.h"
#include "editing/dialogs/document/documentdialogs.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "support/commandpage.h"

namespace KAVREL_FILE_LOCAL {
const char* kRefused = "有些对象不能添加，它们生成于该按钮之后。";
const char* kEmpty = "当前按钮控制对象为空，建议删除它。";

// Points A, B, C, D, then a show/hide button H over A and B.
struct ShowHide : CommandPage {
  ShowHide() {
    points = Points(4);
    Select({points[0], points[1]});
    h = Enter(new CGButnSHide(Page().m_nNextId++));
    Page().ClearSelection();
    doc.SetModifiedFlag(false);
  }
  const std::vector<WORD>& Targets() { return Find(h)->m_parents; }
  bool HasButton(WORD id) {
    const auto& c = Find(id)->m_children;
    return std::count(c.begin(), c.end(), h) == 1;
  }
  std::vector<QString> Shown() const { return seams.notifier->Texts(); }
  std::vector<WORD> points;
  WORD h = 0;
};

TEST(ButtonMembership, SelectedCellsLeaveOrJoinInIdOrder) {
  ShowHide p;
  const WORD a = p.points[0], b = p.points[1], c = p.points[2];
  p.Select({c, a, p.h});
  ASSERT_TRUE(p.Run(ID_EDIT_BTN_ADDOBJ));
  EXPECT_EQ(p.Targets(), (std::vector<WORD>{b, c}));
  EXPECT_FALSE(p.HasButton(a));
  EXPECT_TRUE(p.HasButton(b));
  EXPECT_TRUE(p.HasButton(c));
  EXPECT_TRUE(p.Page().m_selAll.empty());
  EXPECT_FALSE(p.Find(p.h)->m_bSelected);
  EXPECT_TRUE(p.Shown().empty());
  EXPECT_TRUE(p.doc.IsModified());
  EXPECT_EQ(p.Page().m_undo.GetCount(), 0);
  // An undefined cell joining makes the button undefined, and its leaving
  // defined again.
  const WORD d = p.points[3];
  p.Find(d)->m_bDefined = false;  // by hand, outside an edit: taken as the page stands
  for (bool defined : {false, true}) {
    p.Select({d, p.h});
    ASSERT_TRUE(p.Run(ID_EDIT_BTN_ADDOBJ));
    EXPECT_EQ(p.Find(p.h)->m_bDefined, defined);
  }
}

TEST(ButtonMembership, LaterCellsAreRefusedAndAnEmptyButtonWarned) {
  const struct Row {
    const char* what;
    int laterPoints;
    bool dropTargets;
    std::vector<QString> shown;
  } rows[] = {
      {"later point", 1, false, {QString::fromUtf8(kRefused)}},
      {"last targets", 0, true, {QString::fromUtf8(kEmpty)}},
      {"both", 1, true, {QString::fromUtf8(kRefused), QString::fromUtf8(kEmpty)}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    ShowHide p;
    std::vector<WORD> chosen;
    if (r.dropTargets) chosen = {p.points[0], p.points[1]};
    if (r.laterPoints) chosen.push_back(p.Point());
    chosen.push_back(p.h);
    p.Select(chosen);
    ASSERT_TRUE(p.Run(ID_EDIT_BTN_ADDOBJ));
    EXPECT_EQ(p.Shown(), r.shown);
    if (r.laterPoints) {
      EXPECT_FALSE(p.HasButton(chosen[chosen.size() - 2]));
    }
    EXPECT_EQ(p.Targets().empty(), r.dropTargets);
  }
}

TEST(ButtonMembership, EnabledOnlyWithAShowHideButtonLastAndSomethingElse) {
  ShowHide p;
  const WORD d = p.points[3];
  p.Select({p.h});
  EXPECT_FALSE(p.Run(ID_EDIT_BTN_ADDOBJ)) << "nothing else selected";
  p.Select({p.h, d});
  ASSERT_TRUE(p.Run(ID_EDIT_BTN_ADDOBJ)) << "H is still the last selected button";
  EXPECT_TRUE(p.HasButton(d));
  p.Select({p.points[0]});
  const WORD anim = p.Enter(new CGButnAnimation(p.Page().m_nNextId++, QStringLiteral("动画"), p.points[0], 0, 1, 0, 0,
                                                0.1f, 0));
  p.Select({p.h, anim});
  EXPECT_FALSE(p.Run(ID_EDIT_BTN_ADDOBJ)) << "the last selected button is an animation button";
}

TEST(ButtonMembership, TenThousandCellsAgainstTenThousandTargets) {
  CommandPage p;
  CGPage& page = p.Page();
  std::vector<WORD> points = p.Points(20000);
  // Targets: the first 10,000; selected: the even ones of all 20,000.
  p.Select(std::vector<WORD>(points.begin(), points.begin() + 10000));
  auto* button = new CGButnSHide(page.m_nNextId++);
  p.Enter(button);
  std::vector<WORD> selected;
  for (size_t i = 0; i < points.size(); i += 2) selected.push_back(points[i]);
  const auto start = std::chrono::steady_clock::now();
  const CMembershipChange change = ToggleTargets(page, *button, selected);
  const auto took = std::chrono::steady_clock::now() - start;
  EXPECT_LT(took, std::chrono::milliseconds(200));
  EXPECT_EQ(std::make_tuple(change.refused, change.empty), std::make_tuple(0, false));
  EXPECT_EQ(button->m_parents.size(), 10000u);
  EXPECT_EQ(button->m_parents.front(), points[1]);
  EXPECT_EQ(button->m_parents.back(), points[19998]);
}

TEST(AutoButtons, SetFromOneButtonAndClearedOnOneOrEveryPage) {
  CommandPage p;
  const WORD a = p.Point();
  const WORD b1 = p.Enter(new CGButnScale(p.Page().m_nNextId++, QStringLiteral("z"), 1, 2, 0, 0, 5, 0));
  const WORD b2 = p.Enter(new CGButnScale(p.Page().m_nNextId++, QStringLiteral("z"), 1, 2, 0, 0, 5, 0));
  EXPECT_FALSE(p.Run(ID_AUTOBTNDEL)) << "no automatic button yet";
  p.Select({b1, b2});
  EXPECT_FALSE(p.Run(ID_AUTOBTN));
  p.Select({a, b2});
  ASSERT_TRUE(p.Run(ID_AUTOBTN));
  EXPECT_EQ(p.Page().m_nAutoButton, b2);
  EXPECT_TRUE(p.doc.IsModified());
  p.doc.SetModifiedFlag(false);
  ASSERT_TRUE(p.Run(ID_AUTOBTNDEL));
  EXPECT_EQ(p.Page().m_nAutoButton, 0);
  EXPECT_TRUE(p.doc.IsModified());
  for (int k = 0; k < 2; ++k) p.doc.OnCreatePage();
  for (const auto& page : p.doc.m_pages) page->m_nAutoButton = 7;
  ASSERT_TRUE(p.Run(ID_AUTODELALL));
  for (const auto& page : p.doc.m_pages) EXPECT_EQ(page->m_nAutoButton, 0);
  EXPECT_EQ(p.doc.m_pages.size(), 3u);
  EXPECT_EQ(p.Page().m_undo.GetCount(), 0);
}

TEST(TableCommand, RowsAndColumnsAsOneStepAndCancelMakesNothing) {
  CommandPage p;
  CDlgTable size;
  size.m_nRows = 3;
  size.m_nCols = 2;
  p.dialogs->Ok(size);
  p.ExpectConstruction(ID_CREATE_TABLE, 5 * 3 * 2 + 2 * (3 + 2) + 2, QStringLiteral("添加表格"));
  const CDlgTable offered = p.dialogs->Offered<CDlgTable>().at(0);
  EXPECT_EQ(std::make_tuple(offered.m_nRows, offered.m_nCols), std::make_tuple(4, 4));
  p.dialogs->Cancel<CDlgTable>();
  p.ExpectNothingMade([&] { ASSERT_TRUE(p.Run(ID_CREATE_TABLE)); });
}
}  // namespace
