#include "ui/frameuibridge.h"

#include <QMetaObject>

#include "ui/mainframe.h"
#include "ui/objectlist/objectview.h"
#include "ui/shortcutmenus.h"
#include "view/kavrelview.h"
#include "view/toolstate.h"

CFrameUiBridge::CFrameUiBridge(CMainFrame& frame) : m_pFrame(&frame) {}

LRESULT CFrameUiBridge::Send(UiTarget target, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!m_pFrame) return 0;
  return target == UiTarget::Frame ? m_pFrame->OnPrivateMessage(message, wParam, lParam)
                                   : m_pFrame->SendToView(message, wParam, lParam);
}

void CFrameUiBridge::Post(UiTarget target, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!m_pFrame) return;
  QPointer<CMainFrame> frame = m_pFrame;
  QMetaObject::invokeMethod(
      m_pFrame.data(),
      [frame, target, message, wParam, lParam] {
        if (!frame) return;
        if (target == UiTarget::Frame)
          frame->OnPrivateMessage(message, wParam, lParam);
        else
          frame->SendToView(message, wParam, lParam);
      },
      Qt::QueuedConnection);
}

void CFrameUiBridge::SetStatusText(int element, const QString& text) {
  if (m_pFrame) m_pFrame->SetStatusText(element, text);
}

void CFrameUiBridge::UpdateAllViews() {
  if (m_pFrame && m_pFrame->View()) m_pFrame->View()->update();
}

void CFrameUiBridge::UpdateTranslationSliders() {
  if (m_pFrame) m_pFrame->UpdateTranslationSliders();
}

void CFrameUiBridge::FillObjectList() {
  if (m_pFrame && m_pFrame->ObjectView()) m_pFrame->ObjectView()->FillObjectList();
}

void CFrameUiBridge::ResetConstructionStep() { g_viewTool.step = 0; }

void CFrameUiBridge::SetCommandImage(UINT id, int image) {
  if (m_pFrame) m_pFrame->SetCommandImage(id, image);
}

void CFrameUiBridge::ShowShortcutMenu(int menu, int x, int y) {
  if (g_pKavrelView) ::ShowShortcutMenu(menu, g_pKavrelView->mapToGlobal(QPoint(x, y)), g_pKavrelView);
}

void CFrameUiBridge::AddDocumentTool(UINT id, const QString& name, const QString& comment) {
  if (m_pFrame) m_pFrame->AddDocumentTool(id, name, comment);
}

void CFrameUiBridge::ClearDocumentTools() {
  if (m_pFrame) m_pFrame->ClearDocumentTools();
}
