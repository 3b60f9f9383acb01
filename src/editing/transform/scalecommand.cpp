// Scaling the selected structure from the marked centre by the marked
// ratio (a value, two segments, three points), or by a factor typed in
// from the marked centre or the origin.
#include "cells/constructed/scalings.h"
#include "editing/dialogs/transform/transformdialogs.h"
#include "editing/transform/transformcourse.h"
#include "editing/transform/transformglobals.h"
#include "editing/transform/transformmarks.h"
#include "editing/transform/transformtexts.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/document/commandtable.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/notifier.h"

namespace {
using Dlg = CDlgTransScale;

QString DescribeRatio(const CGPage& page, const CRatioMark& mark) {
  const auto ends = [&page](WORD line) {
    const CGCell* cell = page.m_cells.Lookup(line);
    return cell->m_parents.size() >= 2 ? std::make_pair(NameOf(cell->m_parents[0]), NameOf(cell->m_parents[1]))
                                       : std::make_pair(QString(), QString());
  };
  switch (mark.kind) {
    case 1:
      return NameOf(mark.value);
    case 2: {
      const auto [a, b] = ends(mark.segment1);
      const auto [c, d] = ends(mark.segment2);
      return DescribeMark(kDescribeRatioBySegments, {a, b, c, d});
    }
    case 3:
      return DescribeMark(kDescribeRatioByPoints, {NameOf(mark.a), NameOf(mark.b), NameOf(mark.a), NameOf(mark.c)});
    default:
      return {};
  }
}

void Fill(const CGPage& page, const CRatioMark& ratio, WORD centre, Dlg& dialog) {
  dialog.m_fFactor = g_fScaleRatio;
  dialog.m_strRatio = DescribeRatio(page, ratio);
  // A marked ratio scales from a marked centre only.
  dialog.m_nChoice = ratio.kind != 0 && centre ? Dlg::kMarked : Dlg::kFixed;
  if (centre) {
    const float* at = static_cast<CGVertex*>(page.m_cells.Lookup(centre))->m_vPos;
    dialog.m_strCentre = DescribeMark(kDescribeScaleCentre, {NameOf(centre)}, {at[0], at[1], at[2]});
  } else {
    dialog.m_strCentre = QString::fromUtf8(kDescribeScaleOrigin);
  }
}

ImageMaker Images(const CRatioMark& r, WORD o, const Dlg& dialog) {
  if (dialog.m_nChoice == Dlg::kFixed) {
    g_fScaleRatio = dialog.m_fFactor;
    const float k = dialog.m_fFactor;
    if (!o) return [k](const CNewPoint& p, WORD s) { return new CGVerScaleO(p.id, p.slot, p.name, s, k); };
    return [o, k](const CNewPoint& p, WORD s) { return new CGVerScale(p.id, p.slot, p.name, s, o, k); };
  }
  if (!o) return {};
  switch (r.kind) {
    case 1:
      return [o, r](const CNewPoint& p, WORD s) { return new CGVerScaleM(p.id, p.slot, p.name, s, o, r.value); };
    case 2:
      return [o, r](const CNewPoint& p, WORD s) {
        return new CGVerScaleL(p.id, p.slot, p.name, s, o, r.segment1, r.segment2);
      };
    case 3:
      return [o, r](const CNewPoint& p, WORD s) { return new CGVerScaleP(p.id, p.slot, p.name, s, o, r.a, r.b, r.c); };
    default:
      return {};
  }
}

void OnTransDilate(CKavrelDoc& doc) {
  CGPage* page = g_pCurPage;
  if (!page || !FitsTransform()) return;
  const CRatioMark ratio = LiveRatioMark(*page);
  const CGCell* centreCell = MarkedCentre(*page);
  const WORD centre = centreCell ? centreCell->m_nId : 0;
  Dlg dialog;
  Fill(*page, ratio, centre, dialog);
  if (DialogProvider().DoModal(dialog) != IDOK) return;
  // Only a typed negative factor is known to turn figures over.
  const bool reverses = dialog.m_nChoice == Dlg::kFixed && dialog.m_fFactor < 0;
  if (const ImageMaker make = Images(ratio, centre, dialog)) TransformSelection(doc, make, reverses, kLabelScale);
}

const CDocCommandRows rows({
    {ID_TRANS_DILATE, OnTransDilate, OnUpdateTransform},
});
}  // namespace
