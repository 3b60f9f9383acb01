// The choice among the hits of one click, on made-up hit records: kind
// order, drawing order, deselection of selected cells and the rules of the
// user-defined tool.
#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>

#include "view/pickchoice.h"

namespace KAVREL_FILE_LOCAL {

using Hits = std::vector<PickHit>;
using Deselected = std::vector<std::pair<int, WORD>>;

struct Expected {
  std::optional<int> kind;
  std::optional<WORD> id;
  Deselected deselected = {};
  WORD dragId = 0;
};

PickChoice Choose(const Hits& hits, int toolMode, std::set<std::pair<int, WORD>> selected = {},
                  std::set<WORD> freePoints = {}, int firstToolId = -1, bool awaitsValue = false) {
  PickRules rules;
  rules.toolMode = toolMode;
  rules.toolInstanceFirstId = firstToolId;
  rules.toolAwaitsValue = awaitsValue;
  rules.isSelected = [selected](int kind, WORD id) { return selected.count({kind, id}) > 0; };
  rules.isFreePoint = [freePoints](WORD id) { return freePoints.count(id) > 0; };
  return ChoosePick(hits, rules);
}

void ExpectChoice(const PickChoice& got, const Expected& want, const std::string& what) {
  EXPECT_EQ(got.kind, want.kind) << what;
  EXPECT_EQ(got.id, want.id) << what;
  EXPECT_EQ(got.deselected, want.deselected) << what;
  EXPECT_EQ(got.dragId, want.dragId) << what;
}

TEST(PickChoice, SelectTool) {
  struct Case {
    const char* what;
    Hits hits;
    std::set<std::pair<int, WORD>> selected;
    std::set<WORD> freePoints;
    Expected expected;
  };
  const Case cases[] = {
      {"a point beats its label and a line", {{3, 5}, {2, 7}, {1, 5}}, {}, {}, {1, 5}},
      {"coincident points: the first drawn", {{1, 3}, {1, 4}}, {}, {}, {1, 3}},
      {"labels only (Ctrl): the last label", {{3, 5}, {3, 6}}, {}, {}, {3, 6}},
      {"a selected free point is deselected and may be dragged", {{1, 4}}, {{1, 4}}, {4}, {0, 4, {{1, 4}}, 4}},
      {"a selected plain point is only deselected", {{1, 4}}, {{1, 4}}, {}, {0, 4, {{1, 4}}, 0}},
      {"first of two lines selected: the click moves to the second",
       {{2, 8}, {2, 9}}, {{2, 8}}, {}, {2, 9, {{2, 8}}}},
      {"second of two lines selected: only deselected", {{2, 9}, {2, 8}}, {{2, 8}}, {}, {0, 8, {{2, 8}}}},
      {"selection is looked up in the list of the hit's kind", {{2, 8}}, {{1, 8}}, {}, {2, 8}},
      {"both selected: both deselected, nothing chosen",
       {{8, 1}, {8, 2}}, {{8, 1}, {8, 2}}, {}, {0, 2, {{8, 1}, {8, 2}}}},
      {"a measurement beats a face", {{8, 2}, {6, 3}}, {}, {}, {6, 3}},
      {"image corners: the last one", {{12, 5}, {12, 6}}, {}, {}, {12, 6}},
      {"a button's run handle is never deselected", {{10, 5}}, {{10, 5}}, {}, {10, 5}},
      {"an unknown kind chooses nothing", {{14, 5}}, {}, {}, {0, std::nullopt}},
  };
  for (const Case& c : cases) ExpectChoice(Choose(c.hits, 1, c.selected, c.freePoints), c.expected, c.what);
}

TEST(PickChoice, SelectToolLeavesTheCandidatesOfTheSmallestKind) {
  const PickChoice choice = Choose({{2, 9}, {1, 4}, {3, 4}, {1, 6}, {2, 1}}, 1);
  EXPECT_EQ(choice.pickKind, 1);
  EXPECT_EQ(choice.candidates, (std::vector<WORD>{4, 6}));
}

TEST(PickChoice, OtherTools) {
  struct Case {
    const char* what;
    int toolMode;
    Hits hits;
    int firstToolId;
    Expected expected;
    bool awaitsValue = false;
  };
  const Case cases[] = {
      {"line tool: a point beats a nearer line", 3, {{2, 7}, {1, 3}}, -1, {1, 3}},
      {"point tool: the later of equal kinds", 2, {{1, 3}, {1, 4}, {2, 1}}, -1, {1, 4}},
      {"circle tool: selection does not matter", 5, {{4, 9}}, -1, {4, 9}},
      {"user tool: its own cells, from the first, are not offered", 6, {{1, 3}, {1, 5}, {2, 2}}, 5, {1, 3}},
      {"user tool: none qualifies", 6, {{1, 6}}, 5, {16, std::nullopt}},
      {"user tool without an instance", 6, {{1, 3}}, -1, {16, std::nullopt}},
      {"user tool awaiting a point: a circle under a label", 6, {{4, 2}, {3, 3}}, 5, {4, 2}},
      {"user tool awaiting a point: a point over a line and a caption", 6, {{6, 4}, {2, 2}, {1, 3}}, 5, {1, 3}},
      {"user tool awaiting a point: a face alone stands, to be turned away", 6, {{8, 2}}, 5, {8, 2}},
      {"user tool awaiting a value: a caption over a segment", 6, {{2, 2}, {6, 4}}, 5, {6, 4}, true},
      {"user tool awaiting a value: a caption under a point and its label", 6, {{1, 3}, {3, 3}, {6, 4}}, 5,
       {6, 4}, true},
      {"user tool awaiting a value: its own caption is not offered", 6, {{6, 7}, {2, 2}}, 5, {2, 2}, true},
      {"box select", 7, {{1, 3}}, -1, {}}, {"copy box", 8, {{1, 3}}, -1, {}}, {"ink pen", 9, {{1, 3}}, -1, {}},
  };
  for (const Case& c : cases)
    ExpectChoice(Choose(c.hits, c.toolMode, {{1, 3}}, {3}, c.firstToolId, c.awaitsValue), c.expected, c.what);
  for (int mode = 1; mode <= 9; ++mode) ExpectChoice(Choose({}, mode), {}, "no hits, tool " + std::to_string(mode));
}

}  // namespace
