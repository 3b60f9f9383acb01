// The main window follows the document and the user: sliders and the
// title's unsaved mark, full screen, page set-up, grid snapping, renaming
// and dragging pages in the object list, and marks visible in every look.
#include <QLabel>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <QSlider>
#include <QTimer>

#include "frametestsupport.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "ui/commandactions.h"
#include "ui/kavrelstatusbar.h"
#include "ui/objectlist/treeimages.h"

namespace KAVREL_FILE_LOCAL {

using FrameStateTest = FrameTest;

TEST_F(FrameStateTest, SlidersFollowThePageAndMarkTheDocumentModified) {
  AddPages(1);
  CGPage* second = doc.m_pages[1].get();
  std::copy_n(std::array{-3.07f, 0.5f, -41.5f}.data(), 3, second->m_vTranslate);
  doc.SwitchToPage(second);
  for (int axis = 0; axis < 3; ++axis)
    EXPECT_EQ(frame->TranslationSlider(axis)->value(), (std::array{-30, 5, 85})[axis]) << axis;
  frame->Actions().Refresh();
  EXPECT_EQ(frame->windowTitle(), QStringLiteral("测试文档[*] - Kavrel"));
  EXPECT_FALSE(frame->isWindowModified());
  frame->TranslationSlider(2)->setValue(50);  // the page stores its translation
  frame->Actions().Refresh();
  EXPECT_TRUE(frame->isWindowModified());
}

// Without a window manager (as here) a geometry saved by Qt came back lower.
TEST_F(FrameStateTest, LeavingFullScreenGivesBackTheExactWindow) {
  for (const bool maximized : {true, false}) {
    maximized ? frame->showMaximized() : frame->showNormal();
    ProcessEvents();
    const QRect before = frame->geometry();
    for (int round = 0; round < 2; ++round) {
      CommandRegistry().Run(ID_VIEW_FULLSCREEN);
      ProcessEvents();
      CommandRegistry().Run(ID_VIEW_FULLSCREEN);
      ProcessEvents();
      EXPECT_EQ(frame->geometry(), before) << maximized << round;
      EXPECT_EQ(frame->isMaximized(), maximized);
    }
  }
}

TEST_F(FrameStateTest, PageSetUpAndGridSnapping) {
  QPrinter* dialogPrinter = nullptr;
  QTimer::singleShot(0, frame.get(), [&dialogPrinter] {
    if (auto* open = qobject_cast<QPageSetupDialog*>(QApplication::activeModalWidget())) {
      dialogPrinter = open->printer();
      open->reject();
    }
  });
  ASSERT_TRUE(CommandRegistry().Run(ID_FILE_PRINT_SETUP));
  EXPECT_EQ(dialogPrinter, &frame->Printer()) << "the printer that printing uses keeps the choice";
  for (const BOOL on : {1, 0}) {
    ASSERT_TRUE(CommandRegistry().Run(ID_VIEW_SNAP));
    EXPECT_EQ(g_bSnapToGrid, on);
    EXPECT_EQ(CommandRegistry().Query(ID_VIEW_SNAP).m_nCheck, on);
  }
}

TEST_F(FrameStateTest, ObjectListRefusesBlankNamesDragsAndScrolls) {
  for (int i = 0; i < 50; ++i) AddPoint(QStringLiteral("P"));
  AddPages(2);
  frame->show();
  QTreeWidgetItem* page = PageItem();
  Tree()->EndRename(page, QStringLiteral("  "));
  EXPECT_EQ(Page()->m_strName, QStringLiteral("第一页"));
  EXPECT_EQ(page->text(0), QStringLiteral("【 1】第一页"));

  QTreeWidgetItem* target = Tree()->RootItem()->child(2);
  Tree()->BeginPageDrag();
  EXPECT_EQ(Tree()->DragTimer()->interval(), 40);
  for (int tick = 1; tick <= 6; ++tick) {  // 5 pixels into the lower band: a line on the sixth tick
    Tree()->AutoScrollTick(QPoint(9, Tree()->viewport()->height() - 5));
    EXPECT_EQ(Tree()->verticalScrollBar()->value(), tick / 6) << tick;
  }
  Tree()->scrollToTop();
  Tree()->TrackDropTarget(Tree()->visualItemRect(page->child(0)).center());
  EXPECT_EQ(Tree()->DropTarget(), nullptr) << "a cell";
  Tree()->scrollToItem(target);
  const QRect row = Tree()->visualItemRect(target);
  Tree()->TrackDropTarget(row.center());
  EXPECT_EQ(Tree()->DropTarget(), target);
  const QRgb shown = Tree()->viewport()->grab().toImage().pixel(row.right() - 2, row.center().y());
  EXPECT_EQ(shown, Tree()->palette().color(QPalette::Active, QPalette::Highlight).rgb());
  Tree()->EndPageDrag();
  EXPECT_FALSE(Tree()->DragTimer()->isActive());
  EXPECT_TRUE(Tree()->hasAutoScroll());
  EXPECT_EQ(Tree()->DropTarget(), nullptr);
}

TEST(AutoScrollStep, PaceQuickensWithTheDepthIntoTheEdgeBand) {
  // The pointer's y in a list from 100 to 300, the direction, every n-th tick.
  const int cases[][3] = {{150, 0, 0}, {110, 0, 0}, {290, 0, 0}, {109, -1, 6}, {101, -1, 6}, {100, -1, 5},
                          {90, -1, 4}, {60, -1, 1},  {291, 1, 6},  {299, 1, 6},   {300, 1, 5},  {2000, 1, 1}};
  for (const auto& [y, direction, period] : cases)
    for (int tick = 1; tick <= 12; ++tick)
      EXPECT_EQ(AutoScrollStep(y, 100, 300, tick), period && tick % period == 0 ? direction : 0) << y << " " << tick;
}

// Whether a mark stands out: some pixel a third of the grey range away
// from the background it is drawn on.
bool StandsOut(const QImage& picture, const QColor& background) {
  int most = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) most = std::max(most, std::abs(qGray(picture.pixel(x, y)) - qGray(background.rgb())));
  return most >= 85;
}

TEST_F(FrameStateTest, CheckBoxesPicturesAndTheLinkStandOutInEveryLook) {
  frame->StatusBarEx()->SetLinkAddress(QStringLiteral("https://kavrel.example/"));
  AddPoint(QStringLiteral("A"));
  frame->DocumentShown();
  frame->show();
  for (int look = 331; look <= 335; ++look) {
    frame->OnApplicationLook(look);
    ProcessEvents();
    const QColor base = Tree()->palette().color(QPalette::Base);
    const QRect row = Tree()->visualItemRect(PageItem()->child(0));
    const QRect box(row.topLeft(), QSize(Tree()->style()->pixelMetric(QStyle::PM_IndicatorWidth), row.height()));
    EXPECT_TRUE(StandsOut(Tree()->viewport()->grab(box).toImage(), base)) << look << ": an empty check box";
    QPixmap line(16, 16);
    line.fill(base);
    QPainter painter(&line);
    TreeImage(3).paint(&painter, line.rect());
    painter.end();
    EXPECT_TRUE(StandsOut(line.toImage(), base)) << look << ": the line's picture";
    QLabel* link = frame->StatusBarEx()->Link();
    EXPECT_TRUE(StandsOut(link->grab().toImage(), link->palette().color(QPalette::Window))) << look << ": the link";
  }
}

}  // namespace
