// Replaying a user tool: interactively, one input per click, and at once
// over the selection; what each leaves in the page and the undo history.
#include <gtest/gtest.h>

#include <QFile>
#include <climits>
#include <string>

#include "cells/constrained/dependentpoints.h"
#include "cells/constructed/follower2d.h"
#include "cells/dynamic/parameters/usercalculation.h"
#include "cells/dynamic/parameters/userparameter.h"
#include "cells/primitives/cgverfree.h"
#include "cells/primitives/cgverfreeinline.h"
#include "editing/toolrecording.h"
#include "editing/tools/toolcommands.h"
#include "editing/tools/toolinstance.h"
#include "editing/tools/toolreplay.h"
#include "editing/editingtestsupport.h"
#include "model/document/kavreldoc.h"
#include "model/document/toolfolder.h"
#include "model/document/usertool.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "support/commandpage.h"
#include "support/documentfiles.h"

namespace KAVREL_FILE_LOCAL {

WORD Parameter(CommandPage& p, const QString& name) {
  return p.Enter(new CGTmVarParameter(p.Page().m_nNextId++, name, 2.5f));
}

// Records the selection of `selected` as tool `name` of the document; the
// selection is cleared again.
CRecord* Record(CommandPage& p, const std::vector<WORD>& selected, const char* name) {
  p.Select(selected);
  std::unique_ptr<CRecord> record = CreateToolFromSelection();
  EXPECT_NE(record, nullptr);
  if (!record) return nullptr;
  record->m_strName = QString::fromUtf8(name);
  p.doc.m_tools.push_back(std::move(record));
  p.Page().ClearSelection();
  p.seams.notifier->shown.clear();
  return p.doc.m_tools.back().get();
}

// Tool T: segment AB with its midpoint; inputs "点A", "点B".
CRecord* SegmentWithMidpoint(CommandPage& p) {
  const WORD a = p.Point(), b = p.Point(1, 2, 0), ab = p.Line(a, b);
  const WORD m = p.Enter(new CGVerMid(p.Page().m_nNextId++, p.Page().m_nNextVertex++, QStringLiteral("M"), ab));
  return Record(p, {ab, m}, "T");
}

QString LastStatus(const CommandPage& p) {
  const auto& texts = p.seams.bridge->statusTexts;
  return texts.empty() ? QString() : texts.back().second;
}

// A free point made where empty space was clicked, under the pending id.
CGVerFree* ClickedPoint(const CGPage& page, float x) {
  const auto* placeholder = dynamic_cast<const CGVertex*>(page.m_cells.Lookup(WORD(page.m_nToolPendingId)));
  return new CGVerFreeXyz(WORD(page.m_nToolPendingId), placeholder ? placeholder->VertexIndex : 0,
                          placeholder ? placeholder->m_strName : QString(), x, 0, 0);
}

TEST(ToolReplay, TwoClicksOnEmptySpaceBuildTheToolAsOneStep) {
  CommandPage p;
  SegmentWithMidpoint(p);
  CGPage& page = p.Page();
  ASSERT_TRUE(p.Run(ID_TOOL_USE_FIRST));
  EXPECT_EQ(g_nToolMode, 6);
  EXPECT_EQ(page.m_nToolPendingId, -1);
  const WORD first = page.m_nNextId;
  ASSERT_TRUE(StartToolInstance(3, 4, 0));
  EXPECT_FALSE(StartToolInstance(3, 4, 0)) << "one instance at a time";
  ASSERT_EQ(page.m_nToolPendingId, first);
  EXPECT_EQ(LastStatus(p), QStringLiteral("点A"));
  EXPECT_EQ(p.At(first), (std::vector<float>{3, 4, 0})) << "the placeholder follows the pointer";
  EXPECT_EQ(MatchToolInput(page, 0, ClickedPoint(page, 5)), 0);
  EXPECT_EQ(LastStatus(p), QStringLiteral("点B"));
  EXPECT_EQ(MatchToolInput(page, 0, ClickedPoint(page, 7)), 4);
  EXPECT_EQ(LastStatus(p), QStringLiteral("要结束请右击鼠标！"));
  EXPECT_EQ(page.m_nToolPendingId, -1);
  EXPECT_EQ(page.m_pToolRecord, nullptr);
  std::vector<std::string> classes;
  for (int k = 0; k < 4; ++k) classes.emplace_back(p.Find(WORD(first + k))->GetRuntimeClass()->m_lpszClassName);
  EXPECT_EQ(classes, (std::vector<std::string>{"CGVerFreeXyz", "CGVerFreeXyz", "CGLine", "CGVerMid"}));
  EXPECT_EQ(p.Find(first + 2)->m_parents, (std::vector<WORD>{first, WORD(first + 1)}));
  EXPECT_EQ(p.Find(first + 3)->m_parents, (std::vector<WORD>{WORD(first + 2)}));
  EXPECT_EQ(p.Find(first)->m_children, (std::vector<WORD>{WORD(first + 2)}));
  EXPECT_EQ(p.Find(first + 2)->m_children, (std::vector<WORD>{WORD(first + 3)}));
  EXPECT_EQ(p.At(first)[0], 5.0f);
  EXPECT_EQ(p.At(first + 1)[0], 7.0f);
  EXPECT_EQ(p.At(first + 3), (std::vector<float>{6, 0, 0})) << "the midpoint computed";
  CommitToolInstance(p.doc, page, 4);
  EXPECT_EQ(page.m_undo.CurrentCommand()->GetName(), QStringLiteral("使用工具：T"));
  EXPECT_TRUE(p.doc.IsModified());
  const QByteArray done = PageBytes(page);
  page.m_undo.Undo();
  EXPECT_EQ(page.m_nNextId, first);
  EXPECT_EQ(p.Find(first), nullptr);
  page.m_undo.Redo();
  EXPECT_EQ(PageBytes(page), done);
}

TEST(ToolReplay, ClickedPointAndLineAnswerTheInputs) {
  CommandPage p;
  SegmentWithMidpoint(p);
  CGPage& page = p.Page();
  const WORD c = p.Point(10, 0, 0), d = p.Point(10, 4, 0), cd = p.Line(c, d);
  ASSERT_TRUE(p.Run(ID_TOOL_USE_FIRST));
  const WORD first = page.m_nNextId;
  ASSERT_TRUE(StartToolInstance(0, 0, 0));
  EXPECT_FALSE(ToolInputAccepts(page, cd)) << "a line is no point";
  ASSERT_TRUE(ToolInputAccepts(page, c));
  EXPECT_EQ(MatchToolInput(page, c, nullptr), 0);
  EXPECT_EQ(p.Find(first), nullptr) << "the placeholder is gone";
  const WORD pending = WORD(page.m_nToolPendingId);
  const auto* placeholder = p.As<CGVertex>(pending);
  ASSERT_NE(placeholder, nullptr);
  auto* onLine = new CGVerFreeInLine(pending, placeholder->VertexIndex, placeholder->m_strName, cd, 0.5f);
  const int placed = MatchToolInput(page, 0, onLine);
  EXPECT_EQ(placed, 4) << "the placed count: the bound placeholder counts";
  const WORD segment = WORD(pending + 1);
  EXPECT_EQ(p.Find(segment)->m_parents, (std::vector<WORD>{c, pending}));
  EXPECT_EQ(p.Find(c)->m_children, (std::vector<WORD>{cd, segment}));
  EXPECT_EQ(p.Find(cd)->m_children, (std::vector<WORD>{pending}));
  EXPECT_EQ(p.At(pending), (std::vector<float>{10, 2, 0}));
  EXPECT_EQ(page.m_cells.size(), 3u + 4u + 3u) << "tool's scene, C D CD, three new cells";
}

TEST(ToolReplay, RightButtonKeepsTheFinishedInputOnly) {
  CommandPage p;
  SegmentWithMidpoint(p);
  CGPage& page = p.Page();
  ASSERT_TRUE(p.Run(ID_TOOL_USE_FIRST));
  const WORD first = page.m_nNextId;
  ASSERT_TRUE(StartToolInstance(0, 0, 0));
  const QString nameOfA = p.Find(first)->m_strName;
  MatchToolInput(page, 0, ClickedPoint(page, 2));
  const QString nameOfB = p.Find(WORD(page.m_nToolPendingId))->m_strName;
  EXPECT_TRUE(EndPendingTool(page));
  EXPECT_EQ(page.m_nNextId, first + 1);
  EXPECT_EQ(p.Find(first)->m_strName, nameOfA);
  EXPECT_TRUE(p.Find(first)->m_children.empty());
  EXPECT_EQ(page.m_undo.CurrentCommand()->GetName(), QStringLiteral("使用工具：T"));
  EXPECT_EQ(page.GetNewName(1), nameOfB) << "the unfinished part's names are given back";
}

TEST(ToolReplay, ValueInputsTakeVariablesOnly) {
  CommandPage p;
  const WORD a = p.Point(), t = Parameter(p, QStringLiteral("t"));
  const WORD follower = p.Enter(new CGVerFree2dHenchman(p.Page().m_nNextId, p.Page().m_nNextVertex++, "F", 1, 1, a));
  p.Page().m_nNextId++;
  const WORD calc = p.Enter(new CGTmVarCalculator(p.Page().m_nNextId++, {t}, "No1*2", QString()));
  Record(p, {follower, calc}, "T2");
  CGPage& page = p.Page();
  ASSERT_TRUE(p.Run(ID_TOOL_USE_FIRST));
  ASSERT_TRUE(StartToolInstance(0, 0, 0));
  ASSERT_EQ(RunningInstance(page)->m_nPendingIsValue, 0);
  EXPECT_FALSE(ToolInputAccepts(page, t)) << "a value for a point input";
  // Refused by the matching itself, whoever calls it: nothing is bound.
  const auto refused = [&](WORD clicked, const char* what) {
    const int pending = page.m_nToolPendingId;
    const size_t cells = page.m_cells.size();
    EXPECT_EQ(MatchToolInput(page, clicked, nullptr), 0) << what;
    EXPECT_EQ(page.m_nToolPendingId, pending) << what;
    EXPECT_EQ(page.m_cells.size(), cells) << what;
    EXPECT_NE(p.Find(WORD(pending)), nullptr) << what << ": the placeholder stays";
  };
  refused(t, "a value for a point input");
  refused(WORD(page.m_nToolPendingId), "the placeholder itself");
  MatchToolInput(page, a, nullptr);
  ASSERT_EQ(RunningInstance(page)->m_nPendingIsValue, 1);
  EXPECT_FALSE(ToolInputAccepts(page, a)) << "a point for a value input";
  refused(a, "a point for a value input");
  EXPECT_TRUE(ToolInputAccepts(page, t));
  EXPECT_GT(MatchToolInput(page, t, nullptr), 0);
}

TEST(ToolReplay, ChoosingToolsByMenuId) {
  CommandPage p;
  g_nToolMode = 1;
  EXPECT_TRUE(p.Run(ID_TOOL_USE_FIRST)) << "no document tools";
  EXPECT_EQ(g_pCurrentTool, nullptr);
  EXPECT_EQ(g_nToolMode, 1);
  EXPECT_TRUE(p.Run(ID_TOOL_SCRIPT));
  ASSERT_EQ(p.seams.notifier->shown.size(), 1u);
  EXPECT_EQ(p.seams.notifier->shown[0].text, QStringLiteral("通过选择一个自定义工具来显示它的脚本！"));
  EXPECT_EQ(p.seams.notifier->shown[0].caption, QStringLiteral("脚本视图"));
  EXPECT_EQ(p.seams.notifier->shown[0].type, unsigned(MB_OK | MB_ICONINFORMATION));
  CRecord* tool = SegmentWithMidpoint(p);
  EXPECT_TRUE(p.Run(34005));
  EXPECT_EQ(g_nToolMode, 1);
  ASSERT_TRUE(p.Run(ID_TOOL_USE_FIRST));
  EXPECT_EQ(g_pCurrentTool, tool);
  EXPECT_EQ(g_nCurrentToolId, int(ID_TOOL_USE_FIRST));
  EXPECT_EQ(CommandRegistry().Query(ID_TOOL_USE_FIRST).m_nCheck, 1);
  // One full instance, then another tool chosen mid-way: committed once.
  CGPage& page = p.Page();
  ASSERT_TRUE(StartToolInstance(0, 0, 0));
  MatchToolInput(page, 0, ClickedPoint(page, 1));
  const int steps = page.m_undo.GetCount();
  ASSERT_TRUE(p.Run(ID_TOOL_USE_FIRST));
  EXPECT_EQ(page.m_undo.GetCount(), steps + 1);
  EXPECT_EQ(page.m_nToolPendingId, -1);
}

TEST(ToolReplay, AppliedToTheSelectionRoundByRound) {
  const struct Row {
    const char* name;
    int points, values;
    int made;
  } rows[] = {
      {"two point inputs, five points: two rounds", 5, 0, 4},
      {"one point and one value input, three points and two values", 3, 2, 4},
      {"value inputs only, three values", 0, 3, 3},
  };
  for (int k = 0; k < 3; ++k) {
    const Row& row = rows[k];
    CommandPage p;
    if (k == 0) {
      SegmentWithMidpoint(p);
    } else {
      const WORD a = p.Point(), t = Parameter(p, QStringLiteral("t"));
      std::vector<WORD> selected = {p.Enter(new CGTmVarCalculator(p.Page().m_nNextId++, {t}, "No1*2", QString()))};
      if (k == 1) {
        selected.push_back(p.Page().m_nNextId);
        p.Enter(new CGVerFree2dHenchman(p.Page().m_nNextId++, p.Page().m_nNextVertex++, "F", 1, 1, a));
      }
      Record(p, selected, "T");
    }
    std::vector<WORD> chosen = p.Points(row.points);
    for (int v = 0; v < row.values; ++v) chosen.push_back(Parameter(p, QStringLiteral("v%1").arg(v)));
    g_pCurrentTool = p.doc.m_tools.back().get();
    g_nToolMode = 1;
    p.Select(chosen);
    const std::vector<WORD> made = p.ExpectConstruction(ID_TOOL_AUTODO, row.made, QStringLiteral("T"));
    EXPECT_EQ(int(made.size()), row.made) << row.name;
    if (k == 0) {
      // Points 1-2 and 3-4; the fifth takes no part.
      EXPECT_EQ(p.Find(made[0])->m_parents, (std::vector<WORD>{chosen[0], chosen[1]})) << row.name;
      EXPECT_EQ(p.Find(made[2])->m_parents, (std::vector<WORD>{chosen[2], chosen[3]})) << row.name;
      EXPECT_TRUE(p.Find(chosen[4])->m_children.empty()) << row.name;
    }
  }
}

// What a tool builds is saved as it is after reopening, so the document
// opens and saves again the same: a calculation whose label is hidden
// shows its number without " =", and a cell that reads one value twice is
// listed once among its children.
TEST(ToolReplay, WhatAToolAppliesSavesAsItReopens) {
  CommandPage p;
  const WORD t = Parameter(p, QStringLiteral("t"));
  auto* calc = new CGTmVarCalculator(p.Page().m_nNextId++, {t, t}, "No1+No2", QString());
  calc->m_bLabelHidden = true;
  Record(p, {p.Enter(calc)}, "T");
  g_pCurrentTool = p.doc.m_tools.back().get();
  g_nToolMode = 1;
  p.Select({Parameter(p, QStringLiteral("v"))});
  const size_t cells = p.Page().m_cells.size();
  ASSERT_TRUE(p.Run(ID_TOOL_AUTODO));
  ASSERT_EQ(p.Page().m_cells.size(), cells + 1);
  const QByteArray saved = DocumentBytes(p.doc);
  CKavrelDoc reopened;
  CArchive in(saved);
  reopened.Serialize(in);
  EXPECT_EQ(DocumentBytes(reopened).toHex(), saved.toHex());
}

// One point clicked for both ends of the tool's segment: the segment is
// listed once among the point's children, as a loaded page lists it.
TEST(ToolReplay, OnePointClickedForTwoInputsListsItsChildOnce) {
  CommandPage p;
  SegmentWithMidpoint(p);
  CGPage& page = p.Page();
  const WORD c = p.Point(10, 0, 0);
  ASSERT_TRUE(p.Run(ID_TOOL_USE_FIRST));
  ASSERT_TRUE(StartToolInstance(0, 0, 0));
  MatchToolInput(page, c, nullptr);
  const WORD segment = WORD(page.m_nToolPendingId + 1);
  MatchToolInput(page, c, nullptr);
  EXPECT_EQ(p.Find(segment)->m_parents, (std::vector<WORD>{c, c}));
  EXPECT_EQ(p.Find(c)->m_children, (std::vector<WORD>{segment}));
}

// The selection binds the inputs the tool's input list has, whatever counts
// it keeps: too few selected points make nothing, and counts that no
// longer agree with the lists (or overflow when subtracted or multiplied)
// never reach past the selection.  The command's rule counts the inputs
// from the list as well, so only the selection enables it.
TEST(ToolReplay, TooFewSelectedOrCountsThatDisagreeMakeNothing) {
  const struct Row {
    const char* name;
    int points, values;
    std::function<void(CRecord&)> spoil;
    bool enabled;
  } rows[] = {
      {"one point for two inputs", 1, 0, [](CRecord&) {}, false},
      {"one point input kept for two", 1, 0, [](CRecord& t) { t.m_nInputCount = t.m_nPointInputCount = 1; }, false},
      {"one value input kept for two points", 1, 1,
       [](CRecord& t) { t.m_nInputCount = 1, t.m_nPointInputCount = 0; }, false},
      {"counts at the int limits", 2, 0,
       [](CRecord& t) { t.m_nInputCount = INT_MAX, t.m_nPointInputCount = INT_MIN; }, true},
      {"a point count whose rounds overflow", 4, 0, [](CRecord& t) { t.m_nPointCount = INT_MAX; }, true},
      {"a cell count below the input count", 4, 0, [](CRecord& t) { t.m_nCellCount = INT_MIN; }, true},
  };
  for (const Row& row : rows) {
    CommandPage p;
    CRecord* tool = SegmentWithMidpoint(p);
    row.spoil(*tool);
    std::vector<WORD> chosen = p.Points(row.points);
    for (int v = 0; v < row.values; ++v) chosen.push_back(Parameter(p, QStringLiteral("v%1").arg(v)));
    g_pCurrentTool = tool;
    g_nToolMode = 1;
    p.Select(chosen);
    EXPECT_EQ(CommandRegistry().Query(ID_TOOL_AUTODO).m_bEnabled, row.enabled) << row.name;
    const int vertices = p.Page().m_nNextVertex;
    p.ExpectNothingMade([&] {
      p.Run(ID_TOOL_AUTODO);
      EXPECT_EQ(ApplyToolToSelection(), 0) << row.name;
    });
    EXPECT_EQ(p.Page().m_nNextVertex, vertices) << row.name;
  }
}

// No vertex slots left for the tool's points: nothing starts and the
// select tool returns, with the reason told.
TEST(ToolReplay, NoRoomForTheToolsPointsStartsNothing) {
  CommandPage p;
  SegmentWithMidpoint(p);
  CGPage& page = p.Page();
  ASSERT_TRUE(p.Run(ID_TOOL_USE_FIRST));
  page.m_nNextVertex = 0xFFFF - 2;  // three points to place
  const WORD next = page.m_nNextId;
  EXPECT_FALSE(StartToolInstance(0, 0, 0));
  EXPECT_EQ(g_nToolMode, 1);
  EXPECT_EQ(page.m_nToolPendingId, -1);
  EXPECT_EQ(page.m_pToolRecord, nullptr);
  EXPECT_EQ(page.m_nNextId, next);
  EXPECT_EQ(p.seams.notifier->shown.size(), 1u);
}

TEST(ToolReplay, AutomaticUseNeedsEnoughOfEveryInput) {
  CommandPage p;
  SegmentWithMidpoint(p);
  g_pCurrentTool = p.doc.m_tools.back().get();
  g_nToolMode = 1;
  p.Select({p.Point()});
  EXPECT_FALSE(p.Run(ID_TOOL_AUTODO)) << "one point for two inputs";
  p.Select({p.Point(), p.Point(1, 0, 0)});
  g_nToolMode = 6;
  EXPECT_FALSE(p.Run(ID_TOOL_AUTODO)) << "only in the select tool";
}

// A command that adds cells while an instance awaits input ends it first,
// so the instance's ids stay together and its finished part is one step.
TEST(ToolReplay, OtherCommandsEndTheAwaitingInstance) {
  CommandPage p;
  SegmentWithMidpoint(p);
  CGPage& page = p.Page();
  ASSERT_TRUE(p.Run(ID_TOOL_USE_FIRST));
  ASSERT_TRUE(StartToolInstance(0, 0, 0));
  MatchToolInput(page, 0, ClickedPoint(page, 1));
  const WORD kept = WORD(page.m_nToolPendingId - 1);
  p.Run(ID_CREATE_PAGE);
  EXPECT_EQ(page.m_nToolPendingId, -1);
  EXPECT_NE(p.doc.m_pages.front()->m_cells.Lookup(kept), nullptr);
  EXPECT_EQ(page.m_undo.CurrentCommand()->GetName(), QStringLiteral("使用工具：T"));
}

// Tool sets of the fuzzing corpus: the program's "segment AB" tool as
// recorded, the same with its stored counts lowered, and counts that
// overflow when multiplied or subtracted.
QByteArray ToolFile(const char* name) {
  QFile file(QStringLiteral(KAVREL_SOURCE_DIR "/tests/fuzz/corpus/tooluse/") + QString::fromLatin1(name));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
  return file.readAll();
}

// The message the tool list after a tool set's header raises; empty when
// it reads whole.
std::string ToolListFailure(const QByteArray& toolSet) {
  try {
    CArchive ar(toolSet);
    ar.ReadWord(), ar.ReadWord(), ar.ReadDword(), ar.ReadDword(), ar.ReadDword();
    ReadToolList(ar);
  } catch (const CArchiveException& e) {
    return e.what();
  }
  return {};
}

// A document whose tools are those of the tool set: the set's header and
// tool list, then the rest of a new document.
QByteArray AsDocument(const QByteArray& toolSet) {
  CKavrelDoc blank;
  blank.OnNewDocument();
  constexpr qsizetype kHeaderAndNoTools = 16 + 2;
  return toolSet + DocumentBytes(blank).mid(kHeaderAndNoTools);
}

TEST(ToolReplay, ToolFilesAreReadWholeOrRefusedWithTheReadersMessage) {
  const struct Row {
    const char* file;
    size_t read;  // the tools a tool set lends, those before the damage
    const char* message;
    // What the first tool lent builds when it is started on an empty page
    // and fed two clicks on empty space; then on two selected points.
    const char* clicked;
    const char* applied;
  } rows[] = {
      {"must-load/segment-as-recorded.kv", 1, "", "CGVerFreeXyz() CGVerFreeXyz() CGLine(A,B)", "CGLine(C,D)"},
      {"segment-one-point-input-stored.kv", 0, "bad data: tool record: stored input count 1 for 2", "", ""},
      {"segment-one-value-input-stored.kv", 0, "bad data: tool record: stored input count 1 for 2", "", ""},
      {"counts-overflow.kv", 0, "bad data: tool record: stored input count 1703908174 for 2", "", ""},
      {"point-count-overflow.kv", 1, "bad data: tool record: stored point count 2063597571 for 3",
       "CGVerFreeXyz() CGVerFreeXyz() CGLine(A,B)", "CGLine(C,D)"},
  };
  for (const Row& row : rows) {
    const QByteArray bytes = ToolFile(row.file), document = AsDocument(bytes);
    CommandPage p;  // after the blank document, which leaves no page current as it goes
    EXPECT_EQ(ReadToolSetBytes(bytes).size(), row.read) << row.file;
    EXPECT_EQ(ToolListFailure(bytes), row.message) << row.file;
    std::string failure;
    try {
      CArchive ar(document);
      p.doc.Serialize(ar);
    } catch (const CArchiveException& e) {
      failure = e.what();
    }
    EXPECT_EQ(failure, row.message) << row.file << " inside a document";
    if (row.read == 0) continue;
    CToolList tools = ReadToolSetBytes(bytes);
    g_globalTools.push_back(tools.front().release());
    CGPage& page = p.Page();
    ASSERT_EQ(page.m_nNextId, 1) << row.file << ": an empty page";
    ASSERT_TRUE(p.Run(ID_TOOL_USE_FIRST));
    ASSERT_TRUE(StartToolInstance(0, 0, 0)) << row.file;
    int placed = 0;
    for (const float x : {5.0f, 7.0f}) placed = MatchToolInput(page, 0, ClickedPoint(page, x));
    EXPECT_EQ(placed, 3) << row.file;
    EXPECT_EQ(p.Summary({1, 2, 3}), row.clicked) << row.file;
    EXPECT_EQ(std::make_pair(p.At(1)[0], p.At(2)[0]), std::make_pair(5.0f, 7.0f)) << row.file << ": where clicked";
    g_nToolMode = 1;
    p.Select(p.Points(2));
    EXPECT_EQ(ApplyToolToSelection(), 1) << row.file;
    EXPECT_EQ(p.Summary({WORD(page.m_nNextId - 1)}), row.applied) << row.file;
    g_pCurrentTool = nullptr;
    ClearGlobalTools();
  }
}

}  // namespace
