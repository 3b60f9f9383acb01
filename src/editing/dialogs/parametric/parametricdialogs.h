// The curve and surface dialogs as data.  The commands and the property
// rows preset the members, and on IDOK build or change the cell from them.
// The rules the widgets follow live here, so they hold headless: the
// captions of the expression buttons per coordinate system, the examples,
// the step ranges, the enabling of the surface's texture controls, and the
// expression buttons, which edit a text through the calculation dialog.
#pragma once
#include <QString>
#include <array>

#include "formula/calculator/calculatordata.h"
#include "platform/dialogprovider.h"
#include "platform/types.h"

// The values the expressions may name (No1, No2, ... in this order), as the
// calculation dialog offers them.
using CExpressionVariables = CDlgCalculator;

// Opens the calculation dialog over the variables with the caption, mode
// and text; on IDOK the edited text replaces `text` and true is returned.
bool EditExpressionText(const CExpressionVariables& variables, const char* caption, int mode, QString& text);

class CDlgCurve : public CDialogDataOf<CDlgCurve> {
 public:
  static constexpr float kMinStep = 0.0001f;
  static constexpr float kMaxStep = 1.0f;
  static constexpr int kExampleCount = 20;
  enum Expression { kX, kY, kZ, kFrom, kTo, kColour };

  CExpressionVariables m_variables;
  float m_fStep = 0.05f;
  int m_nSystem = 0;
  QString m_strX, m_strY, m_strZ;
  QString m_strFrom, m_strTo;
  QString m_strColour;
  int m_nDisplay = 0;
  float m_fBreakDistance = 4.0f;
  BOOL m_bSegmentColouring = 0;

  static std::array<QString, 3> AxisCaptions(int system);
  static bool StepInRange(float step) { return step >= kMinStep && step <= kMaxStep; }
  // The colour function and its button show only while segments are coloured.
  bool ColourShown() const { return m_bSegmentColouring != 0; }
  // The example's expressions, range and step, and its system (0 where it
  // gives none); a row outside the list changes nothing.
  void ApplyExample(int row);
  // The expression button of `which`; true when OK replaced the text.
  bool EditExpression(Expression which);
  QString& Text(Expression which);
};

class CDlgSurface : public CDialogDataOf<CDlgSurface> {
 public:
  static constexpr double kMinStep = 0.001;
  static constexpr double kMaxStep = 10.0;
  static constexpr int kExampleCount = 24;
  static constexpr int kDisplayLit = 0;
  static constexpr int kDisplayWire = 2;
  static constexpr int kMappingUser = 1;
  enum Expression { kX, kY, kZ, kUFrom, kUTo, kVFrom, kVTo };

  CDlgSurface();

  CExpressionVariables m_variables;
  double m_dUStep = 0.2;
  double m_dVStep = 1.0;
  int m_nDisplay = 0;
  QString m_strX, m_strY, m_strZ;
  QString m_strUFrom, m_strUTo, m_strVFrom, m_strVTo;
  int m_nTexture = 1;
  BOOL m_bTwoSided = 1;
  int m_nMapping = 0;
  double m_dMapA = 1.0, m_dMapB = 0, m_dMapC = 1.0, m_dMapD = 0;
  int m_nSystem = 0;

  static std::array<QString, 3> AxisCaptions(int system);
  static bool StepInRange(double step) { return step >= kMinStep && step <= kMaxStep; }

  // Which texture controls take input for a display, texture and mapping.
  struct Controls {
    bool textureList = false;
    bool mappingChoice = false;
    bool twoSided = false;
    bool mappingEdits = false;
  };
  static Controls ControlStates(int display, int texture, int mapping);
  Controls ControlStates() const { return ControlStates(m_nDisplay, m_nTexture, m_nMapping); }

  void ApplyExample(int row);
  bool EditExpression(Expression which);
  QString& Text(Expression which);
};
