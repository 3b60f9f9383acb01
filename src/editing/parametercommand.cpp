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
  float value = dialog.m_fValue, start = dialog.m_fStart, end = dialog.m_fEnd;
  if (dialog.m_bAngle) {
    value *= kRadiansPerDegree;
    start *= kRadiansPerDegree;
    end *= kRadiansPerDegree;
  }
  CConstruction build(doc);
  if (!build.MakeRoom(1)) return;
  auto* parameter = build.Add(new CGTmVarParameter(build.NextId(), dialog.m_strName, value));
  parameter->SetRange(start, end);
  parameter->m_bLabelHidden = dialog.m_bHideName ? 1 : 0;
  parameter->m_nSubKind = dialog.m_bShowSlider ? 1 : 0;
  if (dialog.m_bInteger) {
    parameter->m_nParamA = kKindInteger;
    parameter->SetAccumulator(value);
    parameter->m_fValue = std::round(value);
  } else {
    parameter->m_nParamA = dialog.m_bAngle ? kKindAngle : kKindNumber;
  }
  parameter->UpdateLabel();
  build.Commit(QString::fromUtf8(kCmdNameParameter));
}
