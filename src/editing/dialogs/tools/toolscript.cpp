#include "editing/dialogs/tools/toolscript.h"

#include <initializer_list>
#include <string_view>
#include <utility>

#include "editing/dialogs/tools/toolscriptview.h"
#include "model/cgcell.h"
#include "model/document/usertool.h"
#include "model/kindtests.h"

namespace {
constexpr const char* kScriptSuffix = "脚本";

// The strip's classes after the two point icons, in the order that decides.
const std::initializer_list<std::initializer_list<std::string_view>> kIconClasses = {
    {"CGLine"},  {"CGFace"},   {"CGArc"},     {"CGCurve"},
    {"CGLocus"}, {"CGTextbit"}, {"CGTmVarAfterP", "CGTmSingleline", "CGTmVariable"},
    {"CGTmVector", "CGButton"}, {"CGCylinder"}, {"CGCone"}, {"CGFrustum"}, {"CGSphere"},
    {"CGIterate"}, {"CGSurface"}, {"CGTrack"}};

const CGCell* RecordCell(const CRecord& tool, WORD id) {
  return id < tool.m_cells.size() ? tool.m_cells[id].get() : nullptr;
}

CToolScriptItem ItemOf(const CGCell& cell) {
  CToolScriptItem item;
  item.text = QString::asprintf("%3d. ", cell.m_nId) + cell.m_strName + QStringLiteral("----") + cell.m_strText;
  item.icon = ToolScriptIcon(cell);
  return item;
}
}  // namespace

int ToolScriptIcon(const CGCell& cell) {
  if (IsKindOfAnyClassName(&cell, {"CGVerFree"})) return 0;
  if (IsKindOfAnyClassName(&cell, {"CGVertex"})) return 1;
  int icon = 2;
  for (const auto& classes : kIconClasses) {
    if (IsKindOfAnyClassName(&cell, classes)) return icon;
    ++icon;
  }
  return icon;
}

CToolScript MakeToolScript(const CRecord& tool) {
  CToolScript script;
  script.title = tool.m_strName + QString::fromUtf8(kScriptSuffix);
  script.comment = tool.m_strComment;
  int number = 1;
  for (const auto& input : tool.m_conditions) {
    const CGCell* cell = RecordCell(tool, input->m_nId);
    script.inputs << QString::asprintf("%d. ", number++) + (cell ? cell->m_strName : QString()) +
                         QStringLiteral("__") + input->m_strComment;
  }
  script.root = tool.m_strName;
  script.cells.reserve(tool.m_cells.size());
  for (const auto& cell : tool.m_cells) {
    CToolScriptItem item = ItemOf(*cell);
    for (WORD parent : cell->m_parents)
      if (const CGCell* from = RecordCell(tool, parent)) item.parents.push_back(ItemOf(*from));
    script.cells.push_back(std::move(item));
  }
  return script;
}

bool LayOutScriptView(int width, int height, CScriptViewLayout& layout) {
  if (width < 30 || height < 200) return false;
  layout = {{12, 15, width - 24, 50}, {12, 90, width - 24, 50}, {12, 170, width - 24, height - 185}};
  return true;
}

namespace {
ToolScriptShower& Shower() {
  static ToolScriptShower shower;
  return shower;
}
}  // namespace

void SetToolScriptShower(ToolScriptShower shower) { Shower() = std::move(shower); }

void ShowToolScript(bool open) {
  if (Shower()) Shower()(open);
}
