#include "model/document/kavreldoc.h"

#include <new>
#include <vector>

#include "math/viewrotation.h"
#include "model/cellmap.h"
#include "model/cgcell.h"
#include "model/cgpage.h"
#include "model/document/docservices.h"
#include "model/document/doctexts.h"
#include "model/globals.h"
#include "model/viewstate.h"
#include "platform/archive.h"
#include "platform/clipboard.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "platform/crtrandom.h"
#include "platform/filebytes.h"
#include "platform/filetexts.h"
#include "platform/notifier.h"
#include "platform/uibridge.h"
#include "render/glresources.h"
#include "render/projection.h"
#include "render/viewglobals.h"

namespace {
QString FormatErrorText(DocumentFormatError cause) {
  return QString::fromUtf8(cause == DocumentFormatError::BadHeader ? kTextBadHeader : kTextNewerVersion);
}

bool HasDocumentMark(const QByteArray& bytes) {
  return bytes.size() >= 2 && static_cast<BYTE>(bytes[0]) == (kDocumentMark1 & 0xFF) &&
         static_cast<BYTE>(bytes[1]) == (kDocumentMark1 >> 8);
}

// "打开文档失败：" or "保存文档失败：", the path and, on a line of its own, why.
void ShowFileFailure(const char* what, const QString& path, const QString& reason) {
  KvMessageBox(QString::fromUtf8(what) + path + QLatin1Char('\n') + reason, QString(), MB_OK | MB_ICONERROR);
}

// The page holding a cell that was written into the page's record.
const CGPage* PageOf(const std::vector<CArchive::ObjectSpan>& spans, const CArchive::ObjectSpan& inner) {
  for (const CArchive::ObjectSpan& span : spans)
    if (span.begin <= inner.begin && inner.end <= span.end)
      if (const auto* page = dynamic_cast<const CGPage*>(span.object)) return page;
  return nullptr;
}

// What holds byte `at` of a document being saved: the innermost cell whose
// record holds it, else the page, else the byte itself.  A failing read
// stops inside the record it fails in, or at its very end after a check of
// the whole record, so a record "holds" the places after its first byte up
// to and including its end.
QString UnreadablePart(const std::vector<CArchive::ObjectSpan>& spans, qsizetype at) {
  const CArchive::ObjectSpan* cell = nullptr;
  const CGPage* page = nullptr;
  for (const CArchive::ObjectSpan& span : spans) {
    if (!(span.begin < at && at <= span.end)) continue;
    if (dynamic_cast<const CGCell*>(span.object) && (!cell || span.end - span.begin < cell->end - cell->begin))
      cell = &span;
    if (const auto* holder = dynamic_cast<const CGPage*>(span.object)) page = holder;
  }
  if (cell) {
    const auto& c = static_cast<const CGCell&>(*cell->object);
    const CGPage* owner = PageOf(spans, *cell);
    return QString::fromUtf8(kReasonUnreadableCell)
        .arg(owner ? owner->m_strName : QString(), c.m_strName, QString::number(c.m_nId));
  }
  if (page) return QString::fromUtf8(kReasonUnreadablePage).arg(page->m_strName);
  return QString::fromUtf8(kReasonUnreadableAt).arg(at);
}

// Reads the bytes of a save back with the loader itself, so that a save
// applies exactly the checks an open will.  Empty when they read; memory
// running out for the read-back does not stop the save.
QString UnreadableReason(const QByteArray& bytes, const std::vector<CArchive::ObjectSpan>& spans) {
  const QString kept = QLatin1Char('\n') + QString::fromUtf8(kReasonFileKept);
  CArchive ar(bytes);
  try {
    CKavrelDoc readBack;
    readBack.ReadRecords(ar, false);
    return {};
  } catch (const CDocumentFormatException&) {
  } catch (const CArchiveException&) {
  } catch (const std::bad_alloc&) {
    return {};
  }
  return UnreadablePart(spans, ar.Position()) + kept;
}
}  // namespace

CDocumentFormatException::CDocumentFormatException(DocumentFormatError cause)
    : std::runtime_error(FormatErrorText(cause).toStdString()), m_cause(cause) {}

CKavrelDoc::CKavrelDoc() = default;

CKavrelDoc::~CKavrelDoc() {
  CommandRegistry().Withdraw(this);
  WithdrawClipboardListener(this);
  // A page that is current stops being so as it goes; a document read on the
  // side leaves the current page alone.
  ClearTools();
  m_pages.clear();
}

BOOL CKavrelDoc::OnNewDocument() {
  DeleteContents();
  m_bModified = false;
  m_strPathName.clear();
  g_strDocumentPath.clear();
  m_nVersion = kDocumentVersion;
  m_strAuthor.clear();
  const QString lineBreak = QStringLiteral("\r\n");
  m_strDescription = QString::fromUtf8(kTextDescriptionHead) + lineBreak.repeated(4) +
                     QString::fromUtf8(kTextDescriptionTail);
  m_bSaveVodPictures = 0;
  m_nReserved = 0;
  m_fDocOption = 0;
  m_strDocOption.clear();
  m_look = CDocumentLook();
  m_pictures = {};
  TakeScreenSize();
  if (DocumentServices().reloadPreferences) DocumentServices().reloadPreferences();
  KvSeedRandomFromClock();

  g_bLockView = 0;
  g_bLockDrag = 0;
  g_fViewTranslate[0] = g_fViewTranslate[1] = 0.0f;
  g_fViewTranslate[2] = -50.0f;
  g_fUnitsPerPixel = 0.05f;
  g_nAxesMode = 0;
  SetViewRotation(-75, -15);
  g_nProjection = kProjOrthographic;  // before the page, which takes it over

  AppendFirstPage();
  m_nLastPageId = 1;
  ProjectionMatrix(g_nProjection, g_nViewWidth, g_nViewHeight, g_fUnitsPerPixel, g_dProjection);
  SaveWholeViewport();
  RegisterCommands();
  return TRUE;
}

void CKavrelDoc::AppendFirstPage() {
  auto page = std::make_unique<CGPage>();
  page->m_strName = DefaultPageName(1);
  page->m_nId = 1;
  CGPage* made = page.get();
  m_pages.push_back(std::move(page));
  SetCurrentPage(made);
  made->RebuildVertexArray();
  BindUndoMenu(*made);
}

void CKavrelDoc::BindUndoMenu(CGPage& page) const {
  page.m_undo.SetMenuOwner(m_pMenuOwner, CCmdProcessor::kUndoCommandId, CCmdProcessor::kRedoCommandId);
  page.m_undo.UpdateMenu();
}

void CKavrelDoc::ClearTools() {
  for (const auto& record : m_tools)
    if (record.get() == g_pCurrentTool) {
      g_pCurrentTool = nullptr;
      g_nCurrentToolId = 0;
    }
  m_tools.clear();
}

void CKavrelDoc::RefreshToolMenu() {
  if (g_nCurrentToolId >= ID_TOOL_USE_FIRST + static_cast<long long>(g_globalTools.size())) {
    g_pCurrentTool = nullptr;
    g_nCurrentToolId = 0;
  }
  ListToolsInMenu();
}

void CKavrelDoc::ListToolsInMenu() {
  UiBridge().ClearDocumentTools();
  g_nDocToolsShown = 0;
  for (const auto& tool : m_tools) {
    UiBridge().AddDocumentTool(DocumentToolCommandId(g_nDocToolsShown), tool->m_strName, tool->m_strComment);
    ++g_nDocToolsShown;
  }
}

void CKavrelDoc::DeleteContents() {
  ClearTools();
  // The player over the view played a file of a page that goes now, and
  // would keep taking the clicks meant for the next document.
  if (const auto& close = DocumentServices().closeMedia) close();
  m_pages.clear();  // a page that was current makes no page current as it goes
  SetCurrentPage(nullptr);
  UiBridge().ResetConstructionStep();  // its vertices went with the pages
  g_bBackgroundDirty = 1;  // the captured traces belonged to the pages just deleted
  g_bTraceDirty = false;
  SaveWholeViewport();
}

void CKavrelDoc::TakeContents(CKavrelDoc& from) {
  m_pages = std::move(from.m_pages);
  m_nLastPageId = from.m_nLastPageId;
  ClearTools();
  m_tools = std::move(from.m_tools);
  m_nVersion = from.m_nVersion;
  m_strAuthor = from.m_strAuthor;
  m_strDescription = from.m_strDescription;
  m_nScreenWidth = from.m_nScreenWidth;
  m_nScreenHeight = from.m_nScreenHeight;
  m_bSaveVodPictures = from.m_bSaveVodPictures;
  m_nReserved = from.m_nReserved;
  m_fDocOption = from.m_fDocOption;
  m_strDocOption = from.m_strDocOption;
  m_look = from.m_look;
  m_pictures = std::move(from.m_pictures);
}

void CKavrelDoc::TakeLoaded(CKavrelDoc& incoming) {
  CKavrelDoc previous;
  CGPage* const current = g_pCurPage;
  if (current) SaveViewStateToPage(*current);
  const CDisplayPrefs prefs = g_prefs;
  previous.TakeContents(*this);
  DeleteContents();
  TakeContents(incoming);
  try {
    FinishLoading();
  } catch (const std::bad_alloc&) {
    DeleteContents();
    TakeContents(previous);
    g_prefs = prefs;
    SetCurrentPage(current);
    if (current) {
      current->RebuildVertexArray();
      LoadViewStateFromPage(*current);
      BindUndoMenu(*current);
    }
    throw;
  }
}

bool CKavrelDoc::OnOpenDocument(const QString& path, bool olderLayout, bool* needsSaving) {
  const QString previousPath = g_strDocumentPath;
  try {
    return ReadAndTake(path, olderLayout, needsSaving);
  } catch (const std::bad_alloc&) {
    g_strDocumentPath = previousPath;
    ShowFileFailure(kTextOpenFailed, path, QString::fromUtf8(kReasonNoMemory));
    return false;
  }
}

bool CKavrelDoc::ReadAndTake(const QString& path, bool olderLayout, bool* needsSaving) {
  FileFailure readFailure = FileFailure::None;
  qint64 size = 0;
  const std::optional<QByteArray> head = ReadFileStart(path, 2, &size, &readFailure);
  // Saving always writes the mark and has no bound, so a marked file is read
  // whatever its size; a file without it is either of the older headerless
  // layout, never this large, or no document at all, told before it is read.
  const bool marked = head && HasDocumentMark(*head);
  if (head && !marked && size > kMaxDocumentBytes) {
    ShowFileFailure(kTextOpenFailed, path, QString::fromUtf8(kReasonNotADocument));
    return false;
  }
  const std::optional<QByteArray> bytes =
      head ? ReadFileBytes(path, &readFailure, marked ? kNoFileLimit : kMaxDocumentBytes) : std::nullopt;
  if (!bytes) {
    ShowFileFailure(kTextOpenFailed, path, FileFailureReason(readFailure, false));
    return false;
  }
  CKavrelDoc incoming;
  bool headerless = false;
  // Records may name files beside the document (GetDocumentFolder); the
  // open document keeps its own folder when this one fails.
  const QString previousPath = g_strDocumentPath;
  g_strDocumentPath = path;
  QString failure;
  QString reason;
  CArchive ar(*bytes);
  try {
    headerless = incoming.ReadRecords(ar, olderLayout);
  } catch (const CDocumentFormatException& e) {
    failure = FormatErrorText(e.Cause());
  } catch (const CArchiveException&) {
    // Without the header mark nothing says the file is a document at all.
    reason = HasDocumentMark(*bytes) ? QString::fromUtf8(kReasonDamagedAt).arg(ar.Position())
                                     : QString::fromUtf8(kReasonNotADocument);
  }
  if (!failure.isEmpty() || !reason.isEmpty()) {
    g_strDocumentPath = previousPath;
    if (failure.isEmpty())
      ShowFileFailure(kTextOpenFailed, path, reason);
    else
      KvMessageBox(failure, QString(), MB_OK | MB_ICONERROR);
    return false;
  }
  TakeLoaded(incoming);
  m_strPathName = path;
  m_bModified = false;
  if (needsSaving) *needsSaving = headerless;
  RegisterCommands();
  return true;
}

bool CKavrelDoc::OnSaveDocument(const QString& path) {
  const CReadingPass saving;  // writing the records (and reading them back) changes none
  QString reason;
  try {
    CArchive ar;
    std::vector<CArchive::ObjectSpan> spans;
    ar.RecordObjectSpans(&spans);
    Serialize(ar);
    reason = UnreadableReason(ar.Bytes(), spans);
    FileFailure failure = FileFailure::None;
    if (reason.isEmpty() && !WriteFileBytes(path, ar.Bytes(), &failure)) reason = FileFailureReason(failure, true);
  } catch (const std::bad_alloc&) {
    reason = QString::fromUtf8(kReasonNoMemory);
  }
  if (!reason.isEmpty()) {
    ShowFileFailure(kTextSaveFailed, path, reason);
    return false;
  }
  m_strPathName = path;
  g_strDocumentPath = path;
  m_bModified = false;
  return true;
}

QString GetDocumentFolder() {
  const QString& path = g_strDocumentPath;
  if (path.size() < 5) return QString();
  qsizetype at = path.lastIndexOf(QLatin1Char('\\'));
  if (at < 0) at = path.lastIndexOf(QLatin1Char('/'));
  if (at <= 0) return QString();
  return path.left(at + 1);
}

void SetStatusBarText(const QString& text, int element) { UiBridge().SetStatusText(element, text); }
