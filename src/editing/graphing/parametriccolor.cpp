#include "editing/graphing/parametriccolor.h"

#include <memory>
#include <utility>
#include <vector>

#include "cells/dynamic/graphing/colormodifier.h"
#include "cells/texts/cgtextmap.h"
#include "commands/commandframe.h"
#include "commands/graphing/graphingcommandtexts.h"
#include "editing/dialogs/graphing/graphingdialogs.h"
#include "model/cgpage.h"
#include "model/document/commandtable.h"
#include "model/globals.h"
#include "model/undo/cmdcells.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "platform/notifier.h"

namespace {
// The modifier's targets lose their colours to it; undo gives them back,
// and redo puts the modifier back, which colours them again when the
// edit's end computes it.
class CCmdAddParametricColor : public CCmdAddCell {
 public:
  CCmdAddParametricColor(const QString& label, std::vector<std::pair<WORD, RGBA>> colours)
      : CCmdAddCell(label), m_colours(std::move(colours)) {}
  BOOL Undo() override {
    if (!CCmdAddCell::Undo()) return FALSE;
    for (const auto& [id, colour] : m_colours)
      if (CGCell* target = g_pCurPage->m_cells.Lookup(id)) target->m_rgbaColor = colour;
    return TRUE;
  }

 private:
  std::vector<std::pair<WORD, RGBA>> m_colours;
};

bool AreMeasuredValues(const std::vector<WORD>& ids, int count) {
  for (int k = 0; k < count; ++k) {
    const CGCell* cell = g_pCurPage->m_cells.Lookup(ids[k]);
    if (!cell || !cell->IsKindOf(RUNTIME_CLASS(CGTmVariable))) return false;
  }
  return true;
}
}  // namespace

CColorCommandState& ColorCommandState() {
  static CColorCommandState state;
  return state;
}

void TakeColorFromSelection() {
  const CGPage* page = g_pCurPage;
  if (!page || page->m_selAll.empty()) return;
  const CGCell* first = page->m_cells.Lookup(page->m_selAll.front());
  if (!first) return;
  CColorCommandState& state = ColorCommandState();
  state.rgb[0] = first->m_rgbaColor.r;
  state.rgb[1] = first->m_rgbaColor.g;
  state.rgb[2] = first->m_rgbaColor.b;
  state.opacity = (first->m_rgbaColor.a * 100 + 127) / 255;
}

int ParametricColorForm() {
  if (!g_pCurPage) return 0;
  const CSelectionCounts n = CountSelection();
  const int m = n.V, t = n.T;
  int form = 0;
  if (((m == 1 || m == 2) && t > 1) || (m == 3 && t == 3))
    form = 1;
  else if (m >= 3 && t > 3)
    form = 3;
  return form && AreMeasuredValues(g_pCurPage->m_selValues, form) ? form : 0;
}

void OnColor29(CKavrelDoc& doc) {
  TakeColorFromSelection();
  const int form = ParametricColorForm();
  if (!form) return;
  CDlgParametricColor dialog;
  dialog.m_nKind = form;
  if (DialogProvider().DoModal(dialog) != IDOK) return;
  CGPage* page = g_pCurPage;
  std::vector<std::pair<WORD, RGBA>> colours;
  for (WORD id : page->m_selAll)
    if (const CGCell* cell = page->m_cells.Lookup(id)) colours.emplace_back(id, cell->m_rgbaColor);
  CConstruction build(doc);
  if (!build.MakeRoom(1)) return;
  const BYTE mode = static_cast<BYTE>(form + (dialog.m_nColorModel != 0 ? 1 : 0));
  auto* modifier = build.Add(new CGMdfColor(build.NextId(), mode, dialog.m_fFrom, dialog.m_fTo, dialog.m_nOption));
  modifier->m_strName = dialog.m_strLabel;
  // Only the targets' colours need keeping: the values are not coloured.
  std::erase_if(colours, [&](const auto& entry) {
    for (size_t k = static_cast<size_t>(modifier->ValueCount()); k < modifier->m_parents.size(); ++k)
      if (modifier->m_parents[k] == entry.first) return false;
    return true;
  });
  build.Commit(std::make_unique<CCmdAddParametricColor>(QString::fromUtf8(kCmdNameParametricColor), std::move(colours)));
}

void OnUpdateColor29(CKavrelDoc&, CCmdUI& ui) {
  const CSelectionCounts n = CountSelection();
  ui.Enable(n.V > 0 && n.T > 1);
}

namespace {
const CDocCommandRows rows({
    {ID_COLOR29, OnColor29, OnUpdateColor29},
});
}  // namespace
