// After a page switch or an emptied document the view's captured traces are
// stale, and automatic colours follow the current page's background.
#include <functional>

#include "doctestsupport.h"
#include "model/autocolor.h"
#include "model/globals.h"

namespace KAVREL_FILE_LOCAL {

TEST_F(DocTest, CapturedTracesGoStaleAndColoursFollowThePageShown) {
  doc.OnNewDocument();
  CGPage& second = AppendPage(2, QStringLiteral("second"));
  const std::pair<const char*, std::function<void()>> rows[] = {
      {"switch", [&] { doc.SwitchToPage(&second); }},
      {"go by id", [&] { doc.GotoPageById(1, false); }}, {"empty", [&] { doc.DeleteContents(); }},
  };
  for (const auto& [what, act] : rows) {
    g_bBackgroundDirty = 0;
    act();
    EXPECT_NE(g_bBackgroundDirty, 0) << what;
  }
  doc.OnNewDocument();
  CGPage& black = AppendPage(2, QStringLiteral("black"));
  std::fill_n(black.m_rgbaBackground, 3, 0.0f);
  doc.SwitchToPage(&black);
  EXPECT_EQ(NextAutoColor(), COLORREF(77)) << "(77, 0, 0) on a black page, the preferences white";
}

}  // namespace
