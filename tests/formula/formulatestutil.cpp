#include "formulatestutil.h"

#include <algorithm>

int TreeDepth(const CNode* node) {
  if (!node) return 0;
  int below = 0;
  if (auto* container = dynamic_cast<const CContainerNode*>(node)) {
    for (const CNode* child : container->m_arrChildren) below = std::max(below, TreeDepth(child));
  } else if (auto* structure = dynamic_cast<const CStandardNode*>(node)) {
    below = std::max(TreeDepth(structure->m_pFirst), TreeDepth(structure->m_pSecond));
  }
  return below + 1;
}
