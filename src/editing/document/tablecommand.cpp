// The table command (添加表格): rows and columns asked for (4 and 4 unless
// changed), the table laid out at the view's size, its cells one undo step.
#include <QString>
#include <memory>

#include "cells/solids/tablebuilder.h"
#include "editing/dialogs/document/documentdialogs.h"
#include "editing/presentation/presentationtexts.h"
#include "model/cgpage.h"
#include "model/document/commandtable.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "platform/notifier.h"
#include "model/undo/cmdcells.h"
#include "platform/commandids.h"
#include "platform/uibridge.h"

namespace {
constexpr int kDefaultTableSize = 4;

void OnCreateTable(CKavrelDoc& doc) {
  CDlgTable size;
  size.m_nRows = size.m_nCols = kDefaultTableSize;
  if (DialogProvider().DoModal(size) != IDOK) return;
  const int made = BuildTable(size.m_nRows, size.m_nCols, 0, 0, 0, nullptr, nullptr);
  if (made > 0 && g_pCurPage) {
    g_pCurPage->m_undo.Submit(std::make_unique<CCmdAddCells>(made, QString::fromUtf8(kCmdNameAddTable)));
    doc.SetModifiedFlag();
  }
  UiBridge().UpdateAllViews();
}

const CDocCommandRows rows({
    {ID_CREATE_TABLE, OnCreateTable},
});
}  // namespace
