// The + and - keys step the selection through the objects under the last
// click: the status text, the object lists, and the drag they offer.
#include "cells/primitives/cgline.h"
#include "cells/texts/cgtextbit.h"
#include "support/commandpage.h"
#include "view/pickchoice.h"
#include "view/selectionstepping.h"
#include "view/toolstate.h"

namespace KAVREL_FILE_LOCAL {

TEST(SelectionStepping, PlusAndMinusWalkThePointsUnderTheClick) {
  CommandPage p;
  const std::vector<WORD> points = p.Points(3);  // A, B, C
  p.Select({points[0]});  // as the click left it: the selection clears the hit list
  p.Page().m_nStepKind = kPickPoint;
  p.Page().m_stepList = points;
  struct Step {
    bool forward;
    const char* text;
    WORD selected;
  } const steps[] = {
      {true, "选择点B", points[1]},
      {true, "选择点C", points[2]},
      {true, "选择点C", points[2]},  // the last stays
      {false, "选择点B", points[1]},
      {false, "选择点A", points[0]},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.text);
    g_viewTool.dragKind = 0;
    p.seams.bridge->messages.clear();
    const QString text = step.forward ? SelectNextObject() : SelectPreviousObject();
    EXPECT_EQ(text, QString::fromUtf8(step.text));
    EXPECT_EQ(std::make_pair(p.Page().m_selPoints, p.Page().m_selAll),
              std::make_pair(std::vector<WORD>{step.selected}, std::vector<WORD>{step.selected}));
    for (WORD id : points) EXPECT_EQ(p.Find(id)->m_bSelected, id == step.selected) << id;
    EXPECT_EQ(std::make_tuple(g_viewTool.dragKind, g_nDragId), std::make_tuple(1, step.selected));
    // The object list unticks the one left and ticks the one taken.
    std::vector<std::pair<WPARAM, LPARAM>> told;
    for (const BridgeMessage& m : p.Messages(WM_SELECTION_CHANGED)) told.emplace_back(m.wParam, m.lParam);
    if (told.empty()) continue;  // it stayed
    EXPECT_EQ(told, (std::vector<std::pair<WPARAM, LPARAM>>{{0, told[0].second}, {1, step.selected}}));
  }
}

TEST(SelectionStepping, EachPickKindSaysWhatIsSelectedAndSomeChangeNothing) {
  struct Row {
    const char* name;
    int kind;
    const char* text;  // "": nothing changes
    int dragKind;
  } const rows[] = {
      {"lines", kPickLine, "选择线AB", 0},
      {"texts", kPickText, "选择文本", kPickText},
      {"other cells", kPickOther, "选择AB", 0},
      {"labels", kPickLabel, "", 0},
      {"button handles", kPickButtonHandle, "", 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CommandPage p;
    const std::vector<WORD> points = p.Points(2);
    const auto make = [&]() -> WORD {
      if (row.kind != kPickText) return p.Line(points[0], points[1]);
      auto* text = new CGTextbit;
      text->m_nId = p.Page().m_nNextId++;
      return p.Enter(text);
    };
    const WORD first = make(), second = make();
    p.Find(second)->m_strName = QStringLiteral("AB");
    p.Select({first});
    p.Page().m_nStepKind = row.kind;
    p.Page().m_stepList = {first, second};
    if (row.kind == kPickOther) p.Page().m_selOthers = {first};
    g_viewTool.dragKind = 0;
    EXPECT_EQ(SelectNextObject(), QString::fromUtf8(row.text));
    EXPECT_EQ(g_viewTool.dragKind, row.dragKind);
    EXPECT_EQ(p.Find(second)->m_bSelected, *row.text != 0);
  }
}

TEST(SelectionStepping, NoHitsOrNothingSelectedChangesNothing) {
  CommandPage p;
  const std::vector<WORD> points = p.Points(2);
  p.Page().m_nStepKind = kPickPoint;
  p.Select({points[0]});
  EXPECT_EQ(SelectNextObject(), QString());
  p.Select({});
  p.Page().m_stepList = points;
  EXPECT_EQ(SelectNextObject(), QString());
  EXPECT_TRUE(p.Page().m_selAll.empty());
}

}  // namespace
