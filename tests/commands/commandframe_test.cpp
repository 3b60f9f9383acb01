// The construction frame: room before the first id, vertex-array growth
// before the first slot, a construction taken back whole, and the
// document's command table in the registry.
#include <functional>
#include <new>
#include <set>
#include <stdexcept>

#include "cells/primitives/arcsbypoints.h"
#include "cells/primitives/cgline.h"
#include "commands/commandframe.h"
#include "model/cgbutton.h"
#include "model/document/commandtable.h"
#include "model/modeltexts.h"
#include "model/vertexarray.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "support/commandpage.h"

namespace KAVREL_FILE_LOCAL {

TEST(CommandFrame, TheWholeRoomIsCheckedBeforeTheFirstId) {
  for (int idsLeft : {2, 3}) {
    SCOPED_TRACE(idsLeft);
    CommandPage p;
    p.Select(p.Points(3));
    p.Page().m_nNextId = static_cast<WORD>(CGPage::kMaxCellId + 1 - idsLeft);
    if (idsLeft == 3) {
      p.ExpectConstruction(ID_CREATE_LINE_SEGMENT, 3, QStringLiteral("添加多条线"));
      continue;
    }
    p.ExpectNothingMade([&p] { p.Run(ID_CREATE_LINE_SEGMENT); });
    ASSERT_EQ(p.seams.notifier->shown.size(), 1u);
    EXPECT_EQ(p.seams.notifier->shown[0].text, QString::fromUtf8(kTextTooManyCells));
  }
}

TEST(CommandFrame, TheVertexArrayGrowsBeforeTheFirstSlot) {
  constexpr int kByPoints = CConstruction::kGrowByPoints;
  struct Row {
    const char* name;
    int capacity, points, growth;
    int grown;  // capacity after; 0: nothing is made, after the message
    int nextSlot = 3;
    const char* message = kTextOutOfMemory;
  } const rows[] = {
      {"room for exactly these points", 200, 197, kByPoints, 200},
      {"exactly full", 2, 1, kByPoints, 102},
      {"many points: their number and 50", 200, 198, kByPoints, 448},
      {"a fixed 100 too small for the points", 200, 350, CConstruction::kGrowBy100, 700},
      {"beyond the largest array", 5000, 65000, kByPoints, 0},
      {"the last 16-bit slot", 70000, 1, kByPoints, 70000, 0xFFFE},
      {"beyond the 16-bit slots", 70000, 2, kByPoints, 0, 0xFFFE, kTextTooManyCells},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CommandPage p;
    p.Points(2);  // slots 1 and 2
    ASSERT_TRUE(ReallocateVertexArray(row.capacity));
    p.Page().m_nNextVertex = static_cast<WORD>(row.nextSlot);
    const WORD nextId = p.Page().m_nNextId;
    {
      CConstruction build(p.doc);
      ASSERT_EQ(build.MakeRoom(row.points, row.points, row.growth), row.grown != 0);
      for (int i = 0; row.grown && i < row.points; ++i) {
        const CNewPoint n = build.NextPoint();
        build.Add(new CGVertex(n.id, n.slot, n.name, 1, 2, static_cast<float>(i)));
      }
      build.Commit(QStringLiteral("points"));
    }
    EXPECT_EQ(g_nVertexCapacity, row.grown ? row.grown : row.capacity);
    if (!row.grown) {
      EXPECT_EQ(p.Page().m_nNextId, nextId);
      ASSERT_EQ(p.seams.notifier->shown.size(), 1u);
      EXPECT_EQ(p.seams.notifier->shown[0].text, QString::fromUtf8(row.message));
      continue;
    }
    EXPECT_EQ(p.Find(nextId)->m_strName, QStringLiteral("C")) << "after A and B";
    const auto* last = p.As<CGVertex>(static_cast<WORD>(p.Page().m_nNextId - 1));
    ASSERT_NE(last, nullptr);
    EXPECT_LE(last->VertexIndex, g_nVertexCapacity);
    EXPECT_EQ(g_pVertexArray[last->VertexIndex * 3 + 2], row.points - 1.0f) << "its slot holds it";
  }
}

TEST(CommandFrame, AConstructionNotCommittedTakesEverythingBack) {
  CommandPage p;
  const std::vector<WORD> pts = p.Points(2);
  const WORD nextId = p.Page().m_nNextId, nextVertex = p.Page().m_nNextVertex;
  {
    CConstruction build(p.doc);
    ASSERT_TRUE(build.MakeRoom(3, 1));
    const CNewPoint n = build.NextPoint();
    build.Add(new CGVertex(n.id, n.slot, n.name, 0, 0, 0));
    build.Add(new CGLine(build.NextId(), pts[0], n.id, kLineSegment));
  }
  EXPECT_EQ(p.Page().m_nNextId, nextId);
  EXPECT_EQ(p.Page().m_nNextVertex, nextVertex);
  EXPECT_EQ(p.Page().m_cells.size(), 2u);
  EXPECT_TRUE(p.Find(pts[0])->m_children.empty());
  EXPECT_EQ(p.Page().GetNewName(1), QStringLiteral("C")) << "the name given back";
  EXPECT_EQ(p.Page().m_undo.GetCount(), 0);
  EXPECT_FALSE(p.doc.IsModified());
}

// A command that runs out of memory (or meets any exception) half way:
// one message, the page as it was, and the program goes on.
TEST(CommandFrame, AnExceptionInACommandIsToldOnceAndLeavesThePage) {
  const std::pair<std::function<void()>, const char*> throws[] = {
      {[] { throw std::bad_alloc(); }, "内存不足。"},
      {[] { throw std::runtime_error("broken"); }, "broken"},
      {[] { throw 7; }, ""},
  };
  for (const auto& [fail, reason] : throws) {
    CommandPage p;
    const std::vector<WORD> pts = p.Points(2);
    constexpr unsigned kFailing = 0xE000;
    CommandRegistry().Register(kFailing, [&p, &pts, fail = fail](unsigned) {
      CConstruction build(p.doc);
      ASSERT_TRUE(build.MakeRoom(2, 1));
      const CNewPoint n = build.NextPoint();
      build.Add(new CGVertex(n.id, n.slot, n.name, 0, 0, 0));
      build.Add(new CGLine(build.NextId(), pts[0], n.id, kLineSegment));
      fail();
    });
    p.ExpectNothingMade([&p] { EXPECT_TRUE(p.Run(kFailing)); });
    EXPECT_EQ(p.seams.notifier->Texts(),
              std::vector<QString>{QString::fromUtf8("此操作未能完成，文档保持原样：") + QString::fromUtf8(reason)});
    EXPECT_TRUE(p.Find(pts[0])->m_children.empty());
  }
}

TEST(CommandFrame, EachCommandHasOneRowAndGoesWithItsDocument) {
  std::set<unsigned> ids;
  for (const CDocCommandRow& row : DocumentCommandRows()) EXPECT_TRUE(ids.insert(row.id).second) << row.id;
  EXPECT_EQ(ids.count(ID_CREATE_PAGE), 1u);
  {  // the counts the rules read, by kind
    CommandPage p;
    const std::vector<WORD> pts = p.Points(3);
    const WORD circle = p.Enter(new CGArcCircle3P(p.Page().m_nNextId++, pts[0], pts[1], pts[2], kArcCircle));
    const auto bare = [&p](CGCell* cell) {
      cell->m_nId = p.Page().m_nNextId++;
      return p.Enter(cell);
    };
    p.Select({pts[0], p.Line(pts[0], pts[1]), p.Face(pts), circle, bare(new CGButton), bare(new CGCell)});
    const CSelectionCounts n = CountSelection();
    EXPECT_EQ(std::vector<int>({n.P, n.L, n.F, n.A, n.B, n.V, n.X, n.R, n.O, n.T}),
              std::vector<int>({1, 1, 1, 1, 1, 0, 0, 0, 1, 6}));
  }
  SeamRecorders seams;
  auto doc = std::make_unique<CKavrelDoc>();
  EXPECT_FALSE(CommandRegistry().HasHandler(ID_CREATE_FACE));
  doc->OnNewDocument();
  EXPECT_TRUE(CommandRegistry().HasHandler(ID_CREATE_FACE));
  doc.reset();
  EXPECT_FALSE(CommandRegistry().HasHandler(ID_CREATE_FACE));
}

}  // namespace
