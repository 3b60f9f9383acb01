// The paragraph dialog "段落" over a CFormatParaDlg: the format shown in
// centimetres, points and list entries (paraformat.h), and taken back on OK.
// Its fields are found by object name (alignment, firstIndent, leftIndent,
// rightIndent, spaceBefore, spaceAfter, lineSpacing, spacingValue,
// numbering, numberingStyle, numberingStart, numberingTab).
#pragma once
#include <QDialog>

#include "richtext/paraformat.h"

class QComboBox;
class QDoubleSpinBox;
class QSpinBox;

class CFormatParaDlgWindow : public QDialog {
 public:
  CFormatParaDlgWindow(const ParaFormat& pf, QWidget* parent = nullptr);
  // The format the fields give, from the one the dialog was opened with.
  ParaFormat Result() const;

 private:
  // Fields that apply only to some choices are enabled with them.
  void Enable();

  ParaFormat m_pf;
  QComboBox *m_align, *m_spacing, *m_numbering, *m_style;
  QDoubleSpinBox *m_first, *m_left, *m_right, *m_before, *m_after, *m_value, *m_tab;
  QSpinBox* m_start;
};

