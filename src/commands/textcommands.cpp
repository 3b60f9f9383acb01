#include "commands/textcommands.h"

#include <bit>

#include "cells/texts/cgtbvodtext.h"
#include "cells/texts/cgtextbit.h"
#include "commands/commandframe.h"
#include "commands/commandtexts.h"
#include "formula/control/formuladialogs.h"
#include "model/autocolor.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "platform/notifier.h"
#include "render/viewglobals.h"
#include "richtext/rteditdata.h"

void InsertVodText(CKavrelDoc& doc, BOOL asTexture, int x, int y) {
  CGPage* page = g_pCurPage;
  if (!page) return;
  CVodDlg dialog;
  dialog.m_crBack = BackgroundColorRef(g_prefs.background.data());
  const RGBA& text = g_prefs.rgbaMeasure;
  dialog.m_crText = COLORREF(text.r | (text.g << 8) | (text.b << 16));
  dialog.m_nOpenX = x;
  dialog.m_nOpenY = y;
  if (DialogProvider().DoModal(dialog) != IDOK || dialog.m_bEmpty) return;
  CConstruction build(doc);
  if (!build.MakeRoom(1)) return;
  const WORD id = build.NextId();
  CGTbVodText* cell = nullptr;
  if (!page->m_selPoints.empty())
    cell = new CGTbMhc(id, dialog.m_strVod, dialog.m_crBack, page->m_selPoints.front());
  else
    cell = new CGTbVodText(id, dialog.m_strVod, dialog.m_crBack, asTexture ? 1 : 0);
  cell->m_nSubKind = 4;
  build.Add(cell);
  build.Commit(QString::fromUtf8(kCmdNameInsertVodText));
}

CGTextbit* NewRichTextCell(WORD id, CDlgRtEdit& text, WORD point) {
  const auto width = static_cast<DWORD>(text.m_nMaskWidth), height = static_cast<DWORD>(text.m_nMaskHeight);
  CGTextbit* cell = point ? new CGTbHenchman(id, width, height, std::move(text.m_mask), point)
                          : new CGTextbit(id, width, height, std::move(text.m_mask));
  cell->m_nSubKind = 1;
  cell->m_strVodName = text.m_strText;
  cell->m_strName = text.m_strTitle;
  cell->m_dwParam1 = std::bit_cast<DWORD>(static_cast<float>(text.m_nContentWidth));
  cell->m_dwParam2 = std::bit_cast<DWORD>(static_cast<float>(text.m_nContentHeight));
  return cell;
}

void InsertRichText(CKavrelDoc& doc) {
  CGPage* page = g_pCurPage;
  if (!page) return;
  CDlgRtEdit dialog;
  if (DialogProvider().DoModal(dialog) != IDOK || dialog.m_mask.empty()) return;
  CConstruction build(doc);
  if (!build.MakeRoom(1)) return;
  const WORD id = build.NextId();
  build.Add(NewRichTextCell(id, dialog, page->m_selPoints.empty() ? WORD(0) : page->m_selPoints.front()));
  build.Commit(QString::fromUtf8(kCmdNameInsertRichText));
}
