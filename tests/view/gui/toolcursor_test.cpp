// The pointer over the view by tool mode.
#include <gtest/gtest.h>

#include "view/toolcursor.h"

namespace {

TEST(ToolCursor, ByToolMode) {
  for (int mode = 1; mode <= 9; ++mode) {
    const std::optional<QCursor> cursor = ToolCursor(mode);
    if (mode == 7 || mode == 8) {
      ASSERT_TRUE(cursor) << mode;
      EXPECT_EQ(cursor->shape(), Qt::CrossCursor) << mode;
    } else if (mode == 9) {
      ASSERT_TRUE(cursor) << mode;
      EXPECT_EQ(cursor->shape(), Qt::BitmapCursor) << mode;
      EXPECT_EQ(cursor->hotSpot(), QPoint(1, 30)) << "the pen's tip";
    } else {
      EXPECT_FALSE(cursor) << mode;
    }
  }
}

}  // namespace
