// The command registry runs commands headless: one handler per id, update
// rules asked again right before running, owners withdrawing their commands.
#include "platform/commandregistry.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/processstate.h"

namespace KAVREL_FILE_LOCAL {

class CommandRegistryTest : public ::testing::Test {
 protected:
  CommandRegistryTest() { ResetProcessState(); }
  CCommandRegistry& registry = CommandRegistry();
};

TEST_F(CommandRegistryTest, ACommandWithoutHandlerIsDisabledAndDoesNotRun) {
  EXPECT_FALSE(registry.HasHandler(32771));
  EXPECT_FALSE(registry.Query(32771).m_bEnabled);
  EXPECT_FALSE(registry.Run(32771));
}

TEST_F(CommandRegistryTest, ACommandWithoutUpdateRuleIsAlwaysEnabled) {
  int runs = 0;
  registry.Register(32858, [&](unsigned) { ++runs; });
  EXPECT_TRUE(registry.Query(32858).m_bEnabled);
  EXPECT_TRUE(registry.Run(32858));
  EXPECT_EQ(runs, 1);
}

TEST_F(CommandRegistryTest, RunAsksTheRuleAgainSoAStaleEnabledStateNeverRuns) {
  bool selectionFits = true;
  int runs = 0;
  registry.Register(32796, [&](unsigned) { ++runs; }, [&](CCmdUI& ui) { ui.Enable(selectionFits); });
  ASSERT_TRUE(registry.Query(32796).m_bEnabled);  // what a button would show
  selectionFits = false;                          // the selection changes before the click
  EXPECT_FALSE(registry.Run(32796));
  EXPECT_EQ(runs, 0);
  selectionFits = true;
  EXPECT_TRUE(registry.Run(32796));
  EXPECT_EQ(runs, 1);
}

TEST_F(CommandRegistryTest, RulesSetCheckRadioAndText) {
  registry.Register(
      34104, [](unsigned) {},
      [](CCmdUI& ui) {
        ui.SetCheck(1);
        ui.SetText(QStringLiteral("切换对象列表"));
      });
  registry.RegisterRange(325, 335, [](unsigned) {}, [](CCmdUI& ui) { ui.SetRadio(ui.m_nID == 333); });
  const CCmdUI panel = registry.Query(34104);
  EXPECT_TRUE(panel.m_bCheckable);
  EXPECT_EQ(panel.m_nCheck, 1);
  EXPECT_EQ(panel.m_strText, QStringLiteral("切换对象列表"));
  EXPECT_TRUE(registry.Query(333).m_bRadio);
  EXPECT_EQ(registry.Query(333).m_nCheck, 1);
  EXPECT_EQ(registry.Query(334).m_nCheck, 0);
  EXPECT_FALSE(registry.HasHandler(336));
}

TEST_F(CommandRegistryTest, TheLastRegistrationWinsUntilItsOwnerWithdraws) {
  std::vector<int> ran;
  const int view = 0, frame = 0;
  registry.Register(32772, [&](unsigned) { ran.push_back(1); }, {}, &frame);
  registry.Register(32772, [&](unsigned) { ran.push_back(2); }, {}, &view);
  registry.Run(32772);
  registry.Withdraw(&view);
  registry.Run(32772);
  registry.Withdraw(&frame);
  EXPECT_FALSE(registry.Run(32772));
  EXPECT_EQ(ran, (std::vector<int>{2, 1}));
}

TEST_F(CommandRegistryTest, AFallbackServesOnlyWhileNoOrdinaryHandlerExists) {
  std::vector<int> ran;
  const int pane = 0, editing = 0;
  registry.Register(32883, [&](unsigned) { ran.push_back(1); }, {}, &editing);
  registry.Register(32883, [&](unsigned) { ran.push_back(2); }, [](CCmdUI& ui) { ui.Enable(false); }, &pane,
                    CommandPriority::Fallback);
  EXPECT_TRUE(registry.Query(32883).m_bEnabled);  // the fallback's rule does not apply
  registry.Run(32883);
  registry.Withdraw(&editing);
  EXPECT_FALSE(registry.Query(32883).m_bEnabled);
  EXPECT_EQ(ran, (std::vector<int>{1}));
}

TEST_F(CommandRegistryTest, RangesPassTheirIdAndAnExactRegistrationOverridesThem) {
  std::vector<unsigned> ran;
  registry.RegisterRange(3024, 13024, [&](unsigned id) { ran.push_back(id); });
  registry.Register(3030, [&](unsigned) { ran.push_back(1); });
  registry.Run(3024);
  registry.Run(13024);
  registry.Run(3030);
  EXPECT_FALSE(registry.Run(13025));
  EXPECT_EQ(ran, (std::vector<unsigned>{3024, 13024, 1}));
}

TEST_F(CommandRegistryTest, AHandlerMayWithdrawItsOwnCommandWhileRunning) {
  const int owner = 0;
  int runs = 0;
  registry.Register(57665, [&](unsigned) {
    ++runs;
    registry.Withdraw(&owner);  // the window closes
    registry.Register(57600, [](unsigned) {});
  }, {}, &owner);
  EXPECT_TRUE(registry.Run(57665));
  EXPECT_EQ(runs, 1);
  EXPECT_FALSE(registry.HasHandler(57665));
}

TEST_F(CommandRegistryTest, TheRunListenerHearsEveryCommandThatRan) {
  std::vector<unsigned> heard;
  registry.SetRunListener([&](unsigned id) { heard.push_back(id); });
  registry.Register(1, [](unsigned) {}, [](CCmdUI& ui) { ui.Enable(false); });
  registry.Register(2, [](unsigned) {});
  registry.Run(1);
  registry.Run(2);
  EXPECT_EQ(heard, (std::vector<unsigned>{2}));
}

TEST_F(CommandRegistryTest, ResettingTheProcessEmptiesTheRegistry) {
  registry.Register(2, [](unsigned) {});
  ResetProcessState();
  EXPECT_FALSE(registry.HasHandler(2));
}

}  // namespace
