// The object-list pane: a dockable pane with a small tool bar above the
// tree.  Its commands (collapse, refresh, cut, copy, delete, select the page,
// page up and down in the list) live in the command registry while the pane
// exists; its property button is the document's command.
#pragma once
#include <QDockWidget>
#include <functional>

class CCommandActions;
class CViewTree;
class ITreeDocument;
class QToolBar;

// The editing commands the pane forwards to; a command whose service is not
// installed is disabled.
struct CPaneEditing {
  std::function<void()> copySelectionToClipboard;
  std::function<void()> editDelete;
};
CPaneEditing& PaneEditing();

class CObjectView : public QDockWidget {
  Q_OBJECT

 public:
  CObjectView(CCommandActions& actions, QWidget* parent);
  ~CObjectView() override;

  CViewTree* Tree() const { return m_pTree; }
  QToolBar* ToolBar() const { return m_pToolBar; }
  void SetDocument(ITreeDocument* doc);
  // The whole document anew.
  void FillObjectList();

 private:
  void RegisterCommands();

  CViewTree* m_pTree = nullptr;
  QToolBar* m_pToolBar = nullptr;
};

// Whether cut, copy and delete have something to act on: the current page
// is selected as a page or one of its kind lists is not empty.
bool PaneHasSelection();
