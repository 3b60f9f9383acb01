// The whole window driven like a user: it starts, the tree shows the page,
// a click on a tree box selects the cell, and a picture of the screen shows
// the ribbon and the pane.
#include <QImage>
#include <QMouseEvent>
#include <QScreen>
#include <QStyleOptionViewItem>
#include <QWindow>
#include <cstdlib>

#include "frametestsupport.h"
#include "support/settle.h"
#include "ui/kavrelstatusbar.h"
#include "ui/objectlist/objectview.h"
#include "ui/ribbon/ribbonbar.h"
#include "view/kavrelview.h"

namespace KAVREL_FILE_LOCAL {

bool WaitUntilExposed(QWidget& widget) {
  return SettleUntil([&widget] { return widget.windowHandle() && widget.windowHandle()->isExposed(); });
}

// How many different colours a part of the picture holds: a drawn ribbon or
// tree has many, an empty area one or two.
int ColourCount(const QImage& image, const QRect& area) {
  QSet<QRgb> colours;
  const QRect clipped = area.intersected(image.rect());
  for (int y = clipped.top(); y <= clipped.bottom(); y += 2)
    for (int x = clipped.left(); x <= clipped.right(); x += 2) colours.insert(image.pixel(x, y));
  return colours.size();
}

void Click(QWidget* target, const QPoint& at) {
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), target->mapToGlobal(QPointF(at)), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), target->mapToGlobal(QPointF(at)), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(target, &release);
}

// The centre of an item's check box in the tree's viewport.
QPoint CheckBoxCentre(CViewTree* tree, QTreeWidgetItem* item) {
  const QRect row = tree->visualItemRect(item);
  QStyleOptionViewItem option;
  option.initFrom(tree);
  option.rect = row;
  option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay |
                    QStyleOptionViewItem::HasDecoration;
  option.decorationSize = tree->iconSize();
  option.text = item->text(0);
  const QRect box = tree->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, tree);
  return box.center();
}

using WindowTest = FrameTest;

TEST_F(WindowTest, StartsShowsThePageAndSelectsByTheTreeBox) {
  CGVertex* a = AddPoint(QStringLiteral("A"), -5, -5, 0);
  CGVertex* b = AddPoint(QStringLiteral("B"), 5, -5, 0);
  CGVertex* c = AddPoint(QStringLiteral("C"), 0, 6, 0);
  AddLine(a->m_nId, b->m_nId);
  AddLine(b->m_nId, c->m_nId);
  frame->DocumentShown();
  frame->resize(1400, 900);
  frame->show();
  ASSERT_TRUE(WaitUntilExposed(*frame));
  ProcessEvents();

  QTreeWidgetItem* root = Tree()->RootItem();
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(root->text(0), QStringLiteral("测试文档"));
  ASSERT_NE(PageItem(), nullptr);
  EXPECT_EQ(PageItem()->text(0), QStringLiteral("【 1】") + Page()->m_strName);
  EXPECT_EQ(CellIds(), (std::vector<WORD>{1, 2, 3, 4, 5}));

  QTreeWidgetItem* itemB = PageItem()->child(1);
  Tree()->scrollToItem(itemB);
  ProcessEvents();
  Click(Tree()->viewport(), CheckBoxCentre(Tree(), itemB));
  ProcessEvents();
  EXPECT_TRUE(b->m_bSelected);
  EXPECT_EQ(Page()->m_selAll, (std::vector<WORD>{b->m_nId}));
  EXPECT_TRUE(Checked(itemB));
  // A second click takes it out again.
  Click(Tree()->viewport(), CheckBoxCentre(Tree(), itemB));
  ProcessEvents();
  EXPECT_FALSE(b->m_bSelected);
  EXPECT_FALSE(Checked(itemB));
  // A click on the label selects the cell alone.
  Page()->SelectCell(a->m_nId);
  QTreeWidgetItem* itemC = PageItem()->child(2);
  Click(Tree()->viewport(), Tree()->visualItemRect(itemC).center());
  ProcessEvents();
  EXPECT_EQ(Page()->m_selAll, (std::vector<WORD>{c->m_nId}));
  EXPECT_TRUE(Checked(itemC));
  EXPECT_FALSE(Checked(PageItem()->child(0)));

  // The picture of the screen shows the ribbon and the pane drawn.  Other
  // programs' windows share the screen: ours is raised until it shows.
  const QPoint origin = frame->mapToGlobal(QPoint(0, 0)) - frame->screen()->geometry().topLeft();
  const QRect ribbon(origin + frame->Ribbon()->mapTo(frame.get(), QPoint(0, 0)), frame->Ribbon()->size());
  const QRect pane(origin + frame->ObjectView()->mapTo(frame.get(), QPoint(0, 0)), frame->ObjectView()->size());
  QImage screen;
  EXPECT_TRUE(SettleUntil([&] {
    frame->raise();
    ProcessEvents();
    screen = frame->screen()->grabWindow(0).toImage();
    return ColourCount(screen, ribbon) > 20 && ColourCount(screen, pane) > 10;
  })) << "ribbon " << ColourCount(screen, ribbon) << " colours, pane " << ColourCount(screen, pane);
  if (const char* path = std::getenv("KAVREL_SCREENSHOT")) screen.save(QString::fromLocal8Bit(path));
  EXPECT_GT(ribbon.height(), 60);
  EXPECT_GT(pane.width(), 150);
}

}  // namespace
