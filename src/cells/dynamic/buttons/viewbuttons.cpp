#include "cells/dynamic/buttons/viewbuttons.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cmath>

#include "cells/dynamic/buttons/buttontexts.h"
#include "cells/pageservices/cellupgrade.h"
#include "math/mathglobals.h"
#include "platform/archive.h"
#include "render/viewglobals.h"

IMPLEMENT_SERIAL(CGButnRotate, CGButton)
IMPLEMENT_SERIAL(CGButnTranslate, CGButton)
IMPLEMENT_SERIAL(CGButnScale, CGButton)

namespace {
constexpr double kRadiansPerDegree = 0.017453292519943295;

float WordFloat(DWORD word) { return std::bit_cast<float>(word); }
DWORD FloatWord(float value) { return std::bit_cast<DWORD>(value); }
}  // namespace

// ---- the shared run ----

int CGViewButton::StepCount() const {
  const float steps = static_cast<float>(FramesPerSecond()) * m_fDuration;
  // A duration that is no finite number counts as less than one frame, so
  // nothing infinite reaches the view.
  if (!std::isfinite(steps) || steps < 1.0f) return 0;
  return steps < static_cast<float>(INT_MAX / 2) ? static_cast<int>(steps) : INT_MAX / 2;
}

float CGViewButton::PauseSeconds() const { return std::bit_cast<float>(m_nParamC); }
void CGViewButton::SetPauseSeconds(float seconds) { m_nParamC = std::bit_cast<std::int32_t>(seconds); }

void CGViewButton::SetRun(BOOL back, BOOL repeat, float duration, float pause) {
  m_bReturn = back;
  m_bRepeat = repeat != 0;
  m_fDuration = duration;
  SetPauseSeconds(pause);
}

void CGViewButton::SerializeRun(CArchive& ar) {
  if (ar.IsStoring()) {
    ar << m_bReturn << static_cast<BYTE>(m_bRepeat ? 1 : 0) << m_fDuration;
    return;
  }
  ar >> m_bReturn;
  m_bRepeat = ar.ReadByte() != 0;
  ar >> m_fDuration;
  m_nTick = 0;
  m_bReturning = 0;
  m_nPauseCount = 0;
}

bool CGViewButton::PauseOver() {
  if (++m_nPauseCount <= PauseTicks(PauseSeconds())) return false;
  m_nPauseCount = 0;
  return true;
}

bool CGViewButton::Step() {
  const int steps = StepCount();
  if (m_nTick == 0) {
    BeginRun(steps);
    m_nPauseCount = 0;
    m_nTick = 1;
    return false;
  }
  if (m_nTick < steps) {
    Advance();
    ++m_nTick;
    return false;
  }
  if (m_bReturning) {
    ShowStart();
    if (!m_bRepeat) {
      m_nTick = 0;
      m_bReturning = 0;
      return true;
    }
    if (PauseOver()) {
      TurnForward();
      m_nTick = 1;
      m_bReturning = 0;
    }
    return false;
  }
  ShowEnd();
  if (m_bReturn) {
    if (PauseOver()) {
      TurnBack();
      m_bReturning = 1;
      m_nTick = 1;
    }
    return false;
  }
  if (!m_bRepeat) {
    m_nTick = 0;
    return true;
  }
  if (PauseOver()) m_nTick = 0;
  return false;
}

// ---- rotate ----

CGButnRotate::CGButnRotate() { m_strName = QString::fromUtf8(kTextRotateCaption); }

CGButnRotate::CGButnRotate(WORD id, const QString& caption, float w, float x, float y, float z, float ax, float ay,
                           float az, float degrees, BOOL back, BOOL repeat, float duration, float pause)
    : CGButnRotate() {
  m_nId = id;
  m_strName = caption;
  SetStartW(w);
  m_fStart[0] = x, m_fStart[1] = y, m_fStart[2] = z;
  m_fAxis[0] = ax, m_fAxis[1] = ay, m_fAxis[2] = az;
  SetAngleDegrees(degrees);
  SetRun(back, repeat, duration, pause);
  PlaceAtNextPosition();
}

float CGButnRotate::StartW() const { return WordFloat(m_dwParam1); }
float CGButnRotate::AngleDegrees() const { return WordFloat(m_dwParam2); }
void CGButnRotate::SetStartW(float w) { m_dwParam1 = FloatWord(w); }
void CGButnRotate::SetAngleDegrees(float degrees) { m_dwParam2 = FloatWord(degrees); }
double CGButnRotate::AngleRadians() const { return static_cast<double>(AngleDegrees()) * kRadiansPerDegree; }

QString CGButnRotate::GetDescription() { return QString::fromUtf8(kTextRotateDescription); }

void CGButnRotate::ConvertOldOrientation() { ConvertOldRotation(m_fStart, m_fAxis, m_fDuration, m_dwParam1, m_dwParam2); }

void CGButnRotate::Serialize(CArchive& ar) {
  CGButton::Serialize(ar);
  if (ar.IsStoring()) {
    ar << m_fStart[0] << m_fStart[1] << m_fStart[2] << m_fAxis[0] << m_fAxis[1] << m_fAxis[2];
  } else {
    ar >> m_fStart[0] >> m_fStart[1] >> m_fStart[2] >> m_fAxis[0] >> m_fAxis[1] >> m_fAxis[2];
  }
  SerializeRun(ar);
  CheckLoaded(ar, 0,
              {m_fStart[0], m_fStart[1], m_fStart[2], m_fAxis[0], m_fAxis[1], m_fAxis[2], StartW(), AngleDegrees(),
               m_fDuration, PauseSeconds(), m_fSpeed});
}

void CGButnRotate::ShowTurn(double radians) {
  QuatFromAxisAngle(m_qTurn, radians, m_fAxis[0], m_fAxis[1], m_fAxis[2]);
  QuatMultiply(m_qStart, m_qTurn, ViewQuaternion);
}

void CGButnRotate::BeginRun(int steps) {
  m_qStart = {StartW(), m_fStart[0], m_fStart[1], m_fStart[2]};
  ViewQuaternion = m_qStart;
  m_dStep = steps > 0 ? static_cast<double>(AngleDegrees() / static_cast<float>(steps)) * kRadiansPerDegree : 0.0;
  m_dCurrent = m_dStep;
}

void CGButnRotate::Advance() {
  ShowTurn(m_dCurrent);
  m_dCurrent += m_dStep;
}

void CGButnRotate::ShowStart() { ViewQuaternion = m_qStart; }

void CGButnRotate::ShowEnd() {
  m_dCurrent = AngleRadians();
  ShowTurn(m_dCurrent);
}

void CGButnRotate::TurnBack() {
  m_dStep = -m_dStep;
  m_dCurrent = AngleRadians() + m_dStep;
}

void CGButnRotate::TurnForward() {
  m_dStep = -m_dStep;
  m_dCurrent = m_dStep;
}

// ---- translate ----

CGButnTranslate::CGButnTranslate() { m_strName = QString::fromUtf8(kTextTranslateCaption); }

CGButnTranslate::CGButnTranslate(WORD id, const QString& caption, float sx, float sy, float sz, float ex, float ey,
                                 float ez, BOOL back, BOOL repeat, float duration, float pause)
    : CGButnTranslate() {
  m_nId = id;
  m_strName = caption;
  m_fStart[0] = sx, m_fStart[1] = sy, m_fStart[2] = sz;
  m_fTarget[0] = ex, m_fTarget[1] = ey, m_fTarget[2] = ez;
  SetRun(back, repeat, duration, pause);
  PlaceAtNextPosition();
}

QString CGButnTranslate::GetDescription() { return QString::fromUtf8(kTextTranslateDescription); }

void CGButnTranslate::Serialize(CArchive& ar) {
  CGButton::Serialize(ar);
  if (ar.IsStoring()) {
    ar << m_fStart[0] << m_fStart[1] << m_fStart[2] << m_fTarget[0] << m_fTarget[1] << m_fTarget[2];
  } else {
    ar >> m_fStart[0] >> m_fStart[1] >> m_fStart[2] >> m_fTarget[0] >> m_fTarget[1] >> m_fTarget[2];
  }
  SerializeRun(ar);
  CheckLoaded(ar, 0,
              {m_fStart[0], m_fStart[1], m_fStart[2], m_fTarget[0], m_fTarget[1], m_fTarget[2], m_fDuration,
               PauseSeconds(), m_fSpeed});
}

void CGButnTranslate::BeginRun(int steps) {
  for (int i = 0; i < 3; ++i) {
    g_fViewTranslate[i] = m_fStart[i];
    m_fIncrement[i] = steps > 0 ? (m_fTarget[i] - m_fStart[i]) / static_cast<float>(steps) : 0.0f;
  }
}

void CGButnTranslate::Advance() {
  for (int i = 0; i < 3; ++i) g_fViewTranslate[i] += m_fIncrement[i];
}

void CGButnTranslate::ShowStart() { std::copy_n(m_fStart, 3, g_fViewTranslate); }
void CGButnTranslate::ShowEnd() { std::copy_n(m_fTarget, 3, g_fViewTranslate); }

void CGButnTranslate::TurnBack() {
  for (float& increment : m_fIncrement) increment = -increment;
}

// ---- scale ----

CGButnScale::CGButnScale() { m_strName = QString::fromUtf8(kTextScaleCaption); }

CGButnScale::CGButnScale(WORD id, const QString& caption, float start, float target, BOOL back, BOOL repeat,
                         float duration, float pause)
    : CGButnScale() {
  m_nId = id;
  m_strName = caption;
  m_fStart = start;
  m_fTarget = target;
  SetRun(back, repeat, duration, pause);
  PlaceAtNextPosition();
}

QString CGButnScale::GetDescription() { return QString::fromUtf8(kTextScaleDescription); }

void CGButnScale::Serialize(CArchive& ar) {
  CGButton::Serialize(ar);
  if (ar.IsStoring()) {
    ar << m_fStart << m_fTarget;
  } else {
    ar >> m_fStart >> m_fTarget;
  }
  SerializeRun(ar);
  CheckLoaded(ar, 0, {m_fStart, m_fTarget, m_fDuration, PauseSeconds(), m_fSpeed});
}

void CGButnScale::BeginRun(int steps) {
  g_fViewScale = m_fStart;
  m_fIncrement = steps > 0 ? (m_fTarget - m_fStart) / static_cast<float>(steps) : 0.0f;
}

void CGButnScale::Advance() { g_fViewScale += m_fIncrement; }
void CGButnScale::ShowStart() { g_fViewScale = m_fStart; }
void CGButnScale::ShowEnd() { g_fViewScale = m_fTarget; }
