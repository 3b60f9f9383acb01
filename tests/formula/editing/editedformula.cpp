#include "editedformula.h"

namespace {
// The run holding the marker, searched depth first.
CTextNode* MarkedRun(CNode* node) {
  if (auto* run = dynamic_cast<CTextNode*>(node)) return run->m_strText.contains(u'|') ? run : nullptr;
  auto* container = dynamic_cast<CContainerNode*>(node);
  const int places = container ? container->ChildCount() : 2;
  for (int i = 0; i < places; ++i)
    if (CNode* child = Child(node, i))
      if (CTextNode* run = MarkedRun(child)) return run;
  return nullptr;
}

// Makes `node` the active child of every node above it.
void ActivateUpwards(CNode* node) {
  for (CNode* parent = node->m_pParent; parent; node = parent, parent = parent->m_pParent) {
    parent->m_pActive = node;
    parent->m_bSelected = 0;
    if (auto* container = dynamic_cast<CContainerNode*>(parent))
      parent->m_nCaret = container->FindChild(node);
    else
      parent->m_nCaret = static_cast<CStandardNode*>(parent)->m_pSecond == node ? 1 : 0;
  }
}
}  // namespace

CNode* Child(CNode* node, int index) {
  if (auto* structure = dynamic_cast<CStandardNode*>(node))
    return index == 0 ? structure->m_pFirst : index == 1 ? structure->m_pSecond : nullptr;
  auto* container = dynamic_cast<CContainerNode*>(node);
  return container && index >= 0 && index < container->ChildCount() ? container->ChildAt(index) : nullptr;
}

CNode* NodeAt(const EditedFormula& formula, std::initializer_list<int> indices) {
  CNode* node = formula.Root();
  for (int index : indices) node = node ? Child(node, index) : nullptr;
  return node;
}

EditedFormula::EditedFormula(const char* vod) {
  LayOutOnFake(m_tree, QString::fromUtf8(vod), m_dc, 20);
  CTextNode* run = MarkedRun(Root());
  if (!run) return;
  auto* row = static_cast<CRowNode*>(run->m_pParent);
  const int index = row->FindChild(run);
  const int caret = static_cast<int>(run->m_strText.indexOf(u'|'));
  run->m_strText.remove(caret, 1);
  if (run->m_strText.isEmpty()) {
    delete row->DetachChild(index);
    row->CaretToGap(index);
  } else {
    run->m_nCaret = caret;
    row->ActivateChild(index);
  }
  ActivateUpwards(row);
  Relayout();
}

void EditedFormula::Relayout() {
  m_dc.SelectFont(m_tree.m_lfDefault);
  m_tree.Layout(m_dc);
  // The control asks for the caret after every layout; boxes keep its x.
  SelectionGeometry geometry;
  Root()->GetSelectionRegion(geometry);
}

bool EditedFormula::Key(int key) {
  const bool used = Root()->MoveCaret(key);
  Relayout();
  return used;
}

void EditedFormula::Type(const QString& text) {
  delete Root()->CutSelection();
  m_tree.ApplyDefaultFont();
  Root()->InsertText(text);
  Relayout();
}

QString EditedFormula::Caret() {
  Type(QStringLiteral("|"));
  return Vod();
}

std::vector<int> EditedFormula::Path() const {
  std::vector<int> path;
  Root()->SaveCaretPath(path);
  return path;
}

bool ReadsBack(const QString& vod) { return Rewritten(vod) == vod; }
