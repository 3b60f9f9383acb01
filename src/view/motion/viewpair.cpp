#include "view/motion/viewpair.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "cells/pageservices/planemode.h"
#include "math/quaternion.h"
#include "model/globals.h"
#include "render/viewglobals.h"

namespace {
constexpr double kDegreesPerRadian = 57.29577951308232;
}  // namespace

void CViewPair::Fill(const CViewTransition& t) {
  const Quaternion start{t.startRotate[0], t.startRotate[1], t.startRotate[2], t.startRotate[3]};
  const Quaternion target{t.targetRotate[0], t.targetRotate[1], t.targetRotate[2], t.targetRotate[3]};
  Quaternion turn;
  QuatMultiply(Quaternion{start.w, -start.x, -start.y, -start.z}, target, turn);
  const double sine = std::sqrt(turn.x * turn.x + turn.y * turn.y + turn.z * turn.z);
  double degrees = 0;
  float axis[3] = {0, 0, 1};
  if (sine > 0) {
    degrees = 2 * std::acos(std::clamp(turn.w, -1.0, 1.0)) * kDegreesPerRadian;
    axis[0] = static_cast<float>(turn.x / sine);
    axis[1] = static_cast<float>(turn.y / sine);
    axis[2] = static_cast<float>(turn.z / sine);
    if (degrees > 180) degrees -= 360;
  }
  rotate.m_dwParam1 = std::bit_cast<DWORD>(t.startRotate[0]);
  std::copy_n(t.startRotate + 1, 3, rotate.m_fStart);
  std::copy_n(axis, 3, rotate.m_fAxis);
  rotate.m_dwParam2 = std::bit_cast<DWORD>(static_cast<float>(degrees));
  std::copy_n(t.startTranslate, 3, translate.m_fStart);
  std::copy_n(t.targetTranslate, 3, translate.m_fTarget);
  for (CGViewButton* button : {static_cast<CGViewButton*>(&rotate), static_cast<CGViewButton*>(&translate)}) {
    button->m_fDuration = kTransitionSeconds;
    button->m_bReturn = 0;
    button->m_bRepeat = false;
    button->SetPauseSeconds(0);
    button->m_nTick = 0;
    button->m_bReturning = 0;
    button->m_nPauseCount = 0;
  }
  m_bFilled = true;
}

bool CViewPair::Step() {
  if (!m_bFilled) return true;
  if (!rotate.Step() && !translate.Step()) return false;
  std::copy_n(translate.m_fTarget, 3, g_fViewTranslate);
  m_bFilled = false;
  return true;
}
