#include "model/cgbutton.h"

#include <bit>
#include <climits>
#include <cmath>

#include "math/registers.h"
#include "model/cellmap.h"
#include "model/globals.h"

IMPLEMENT_SERIAL(CGButton, CGCell)
IMPLEMENT_SERIAL(CGButnPresentat, CGButton)

namespace {
// A tick count from a stored float: whatever the float holds, the count is a
// usable int.
int TicksFrom(float f) {
  if (!(f > 0)) return 0;
  return f < static_cast<float>(INT_MAX / 2) ? static_cast<int>(f) : INT_MAX / 2;
}
}  // namespace

WORD CGButnPresentat::CurrentChild() const {
  return m_dwParam3 < m_parents.size() ? m_parents[m_dwParam3] : 0;
}

float CGButnPresentat::PauseSeconds() const { return std::bit_cast<float>(m_nParamC); }

bool CGButnPresentat::ChildRunning(size_t index) const {
  if (index >= m_parents.size() || !g_pCurCells) return false;
  const auto* child = dynamic_cast<const CGButton*>(g_pCurCells->Lookup(m_parents[index]));
  return child && child->m_bRunning;
}

bool CGButnPresentat::CanStart() {
  if (m_nParamA < kForLoop || m_nStyle) return true;
  if (m_nParamA > kUntilLoop) return true;
  // A loop over a register that does not exist cannot run.
  if (m_nRegister < 1 || m_nRegister > kExpressionRegisterCount) return false;
  double& reg = ExpressionRegister(m_nRegister);
  switch (m_nParamA) {
    case kForLoop:
      reg = m_dLoopStart;
      if ((m_dLoopStep > 0 && m_dLoopStart > m_dLoopEnd) || (m_dLoopStep < 0 && m_dLoopEnd > m_dLoopStart))
        return false;
      break;
    case kWhileLoop:
      if (reg <= 0) return false;
      break;
    default:  // until: the first pass runs unconditionally
      return true;
  }
  m_nStyle = 1;
  return true;
}

bool CGButnPresentat::Step() {
  const size_t count = m_parents.size();
  if (IsSerial()) {
    const size_t current = m_dwParam3;
    if (ChildRunning(current)) return false;
    const float pause = static_cast<float>(g_prefs.nFramesPerSecond) * PauseSeconds() + 1.0f;
    if (++m_nPauseTicks <= TicksFrom(pause)) return false;
    m_nPauseTicks = 0;
    if (current + 1 < count) {
      m_dwParam3 = static_cast<DWORD>(current + 1);
      g_buttonStartQueue.push_back(m_parents[current + 1]);
      return false;
    }
  } else {
    for (size_t i = 0; i < count; ++i)
      if (ChildRunning(i)) return false;
  }
  return EndOfSeries();
}

void CGButnPresentat::Restart() { g_buttonStartQueue.push_back(m_nId); }

bool CGButnPresentat::EndOfSeries() {
  double& reg = ExpressionRegister(m_nRegister);
  switch (m_nParamA) {
    case kFixedCount:
      if (m_nPass >= m_nPassCount) {
        m_nPass = 1;
      } else {
        ++m_nPass;
        Restart();
      }
      break;
    case kForLoop:
      reg += m_dLoopStep;
      if (m_dLoopStep > 0 && reg > m_dLoopEnd) {
        m_nStyle = 0;
      } else if (m_dLoopStep >= 0 || reg >= m_dLoopEnd) {
        Restart();
      } else {
        m_nStyle = 0;
      }
      break;
    case kWhileLoop:
      if (reg > 0) Restart(); else m_nStyle = 0;
      break;
    case kUntilLoop:
      if (reg <= 0) Restart(); else m_nStyle = 0;
      break;
    default:
      break;
  }
  return true;
}
