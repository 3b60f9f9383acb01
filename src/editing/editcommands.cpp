#include "editing/editcommands.h"

#include <QString>
#include <algorithm>
#include <memory>
#include <new>
#include <optional>

#include "cells/texts/cgtextbit.h"
#include "editing/clipboardexchange.h"
#include "editing/edittexts.h"
#include "model/cgpage.h"
#include "model/document/commandtable.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "model/undo/cmdcells.h"
#include "platform/archive.h"
#include "platform/clipboard.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "platform/notifier.h"
#include "platform/uibridge.h"

namespace {
// Beyond this a picture is refused as one there is no memory for.
constexpr size_t kMaxPictureBytes = size_t(1) << 28;

void TellPasteFailed(const char* text, const char* caption) {
  KvMessageBox(QString::fromUtf8(text), QString::fromUtf8(caption), MB_OK | MB_ICONINFORMATION);
}

void PastePicture(CKavrelDoc& doc, CGPage& page) {
  const QImage image = Clipboard().Image();
  if (image.isNull()) {
    TellPasteFailed(kTextNoClipboardPicture, kCmdNamePastePicture);
    return;
  }
  std::vector<BYTE> rows = PictureRows(image);
  if (rows.empty()) {
    TellPasteFailed(kTextNoMemoryForPicture, kCmdNamePastePicture);
    return;
  }
  if (doc.AddImageCell(image.width(), image.height(), std::move(rows), QString::fromUtf8(kCmdNamePastePicture),
                       page.m_nPasteCount))
    ++page.m_nPasteCount;
}

void PasteCells(CKavrelDoc& doc, CGPage& page, CArchive& ar, const QByteArray& record) {
  PasteFailure failure = PasteFailure::None;
  const WORD first = page.m_nNextId;
  const CHandouts handouts(page);
  const int n = PasteFromClipboard(ar, &failure);
  if (n < 0) {
    if (failure == PasteFailure::NoRoom)
      TellPasteFailed(kTextNoRoomForPaste, kCmdNamePaste);
    else
      TellPasteFailed(kTextDamagedClipboardRecord, kCmdNamePaste);
    return;
  }
  if (n > 0) {
    FollowCopiedPages(record, n, [&](int k) { return page.m_cells.Lookup(static_cast<WORD>(first + k)); });
    SubmitCreated(page, first, handouts, QString::fromUtf8(kCmdNamePaste));
    doc.SetModifiedFlag();
  }
  ++page.m_nPasteCount;
}

void PastePage(CKavrelDoc& doc, CArchive& ar, const QByteArray& record) {
  auto page = std::make_unique<CGPage>();
  try {
    page->Serialize(ar);  // checked as a loaded page is
  } catch (const CArchiveException&) {
    TellPasteFailed(kTextDamagedClipboardRecord, kCmdNamePaste);
    return;
  } catch (const std::bad_alloc&) {
    TellPasteFailed(kTextDamagedClipboardRecord, kCmdNamePaste);
    return;
  }
  std::vector<CGCell*> cells;
  {
    const CReadingPass listing;  // the page comes in computed whole
    for (auto [id, cell] : page->m_cells) cells.push_back(cell);
  }
  FollowCopiedPages(record, static_cast<int>(cells.size()), [&](int k) { return cells[k]; });
  if (!doc.InsertPastedPage(std::move(page))) TellPasteFailed(kTextNoPageIdLeft, kCmdNamePaste);
}

void PasteRecord(CKavrelDoc& doc, CGPage& page) {
  const std::optional<QByteArray> record = Clipboard().Data(QString::fromLatin1(kClipboardFormat));
  if (!record) return;
  CArchive ar(*record);
  DWORD kind = 0;
  try {
    kind = ar.ReadDword();
  } catch (const CArchiveException&) {
  }
  if (kind == kClipboardCells)
    PasteCells(doc, page, ar, *record);
  else if (kind == kClipboardPage)
    PastePage(doc, ar, *record);
  else
    TellPasteFailed(kTextDamagedClipboardRecord, kCmdNamePaste);
}

void EnableWithSelection(CKavrelDoc& doc, CCmdUI& ui) { ui.Enable(doc.OnUpdateNeedSelection()); }

const CDocCommandRows rows({
    {ID_EDIT_DELETE, OnEditDelete, EnableWithSelection},
    {ID_EDIT_COPY, OnEditCopy, EnableWithSelection},
    {ID_EDIT_CUT, OnEditCut, EnableWithSelection},
    {ID_EDIT_PASTE, OnEditPaste, [](CKavrelDoc&, CCmdUI& ui) { ui.Enable(CanPaste()); }},
});
}  // namespace

void OnEditDelete(CKavrelDoc& doc) {
  CGPage* page = g_pCurPage;
  if (!page) return;
  if (page->m_bSelected) {
    const int answer = KvMessageBox(QString::fromUtf8(kTextDeletePageQuestion),
                                    QString::fromUtf8(kTextDeletePageCaption), MB_OKCANCEL | MB_ICONQUESTION);
    // Declining changes nothing, so the document is not marked modified.
    if (answer != IDOK) {
      UiBridge().UpdateAllViews();
      return;
    }
    doc.DeleteCurrentPage();
  } else {
    std::vector<WORD> ids;
    CollectDeleteIds(ids);
    if (ids.empty()) return;
    auto command = std::make_unique<CCmdDelCells>(std::move(ids), QString::fromUtf8(kCmdNameDelete));
    CCmd* deletion = command.get();
    page->m_undo.Submit(std::move(command));
    deletion->Redo();
  }
  doc.SetModifiedFlag();
  UiBridge().UpdateAllViews();
}

void OnEditCopy(CKavrelDoc&) {
  CGPage* page = g_pCurPage;
  if (!page) return;
  // The clipboard's own change notice turns this into 1: the first paste
  // here lands one step away from the copy.
  page->m_nPasteCount = -1;
  CopySelectionToClipboard();
  UiBridge().UpdateAllViews();
}

void OnEditCut(CKavrelDoc& doc) {
  OnEditCopy(doc);
  OnEditDelete(doc);
}

void OnEditPaste(CKavrelDoc& doc) {
  CGPage* page = g_pCurPage;
  if (!page) return;
  if (Clipboard().HasImage())
    PastePicture(doc, *page);
  else
    PasteRecord(doc, *page);
  UiBridge().UpdateAllViews();
}

bool CanPaste() {
  const IClipboard& clipboard = Clipboard();
  return clipboard.HasFormat(QString::fromLatin1(kClipboardFormat)) || clipboard.HasImage();
}

std::vector<BYTE> PictureRows(const QImage& image) {
  const int w = image.width(), h = image.height();
  if (image.isNull() || static_cast<DWORD>(w) > CGTextbit::kMaxSide || static_cast<DWORD>(h) > CGTextbit::kMaxSide)
    return {};
  const size_t rowBytes = (static_cast<size_t>(w) * 24 + 31) / 32 * 4;
  if (rowBytes * static_cast<size_t>(h) > kMaxPictureBytes) return {};
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  if (rgb.isNull()) return {};  // no memory for the conversion
  std::vector<BYTE> rows;
  try {
    rows.assign(rowBytes * static_cast<size_t>(h), 0);
  } catch (const std::bad_alloc&) {
    return {};
  }
  for (int y = 0; y < h; ++y)
    std::copy_n(rgb.constScanLine(y), static_cast<size_t>(w) * 3, rows.data() + rowBytes * (h - 1 - y));
  return rows;
}
