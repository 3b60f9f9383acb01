// The two label dialogs as data.  CDlgPropertyLabel edits the label of a
// point, line, face or any cell that is not a caption: its name, colour and
// switches.  CDlgLabelVod edits a caption's name in text form or its
// formula mark-up.  The opener presets the members and applies them on OK.
#pragma once
#include <QString>

#include "platform/dialogprovider.h"
#include "platform/types.h"

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

class CDlgLabelVod : public CDialogDataOf<CDlgLabelVod> {
 public:
  enum Format : int { TEXT = 0, FORMULA = 1 };
  enum Kind : int { AUTOMATIC = 0, CUSTOM = 1 };

  int m_nFormat = TEXT;
  int m_nKind = AUTOMATIC;
  // The name as plain text (text form) and the caption's mark-up (formula
  // form, edited in the formula dialog).
  QString m_strLabel;
  QString m_strVod;
};
