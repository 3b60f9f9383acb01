// The label dialog of one cell, opened by the right button or a double
// click on its label: name, label colour, whether the label shows, whether
// the name follows the automatic naming, and label scaling.
#pragma once
#include <QString>

#include "platform/dialogprovider.h"
#include "platform/types.h"

class CGCell;
class CGPage;

class CDlgPropertyLabel : public CDialogDataOf<CDlgPropertyLabel> {
 public:
  QString m_strLabel;
  COLORREF m_crColor = 0;  // red in the low byte
  int m_bShowLabel = 1;
  int m_bAutoName = 0;
  // The colour goes to every selected cell as well.
  int m_bColorChanged = 0;
  int m_bAutoScale = 1;
};

// The dialog as the cell fills it.
CDlgPropertyLabel LabelPropertiesOf(const CGCell& cell);
// What OK does with the answer: a new name is fixed and relabels the
// descendants; automatic naming toggled alone relabels and recalculates
// them; then the flags and the colour.  The item texts of the object list
// follow.
void ApplyLabelProperties(CGPage& page, CGCell& cell, const CDlgPropertyLabel& answer);
// Opens the dialog for the cell; true when OK was chosen and applied.
bool EditLabelProperties(CGPage& page, CGCell& cell);
