// The mouse tool state machine of the view.  The left button does what the
// tool mode (g_nToolMode) says: select and drag, or turn and pan the view
// (1); build points, lines, polygons and circles (2 to 5); select by box
// (7); apply a user tool (6); copy a box of the view as a picture (8); draw with the ink pen (9).  The right button finishes
// or cancels a construction.  The state lives where the render pass reads
// it (g_viewTool, g_nDragId); the view only turns its Qt events into these
// calls.  Every handler ends with a redraw unless it says otherwise.
#pragma once
#include <QString>

#include "view/tools/toolsurface.h"

class CGCell;
class CGPage;
class CKavrelDoc;
class CConstruction;

// The shortcut menu of a cell: 356 points, 357 lines, 358 faces, 188 the
// other classes a click selects alone; 0 for any other cell.
int ShortcutMenuOf(const CGCell& cell);

class CMouseTools {
 public:
  explicit CMouseTools(IToolSurface& surface) : m_surface(surface) {}
  CMouseTools(const CMouseTools&) = delete;
  CMouseTools& operator=(const CMouseTools&) = delete;

  // The open document; without one the handlers do nothing.
  void SetDocument(CKavrelDoc* doc) { m_pDoc = doc; }
  CKavrelDoc* Document() const { return m_pDoc; }
  IToolSurface& Surface() { return m_surface; }

  void OnLButtonDown(const ToolInput& in);
  void OnMouseMove(const ToolInput& in);
  void OnLButtonUp(const ToolInput& in);
  // The construction tools and the user-defined tool: the construction is
  // finished (circle, polygon) or cancelled.  False, nothing done, in the
  // other tools: their right button is the shortcut menus'.
  // In the select tool a label opens the label dialog, a cell becomes the
  // only selection and opens its shortcut menu, nothing opens the general
  // one; the ink tool opens the general menu.
  bool OnRButtonDown(const ToolInput& in);
  // Switched off in the preferences: nothing.  A shown trace layer or ink
  // is discarded and that is all; otherwise, in the select tool, a label
  // opens the label dialog, a button's handle starts or stops the button,
  // empty space goes to the next page and a cell, selected alone, opens its
  // property dialog.
  void OnLButtonDblClk(const ToolInput& in);

  // A press of a button with no handler here (the middle button): later
  // moves count from where it happened.
  void OnOtherButtonDown(const ToolInput& in);

  // The common end of a construction: no step, no further corners, the
  // select tool, a redraw.
  void EndConstruction();
  // The cell the construction tools highlighted under the pointer is
  // highlighted no more (another tool is chosen).
  void ClearHover();

 private:
  // The current page when the tools may act on it: a document, a page, and
  // not a three-view page without its axonometric quadrant.
  CGPage* ActivePage() const;
  CGCell* Cell(WORD id) const;
  void SetStatus(const QString& text) const;

  // Select tool (selecttool.cpp).
  void SelectDown(CGPage& page, const ToolInput& in);
  void SelectDrag(CGPage& page, const ToolInput& in, int dx, int dy);
  void Turn(const ToolInput& in, int dx, int dy);
  void Pan(const ToolInput& in, int dx, int dy);
  void EndDrag();

  // Right button and double click (shortcutclicks.cpp).  SelectAlone
  // returns the cell's shortcut menu, 0 (nothing changed) for a cell of no
  // class a click selects alone.
  void SelectToolRButton(const ToolInput& in);
  int SelectAlone(CGPage& page, WORD id);
  // False when the id names no cell.
  bool LabelDialogOn(CGPage& page, WORD id);

  // Construction tools (constructiontool.cpp).  Down and up return false
  // when no cell could be made (no room): the handler ends without a redraw.
  bool ConstructionDown(CGPage& page, const ToolInput& in);
  bool ConstructionUp(const ToolInput& in);
  bool DownOnEmpty(const ToolInput& in);
  bool DownOnPoint(WORD id);
  bool DownOnPath(CGCell& path, const ToolInput& in);
  void Hover(CGPage& page, const ToolInput& in);
  bool FinishPolygon();
  bool FinishCircle();
  // The line the line and polygon tools draw from the first vertex.
  void AddFirstEdge(CConstruction& build, WORD to) const;
  QString FirstEdgeLabel() const;

  // The user-defined tool, mode 6 (usertooltool.cpp): each click answers
  // the running instance's awaited input.
  void UserToolDown(CGPage& page, const ToolInput& in);
  void UserToolMove(CGPage& page, const ToolInput& in);
  void UserToolUp(CGPage& page);
  void UserToolMatched(CGPage& page, int result);

  // Ink pen (inkpen.cpp).  InkUp: false when the stroke was dropped.
  void InkDown(const ToolInput& in);
  void InkMove(const ToolInput& in);
  bool InkUp();

  // Box tools (boxtools.cpp).
  void BoxSelect(CGPage& page, const ToolInput& in);
  void CopyBox();

  IToolSurface& m_surface;
  CKavrelDoc* m_pDoc = nullptr;
};
