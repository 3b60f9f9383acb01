// The shortcut menus of the view: their titles and items, each item bound
// to its command by id.  An item's text need not be its command's label (the
// line menu's length runs the distance command), so no text is matched.
#include "ui/shortcutmenus.h"

#include <QMenu>
#include <cstring>

#include "platform/commandids.h"
#include "platform/commandregistry.h"

namespace {
const ShortcutMenu kMenus[] = {
    {356,
     "点的快捷菜单",
     {{"属性...", ID_EDIT_PROPERTY},
      {"隐藏点", ID_VIEW_HIDEOBJECTS},
      {"显示标签", ID_VIEW_SHOWHIDE_LABEL},
      {"修改标签...", ID_EDIT_LABELMOD},
      {"标志中心", ID_TRANS_MARKCENTER},
      {"分离点", ID_EDIT_SPLIT},
      {"点大小...", ID_VIEW_WEIGHT_SHURU},
      {"动画...", ID_EDIT_BTN_ANIMATION},
      {"追踪图元", ID_VIEW_TRACE},
      {"光照处理", ID_VIEW_RENDERSOLID},
      {"点的值 t", ID_MEASURE_PT},
      {"坐标(x,y,z)", ID_MEASURE_PXYZ},
      {"坐标 x", ID_MEASURE_COORD_X},
      {"坐标 y", ID_MEASURE_COORD_Y}}},
    {357,
     "线的快捷菜单",
     {{"属性...", ID_EDIT_PROPERTY},
      {"隐藏线", ID_VIEW_HIDEOBJECTS},
      {"标志轴", ID_TRANS_MARKAXIS},
      {"线反向", ID_EDIT_REVERSE},
      {"线粗细...", ID_VIEW_WEIGHT_SHURU},
      {"线段", ID_CREATE_LINE_SEGMENT},
      {"射线", ID_CREATE_LINE_HALF},
      {"直线", ID_CREATE_LINE_STRAIGHT},
      {"向量", ID_CREATE_LINE_VECTOR},
      {"中点", ID_CREATE_POINT_MIDDLE},
      {"线上点", ID_CREATE_POINT_ONOBJECT},
      {"追踪图元", ID_VIEW_TRACE},
      {"光照处理", ID_VIEW_RENDERSOLID},
      {"长度", ID_MEASURE_D_PP},
      {"向量坐标", ID_MEASURE_VXYZ}}},
    {358,
     "面的快捷菜单",
     {{"属性...", ID_EDIT_PROPERTY},
      {"隐藏面", ID_VIEW_HIDEOBJECTS},
      {"标志镜面", ID_TRANS_MARKMIRROR},
      {"面反向", ID_EDIT_REVERSE},
      {"追踪图元", ID_VIEW_TRACE},
      {"填充颜色", ID_VIEW_FILL},
      {"光照处理", ID_VIEW_RENDERSOLID},
      {"透明材质", ID_VIEW_TRANSLUCENT},
      {"面内点", ID_CREATE_POINT_ONOBJECT},
      {"边界上的点", ID_CREATE_POINT_PATH},
      {"平面法向量", ID_MEASURE_VECFN},
      {"多边形面积", ID_MEASURE_AREA}}},
    {188,
     "弹出",
     {{"属性...", ID_EDIT_PROPERTY},
      {"框选对象", ID_EDIT_SELBOX},
      {"随机着色", ID_COLOR26},
      {"显示标签", ID_VIEW_SHOWHIDE_LABEL},
      {"编辑文本与标签...", ID_CREATE_TEXTLABEL},
      {"隐藏对象", ID_VIEW_HIDEOBJECTS},
      {"显示所有隐藏", ID_EDIT_SHOWOBJECT},
      {"显示/隐藏坐标系", ID_VIEW_GRID},
      {"显示/隐藏网格", ID_VIEW_GRID3},
      {"新建参数...", ID_MEASURE_PARAMETER},
      {"计算...", ID_MEASURE_FUN},
      {"二维视图", ID_VIEW_PORT_TT},
      {"三维视图", ID_VIEW_TSFM_RESET},
      {"全屏", ID_VIEW_FULLSCREEN}}},
};
}  // namespace

const ShortcutMenu* FindShortcutMenu(int id) {
  for (const ShortcutMenu& menu : kMenus)
    if (menu.id == id) return &menu;
  return nullptr;
}

std::span<const ShortcutMenu> AllShortcutMenus() { return kMenus; }

unsigned ShortcutItemCommand(int menu, const char* item) {
  const ShortcutMenu* items = FindShortcutMenu(menu);
  if (!items) return 0;
  for (const ShortcutItem& row : items->items)
    if (std::strcmp(row.text, item) == 0) return row.command;
  return 0;
}

void FillShortcutMenu(QMenu& menu, const ShortcutMenu& items) {
  for (const ShortcutItem& item : items.items) {
    const unsigned id = item.command;
    const CCmdUI ui = id ? CommandRegistry().Query(id) : CCmdUI(0);
    // A toggle names what it will do for this selection ("隐藏标签" while
    // the first selected label shows), as it does on the ribbon.
    QAction* action = menu.addAction(ui.m_bTextSet ? ui.m_strText : QString::fromUtf8(item.text));
    action->setEnabled(id != 0 && ui.m_bEnabled);
    if (id) QObject::connect(action, &QAction::triggered, [id] { CommandRegistry().Run(id); });
  }
}

void ShowShortcutMenu(int id, const QPoint& global, QWidget* owner) {
  const ShortcutMenu* items = FindShortcutMenu(id);
  if (!items) return;
  QMenu menu(owner);
  menu.setTitle(QString::fromUtf8(items->title));
  FillShortcutMenu(menu, *items);
  menu.exec(global);
}
