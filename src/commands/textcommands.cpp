#include "commands/textcommands.h"

#include "cells/texts/cgtbvodtext.h"
#include "commands/commandframe.h"
#include "commands/commandtexts.h"
#include "formula/control/formuladialogs.h"
#include "model/autocolor.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "platform/notifier.h"
#include "render/viewglobals.h"

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
