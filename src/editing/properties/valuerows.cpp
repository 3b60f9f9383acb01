// The property rows of values: a parameter and a calculation open their own
// dialogs, a vector asks which form it shows, any other value tells what it
// is.
#include "cells/dynamic/parameters/usercalculation.h"
#include "cells/dynamic/parameters/userparameter.h"
#include "cells/dynamic/vectors/vectorvalues.h"
#include "commands/calculationcommands.h"
#include "editing/dialogs/inputdialogs.h"
#include "editing/parametercommand.h"
#include "editing/properties/propertyedits.h"
#include "editing/properties/propertyrows.h"
#include "editing/properties/propertytexts.h"
#include "formula/calculator/calculatordata.h"
#include "math/funnodes.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "platform/notifier.h"

namespace {
// The number kinds of parameters and calculations (their first option word).
constexpr int kKindNumber = 0;
constexpr int kKindInteger = 1;
constexpr int kKindAngle = 2;
// An angle parameter held in radians opens in degrees, in single precision.
constexpr float kDegreesPerRadian = 57.29578f;

// The parameter's settings as the dialog opens on them.
CDlgParameter ParameterDialogOf(const CGTmVarParameter& p) {
  const bool angle = p.m_nParamA == kKindAngle;
  const float shown = angle ? kDegreesPerRadian : 1.0f;
  CDlgParameter dialog;
  dialog.m_strName = p.m_strName;
  dialog.m_fValue = p.m_fValue * shown;
  dialog.m_fStart = p.Minimum() * shown;
  dialog.m_fEnd = p.Maximum() * shown;
  dialog.m_bHideName = p.m_bLabelHidden ? 1 : 0;
  dialog.m_bShowSlider = p.m_nSubKind == 1 ? 1 : 0;
  dialog.m_bInteger = p.m_nParamA == kKindInteger ? 1 : 0;
  dialog.m_bAngle = angle ? 1 : 0;
  return dialog;
}

// The cells named after the value take their names again; the edit's end
// computes the value and all that follows from it.
void RelabelDependants(CGPage& page, CGCell& value) {
  page.UpdateLabels(CollectDescendants(page, value));
  PostItemTexts(page);
}

bool EditParameter(CKavrelDoc&, CGCell& cell) {
  auto& parameter = static_cast<CGTmVarParameter&>(cell);
  CDlgParameter dialog = ParameterDialogOf(parameter);
  if (DialogProvider().DoModal(dialog) != IDOK) return true;
  // A new name is taken as it is; the name-fixed flag stays as it was.
  if (dialog.m_strName != parameter.m_strName) {
    parameter.m_strName = dialog.m_strName;
    parameter.m_bLabelStale = true;
  }
  TakeParameterAnswer(parameter, dialog);
  RelabelDependants(*g_pCurPage, parameter);
  return true;
}

// The formula again: parsed at the next recalculation, named after it
// unless the user named the calculation.
void ApplyCalculationDialog(CGTmVarCalculator& calculation, const CDlgCalculator& answer) {
  calculation.m_strFormula = answer.m_strExpression;
  calculation.m_bCompiled = false;
  calculation.m_bLabelStale = true;
  calculation.m_nParamA = answer.m_bShowAsAngle ? kKindAngle : kKindNumber;
  if (!calculation.m_bNameFixed) {
    calculation.m_strVodName = answer.m_strResultVod;
    calculation.m_strName = answer.m_strExpression;
    calculation.UpdateLabel();
    return;
  }
  // A fixed name keeps its caption; only the bracketing class follows the
  // new formula, read from its parse: computed now, not at the edit's end.
  calculation.Recalculate();
  const CFunNode* root = calculation.m_parser.Root();
  calculation.m_dwParam3 = static_cast<DWORD>(root ? root->m_nClass : kFunClassVariable);
}

bool EditCalculation(CKavrelDoc&, CGCell& cell) {
  auto& calculation = static_cast<CGTmVarCalculator&>(cell);
  CDlgCalculator dialog = NewCalculationDialog(calculation.m_parents);
  dialog.m_strCaption = QString::fromUtf8(kCaptionEditCalculation);
  dialog.m_strExpression = calculation.m_strFormula;
  dialog.m_bShowAsAngle = calculation.m_nParamA == kKindAngle ? 1 : 0;
  if (DialogProvider().DoModal(dialog) != IDOK) return true;
  ApplyCalculationDialog(calculation, dialog);
  RelabelDependants(*g_pCurPage, calculation);
  return true;
}

// Yes switches between the two-component and the three-component form.
bool AskVectorForm(CKavrelDoc&, CGCell& cell) {
  auto& vector = static_cast<CGTmVector&>(cell);
  const float* v = vector.m_vVector;
  const QString description = vector.GetDescription();
  const bool flat = vector.ShowsTwoComponents();
  const QString text = flat ? FillConversions(kTextVector2d, {description, v[0], v[1], kTextAskFor3d})
                            : FillConversions(kTextVector3d, {description, v[0], v[1], v[2], kTextAskFor2d});
  if (KvMessageBox(text, QString::fromUtf8(kCaptionVectorForm), MB_YESNO | MB_ICONQUESTION) != IDYES) return true;
  vector.m_nParamA = flat ? 0 : 1;
  vector.UpdateValueText();
  return true;
}

bool DescribeValue(CKavrelDoc&, CGCell& cell) {
  KvMessageBox(cell.GetDescription(), QString(), MB_OK | MB_ICONINFORMATION);
  return true;
}

const CPropertyRows rows({
    {PropertyList::Values, 10, "CGTmVarParameter", EditParameter},
    {PropertyList::Values, 20, "CGTmVarCalculator", EditCalculation},
    {PropertyList::Values, 30, "CGTmVector", AskVectorForm},
    {PropertyList::Values, 40, "CGTmVarAfterP", DescribeValue},
    {PropertyList::Values, 1000, "CGCell", DescribeValue},
});
}  // namespace
