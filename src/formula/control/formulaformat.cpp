#include "formula/control/formulaformat.h"

#include <algorithm>
#include <limits>

#include "formula/bintree.h"
#include "formula/containernode.h"
#include "formula/drawing/symbolfont.h"
#include "render/fontsubstitutions.h"

BYTE CharSetOfFace(const QString& face) {
  if (IsSymbolFace(face)) return SYMBOL_CHARSET;
  return IsChineseFace(face) ? GB2312_CHARSET : 0;
}

int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  long long n = static_cast<long long>(a) * b;
  long long d = c;
  if (d < 0) {
    n = -n;
    d = -d;
  }
  const long long q = n >= 0 ? (n + d / 2) / d : -((-n + d / 2) / d);
  return static_cast<int>(std::clamp<long long>(q, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

int PointsOfTwips(int twips) { return static_cast<int>((static_cast<long long>(twips) + 10) / 20); }

std::int32_t FontHeightOfTwips(int twips, int dpi) { return MulDiv(PointsOfTwips(twips), dpi, 72); }

void ApplyFormatToSelection(CBinTree& tree, COLORREF colour, const LOGFONT& font, int part) {
  CNode* root = tree.m_pRoot;
  if (!root) return;
  if (!root->IsWhollySelected()) {
    root->SetFont(colour, font, true, part);
    return;
  }
  // The root has no parent to differ from: the tree's defaults stand in.
  root->TakeFontPart(colour, font, part, tree.m_lfDefault, tree.m_crDefault);
  if (auto* container = dynamic_cast<CContainerNode*>(root))
    for (CNode* child : container->m_arrChildren) child->SetFont(colour, font, false, part);
}
