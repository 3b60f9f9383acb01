// The user tool sets of the Tools folder under the ribbon's custom-tool
// button: one sub-menu per readable document, any number of them, none
// for a damaged file.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QToolButton>

#include "frametestsupport.h"
#include "model/document/usertool.h"
#include "platform/archive.h"
#include "platform/commandids.h"
#include "platform/uibridge.h"
#include "ui/commandactions.h"
#include "ui/toolsetmenu.h"

namespace KAVREL_FILE_LOCAL {

// A document file that holds only its header and the tools.
QByteArray ToolFile(const std::vector<QString>& names, WORD firstMark = 0xFF01) {
  CToolList tools;
  for (const QString& name : names) {
    auto record = std::make_unique<CRecord>();
    record->m_strName = name;
    record->m_strComment = name + QStringLiteral("的说明");
    tools.push_back(std::move(record));
  }
  CArchive ar;
  ar << firstMark << WORD(0x859B) << DWORD(420) << DWORD(0) << DWORD(0);
  WriteToolList(ar, tools);
  return ar.Bytes();
}

void Write(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

// The sub-menus of the custom-tool button, after the heading.
std::vector<QMenu*> SetMenus(QToolButton* button) {
  std::vector<QMenu*> menus;
  if (!button->menu()) return menus;
  for (QAction* action : button->menu()->actions())
    if (action->menu()) menus.push_back(action->menu());
  return menus;
}

class ToolSetsTest : public FrameTest {
 protected:
  std::unique_ptr<CMainFrame> FrameWithTools(std::vector<int>* ran = nullptr) {
    CFrameHooks hooks;
    if (ran) hooks.runUserTool = [ran](int index) { ran->push_back(index); };
    frame.reset();
    return std::make_unique<CMainFrame>(hooks, settings.get(), LoadToolFolder(tools.path()));
  }
  QTemporaryDir tools;
};

TEST_F(ToolSetsTest, EveryReadableDocumentOfEveryDepthListsItsTools) {
  const QString root = tools.path();
  Write(root + QStringLiteral("/a.kv"), ToolFile({QStringLiteral("垂线工具"), QStringLiteral("中垂面")}));
  Write(root + QStringLiteral("/sub/deeper/b&c.KV"), ToolFile({QStringLiteral("外接球")}));
  Write(root + QStringLiteral("/c.kv"), ToolFile({QStringLiteral("x")}, 0xFF02));  // wrong first word
  Write(root + QStringLiteral("/d.kv"), ToolFile({QStringLiteral("y")}).left(30));  // damaged
  Write(root + QStringLiteral("/e.txt"), ToolFile({QStringLiteral("z")}));
  std::vector<int> ran;
  auto withTools = FrameWithTools(&ran);
  QToolButton* button = withTools->CustomToolButton();
  ASSERT_NE(button->menu(), nullptr);
  const QList<QAction*> entries = button->menu()->actions();
  ASSERT_FALSE(entries.isEmpty());
  EXPECT_TRUE(entries[0]->isSeparator());
  EXPECT_EQ(entries[0]->text(), QStringLiteral("工具文件夹"));
  const auto menus = SetMenus(button);
  ASSERT_EQ(menus.size(), 2u);
  EXPECT_EQ(menus[0]->title(), QStringLiteral("a"));
  EXPECT_EQ(menus[0]->menuAction()->statusTip(), QStringLiteral("自定义工具集：a"));
  EXPECT_EQ(menus[1]->title(), QStringLiteral("b&c"));
  EXPECT_EQ(menus[1]->menuAction()->toolTip(), QStringLiteral("b&c")) << "the whole name, ampersand and all";
  ASSERT_EQ(menus[0]->actions().size(), 2);
  QAction* second = menus[0]->actions()[1];
  EXPECT_EQ(second->text(), QStringLiteral("中垂面"));
  EXPECT_EQ(second->statusTip(), QStringLiteral("中垂面的说明"));
  second->trigger();
  menus[1]->actions()[0]->trigger();
  EXPECT_EQ(ran, (std::vector<int>{1, 2}));
}

TEST_F(ToolSetsTest, NoFolderAddsNothingNotEvenTheHeading) {
  tools.remove();
  auto withTools = FrameWithTools();
  EXPECT_EQ(withTools->CustomToolButton()->menu(), nullptr);
}

TEST_F(ToolSetsTest, ToolsWithoutAnEngineAreShownDisabled) {
  Write(tools.path() + QStringLiteral("/a.kv"), ToolFile({QStringLiteral("t")}));
  auto withTools = FrameWithTools();
  const auto menus = SetMenus(withTools->CustomToolButton());
  ASSERT_EQ(menus.size(), 1u);
  EXPECT_FALSE(menus[0]->actions()[0]->isEnabled());
}

TEST_F(ToolSetsTest, AnyNumberOfSetsLeavesTheProgramsCommandsAlone) {
  for (int i = 0; i < 45; ++i)
    Write(tools.path() + QStringLiteral("/set%1.kv").arg(i, 2, 10, QLatin1Char('0')), ToolFile({QStringLiteral("t")}));
  auto withTools = FrameWithTools();
  const auto menus = SetMenus(withTools->CustomToolButton());
  ASSERT_EQ(menus.size(), 45u);
  EXPECT_EQ(menus[40]->title(), QStringLiteral("set40"));
  // 34000 + 40 would have been the origin command.
  EXPECT_EQ(withTools->Actions().Action(ID_CREATE_POINT_ORIGIN)->text(), QStringLiteral("坐标原点"));
  for (QMenu* menu : menus) EXPECT_FALSE(menu->menuAction()->data().isValid());
}

// The button's own command records tools and has no handler yet; the menu
// of stored ones opens all the same.
TEST_F(ToolSetsTest, TheMenuOpensWhileTheButtonsCommandIsUnavailable) {
  Write(tools.path() + QStringLiteral("/a.kv"), ToolFile({QStringLiteral("t")}));
  auto withTools = FrameWithTools();
  withTools->Actions().Refresh();
  ASSERT_FALSE(withTools->Actions().Action(ID_CUSTOM_TOOL)->isEnabled());
  EXPECT_TRUE(withTools->CustomToolButton()->isEnabled()) << "a disabled button opens no menu";
  EXPECT_NE(withTools->CustomToolButton()->menu(), nullptr);
}

// The document's tools follow the sets under a heading of their own, added
// with the first; an item past the tool ids is an action of its own.
TEST_F(ToolSetsTest, DocumentToolsFollowTheSetsUnderTheirHeading) {
  for (bool withSets : {false, true}) {
    if (withSets) Write(tools.path() + QStringLiteral("/a.kv"), ToolFile({QStringLiteral("t")}));
    auto withTools = FrameWithTools();
    QToolButton* button = withTools->CustomToolButton();
    const int before = button->menu() ? static_cast<int>(button->menu()->actions().size()) : 0;
    UiBridge().AddDocumentTool(20001, QStringLiteral("甲"), QStringLiteral("甲的说明"));
    UiBridge().AddDocumentTool(0, QStringLiteral("乙"), QStringLiteral("乙的说明"));
    withTools->Actions().Refresh();
    ASSERT_NE(button->menu(), nullptr) << withSets;
    EXPECT_TRUE(button->menu()->toolTipsVisible());
    EXPECT_EQ(button->popupMode(), QToolButton::MenuButtonPopup) << withSets;
    const QList<QAction*> entries = button->menu()->actions().mid(before);
    ASSERT_EQ(entries.size(), 3) << withSets;
    EXPECT_TRUE(entries[0]->isSeparator());
    EXPECT_EQ(entries[0]->text(), QStringLiteral("当前文档工具"));
    EXPECT_EQ(entries[1], withTools->Actions().Action(20001)) << "the tool's command id";
    const QString texts[][2] = {{QStringLiteral("甲"), QStringLiteral("甲的说明")},
                                {QStringLiteral("乙"), QStringLiteral("乙的说明")}};
    for (int i = 0; i < 2; ++i) {
      EXPECT_EQ(entries[i + 1]->text(), texts[i][0]) << withSets << i;
      EXPECT_EQ(entries[i + 1]->toolTip(), texts[i][0]) << withSets << i;
      EXPECT_EQ(entries[i + 1]->statusTip(), texts[i][1]) << withSets << i;
      // The tool's id runs it; an item past the tool ids has nothing to run.
      EXPECT_EQ(entries[i + 1]->isEnabled(), i == 0) << withSets << i;
    }
    EXPECT_FALSE(entries[2]->data().isValid()) << "no command id past the tool ids";
    // Another document shown: its tools replace these under a new heading.
    UiBridge().ClearDocumentTools();
    EXPECT_EQ(button->menu()->actions().size(), before) << withSets;
    EXPECT_NE(withTools->Actions().Action(20001), nullptr) << "the command's action outlives the menu item";
    UiBridge().AddDocumentTool(20001, QStringLiteral("丙"), QString());
    const QList<QAction*> again = button->menu()->actions().mid(before);
    ASSERT_EQ(again.size(), 2) << withSets;
    EXPECT_EQ(std::make_pair(again[0]->text(), again[1]->text()),
              std::make_pair(QStringLiteral("当前文档工具"), QStringLiteral("丙")));
  }
}

TEST(ToolSetImages, TheSeventhAndLaterSetsShareTheLastPicture) {
  const int expected[] = {69, 70, 71, 72, 73, 74, 74, 74, 74};
  for (int i = 0; i < 9; ++i) EXPECT_EQ(ToolSetImage(i), expected[i]) << i;
}

}  // namespace
