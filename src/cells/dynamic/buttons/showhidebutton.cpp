#include "cells/dynamic/buttons/showhidebutton.h"

#include <algorithm>

#include "cells/dynamic/buttons/buttontexts.h"
#include "model/cellmap.h"
#include "model/cgpage.h"
#include "model/globals.h"

IMPLEMENT_SERIAL(CGButnSHide, CGButton)

namespace {
constexpr int kByteLimit = 255;
}

CGButnSHide::CGButnSHide() {
  m_nSubKind = kToggle;
  m_strName = QString::fromUtf8(kTextShowHideHide);
}

CGButnSHide::CGButnSHide(WORD id) : CGButnSHide() {
  m_nId = id;
  if (g_pCurPage) {
    for (WORD target : g_pCurPage->m_selAll) {
      CGCell* cell = g_pCurPage->m_cells.Lookup(target);
      if (!cell) continue;
      m_parents.push_back(target);
      cell->m_children.push_back(id);
      // Undefined while a target is, as every later recalculation (and
      // opening the document) has it.
      if (!cell->m_bDefined) m_bDefined = false;
    }
  }
  PlaceAtNextPosition();
}

QString CGButnSHide::GetDescription() { return QString::fromUtf8(kTextShowHideDescription); }

int CGButnSHide::RevealIndex() const { return m_nStyle < kByteLimit ? m_nStyle : std::max(m_nRevealIndex, kByteLimit); }

void CGButnSHide::SetRevealIndex(int index) {
  m_nRevealIndex = index;
  m_nStyle = static_cast<BYTE>(std::min(index, kByteLimit));
}

void CGButnSHide::HideAll(BOOL hidden) {
  for (size_t i = 0; i < m_parents.size(); ++i) SetHidden(i, hidden);
}

void CGButnSHide::SetHidden(size_t target, BOOL hidden) {
  CGCell* cell = ParentAs<CGCell>(target);
  if (!cell) return;
  cell->m_bHidden = hidden;
  // Running, the button steps outside any edit: it names what it changed,
  // and the edit that follows computes what the visibility reaches.
  if (g_pCurCells) g_pCurCells->NoteChanged(cell->m_nId);
}

void CGButnSHide::SayNext(const char* word) {
  const QString next = QString::fromUtf8(word);
  QString caption = next;
  if (m_bNameFixed) {
    if (m_strName.size() < 3) return;
    caption = next + m_strName.mid(2);
  }
  if (caption == m_strName) return;
  m_strName = caption;
  m_bLabelStale = true;
}

bool CGButnSHide::Step() {
  switch (m_nSubKind) {
    case kShow:
      HideAll(0);
      break;
    case kHide:
      HideAll(1);
      break;
    case kToggle:
      if (m_nStyle == 1) {
        SayNext(kTextShowHideHide);
        HideAll(0);
        m_nStyle = 0;
      } else {
        SayNext(kTextShowHideShow);
        HideAll(1);
        m_nStyle = 1;
      }
      break;
    case kReveal: {
      const int k = RevealIndex();
      const int n = static_cast<int>(m_parents.size());
      if (k < n) {
        SetHidden(static_cast<size_t>(k), 0);
      } else {
        HideAll(1);
      }
      SetRevealIndex(k >= n ? 0 : k + 1);
      break;
    }
    default:
      break;
  }
  return true;
}
