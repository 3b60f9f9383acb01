#include "cells/texts/textlayer.h"

#include "model/cgpage.h"
#include "model/globals.h"
#include "render/projection.h"

bool TextLayerShows(const CGCell& cell) {
  return !cell.m_bHidden && !(g_pCurPage && g_pCurPage->m_bThreeView);
}

bool MapToTextLayer(const float point[3], float out[3]) {
  const double* m = g_dWorldToText;
  double mapped[4];
  for (int r = 0; r < 4; ++r) mapped[r] = m[r] * point[0] + m[4 + r] * point[1] + m[8 + r] * point[2] + m[12 + r];
  if (!(mapped[3] > 1e-12 || mapped[3] < -1e-12)) return false;
  for (int i = 0; i < 3; ++i) out[i] = static_cast<float>(mapped[i] / mapped[3]);
  return true;
}
