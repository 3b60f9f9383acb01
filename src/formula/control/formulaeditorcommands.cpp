// The editor's commands: structures, formatting, built-in formulas, the
// clipboard, import and export, undo and redo.
#include <QFileInfo>

#include "formula/bintree.h"
#include "formula/boxnode.h"
#include "formula/control/formulaclipboard.h"
#include "formula/control/formulacommands.h"
#include "formula/control/formuladialogs.h"
#include "formula/control/formulaeditor.h"
#include "formula/control/formulaformat.h"
#include "formula/control/formulatables.h"
#include "platform/clipboard.h"
#include "platform/filebytes.h"
#include "platform/filechooser.h"
#include "platform/notifier.h"

namespace {
// Our own texts: the Part's control fails silently, but a user should know.
const QString kTextExportFailed = QString::fromUtf16(u"导出失败：无法写入该文件。");
const QString kTextImportFailed = QString::fromUtf16(u"导入失败：该文件不是可读的 VOD 公式文件。");

// "desc|pattern|desc|pattern||" as the file chooser's "desc;;desc".
QString ChooserFilter(const QString& pairs) {
  const QStringList parts = pairs.split(u'|');
  QStringList descriptions;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
    if (!parts[i].isEmpty()) descriptions << parts[i];
  return descriptions.join(QStringLiteral(";;"));
}
}  // namespace

void CFormulaEditor::RegisterCommands() {
  auto always = [this](unsigned id, std::function<void()> run) {
    m_commands.Register(id, [run = std::move(run)](unsigned) { run(); });
  };
  auto when = [this](unsigned id, std::function<void()> run, std::function<bool()> enabled) {
    m_commands.Register(
        id, [run = std::move(run)](unsigned) { run(); },
        [enabled = std::move(enabled)](CCmdUI& ui) { ui.Enable(enabled()); });
  };
  auto selected = [this] { return m_caret.m_nState == CFormulaCaret::SELECTION; };

  m_commands.RegisterRange(
      ID_FORMULA_FIRST_STRUCTURE, ID_FORMULA_MATRIX, [this](unsigned id) { InsertStructure(id); },
      [this](CCmdUI& ui) { ui.Enable(m_caret.m_nState != CFormulaCaret::NOTHING); });
  m_commands.Register(
      ID_FORMULA_BOLD, [this](unsigned) { ToggleBold(); },
      [this](CCmdUI& ui) { ui.SetCheck(m_lfCurrent.lfWeight >= FW_BOLD ? 1 : 0); });
  auto toggle = [this](unsigned id, BYTE LOGFONT::*flag, int part) {
    m_commands.Register(
        id,
        [this, flag, part](unsigned) {
          m_lfCurrent.*flag = !(m_lfCurrent.*flag);
          ApplyCurrentFormat(part);
        },
        [this, flag](CCmdUI& ui) { ui.SetCheck(m_lfCurrent.*flag ? 1 : 0); });
  };
  toggle(ID_FORMULA_ITALIC, &LOGFONT::lfItalic, PART_ITALIC);
  toggle(ID_FORMULA_UNDERLINE, &LOGFONT::lfUnderline, PART_UNDERLINE);
  m_commands.RegisterRange(ID_FORMULA_FIRST_COLOUR, ID_FORMULA_LAST_COLOUR, [this](unsigned id) {
    m_crCurrent = CommandColour(id).value_or(m_crCurrent);
    ApplyCurrentFormat(PART_COLOR);
  });
  always(ID_FORMULA_FONT, [this] { ChooseFont(); });
  always(ID_FORMULA_IMPORT, [this] { Import(); });
  always(ID_FORMULA_EXPORT, [this] { Export(); });
  when(ID_EDIT_UNDO, [this] { Restore(m_undo.Undo()); }, [this] { return m_undo.CanUndo(); });
  when(ID_EDIT_REDO, [this] { Restore(m_undo.Redo()); }, [this] { return m_undo.CanRedo(); });
  when(ID_EDIT_CUT, [this] { Cut(true); }, selected);
  when(ID_EDIT_COPY, [this] { Copy(); }, selected);
  when(ID_FORMULA_CLEAR, [this] { Cut(false); }, selected);
  when(ID_EDIT_PASTE, [this] { Paste(); }, [this] { return CanPaste(); });
  always(ID_EDIT_SELECT_ALL, [this] { SelectAll(); });
  always(ID_FORMULA_CLOSE, [this] { m_pHost->CloseHost(); });
  always(ID_FORMULA_OK, [this] { m_pHost->AcceptHost(); });
}

bool CFormulaEditor::RunCommand(unsigned id) {
  if (m_bReadOnly) return false;
  UpdateLayout();
  return m_commands.Run(id);
}

CCmdUI CFormulaEditor::QueryCommand(unsigned id) {
  UpdateLayout();
  return m_commands.Query(id);
}

void CFormulaEditor::InsertStructure(unsigned id) {
  int size[2] = {2, 2};
  if (id == ID_FORMULA_MATRIX) {
    CDlgMatrix dialog;
    if (DialogProvider().DoModal(dialog) != IDOK) return;
    if (!dialog.IsValid()) return Refuse();
    size[0] = dialog.m_nRows;
    size[1] = dialog.m_nCols;
  }
  CNode* root = Root();
  if (!root || !root->InsertStructure(StructureCodeOfCommand(id), nullptr, size)) Refuse();
  Repaint(2);
  SaveUndoState();
}

CNode* CFormulaEditor::ParseDetached(const QString& vod) const {
  // A scratch tree reads it, so that a header in pasted mark-up cannot
  // change the edited formula's defaults.
  CBinTree reader;
  reader.m_lfDefault = m_pTree->m_lfDefault;
  reader.m_crDefault = m_pTree->m_crDefault;
  return reader.ParseVod(vod);
}

void CFormulaEditor::InsertNode(CNode* node) {
  CNode* root = Root();
  if (!node) return;
  if (!root) {
    delete node;
    return Refuse();
  }
  if (m_caret.m_nState == CFormulaCaret::SELECTION) RemoveSelection();
  if (!root->InsertRow(node)) {
    delete node;
    Refuse();
  }
  root->InheritFont();
  Repaint(2);
  SaveUndoState();
}

void CFormulaEditor::InsertBuiltInFormula(int index) {
  if (m_bReadOnly || !m_pTree) return;
  UpdateLayout();
  const QString vod = BuiltInFormula(index);
  if (!vod.isEmpty()) InsertNode(ParseDetached(vod));
}

void CFormulaEditor::SelectAll() {
  if (auto* box = dynamic_cast<CBoxNode*>(Root())) box->SelectAll();
  Repaint(2);
}

void CFormulaEditor::ApplyCurrentFormat(int part) {
  // Without a selection the choice waits in the current format (the
  // format bar and the check marks show it); the tree stays as it is.
  if (m_caret.m_nState != CFormulaCaret::SELECTION || !Root()) return;
  ApplyFormatToSelection(*m_pTree, m_crCurrent, m_lfCurrent, part);
  Repaint(2);
  SaveUndoState();
}

void CFormulaEditor::ToggleBold() {
  m_lfCurrent.lfWeight = m_lfCurrent.lfWeight < FW_BOLD ? FW_BOLD : FW_NORMAL;
  ApplyCurrentFormat(PART_WEIGHT);
}

void CFormulaEditor::SetFaceName(const QString& face, BYTE charSet) {
  if (m_bReadOnly) return;
  UpdateLayout();
  m_lfCurrent.lfFaceName = FitFaceName(face);
  m_lfCurrent.lfCharSet = charSet;
  ApplyCurrentFormat(PART_FACE);
}

void CFormulaEditor::SetFontSize(int twips) {
  if (m_bReadOnly) return;
  UpdateLayout();
  m_lfCurrent.lfHeight = FontHeightOfTwips(twips, m_pHost->LogicalDpiY());
  ApplyCurrentFormat(PART_HEIGHT);
}

void CFormulaEditor::ChooseFont() {
  CDlgFormulaFont dialog;
  dialog.m_lf = m_lfCurrent;
  dialog.m_crColor = m_crCurrent;
  dialog.m_nDpi = m_pHost->LogicalDpiY();
  if (DialogProvider().DoModal(dialog) != IDOK) return;
  m_lfCurrent = dialog.m_lf;
  m_lfCurrent.lfFaceName = FitFaceName(m_lfCurrent.lfFaceName);
  m_crCurrent = dialog.m_crColor;
  ApplyCurrentFormat(PART_ALL);
}

bool CFormulaEditor::CanPaste() const {
  return Clipboard().HasFormat(kFormulaClipboardFormat) || !Clipboard().Text().isEmpty();
}

void CFormulaEditor::Copy() {
  if (m_caret.m_nState != CFormulaCaret::SELECTION || !Root()) return;
  Clipboard().SetDataAndImage(kFormulaClipboardFormat, FormulaClipboardRecord(m_pTree->GetText(1)),
                              m_pTree->RenderToPicture(true));
}

void CFormulaEditor::CopyPlainText() {
  if (!m_pTree) return;
  Clipboard().SetText(m_pTree->GetText(m_caret.m_nState == CFormulaCaret::SELECTION ? 3 : 2));
}

void CFormulaEditor::Cut(bool copyFirst) {
  if (!Root()) return;
  if (copyFirst) Copy();
  RemoveSelection();
  Repaint(2);
  SaveUndoState();
}

void CFormulaEditor::Paste() {
  if (!Root()) return;
  IClipboard& clipboard = Clipboard();
  if (clipboard.HasFormat(kFormulaClipboardFormat)) {
    const std::optional<QString> vod = ReadFormulaClipboardRecord(clipboard.Data(kFormulaClipboardFormat).value_or(QByteArray()));
    if (!vod) return Refuse();
    if (!vod->isEmpty()) {
      CNode* node = ParseDetached(*vod);
      if (!node) return Refuse();
      return InsertNode(node);
    }
  }
  const PastedText pasted = NodeFromPlainText(clipboard.Text());
  if (pasted.cut) Refuse();
  InsertNode(pasted.node);
}

void CFormulaEditor::Import() {
  if (!m_pTree) return;
  const QString path = FileChooser().ChooseOpen(kTextImportTitle, ChooserFilter(kImportFilter), QString());
  if (path.isEmpty()) return;
  // Read into a tree of its own: a file that cannot be read leaves the
  // formula exactly as it was.
  CBinTree loaded;
  loaded.m_lfDefault = m_pTree->m_lfDefault;
  loaded.m_crDefault = m_pTree->m_crDefault;
  loaded.m_crBackground = m_pTree->m_crBackground;
  FileFailure failure = FileFailure::None;
  if (!loaded.LoadVodFile(path, &failure)) {
    const QString reason = FileFailureReason(failure, false, CBinTree::kMaxVodFileBytes);
    const QString why = failure == FileFailure::None ? QString() : QLatin1Char('\n') + PathAndReason(path, reason);
    KvMessageBox(kTextImportFailed + why, kTextImportTitle, MB_OK | MB_ICONWARNING);
    return;
  }
  m_pTree->DeleteRoot();
  std::swap(m_pTree->m_pRoot, loaded.m_pRoot);
  m_pTree->m_lfDefault = loaded.m_lfDefault;
  m_pTree->m_crDefault = loaded.m_crDefault;
  m_bLaidOut = false;
  Repaint(2);
  SaveUndoState();
}

void CFormulaEditor::Export() {
  if (!m_pTree) return;
  QString path = FileChooser().ChooseSave(kTextExportTitle, ChooserFilter(kExportFilter), QString());
  if (path.isEmpty()) return;
  // The dialog's default extension: a name without one is a .vod file.
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".vod");
  const QString extension = QFileInfo(path).suffix().toLower();
  bool written;
  if (extension == QLatin1String("vod"))
    written = m_pTree->SaveVodFile(path);
  else if (extension == QLatin1String("bmp"))
    written = m_pTree->SaveBmpFile(path);
  else if (extension == QLatin1String("emf"))
    written = m_pTree->SaveEmf(path);
  else
    return;
  if (!written) KvMessageBox(kTextExportFailed, kTextExportTitle, MB_OK | MB_ICONWARNING);
  // The bitmap is laid out in its own font: lay out again for the window.
  Repaint(2);
}
