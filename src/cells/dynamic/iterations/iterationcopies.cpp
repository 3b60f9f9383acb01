// The copies of an iteration: every drawing pass walks the tree of
// mappings, moving the sources to their images level by level, and puts
// the page back as it found it.
#include <GL/gl.h>

#include <algorithm>

#include "cells/dynamic/iterations/iteration.h"
#include "cells/dynamic/iterations/iterationtable.h"
#include "cells/primitives/celldrawing.h"
#include "cells/texts/cgtextmap.h"
#include "model/cgvertex.h"
#include "model/cellmap.h"
#include "model/drawing/copyframe.h"
#include "model/globals.h"

namespace {
CGCell* CellOf(WORD id) { return g_pCurCells ? g_pCurCells->Lookup(id) : nullptr; }

bool IsKind(const CGCell* cell, bool point) {
  return cell && cell->IsKindOf(point ? RUNTIME_CLASS(CGVertex) : RUNTIME_CLASS(CGTmVariable));
}

// Resolves ids that may be missing: those are left out.
void ResolvePresent(const std::vector<WORD>& ids, std::vector<CGCell*>& cells) {
  cells.clear();
  for (WORD id : ids)
    if (CGCell* cell = CellOf(id)) cells.push_back(cell);
}
}  // namespace

const CGIterate::CopyPass CGIterate::kFillPass{[](CGCell& c, BOOL) { c.DrawFill(); }, FALSE, false};
const CGIterate::CopyPass CGIterate::kDepthPass{[](CGCell& c, BOOL) { c.DrawDepthOnly(); }, FALSE, false};
const CGIterate::CopyPass CGIterate::kVisiblePass{[](CGCell& c, BOOL) { c.DrawVisibleEdges(); }, FALSE, false};
const CGIterate::CopyPass CGIterate::kHiddenPass{[](CGCell& c, BOOL) { c.DrawHiddenEdges(); }, FALSE, false};
const CGIterate::CopyPass CGIterate::kDrawPass{[](CGCell& c, BOOL) { c.Draw(); }, FALSE, true};
const CGIterate::CopyPass CGIterate::kLitPass{[](CGCell& c, BOOL) { c.DrawLit(); }, FALSE, false};
const CGIterate::CopyPass CGIterate::kTranslucentPass{[](CGCell& c, BOOL) { c.DrawTranslucent(); }, FALSE, false};

CGIterate::CopyPass CGIterate::LateLitPass(BOOL bLit) {
  return {[](CGCell& c, BOOL lit) { c.DrawLitLate(lit); }, bLit, false};
}

void CGIterate::DrawFill() { DrawPass(kFillPass, true); }
void CGIterate::DrawDepthOnly() { DrawPass(kDepthPass, true); }
void CGIterate::DrawVisibleEdges() { DrawPass(kVisiblePass, false); }
void CGIterate::DrawHiddenEdges() { DrawPass(kHiddenPass, true); }
void CGIterate::DrawLit() { DrawPass(kLitPass, true); }
void CGIterate::DrawLitLate(BOOL bLit) { DrawPass(LateLitPass(bLit), true); }
void CGIterate::DrawTranslucent() { DrawPass(kTranslucentPass, true); }

void CGIterate::DrawPass(const CopyPass& pass, bool skippedBySolidLines) {
  if (m_bHidden || !m_bDefined || (skippedBySolidLines && m_bSolidLinesOnly)) return;
  if (m_bSelected)
    SetGlColour(g_prefs.rgbaSelection);
  else if (m_nStyle == 2)
    SetGlColour(m_rgbaColor);
  // The copies take the pass colour (or the level colours) instead of
  // their own while the iteration is selected or styled.
  const bool oneColour = m_bSelected || m_nStyle != 0;
  if (oneColour) g_bOwnColors = FALSE;
  RunCopies(pass);
  if (oneColour) g_bOwnColors = TRUE;
}

bool CGIterate::ResolveCells() {
  const size_t n = static_cast<size_t>(m_nSources);
  if (m_nSources <= 0 || m_idArrays.size() != static_cast<size_t>(m_nMappings) + 1) return false;
  m_sourceCells.resize(n);
  m_imageCells.resize(n * static_cast<size_t>(m_nMappings));
  for (size_t a = 0; a < m_idArrays.size(); ++a) {
    if (m_idArrays[a].size() != n) return false;
    for (size_t i = 0; i < n; ++i) {
      CGCell* cell = CellOf(m_idArrays[a][i]);
      if (!IsKind(cell, i < static_cast<size_t>(m_nPointSources))) return false;
      (a == 0 ? m_sourceCells[i] : m_imageCells[(a - 1) * n + i]) = cell;
    }
  }
  ResolvePresent(m_chain, m_chainCells);
  ResolvePresent(m_drawn, m_drawnCells);
  return true;
}

void CGIterate::RunCopies(const CopyPass& pass) {
  const CCopyFrame frame;  // a pass drawn on its own is a frame of its own
  if (m_nFrame != CurrentCopyFrame()) {
    m_nFrame = CurrentCopyFrame();
    m_nFrameCopiesLeft = kFrameCopyBudget;
  }
  const int depth = DrawnDepth(std::min(kCopyBudget, m_nFrameCopiesLeft));
  if (depth < 1 || !ResolveCells()) return;
  m_nFrameCopiesLeft -= CopiesTo(depth) * CopyCost();
  SaveSources();
  // With one mapping every level reuses one snapshot; with more, each level
  // keeps its own for the mappings after the first branch.
  const size_t levels = m_nMappings == 1 ? 1 : static_cast<size_t>(depth);
  if (m_snapshots.size() < levels) m_snapshots.resize(levels);
  DrawLevel(1, depth, pass);
  RestoreSources();
  RecalculateChain();
}

// The recursion of the mapping tree, the last mapping of each level taken by
// the loop instead of a call, so that a single mapping runs any depth flat.
void CGIterate::DrawLevel(int level, int depth, const CopyPass& pass) {
  const size_t n = static_cast<size_t>(m_nSources);
  for (; level <= depth; ++level) {
    std::vector<SourceRecord>& snapshot = m_snapshots[m_nMappings == 1 ? 0 : static_cast<size_t>(level - 1)];
    snapshot.resize(n * static_cast<size_t>(m_nMappings));
    for (size_t k = 0; k < snapshot.size(); ++k) {
      const CGCell* image = m_imageCells[k];
      snapshot[k][3] = image->m_fValue;
      if (k % n < static_cast<size_t>(m_nPointSources))
        std::copy_n(static_cast<const CGVertex*>(image)->m_vPos, 3, snapshot[k].begin());
    }
    for (int m = 0; m < m_nMappings; ++m) {
      ApplyMapping(snapshot, m);
      RecalculateChain();
      if (m_nStyle == 1 && !m_bSelected) SetGlColour(IterationLevelColour(level, depth, m_rgbaColor.a));
      if (m_bShowAllLevels || level == depth) {
        for (CGCell* cell : m_drawnCells) {
          const BOOL hidden = cell->m_bHidden;
          cell->m_bHidden = FALSE;
          pass.draw(*cell, pass.arg);
          cell->m_bHidden = hidden;
        }
      }
      if (pass.recordsRows && m_bTableShown) {
        const int row = std::min(m_nNextRow, kTableRows - 2);
        WriteRow(row, level);
        m_nNextRow = row + 1;
      }
      if (m + 1 < m_nMappings) DrawLevel(level + 1, depth, pass);
    }
  }
}

void CGIterate::ApplyMapping(const std::vector<SourceRecord>& snapshot, int mapping) {
  const size_t n = static_cast<size_t>(m_nSources);
  for (size_t i = 0; i < n; ++i) {
    const SourceRecord& to = snapshot[static_cast<size_t>(mapping) * n + i];
    CGCell* source = m_sourceCells[i];
    if (i < static_cast<size_t>(m_nPointSources)) static_cast<CGVertex*>(source)->PlaceAt(to.data());
    source->m_fValue = to[3];
  }
}

void CGIterate::RecalculateChain() {
  for (CGCell* cell : m_chainCells) cell->Recalculate();
}

void CGIterate::RestoreSources() {
  for (size_t i = 0; i < m_sourceCells.size(); ++i) {
    const SourceRecord& saved = m_savedSources[i];
    CGCell* source = m_sourceCells[i];
    if (i < static_cast<size_t>(m_nPointSources)) static_cast<CGVertex*>(source)->PlaceAt(saved.data());
    source->m_fValue = saved[3];
    std::copy_n(m_savedAnchors[i].begin(), 3, source->m_vLabelAnchor);
  }
}
