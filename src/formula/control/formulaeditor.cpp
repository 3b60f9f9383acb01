// The editor's state, input and painting; its commands are in
// formulaeditorcommands.cpp.
#include "formula/control/formulaeditor.h"

#include <algorithm>
#include <cstdlib>

#include "formula/bintree.h"
#include "formula/control/formulacommands.h"
#include "formula/control/structurestyle.h"
#include "formula/drawing/painterdc.h"

namespace {
IFormulaHost& NoHost() {
  static IFormulaHost host;
  return host;
}

// Caret-move kinds of the keys Home .. Enter, and whether a move is an edit
// that records an undo state.
struct PlainKey {
  int key, kind;
  bool records;
};
constexpr PlainKey kPlainKeys[] = {
    {vk::Home, CARET_HOME, false},     {vk::End, CARET_END, false},       {vk::Delete, CARET_DELETE, true},
    {vk::Back, CARET_BACKSPACE, true}, {vk::Left, CARET_LEFT, false},     {vk::Right, CARET_RIGHT, false},
    {vk::Up, CARET_UP, false},         {vk::Down, CARET_DOWN, false},     {vk::Return, CARET_ENTER, true},
};

// The picture never grows past what a picture may be.
int PictureSide(int client, int formula) { return std::clamp(std::max(client, formula), 1, CBinTree::kMaxPictureSide); }
}  // namespace

LOGFONT FormulaEditorStartFont() {
  LOGFONT lf;
  lf.lfHeight = 22;
  lf.lfWeight = FW_BOLD;
  lf.lfQuality = ANTIALIASED_QUALITY;
  lf.lfFaceName = kSongtiFace;
  return lf;
}

CFormulaEditor::CFormulaEditor(IFormulaHost* host)
    : m_lfCurrent(FormulaEditorStartFont()), m_pHost(host ? host : &NoHost()) {
  RegisterCommands();
}

void CFormulaEditor::SetTree(CBinTree* tree) {
  m_pTree = tree;
  m_bLaidOut = false;
  SetRepaintLevel(2);
}

CNode* CFormulaEditor::Root() const { return m_pTree ? m_pTree->m_pRoot : nullptr; }

void CFormulaEditor::SetRepaintLevel(int level) { m_nRepaint = std::max(m_nRepaint, std::clamp(level, 0, 2)); }

void CFormulaEditor::Repaint(int level) {
  SetRepaintLevel(level);
  m_pHost->Invalidate(level == 2);
}

void CFormulaEditor::Refuse() { m_pHost->Beep(); }

void CFormulaEditor::PrepareContext(CFormulaDC& dc) const {
  dc.SelectPen({m_pTree->m_crDefault, PenWidthForHeight(m_pTree->m_lfDefault.lfHeight)});
  dc.SetTextColor(m_pTree->m_crDefault);
  dc.SelectFont(m_pTree->m_lfDefault);
}

void CFormulaEditor::UpdateLayout() {
  if (m_nRepaint == 0) return;
  CNode* root = Root();
  if (!root) {
    m_bLaidOut = false;
  } else if (m_nRepaint == 2) {
    CPainterDC dc;
    PrepareContext(dc);
    m_bLaidOut = m_pTree->Layout(dc);
  }
  m_caret.m_geometry = SelectionGeometry();
  m_caret.m_nState = CFormulaCaret::NOTHING;
  if (root && m_bLaidOut) {
    root->GetSelectionRegion(m_caret.m_geometry);
    m_caret.m_nState = m_caret.m_geometry.kind;
    if (m_caret.m_nState != CFormulaCaret::NOTHING) {
      m_crCurrent = m_caret.m_geometry.colour;
      m_lfCurrent = m_caret.m_geometry.font;
    }
  }
  m_nRepaint = 0;
}

void CFormulaEditor::OnKeyDown(int key, bool ctrl) {
  if (m_bReadOnly) return;
  if (!ctrl && key >= vk::Back && key <= vk::Delete)
    OnPlainKey(key);
  else if (ctrl && key >= vk::Left && key <= 'Z')
    OnCtrlKey(key);
}

void CFormulaEditor::OnPlainKey(int key) {
  if (key == vk::Escape) {
    m_pHost->CloseHost();
    return;
  }
  const auto* entry = std::find_if(std::begin(kPlainKeys), std::end(kPlainKeys),
                                   [key](const PlainKey& k) { return k.key == key; });
  if (entry == std::end(kPlainKeys)) return;
  UpdateLayout();
  CNode* root = Root();
  // A refusal only beeps: the key returns at once.
  const bool used = root && root->MoveCaret(entry->kind);
  if (!used) Refuse();
  Repaint(2);
  if (used && entry->records) SaveUndoState();
}

void CFormulaEditor::OnCtrlKey(int key) {
  UpdateLayout();
  switch (key) {
    case vk::Left: CycleVariant(-1); break;
    case vk::Right: CycleVariant(+1); break;
    case 'A': RunCommand(ID_EDIT_SELECT_ALL); break;
    case 'C': RunCommand(ID_EDIT_COPY); break;
    case 'E': RunCommand(ID_FORMULA_EXPORT); break;
    case 'F': RunCommand(ID_FORMULA_FONT); break;
    case 'I': RunCommand(ID_FORMULA_IMPORT); break;
    case 'P':
      EditStyle();
      SaveUndoState();
      break;
    case 'R': RunCommand(ID_EDIT_REDO); break;
    case 'T': CopyPlainText(); break;
    case 'V': RunCommand(ID_EDIT_PASTE); break;
    case 'X': RunCommand(ID_EDIT_CUT); break;
    case 'Z': RunCommand(ID_EDIT_UNDO); break;
    default: return;
  }
  Repaint(2);
}

void CFormulaEditor::OnChar(const QString& character) {
  if (m_bReadOnly || m_bMouseDown || character.isEmpty() || character[0].unicode() < 0x20) return;
  UpdateLayout();
  CNode* root = Root();
  if (!root) return Refuse();
  RemoveSelection();
  root->InsertText(character);
  Repaint(2);
  SaveUndoState();
}

void CFormulaEditor::RemoveSelection() {
  delete Root()->CutSelection();
  m_pTree->ApplyDefaultFont();
}

void CFormulaEditor::OnLButtonDown(QPoint point) {
  if (m_bReadOnly) return;
  m_bMouseDown = 1;
  UpdateLayout();
  const QPoint p = point + m_ptOffset;
  if (CNode* root = Root()) root->SetCaretFromPoint(p.x(), p.y());
  Repaint(1);
}

void CFormulaEditor::OnMouseMove(QPoint point) {
  if (m_bReadOnly || !m_bMouseDown) return;
  UpdateLayout();
  const QPoint p = point + m_ptOffset;
  if (CNode* root = Root()) root->ExtendSelectionTo(p.x(), p.y());
  Repaint(1);
}

void CFormulaEditor::OnLButtonUp() {
  if (m_bReadOnly) return;
  m_bMouseDown = 0;
  Repaint(1);
}

void CFormulaEditor::CycleVariant(int step) {
  if (CNode* root = Root()) CycleStructureVariant(root->QuerySelection(), step);
}

void CFormulaEditor::EditStyle() {
  CNode* root = Root();
  if (root && EditStructureStyle(root->QuerySelection())) Repaint(2);
}

void CFormulaEditor::SaveUndoState() {
  CNode* root = Root();
  if (!root) return;
  CUndoRedo::record state;
  if (!root->SaveCaretPath(state.path)) return;
  state.vod = m_pTree->GetText(0);
  // An action that left the formula as it was leaves no step that undoes nothing.
  if (const CUndoRedo::record* current = m_undo.Current(); current && current->vod == state.vod) return;
  m_undo.Push(std::move(state));
}

void CFormulaEditor::Restore(const CUndoRedo::record* state) {
  if (!state || !m_pTree) return;
  m_pTree->SetVod(state->vod);
  if (CNode* root = Root()) {
    std::size_t position = 0;
    root->RestoreCaretPath(state->path, position);
    m_pTree->ApplyDefaultFont();
  }
  Repaint(2);
}

RECT CFormulaEditor::PaintFormula() {
  if (!Root()) return {};
  CPainterDC dc;
  PrepareContext(dc);
  return m_pTree->Layout(dc) ? Root()->m_rcPlaced : RECT{};
}

QImage CFormulaEditor::RenderPicture(QSize client) {
  UpdateLayout();
  CNode* root = Root();
  const bool drawn = root && m_bLaidOut;
  const RECT formula = drawn ? root->m_rcPlaced : RECT{};
  m_pHost->FormulaSized(formula.Width(), formula.Height());
  const int width = PictureSide(client.width(), formula.right);
  const int height = PictureSide(client.height(), formula.bottom);
  QImage picture(width, height, QImage::Format_RGB32);
  CPainterDC dc(&picture);
  dc.FillRect({0, 0, width, height}, m_pTree ? m_pTree->m_crBackground : 0xFFFFFF);
  if (!drawn) return picture;
  if (m_caret.m_nState == CFormulaCaret::SELECTION)
    for (const QRect& r : m_caret.m_geometry.region)
      dc.FillRect(RectAt(r.x(), r.y(), r.width(), r.height()), m_caret.m_crHighlight);
  PrepareContext(dc);
  root->Draw(dc);
  return picture;
}

std::vector<QLine> CFormulaEditor::CaretLines() const {
  if (m_caret.m_nState != CFormulaCaret::CARET) return {};
  const SelectionGeometry& g = m_caret.m_geometry;
  return {QLine(g.caretTop - m_ptOffset, g.caretBottom - m_ptOffset),
          QLine(g.lineStart - m_ptOffset, g.lineEnd - m_ptOffset)};
}
