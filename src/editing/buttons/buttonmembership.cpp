#include "editing/buttons/buttonmembership.h"

#include <QString>
#include <algorithm>
#include <unordered_set>

#include "cells/dynamic/buttons/showhidebutton.h"
#include "commands/commandframe.h"
#include "editing/buttons/viewbuttontexts.h"
#include "model/cgpage.h"
#include "model/document/commandtable.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "platform/notifier.h"
#include "platform/uibridge.h"

namespace {
CGButnSHide* LastSelectedShowHide(const CGPage& page) {
  if (page.m_selButtons.empty()) return nullptr;
  return dynamic_cast<CGButnSHide*>(page.m_cells.Lookup(page.m_selButtons.back()));
}

void OnUpdateEditBtnAddobj(CKavrelDoc&, CCmdUI& ui) {
  const CGPage* page = g_pCurPage;
  ui.Enable(page && LastSelectedShowHide(*page) && page->m_selAll.size() > 1);
}

const CDocCommandRows rows({
    {ID_EDIT_BTN_ADDOBJ, OnEditBtnAddobj, OnUpdateEditBtnAddobj},
});
}  // namespace

CMembershipChange ToggleTargets(CGPage& page, CGButnSHide& button, std::vector<WORD> cells) {
  std::sort(cells.begin(), cells.end());
  cells.erase(std::unique(cells.begin(), cells.end()), cells.end());
  const WORD self = button.m_nId;
  std::unordered_set<WORD> targets(button.m_parents.begin(), button.m_parents.end());
  std::unordered_set<WORD> leaving;
  std::vector<WORD> joining;
  CMembershipChange change;
  for (WORD id : cells) {
    CGCell* cell = id == self ? nullptr : page.m_cells.Lookup(id);
    if (!cell) continue;
    auto& children = cell->m_children;
    if (targets.count(id)) {
      leaving.insert(id);
      children.erase(std::remove(children.begin(), children.end(), self), children.end());
    } else if (id < self) {
      joining.push_back(id);
      children.push_back(self);
    } else {
      ++change.refused;
    }
  }
  auto& parents = button.m_parents;
  if (!leaving.empty())
    parents.erase(std::remove_if(parents.begin(), parents.end(), [&](WORD id) { return leaving.count(id) > 0; }),
                  parents.end());
  parents.insert(parents.end(), joining.begin(), joining.end());
  change.empty = parents.empty();
  return change;
}

void OnEditBtnAddobj(CKavrelDoc& doc) {
  CGPage* page = g_pCurPage;
  CGButnSHide* button = page ? LastSelectedShowHide(*page) : nullptr;
  if (!button) return;
  button->m_bSelected = false;
  std::vector<WORD> others;
  others.reserve(page->m_selAll.size());
  for (WORD id : page->m_selAll)
    if (id != button->m_nId) others.push_back(id);
  // The button is undefined while a target is; its new targets decide that
  // at the edit's end, for it and for the buttons that run it.
  CMembershipChange change;
  ChangeCellsInPlace(doc, {button->m_nId}, [&](CGCell&) { change = ToggleTargets(*page, *button, std::move(others)); });
  if (change.refused > 0) KvMessageBox(QString::fromUtf8(kTextMembersRefused));
  if (change.empty) KvMessageBox(QString::fromUtf8(kTextNoMembersLeft));
  page->ClearSelection();
  doc.SetModifiedFlag();
  UiBridge().UpdateAllViews();
}
