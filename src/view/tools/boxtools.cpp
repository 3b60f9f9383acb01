// The box tools: box select adds what lies in the box to the selection
// (7), copy box puts a picture of the box on the clipboard (8); both hand
// back to the select tool.
#include <algorithm>
#include <cstdlib>

#include "model/cgcell.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "platform/clipboard.h"
#include "platform/uibridge.h"
#include "view/clickpick.h"
#include "view/tools/mousetools.h"
#include "view/toolstate.h"

namespace {
constexpr int kMinBoxPixels = 2;
}  // namespace

void CMouseTools::BoxSelect(CGPage& page, const ToolInput& in) {
  ViewToolState& tool = g_viewTool;
  const CReadingPass selecting;  // the selection is not stored
  const std::vector<PickHit> hits = m_surface.PickBox(tool.boxStart[0], tool.boxStart[1], in.x, in.y);
  // Labels are not selected this way, and the box never deselects.
  for (const PickHit& hit : hits) {
    if (hit.kind < kPickPoint || hit.kind > kPickSlider || hit.kind == kPickLabel) continue;
    CGCell* cell = Cell(hit.id);
    if (!cell || cell->m_bSelected) continue;
    cell->m_bSelected = true;
    page.m_selAll.push_back(hit.id);
    if (std::vector<WORD>* list = SelectionListOfKind(page, hit.kind)) list->push_back(hit.id);
    UiBridge().Post(UiTarget::Frame, WM_SELECTION_CHANGED, 1, hit.id);
  }
  g_nToolMode = 1;
  tool.step = 0;
}

void CMouseTools::CopyBox() {
  ViewToolState& tool = g_viewTool;
  tool.step = 0;  // the picture shows no box
  int left = std::min(tool.boxStart[0], tool.boxCorner[0]);
  int top = std::min(tool.boxStart[1], tool.boxCorner[1]);
  int width = std::abs(tool.boxCorner[0] - tool.boxStart[0]);
  int height = std::abs(tool.boxCorner[1] - tool.boxStart[1]);
  // A click without a drag copies a box of the last size at the click.
  if (width < kMinBoxPixels && height < kMinBoxPixels) {
    left = tool.boxStart[0];
    top = tool.boxStart[1];
    width = tool.lastBoxSize[0];
    height = tool.lastBoxSize[1];
  }
  // A box without area holds no picture; the last size stays usable.
  if (width > 0 && height > 0) {
    tool.lastBoxSize[0] = width;
    tool.lastBoxSize[1] = height;
    const QImage picture = m_surface.Grab(QRect(left, top, width, height));
    if (!picture.isNull()) Clipboard().SetImage(picture);
  }
  g_nToolMode = 1;
}
