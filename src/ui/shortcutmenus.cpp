// The shortcut menus of the view: their titles and items.  An item runs the
// command whose catalog label it shows (the dots of a dialog item aside);
// an item no command carries yet stays disabled.
#include "ui/shortcutmenus.h"

#include <QMenu>
#include <cstring>

#include "platform/commandregistry.h"
#include "ui/commandactions.h"
#include "ui/commandcatalog.h"

namespace {
const ShortcutMenu kMenus[] = {
    {356, "点的快捷菜单",
     {"属性...", "隐藏点", "显示标签", "修改标签...", "标志中心", "分离点", "点大小...", "动画...", "追踪图元", "光照处理", "点的值 t", "坐标(x,y,z)", "坐标 x", "坐标 y"}},
    {357, "线的快捷菜单",
     {"属性...", "隐藏线", "标志轴", "线反向", "线粗细...", "线段", "射线", "直线", "向量", "中点", "线上点", "追踪图元", "光照处理", "长度", "向量坐标"}},
    {358, "面的快捷菜单",
     {"属性...", "隐藏面", "标志镜面", "面反向", "追踪图元", "填充颜色", "光照处理", "透明材质", "面内点", "边界上的点", "平面法向量", "多边形面积"}},
    {188, "弹出",
     {"属性...", "框选对象", "随机着色", "显示标签", "编辑文本与标签...", "隐藏对象", "显示所有隐藏", "显示/隐藏坐标系", "显示/隐藏网格", "新建参数...", "计算...", "二维视图", "三维视图", "全屏"}},
};

// A label without its access key: "蓝色(&B)" reads "蓝色".
QString PlainLabel(const char* label) {
  QString text = QString::fromUtf8(label);
  const qsizetype key = text.indexOf(QStringLiteral("(&"));
  return key >= 0 ? text.left(key) : text;
}
}  // namespace

const ShortcutMenu* FindShortcutMenu(int id) {
  for (const ShortcutMenu& menu : kMenus)
    if (menu.id == id) return &menu;
  return nullptr;
}

unsigned ShortcutItemCommand(const char* item) {
  QString text = QString::fromUtf8(item);
  if (text.endsWith(QStringLiteral("..."))) text.chop(3);
  for (const CCommandText& command : AllCommandTexts())
    if (PlainLabel(command.label) == text) return command.id;
  return 0;
}

void FillShortcutMenu(QMenu& menu, const ShortcutMenu& items) {
  for (const char* item : items.items) {
    QAction* action = menu.addAction(QString::fromUtf8(item));
    const unsigned id = ShortcutItemCommand(item);
    action->setEnabled(id != 0 && CommandRegistry().Query(id).m_bEnabled);
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
