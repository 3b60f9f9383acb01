// The program's UI bridge while the main frame exists: sent messages reach
// the frame (or the view) at once, posted ones when the event loop next
// runs; status texts go to the status bar and redraws to the view.
#pragma once
#include <QPointer>

#include "platform/uibridge.h"

class CMainFrame;

class CFrameUiBridge final : public IUiBridge {
 public:
  explicit CFrameUiBridge(CMainFrame& frame);

  LRESULT Send(UiTarget target, UINT message, WPARAM wParam, LPARAM lParam) override;
  void Post(UiTarget target, UINT message, WPARAM wParam, LPARAM lParam) override;
  void SetStatusText(int element, const QString& text) override;
  void UpdateAllViews() override;
  void UpdateTranslationSliders() override;
  void FillObjectList() override;
  void ResetConstructionStep() override;
  void SetCommandImage(UINT id, int image) override;
  void ShowShortcutMenu(int menu, int x, int y) override;
  void AddDocumentTool(UINT id, const QString& name, const QString& comment) override;
  void ClearDocumentTools() override;

 private:
  QPointer<CMainFrame> m_pFrame;
};
