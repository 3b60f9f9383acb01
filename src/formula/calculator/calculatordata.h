// The calculator dialog as data (platform/dialogprovider.h).  A host fills
// the caption, the mode and one entry per offered value in each of the four
// value arrays, may preset the expression, and after OK reads the
// expression, its mark-up and the angle choice.
//
//   CDlgCalculator dialog;
//   dialog.m_strCaption = QString::fromUtf16(kTextNewCalculation);
//   dialog.AddValue(name, markupName, value, displayClass);
//   if (DialogProvider().DoModal(dialog) == IDOK) use(dialog.m_strExpression, dialog.m_strResultVod);
#pragma once
#include <QString>
#include <vector>

#include "formula/bintree.h"
#include "formula/calculator/calculatortexts.h"
#include "platform/dialogprovider.h"

class CDlgCalculator : public CDialogDataOf<CDlgCalculator> {
 public:
  enum Mode : int { CALCULATION = 0, CURVE = 1, SURFACE = 2 };
  // As many values as the parser can name after the free variables.
  static constexpr std::size_t kMaxValues = 0xFFFF - 2;

  void AddValue(const QString& name, const QString& markupName, double value, int displayClass) {
    m_valueNames.push_back(name);
    m_valueVods.push_back(markupName);
    m_values.push_back(value);
    m_displayClasses.push_back(displayClass);
  }
  std::size_t ValueCount() const { return m_values.size(); }
  // A mode the dialog knows and one entry per value in every array.
  bool IsValid() const {
    const std::size_t n = m_values.size();
    return m_nMode >= CALCULATION && m_nMode <= SURFACE && n <= kMaxValues && m_valueNames.size() == n &&
           m_valueVods.size() == n && m_displayClasses.size() == n;
  }

  // In and out.
  QString m_strExpression = QStringLiteral("0");
  // In.
  QString m_strCaption = QString::fromUtf16(kTextCalculatorCaption);
  int m_nMode = CALCULATION;
  std::vector<QString> m_valueNames;  // shown in the values list
  std::vector<QString> m_valueVods;   // each value's name as mark-up, for the preview
  std::vector<double> m_values;
  std::vector<int> m_displayClasses;  // how the parser brackets each value
  // Out: the parsed expression as mark-up, values as their "No" k variables.
  QString m_strResultVod = kEmptyVod;
  int m_bShowAsAngle = 0;  // the box shows in mode 0 only
};
