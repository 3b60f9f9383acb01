// Document commands on the current page: the plus and minus keys, the
// clipboard notification and the insertion of a picture.
#include <algorithm>
#include <bit>
#include <cmath>

#include "model/cgpage.h"
#include "model/document/docservices.h"
#include "model/document/doctexts.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "model/kindtests.h"
#include "model/undo/cmdcells.h"
#include "platform/notifier.h"
#include "platform/uibridge.h"

void CKavrelDoc::StepParameter(int direction) {
  CGPage* page = g_pCurPage;
  if (!page) return;
  if (page->m_selValues.size() == 1) {
    CGCell* cell = page->m_cells.Lookup(page->m_selValues.front());
    if (!cell || !IsKindOfClassName(cell, "CGTmVarParameter")) return;
    cell->m_fValue += direction > 0 ? 1.0f : -1.0f;
    if (cell->m_nParamA == 1) {  // an integer parameter keeps the unrounded value beside it
      cell->m_nParamC = std::bit_cast<std::int32_t>(cell->m_fValue);
      cell->m_fValue = std::round(cell->m_fValue);
    }
    // What follows from the value is computed at the edit's end.
    cell->ApplyParameter();
    SetModifiedFlag();
    UiBridge().UpdateAllViews();
    return;
  }
  if (page->m_selTexts.size() != 1) {
    if (const auto& step = DocumentServices().selectNextObject) SetStatusBarText(step(direction > 0), 0);
    UiBridge().UpdateAllViews();
    return;
  }
  CGCell* cell = page->m_cells.Lookup(page->m_selTexts.front());
  auto* iteration = dynamic_cast<IDepthStepping*>(cell);
  if (!iteration || !IsKindOfClassName(cell, "CGIterate") || cell->m_nParamA != 0) return;
  int& depth = iteration->Depth();
  if (direction > 0) {
    const int suggested = iteration->MaxDepth();
    if (depth > suggested)
      KvMessageBox(QString::asprintf(kTextIterationDepthHint, suggested),
                   QString::fromUtf8(kTextIterationDepthCaption), MB_OK | MB_ICONINFORMATION);
    ++depth;
  } else if (depth > 1) {
    --depth;
  }
  SetModifiedFlag();
  UiBridge().UpdateAllViews();
}

void CKavrelDoc::OnClipboardChanged() {
  for (const auto& page : m_pages) page->m_nPasteCount = page->m_nPasteCount == -1 ? 1 : 0;
}

void CKavrelDoc::AddImageCell(int width, int height, std::vector<BYTE> pixels) {
  AddImageCell(width, height, std::move(pixels), QString::fromUtf8(kCmdNameInsertPicture), 0);
}

bool CKavrelDoc::AddImageCell(int width, int height, std::vector<BYTE> pixels, const QString& undoName,
                              int pasteSteps) {
  CGPage* page = g_pCurPage;
  const auto& create = DocumentServices().createImageCell;
  if (!page || !create || width <= 0 || height <= 0 || !page->HasRoomForCells(1)) return false;
  const double viewWidth = 0.98 * g_nViewWidth;
  const double viewHeight = 0.98 * g_nViewHeight;
  double scale = 1.0;
  if (width > viewWidth || height > viewHeight) scale = std::min(viewWidth / width, viewHeight / height);
  const double u = g_fUnitsPerPixel;
  const double shift = 40.0 * pasteSteps * u;
  const float x = static_cast<float>(shift - width * scale / 2 * u);
  const float y = static_cast<float>(shift - height * scale / 2 * u);
  const WORD id = page->m_nNextId;
  CGCell* cell = create(id, width, height, std::move(pixels), static_cast<float>(scale), x, y);
  if (!cell) return false;
  ++page->m_nNextId;
  page->m_cells.SetAt(id, cell);
  page->m_undo.Submit(std::make_unique<CCmdAddCell>(undoName));
  SetModifiedFlag();
  UiBridge().UpdateAllViews();
  return true;
}
