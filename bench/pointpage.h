// The benchmarks' scene: a current page of n plain points (style 0) on a
// square grid filling the 800 x 600 view, in four colours; with labels,
// each point shows its automatic name ("A", "B", ... "A1", ...) just
// beside it.
#pragma once
#include <memory>

#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/globals.h"
#include "model/vertexarray.h"

namespace bench {

struct PointPage {
  std::unique_ptr<CGPage> page = std::make_unique<CGPage>();

  PointPage(int n, bool labelled, int labelMode = 0) {
    SetCurrentPage(page.get());
    ReserveVertexArray(n);
    int side = 1;
    while (side * side < n) ++side;
    const RGBA colours[4] = {{255, 0, 0, 255}, {0, 0, 255, 255}, {0, 128, 0, 255}, {128, 0, 0, 255}};
    for (int i = 0; i < n; ++i) {
      const float x = -18 + 36.0f * (i % side) / side, y = -13 + 26.0f * (i / side) / side;
      const QString name = labelled ? page->GetNewName(1) : QString();
      auto* p = new CGVertex(page->m_nNextId++, page->m_nNextVertex++, name, x, y, 0);
      p->m_bLabelHidden = labelled ? 0 : 1;
      p->m_nLabelMode = labelMode;
      const float anchor[3] = {x + 0.1f, y + 0.1f, 0};
      std::copy_n(anchor, 3, p->m_vLabelAnchor);
      p->m_rgbaColor = colours[i % 4];
      page->m_cells.SetAt(p->m_nId, p);
    }
  }
  ~PointPage() { SetCurrentPage(nullptr); }
};

}  // namespace bench
