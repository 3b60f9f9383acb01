#include "model/cgbutton.h"

#include <bit>
#include <climits>
#include <cmath>

#include "math/registers.h"
#include "model/cellmap.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "model/modeltexts.h"
#include "platform/archive.h"

IMPLEMENT_SERIAL(CGButton, CGCell)
IMPLEMENT_SERIAL(CGButnPresentat, CGButton)

CGButton::CGButton() {
  m_rgbaColor.r = 51, m_rgbaColor.g = 102, m_rgbaColor.b = 255;
  m_rgbaLabel.r = 0, m_rgbaLabel.g = 0, m_rgbaLabel.b = 0;
  m_bLabelHidden = 0;
}

void CGButton::Serialize(CArchive& ar) {
  CGCell::Serialize(ar);
  if (ar.IsStoring()) {
    ar << m_fSpeed;
  } else {
    ar >> m_fSpeed;
    m_bRunning = false;
  }
}

QString CGButton::GetDescription() { return QString::fromUtf8(kTextButtonDescription); }

int CGButton::PauseTicks(float seconds) {
  const float ticks = static_cast<float>(FramesPerSecond()) * seconds + 1.0f;
  // Whatever a stored pause holds, the count is a usable int.
  if (!(ticks > 0)) return 0;
  return ticks < static_cast<float>(INT_MAX / 2) ? static_cast<int>(ticks) : INT_MAX / 2;
}

void CGButton::PlaceAtNextPosition() {
  if (g_pCurPage) g_pCurPage->NextButtonPosition(m_vLabelAnchor);
}

CGButnPresentat::CGButnPresentat() { m_strName = QString::fromUtf8(kTextSeriesCaption); }

CGButnPresentat::CGButnPresentat(WORD id, const QString& caption, BOOL serial, float pause) : CGButnPresentat() {
  m_nId = id;
  m_nSubKind = serial ? 1 : 0;
  m_nParamC = std::bit_cast<std::int32_t>(pause);
  m_strName = caption;
  m_dwParam3 = 0;
  PlaceAtNextPosition();
  if (!g_pCurPage) return;
  for (WORD child : g_pCurPage->m_selButtons) {
    m_parents.push_back(child);
    if (CGCell* cell = g_pCurCells ? g_pCurCells->Lookup(child) : nullptr) cell->m_children.push_back(id);
  }
}

void CGButnPresentat::Serialize(CArchive& ar) {
  CGButton::Serialize(ar);
  if (ar.IsStoring()) {
    if (m_nParamA != kNoLoop) ar << m_nPassCount << m_nRegister << m_dLoopStart << m_dLoopEnd << m_dLoopStep;
    return;
  }
  if (m_nParamA != kNoLoop) ar >> m_nPassCount >> m_nRegister >> m_dLoopStart >> m_dLoopEnd >> m_dLoopStep;
  if (m_nParamA >= kForLoop) m_nStyle = 0;
}

QString CGButnPresentat::GetDescription() {
  return QString::fromUtf8(IsSerial() ? kTextSerialSeriesDescription : kTextParallelSeriesDescription)
      .replace(QStringLiteral("%d"), QString::number(m_parents.size()));
}

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
    if (++m_nPauseTicks <= PauseTicks(PauseSeconds())) return false;
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
