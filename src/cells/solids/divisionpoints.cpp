#include "cells/solids/divisionpoints.h"

#include "cells/constructed/scalings.h"
#include "cells/solids/pagebuilder.h"
#include "model/globals.h"

int BuildDivisionPoints(WORD a, WORD b, int n, bool onlyFirst) {
  if (!g_pCurPage || n < 1) return 0;
  CPageBuilder build(*g_pCurPage);
  if (!build.Find<CGVertex>(a) || !build.Find<CGVertex>(b)) return 0;
  const int count = onlyFirst ? 1 : n - 1;
  if (count == 0) return 0;
  // The array grows by at least the points to come: a long division must
  // never place points beyond it.
  if (!build.HasRoom(count, count, count)) return 0;
  const double step = 1.0 / n;
  for (int k = 1; k <= count; ++k)
    build.Point<CGVerScale>(g_pCurPage->GetNewName(1), b, a, static_cast<float>(k * step));
  return count;
}
