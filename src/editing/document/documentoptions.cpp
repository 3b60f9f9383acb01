#include "editing/document/documentoptions.h"

#include "model/cgpage.h"
#include "model/document/commandtable.h"
#include "model/document/doctexts.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/notifier.h"
#include "platform/uibridge.h"

namespace {
// The object list's item-text code that names every page by its place.
constexpr WPARAM kPagesRenamed = 3;

const CDocCommandRows rows({
    {ID_FILE_OPTIONS, OnFileOptions},
});
}  // namespace

CDlgPage DocumentOptionsOf(const CKavrelDoc& doc) {
  CDlgPage data;
  data.m_pageNames.reserve(static_cast<qsizetype>(doc.m_pages.size()));
  for (const auto& page : doc.m_pages) data.m_pageNames << page->m_strName;
  data.m_strAuthor = doc.m_strAuthor;
  data.m_strText = doc.m_strDescription;
  data.m_bSaveVodPictures = doc.m_bSaveVodPictures;
  return data;
}

void RenamePagesInOrder(CKavrelDoc& doc) {
  int place = 0;
  for (const auto& page : doc.m_pages) page->m_strName = DefaultPageName(++place);
}

void ApplyDocumentOptions(CKavrelDoc& doc, const CDlgPage& answer) {
  doc.m_strDescription = answer.m_strText;
  doc.m_bSaveVodPictures = answer.m_bSaveVodPictures ? 1 : 0;
  // The object list's rewrite names the pages by their places, so it is
  // asked for only when the pages really are so named; the status bar shows
  // the current page's new name.
  if (answer.m_bRenamePages) {
    RenamePagesInOrder(doc);
    if (g_pCurPage) SetStatusBarText(QString::fromUtf8(kTextCurrentPage) + g_pCurPage->m_strName, 2);
    UiBridge().Post(UiTarget::Frame, WM_ITEM_TEXTS, kPagesRenamed, g_pCurPage ? g_pCurPage->m_nId : 0);
  }
  doc.SetModifiedFlag();
}

void OnFileOptions(CKavrelDoc& doc) {
  CDlgPage data = DocumentOptionsOf(doc);
  if (DialogProvider().DoModal(data) == IDOK) ApplyDocumentOptions(doc, data);
}
