// The toggles of the view's shortcut menus name what they will do for the
// selection as it is when the menu opens, as the ribbon does: a label shown
// offers "隐藏标签", a hidden one "显示标签"; a traced cell "取消追踪".
#include <gtest/gtest.h>

#include <QMenu>

#include "frametestsupport.h"
#include "platform/commandids.h"
#include "ui/shortcutmenus.h"

namespace KAVREL_FILE_LOCAL {

using ShortcutMenuTexts = FrameTest;

TEST_F(ShortcutMenuTexts, TogglesNameWhatTheyWillDoAndDoIt) {
  CGVertex* a = AddPoint(QStringLiteral("A"));
  CGVertex* b = AddPoint(QStringLiteral("B"), 1);
  struct Row {
    int menu;
    int item;  // its position in the menu
    bool firstOn;  // the first selected cell's label shown, or traced
    const char* text;
  };
  const Row rows[] = {
      {188, 3, true, "隐藏标签"},  {188, 3, false, "显示标签"}, {356, 2, true, "隐藏标签"},
      {356, 2, false, "显示标签"}, {356, 8, true, "取消追踪"}, {356, 8, false, "追踪对象"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    const bool labelItem = FindShortcutMenu(row.menu)->items[row.item].command == ID_VIEW_SHOWHIDE_LABEL;
    for (CGVertex* p : {a, b}) {
      p->m_bLabelHidden = labelItem && !row.firstOn ? 1 : 0;
      p->m_bTraced = !labelItem && row.firstOn;
    }
    Page()->ClearSelection();
    for (CGVertex* p : {a, b}) Page()->SelectCell(p->m_nId);
    QMenu menu;
    FillShortcutMenu(menu, *FindShortcutMenu(row.menu));
    QAction* item = menu.actions().value(row.item);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), QString::fromUtf8(row.text));
    item->trigger();
    for (CGVertex* p : {a, b}) {
      if (labelItem)
        EXPECT_EQ(p->m_bLabelHidden != 0, row.firstOn) << p->m_strName.toStdString();
      else
        EXPECT_EQ(p->m_bTraced != 0, !row.firstOn) << p->m_strName.toStdString();
    }
  }
  // With nothing selected the items keep their own texts.
  Page()->ClearSelection();
  QMenu menu;
  FillShortcutMenu(menu, *FindShortcutMenu(356));
  EXPECT_EQ(menu.actions().value(2)->text(), QString::fromUtf8("显示标签"));
  EXPECT_EQ(menu.actions().value(8)->text(), QString::fromUtf8("追踪图元"));
}

}  // namespace
