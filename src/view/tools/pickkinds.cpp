#include "view/tools/pickkinds.h"

#include <cstring>

#include "model/cgcell.h"
#include "model/kindtests.h"

namespace {

const std::vector<PickKindRow>& Rows() {
  static const std::vector<PickKindRow> rows = {
      {1, true, {{"CGVerFree", "选择自由点", true, 1}, {nullptr, "选择点", true, 0}}},
      {2, true, {{nullptr, "选择线", true, 0}}},
      {3, false, {{nullptr, "拖动标签", true, 3}}},
      {4, true, {{"CGInkmarks", "选择", true, 4}, {nullptr, "选择", true, 0}}},
      {5, true, {{nullptr, "选择操作按钮", true, 5}}},
      {6,
       true,
       {{"CGTmVariable", "选择度量值变量", true, 6},
        {"CGTmVector", "选择向量坐标", true, 6},
        {"CGTmVarAfterP", "选择合并到点的值", false, 6},
        {"CGTmSingleline", "选择单行文本", false, 6},
        {nullptr, nullptr, false, 6}}},
      {7, true, {{"CGTextbit", "选择文本：", true, 7}, {nullptr, "选择迭代图", true, 0}}},
      {8, true, {{nullptr, "选择面", true, 0}}},
      {9,
       true,
       {{"CGSurface", "选择自定义曲面", false, 0},
        {"CGTrack", "选择图形的轨迹", false, 0},
        {nullptr, "选择旋转体", true, 0}}},
      // A button's run handle selects nothing: the click starts or stops it.
      {10, false, {{nullptr, nullptr, false, 0}}},
      {11,
       true,
       {{"CGMdfColor", "选择颜色修改器", true, 0},
        {"CGSubassembly", "选择组件：", true, 2},
        {"CGPolyhedron", "选择凸包", false, 0},
        {"CGModel3ds", "选择3ds模型", false, 0},
        {"CGScaleline", "选择2D坐标系刻度线", false, 0},
        {nullptr, "选择", true, 0}}},
      {12, false, {{nullptr, "拖动控制点可以缩放图片", false, 12}}},
      {13, false, {{nullptr, "拖动滑块可以修改参数值", false, 13}}},
  };
  return rows;
}

}  // namespace

const PickKindRow* FindPickKindRow(int kind) {
  for (const PickKindRow& row : Rows())
    if (row.kind == kind) return &row;
  return nullptr;
}

const PickClassCase& CaseForCell(const PickKindRow& row, const CGCell& cell) {
  const char* own = cell.GetRuntimeClass()->m_lpszClassName;
  for (const PickClassCase& c : row.cases)
    if (c.className && std::strcmp(c.className, own) == 0) return c;
  for (const PickClassCase& c : row.cases)
    if (!c.className || IsKindOfClassName(&cell, c.className)) return c;
  return row.cases.back();
}

bool StatusTextFor(const PickClassCase& c, const CGCell& cell, QString* text) {
  if (!c.status) return false;
  *text = QString::fromUtf8(c.status);
  if (c.appendName) *text += cell.m_strName;
  return true;
}
