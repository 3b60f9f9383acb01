#include "cells/dynamic/buttons/animationbutton.h"

#include <algorithm>
#include <bit>

#include "cells/dynamic/buttons/animationwalks.h"
#include "cells/dynamic/buttons/buttontexts.h"
#include "cells/dynamic/parameters/userparameter.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgverfreeinface.h"
#include "cells/primitives/formattext.h"
#include "model/globals.h"
#include "platform/archive.h"
#include "platform/crtrandom.h"

IMPLEMENT_SERIAL(CGButnAnimation, CGButton)

CGButnAnimation::CGButnAnimation(WORD id, const QString& caption, WORD driven, float start, float end,
                                 std::int32_t direction, BOOL repeat, float speed, float pause)
    : m_fStart(start), m_fEnd(end), m_nDirection(direction), m_bRepeat(repeat) {
  m_nId = id;
  m_parents.push_back(driven);
  if (CGCell* cell = ParentAs<CGCell>(0)) {
    cell->m_children.push_back(id);
    m_bDefined = cell->m_bDefined;
  }
  PlaceAtNextPosition();
  m_fSpeed = speed;
  m_strName = caption;
  SetPauseSeconds(pause);
  m_nPhase = direction == kBothWays ? 0 : direction;
}

void CGButnAnimation::Serialize(CArchive& ar) {
  CGButton::Serialize(ar);
  if (ar.IsStoring()) {
    ar << m_fStart << m_fEnd << m_nDirection << static_cast<BYTE>(m_bRepeat ? 1 : 0) << m_nPhase;
    return;
  }
  ar >> m_fStart >> m_fEnd >> m_nDirection;
  m_bRepeat = ar.ReadByte() != 0;
  ar >> m_nPhase;
  m_nPauseCount = 0;
  CheckLoaded(ar, 1, {m_fStart, m_fEnd, m_fSpeed});
}

QString CGButnAnimation::GetDescription() {
  const bool value = ParentAs<CGTmVariable>(0) != nullptr;
  return FillFormat(value ? kTextAnimationParameterDescription : kTextAnimationPointDescription, "%s",
                    {ParentName(0)});
}

float CGButnAnimation::PauseSeconds() const { return std::bit_cast<float>(m_nParamC); }
void CGButnAnimation::SetPauseSeconds(float seconds) { m_nParamC = std::bit_cast<std::int32_t>(seconds); }

bool CGButnAnimation::Step() {
  CGCell* driven = ParentAs<CGCell>(0);
  if (!m_bDefined || !driven) return true;
  switch (m_nSubKind) {
    case kStepping:
      return StepValue(*driven);
    case kWalkInFace:
    case kWalkInPlane:
      return Walk(*driven);
    default:  // a mode no button is made with
      return true;
  }
}

bool CGButnAnimation::PauseOver() {
  if (++m_nPauseCount <= PauseTicks(PauseSeconds())) return false;
  m_nPauseCount = 0;
  return true;
}

bool CGButnAnimation::StepValue(CGCell& driven) {
  float& value = driven.m_fValue;
  bool finished = false;
  switch (m_nPhase) {
    case 0:
      if (const float v = value + m_fSpeed; v > m_fEnd) {
        value = m_fEnd;
        if (m_nDirection == kBothWays) {
          if (PauseOver()) m_nPhase = 1;
        } else if (m_bRepeat) {
          if (PauseOver()) m_nPhase = 2;
        } else {
          // A run over a single value keeps its phase: the next run goes
          // on from where this one stopped.
          m_nPhase = m_fStart == m_fEnd ? 0 : 2;
          finished = true;
        }
      } else {
        value = std::max(m_fStart, v);
      }
      break;
    case 1:
      if (const float v = value - m_fSpeed; v < m_fStart) {
        value = m_fStart;
        if (m_bRepeat) {
          if (PauseOver()) m_nPhase = m_nDirection == kBothWays ? 0 : 2;
        } else {
          m_nPhase = m_fStart == m_fEnd ? 1 : 2;
          finished = true;
        }
      } else {
        value = std::min(m_fEnd, v);
      }
      break;
    default:  // 2: back to the beginning; so does a phase no run leaves
      if (m_nDirection == kBackward) {
        value = m_fEnd;
        m_nPhase = 1;
      } else {
        value = m_fStart;
        m_nPhase = 0;
      }
      m_nPauseCount = 0;
      break;
  }
  // An integer parameter's slider position follows its value.
  if (auto* parameter = ParentAs<CGTmVarParameter>(0); parameter && parameter->m_nParamA == 1)
    parameter->SetAccumulator(value);
  return finished;
}

bool CGButnAnimation::Walk(CGCell& driven) {
  auto* inFace = m_nSubKind == kWalkInFace ? dynamic_cast<CGVerFreeInFace*>(&driven) : nullptr;
  auto* inPlane = m_nSubKind == kWalkInPlane ? dynamic_cast<CGVerFreeInPlane*>(&driven) : nullptr;
  const CGFace* face = inFace ? inFace->ParentAs<CGFace>(0) : nullptr;
  // Only a point of the walk's own kind can walk; a damaged file may pair
  // the mode with another.
  if (!inPlane && !face) return true;
  if (m_fStart > m_fEnd) {
    m_fStart = 0;
    return true;
  }
  int direction;
  do {
    direction = KvRand() % 4;
  } while (static_cast<long long>(m_nPhase) + direction == 3);  // never straight back
  m_nPhase = direction;
  if (inPlane)
    WalkInPlane(*inPlane, direction, m_fSpeed);
  else if (!WalkInFace(*inFace, face->CornerCount, direction, m_fSpeed, m_nPhase))
    return true;
  m_fStart += 1;
  return false;
}
