// The selection commands: what each selects, the message the object list
// hears (code, 40000 + page id, posted or sent), and that none of them
// modifies the document.
#include <algorithm>

#include "cells/primitives/arcsbypoints.h"
#include "model/selection.h"
#include "platform/commandids.h"
#include "support/commandpage.h"

namespace KAVREL_FILE_LOCAL {

// A, B, C; segment AB; face ABC; a hidden face and an undefined one; the
// circle through A, B, C; D on nothing, hidden.
struct SelectFigure {
  explicit SelectFigure(CommandPage& p) {
    a = p.Point(0, 0, 0), b = p.Point(4, 0, 0), c = p.Point(0, 3, 0);
    ab = p.Line(a, b);
    face = p.Face({a, b, c});
    hiddenFace = p.Face({a, b, c});
    p.Find(hiddenFace)->m_bHidden = 1;
    undefinedFace = p.Face({a, b, c});
    p.Find(undefinedFace)->m_bDefined = false;
    circle = p.Enter(new CGArcCircle3P(p.Page().m_nNextId++, a, b, c, kArcCircle));
    d = p.Point(1, 1, 1);
    p.Find(d)->m_bHidden = 1;
  }
  WORD a, b, c, ab, face, hiddenFace, undefinedFace, circle, d;
};

TEST(SelectCommands, EachSelectsItsKindAndTellsTheObjectList) {
  // The figure's ids: A 1, B 2, C 3, AB 4, faces 5 (shown), 6 (hidden),
  // 7 (undefined), circle 8, D 9 (hidden).
  struct Row {
    unsigned command;
    std::vector<WORD> before, after;  // m_selAll
    int code;
    bool posted;
  } const rows[] = {
      {ID_EDIT_SELECT_ALL, {}, {1, 2, 3, 4, 5, 6, 7, 8, 9}, 3, true},
      {ID_SELECT_POINT, {2}, {2, 1, 3}, 5, true},
      {ID_SELECT_LINE, {}, {4}, 6, true},
      {ID_SELECT_FACE, {5}, {5}, 7, true},
      {kCmdSelectCircles, {}, {8}, 8, true},
      {ID_SELECT_PARENTS, {4}, {1, 2}, 9, true},
      {ID_SELECT_CHILDREN, {3}, {5, 6, 7, 8}, 10, true},
      {ID_SELECT_PAGE, {}, {}, 4, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.command);
    CommandPage p;
    SelectFigure f(p);
    ASSERT_EQ(f.d, 9);
    p.doc.OnCreatePage();
    p.doc.GotoPrevPage();
    p.Select(row.before);
    p.seams.bridge->messages.clear();
    ASSERT_TRUE(p.Run(row.command));
    EXPECT_EQ(p.Page().m_selAll, row.after);
    for (auto [id, cell] : p.Page().m_cells)
      EXPECT_EQ(cell->m_bSelected, std::count(p.Page().m_selAll.begin(), p.Page().m_selAll.end(), id) == 1) << id;
    EXPECT_EQ(p.Page().m_bSelected != 0, row.command == ID_SELECT_PAGE);
    const auto told = p.Messages(WM_SELECTION_CHANGED);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].wParam, WPARAM(row.code));
    EXPECT_EQ(told[0].lParam, 40000 + p.Page().m_nId);
    EXPECT_EQ(told[0].posted, row.posted);
    EXPECT_FALSE(p.doc.IsModified());
  }
}

TEST(SelectCommands, VisibleKindsTellTheListOnlyWhenSomethingIsSelected) {
  for (unsigned command : {unsigned(ID_SELECT_POINT), unsigned(ID_SELECT_LINE), unsigned(ID_SELECT_FACE), unsigned(kCmdSelectCircles)}) {
    SCOPED_TRACE(command);
    CommandPage p;
    p.Find(p.Point())->m_bHidden = 1;
    p.seams.bridge->messages.clear();
    ASSERT_TRUE(p.Run(command));
    EXPECT_TRUE(p.Page().m_selAll.empty());
    EXPECT_TRUE(p.Messages(WM_SELECTION_CHANGED).empty());
  }
}

}  // namespace
