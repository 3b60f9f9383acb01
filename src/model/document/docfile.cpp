// The document file: header, user tools, document fields, display values,
// light, pages, page id counter and the three replaceable pictures.
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <string>

#include "model/cellmap.h"
#include "model/cgcell.h"
#include "model/cgpage.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "model/viewstate.h"
#include "platform/archive.h"
#include "platform/archivecollections.h"
#include "render/textures.h"

namespace {
// Pictures larger than this in either direction are not texture pictures.
constexpr DWORD kMaxPictureSide = kMaxTexturePictureSide;

[[noreturn]] void Reject(const std::string& what) { throw CArchiveException(ArchiveError::BadData, what); }

bool UsableHeight(std::int32_t h) { return h >= 1 && h <= 500; }
bool UsableSize(float s) { return std::isfinite(s) && s >= 1e-3f && s <= 1000.0f; }
bool AllFinite(const std::array<float, 4>& v) {
  return std::all_of(v.begin(), v.end(), [](float x) { return std::isfinite(x); });
}
}  // namespace

void CKavrelDoc::TakeScreenSize() {
  const QScreen* screen = qGuiApp ? QGuiApplication::primaryScreen() : nullptr;
  if (!screen) return;
  const double ratio = screen->devicePixelRatio();
  m_nScreenWidth = static_cast<std::int32_t>(std::lround(screen->size().width() * ratio));
  m_nScreenHeight = static_cast<std::int32_t>(std::lround(screen->size().height() * ratio));
}

// --- Storing -----------------------------------------------------------------

void CKavrelDoc::Serialize(CArchive& ar) {
  if (ar.IsLoading()) {
    CKavrelDoc incoming;
    incoming.ReadRecords(ar, ar.Context().bOlderLayout);
    DeleteContents();
    TakeContents(incoming);
    FinishLoading();
    return;
  }
  if (CGPage* page = g_pCurPage) SaveViewStateToPage(*page);
  ArchiveContext& context = ar.Context();
  std::fill(std::begin(context.nPictureUseCount), std::end(context.nPictureUseCount), 0);
  // Every document is written in the newer layout, with the header.
  context.bOlderLayout = false;
  m_nVersion = kDocumentVersion;
  ar << kDocumentMark1 << kDocumentMark2 << static_cast<DWORD>(m_nVersion) << DWORD(0) << DWORD(0);
  WriteToolList(ar, m_tools);
  TakeScreenSize();
  ar << m_nVersion << m_strAuthor << m_strDescription << m_nScreenWidth << m_nScreenHeight
     << m_bSaveVodPictures << m_nReserved << m_fDocOption << m_strDocOption;
  context.bStoreFormulaPictures = m_bSaveVodPictures != 0;
  WriteLook(ar);
  std::vector<const CObject*> pages;
  for (const auto& page : m_pages) pages.push_back(page.get());
  WriteObList(ar, pages);
  context.bStoreFormulaPictures = false;
  ar << m_nLastPageId;
  WritePictures(ar);
}

void CKavrelDoc::WriteLook(CArchive& ar) const {
  const CDisplayPrefs& p = g_prefs;
  ar << p.strLabelFont << p.strTextFont << static_cast<std::int32_t>(p.nLabelFontHeight)
     << static_cast<std::int32_t>(p.nTextFontHeight) << p.fLineWidth << p.fPointSize;
  for (int i = 0; i < 4; ++i)
    ar << p.lightAmbient[i] << p.lightDiffuse[i] << p.lightSpecular[i] << p.lightPosition[i];
}

void CKavrelDoc::WritePictures(CArchive& ar) const {
  for (int i = 0; i < 3; ++i) {
    const CTextureSlot& slot = g_textureSlots[i];
    const bool complete = slot.width > 0 && slot.height > 0 &&
                          slot.pixels.size() == static_cast<size_t>(BgrRowBytes(slot.width)) * slot.height;
    if (slot.noCopy || ar.Context().nPictureUseCount[i] == 0 || !complete) {
      ar << BYTE(1);
      continue;
    }
    ar << BYTE(0) << static_cast<DWORD>(slot.width) << static_cast<DWORD>(slot.height);
    ar.Write(slot.pixels.data(), static_cast<qsizetype>(slot.pixels.size()));
  }
}

// --- Loading -----------------------------------------------------------------

bool CKavrelDoc::ReadRecords(CArchive& ar, bool olderLayout) {
  ArchiveContext& context = ar.Context();
  const QByteArray first = ar.Peek(2);
  const bool headerless = first.size() < 2 || static_cast<BYTE>(first[0]) != 0x01 ||
                          static_cast<BYTE>(first[1]) != 0xFF;
  if (headerless) {
    context.bOlderLayout = olderLayout;
  } else {
    ar.ReadWord();
    if (ar.ReadWord() != kDocumentMark2) throw CDocumentFormatException(DocumentFormatError::BadHeader);
    m_nVersion = ar.ReadInt();
    ar.ReadDword();
    ar.ReadDword();
    context.bOlderLayout = false;
    if (m_nVersion > kDocumentVersion) throw CDocumentFormatException(DocumentFormatError::NewerVersion);
  }
  m_tools = ReadToolList(ar);
  ar >> m_nVersion >> m_strAuthor >> m_strDescription >> m_nScreenWidth >> m_nScreenHeight >>
      m_bSaveVodPictures >> m_nReserved >> m_fDocOption >> m_strDocOption;
  ReadLook(ar);
  context.bStoreFormulaPictures = m_bSaveVodPictures != 0;
  for (auto& page : ReadObList<CGPage>(ar)) {
    if (!page) Reject("empty entry in the page list");
    m_pages.push_back(std::move(page));
  }
  context.bStoreFormulaPictures = false;
  ar >> m_nLastPageId;
  ReadPictures(ar);
  context.bOlderLayout = false;
  return headerless;
}

void CKavrelDoc::ReadLook(CArchive& ar) {
  CDocumentLook& look = m_look;
  ar >> look.strLabelFont >> look.strTextFont >> look.nLabelFontHeight >> look.nTextFontHeight >>
      look.fDefaultSize >> look.fPointSize;
  for (int i = 0; i < 4; ++i)
    ar >> look.lightAmbient[i] >> look.lightDiffuse[i] >> look.lightSpecular[i] >> look.lightPosition[i];
}

void CKavrelDoc::ReadPictures(CArchive& ar) {
  for (CStoredPicture& picture : m_pictures) {
    picture = CStoredPicture();
    if (ar.ReadByte() != 0) continue;
    const DWORD width = ar.ReadDword();
    const DWORD height = ar.ReadDword();
    if (width == 0 || height == 0 || width > kMaxPictureSide || height > kMaxPictureSide)
      Reject("picture of " + std::to_string(width) + " x " + std::to_string(height) + " pixels");
    const qsizetype bytes = static_cast<qsizetype>(BgrRowBytes(static_cast<int>(width))) * height;
    if (bytes > ar.Remaining())
      throw CArchiveException(ArchiveError::EndOfFile, "picture pixels beyond the end");
    picture.flag = 0;
    picture.width = static_cast<int>(width);
    picture.height = static_cast<int>(height);
    picture.pixels.resize(static_cast<size_t>(bytes));
    ar.Read(picture.pixels.data(), bytes);
  }
}

void CKavrelDoc::FinishLoading() {
  // Display values a program could not work with (a font of no height, a
  // size that is not a number) keep the values in force.
  CDisplayPrefs& prefs = g_prefs;
  prefs.strLabelFont = m_look.strLabelFont;
  prefs.strTextFont = m_look.strTextFont;
  if (UsableHeight(m_look.nLabelFontHeight)) prefs.nLabelFontHeight = m_look.nLabelFontHeight;
  if (UsableHeight(m_look.nTextFontHeight)) prefs.nTextFontHeight = m_look.nTextFontHeight;
  if (UsableSize(m_look.fDefaultSize)) prefs.fLineWidth = m_look.fDefaultSize;
  if (UsableSize(m_look.fPointSize)) prefs.fPointSize = m_look.fPointSize;
  if (AllFinite(m_look.lightAmbient) && AllFinite(m_look.lightDiffuse) &&
      AllFinite(m_look.lightSpecular) && AllFinite(m_look.lightPosition)) {
    prefs.lightAmbient = m_look.lightAmbient;
    prefs.lightDiffuse = m_look.lightDiffuse;
    prefs.lightSpecular = m_look.lightSpecular;
    prefs.lightPosition = m_look.lightPosition;
  }

  // A document always has a page; and the id counter must stay ahead of
  // every page id, or the next new page would share an id.
  if (m_pages.empty()) AppendFirstPage();
  for (const auto& page : m_pages) m_nLastPageId = std::max(m_nLastPageId, page->m_nId);

  // Every page computed whole, as it opens: what an edit (the command that
  // opened the document) touches while it does is no change to settle.
  const CReadingPass opening;
  for (const auto& page : m_pages) {
    SetCurrentPage(page.get());
    page->RebuildVertexArray();
    page->ComputeAsOpened();
  }
  CGPage& first = *m_pages.front();
  SetCurrentPage(&first);
  first.RebuildVertexArray();
  LoadViewStateFromPage(first);
  BindUndoMenu(first);
  ApplyPictures();
}

void CKavrelDoc::ApplyPictures() {
  for (int i = 0; i < 3; ++i) {
    CStoredPicture& picture = m_pictures[i];
    CTextureSlot& slot = g_textureSlots[i];
    if (picture.flag == 0) {
      slot.width = picture.width;
      slot.height = picture.height;
      slot.pixels = std::move(picture.pixels);
      slot.uploadPending = true;
      slot.noCopy = 0;
    } else {
      if (!slot.noCopy)
        LoadTextureImage(i, true, g_strProgramFolder + QStringLiteral("/Images/Img%1.jpg").arg(i + 1));
      slot.noCopy = 1;
    }
    picture = CStoredPicture();
  }
}
