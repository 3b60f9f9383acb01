#include "pagetest.h"

IMPLEMENT_SERIAL(CTestDependentPoint, CGVertex)

int CTestDependentPoint::s_nRecalculations = 0;

void CTestDependentPoint::Recalculate() {
  ++s_nRecalculations;
  CGCell::Recalculate();
  if (!m_bDefined) return;
  float sum[3] = {0, 0, 0};
  int points = 0;
  for (WORD id : m_parents) {
    const auto* parent = dynamic_cast<const CGVertex*>(g_pCurCells->Lookup(id));
    if (!parent) continue;
    for (int i = 0; i < 3; ++i) sum[i] += parent->m_vPos[i];
    ++points;
  }
  if (points == 0) {
    m_bDefined = false;
    return;
  }
  for (int i = 0; i < 3; ++i) m_vPos[i] = sum[i] / static_cast<float>(points);
  m_vPos[0] += m_fOffset;
  ApplyParameter();
}
