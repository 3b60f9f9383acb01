// Messages from the document, the pages and the undo commands to the main
// frame and the view.  Sent messages are direct calls; posted ones are
// queued and delivered later by the event loop.  Headless, they are dropped.
#pragma once
#include <QString>
#include <cstdint>
#include <memory>

using UINT = unsigned;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

// Private messages to the main frame.
enum : UINT {
  WM_CELLS_CHANGED = 0x80E,      // signed change of the cell count, or a list of ids
  WM_PAGE_ITEM = 0x80F,          // a page is about to be inserted (1) or deleted (2)
  WM_SELECTION_CHANGED = 0x810,  // selection code, cell id or 40000 + page id
  WM_ITEM_TEXTS = 0x811,         // texts of tree items changed
  WM_REBUILD_PAGE_TREE = 0x812,  // the object list rebuilds its tree of pages and cells
  WM_QUICK_HELP_CLOSED = 0x80B,  // the quick-help dialog (wParam) has closed
};
// Private message to the view: the current material goes to the selected
// ready-made body.
inline constexpr UINT WM_APPLY_MATERIAL = 0x805;

// Private messages to the view.
enum : UINT {
  WM_COLOR_CHOSEN = 0x7E9,  // wParam a colour word: the selection takes it, or else the ink does
  WM_GOTO_PAGE = 0x7FF,     // lParam a page id: a link button's target page becomes current
  // wParam a cell id: the action button starts, or stops when it runs.  The
  // id travels whole; the command range 3024 + id would reach only 10000.
  WM_CELL_COMMAND = 0x8001,
};

enum class UiTarget { Frame, View };

class IUiBridge {
 public:
  virtual ~IUiBridge() = default;
  virtual LRESULT Send(UiTarget target, UINT message, WPARAM wParam, LPARAM lParam) = 0;
  virtual void Post(UiTarget target, UINT message, WPARAM wParam, LPARAM lParam) = 0;
  // Text of one element of the status bar.
  virtual void SetStatusText(int element, const QString& text) = 0;
  // Redraw every view of the document.
  virtual void UpdateAllViews() = 0;
  // The view translation changed (another page is shown): the main window's
  // translation sliders take it.
  virtual void UpdateTranslationSliders() {}
  // The object list is filled anew from the whole document.
  virtual void FillObjectList() {}
  // View requests.  The mouse tool starts its construction anew (step 0).
  virtual void ResetConstructionStep() {}
  // The buttons of a command show picture `image` of the program's image
  // list (the line commands switch the merged line tool's picture).
  virtual void SetCommandImage(UINT /*id*/, int /*image*/) {}
  // The view's shortcut menu `menu` opens at client pixel (x, y) of the view
  // and runs the command chosen.
  virtual void ShowShortcutMenu(int /*menu*/, int /*x*/, int /*y*/) {}
  // A tool was added to the document: the custom-tool menu lists it after
  // the others (under its heading of document tools, added with the
  // first), run by command `id`, or by an item of its own when id is 0.
  virtual void AddDocumentTool(UINT /*id*/, const QString& /*name*/, const QString& /*comment*/) {}
  // The document tools and their heading leave the custom-tool menu.
  virtual void ClearDocumentTools() {}
};

IUiBridge& UiBridge();
std::unique_ptr<IUiBridge> SetUiBridge(std::unique_ptr<IUiBridge> bridge);
