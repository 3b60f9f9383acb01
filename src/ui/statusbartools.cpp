// The tool buttons of the status bar, in their order: command, text and the
// index of the picture the button shows.
#include "ui/statusbartools.h"

#include "platform/commandids.h"

namespace {
const CStatusTool kTools[] = {
    {ID_EDIT_SELECT, "箭头工具", 0},
    {ID_CREATE_POINT, "点工具", 1},
    {ID_CREATE_LINE, "线工具", 2},
    {ID_CREATE_POLYGON, "面工具", 7},
    {ID_CREATE_CIRCLE, "圆工具", 9},
    {ID_CREATE_PRISM, "柱体工具", 17},
    {ID_CREATE_PYRAMID, "锥体工具", 18},
    {ID_CREATE_FRUSTUM, "台体工具", 19},
    {ID_CREATE_SPHERE, "球体工具", 20},
    {ID_CREATE_CURVE_LOCUS, "曲线与轨迹", 23},
    {ID_CREATE_MEASCALC, "度量与计算", 24},
    {ID_CREATE_PLAY, "动画与影音", 26},
    {ID_CREATE_TEXTLABEL, "文本与标签", 25},
    {ID_CREATE_STATICKAVREL, "定位图", 21},
    {ID_MEASURE_PARAMETER, "新建参数", 75},
    {ID_CREATE_CIRCLE_PNZ2, "心向圆", 12},
    {ID_CREATE_POINT_ORIGIN, "坐标原点", 50},
    {ID_CREATE_POINT_MIDDLE, "中点", 51},
    {ID_CREATE_POINT_PER_SC, "面垂线上伸缩点", 54},
    {ID_CREATE_POINT_PAR_X, "平行于X轴上的点", 57},
    {ID_CREATE_POINT_PAR_Y, "平行于Y轴上的点", 58},
    {ID_CREATE_POINT_PAR_Z, "平行于Z轴上的点", 59},
    {kCmdCustomColor, "颜色", 87},
    {ID_EDIT_PROPERTY, "属性", 48},
    {ID_VIEW_PORT_TT, "二维", 28},
    {ID_VIEW_TSFM_RESET, "三维", 29},
    {kCmdDashedHiddenLines, "光照时显示虚线", 77},
};
}  // namespace

std::span<const CStatusTool> StatusBarTools() { return kTools; }
