// The button base without a context: its size from the caption's extent,
// dragging it with the page's next button place following, its record and
// the pause in ticks.
#include <QSize>
#include <array>
#include <limits>

#include "buttonrecord.h"
#include "model/cgbutton.h"
#include "render/glfontlists.h"

namespace KAVREL_FILE_LOCAL {

QSize g_extent;
QSize FixedExtent(const QString&) { return g_extent; }

using CGButtonTest = ModelTest;

TEST_F(CGButtonTest, CaptionExtentGivesTheSizeAndPausesCountTicks) {
  const TextExtentFunction previous = SetWindowTextExtent(FixedExtent);
  for (auto [cx, cy, width, height] : {std::array{0, 0, 60, 25}, {30, 16, 60, 25}, {31, 17, 61, 26}}) {
    g_extent = QSize(cx, cy);
    CGButton button;
    button.MeasureCaption();
    EXPECT_TRUE(button.m_nWidth == width && button.m_nHeight == height) << cx << " x " << cy;
  }
  SetWindowTextExtent(previous);
  // trunc(frames per second x seconds + 1); a damaged pause gives no wait.
  EXPECT_EQ(CGButton::PauseTicks(0.5f), 13);
  g_prefs.nFramesPerSecond = 0;  // not a usable rate: the default 25, as timer 1 counts it
  EXPECT_EQ(CGButton::PauseTicks(1), 26);
  EXPECT_EQ(CGButton::PauseTicks(std::numeric_limits<float>::quiet_NaN()), 0);
  EXPECT_EQ(CGButton::PauseTicks(1e30f), std::numeric_limits<int>::max() / 2);
}

TEST_F(CGButtonTest, DraggingMovesTheAnchorAndTheNextButtonGoesBelowIt) {
  struct Row {
    float x, y;          // anchor, grid units (one world unit at 0.05)
    int dx, dy;          // pixels
    float nextX, nextY;  // the next new button
    BYTE slot;
  } rows[] = {{-18, 12, 20, 30, -17, 9, 2}, {-3, -10, 0, 40, 2, 12, 65}, {17, -10, 20, 20, -18, 12, 128}};
  for (const Row& r : rows) {
    CGButton button;
    button.m_vLabelAnchor[0] = r.x, button.m_vLabelAnchor[1] = r.y;
    g_nMouseDeltaX = r.dx, g_nMouseDeltaY = r.dy;
    button.DragBy();
    EXPECT_FLOAT_EQ(button.m_vLabelAnchor[0], r.x + r.dx * 0.05f) << r.x;
    EXPECT_FLOAT_EQ(button.m_vLabelAnchor[1], r.y - r.dy * 0.05f) << r.x;
    EXPECT_EQ(page->m_nButtonSlot, r.slot) << r.x;
    float next[2];
    page->NextButtonPosition(next);
    EXPECT_TRUE(next[0] == r.nextX && next[1] == r.nextY) << r.x << ": " << next[0] << ", " << next[1];
  }
}

TEST_F(CGButtonTest, RecordIsTheCellThenTheSpeedAndALoadedButtonIsStopped) {
  CGButton button;
  button.m_nId = 7;
  button.m_strName = QStringLiteral("Go");
  button.m_vLabelAnchor[0] = -18, button.m_vLabelAnchor[1] = 12;
  EXPECT_TRUE(button.Step()) << "a plain button finishes on its first tick";
  EXPECT_EQ(button.GetDescription(), QString::fromUtf8("动作按钮"));
  const QByteArray bytes = ButtonRecord({7, "Go"}).get();
  CArchive out;
  button.Serialize(out);
  EXPECT_EQ(out.Bytes().toHex(), bytes.toHex());
  CGButton loaded;
  loaded.m_bRunning = true;
  CArchive in(bytes);
  loaded.Serialize(in);
  EXPECT_TRUE(!loaded.m_bRunning && loaded.m_fSpeed == 0.01f && in.Remaining() == 0);
}

}  // namespace
