#include "view/selectionstepping.h"

#include <algorithm>
#include <vector>

#include "cells/primitives/cgverfree.h"
#include "cells/primitives/pointdrag.h"
#include "cells/texts/cgtextbit.h"
#include "model/cgcell.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "model/kindtests.h"
#include "platform/uibridge.h"
#include "view/clickpick.h"
#include "view/pickchoice.h"
#include "view/toolstate.h"
#include "view/viewtexts.h"

namespace {
QString Text(const char* text) { return QString::fromUtf8(text); }

// What the status bar says of the object selected, by pick kind and class.
QString StatusText(int kind, const CGCell& cell) {
  const QString& name = cell.m_strName;
  switch (kind) {
    case kPickPoint: return Text(kTextStepPoint) + name;
    case kPickLine: return Text(kTextStepLine) + name;
    case kPickButton: return Text(kTextStepButton) + name;
    case kPickFace: return Text(kTextStepFace) + name;
    case kPickValue:
      if (IsKindOfClassName(&cell, "CGTmVariable")) return Text(kTextStepVariable) + name;
      if (IsKindOfClassName(&cell, "CGTmSingleline")) return Text(kTextStepSingleline);
      if (IsKindOfClassName(&cell, "CGTmVarAfterP")) return Text(kTextStepValueAtPoint);
      return Text(kTextStepVector) + name;
    case kPickText:
      if (cell.IsKindOf(RUNTIME_CLASS(CGTextbit))) return Text(kTextStepText);
      return Text(kTextStepIteration) + name;
    case kPickSolid:
      if (IsKindOfClassName(&cell, "CGSurface")) return Text(kTextStepSurface);
      if (IsKindOfClassName(&cell, "CGTrack")) return Text(kTextStepTrack);
      return Text(kTextStepRoundSolid) + name;
    default: return Text(kTextStepAny) + name;
  }
}

// The next drag moves the object: a free point, a button, a value, a text.
void OfferDrag(int kind, const CGCell& cell) {
  int dragKind = 0;
  if (kind == kPickPoint) {
    if (cell.IsKindOf(RUNTIME_CLASS(CGVerFree)) && BeginPointDrag(cell.m_nId)) {
      g_viewTool.dragKind = 1;
      g_viewTool.pointDragged = false;
    }
    return;
  }
  if (kind == kPickButton || kind == kPickValue) dragKind = kind;
  if (kind == kPickText && cell.IsKindOf(RUNTIME_CLASS(CGTextbit))) dragKind = kind;
  if (dragKind == 0) return;
  g_viewTool.dragKind = dragKind;
  g_nDragId = cell.m_nId;
}

void Erase(std::vector<WORD>& ids, WORD id) {
  if (auto it = std::find(ids.begin(), ids.end(), id); it != ids.end()) ids.erase(it);
}

QString Step(bool forward) {
  CGPage* page = g_pCurPage;
  if (!page) return {};
  const int kind = page->m_nStepKind;
  std::vector<WORD>* selected = SelectionListOfKind(*page, kind);
  if (!selected) return {};
  std::vector<WORD> walk = page->m_stepList;
  if (!forward) std::reverse(walk.begin(), walk.end());
  const auto isSelected = [selected](WORD id) { return std::find(selected->begin(), selected->end(), id) != selected->end(); };
  const auto at = std::find_if(walk.begin(), walk.end(), isSelected);
  if (at == walk.end()) return {};
  CGCell* chosen = page->m_cells.Lookup(*at);
  CGCell* next = at + 1 != walk.end() ? page->m_cells.Lookup(*(at + 1)) : nullptr;
  if (next && !isSelected(next->m_nId)) {
    Erase(*selected, *at);
    Erase(page->m_selAll, *at);
    if (chosen) chosen->m_bSelected = false;
    UiBridge().Post(UiTarget::Frame, WM_SELECTION_CHANGED, 0, *at);
    selected->push_back(next->m_nId);
    page->m_selAll.push_back(next->m_nId);
    next->m_bSelected = true;
    UiBridge().Post(UiTarget::Frame, WM_SELECTION_CHANGED, 1, next->m_nId);
    chosen = next;
  }
  if (!chosen) return {};
  OfferDrag(kind, *chosen);
  return StatusText(kind, *chosen);
}
}  // namespace

QString SelectNextObject() { return Step(true); }
QString SelectPreviousObject() { return Step(false); }
