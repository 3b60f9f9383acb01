// Reflecting the selected structure in the marked point, axis line or
// mirror face, or in a coordinate element chosen from a list.
#include "cells/constructed/mirrors.h"
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
using Dlg = CDlgTransDeflect;

struct CMirrorMarks {
  WORD point = 0, axis = 0, face = 0;
};

// The last mark that exists wins: point before axis before face.
void Fill(const CGPage& page, const CMirrorMarks& marks, Dlg& dialog) {
  dialog.m_nChoice = Dlg::kFixed;
  dialog.m_nMask = g_nReflectKind;
  if (marks.face) {
    dialog.m_strFace = NameOf(marks.face);
    dialog.m_nChoice = Dlg::kFace;
    dialog.m_bFace = 1;
  }
  if (marks.axis) {
    dialog.m_strAxis = NameOf(marks.axis);
    dialog.m_nChoice = Dlg::kAxis;
    dialog.m_bAxis = 1;
  }
  if (marks.point) {
    const float* at = static_cast<CGVertex*>(page.m_cells.Lookup(marks.point))->m_vPos;
    dialog.m_strPoint = DescribeMark(kDescribeMirrorPoint, {NameOf(marks.point)}, {at[0], at[1], at[2]});
    dialog.m_nChoice = Dlg::kPoint;
    dialog.m_bPoint = 1;
  }
}

// A mirror element made of one parent.
template <class T>
ImageMaker By(WORD mirror) {
  if (!mirror) return {};
  return [mirror](const CNewPoint& p, WORD s) { return new T(p.id, p.slot, p.name, s, mirror); };
}

ImageMaker Images(const CMirrorMarks& marks, const Dlg& dialog) {
  switch (dialog.m_nChoice) {
    case Dlg::kPoint:
      return By<CGVerSymmetryP>(marks.point);
    case Dlg::kAxis:
      return By<CGVerSymmetryL>(marks.axis);
    case Dlg::kFace:
      return By<CGVerSymmetryF>(marks.face);
    default:
      break;
  }
  const BYTE mask = dialog.m_nMask;
  if (mask < 1 || mask > 7) return {};
  g_nReflectKind = mask;
  return [mask](const CNewPoint& p, WORD s) { return new CGVerSymmetry(p.id, p.slot, p.name, s, mask); };
}

// A reflection in a point or a plane turns figures over; one in a line is
// a half-turn.
bool Reverses(const Dlg& dialog) {
  switch (dialog.m_nChoice) {
    case Dlg::kPoint:
    case Dlg::kFace:
      return true;
    case Dlg::kAxis:
      return false;
    default:
      return dialog.m_nMask == 1 || dialog.m_nMask == 2 || dialog.m_nMask == 4 || dialog.m_nMask == 7;
  }
}

void OnTransDeflect(CKavrelDoc& doc) {
  CGPage* page = g_pCurPage;
  if (!page || !FitsTransform()) return;
  CMirrorMarks marks;
  if (const CGCell* cell = MarkedCentre(*page)) marks.point = cell->m_nId;
  if (const CGCell* cell = MarkedAxis(*page)) marks.axis = cell->m_nId;
  if (const CGCell* cell = MarkedMirror(*page)) marks.face = cell->m_nId;
  Dlg dialog;
  Fill(*page, marks, dialog);
  if (DialogProvider().DoModal(dialog) != IDOK) return;
  if (const ImageMaker make = Images(marks, dialog)) TransformSelection(doc, make, Reverses(dialog), kLabelReflect);
}

const CDocCommandRows rows({
    {ID_TRANS_DEFLECT, OnTransDeflect, OnUpdateTransform},
});
}  // namespace
