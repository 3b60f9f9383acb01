// The parametric-colour dialog (颜色参数) and the axis-scale dialog
// (2维轴部件属性) as data, with the rules their widgets follow.
#pragma once
#include <QString>

#include "platform/dialogprovider.h"
#include "platform/types.h"

class CDlgParametricColor : public CDialogDataOf<CDlgParametricColor> {
 public:
  QString m_strLabel = QStringLiteral("Parametric Color");
  float m_fFrom = 0;
  float m_fTo = 1.0f;
  int m_nKind = 3;        // how many values: 1 or 3, set by the opener
  int m_nColorModel = 0;  // RGB or HSL (three values), colour or grey (one)
  int m_nOption = 0;
};

// The two colour-model texts the dialog shows for its kind.
const char* const* ColorModelTexts(int kind);

class CDlgProScaleLine : public CDialogDataOf<CDlgProScaleLine> {
 public:
  int m_nAxisType = 0;  // 0 numeric, 1 trigonometric
  BOOL m_bHideY = 0;
  BOOL m_bAutoSpacing = 1;
  int m_nLabelSpacing = 4;  // indices into the spacing list ("2")
  int m_nTickSpacing = 4;
  int m_nGrid = 0;  // 0 none, 1 square, 2 polar
};

// The spacing list both lists hold: "0.1" ... "1000".
inline constexpr int kScaleSpacingCount = 13;
const char* ScaleSpacingText(int index);
float ScaleSpacingValue(int index);
// The index a spacing shows as: the last list value not above it (within
// 0.000001), else the first.
int ScaleSpacingIndex(float spacing);

// After a choice in the tick list: a tick spacing above the value spacing
// is set back to it and the message to show is returned (else null).
const char* CheckTickChoice(CDlgProScaleLine& data);
// After a choice in the value list: a value spacing below the tick spacing
// is set back to it and the message is returned (else null).
const char* CheckLabelChoice(CDlgProScaleLine& data);
