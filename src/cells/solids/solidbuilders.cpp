#include "cells/solids/solidbuilders.h"

#include <vector>

#include "cells/constructed/scalings.h"
#include "cells/constructed/translations.h"
#include "cells/primitives/cgverfreeinline.h"
#include "cells/solids/pagebuilder.h"
#include "model/globals.h"

namespace {

// The base corners when the ids name a point and a face of the current
// page and there is room for perCorner n + extra more cells, n of them
// points when `points` (n base corners); else empty, nothing made.
std::vector<WORD> BaseCorners(WORD point, int face, int perCorner, int extra, bool points) {
  if (!g_pCurPage || face < 0 || face > 0xFFFF) return {};
  const CPageBuilder build(*g_pCurPage);
  const CGFace* base = build.Find<CGFace>(static_cast<WORD>(face));
  if (!base || !build.Find<CGVertex>(point) || base->m_parents.size() < 3) return {};
  const int n = static_cast<int>(base->m_parents.size());
  if (!build.HasRoom(perCorner * n + extra, points ? n : 0, points ? n : 0)) return {};
  return base->m_parents;
}

// The side faces, edges and top face shared by the prism and the frustum,
// once each top corner B(i), i >= 1, is made by `topCorner`.
template <class MakeCorner>
void RaiseSides(CPageBuilder& build, const std::vector<WORD>& a, WORD b0, MakeCorner topCorner) {
  const size_t n = a.size();
  std::vector<WORD> b{b0};
  for (size_t i = 1; i < n; ++i) {
    b.push_back(topCorner(i));
    build.Segment(b[i - 1], b[i]);
    build.Segment(a[i], b[i]);
    build.Face({a[i - 1], a[i], b[i], b[i - 1]});
  }
  build.Segment(b[n - 1], b[0]);
  build.Segment(a[0], b[0]);
  build.Face({a[n - 1], a[0], b[0], b[n - 1]});
  build.Face(b);
}

}  // namespace

int BuildPrism(WORD top, int baseFace) {
  const std::vector<WORD> a = BaseCorners(top, baseFace, 4, 0, true);
  if (a.empty()) return 0;
  CPageBuilder build(*g_pCurPage);
  const int n = static_cast<int>(a.size());
  CGVertex* p = build.Find<CGVertex>(top);
  p->m_strName = build.NameOf(a[0]) + QLatin1Char('1');
  p->m_bLabelStale = true;
  RaiseSides(build, a, top, [&](size_t i) {
    return build.Point<CGVerTranslate>(build.NameOf(a[i]) + QLatin1Char('1'), a[i], a[0], top)->m_nId;
  });
  return 4 * n;
}

int BuildPyramid(WORD apex, int baseFace) {
  const std::vector<WORD> a = BaseCorners(apex, baseFace, 2, 0, false);
  if (a.empty()) return 0;
  CPageBuilder build(*g_pCurPage);
  const int n = static_cast<int>(a.size());
  for (int i = 1; i < n; ++i) {
    build.Segment(apex, a[i]);
    build.Face({apex, a[i - 1], a[i]});
  }
  build.Segment(apex, a[0]);
  build.Face({apex, a[n - 1], a[0]});
  return 2 * n;
}

int BuildFrustum(WORD apex, int baseFace) {
  const std::vector<WORD> a = BaseCorners(apex, baseFace, 4, 2, true);
  if (a.empty()) return 0;
  CPageBuilder build(*g_pCurPage);
  const int n = static_cast<int>(a.size());
  CGLine* carrier = build.Segment(apex, a[0]);
  carrier->m_bHidden = 1;
  const WORD b0 = build.Point<CGVerFreeInLine>(build.NameOf(a[0]) + QLatin1Char('1'), carrier->m_nId, 0.5f)->m_nId;
  RaiseSides(build, a, b0, [&](size_t i) {
    return build.Point<CGVerScaleP>(build.NameOf(a[i]) + QLatin1Char('1'), a[i], apex, apex, b0, a[0])->m_nId;
  });
  return 4 * n + 2;
}
