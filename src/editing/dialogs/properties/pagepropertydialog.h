// The page dialog (页属性) as data: the opener presets every member from the
// page and the view, and on IDOK applies them itself.
#pragma once
#include <QString>

#include "platform/dialogprovider.h"
#include "platform/types.h"

class CDlgPageProperty : public CDialogDataOf<CDlgPageProperty> {
 public:
  // Pixels per world unit: the edit takes these, the slider runs over them
  // in steps of 1 (10 a page), and "默认" puts both at the default.
  static constexpr int kMinUnitLength = 5;
  static constexpr int kMaxUnitLength = 200;
  static constexpr int kDefaultUnitLength = 20;
  static constexpr int kSliderPageStep = 10;

  // The main view's projection-line direction.
  enum Direction : int { Y_REVERSED = 0, Y_SAME = 1, X_REVERSED = 2 };

  COLORREF m_crBackground = 0;
  int m_nUnitLength = kDefaultUnitLength;
  QString m_strPageName;
  BOOL m_bDashedHidden = 0;
  int m_nSliderPos = kDefaultUnitLength;
  int m_nDirection = Y_SAME;
};
