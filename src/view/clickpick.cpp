#include "view/clickpick.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>

#include "cells/primitives/cgverfree.h"
#include "cells/primitives/pointdrag.h"
#include "editing/tools/toolinstance.h"
#include "model/cellmap.h"
#include "model/cgcell.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "platform/uibridge.h"
#include "render/glresources.h"
#include "render/projection.h"
#include "render/viewray.h"
#include "view/pagetransform.h"
#include "view/pickculling.h"
#include "view/pointerplacement.h"
#include "view/toolstate.h"

namespace {

constexpr std::size_t kMaxSelectWords = std::size_t(1) << 24;
constexpr GLuint kPlaceholderName = 0xFFFFFFFF;
constexpr double kPickRegion = 10;

// Records are: name count, depth min, depth max, names.  Only records with
// a kind and an id are hits of an item.
std::vector<PickHit> ParseHits(const std::vector<GLuint>& buffer, GLint count) {
  std::vector<PickHit> hits;
  hits.reserve(static_cast<std::size_t>(count));
  std::size_t at = 0;
  for (GLint i = 0; i < count && at + 3 <= buffer.size(); ++i) {
    const std::size_t names = buffer[at];
    if (at + 3 + names > buffer.size()) break;
    if (names >= 2 && buffer[at + 3] != kPlaceholderName)
      hits.push_back({static_cast<int>(buffer[at + 3]), static_cast<WORD>(buffer[at + 4] & 0xFFFF)});
    at += 3 + names;
  }
  return hits;
}

bool EraseFirst(std::vector<WORD>& list, WORD id) {
  const auto it = std::find(list.begin(), list.end(), id);
  if (it == list.end()) return false;
  list.erase(it);
  return true;
}

bool IsFreePoint(WORD id) {
  const CGCell* cell = g_pCurCells ? g_pCurCells->Lookup(id) : nullptr;
  return cell && cell->IsKindOf(RUNTIME_CLASS(CGVerFree));
}

// The first id of the running tool instance: its inputs made on empty
// space, its placeholder and the cells built on them are never offered
// back to it.  -1 while no instance awaits an input.
int InstanceFirstId(const CGPage& page) { return page.m_nToolPendingId >= 1 ? page.m_nToolFirstId : -1; }

void ApplySelectToolChoice(CGPage& page, const PickChoice& choice) {
  page.m_nStepKind = choice.pickKind;
  page.m_stepList = choice.candidates;
  for (const auto& [kind, id] : choice.deselected) {
    if (std::vector<WORD>* list = SelectionListOfKind(page, kind)) EraseFirst(*list, id);
    if (CGCell* cell = page.m_cells.Lookup(id)) cell->m_bSelected = false;
    EraseFirst(page.m_selAll, id);
    // The object list unticks the cell: it was deselected, not selected.
    UiBridge().Post(UiTarget::Frame, WM_SELECTION_CHANGED, 0, id);
  }
  // The same press can still drag the point it deselected.
  if (choice.dragId && BeginPointDrag(choice.dragId)) {
    g_viewTool.dragKind = 1;
    g_viewTool.pointDragged = false;
  }
}

}  // namespace

std::vector<WORD>* SelectionListOfKind(CGPage& page, int kind) {
  switch (kind) {
    case kPickPoint: return &page.m_selPoints;
    case kPickLine: return &page.m_selLines;
    case kPickPath: return &page.m_selPaths;
    case kPickButton: return &page.m_selButtons;
    case kPickValue: return &page.m_selValues;
    case kPickText: return &page.m_selTexts;
    case kPickFace: return &page.m_selFaces;
    case kPickSolid: return &page.m_selSolids;
    case kPickOther: return &page.m_selOthers;
    default: return nullptr;
  }
}

std::vector<PickHit> RunSelectionPass(const std::function<void()>& draw, int initialWords) {
  std::vector<GLuint> buffer(static_cast<std::size_t>(std::max(initialWords, 16)));
  for (;;) {
    glSelectBuffer(static_cast<GLsizei>(buffer.size()), buffer.data());
    glRenderMode(GL_SELECT);
    glInitNames();
    glPushName(kPlaceholderName);
    draw();
    glPopName();
    const GLint count = glRenderMode(GL_RENDER);
    if (count >= 0) return ParseHits(buffer, count);
    if (buffer.size() >= kMaxSelectWords) return {};
    buffer.assign(buffer.size() * 2, 0);
  }
}

std::vector<int> PickPassModes(int toolMode, bool labelsOnly, const CGPage& page) {
  if (toolMode == 1) return {labelsOnly ? 0 : 3};
  if (toolMode == 6 && page.m_nToolPendingId >= 1) return {2, 1};
  return {2};
}

void SetLabelPickVectors() {
  ComputeViewDirection();
  double a = g_fViewDir[0], b = g_fViewDir[1], c = g_fViewDir[2];
  const double length = std::sqrt(a * a + b * b + c * c);
  if (length > 0) {
    a /= length;
    b /= length;
    c /= length;
  } else {
    a = b = 0;
  }
  const double k = 20.0 * g_fUnitsPerPixel;
  float* h = g_vLabelPickU;
  float* v = g_vLabelPickV;
  if (a == 0 && b == 0) {
    h[0] = 0, h[1] = float(k), h[2] = 0;
    v[0] = float(k), v[1] = 0, v[2] = 0;
    return;
  }
  const double r = std::sqrt(a * a + b * b);
  h[0] = float(k * -b / r), h[1] = float(k * a / r), h[2] = 0;
  v[0] = float(k * -a * c / r), v[1] = float(k * -b * c / r), v[2] = float(k * r);
}

std::vector<PickHit> PickPageInWindow(double x, double windowY, double width, double height,
                                      const std::vector<int>& modes, bool labelVectors) {
  const CReadingPass picking;  // what the pick draws is no part of the edit
  glEnableClientState(GL_VERTEX_ARRAY);
  glVertexPointer(3, GL_FLOAT, 0, g_pVertexArray);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  gluPickMatrix(x, windowY, width, height, g_nViewport);
  SetProjection(g_nProjection);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  MultPageTransform();
  SaveWorldToText();

  if (labelVectors) SetLabelPickVectors();
  const PickRegion region(x, windowY, width / 2, height / 2);
  std::vector<PickHit> hits = RunSelectionPass([&] {
    for (int mode : modes) DrawPageForPickInRegion(mode, region);
  });

  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
  return hits;
}

bool PickObjects(int x, int y, int* kind, WORD* id, bool labelsOnly) {
  CGPage* page = g_pCurPage;
  if (!page) return false;
  const int toolMode = g_nToolMode;
  const std::vector<PickHit> hits = PickPageInWindow(x, g_nViewDeviceHeight - y, kPickRegion, kPickRegion,
                                                     PickPassModes(toolMode, labelsOnly, *page), toolMode == 1);
  if (hits.empty()) return false;

  PickRules rules;
  rules.toolMode = toolMode;
  rules.toolInstanceFirstId = InstanceFirstId(*page);
  rules.toolAwaitsValue = InstanceAwaitsValue(*page);
  rules.isSelected = [page](int k, WORD cell) {
    const std::vector<WORD>* list = SelectionListOfKind(*page, k);
    return list && std::find(list->begin(), list->end(), cell) != list->end();
  };
  rules.isFreePoint = IsFreePoint;
  const PickChoice choice = ChoosePick(hits, rules);
  if (toolMode == 1) ApplySelectToolChoice(*page, choice);
  if (choice.kind) *kind = *choice.kind;
  if (choice.id) *id = *choice.id;
  return true;
}
