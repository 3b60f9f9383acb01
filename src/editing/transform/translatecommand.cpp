// Translating the selected structure by the marked vector (two points or a
// vector value) or by a vector typed in.
#include "cells/constructed/translations.h"
#include "cells/dynamic/vectors/vectorvalues.h"
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
using Dlg = CDlgTransTranslate;

// The vector value as it shows on the page: its name and its components.
QString VectorText(CGTmVector& vector) {
  const QString& value = vector.CurrentValueText();
  return vector.m_strName.isEmpty() ? value : vector.m_strName + QStringLiteral(" = ") + value;
}

void Fill(CGPage& page, const CVectorMark& mark, Dlg& dialog) {
  dialog.m_fX = g_vTranslate[0];
  dialog.m_fY = g_vTranslate[1];
  dialog.m_fZ = g_vTranslate[2];
  dialog.m_nChoice = mark.kind == 0 ? Dlg::kFixed : Dlg::kMarked;
  if (mark.kind == 1) {
    const float* s = static_cast<CGVertex*>(page.m_cells.Lookup(mark.start))->m_vPos;
    const float* e = static_cast<CGVertex*>(page.m_cells.Lookup(mark.end))->m_vPos;
    dialog.m_strMarked = DescribeMark(kDescribeVectorByPoints, {NameOf(mark.start), NameOf(mark.end)},
                                      {e[0] - s[0], e[1] - s[1], e[2] - s[2]});
  } else if (mark.kind == 2) {
    dialog.m_strMarked = VectorText(*static_cast<CGTmVector*>(page.m_cells.Lookup(mark.value)));
  }
}

// The images the dialog's answer asks for; empty: nothing to make.
ImageMaker Images(const CVectorMark& mark, const Dlg& dialog) {
  if (dialog.m_nChoice == Dlg::kFixed) {
    g_vTranslate[0] = dialog.m_fX;
    g_vTranslate[1] = dialog.m_fY;
    g_vTranslate[2] = dialog.m_fZ;
    const float x = dialog.m_fX, y = dialog.m_fY, z = dialog.m_fZ;
    return [x, y, z](const CNewPoint& p, WORD s) { return new CGVerTranslateStc(p.id, p.slot, p.name, s, x, y, z); };
  }
  if (mark.kind == 1)
    return [mark](const CNewPoint& p, WORD s) {
      return new CGVerTranslate(p.id, p.slot, p.name, s, mark.start, mark.end);
    };
  if (mark.kind == 2)
    return [mark](const CNewPoint& p, WORD s) { return new CGVerTranslateM(p.id, p.slot, p.name, s, mark.value); };
  return {};  // the marked choice without a mark
}

void OnTransTranslate(CKavrelDoc& doc) {
  CGPage* page = g_pCurPage;
  if (!page || !FitsTransform()) return;
  const CVectorMark mark = LiveVectorMark(*page);
  Dlg dialog;
  Fill(*page, mark, dialog);
  if (DialogProvider().DoModal(dialog) != IDOK) return;
  if (const ImageMaker make = Images(mark, dialog)) TransformSelection(doc, make, false, kLabelTranslate);
}

const CDocCommandRows rows({
    {ID_TRANS_TRANSLATE, OnTransTranslate, OnUpdateTransform},
});
}  // namespace
