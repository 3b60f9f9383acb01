#include "model/cgpage.h"

#include <algorithm>

#include "math/mathglobals.h"
#include "model/cgcell.h"
#include "model/cgvertex.h"
#include "model/globals.h"
#include "model/modeltexts.h"
#include "platform/archive.h"
#include "platform/archivecollections.h"
#include "platform/notifier.h"

IMPLEMENT_SERIAL(CGPage, CObject)

CGPage::CGPage()
    : m_fScale(g_fViewScale),
      m_nProjection(g_nProjection),
      m_bLockView(g_bLockView != 0),
      m_bLockDrag(g_bLockDrag != 0) {
  std::copy_n(g_fViewTranslate, 3, m_vTranslate);
  m_qRotate[0] = static_cast<float>(ViewQuaternion.x);
  m_qRotate[1] = static_cast<float>(ViewQuaternion.y);
  m_qRotate[2] = static_cast<float>(ViewQuaternion.z);
  m_qRotate[3] = static_cast<float>(ViewQuaternion.w);
  std::copy(g_prefs.background.begin(), g_prefs.background.end(), m_rgbaBackground);
}

CGPage::~CGPage() {
  if (g_pCurPage == this) SetCurrentPage(nullptr);
  const CReadingPass going;  // a page that goes has nothing to settle
  for (auto [id, cell] : m_cells) delete cell;
  m_cells.RemoveAll();
}

void SetCurrentPage(CGPage* page) {
  g_pCurPage = page;
  g_pCurCells = page ? &page->m_cells : nullptr;
}

bool CGPage::HasRoomForCells(int count) const {
  if (count <= 0 || static_cast<long long>(m_nNextId) + count - 1 <= kMaxCellId) return true;
  KvMessageBox(QString::fromUtf8(kTextTooManyCells));
  return false;
}

QString CGPage::GetNewName(int kind) {
  if (kind != 1) return QString::asprintf("c%d", m_nCircleCounter++);
  if (m_chNameLetter > 'Z') {
    BYTE suffix = static_cast<BYTE>(m_chNameSuffix + 1);
    switch (suffix) {
      case '!': suffix = '1'; break;
      case ':': suffix = '\''; break;
      case '(': suffix = '0'; break;
      case '1': suffix = ' '; break;
    }
    m_chNameSuffix = suffix;
    m_chNameLetter = 'A';
  }
  QString name(QChar(static_cast<char16_t>(m_chNameLetter)));
  if (m_chNameSuffix != ' ') name += QChar(static_cast<char16_t>(m_chNameSuffix));
  ++m_chNameLetter;
  return name;
}

void CGPage::RollBackPointName() {
  if (--m_chNameLetter >= 'A') return;
  m_chNameLetter = 'Z';
  BYTE suffix = static_cast<BYTE>(m_chNameSuffix - 1);
  switch (suffix) {
    case '/': suffix = '\''; break;
    case '&': suffix = '9'; break;
    case '0': suffix = ' '; break;
    case 0x1F: suffix = '0'; break;
  }
  m_chNameSuffix = suffix;
}

int CGPage::EndToolInstance() {
  if (m_nToolPendingId < 1) return 0;
  const int last = m_nNextId - 1;
  int result = (m_nNextId == m_nToolFirstId + m_nToolDone) ? m_nToolDone : -1;
  for (int id = last; id >= m_nToolPendingId; --id) {
    CGCell* cell = m_cells.RemoveKey(static_cast<WORD>(id));
    if (!cell) continue;
    for (WORD parentId : cell->m_parents) {
      if (CGCell* parent = m_cells.Lookup(parentId)) std::erase(parent->m_children, cell->m_nId);
    }
    if (cell->IsKindOf(RUNTIME_CLASS(CGVertex)) && !cell->m_bNameFixed && !cell->m_bHidden &&
        !cell->m_bLabelHidden)
      RollBackPointName();
    delete cell;
  }
  m_nNextId = static_cast<WORD>(m_nToolPendingId);
  m_nToolPendingId = 0;
  m_pToolRecord.reset();
  if (result > 0) result = m_nToolDone = m_nNextId - m_nToolFirstId;
  ForgetIdsFrom(m_nNextId);
  ClearHover();
  return result;
}

CForgottenIds CGPage::ForgetIdsFrom(WORD first) {
  CForgottenIds forgotten;
  forgotten.marksBefore = m_marks;
  forgotten.autoButtonBefore = m_nAutoButton;
  TranslateMarks(m_marks, [first](WORD id) { return id < first ? id : WORD(0); });
  if (m_nAutoButton >= first) m_nAutoButton = 0;
  forgotten.marksAfter = m_marks;
  forgotten.autoButtonAfter = m_nAutoButton;
  return forgotten;
}

void CGPage::GiveBackIds(const CForgottenIds& forgotten) {
  GiveBackMarks(m_marks, forgotten.marksBefore, forgotten.marksAfter);
  if (m_nAutoButton == forgotten.autoButtonAfter) m_nAutoButton = forgotten.autoButtonBefore;
}

void CGPage::ClearHover() {
  const CReadingPass hovering;  // the hover is not stored
  for (auto [id, cell] : m_cells) cell->m_bHovered = false;
}

void CGPage::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    m_bExtended = ar.Context().bOlderLayout ? 0 : 1;
    WriteWordObMap(ar, m_cells);
    ar << m_nId << m_strName << m_nNextId << m_nNextVertex << m_chNameLetter << m_chNameSuffix
       << m_nCircleCounter << m_bThreeView << static_cast<BYTE>(m_bFourthQuadrant ? 1 : 0)
       << m_nButtonSlot << m_nTextSlot << m_bSelected << m_bFullTrace << m_qRotate[0] << m_qRotate[1]
       << m_qRotate[2] << m_vTranslate[0] << m_vTranslate[1] << m_vTranslate[2] << m_fScale
       << m_nProjection << static_cast<BYTE>(m_bLockView ? 1 : 0)
       << static_cast<BYTE>(m_bLockDrag ? 1 : 0);
    for (float c : m_rgbaBackground) ar << c;
    ar << m_bExtended << m_nAutoButton << m_qRotate[3] << m_strMedia;
    if (m_bExtended)
      ar << m_bLitHidesDashed << m_nPixelsPerUnit << m_nAxisOrientation << m_nReserved1
         << m_nReserved2 << m_strReserved;
    return;
  }
  // A page read whole is computed whole, as opening computes it: entering
  // its cells is no part of an edit.
  const CReadingPass reading;
  for (auto& [key, cell] : ReadWordObMap<CGCell>(ar)) {
    if (!cell) throw CArchiveException(ArchiveError::BadData, "no cell under key " + std::to_string(key));
    if (m_cells.Lookup(key))
      throw CArchiveException(ArchiveError::BadData, "cell key " + std::to_string(key) + " repeated");
    m_cells.SetAt(key, cell.release());
  }
  ar >> m_nId >> m_strName >> m_nNextId >> m_nNextVertex >> m_chNameLetter >> m_chNameSuffix >>
      m_nCircleCounter >> m_bThreeView;
  m_bFourthQuadrant = ar.ReadByte() != 0;
  ar >> m_nButtonSlot >> m_nTextSlot >> m_bSelected >> m_bFullTrace >> m_qRotate[0] >>
      m_qRotate[1] >> m_qRotate[2] >> m_vTranslate[0] >> m_vTranslate[1] >> m_vTranslate[2] >>
      m_fScale >> m_nProjection;
  m_bLockView = ar.ReadByte() != 0;
  m_bLockDrag = ar.ReadByte() != 0;
  for (float& c : m_rgbaBackground) ar >> c;
  ar >> m_bExtended >> m_nAutoButton >> m_qRotate[3] >> m_strMedia;
  if (m_bExtended) {
    ar >> m_bLitHidesDashed >> m_nPixelsPerUnit >> m_nAxisOrientation >> m_nReserved1 >>
        m_nReserved2 >> m_strReserved;
  } else {
    m_bExtended = 1;  // the extension fields keep their defaults
  }
  ValidateLoaded();
}
