// The nodes InsertStructure adds, one per insertion kind, and how deep they
// reach, so a row can refuse one before it changes anything.
#include <algorithm>

#include "formula/boxnode.h"
#include "formula/editing/caretediting.h"
#include "formula/editing/editingsupport.h"
#include "formula/rownode.h"
#include "formula/structurenodes.h"

namespace {
// Bracket pairs of kinds 14 to 19 in the symbol font; a blank leaves a side open.
const QString kBracketPairs[] = {
    QStringLiteral("\uF028\uF029"), QStringLiteral("\uF05B\uF05D"), QStringLiteral("\uF07B\uF07D"),
    QStringLiteral("\uF07C\uF07C"), QStringLiteral("\uF07B "),      QStringLiteral(" \uF07D"),
};

// A base box followed by a node of its own in the other place ("d" with a
// script pair, a sum or an integral).  Content moves the caret into that node.
CNode* WithAttachedNode(CStandardNode* base, CNode* attached, int place, bool hasContent) {
  base->AddChild(attached, place);
  if (hasContent) {
    base->m_pActive = attached;
    base->m_nCaret = place;
  }
  return base;
}
}  // namespace

CNode* NewInsertedNode(int kind, CNode* content, const int* size) {
  const bool hasContent = content != nullptr;
  switch (kind) {
    case INSERT_RUN: {
      if (auto* run = AsRun(content)) return run;
      delete content;
      return new CTextNode;
    }
    case INSERT_FRACTION: return new CDivisionNode(nullptr, content);
    case INSERT_SQRT: return new CSqrtNode(nullptr, content);
    case INSERT_NTHROOT: return new CNthRootNode(nullptr, 0, content);
    case INSERT_SUPERSCRIPT: return new CSupNode(nullptr, content);
    case INSERT_SUBSCRIPT: return new CSubNode(nullptr, content);
    case INSERT_SCRIPTS: {
      auto* base = new CStandardNode(nullptr, 0, content);
      return WithAttachedNode(base, new CSupbNode(base), 1, hasContent);
    }
    case INSERT_VECTOR_ARROW:
    case INSERT_VECTOR_BAR:
    case INSERT_VECTOR_ARC: {
      auto* vector = new CVectorNode(nullptr, content);
      vector->m_nType = kind - INSERT_VECTOR_ARROW;
      return vector;
    }
    case INSERT_SUM:
    case INSERT_PRODUCT: {
      auto* base = new CStandardNode(nullptr, 1, content);
      const char16_t sign = kind == INSERT_SUM ? CSumNode::kSumSign : CSumNode::kProductSign;
      return WithAttachedNode(base, new CSumNode(base, sign), 0, hasContent);
    }
    case INSERT_INTEGRAL: {
      auto* base = new CStandardNode(nullptr, 1, content);
      return WithAttachedNode(base, new CIntegralNode(base), 0, hasContent);
    }
    case INSERT_MATRIX: return new CMatrixNode(nullptr, size ? size[0] : 2, size ? size[1] : 2, content);
    default:
      if (kind >= INSERT_ROUND_BRACKETS && kind <= INSERT_RIGHT_BRACE)
        return new CBraceNode(nullptr, content, kBracketPairs[kind - INSERT_ROUND_BRACKETS]);
      delete content;
      return nullptr;
  }
}

int InsertedLevels(int kind, int contentBoxLevels) {
  if (kind == INSERT_RUN) return 1;
  // The empty places: a box with an empty row below the node, one level
  // more where a sign node or script pair holds them.
  const bool nestedPlace = kind == INSERT_SCRIPTS || (kind >= INSERT_SUM && kind <= INSERT_INTEGRAL);
  return std::max(nestedPlace ? 5 : 4, 1 + contentBoxLevels);
}

int ContentBoxLevels(const CNode* content) {
  if (dynamic_cast<const CBoxNode*>(content)) return SubtreeDepth(content);
  if (dynamic_cast<const CRowNode*>(content)) return 1 + SubtreeDepth(content);
  return 3;  // a run in a row, or a new empty row
}
