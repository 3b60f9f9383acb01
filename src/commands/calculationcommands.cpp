#include "commands/calculationcommands.h"

#include "cells/dynamic/parameters/usercalculation.h"
#include "cells/texts/cgtextmap.h"
#include "commands/commandframe.h"
#include "commands/commandtexts.h"
#include "formula/calculator/calculatordata.h"
#include "math/funnodes.h"
#include "model/cellmap.h"
#include "model/cgpage.h"
#include "model/document/commandtable.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "platform/notifier.h"

namespace {
// Unit kinds of a calculation: the plain number, or radians shown in degrees.
constexpr int kShowNumber = 0;
constexpr int kShowDegrees = 2;

const CDocCommandRows rows({
    {ID_MEASURE_FUN, OnMeasureFun, OnUpdateMeasureFun},
});
}  // namespace

std::vector<WORD> SelectedValues() {
  std::vector<WORD> values;
  if (const CGPage* page = g_pCurPage)
    for (WORD id : page->m_selValues)
      if (page->m_cells.Lookup(id)) values.push_back(id);
  return values;
}

CDlgCalculator NewCalculationDialog(const std::vector<WORD>& values) {
  CDlgCalculator dialog;
  dialog.m_strCaption = QString::fromUtf16(kTextNewCalculation);
  for (WORD id : values) {
    const CGCell* cell = g_pCurPage->m_cells.Lookup(id);
    const QString name =
        !cell || cell->m_strName.isEmpty() ? QString::fromUtf16(kTextUnnamedValue) : cell->m_strName;
    // A parent missing from a damaged page keeps its place in the numbering.
    if (!cell) {
      dialog.AddValue(name, QStringLiteral("<e>") + name + QStringLiteral("</e>"), 0, kFunClassVariable);
      continue;
    }
    // A value shown as name = value brings its own mark-up and brackets by
    // its formula's root; any other stands as a plain variable.
    if (cell->m_nStyle == 1)
      dialog.AddValue(name, cell->m_strVodName, cell->m_fValue, static_cast<int>(cell->m_dwParam3));
    else
      dialog.AddValue(name, QStringLiteral("<e>") + name + QStringLiteral("</e>"), cell->m_fValue, kFunClassVariable);
  }
  return dialog;
}

void OnMeasureFun(CKavrelDoc& doc) {
  if (!g_pCurPage) return;
  const std::vector<WORD> values = SelectedValues();
  CDlgCalculator dialog = NewCalculationDialog(values);
  if (DialogProvider().DoModal(dialog) != IDOK) return;
  CConstruction build(doc);
  if (!build.MakeRoom(1)) return;
  auto* calculation = build.Add(
      new CGTmVarCalculator(build.NextId(), values, dialog.m_strExpression, dialog.m_strResultVod));
  calculation->m_nParamA = dialog.m_bShowAsAngle ? kShowDegrees : kShowNumber;
  build.Commit(QString::fromUtf8(kCmdNameCalculation));
}

void OnUpdateMeasureFun(CKavrelDoc&, CCmdUI& ui) { ui.Enable(CountSelectedVariables() == CountSelection().V); }
