// The command catalogue, the ribbon layout and the status bar's tools: ids
// and texts as the program has always had them.
#include <gtest/gtest.h>

#include <QString>
#include <set>
#include <string_view>

#include "model/document/kavreldoc.h"
#include "platform/commandids.h"
#include "ui/commandcatalog.h"
#include "ui/commandicons.h"
#include "ui/ribbon/ribbonlayout.h"
#include "ui/statusbartools.h"
#include "ui/uitexts.h"

namespace KAVREL_FILE_LOCAL {

QString Tip(unsigned id) { return QString::fromUtf8(FindCommandText(id)->tip); }
QString Label(unsigned id) { return QString::fromUtf8(FindCommandText(id)->label); }

TEST(CommandCatalog, IdsAreUniqueAscendingAndEveryOneHasALabel) {
  unsigned previous = 0;
  for (const CCommandText& text : AllCommandTexts()) {
    EXPECT_GT(text.id, previous);
    EXPECT_FALSE(QString::fromUtf8(text.label).isEmpty()) << text.id;
    EXPECT_FALSE(QString::fromUtf8(text.label).contains(QLatin1Char('\n'))) << text.id;
    previous = text.id;
  }
  EXPECT_EQ(FindCommandText(1), nullptr);
  EXPECT_EQ(FindCommandText(99999), nullptr);
}

TEST(CommandCatalog, HelpTextAndLabelAreSplitAtTheLineBreak) {
  struct Case { unsigned id; const char* tip; const char* label; };
  const Case cases[] = {
      {ID_EDIT_PROPERTY, "选中单个对象，打开该对象属性对话框供编辑；选择两个图元（点线面），显示相互关系", "属性"},
      {ID_EDIT_CUT, "复制选定内容（含其祖辈）到剪贴板上，同时删除它及其后辈", "剪切"},
      {ID_VIEW_MINI, "切换显示功能区选项卡及浏览器", "迷你界面"}, {ID_SLIDER_TX, "当前视图中心的平移量X", "平移X"},
      // Two texts separate with "\\" and "/n" instead of a line break.
      {ID_AUTODELALL, "取消各页自动按钮", "取消所有自动"},
      {ID_CREATE_TABLE, "创建一张表格，添加图文及按钮后可逐一显示单元格内容", "表格"},
      {ID_EDIT_FLUSH, "对选中的按钮、度量或图文与最后一个左对齐，并且纵向等距重排", "对齐"},
      {ID_AUTOBTN, "将选中的按钮设置为切入本页时自动执行", "设置自动"},
  };
  for (const Case& c : cases) {
    ASSERT_NE(FindCommandText(c.id), nullptr) << c.id;
    EXPECT_EQ(Tip(c.id), QString::fromUtf8(c.tip)) << c.id;
    EXPECT_EQ(Label(c.id), QString::fromUtf8(c.label)) << c.id;
  }
}

TEST(CommandCatalog, BoundPointsAndPasteCarryTheirWholeHelpTexts) {
  struct Case { unsigned id; const char* texts; };  // help text, line break, label
  const Case cases[] = {
      {ID_CREATE_POINT_MIDDLE, "选取直线型图元（可多条）或两点，分别画出它们的中点\n中点"},
      {ID_CREATE_POINT_PER_SC, "选中两点或三点，画一动点，使它与第一点连线垂直于所选点确定的线或面\n伸缩点"},
      {ID_CREATE_POINT_PER_EQ, "选中两点或三点，画一约束点，使它与第一点连线垂直于所选点确定的线或面，距离等于前两点距离\n等距点"},
      {ID_CREATE_POINT_PAR_V, "选中一点，画一动点，使连线平行于输入的向量\n平行于向量的直线上点"},
      {ID_CREATE_POINT_PAR_L, "选中三点，画一动点，使第一点与动点连线平行于另两点连线（构成梯形）\n平行线上点"},
      {ID_CREATE_POINT_VECTOR, "选中一点，画一个三度自由点，使它可随已知点运动\n自由随从点"},
      {ID_CREATE_POINT_ONOBJECT, "在选择的对象（线、曲线、轨迹、圆(弧)、面或三点）上创建一个自由点\n对象上的点"},
      {ID_CREATE_FREE3_POINT, "添加一个全自由点（初始坐标(0,0,0)）\n全自由点"},
      {ID_VIEW_SNAP, "自动吸附到格点，画点或拖动点时得到的总是整点\n自动吸附"},
      {ID_EDIT_PASTE, "插入剪贴板内容\n粘贴"},
      {ID_CREATE_STATICKAVREL, "添加定位图（点不可拖动，但可在属性中修改，图元各自独立，不组合）\n定位图"},
      {ID_3DSMODEL, "打开3ds Max 模型文件(.3ds格式)\n3DS模型"},
      {34000, "基本画图工具\n基本画图工具"},  {34010, "基本画图工具\n基本画图工具"},  // the basic drawing tools
  };
  for (const Case& c : cases) {
    ASSERT_NE(FindCommandText(c.id), nullptr) << c.id;
    EXPECT_EQ(Tip(c.id) + QLatin1Char('\n') + Label(c.id), QString::fromUtf8(c.texts)) << c.id;
  }
}

TEST(CommandCatalog, NumbersOfTheCommandsStayAsDocumentsStoreThem) {
  struct Case { unsigned id, number; };
  const Case cases[] = {
      {ID_EDIT_SELECT, 32771},   {ID_VIEW_FULLSCREEN, 32772}, {ID_VIEW_COLOR, 32781},   {kCmdHidePanels, 32784},
      {kCmdShowPanels, 32785},   {kCmdRestoreFromFullScreen, 32786}, {kCmdEscape, 32787},
      {kCmdFullScreenTaskbar, 32790}, {ID_EDIT_PROPERTY, 32851}, {ID_EDIT_DELETE, 32883},
      {ID_SELECT_PAGE, 33199},   {kCmdCollapseTree, 33533},   {ID_CUSTOM_TOOL, 33621},  {kCmdQuickHelp, 33640},
      {kCmdStatusLink, 33818},   {ID_VIEW_PANEL, 34104},      {kCmdRefreshTree, 34123}, {kCmdMovePageUp, 34127},
      {kCmdMovePageDown, 34128}, {kCmdDashedHiddenLines, 34132}, {ID_VIEW_MINI, 34135}, {ID_SLIDER_TX, 34139},
      {ID_SLIDER_TY, 34140},     {ID_SLIDER_TZ, 34141},       {ID_EDIT_COPY, 57634},    {ID_EDIT_CUT, 57635},
      {ID_FILE_PRINT, 57607},    {ID_FILE_PRINT_PREVIEW, 57609}, {ID_VIEW_APPLOOK_OFF_2007_BLUE, 331},
      {ID_VIEW_APPLOOK_WINDOWS_7, 335}, {kCmdCustomColor, 2027}, {ID_VIEW_PAGEUP, 32861}, {ID_VIEW_PAGEDOWN, 32862},
  };
  for (const Case& c : cases) EXPECT_EQ(c.id, c.number);
}

TEST(RibbonLayout, EightCategoriesWithTheToolPanelSecondInTheFirst) {
  ASSERT_EQ(std::size(kRibbonCategories), 8u);
  const char* const names[8] = {"常用", "编辑", "显示", "构造", "插入", "变换", "度量", "帮助"};
  for (int i = 0; i < 8; ++i) EXPECT_STREQ(kRibbonCategories[i], names[i]);

  std::vector<const CRibbonPanelLayout*> home;
  std::set<int> categories;
  for (const CRibbonPanelLayout& panel : RibbonPanels()) {
    categories.insert(panel.category);
    if (panel.category == 0) home.push_back(&panel);
  }
  EXPECT_EQ(categories, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7}));
  ASSERT_GE(home.size(), 2u);
  EXPECT_STREQ(home[1]->title, kTextToolGroup);
  bool holdsTools = false;
  for (const CRibbonEntry& entry : home[1]->entries) holdsTools |= entry.id == kRibbonSlotTools;
  EXPECT_TRUE(holdsTools);
  for (const CRibbonPanelLayout& panel : RibbonPanels())  // a panel named as a category sits in it
    for (int i = 0; i < 8; ++i)
      if (std::string_view(panel.title) == kRibbonCategories[i]) { EXPECT_EQ(panel.category, i) << panel.title; }
}

TEST(RibbonLayout, EveryButtonNamesACommandWithTexts) {
  for (const CRibbonPanelLayout& panel : RibbonPanels())
    for (const CRibbonEntry& entry : panel.entries) {
      if (entry.id <= kRibbonSlotPalette) continue;  // the frame's own widgets
      EXPECT_NE(FindCommandText(entry.id), nullptr) << panel.title << " " << entry.id;
    }
  EXPECT_EQ(CommandIcon(ID_EDIT_SELECT).cacheKey(), CommandIcon(ID_EDIT_SELECT).cacheKey()) << "drawn once";
}

TEST(StatusBarTools, TwentySevenButtonsInTheirOrder) {
  struct Case { unsigned id; const char* text; int image; };
  const Case cases[] = {
      {ID_EDIT_SELECT, "箭头工具", 0},          {ID_CREATE_POINT, "点工具", 1},
      {ID_CREATE_LINE, "线工具", 2},            {ID_CREATE_POLYGON, "面工具", 7},
      {ID_CREATE_CIRCLE, "圆工具", 9},          {ID_CREATE_PRISM, "柱体工具", 17},
      {ID_CREATE_PYRAMID, "锥体工具", 18},      {ID_CREATE_FRUSTUM, "台体工具", 19},
      {ID_CREATE_SPHERE, "球体工具", 20},       {ID_CREATE_CURVE_LOCUS, "曲线与轨迹", 23},
      {ID_CREATE_MEASCALC, "度量与计算", 24},   {ID_CREATE_PLAY, "动画与影音", 26},
      {ID_CREATE_TEXTLABEL, "文本与标签", 25},  {ID_CREATE_STATICKAVREL, "定位图", 21},
      {ID_MEASURE_PARAMETER, "新建参数", 75},   {ID_CREATE_CIRCLE_PNZ2, "心向圆", 12},
      {ID_CREATE_POINT_ORIGIN, "坐标原点", 50}, {ID_CREATE_POINT_MIDDLE, "中点", 51},
      {ID_CREATE_POINT_PER_SC, "面垂线上伸缩点", 54}, {ID_CREATE_POINT_PAR_X, "平行于X轴上的点", 57},
      {ID_CREATE_POINT_PAR_Y, "平行于Y轴上的点", 58}, {ID_CREATE_POINT_PAR_Z, "平行于Z轴上的点", 59},
      {2027, "颜色", 87},                       {ID_EDIT_PROPERTY, "属性", 48},
      {ID_VIEW_PORT_TT, "二维", 28},            {ID_VIEW_TSFM_RESET, "三维", 29},
      {34132, "光照时显示虚线", 77},
  };
  const auto tools = StatusBarTools();
  ASSERT_EQ(tools.size(), std::size(cases));
  for (size_t i = 0; i < tools.size(); ++i) {
    EXPECT_EQ(tools[i].id, cases[i].id) << i;
    EXPECT_STREQ(tools[i].text, cases[i].text) << i;
    EXPECT_EQ(tools[i].image, cases[i].image) << i;
  }
}

}  // namespace
