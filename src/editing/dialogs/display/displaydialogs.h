// The dialogs of the display commands as data: the custom colour, the
// opacity, the weight (line width, point size or value precision) and the
// point-label dialogs.  The opener presets the members and applies them on
// OK.
#pragma once
#include <QString>

#include "platform/dialogprovider.h"
#include "platform/types.h"

// The colour chooser, opened with the last colour.
class CDlgCustomColor : public CDialogDataOf<CDlgCustomColor> {
 public:
  COLORREF m_crColor = 0;  // red in the low byte
};

class CDlgAlpha : public CDialogDataOf<CDlgAlpha> {
 public:
  // "不透明度：%d%%" with the opacity; rewritten whenever the slider moves.
  QString m_strText;
  int m_nOpacity = 100;  // percent, 0 to 100
};
// The slider's text for an opacity.
QString OpacityText(int opacity);

class CDlgWeight : public CDialogDataOf<CDlgWeight> {
 public:
  static constexpr float kLow = 0.000001f;
  static constexpr float kHigh = 20.0f;
  float m_fWeight = 2.0f;
};

class CDlgLabel : public CDialogDataOf<CDlgLabel> {
 public:
  QString m_strLetter = QStringLiteral("A");
  QString m_strSuffix = QStringLiteral(" ");
  BOOL m_bShowLabels = 1;
};
// The start letters "A" to "Z" and the suffixes: a blank, "0" to "9", "'".
QStringList LabelLetters();
QStringList LabelSuffixes();
