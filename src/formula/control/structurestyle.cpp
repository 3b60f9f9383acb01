#include "formula/control/structurestyle.h"

#include <algorithm>

#include "formula/control/formuladialogs.h"
#include "formula/node.h"
#include "formula/structurenodes.h"
#include "formula/vodmarkup.h"
#include "platform/notifier.h"

namespace {
constexpr char16_t kBlank = u' ';
constexpr char16_t kSymbolBase = 0xF000;
// A character of the symbol font: its low byte moved to the font's
// private-use range, a control code replaced by `substitute`.
QChar SymbolChar(QChar typed, int lowest, char16_t substitute) {
  if (typed == QChar(kBlank)) return typed;
  const int low = typed.unicode() & 0xFF;
  return QChar(char16_t(kSymbolBase + (low < lowest ? substitute : low)));
}
}  // namespace

const std::vector<QString>& BracketPairs() {
  static const std::vector<QString> pairs = [] {
    const char16_t rights[] = {0xF029, 0xF05D, 0xF07D, 0xF0F1, 0xF07C, kBlank};
    const char16_t lefts[] = {0xF028, 0xF05B, 0xF07B, 0xF0E1, 0xF07C, kBlank};
    std::vector<QString> list;
    for (char16_t right : rights)
      for (char16_t left : lefts) list.push_back(QString(QChar(left)) + QChar(right));
    list.push_back(QStringLiteral("\uF03C\uF03E"));
    list.push_back(QStringLiteral("\uF03C "));
    list.push_back(QStringLiteral(" \uF03E"));
    return list;
  }();
  return pairs;
}

bool CycleStructureVariant(CNode* structure, int step) {
  if (!structure) return false;
  if (structure->m_nKind == VOD_ARROWS) {
    structure->m_nType = ((structure->m_nType + step) % kArrowStyleCount + kArrowStyleCount) % kArrowStyleCount;
    return true;
  }
  if (structure->m_nKind != VOD_BRACE) return false;
  const auto& pairs = BracketPairs();
  const int count = static_cast<int>(pairs.size());
  const auto it = std::find(pairs.begin(), pairs.end(), structure->m_strText);
  const int index = it == pairs.end() ? 0 : ((static_cast<int>(it - pairs.begin()) + step) % count + count) % count;
  structure->m_strText = pairs[static_cast<size_t>(index)];
  return true;
}

CNode* StyledNode(CNode* structure) {
  auto* standard = dynamic_cast<CStandardNode*>(structure);
  if (!standard || standard->m_nKind != VOD_STANDARD) return structure;
  for (CNode* place : {standard->m_pFirst, standard->m_pSecond})
    if (place && place->m_nKind >= VOD_INTEGRAL && place->m_nKind <= VOD_LIM) return place;
  return structure;
}

QString SymbolSignFromDialog(int kind, const QString& typed) {
  QString text = typed;
  if (!text.isEmpty()) text[0] = SymbolChar(text[0], 0x20, 0xE5);
  if (kind == VOD_BRACE && text.size() > 1) text[1] = SymbolChar(text[1], 0x21, 0x29);
  switch (kind) {
    case VOD_INTEGRAL: return text.isEmpty() ? QStringLiteral("\uF0F2") : text.left(1);
    case VOD_SUM: return text.isEmpty() ? QString(QChar(CSumNode::kSumSign)) : text.left(1);
    case VOD_BRACE: return text.size() < 2 ? QStringLiteral("\uF0E1\uF0F1") : text.left(2);
    default: return text;
  }
}

bool EditStructureStyle(CNode* structure) {
  CNode* node = StyledNode(structure);
  if (!node) return false;
  CDlgVodNodeType dialog;
  switch (node->m_nKind) {
    case VOD_ARROWS:
      dialog.m_nMode = CDlgVodNodeType::LIST;
      dialog.m_nCount = kArrowStyleCount;
      dialog.m_nSel = node->m_nType;
      break;
    case VOD_INTEGRAL:
    case VOD_SUM:
    case VOD_BRACE:
      dialog.m_nMode = CDlgVodNodeType::SYMBOL;
      dialog.m_strText = node->m_strText;
      break;
    case VOD_LIM:
      dialog.m_nMode = CDlgVodNodeType::PLAIN;
      dialog.m_strText = node->m_strText;
      break;
    default: return false;
  }
  if (DialogProvider().DoModal(dialog) != IDOK) return false;
  if (node->m_nKind == VOD_ARROWS) {
    if (dialog.m_nSel >= 0 && dialog.m_nSel < kArrowStyleCount) node->m_nType = dialog.m_nSel;
  } else if (node->m_nKind == VOD_LIM) {
    // Only what the mark-up can carry, so the sign reads back as typed.
    const QString text = TailTextMarkup(dialog.m_strText);
    node->m_strText = text.isEmpty() ? QStringLiteral("lim") : text;
  } else {
    node->m_strText = SymbolSignFromDialog(node->m_nKind, dialog.m_strText);
  }
  return true;
}
