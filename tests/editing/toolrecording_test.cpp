// Recording a user tool from the selection: the records made, the question
// when the structure changed, the refusals, and the page left as it was.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>

#include "cells/constrained/dependentpoints.h"
#include "cells/dynamic/parameters/usercalculation.h"
#include "cells/dynamic/parameters/userparameter.h"
#include "editing/tooldialog.h"
#include "editing/toolrecording.h"
#include "editingtestsupport.h"
#include "model/document/usertool.h"
#include "platform/archive.h"
#include "support/commandpage.h"

namespace KAVREL_FILE_LOCAL {

bool AnyMarked(const CGPage& page) {
  for (auto [id, cell] : page.m_cells)
    if (cell->m_bMarked) return true;
  return false;
}

// A copy: class, name, parents, description; an input: id, prompt, point.
using Copy = std::tuple<std::string, QString, std::vector<WORD>, QString>;
using Input = std::tuple<int, QString, bool>;

// Builds its page and returns the ids to select.
using Scene = std::function<std::vector<WORD>(CommandPage&)>;

std::vector<WORD> SegmentAlone(CommandPage& p) {
  const WORD a = p.Point(), b = p.Point(1, 2, 0);
  return {p.Line(a, b)};
}

WORD Parameter(CommandPage& p, const QString& name) {
  return p.Enter(new CGTmVarParameter(p.Page().m_nNextId++, name, 2.5f));
}

TEST(ToolRecording, RecordsTheStructureOfTheSelection) {
  const std::vector<WORD> none;
  const QString free = QStringLiteral("全自由点");
  const std::vector<Copy> segment = {{"CGVerFreeXyz", "A", none, free},
                                     {"CGVerFreeXyz", "B", none, free},
                                     {"CGLine", "AB", {0, 1}, "点A、B 确定的线段"}};
  const std::vector<Input> ends = {{0, "点A", true}, {1, "点B", true}};
  const struct Row {
    const char* name;
    Scene scene;
    bool asked;
    std::vector<Copy> copies;
    std::vector<Input> inputs;
    int points, pointInputs;
  } rows[] = {
      {"a segment alone: its ends become the inputs", SegmentAlone, true, segment, ends, 2, 2},
      {"the segment with both ends: nothing to ask",
       [](CommandPage& p) {
         const WORD a = p.Point(), b = p.Point(1, 2, 0);
         return std::vector<WORD>{a, b, p.Line(a, b)};
       },
       false, segment, ends, 2, 2},
      // Two ancestors added, two free points dropped: the same count, and still asked.
      {"as many added as dropped",
       [](CommandPage& p) {
         const WORD a = p.Point(), b = p.Point(1, 2, 0), c = p.Point(5, 0, 0), d = p.Point(6, 0, 0);
         return std::vector<WORD>{c, d, p.Line(a, b)};
       },
       true, segment, ends, 2, 2},
      {"unrelated cells between are left out, the ids closed up",
       [](CommandPage& p) {
         const WORD a = p.Point(), other = p.Point(9, 9, 9), b = p.Point(1, 2, 0);
         p.Line(a, other);
         const WORD ac = p.Line(a, b);
         return std::vector<WORD>{
             p.Enter(new CGVerMid(p.Page().m_nNextId++, p.Page().m_nNextVertex++, QStringLiteral("M"), ac))};
       },
       true,
       {{"CGVerFreeXyz", "A", none, free},
        {"CGVerFreeXyz", "C", none, free},
        {"CGLine", "AC", {0, 1}, "点A、C 确定的线段"},
        {"CGVerMid", "M", {2}, "线段AC的中点"}},
       {{0, "点A", true}, {1, "点C", true}},
       3, 2},
      {"a value input",
       [](CommandPage& p) {
         const WORD t = Parameter(p, QStringLiteral("t1"));
         return std::vector<WORD>{p.Enter(new CGTmVarCalculator(p.Page().m_nNextId++, {t}, "No1*2", QString()))};
       },
       true,
       {{"CGTmVarParameter", "t1", none, "自定义参数：t1"}, {"CGTmVarCalculator", "[t1]*2", {0}, "计算：No1*2"}},
       {{0, "值t1", false}},
       0, 0},
  };
  for (const Row& row : rows) {
    CommandPage p;
    p.Select(row.scene(p));
    const QByteArray before = PageBytes(p.Page());
    g_nDragId = 1;  // a drag does not outlive the recording
    const std::unique_ptr<CRecord> record = CreateToolFromSelection();
    EXPECT_EQ(g_nDragId, 0) << row.name;
    ASSERT_NE(record, nullptr) << row.name;
    const auto& shown = p.seams.notifier->shown;
    ASSERT_EQ(shown.size(), row.asked ? 1u : 0u) << row.name;
    if (row.asked) {
      EXPECT_EQ(shown[0].text, QStringLiteral("选取的结构不合条件。\n\n程序已对对象进行智能扩减，现已满足条件。\n\n是否继续？"));
      EXPECT_EQ(shown[0].caption, QStringLiteral("继续创建工具？"));
      EXPECT_EQ(shown[0].type, unsigned(MB_OKCANCEL | MB_ICONQUESTION));
    }
    std::vector<Copy> copies;
    for (const auto& c : record->m_cells) {
      copies.emplace_back(c->GetRuntimeClass()->m_lpszClassName, c->m_strName, c->m_parents, c->m_strText);
      EXPECT_EQ(c->m_nId, copies.size() - 1) << row.name;
      EXPECT_TRUE(c->m_children.empty()) << row.name;
    }
    EXPECT_EQ(copies, row.copies) << row.name;
    std::vector<Input> inputs;
    for (const auto& c : record->m_conditions) inputs.emplace_back(c->m_nId, c->m_strComment, c->m_bIsPoint);
    EXPECT_EQ(inputs, row.inputs) << row.name;
    EXPECT_EQ(std::make_tuple(record->m_nCellCount, record->m_nPointCount, record->m_nInputCount,
                              record->m_nPointInputCount),
              std::make_tuple(int(copies.size()), row.points, int(inputs.size()), row.pointInputs))
        << row.name;
    EXPECT_EQ(PageBytes(p.Page()), before) << row.name;
    EXPECT_FALSE(AnyMarked(p.Page())) << row.name;
    EXPECT_NE(CopyRecord(*record), nullptr) << "the record reads back: " << row.name;
  }
}

TEST(ToolRecording, SelectionsThatGiveNoToolAreRefused) {
  const struct Row {
    const char* name;
    Scene scene;
  } rows[] = {
      {"a segment resting on a plain point",
       [](CommandPage& p) {
         const WORD fixed = p.Enter(new CGVertex(p.Page().m_nNextId++, p.Page().m_nNextVertex++, "A", 0, 0, 0));
         return std::vector<WORD>{p.Line(fixed, p.Point(1, 0, 0))};
       }},
      {"one lone free point", [](CommandPage& p) { return std::vector<WORD>{p.Point()}; }},
      {"a lone parameter", [](CommandPage& p) { return std::vector<WORD>{Parameter(p, QStringLiteral("t"))}; }},
      {"only the page selected",
       [](CommandPage& p) {
         SegmentAlone(p);
         return std::vector<WORD>{};
       }},
      // A damaged file may leave a parent missing: its copy would point nowhere.
      {"a segment whose end is gone",
       [](CommandPage& p) {
         const std::vector<WORD> segment = SegmentAlone(p);
         delete p.Page().m_cells.RemoveKey(2);
         return segment;
       }},
  };
  for (const Row& row : rows) {
    CommandPage p;
    p.Select(row.scene(p));
    p.Page().m_bSelected = 1;
    const QByteArray before = PageBytes(p.Page());
    p.ExpectNothingMade([&] { EXPECT_TRUE(p.Run(ID_TOOL_CREATE)) << row.name; });
    ASSERT_EQ(p.seams.notifier->shown.size(), 1u) << row.name;
    const ShownMessage& shown = p.seams.notifier->shown[0];
    EXPECT_EQ(shown.text, QStringLiteral("不合条件。\n\n程序已尝试智能扩减对象，但仍未能创建。\n\n请重新选择一个完整的结构！"));
    EXPECT_EQ(shown.caption, QStringLiteral("创建工具失败")) << row.name;
    EXPECT_EQ(shown.type, unsigned(MB_OK | MB_ICONERROR)) << row.name;
    EXPECT_TRUE(p.dialogs->Offered<CDlgTool>().empty() && p.doc.m_tools.empty()) << row.name;
    EXPECT_EQ(PageBytes(p.Page()), before) << row.name;
    EXPECT_FALSE(AnyMarked(p.Page())) << row.name;
  }
  CommandPage p;
  SegmentAlone(p);
  EXPECT_FALSE(p.Run(ID_TOOL_CREATE)) << "nothing selected";
}

}  // namespace
