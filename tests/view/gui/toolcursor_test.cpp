// The pointer over the view by tool mode.
#include <gtest/gtest.h>

#include "view/toolcursor.h"

namespace KAVREL_FILE_LOCAL {

TEST(ToolCursor, ByToolMode) {
  for (int mode = 1; mode <= 9; ++mode) {
    const std::optional<QCursor> cursor = ToolCursor(mode);
    EXPECT_EQ(cursor ? int(cursor->shape()) : -1, mode == 7 || mode == 8 ? Qt::CrossCursor : mode == 9 ? Qt::BitmapCursor : -1)
        << mode;
  }
  EXPECT_EQ(ToolCursor(9).value_or(QCursor()).hotSpot(), QPoint(1, 30)) << "the pen's tip";
}

}  // namespace
