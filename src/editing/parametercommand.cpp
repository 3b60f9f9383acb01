#include "editing/parametercommand.h"

#include <cmath>

#include "cells/dynamic/parameters/userparameter.h"
#include "commands/commandframe.h"
#include "commands/commandtexts.h"
#include "editing/dialogs/inputdialogs.h"
#include "model/document/commandtable.h"
#include "platform/commandids.h"
#include "platform/notifier.h"
#include "platform/processstate.h"

int g_nParameterCounter = 1;

namespace {
// Degrees to radians, in single precision.
constexpr float kRadiansPerDegree = 0.017453292f;
// The number kinds of a parameter.
constexpr int kKindNumber = 0;
constexpr int kKindInteger = 1;
constexpr int kKindAngle = 2;

const ProcessStateReset reset([] { g_nParameterCounter = 1; });

const CDocCommandRows rows({
    {ID_MEASURE_PARAMETER, OnMeasureParameter},
});
}  // namespace

void OnMeasureParameter(CKavrelDoc& doc) {
  CDlgParameter dialog;
  dialog.m_strName = QStringLiteral("t%1").arg(g_nParameterCounter);
  if (DialogProvider().DoModal(dialog) != IDOK) return;
  ++g_nParameterCounter;
  CConstruction build(doc);
  if (!build.MakeRoom(1)) return;
  auto* parameter = build.Add(new CGTmVarParameter(build.NextId(), dialog.m_strName, dialog.m_fValue));
  TakeParameterAnswer(*parameter, dialog);
  build.Commit(QString::fromUtf8(kCmdNameParameter));
}

void TakeParameterAnswer(CGTmVarParameter& parameter, const CDlgParameter& answer) {
  parameter.SetRange(answer.m_fStart, answer.m_fEnd);
  parameter.m_bLabelHidden = answer.m_bHideName ? 1 : 0;
  parameter.m_nSubKind = answer.m_bShowSlider ? 1 : 0;
  parameter.m_fValue = answer.m_fValue;
  if (answer.m_bInteger) {
    parameter.m_nParamA = kKindInteger;
    parameter.SetAccumulator(answer.m_fValue);
    parameter.m_fValue = std::round(answer.m_fValue);
  } else if (answer.m_bAngle) {
    parameter.m_nParamA = kKindAngle;
    parameter.m_fValue = answer.m_fValue * kRadiansPerDegree;
    parameter.SetRange(answer.m_fStart * kRadiansPerDegree, answer.m_fEnd * kRadiansPerDegree);
  } else {
    parameter.m_nParamA = kKindNumber;
  }
}
