// The new calculation: a formula typed in the calculator dialog over the
// selected values, which become its parents No1, No2, ... in selection
// order.
#pragma once
#include <vector>

#include "platform/types.h"

class CCmdUI;
class CDlgCalculator;
class CKavrelDoc;

// The current page's selected values that are there, in selection order.
std::vector<WORD> SelectedValues();
// The dialog as the command opens it: caption "新建计算" and, per value of
// the current page, its name, mark-up name, value and display class (an id
// missing from the page as an unnamed 0).
CDlgCalculator NewCalculationDialog(const std::vector<WORD>& values);
void OnMeasureFun(CKavrelDoc& doc);
// Enabled when every selected value is a scalar value (also with none).
void OnUpdateMeasureFun(CKavrelDoc& doc, CCmdUI& ui);
