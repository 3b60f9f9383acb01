#include <gtest/gtest.h>

#include <bit>

#include "math/registers.h"
#include "model/runningbuttons.h"
#include "model/vertexarray.h"
#include "pagetest.h"

namespace KAVREL_FILE_LOCAL {

// An animation button that moves its point one unit along x per tick and
// finishes after `ticks` ticks.
class MovingButton : public StandIn<CGButton> {
 public:
  explicit MovingButton(int ticks)
      : StandIn<CGButton>(StandInChain({"CGButnAnimation"}, RUNTIME_CLASS(CGButton))), m_nLeft(ticks) {}
  bool Step() override {
    auto* point = static_cast<CGVertex*>(g_pCurCells->Lookup(m_parents.front()));
    point->m_vPos[0] += 1;
    return --m_nLeft <= 0;
  }
  int m_nLeft;
};

class RunningButtonTest : public PageTest {
 protected:
  std::vector<WORD> Running() const { return page->m_runningButtons; }
};

TEST_F(RunningButtonTest, SerialSeriesStartsItsFirstChildFirst) {
  CGButton* b1 = AddButton();
  CGButton* b2 = AddButton();
  CGButnPresentat* series = AddSeries(true, {b1->m_nId, b2->m_nId});
  series->m_dwParam3 = 5;
  EXPECT_TRUE(page->SetButtonRunning(true, series->m_nId));
  EXPECT_EQ(Running(), (std::vector<WORD>{b1->m_nId, series->m_nId}));
  EXPECT_TRUE(b1->m_bRunning && series->m_bRunning);
  EXPECT_FALSE(b2->m_bRunning);
  EXPECT_EQ(series->m_dwParam3, 0u);
  EXPECT_FALSE(page->SetButtonRunning(true, series->m_nId)) << "already running";
  EXPECT_FALSE(page->SetButtonRunning(true, 99)) << "no such button";
  EXPECT_FALSE(page->SetButtonRunning(false, b2->m_nId)) << "not running";

  page->SetButtonRunning(true, b2->m_nId);
  EXPECT_TRUE(page->SetButtonRunning(false, series->m_nId));
  EXPECT_FALSE(b1->m_bRunning || series->m_bRunning) << "the current child stops";
  EXPECT_TRUE(b2->m_bRunning) << "the other child is not the series' business";
  EXPECT_EQ(Running(), (std::vector<WORD>{b2->m_nId}));
}

TEST_F(RunningButtonTest, ParallelSeriesStartsAndStopsEveryChild) {
  CGButton* b1 = AddButton();
  CGButton* b2 = AddButton();
  CGButton* b3 = AddButton();
  CGButnPresentat* series = AddSeries(false, {b1->m_nId, b2->m_nId, b3->m_nId});
  ASSERT_TRUE(page->SetButtonRunning(true, series->m_nId));
  EXPECT_EQ(Running(), (std::vector<WORD>{b1->m_nId, b2->m_nId, b3->m_nId, series->m_nId}));
  page->SetButtonRunning(false, b2->m_nId);
  EXPECT_TRUE(page->SetButtonRunning(false, series->m_nId));
  EXPECT_TRUE(Running().empty());
  for (CGButton* b : {b1, b2, b3}) EXPECT_FALSE(b->m_bRunning);
}

TEST_F(RunningButtonTest, ARefusedStartLeavesEverythingStopped) {
  CGButton* child = AddButton();
  CGButnPresentat* series = AddSeries(false, {child->m_nId});
  struct Case { std::int32_t loop; int reg; double start, end, step, registerValue; bool starts; } cases[] = {
      {CGButnPresentat::kForLoop, 2, 5, 3, 1, 0, false},   // already beyond the end
      {CGButnPresentat::kForLoop, 2, 1, 3, -1, 0, false},  // stepping away from the end
      {CGButnPresentat::kForLoop, 2, 1, 3, 1, 0, true},
      {CGButnPresentat::kForLoop, 2, 3, 3, 0, 0, true},
      {CGButnPresentat::kWhileLoop, 4, 0, 0, 0, 0, false},
      {CGButnPresentat::kWhileLoop, 4, 0, 0, 0, 0.5, true},
      {CGButnPresentat::kUntilLoop, 4, 0, 0, 0, 0, true},
      {CGButnPresentat::kForLoop, 7, 1, 3, 1, 0, false},   // no register 7
      {CGButnPresentat::kWhileLoop, 0, 0, 0, 0, 1, false}, // nor 0
  };
  for (const Case& c : cases) {
    series->m_nParamA = c.loop;
    series->m_nStyle = 0;
    series->m_nRegister = c.reg;
    series->m_dLoopStart = c.start;
    series->m_dLoopEnd = c.end;
    series->m_dLoopStep = c.step;
    ExpressionRegister(c.reg) = c.registerValue;
    EXPECT_EQ(page->SetButtonRunning(true, series->m_nId), c.starts) << "loop " << c.loop << " register " << c.reg;
    EXPECT_EQ(series->m_bRunning, c.starts);
    EXPECT_EQ(child->m_bRunning, c.starts);
    if (c.loop == CGButnPresentat::kForLoop && c.reg == 2) {
      EXPECT_EQ(ExpressionRegister(2), c.start) << "the loop starts from its start value";
    }
    StopRunningButtons();
  }
}

TEST_F(RunningButtonTest, AStoredChildIndexOutOfRangeIsIgnored) {
  CGButton* child = AddButton();
  CGButnPresentat* series = AddSeries(true, {child->m_nId});
  ASSERT_TRUE(page->SetButtonRunning(true, series->m_nId));
  series->m_dwParam3 = 0xFFFFFFFF;  // as a damaged file would leave it
  EXPECT_TRUE(page->SetButtonRunning(false, series->m_nId));
  EXPECT_TRUE(child->m_bRunning) << "the index names no child";
  EXPECT_EQ(series->CurrentChild(), 0);

  page->SetButtonRunning(false, child->m_nId);
  series->m_dwParam3 = 7;
  ASSERT_TRUE(page->SetButtonRunning(true, series->m_nId));
  series->m_dwParam3 = 7;
  int ticks = 0;
  while (StepRunningButtons()) ASSERT_LT(++ticks, 10);
  EXPECT_FALSE(series->m_bRunning) << "a series past its last child ends";

  CGButnPresentat* empty = AddSeries(true, {});
  EXPECT_TRUE(page->SetButtonRunning(true, empty->m_nId));
  ticks = 0;
  while (StepRunningButtons()) ASSERT_LT(++ticks, 10);
  EXPECT_TRUE(Running().empty()) << "a serial button without children ends by itself";
}

TEST_F(RunningButtonTest, OneTickMovesTheDrivenPointAndItsDependants) {
  CGVertex* point = AddPoint(0, 0, 0);
  CTestDependentPoint* follower = AddDependent({point->m_nId});
  auto* button = Enter(new MovingButton(2), {point->m_nId});
  page->RebuildVertexArray();
  ASSERT_TRUE(page->SetButtonRunning(true, button->m_nId));
  ASSERT_TRUE(CollectRunningButtons());
  EXPECT_EQ(page->m_buttonIds, (std::vector<WORD>{follower->m_nId, button->m_nId}));

  EXPECT_TRUE(StepRunningButtons());
  EXPECT_EQ(point->m_vPos[0], 1.0f);
  EXPECT_EQ(g_pVertexArray[3 * point->VertexIndex], 1.0f) << "the point took its new place";
  EXPECT_EQ(follower->m_vPos[0], 2.0f);
  EXPECT_TRUE(button->m_bRunning);

  EXPECT_FALSE(StepRunningButtons()) << "finished on the second tick";
  EXPECT_EQ(follower->m_vPos[0], 3.0f);
  EXPECT_FALSE(button->m_bRunning);
  EXPECT_TRUE(Running().empty());
  CTestDependentPoint::s_nRecalculations = 0;
  EXPECT_FALSE(StepRunningButtons());
  EXPECT_EQ(CTestDependentPoint::s_nRecalculations, 0) << "a stray tick recomputes nothing";
}

TEST_F(RunningButtonTest, SerialSeriesRunsItsChildrenInTurn) {
  g_prefs.nFramesPerSecond = 25;
  CGButton* c1 = AddButton();
  CGButton* c2 = AddButton();
  CGButnPresentat* series = AddSeries(true, {c1->m_nId, c2->m_nId});
  series->m_nParamC = std::bit_cast<std::int32_t>(0.0f);  // no pause: two ticks between children
  page->SetButtonRunning(true, series->m_nId);
  const std::vector<std::vector<WORD>> after = {
      {series->m_nId}, {series->m_nId}, {series->m_nId, c2->m_nId}, {series->m_nId}, {series->m_nId}, {},
  };
  for (size_t tick = 0; tick < after.size(); ++tick) {
    EXPECT_EQ(StepRunningButtons(), !after[tick].empty()) << "tick " << tick + 1;
    EXPECT_EQ(Running(), after[tick]) << "tick " << tick + 1;
  }
  EXPECT_FALSE(series->m_bRunning);
}

TEST_F(RunningButtonTest, AFixedCountLoopRestartsThroughTheStartQueue) {
  CGButton* child = AddButton();
  CGButnPresentat* series = AddSeries(false, {child->m_nId});
  series->m_nParamA = CGButnPresentat::kFixedCount;
  series->m_nPassCount = 2;
  page->SetButtonRunning(true, series->m_nId);
  EXPECT_TRUE(StepRunningButtons());  // the child finishes
  EXPECT_TRUE(StepRunningButtons());  // the first pass ends; the series queues itself
  EXPECT_EQ(Running(), (std::vector<WORD>{child->m_nId, series->m_nId}));
  EXPECT_EQ(series->m_nPass, 2);
  EXPECT_TRUE(g_buttonStartQueue.empty());
  EXPECT_TRUE(StepRunningButtons());
  EXPECT_FALSE(StepRunningButtons());
  EXPECT_EQ(series->m_nPass, 1);
}

TEST_F(RunningButtonTest, StoppingAllAndCollectingFromTheFlags) {
  CGButton* listed = AddButton();
  CGButton* flagged = AddButton();
  CGButton* idle = AddButton();
  page->SetButtonRunning(true, listed->m_nId);
  flagged->m_bRunning = true;  // running but not listed
  EXPECT_TRUE(CollectRunningButtons());
  EXPECT_EQ(Running(), (std::vector<WORD>{listed->m_nId, flagged->m_nId}));
  page->m_buttonIds = {1, 2};
  StopRunningButtons();
  EXPECT_FALSE(listed->m_bRunning || flagged->m_bRunning || idle->m_bRunning);
  EXPECT_TRUE(Running().empty() && page->m_buttonIds.empty());
  EXPECT_EQ(page->m_nTimerJob, 5);
  EXPECT_FALSE(CollectRunningButtons());
  page->m_runningButtons = {AddPoint(0, 0, 0)->m_nId, 99};  // ids that name no button stop running
  EXPECT_FALSE(StepRunningButtons());
  EXPECT_TRUE(Running().empty());
}

}  // namespace
