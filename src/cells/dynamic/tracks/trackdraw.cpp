// The copies of a track: every drawing pass steps the driver through the
// swept range, recomputes the chain and draws the drawn cells, then puts
// the page back as it found it.
#include <GL/gl.h>

#include <cmath>

#include "cells/dynamic/tracks/track.h"
#include "cells/primitives/celldrawing.h"
#include "model/cellmap.h"
#include "model/globals.h"
#include "render/viewglobals.h"

namespace {
void CallPass(CGCell& cell, int pass) {
  switch (pass) {
    case CGTrack::kVisiblePass: cell.DrawVisibleEdges(); break;
    case CGTrack::kHiddenPass: cell.DrawHiddenEdges(); break;
    case CGTrack::kDrawPass: cell.Draw(); break;
    case CGTrack::kFillPass: cell.DrawFill(); break;
    case CGTrack::kDepthPass: cell.DrawDepthOnly(); break;
    case CGTrack::kLitPass: cell.DrawLit(); break;
    case CGTrack::kTranslucentPass: cell.DrawTranslucent(); break;
    default: break;
  }
}

bool StepIsUsable(float step) { return std::isfinite(step) && step > 0; }
}  // namespace

void CGTrack::DrawVisibleEdges() { DrawColoured(kVisiblePass); }
void CGTrack::DrawHiddenEdges() {
  if (m_nSubKind >= 1) DrawColoured(kHiddenPass);
}
void CGTrack::Draw() { DrawColoured(kDrawPass); }
void CGTrack::DrawFill() {
  if (m_nSubKind >= 1) DrawColoured(kFillPass);
}
void CGTrack::DrawDepthOnly() {
  if (m_nSubKind >= 1) DrawColoured(kDepthPass);
}
void CGTrack::DrawLit() {
  if (m_nSubKind >= 2) DrawColoured(kLitPass);
}
void CGTrack::DrawTranslucent() {
  if (m_nSubKind >= 2) DrawColoured(kTranslucentPass);
}

void CGTrack::DrawColoured(int pass) {
  if (m_bHidden || !m_bDefined) return;
  if (m_bSelected)
    SetGlColour(g_prefs.rgbaSelection);
  else if (m_nStyle == 1)
    SetGlColour(m_rgbaColor);
  // The copies keep the pass colour instead of their own while the track
  // is selected or styled.
  const bool oneColour = m_bSelected || m_nStyle != 0;
  if (oneColour) g_bOwnColors = FALSE;
  DrawAtSamples(pass);
  if (oneColour) g_bOwnColors = TRUE;
}

void CGTrack::DrawForPick(int mode) {
  if (mode < 3 || m_bHidden || !m_bDefined) return;
  glLoadName(9);
  glPushName(m_nId);
  DrawAtSamples(kVisiblePass);
  DrawAtSamples(kDrawPass);
  if (m_nSubKind == 1) DrawAtSamples(kFillPass);
  if (m_nSubKind >= 2) {
    DrawAtSamples(kLitPass);
    DrawAtSamples(kTranslucentPass);
  }
  glPopName();
}

bool CGTrack::Spread() const {
  const double range = static_cast<double>(SweepTo) - SweepFrom;
  return std::isfinite(range) && range / TrackStep > kCopyBudget;
}

int CGTrack::CopyCount() const {
  if (!StepIsUsable(TrackStep)) return 0;
  if (Spread()) return kCopyBudget;
  int copies = 0;
  for (float v = SweepFrom; v < SweepTo && copies < kCopyBudget; ++copies) {
    const float next = v + TrackStep;
    if (!(next > v)) return copies + 1;
    v = next;
  }
  return copies;
}

bool CGTrack::ResolveParents() {
  m_parentCells.resize(m_parents.size());
  for (size_t i = 0; i < m_parents.size(); ++i) {
    m_parentCells[i] = g_pCurCells ? g_pCurCells->Lookup(m_parents[i]) : nullptr;
    if (!m_parentCells[i]) return false;
  }
  return !m_parentCells.empty();
}

void CGTrack::RecalculateChain() {
  for (size_t i = static_cast<size_t>(ChainStart); i < m_parentCells.size(); ++i) m_parentCells[i]->Recalculate();
}

void CGTrack::DrawAtSamples(int pass) {
  if (!StepIsUsable(TrackStep) || !ResolveParents()) return;
  CGCell& driver = *m_parentCells.front();
  const float kept = driver.m_fValue;
  if (Spread()) {
    // Each value reckoned from the range's start, not accumulated, so no
    // rounding moves the copies: the first at the start, the last one
    // widened step short of the end.
    const double range = static_cast<double>(SweepTo) - SweepFrom;
    for (int k = 0; k < kCopyBudget; ++k) DrawCopyAt(static_cast<float>(SweepFrom + range * k / kCopyBudget), pass);
  } else {
    int copies = 0;
    for (float v = SweepFrom; v < SweepTo && copies < kCopyBudget; ++copies) {
      DrawCopyAt(v, pass);
      const float next = v + TrackStep;
      if (!(next > v)) break;  // the single-precision value stopped growing
      v = next;
    }
  }
  driver.m_fValue = kept;
  driver.ApplyParameter();
  RecalculateChain();
}

void CGTrack::DrawCopyAt(float v, int pass) {
  CGCell& driver = *m_parentCells.front();
  driver.m_fValue = v;
  driver.ApplyParameter();
  RecalculateChain();
  DrawCopy(pass);
}

void CGTrack::DrawCopy(int pass) {
  for (WORD position : DrawnParents) {
    if (position >= m_parentCells.size()) continue;
    CGCell& cell = *m_parentCells[position];
    const BOOL labelHidden = cell.m_bLabelHidden;
    const BOOL hidden = cell.m_bHidden;
    cell.m_bLabelHidden = TRUE;
    cell.m_bHidden = FALSE;
    CallPass(cell, pass);
    cell.m_bLabelHidden = labelHidden;
    cell.m_bHidden = hidden;
  }
}
