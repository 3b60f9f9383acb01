#include "commands/graphing/axes2dcommand.h"

#include <cmath>
#include <memory>
#include <utility>

#include "cells/constrained/linepoints.h"
#include "cells/dynamic/graphing/scaleline.h"
#include "cells/primitives/cgline.h"
#include "commands/commandframe.h"
#include "commands/graphing/graphingcommandtexts.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/document/commandtable.h"
#include "model/globals.h"
#include "model/undo/cmdcells.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "platform/uibridge.h"
#include "render/viewglobals.h"

namespace {
constexpr float kAxisPointSize = 4.0f;
constexpr BYTE kEndPointStyle = 2;  // the name only
constexpr BYTE kAxisLineStyle = 1;
constexpr std::int32_t kFixedLabelScale = 1;
constexpr float kEndReach = 12.0f;  // ends at 12 units each side
constexpr BYTE kScaleGrey = 96;

// What the command changes on a selected point it makes the origin.
struct CLabelState {
  QString name;
  bool nameFixed = false;
  bool labelStale = false;
  std::int32_t labelMode = 0;
  float offset[3] = {0, 0, 0};

  static CLabelState Of(const CGVertex& point) {
    CLabelState s{point.m_strName, point.m_bNameFixed, point.m_bLabelStale, point.m_nLabelMode, {}};
    std::copy_n(point.m_vLabelOffset, 3, s.offset);
    return s;
  }
  void ApplyTo(CGVertex& point) const {
    point.m_strName = name;
    point.m_bNameFixed = nameFixed;
    point.m_bLabelStale = labelStale;
    point.m_nLabelMode = labelMode;
    std::copy_n(offset, 3, point.m_vLabelOffset);
    point.ApplyParameter();  // the label follows its offset
  }
};

// Exchanges the origin's label settings with the kept ones.
void SwapLabel(WORD origin, CLabelState& other) {
  auto* point = dynamic_cast<CGVertex*>(g_pCurPage->m_cells.Lookup(origin));
  if (!point) return;
  const CLabelState now = CLabelState::Of(*point);
  other.ApplyTo(*point);
  other = now;
  UiBridge().Post(UiTarget::Frame, WM_ITEM_TEXTS, 0, g_pCurPage->m_nId);
}

void MarkAsOrigin(CGVertex& point, float k) {
  point.m_strName = QStringLiteral("o");
  point.m_bNameFixed = true;
  point.m_bLabelStale = true;
  point.m_nLabelMode = kFixedLabelScale;
  point.m_vLabelOffset[0] = -0.75f * k;
  point.m_vLabelOffset[1] = -0.75f * k;
  point.ApplyParameter();
}

struct CAxisEnd {
  const char* name;
  float sign;
  bool alongY;
  float offset[2];
  bool offsetSet;
  bool labelHidden;
};
constexpr CAxisEnd kEnds[] = {{"x'", -1, false, {-0.45f, -0.8f}, true, true},
                              {"x", 1, false, {-0.45f, -0.7f}, true, false},
                              {"y'", -1, true, {-0.7f, 0}, true, true},
                              {"y", 1, true, {0, 0}, false, false}};

WORD AddEnd(CConstruction& build, WORD origin, const CAxisEnd& end, float k) {
  const CNewPoint n = build.NextPoint(QString::fromLatin1(end.name));
  auto* point = build.Add(
      new CGVerFreeParVector(n.id, n.slot, n.name, end.alongY ? 0.0f : 1.0f, end.alongY ? 1.0f : 0.0f, 0, origin));
  point->m_fSize = kAxisPointSize;
  point->m_nStyle = kEndPointStyle;
  point->m_bNameFixed = true;
  point->m_nLabelMode = kFixedLabelScale;
  if (end.offsetSet) {
    point->m_vLabelOffset[0] = end.offset[0] * k;
    point->m_vLabelOffset[1] = end.offset[1] * k;
  }
  if (end.labelHidden) point->m_bLabelHidden = 1;
  point->m_fValue = end.sign * kEndReach * k;
  // The axes are made from the end just placed: computed now, not at the edit's end.
  point->Recalculate();
  return point->m_nId;
}

void AddAxis(CConstruction& build, WORD from, WORD to, BYTE r, BYTE g, BYTE b) {
  auto* axis = build.Add(new CGLine(build.NextId(), from, to, kLineSegment));
  axis->m_nSubKind = kLineVector;
  axis->m_nStyle = kAxisLineStyle;
  axis->m_rgbaColor.r = r;
  axis->m_rgbaColor.g = g;
  axis->m_rgbaColor.b = b;
}
}  // namespace

float Axes2dUnit(float unitsPerPixel) {
  const float k = std::trunc(20 * unitsPerPixel);
  return k > 0 ? k : 20 * unitsPerPixel;
}

void OnCreateBase2d(CKavrelDoc& doc) {
  CGPage* page = g_pCurPage;
  if (!page) return;
  const std::vector<WORD> points = SelectedPoints();
  auto* selected = points.size() == 1 ? dynamic_cast<CGVertex*>(page->m_cells.Lookup(points[0])) : nullptr;
  CConstruction build(doc);
  if (!build.MakeRoom(selected ? 7 : 8, 5, CConstruction::kGrowBy100)) return;
  const float k = Axes2dUnit(g_fUnitsPerPixel);
  WORD origin = 0;
  CLabelState before;
  if (selected) {
    before = CLabelState::Of(*selected);
    origin = selected->m_nId;
  } else {
    const CNewPoint o = build.NextPoint(QStringLiteral("o"));
    auto* point = build.Add(new CGVertex(o.id, o.slot, o.name, 0, 0, 0));
    point->m_fSize = kAxisPointSize;
    origin = point->m_nId;
  }
  WORD ends[4];
  for (int i = 0; i < 4; ++i) ends[i] = AddEnd(build, origin, kEnds[i], k);
  AddAxis(build, ends[0], ends[1], 64, 64, 255);
  AddAxis(build, ends[2], ends[3], 96, 96, 192);
  auto* scale = build.Add(new CGScaleline(build.NextId(), origin, ends[0], ends[1], ends[2], ends[3], 2.0f, 2.0f));
  for (RGBA* colour : {&scale->m_rgbaColor, &scale->m_rgbaLabel}) colour->r = colour->g = colour->b = kScaleGrey;
  auto* originPoint = static_cast<CGVertex*>(page->m_cells.Lookup(origin));
  MarkAsOrigin(*originPoint, k);
  const QString label = QString::fromUtf8(kCmdNameAxes2d);
  if (selected)  // the origin's own label settings go back on undo and come again on redo
    build.Commit(std::make_unique<CCmdAddCellsAndChange>(build.Count(), label, [origin, before]() mutable {
      SwapLabel(origin, before);
    }));
  else
    build.Commit(label, true);
  CommandRegistry().Run(ID_VIEW_PORT_TT);
}

namespace {
const CDocCommandRows rows({
    {ID_CREATE_BASE_2D, OnCreateBase2d},
});
}  // namespace
