#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "modeltestsupport.h"

namespace KAVREL_FILE_LOCAL {

using Grid = std::pair<float, float>;

// Positions come in world units; at 0.05 units per pixel a grid unit (20
// pixels) is exactly one world unit.
Grid Text(CGPage& page, int rows = 1) {
  float p[2];
  page.NextTextPosition(p, rows);
  return {p[0], p[1]};
}
Grid Button(CGPage& page) {
  float p[2];
  page.NextButtonPosition(p);
  return {p[0], p[1]};
}

TEST_F(ModelTest, TextsFillColumnsOfFifteenFromTheTopRight) {
  const std::map<int, Grid> expected = {
      {1, {13, 11}},  {2, {13, 9.5}}, {15, {13, -10}}, {16, {1, 11}},
      {30, {1, -10}}, {31, {-11, 11}}, {46, {13, 11}},
  };
  const std::map<int, int> slotAfter = {{1, 1}, {2, 2}, {15, 15}, {16, 17}, {31, 33}};
  for (int n = 1; n <= 46; ++n) {
    const Grid at = Text(*page);
    if (auto it = expected.find(n); it != expected.end()) {
      EXPECT_EQ(at, it->second) << "text " << n;
    }
    if (auto it = slotAfter.find(n); it != slotAfter.end()) {
      EXPECT_EQ(page->m_nTextSlot, it->second) << "text " << n;
    }
  }
}

TEST_F(ModelTest, TextsOfSeveralRowsAdvanceByTheirRows) {
  EXPECT_EQ(Text(*page, 3), (Grid{13, 8})) << "first text of a page: slot 3";
  EXPECT_EQ(page->m_nTextSlot, 3);
  EXPECT_EQ(Text(*page, 3), (Grid{13, 3.5}));
  EXPECT_EQ(page->m_nTextSlot, 8) << "rows 6 to 8";
  EXPECT_EQ(Text(*page), (Grid{13, 2}));
}

TEST_F(ModelTest, LoadedPagesGoOnFromTheirTextSlot) {
  struct Case {
    int slot, rows;
    Grid next;
    int slotAfter;
  } cases[] = {{16, 1, {1, 11}, 17}, {0, 1, {13, 11}, 1}, {48, 1, {-23, 11}, 49},
               {64, 1, {13, 11}, 1}, {62, 3, {13, 11}, 1}, {20, 2, {1, 3.5}, 22}};
  for (const Case& c : cases) {
    CGPage loaded;
    loaded.m_nTextSlot = static_cast<BYTE>(c.slot);
    EXPECT_EQ(Text(loaded, c.rows), c.next) << "slot " << c.slot;
    EXPECT_EQ(loaded.m_nTextSlot, c.slotAfter) << "slot " << c.slot;
  }
  CGPage odd;  // its last text off the grid, at the foot of a column
  odd.m_ptLastText[0] = -6;
  odd.m_ptLastText[1] = -10;
  EXPECT_EQ(Text(odd), (Grid{-18, 11}));
}

TEST_F(ModelTest, ButtonsFillEightColumnsOfSixteen) {
  const std::map<int, Grid> expected = {
      {1, {-18, 12}}, {2, {-18, 10.5}}, {16, {-18, -10.5}}, {17, {-13, 12}},
      {128, {17, -10.5}}, {129, {-18, 12}},
  };
  for (int n = 1; n <= 129; ++n) {
    const Grid at = Button(*page);
    if (auto it = expected.find(n); it != expected.end()) {
      EXPECT_EQ(at, it->second) << "button " << n;
    }
    EXPECT_EQ(page->m_nButtonSlot, (n - 1) % 128 + 1) << "button " << n;
  }
}

TEST_F(ModelTest, ALoadedPageContinuesTheButtonGridWhereItStopped) {
  // A page that placed n buttons and a page loaded with its slot put the
  // next button in the same place.
  for (int n = 1; n <= 130; ++n) {
    CGPage placed;
    for (int i = 0; i < n; ++i) Button(placed);
    CGPage loaded;
    loaded.m_nButtonSlot = placed.m_nButtonSlot;
    ASSERT_EQ(Button(loaded), Button(placed)) << n << " buttons placed";
  }
  CGPage turned;  // its last button at the foot of the first column
  turned.m_ptLastButton[0] = -18;
  turned.m_ptLastButton[1] = -10.5f;
  EXPECT_EQ(Button(turned), (Grid{-13, 12}));
  EXPECT_EQ(Button(turned), (Grid{-13, 10.5f}));
  CGPage full;
  full.m_nButtonSlot = 200;
  EXPECT_EQ(Button(full), (Grid{-18, 12}));
  EXPECT_EQ(full.m_nButtonSlot, 1);
}

TEST_F(ModelTest, PositionsScaleWithTheZoom) {
  g_fUnitsPerPixel = 0.1f;
  EXPECT_EQ(Text(*page), (Grid{26, 22}));
  EXPECT_EQ(Button(*page), (Grid{-36, 24}));
  EXPECT_EQ(page->m_ptLastText[0], 13.0f) << "the last place is kept in grid units";
}

}  // namespace
