// The main window: the ribbon with its application button, the 3D view, the
// object-list pane, the status bar with the tool buttons, and the floating
// tool bar of full screen.  It receives the private messages of the
// document, the pages and the undo commands (through the UI bridge it
// installs) and carries the frame commands: looks, full screen, panels,
// mini interface, translation sliders and the colour button.
#pragma once
#include <QMainWindow>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "model/autocolor.h"
#include "model/document/toolfolder.h"
#include "model/undo/cmdprocessor.h"
#include "platform/uibridge.h"
#include "ui/toolsetmenu.h"

class CColorButton;
class CCommandActions;
class CDlgFastHelp;
class CKavrelDoc;
class CKavrelStatusBar;
class CKavrelView;
class CObjectView;
class CRibbonBar;
class CViewTree;
class ITreeDocument;
class QSettings;
class QSlider;
class QToolBar;
class QPrinter;
class QMenu;
class QAction;
class QToolButton;
class QUrl;

// What the frame asks of the application.
struct CFrameHooks {
  std::function<bool()> canClose;               // offers to save; false keeps the window open
  std::function<void()> closing;                // the window closes for good
  std::function<void(const QStringList&)> openFiles; // files dropped on the window
  std::function<QStringList()> recentFiles;
  std::function<void(int index)> openRecent;
  std::function<QString()> documentTitle;
  UserToolRunner runUserTool;
};

class CMainFrame : public QMainWindow, public IMenuOwner {
  Q_OBJECT

 public:
  // settings: positioned at the program's "Settings" group (null: the
  // user's own).  The tool sets are those read from the Tools folder.
  explicit CMainFrame(CFrameHooks hooks = {}, QSettings* settings = nullptr,
                      std::vector<CToolSet> toolSets = {}, QWidget* parent = nullptr);
  ~CMainFrame() override;

  // --- Pieces of the window -------------------------------------------------
  CCommandActions& Actions() const { return *m_pActions; }
  CRibbonBar* Ribbon() const { return m_pRibbon; }
  CKavrelStatusBar* StatusBarEx() const { return m_pStatusBar; }
  CObjectView* ObjectView() const { return m_pObjectView; }
  CViewTree* Tree() const;
  CKavrelView* View() const { return m_pView; }
  CColorButton* ColorButton() const { return m_pColorButton; }
  QToolBar* FullScreenBar() const { return m_pFullScreenBar; }
  QSlider* TranslationSlider(int axis) const { return m_sliders[axis]; }
  QToolButton* CustomToolButton() const { return m_pCustomTool; }

  // --- The document -----------------------------------------------------------
  // The object list shows this document (its pages through an adapter).
  void SetDocument(CKavrelDoc* doc);
  // The object list shows any document (tests use their own).
  void SetTreeDocument(ITreeDocument* doc);
  // A new or opened document is shown: the object list anew, the status
  // bar, the title and the view.
  void DocumentShown();
  void UpdateTitle();
  void RefreshRecentFiles();
  virtual void RefreshView();
  void SetStatusText(int element, const QString& text);
  QString StatusText(int element) const;
  // Files dropped on the window: the local files go to the application,
  // which opens the first (there is one document window).  False when
  // there was none.
  bool OpenDroppedFiles(const QList<QUrl>& urls);

  // --- Messages -------------------------------------------------------------
  LRESULT OnPrivateMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // Messages for the view go to the handler the view layer installs.
  using ViewMessageHandler = std::function<LRESULT(UINT, WPARAM, LPARAM)>;
  void SetViewMessageHandler(ViewMessageHandler handler) { m_viewHandler = std::move(handler); }
  LRESULT SendToView(UINT message, WPARAM wParam, LPARAM lParam);

  // --- Frame operations -------------------------------------------------------
  // The command's action (every button of it) shows picture `image` of the
  // image list; an image the list lacks changes nothing.
  void SetCommandImage(UINT id, int image);
  void UpdateTranslationSliders();
  void UpdateColorButton();
  // Lists a tool of the document at the end of the custom-tool menu (see
  // IUiBridge::AddDocumentTool).
  void AddDocumentTool(UINT id, const QString& name, const QString& comment);
  // Takes the document tools and their heading out of the menu again; the
  // folder's sets stay.
  void ClearDocumentTools();
  COLORREF CurrentColor() const { return m_crCurrentColor; }
  void OnFullScreenTaskbar();
  void RestoreFromFullScreen();
  bool IsFullScreen() const { return m_bFullScreen; }
  void HideAllPanels();
  void ShowAllPanels();
  void OnEscape();
  // Quick help: the open help dialog comes to the front, else a new one opens.
  void OnQuickHelp();
  CDlgFastHelp* FastHelp() const { return m_pFastHelp; }
  void OnViewPanel();
  void OnViewMini();
  void OnSliderMoved(int axis, int position);
  void OnViewColor();
  void OnApplicationLook(int id);
  int ApplicationLook() const { return m_nAppLook; }
  // The resource page (the settings value "ResourceUrl"; none while empty),
  // opened by the status-bar link and the resource-centre command.
  const QString& ResourceUrl() const { return m_strResourceUrl; }
  void OpenStatusLink();
  void OnHelpPesource();
  // Page set-up: the choice is kept in the printer that printing uses.
  void OnFilePrintSetup();
  QPrinter& Printer();
  // How the page set-up is asked for (the dialog unless a test says so);
  // true when the user accepted.
  using PageSetupDialog = std::function<bool(QPrinter&)>;
  void SetPageSetupDialog(PageSetupDialog dialog) { m_pageSetupDialog = std::move(dialog); }
  // Printing the document's pages (ui/printing/sheetprinter.h): with the
  // print dialog, straight to the chosen printer, or in the preview.  The
  // dialogs are Qt's unless a test gives its own: the print dialog returns
  // false when cancelled, the preview paints through `paint`.
  using PrintDialog = std::function<bool(QPrinter&, int pageCount)>;
  using PreviewDialog = std::function<void(QPrinter&, const std::function<void(QPrinter*)>& paint)>;
  void SetPrintDialogs(PrintDialog print, PreviewDialog preview) {
    m_printDialog = std::move(print);
    m_previewDialog = std::move(preview);
  }
  void OnFilePrint(bool direct);
  void OnFilePrintPreview();
  // The title's mark of unsaved changes follows the document.
  void UpdateModifiedMark();

  // IMenuOwner: the undo history retitles Undo and Redo.
  void SetMenuItemText(UINT id, const QString& text, bool enabled) override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void CreateRibbon();
  QWidget* CreateSlotWidget(unsigned slot);
  QWidget* CreateSliders();
  // The custom-tool button opens its menu once the menu lists something.
  void AttachToolMenu();
  void CreateStatusBar();
  void CreateDockingWindows();
  void CreateFullScreenBar();
  void BuildApplicationMenu();
  void RegisterCommands();
  void BindShortcuts();
  bool IsMediaFullScreen() const;

  CFrameHooks m_hooks;
  std::unique_ptr<QSettings> m_pOwnSettings;
  QSettings* m_pSettings = nullptr;
  std::vector<CToolSet> m_toolSets;
  CCommandActions* m_pActions = nullptr;
  CRibbonBar* m_pRibbon = nullptr;
  CKavrelStatusBar* m_pStatusBar = nullptr;
  CObjectView* m_pObjectView = nullptr;
  CKavrelView* m_pView = nullptr;
  CColorButton* m_pColorButton = nullptr;
  QToolButton* m_pCustomTool = nullptr;
  QMenu* m_pToolMenu = nullptr;
  QAction* m_pDocToolsHeading = nullptr;  // added with the first document tool
  QToolBar* m_pFullScreenBar = nullptr;
  std::array<QSlider*, 3> m_sliders{};
  QList<QAction*> m_recentActions;

  CKavrelDoc* m_pDoc = nullptr;
  std::unique_ptr<ITreeDocument> m_pDocTree;
  ViewMessageHandler m_viewHandler;

  QString m_strResourceUrl;
  std::unique_ptr<QPrinter> m_pPrinter;
  PageSetupDialog m_pageSetupDialog;
  PrintDialog m_printDialog;
  PreviewDialog m_previewDialog;

  // Full screen and panels.
  QRect m_savedGeometry;
  Qt::WindowStates m_savedWindowState;
  bool m_bFullScreen = false;
  Qt::DockWidgetArea m_savedPaneArea = Qt::LeftDockWidgetArea;
  int m_nSavedPaneState = 2;  // 0 hidden, 1 shown (2: the first time, nothing known)
  bool m_bStatusBarShown = true;
  bool m_bShownOnce = false;

  CDlgFastHelp* m_pFastHelp = nullptr;  // the open quick-help dialog

  int m_nAppLook;
  COLORREF m_crCurrentColor = 0;

  // The seams in force before the frame took them over.
  std::unique_ptr<IUiBridge> m_pPreviousBridge;
};
